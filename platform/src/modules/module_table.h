#pragma once
// module_table.h - the modules loaded in the process, what module names stand for, and the symbols a module
// exports. Shared by the loader calls, the module queries and the resource calls.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>
#include "host/resource_data.h"
#include "win/winbase.h"

namespace platform {

typedef BOOL (WINAPI* DllEntryFn)(HINSTANCE hinstDLL, DWORD fdwReason, LPVOID lpvReserved);

// A host file's identity: two paths to one file (a link in the driver directory and its target) are one file.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

struct Module {
    HMODULE handle = nullptr;                            // set when the module enters the table
    std::u16string windowsPath;                          // the full Windows path it was first loaded by
    void* library = nullptr;                             // the dlopen handle; null for a system module
    FileIdentity file;                                   // the host file; unset for a system module
    DllEntryFn entryPoint = nullptr;                     // null when the module has none
    const host::ResourceDirectory* resources = nullptr;  // null when the module has none
    unsigned references = 0;
};

// The process's own program: always loaded, never freed, with neither exports nor resources. It is what
// GetModuleHandleW(NULL) answers; the value is where a program's image is placed by default.
inline const HMODULE kProcessModule = reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x00400000));

// Every module call holds this lock. It is recursive because a module's entry point may itself load, free
// or look up modules.
std::recursive_mutex& LoaderLock();

HMODULE                 AddModule(std::shared_ptr<Module> module);
std::shared_ptr<Module> FindModule(HMODULE hModule);
void                    RemoveModule(HMODULE hModule);
// The loaded modules, in the order they were loaded (handle values only grow).
std::vector<HMODULE>    LoadedModules();

// What a module name given to LoadLibraryW or GetModuleHandleW stands for. A bare name gets the default
// extension ".DLL" when it has none (a trailing '.' says it has none), matches a loaded module by file name,
// then a system module, then a file in the system folder or the Windows folder. A name with a path matches
// the system module of that name in the system folder, or the file it maps to in the world.
struct ModuleLocation {
    HMODULE loaded = nullptr;              // the module already loaded under that name, or from that file
    const char16_t* systemName = nullptr;  // else a system module
    std::filesystem::path hostFile;        // else the file to load
    FileIdentity file;                     // ... and its identity
    std::u16string windowsPath;            // the full Windows path of the system module or the file
};
// False when the name stands for nothing loaded and no file.
bool LocateModule(std::u16string_view name, ModuleLocation& where);

// The address of a symbol the library itself defines, or nullptr. Unlike a bare dlsym, a symbol that only
// a library it depends on defines (the platform's calls, the C library) is not the library's export.
// A null library means the platform library itself.
void* FindOwnSymbol(void* library, const char* name);

// The resource directory of a loaded module (kProcessModule and NULL included: none), or nullptr.
const host::ResourceDirectory* ModuleResources(HINSTANCE hInstance);

} // namespace platform
