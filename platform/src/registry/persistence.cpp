// persistence.cpp - keeps the registry in registry.txt under the world root, so that a host program
// remembers settings between runs. The file lists every key of both roots in enumeration order, each value
// as its exact bytes (see text_form.h); it is rewritten whole after each change, through a temporary file
// so that a run that stops half-way leaves the previous file intact.
#include "registry/persistence.h"
#include "common/world_state.h"
#include "host/world.h"
#include "registry/store.h"
#include "registry/text_form.h"

#include <filesystem>
#include <fstream>

namespace platform::registry {

static bool s_keep = false;   // guarded by the registry's lock

static std::filesystem::path RegistryFile()
{
    const std::filesystem::path root = WorldRootPath();
    return root.empty() ? std::filesystem::path() : root / "registry.txt";
}

void SaveIfKept()
{
    const std::filesystem::path file = RegistryFile();
    if (!s_keep || file.empty())
        return;
    std::string text;
    for (HKEY root : kKeptRoots) {
        const std::shared_ptr<Key> rootKey = RootKey(root);
        std::vector<std::u16string> names;
        WalkKeys(*rootKey, names, [&text](const Key& key, const std::vector<std::u16string>& keyPath) {
            text += FormatKeyLine(keyPath) + '\n';
            for (const Value& value : key.values)
                text += FormatValueLine(value, DataForm::Exact) + '\n';
        });
    }
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            return;   // the registry stays right in memory; the next change tries the file again
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
}

void StopKeeping()
{
    s_keep = false;
}

static std::shared_ptr<Key> KeptRootNamed(std::u16string_view name)
{
    for (HKEY root : kKeptRoots)
        if (RootName(root) == name)
            return RootKey(root);
    return nullptr;
}

// Adds the file's keys and values to the tree. A line that does not read back (a hand-edited file, say) is
// passed over, and so are the values under a key line that does not.
static void Load(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::shared_ptr<Key> current;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::u16string> path;
        Value value;
        if (ParseKeyLine(line, path)) {
            current = KeptRootNamed(path.front());
            if (current == nullptr)
                continue;
            const std::vector<std::u16string_view> parts(path.begin() + 1, path.end());
            bool created = false;
            current = CreatePath(current, parts, created);
        } else if (current != nullptr && ParseValueLine(line, value)) {
            PutValue(*current, value.name, value.type, value.data.data(), static_cast<DWORD>(value.data.size()));
        }
    }
}

} // namespace platform::registry

void host::KeepRegistryInFile(bool keep)
{
    using namespace platform::registry;
    auto lock = LockRegistry();
    s_keep = false;   // loading must not rewrite the file before all of it is read
    if (!keep)
        return;
    const std::filesystem::path file = RegistryFile();
    if (!file.empty())
        Load(file);
    s_keep = true;
    SaveIfKept();
}
