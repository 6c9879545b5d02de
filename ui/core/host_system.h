#pragma once
// host_system.h - which system the sheet runs on, and whether an application hosts it: the spooler's own
// printer windows give the sheet a title ending of their own, any other parent is an application.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// Version codes of the systems the driver tells apart; every other system is 0.
constexpr DWORD kOsWindows95 = 0x10000001;     // platform 1, 4.0
constexpr DWORD kOsWindows98 = 0x10000002;     // platform 1, 4.10
constexpr DWORD kOsWindowsNT4 = 0x20000001;    // platform 2, major 4
constexpr DWORD kOsWindows2000 = 0x21000002;   // platform 2, 5.0
constexpr DWORD kOsWindowsXP = 0x21000004;     // platform 2, 5.1

DWORD GetOsVersionCode();

// NT with major version 5 (2000, XP, Server 2003).
BOOL IsWindowsNT5();

// NT with major version 6 or later.
BOOL IsNT6OrLater();

// On NT 5 only: the host flag becomes 1 when CheckSheetCaption holds for the window, else 0. Elsewhere the flag
// keeps its value.
void DetectHostWindow(HWND hwnd, UI_STATE* pState);

// FALSE when the parent's title is at least five characters long and ends with one of the spooler's title
// endings (compared case-sensitively); TRUE otherwise, also without a parent, with an empty title, or when the
// title's buffer cannot be allocated.
BOOL CheckSheetCaption(HWND hwnd);
