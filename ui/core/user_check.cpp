// user_check.cpp - the logged-on user test and the reset of the per-user settings that follows it.
#include "ui/core/user_check.h"

#include "settings/base/global_memory.h"

#include <cstring>

constexpr DWORD kUserNameRoom = 256;      // what the first GetUserNameW is offered

// size counts the terminator, as GetUserNameW answers it.
static void SumUserName(const WCHAR* name, DWORD size, WCHAR* current, DWORD* pLength, DWORD* pSum)
{
    *pLength = size > 0 ? size - 1 : 0;
    for (DWORD i = 0; i < *pLength; ++i)
        *pSum += name[i];
    const DWORD kept = *pLength < kKeptUserNameChars ? *pLength : kKeptUserNameChars;
    std::memcpy(current, name, kept * sizeof(WCHAR));
    current[kept] = u'\0';
}

// The logged-on user's length without terminator, the sum of all its units and its first 32 units (into
// current, which holds 33); false when memory is short. A user the system cannot name reads as empty.
static bool ReadLogonUser(WCHAR* current, DWORD* pLength, DWORD* pSum)
{
    *pLength = 0;
    *pSum = 0;
    DWORD size = kUserNameRoom;
    LockedBlock name(size * sizeof(WCHAR));
    if (!name)
        return false;
    if (!GetUserNameW(name.as<WCHAR>(), &size)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= kUserNameRoom)
            return true;
        // A longer name still counts whole in the sum and the length: ask again with the room it needs.
        LockedBlock longer(static_cast<SIZE_T>(size) * sizeof(WCHAR));
        if (!longer)
            return false;
        if (!GetUserNameW(longer.as<WCHAR>(), &size))
            return true;
        SumUserName(longer.as<WCHAR>(), size, current, pLength, pSum);
        return true;
    }
    SumUserName(name.as<WCHAR>(), size, current, pLength, pSum);
    return true;
}

DWORD CheckUserChanged(HWND, UI_STATE* pState)
{
    if (pState == nullptr)
        return kUserTestFailed;
    LockedBlock stored((kKeptUserNameChars + 1) * sizeof(WCHAR));
    LockedBlock current((kKeptUserNameChars + 1) * sizeof(WCHAR));
    if (!stored || !current)
        return kUserTestFailed;

    std::memcpy(stored.get(), &pState->LogonUserName, kKeptUserNameChars * sizeof(WCHAR));
    DWORD length = 0;
    DWORD sum = 0;
    if (!ReadLogonUser(current.as<WCHAR>(), &length, &sum))
        return kUserTestFailed;

    const WCHAR* storedName = stored.as<WCHAR>();
    const WCHAR* currentName = current.as<WCHAR>();
    // The stored length is one byte and is compared as it is: a name of 256 characters or more never matches.
    const bool same = lstrcmpW(storedName, currentName) == 0 && sum == pState->LogonUserNameSum &&
                      length == pState->LogonUserNameLength;
    DWORD result;
    if (same)
        result = storedName[0] != u'\0' || currentName[0] != u'\0' ? kUserSame : kUserNoneEither;
    else if (storedName[0] == u'\0')
        result = kUserFirst;
    else
        result = currentName[0] != u'\0' ? kUserAnother : kUserUnknownNow;

    WCHAR field[sizeof pState->LogonUserName / sizeof(WCHAR)] = {};
    std::memcpy(field, currentName, (kKeptUserNameChars + 1) * sizeof(WCHAR));
    std::memcpy(&pState->LogonUserName, field, sizeof field);
    pState->LogonUserNameSum = sum;
    pState->LogonUserNameLength = static_cast<BYTE>(length);
    return result;
}

// A check box goes back to its default, working and applied.
static void ResetToDefault(VALUE_RECORD* pRecord)
{
    VALUE_RECORD record;
    std::memcpy(&record, pRecord, sizeof record);
    record.wCurrent = record.wDefault;
    record.wCommitted = record.wDefault;
    std::memcpy(pRecord, &record, sizeof record);
}

template <std::size_t N>
static void ClearText(WCHAR (*field)[N])
{
    std::memset(field, 0, sizeof *field);
}

void ResetOneShotSettings(HWND, UI_STATE* pState)
{
    if (pState == nullptr)
        return;
    const DWORD result = pState->UserTestResult;
    if (result == kUserNoneEither || result == kUserSame)
        return;
    // The output method has no control of its own; a new user must not inherit it.
    if (ITEM_LIST* pMethod = pState->lpOutputMethod; pMethod != nullptr) {
        ITEM_LIST head;
        std::memcpy(&head, pMethod, sizeof head);
        head.wCurrent = head.wDefault;
        std::memcpy(pMethod, &head, sizeof head);
    }
    ClearText(&pState->UserId);
    ClearText(&pState->sheetText1517);          // the box number
    ResetToDefault(&pState->Password_Check);    // confidential output
    ClearText(&pState->sheetText1451);
    ClearText(&pState->ScrambledPassword);
    ResetToDefault(&pState->JobComb_Check);     // image save
    ClearText(&pState->JobId);
}
