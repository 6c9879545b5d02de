// module_info.cpp - what the process knows of its modules: GetModuleHandleW, GetModuleFileNameW and
// GetProcAddress.
#include "modules/module_table.h"
#include "common/world_state.h"

FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName)
{
    // Exports are found by name only: the modules here have no ordinal table.
    if ((reinterpret_cast<uintptr_t>(lpProcName) >> 16) == 0) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    std::lock_guard lock(platform::LoaderLock());
    if (hModule == nullptr || hModule == platform::kProcessModule) {
        SetLastError(ERROR_PROC_NOT_FOUND);   // the program exports nothing
        return nullptr;
    }
    const auto module = platform::FindModule(hModule);
    if (module == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    // A system module has no library of its own: its calls are the platform's.
    void* symbol = platform::FindOwnSymbol(module->library, lpProcName);
    if (symbol == nullptr) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName)
{
    if (lpModuleName == nullptr)
        return platform::kProcessModule;
    std::lock_guard lock(platform::LoaderLock());
    platform::ModuleLocation where;
    if (!platform::LocateModule(lpModuleName, where) || where.loaded == nullptr) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return where.loaded;
}

DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize)
{
    if (lpFilename == nullptr && nSize != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::u16string path;
    if (hModule == nullptr || hModule == platform::kProcessModule) {
        path = platform::Identity().processFileName;
    } else {
        std::lock_guard lock(platform::LoaderLock());
        const auto module = platform::FindModule(hModule);
        if (module == nullptr) {
            SetLastError(ERROR_MOD_NOT_FOUND);
            return 0;
        }
        path = module->windowsPath;
    }
    if (path.size() < nSize) {
        path.copy(lpFilename, path.size());
        lpFilename[path.size()] = u'\0';
        return static_cast<DWORD>(path.size());
    }
    // Too small: as much as fits with its terminator, and the buffer's size as the answer.
    if (nSize != 0) {
        path.copy(lpFilename, nSize - 1);
        lpFilename[nSize - 1] = u'\0';
    }
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
}
