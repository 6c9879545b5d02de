// dump.cpp - the registry below a key as text, for tests and host programs to look at.
#include "common/text_util.h"
#include "host/inspect.h"
#include "registry/store.h"
#include "registry/text_form.h"

std::string host::RegistryDump(HKEY root, std::u16string_view path)
{
    using namespace platform::registry;
    auto lock = LockRegistry();
    const std::shared_ptr<Key> rootKey = RootKey(root);
    std::vector<std::u16string_view> parts;
    const std::u16string pathText(path);
    if (rootKey == nullptr || SplitPath(pathText.c_str(), parts) != ERROR_SUCCESS)
        return {};
    const std::shared_ptr<Key> start = FindPath(rootKey, parts);
    if (start == nullptr)
        return {};

    std::string text;
    std::vector<std::u16string> names = AncestorNames(*start);
    WalkKeys(*start, names, [&text](const Key& key, const std::vector<std::u16string>& keyPath) {
        text += FormatKeyLine(keyPath) + '\n';
        for (const Value& value : key.values)
            text += FormatValueLine(value, DataForm::Readable) + '\n';
    });
    return text;
}
