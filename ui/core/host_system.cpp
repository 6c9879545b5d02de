// host_system.cpp - the system's version and the sheet's host.
#include "ui/core/host_system.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/string_ids.h"

namespace {

bool ReadVersion(OSVERSIONINFOW* info)
{
    *info = {};
    info->dwOSVersionInfoSize = sizeof *info;
    return GetVersionExW(info) != FALSE;
}

// The title's last n characters equal the text (which must be n characters long).
bool EndsWith(const WCHAR* title, int length, const WCHAR* text, int n)
{
    if (length < n)
        return false;
    for (int i = 0; i < n; ++i)
        if (text[i] == u'\0' || title[length - n + i] != text[i])
            return false;
    return text[n] == u'\0';
}

} // namespace

DWORD GetOsVersionCode()
{
    OSVERSIONINFOW info;
    if (!ReadVersion(&info))
        return 0;
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info.dwMajorVersion == 4) {
        if (info.dwMinorVersion == 0)
            return kOsWindows95;
        if (info.dwMinorVersion == 10)
            return kOsWindows98;
        return 0;
    }
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        if (info.dwMajorVersion == 4)
            return kOsWindowsNT4;
        if (info.dwMajorVersion == 5 && info.dwMinorVersion == 0)
            return kOsWindows2000;
        if (info.dwMajorVersion == 5 && info.dwMinorVersion == 1)
            return kOsWindowsXP;
    }
    return 0;
}

BOOL IsWindowsNT5()
{
    OSVERSIONINFOW info;
    return ReadVersion(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion == 5;
}

BOOL IsNT6OrLater()
{
    OSVERSIONINFOW info;
    return ReadVersion(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 6;
}

void DetectHostWindow(HWND hwnd, UI_STATE* pState)
{
    if (pState != nullptr && IsWindowsNT5())
        pState->HostFlag = CheckSheetCaption(hwnd) ? 1 : 0;
}

BOOL CheckSheetCaption(HWND hwnd)
{
    const HWND parent = GetParent(hwnd);
    if (parent == nullptr)
        return TRUE;
    const int length = GetWindowTextLengthW(parent);
    if (length < 1)
        return TRUE;
    WCHAR* title = static_cast<WCHAR*>(GlobalAlloc(GPTR, (static_cast<SIZE_T>(length) + 1) * sizeof(WCHAR)));
    if (title == nullptr)
        return TRUE;
    const int read = GetWindowTextW(parent, title, length + 1);
    BOOL hosted = TRUE;
    if (read >= 5 && (EndsWith(title, read, GetResString(kIdsSpoolerTitleEnd4), 4) ||
                      EndsWith(title, read, GetResString(kIdsSpoolerTitleEnd5), 5)))
        hosted = FALSE;
    GlobalFree(title);
    return hosted;
}
