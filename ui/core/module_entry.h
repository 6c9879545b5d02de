#pragma once
// module_entry.h - the interface module's attach and detach, and what it keeps from attach.

#include "win/windows.h"

// The DLL entry point: attach keeps the module handle and creates the module's critical section, detach
// deletes it; other reasons do nothing. Always TRUE.
BOOL DllInitializeImpl(HINSTANCE hModule, DWORD dwReason, LPVOID pReserved);

// The module handle kept at attach (the instance of the property pages); null before attach.
HINSTANCE GetModuleInstance();
