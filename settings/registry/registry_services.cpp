// registry_services.cpp - registry wrappers and whole-value reads and writes by key path.
#include "settings/registry/registry_services.h"
#include "settings/base/global_memory.h"
#include "settings/registry/reg_key_guard.h"

#include <cstring>

LONG CreateRegKey(PVOID, HKEY root, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY key, LPDWORD disposition)
{
    return RegCreateKeyExW(root, subKey, 0, /*lpClass=*/nullptr, options, access, /*lpSecurityAttributes=*/nullptr,
                           key, disposition);
}

LONG OpenRegKey(PVOID, HKEY root, LPCWSTR subKey, REGSAM access, PHKEY key)
{
    return RegOpenKeyExW(root, subKey, 0, access, key);
}

LONG CloseRegKey(PVOID, HKEY key)
{
    return RegCloseKey(key);
}

LONG DeleteRegKey(PVOID, HKEY root, LPCWSTR subKey)
{
    return RegDeleteKeyW(root, subKey);
}

LONG ReadRegValue(PVOID, HKEY key, LPCWSTR valueName, LPDWORD type, LPBYTE data, LPDWORD cbData)
{
    return RegQueryValueExW(key, valueName, /*lpReserved=*/nullptr, type, data, cbData);
}

LONG WriteRegValue(PVOID, HKEY key, LPCWSTR valueName, DWORD type, const BYTE* data, DWORD cbData)
{
    return RegSetValueExW(key, valueName, 0, type, data, cbData);
}

HKEY GetUserRegRoot()
{
    return HKEY_CURRENT_USER;
}

static bool IsTextType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

BOOL QueryRegValue(HKEY root, LPCWSTR path, DWORD type, LPCWSTR valueName, LPVOID data, DWORD cbData)
{
    if (data == nullptr || cbData == 0)
        return FALSE;
    RegKeyGuard key;
    if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS)
        return FALSE;

    // Type and size first: a short or foreign value must not leave part of itself in the caller's field.
    DWORD storedType = REG_NONE;
    DWORD cbStored = 0;
    if (RegQueryValueExW(key.get(), valueName, nullptr, &storedType, nullptr, &cbStored) != ERROR_SUCCESS)
        return FALSE;
    if (storedType != type)
        return FALSE;
    const bool text = IsTextType(type);
    if (text ? cbStored > cbData : cbStored != cbData)
        return FALSE;

    LockedBlock buffer(cbData);
    if (!buffer)
        return FALSE;
    DWORD cbRead = cbData;
    if (RegQueryValueExW(key.get(), valueName, nullptr, &storedType, buffer.as<BYTE>(), &cbRead) != ERROR_SUCCESS
        || storedType != type || (text ? cbRead > cbData : cbRead != cbData))
        return FALSE;
    if (text) {
        // A stored text need not end in a NUL; cut it at the caller's buffer.
        const DWORD cchBuffer = cbData / sizeof(WCHAR);
        if (cchBuffer == 0)
            return FALSE;
        WCHAR* chars = buffer.as<WCHAR>();
        const DWORD cchRead = cbRead / sizeof(WCHAR);
        chars[cchRead < cchBuffer ? cchRead : cchBuffer - 1] = u'\0';
    }
    std::memcpy(data, buffer.get(), cbData);
    return TRUE;
}

BOOL SetRegValue(HKEY root, LPCWSTR path, DWORD type, LPCWSTR valueName, const void* data, DWORD cbData)
{
    RegKeyGuard key;
    if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS)
        return FALSE;
    return RegSetValueExW(key.get(), valueName, 0, type, static_cast<const BYTE*>(data), cbData) == ERROR_SUCCESS
               ? TRUE
               : FALSE;
}
