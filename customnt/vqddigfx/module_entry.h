#pragma once
// module_entry.h - attach and detach of the graphics module.

#include "win/windows.h"

// Keeps the module handle on process attach; always TRUE.
BOOL DllEntryPointImpl(HMODULE hModule, DWORD dwReason, LPVOID pReserved);

// The module handle kept at attach; null before.
HMODULE GetGraphicsModuleHandle();
