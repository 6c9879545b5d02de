// library.cpp - LoadLibraryW and FreeLibrary: modules mapped with the host's dynamic loader, counted by
// their file, with their DLL entry point called at the first load and the last free.
#include "modules/module_table.h"
#include "common/text_util.h"
#include "common/world_state.h"

#include <dlfcn.h>
#include <cstdio>

namespace {

// What a module's entry point is told at detach when the process ends rather than FreeLibrary was called.
LPVOID const kProcessEnding = reinterpret_cast<LPVOID>(1);

// Sides of a picture beyond this are refused, so that a row times the rows always fits in 32 bits.
constexpr LONG kMaxPictureSide = 16384;

bool IsWellFormedBitmap(const host::BitmapResource& bitmap)
{
    if (bitmap.width <= 0 || bitmap.height <= 0 || bitmap.width > kMaxPictureSide || bitmap.height > kMaxPictureSide
        || bitmap.bits == nullptr)
        return false;
    switch (bitmap.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
        return bitmap.palette != nullptr && bitmap.paletteCount > 0
            && bitmap.paletteCount <= (1u << bitmap.bitsPerPixel);
    case 24:
        return true;
    default:
        return false;
    }
}

bool AreWellFormedIcons(const host::IconResource* icons, UINT count)
{
    if (count != 0 && icons == nullptr)
        return false;
    for (UINT i = 0; i < count; ++i)
        if (icons[i].width <= 0 || icons[i].height <= 0)
            return false;
    return true;
}

// A template's controls must be there and name their class; texts may be null (no text).
bool AreWellFormedDialogs(const host::DialogResource* dialogs, UINT count)
{
    if (count != 0 && dialogs == nullptr)
        return false;
    for (UINT i = 0; i < count; ++i) {
        const host::DialogResource& dialog = dialogs[i];
        if (dialog.controlCount != 0 && dialog.controls == nullptr)
            return false;
        for (UINT c = 0; c < dialog.controlCount; ++c)
            if (dialog.controls[c].className == nullptr)
                return false;
    }
    return true;
}

// The directory comes from the module; the resource calls rely on what is checked here once, at load.
bool IsWellFormed(const host::ResourceDirectory& directory)
{
    if ((directory.stringCount != 0 && directory.strings == nullptr)
        || (directory.bitmapCount != 0 && directory.bitmaps == nullptr))
        return false;
    for (UINT i = 0; i < directory.stringCount; ++i)
        if (directory.strings[i].text == nullptr)
            return false;
    for (UINT i = 0; i < directory.bitmapCount; ++i)
        if (!IsWellFormedBitmap(directory.bitmaps[i]))
            return false;
    return AreWellFormedIcons(directory.icons, directory.iconCount)
        && AreWellFormedIcons(directory.cursors, directory.cursorCount)
        && AreWellFormedDialogs(directory.dialogs, directory.dialogCount);
}

// Maps the file and finds what the platform needs of it; the entry point is not called yet.
// Fails with ERROR_BAD_EXE_FORMAT for a file that is no library or whose resource directory is refused.
std::shared_ptr<platform::Module> MapModuleFile(const platform::ModuleLocation& where)
{
    void* library = dlopen(where.hostFile.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        // The host's reason (a missing symbol, a wrong format) is worth seeing while a module is developed.
        const char* reason = dlerror();
        std::fprintf(stderr, "LoadLibraryW: %s\n", reason != nullptr ? reason : where.hostFile.c_str());
        SetLastError(ERROR_BAD_EXE_FORMAT);
        return nullptr;
    }
    auto module = std::make_shared<platform::Module>();
    module->windowsPath = where.windowsPath;
    module->library = library;
    module->file = where.file;
    for (const char* name : {"DllEntryPoint", "DllInitialize", "DllMain"}) {
        module->entryPoint = reinterpret_cast<platform::DllEntryFn>(platform::FindOwnSymbol(library, name));
        if (module->entryPoint != nullptr)
            break;
    }
    if (auto directoryFn = reinterpret_cast<HostResourceDirectoryFn>(
            platform::FindOwnSymbol(library, HOST_RESOURCE_DIRECTORY_SYMBOL))) {
        module->resources = directoryFn();
        if (module->resources == nullptr || !IsWellFormed(*module->resources)) {
            std::fprintf(stderr, "LoadLibraryW: %s refuses its resource directory\n", where.hostFile.c_str());
            dlclose(library);
            SetLastError(ERROR_BAD_EXE_FORMAT);
            return nullptr;
        }
    }
    return module;
}

// Tells the module it goes, forgets it and unmaps it.
void UnloadModule(const std::shared_ptr<platform::Module>& module, LPVOID lpvReserved)
{
    // The entry point still finds its own module: it may ask for its file name or free its resources.
    if (module->entryPoint != nullptr)
        module->entryPoint(module->handle, DLL_PROCESS_DETACH, lpvReserved);
    platform::RemoveModule(module->handle);
    if (module->library != nullptr)
        dlclose(module->library);
}

// A new world is a new process: what the old one loaded ends with it, the last loaded first.
const bool kForgetsModulesWithTheWorld = (platform::OnWorldReset([] {
    std::lock_guard lock(platform::LoaderLock());
    std::vector<HMODULE> loaded = platform::LoadedModules();
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        if (const auto module = platform::FindModule(*it))   // an entry point may have freed it meanwhile
            UnloadModule(module, kProcessEnding);
}), true);

} // namespace

HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName)
{
    if (lpLibFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::lock_guard lock(platform::LoaderLock());
    platform::ModuleLocation where;
    if (!platform::LocateModule(lpLibFileName, where)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    if (where.loaded == platform::kProcessModule)
        return where.loaded;
    if (where.loaded != nullptr) {
        ++platform::FindModule(where.loaded)->references;
        return where.loaded;
    }

    std::shared_ptr<platform::Module> module;
    if (where.systemName != nullptr) {
        module = std::make_shared<platform::Module>();
        module->windowsPath = where.windowsPath;
    } else {
        module = MapModuleFile(where);
        if (module == nullptr)
            return nullptr;
    }
    module->references = 1;
    // In the table before the entry point runs: it is handed its module handle and may use it at once.
    platform::AddModule(module);
    if (module->entryPoint != nullptr && !module->entryPoint(module->handle, DLL_PROCESS_ATTACH, nullptr)) {
        UnloadModule(module, nullptr);
        SetLastError(ERROR_DLL_INIT_FAILED);
        return nullptr;
    }
    return module->handle;
}

BOOL WINAPI FreeLibrary(HMODULE hLibModule)
{
    std::lock_guard lock(platform::LoaderLock());
    if (hLibModule == platform::kProcessModule)
        return TRUE;   // the program stays loaded as long as the process runs
    const auto module = platform::FindModule(hLibModule);
    if (module == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (module->references == 0)
        return TRUE;   // its detach is running: the module is already on its way out
    if (--module->references == 0)
        UnloadModule(module, nullptr);
    return TRUE;
}
