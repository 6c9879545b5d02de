#pragma once
// world.h - sets up the stand-in world a driver runs in: its root folder with the Windows tree, the
// process it believes it runs in, its user, clock and operating-system version.

#include <filesystem>
#include <string>
#include <string_view>
#include "win/winbase.h"
#include "win/windef.h"

namespace host {

// Starts a fresh world under root (created when missing): the folders C:\WINDOWS\system32,
// C:\WINDOWS\system32\spool\drivers\w32x86\3 and C:\TEMP exist, the registry is empty and every handle,
// printer and job of an earlier world is forgotten. Process, user, clock and version get their defaults:
// "C:\Program Files\App\APP.EXE", user "user", the real local time, Windows XP (5.1.2600, "Service Pack 2").
void CreateWorld(const std::filesystem::path& root);

// The world's root folder; empty before CreateWorld.
std::filesystem::path WorldRoot();

// Where a Windows path lies on the host. "X:\a\b" lies under root/x/a/b; each existing component is matched
// without regard to case, a missing one keeps the case given. Relative paths count from "C:\".
std::filesystem::path MapWindowsPath(std::u16string_view windowsPath);

// The file name GetModuleFileNameW(NULL) answers, e.g. u"C:\\Program Files\\Office\\EXCEL.EXE".
void SetProcessFileName(std::u16string_view windowsPath);
void SetUserName(std::u16string_view name);

// A fixed local clock (GetLocalTime answers it; GetSystemTime answers it too, the world's time zone being
// UTC), or the host's real clock again.
void SetClock(const SYSTEMTIME& localTime);
void UseRealClock();

// What GetVersionExW answers. The platform id makes the world a 9x system (VER_PLATFORM_WIN32_WINDOWS) or an
// NT one; every world starts as NT 5.1 build 2600.
void SetVersion(DWORD major, DWORD minor, DWORD build, std::u16string_view servicePack,
                DWORD platformId = VER_PLATFORM_WIN32_NT);

// Keeps the registry in the file registry.txt under the world root: loaded now when present, written after
// every change, so that a host program remembers settings between runs. Tests keep it in memory.
void KeepRegistryInFile(bool keep);

} // namespace host
