// keys.cpp - creating, opening, closing, deleting and enumerating registry keys.
// Creating and deleting keys is checked against the key itself, not the handle's access (a handle opened
// for KEY_READ may create sub-keys); reading values and enumerating need the handle's rights.
#include "common/world_state.h"
#include "registry/persistence.h"
#include "registry/store.h"
#include "win/winreg.h"

#include <algorithm>
#include <cstring>

using namespace platform::registry;

static bool IsPredefinedKey(HKEY hKey)
{
    return hKey == HKEY_CLASSES_ROOT || hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE
           || hKey == HKEY_USERS;
}

// The key hKey stands for and the parts of lpSubKey below it; the caller holds the registry's lock.
static LONG ResolveSubKey(HKEY hKey, LPCWSTR lpSubKey, OpenKey& parent, std::vector<std::u16string_view>& parts)
{
    const LONG result = FindOpenKey(hKey, parent);
    if (result != ERROR_SUCCESS)
        return result;
    return SplitPath(lpSubKey, parts);
}

// The stand-in keeps no key classes: an asked-for class is the empty text.
static void AnswerNoClass(LPWSTR lpClass, LPDWORD lpcchClass)
{
    if (lpClass != nullptr && lpcchClass != nullptr && *lpcchClass > 0)
        lpClass[0] = u'\0';
    if (lpcchClass != nullptr)
        *lpcchClass = 0;
}

LONG WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD /*Reserved*/, LPWSTR /*lpClass*/,
                            DWORD /*dwOptions*/, REGSAM samDesired,
                            LPSECURITY_ATTRIBUTES /*lpSecurityAttributes*/, PHKEY phkResult,
                            LPDWORD lpdwDisposition)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    auto lock = LockRegistry();
    OpenKey parent;
    std::vector<std::u16string_view> parts;
    const LONG result = ResolveSubKey(hKey, lpSubKey, parent, parts);
    if (result != ERROR_SUCCESS)
        return result;
    if (WouldCreate(parent.key, parts) && platform::ShouldFail(platform::FaultKind::RegistryWrite))
        return ERROR_ACCESS_DENIED;

    bool created = false;
    std::shared_ptr<Key> key = CreatePath(parent.key, parts, created);
    *phkResult = AddHandle(std::move(key), samDesired);
    if (lpdwDisposition != nullptr)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD /*ulOptions*/, REGSAM samDesired, PHKEY phkResult)
{
    if (phkResult == nullptr)
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    auto lock = LockRegistry();
    OpenKey parent;
    std::vector<std::u16string_view> parts;
    const LONG result = ResolveSubKey(hKey, lpSubKey, parent, parts);
    if (result != ERROR_SUCCESS)
        return result;
    std::shared_ptr<Key> key = FindPath(parent.key, parts);
    if (key == nullptr)
        return ERROR_FILE_NOT_FOUND;
    *phkResult = AddHandle(std::move(key), samDesired);
    return ERROR_SUCCESS;
}

LONG WINAPI RegCloseKey(HKEY hKey)
{
    if (IsPredefinedKey(hKey))
        return ERROR_SUCCESS;
    auto lock = LockRegistry();
    return RemoveHandle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey)
{
    if (lpSubKey == nullptr)
        return ERROR_INVALID_PARAMETER;
    auto lock = LockRegistry();
    OpenKey parent;
    std::vector<std::u16string_view> parts;
    const LONG result = ResolveSubKey(hKey, lpSubKey, parent, parts);
    if (result != ERROR_SUCCESS)
        return result;
    const std::shared_ptr<Key> key = FindPath(parent.key, parts);
    if (key == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (key->parent == nullptr || !key->subKeys.empty())   // a root, or a key with sub-keys
        return ERROR_ACCESS_DENIED;
    if (platform::ShouldFail(platform::FaultKind::RegistryWrite))
        return ERROR_ACCESS_DENIED;
    RemoveKey(*key);
    return ERROR_SUCCESS;
}

LONG WINAPI RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD /*lpReserved*/,
                          LPWSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime)
{
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKeyWith(hKey, KEY_ENUMERATE_SUB_KEYS, open);
    if (result != ERROR_SUCCESS)
        return result;
    if (lpName == nullptr || lpcchName == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (dwIndex >= open.key->subKeys.size())
        return ERROR_NO_MORE_ITEMS;
    const Key& sub = *open.key->subKeys[dwIndex];
    const DWORD cchNeeded = static_cast<DWORD>(sub.name.size() + 1);
    if (*lpcchName < cchNeeded) {
        *lpcchName = cchNeeded;   // the caller may ask again with this many characters
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpName, sub.name.c_str(), cchNeeded * sizeof(WCHAR));
    *lpcchName = cchNeeded - 1;
    AnswerNoClass(lpClass, lpcchClass);
    if (lpftLastWriteTime != nullptr)
        *lpftLastWriteTime = sub.lastWrite;
    return ERROR_SUCCESS;
}

LONG WINAPI RegQueryInfoKeyW(HKEY hKey, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD /*lpReserved*/,
                             LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                             LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                             LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime)
{
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKeyWith(hKey, KEY_QUERY_VALUE, open);
    if (result != ERROR_SUCCESS)
        return result;
    const Key& key = *open.key;

    // Name lengths are in characters without the terminator; the longest data is in bytes.
    size_t maxSubKeyName = 0;
    for (const auto& sub : key.subKeys)
        maxSubKeyName = std::max(maxSubKeyName, sub->name.size());
    size_t maxValueName = 0;
    size_t maxData = 0;
    for (const Value& value : key.values) {
        maxValueName = std::max(maxValueName, value.name.size());
        maxData = std::max(maxData, value.data.size());
    }

    AnswerNoClass(lpClass, lpcchClass);
    if (lpcSubKeys != nullptr)
        *lpcSubKeys = static_cast<DWORD>(key.subKeys.size());
    if (lpcbMaxSubKeyLen != nullptr)
        *lpcbMaxSubKeyLen = static_cast<DWORD>(maxSubKeyName);
    if (lpcbMaxClassLen != nullptr)
        *lpcbMaxClassLen = 0;
    if (lpcValues != nullptr)
        *lpcValues = static_cast<DWORD>(key.values.size());
    if (lpcbMaxValueNameLen != nullptr)
        *lpcbMaxValueNameLen = static_cast<DWORD>(maxValueName);
    if (lpcbMaxValueLen != nullptr)
        *lpcbMaxValueLen = static_cast<DWORD>(maxData);
    if (lpcbSecurityDescriptor != nullptr)
        *lpcbSecurityDescriptor = 0;
    if (lpftLastWriteTime != nullptr)
        *lpftLastWriteTime = key.lastWrite;
    return ERROR_SUCCESS;
}

LONG WINAPI RegFlushKey(HKEY hKey)
{
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKey(hKey, open);
    if (result != ERROR_SUCCESS)
        return result;
    SaveIfKept();
    return ERROR_SUCCESS;
}
