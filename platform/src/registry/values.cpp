// values.cpp - reading, writing, deleting and enumerating the values of a registry key.
// Values keep exactly the type and bytes they were written with: a REG_SZ written without its terminator
// reads back without it, as callers of the real registry must expect.
#include "common/text_util.h"
#include "common/world_state.h"
#include "registry/store.h"
#include "win/winreg.h"

#include <cstring>

using namespace platform::registry;

// Answers a value's data to a caller's (lpData, lpcbData) pair: a null lpData asks the size; a buffer too
// small gets ERROR_MORE_DATA with the size needed and is left as it was.
static LONG AnswerData(const Value& value, LPBYTE lpData, LPDWORD lpcbData)
{
    const auto cbNeeded = static_cast<DWORD>(value.data.size());
    if (lpData == nullptr) {
        if (lpcbData != nullptr)
            *lpcbData = cbNeeded;
        return ERROR_SUCCESS;
    }
    if (*lpcbData < cbNeeded) {
        *lpcbData = cbNeeded;
        return ERROR_MORE_DATA;
    }
    if (cbNeeded > 0)
        std::memcpy(lpData, value.data.data(), cbNeeded);
    *lpcbData = cbNeeded;
    return ERROR_SUCCESS;
}

LONG WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                             LPDWORD lpcbData)
{
    if (lpReserved != nullptr || (lpData != nullptr && lpcbData == nullptr))
        return ERROR_INVALID_PARAMETER;
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKeyWith(hKey, KEY_QUERY_VALUE, open);
    if (result != ERROR_SUCCESS)
        return result;
    const Value* value = FindValue(*open.key, platform::View(lpValueName));
    if (value == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (lpType != nullptr)
        *lpType = value->type;
    return AnswerData(*value, lpData, lpcbData);
}

LONG WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD /*Reserved*/, DWORD dwType, const BYTE* lpData,
                           DWORD cbData)
{
    if (lpData == nullptr && cbData > 0)
        return ERROR_INVALID_PARAMETER;
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKeyWith(hKey, KEY_SET_VALUE, open);
    if (result != ERROR_SUCCESS)
        return result;
    if (platform::ShouldFail(platform::FaultKind::RegistryWrite))
        return ERROR_ACCESS_DENIED;
    PutValue(*open.key, platform::View(lpValueName), dwType, lpData, cbData);
    return ERROR_SUCCESS;
}

LONG WINAPI RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName)
{
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKeyWith(hKey, KEY_SET_VALUE, open);
    if (result != ERROR_SUCCESS)
        return result;
    const std::u16string_view name = platform::View(lpValueName);
    if (FindValue(*open.key, name) == nullptr)
        return ERROR_FILE_NOT_FOUND;
    if (platform::ShouldFail(platform::FaultKind::RegistryWrite))
        return ERROR_ACCESS_DENIED;
    EraseValue(*open.key, name);
    return ERROR_SUCCESS;
}

LONG WINAPI RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                          LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData)
{
    if (lpValueName == nullptr || lpcchValueName == nullptr || lpReserved != nullptr
        || (lpData != nullptr && lpcbData == nullptr))
        return ERROR_INVALID_PARAMETER;
    auto lock = LockRegistry();
    OpenKey open;
    const LONG result = FindOpenKeyWith(hKey, KEY_QUERY_VALUE, open);
    if (result != ERROR_SUCCESS)
        return result;
    if (dwIndex >= open.key->values.size())
        return ERROR_NO_MORE_ITEMS;
    const Value& value = open.key->values[dwIndex];

    // Both sizes are checked before anything is copied, so a failed call leaves both buffers untouched.
    const auto cchName = static_cast<DWORD>(value.name.size() + 1);
    const bool nameFits = *lpcchValueName >= cchName;
    const bool dataFits = lpData == nullptr || *lpcbData >= value.data.size();
    if (!nameFits || !dataFits) {
        if (!nameFits)
            *lpcchValueName = cchName;
        if (lpcbData != nullptr)
            *lpcbData = static_cast<DWORD>(value.data.size());
        if (lpType != nullptr)
            *lpType = value.type;
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpValueName, value.name.c_str(), cchName * sizeof(WCHAR));
    *lpcchValueName = cchName - 1;
    if (lpType != nullptr)
        *lpType = value.type;
    return AnswerData(value, lpData, lpcbData);
}
