#pragma once
// user_check.h - who opens the sheet: the logged-on user is compared with the user the settings were stored
// by, and the settings that belong to one user (user ID, box number, confidential and image-save passwords,
// the output method) are put back when another user, or nobody known, opens them.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// Results of CheckUserChanged.
constexpr DWORD kUserTestFailed = 0;      // memory was short
constexpr DWORD kUserNoneEither = 1;      // no stored name and no user name now
constexpr DWORD kUserSame = 2;
constexpr DWORD kUserFirst = 3;           // no stored name
constexpr DWORD kUserUnknownNow = 4;      // a stored name, but no user name now
constexpr DWORD kUserAnother = 5;

// Characters of a user name that are kept and compared; the sum and the length cover the whole name.
constexpr UINT kKeptUserNameChars = 32;

// Compares the logged-on user with the stored one and stores the logged-on user (its first 32 characters, the
// sum of all its UTF-16 units and the low byte of its length). 0 when a buffer cannot be allocated; the state
// is then left as it was.
DWORD CheckUserChanged(HWND hDlg, UI_STATE* pState);

// Unless the state's user test found the same user (1 or 2), puts back the per-user settings: the output
// method takes its default, the user ID, the box number and the confidential and image-save texts are emptied,
// and the confidential and image-save check boxes take their defaults.
void ResetOneShotSettings(HWND hDlg, UI_STATE* pState);
