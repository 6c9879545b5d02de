// module_table.cpp - the loaded modules, the meaning of module names, and symbol lookup in a module.
#include "modules/module_table.h"
#include "common/handles.h"
#include "common/text_util.h"
#include "common/world_state.h"
#include "modules/system_modules.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

namespace platform {
namespace {

struct ModuleState {
    std::recursive_mutex lock;
    HandleTable<Module> table{kModuleHandleBase};
};

ModuleState& TheModules()
{
    static ModuleState* state = new ModuleState();   // never destroyed: modules may call in at process exit
    return *state;
}

// The file-name part of a Windows path.
std::u16string_view FileNamePart(std::u16string_view path)
{
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

// A Windows path made full the way the world maps it: relative paths count from "C:\".
std::u16string FullWindowsPath(std::u16string_view name)
{
    std::u16string path(name);
    for (auto& c : path)
        if (c == u'/')
            c = u'\\';
    if (path.size() >= 2 && path[0] == u'\\' && path[1] == u'\\')
        return path;
    if (path.size() >= 2 && path[1] == u':')
        return path.size() == 2 || path[2] != u'\\' ? path.insert(2, u"\\") : path;
    if (!path.empty() && path[0] == u'\\')
        return u"C:" + path;
    return u"C:\\" + path;
}

// The identity of a regular host file (links followed); false when there is no such file.
bool IdentifyFile(const std::filesystem::path& hostFile, FileIdentity& file)
{
    struct stat64 st;
    if (stat64(hostFile.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    file = {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
    return true;
}

// The first module, in the order of loading, that match accepts; nullptr when none does.
template <typename Match>
HMODULE FindLoaded(Match match)
{
    HMODULE found = nullptr;
    TheModules().table.ForEach([&](const std::shared_ptr<Module>& module) {
        if (found == nullptr && match(*module))
            found = module->handle;
    });
    return found;
}

HMODULE FindLoadedByFileName(std::u16string_view fileName)
{
    if (EqualsNoCase(FileNamePart(Identity().processFileName), fileName))
        return kProcessModule;
    return FindLoaded([&](const Module& m) { return EqualsNoCase(FileNamePart(m.windowsPath), fileName); });
}

// Fills where from a host file, when there is one; the file may already be loaded under another name.
bool LocateFile(const std::filesystem::path& hostFile, std::u16string windowsPath, ModuleLocation& where)
{
    if (!IdentifyFile(hostFile, where.file))
        return false;
    where.loaded = FindLoaded([&](const Module& m) { return m.library != nullptr && m.file == where.file; });
    where.hostFile = hostFile;
    where.windowsPath = std::move(windowsPath);
    return true;
}

bool LocateSystemModule(const char16_t* systemName, ModuleLocation& where)
{
    where.windowsPath = std::u16string(kSystemDir) + u"\\" + systemName;
    where.loaded = FindLoaded([&](const Module& m) {
        return m.library == nullptr && EqualsNoCase(m.windowsPath, where.windowsPath);
    });
    where.systemName = systemName;
    return true;
}

bool LocateBareName(std::u16string_view name, ModuleLocation& where)
{
    std::u16string fileName(name);
    if (!fileName.empty() && fileName.back() == u'.')
        fileName.pop_back();
    else if (fileName.find(u'.') == std::u16string::npos)
        fileName += u".DLL";
    if (fileName.empty())
        return false;   // "." names nothing

    where.loaded = FindLoadedByFileName(fileName);
    if (where.loaded != nullptr)
        return true;
    if (const char16_t* systemName = FindSystemModule(fileName))
        return LocateSystemModule(systemName, where);
    for (std::u16string_view folder : {kSystemDir, kWindowsDir}) {
        const std::filesystem::path hostFile = MapPath(std::u16string(folder) + u"\\" + fileName);
        // The name the file has on disk, as Windows reports a module found by a search.
        const std::u16string found = Utf8ToUtf16(hostFile.filename().string());
        if (LocateFile(hostFile, std::u16string(folder) + u"\\" + found, where))
            return true;
    }
    return false;
}

} // namespace

std::recursive_mutex& LoaderLock()
{
    return TheModules().lock;
}

HMODULE AddModule(std::shared_ptr<Module> module)
{
    Module& added = *module;
    added.handle = TheModules().table.Add<HMODULE>(std::move(module));
    return added.handle;
}

std::shared_ptr<Module> FindModule(HMODULE hModule)
{
    return TheModules().table.Find(hModule);
}

void RemoveModule(HMODULE hModule)
{
    TheModules().table.Remove(hModule);
}

std::vector<HMODULE> LoadedModules()
{
    std::vector<HMODULE> handles;
    TheModules().table.ForEach([&](const std::shared_ptr<Module>& module) { handles.push_back(module->handle); });
    return handles;
}

bool LocateModule(std::u16string_view name, ModuleLocation& where)
{
    where = ModuleLocation{};
    if (name.find_first_of(u"\\/:") == std::u16string_view::npos)
        return LocateBareName(name, where);

    const std::u16string windowsPath = FullWindowsPath(name);
    const std::u16string_view fileName = FileNamePart(windowsPath);
    const std::u16string_view folder(windowsPath.data(), windowsPath.size() - fileName.size());   // ends in the backslash
    if (EqualsNoCase(folder, std::u16string(kSystemDir) + u"\\"))
        if (const char16_t* systemName = FindSystemModule(fileName))
            return LocateSystemModule(systemName, where);
    return LocateFile(MapPath(windowsPath), windowsPath, where);
}

void* FindOwnSymbol(void* library, const char* name)
{
    static void* const platformLibrary = [] {
        Dl_info info = {};
        if (dladdr(reinterpret_cast<void*>(&LoadLibraryW), &info) == 0 || info.dli_fname == nullptr)
            return static_cast<void*>(nullptr);
        return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    }();
    if (library == nullptr)
        library = platformLibrary;
    if (library == nullptr)
        return nullptr;
    void* symbol = dlsym(library, name);
    if (symbol == nullptr)
        return nullptr;
    link_map* self = nullptr;
    link_map* owner = nullptr;
    Dl_info info = {};
    if (dlinfo(library, RTLD_DI_LINKMAP, &self) != 0
        || dladdr1(symbol, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP) == 0)
        return nullptr;
    return owner == self ? symbol : nullptr;
}

const host::ResourceDirectory* ModuleResources(HINSTANCE hInstance)
{
    const auto module = FindModule(hInstance);
    return module == nullptr ? nullptr : module->resources;
}

} // namespace platform
