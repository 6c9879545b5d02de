// system_info.cpp - what the system tells about itself: its folders, the user, the version.
#include "common/world_state.h"
#include "win/winbase.h"

#include <string_view>

namespace {

// The folder protocol: the length copied without terminator, or, when the buffer is short, the size it needs
// with the terminator, and then nothing is written.
UINT AnswerFolder(std::u16string_view folder, LPWSTR lpBuffer, UINT uSize)
{
    const auto needed = static_cast<UINT>(folder.size() + 1);
    if (uSize < needed)
        return needed;
    if (lpBuffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    folder.copy(lpBuffer, folder.size());
    lpBuffer[folder.size()] = u'\0';
    return needed - 1;
}

} // namespace

UINT WINAPI GetSystemDirectoryW(LPWSTR lpBuffer, UINT uSize)
{
    return AnswerFolder(platform::kSystemDir, lpBuffer, uSize);
}

UINT WINAPI GetWindowsDirectoryW(LPWSTR lpBuffer, UINT uSize)
{
    return AnswerFolder(platform::kWindowsDir, lpBuffer, uSize);
}

BOOL WINAPI GetUserNameW(LPWSTR lpBuffer, LPDWORD pcbBuffer)
{
    if (pcbBuffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (platform::ShouldFail(platform::FaultKind::UserName)) {
        SetLastError(ERROR_NO_SUCH_LOGON_SESSION);
        return FALSE;
    }
    const std::u16string& name = platform::Identity().userName;
    const auto needed = static_cast<DWORD>(name.size() + 1);
    if (*pcbBuffer < needed) {
        *pcbBuffer = needed;   // the caller asks again with this many characters
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    if (lpBuffer == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    name.copy(lpBuffer, name.size());
    lpBuffer[name.size()] = u'\0';
    *pcbBuffer = needed;
    return TRUE;
}

BOOL WINAPI GetVersionExW(LPOSVERSIONINFOW lpVersionInformation)
{
    if (lpVersionInformation == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // The size tells which record the caller passed; only the plain one is known here, and a larger or smaller
    // one would be read or written past what the caller owns.
    if (lpVersionInformation->dwOSVersionInfoSize != sizeof(OSVERSIONINFOW)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const platform::WorldIdentity& identity = platform::Identity();
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
    info.dwMajorVersion = identity.versionMajor;
    info.dwMinorVersion = identity.versionMinor;
    info.dwBuildNumber = identity.versionBuild;
    info.dwPlatformId = identity.versionPlatform;
    identity.servicePack.copy(info.szCSDVersion, std::size(info.szCSDVersion) - 1);   // the rest stays zero
    *lpVersionInformation = info;
    return TRUE;
}
