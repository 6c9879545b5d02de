// module_entry.cpp - attach and detach of the interface module.
#include "ui/core/module_entry.h"

// Plain data: nothing runs at load time but the entry point below.
static HINSTANCE g_hModule = nullptr;
// Created at attach and deleted at detach; no code path enters it: every call comes on the caller's thread
// and keeps its state in its own allocations.
static CRITICAL_SECTION g_moduleLock;

BOOL DllInitializeImpl(HINSTANCE hModule, DWORD dwReason, LPVOID)
{
    switch (dwReason) {
    case DLL_PROCESS_ATTACH:
        g_hModule = hModule;
        InitializeCriticalSection(&g_moduleLock);
        break;
    case DLL_PROCESS_DETACH:
        DeleteCriticalSection(&g_moduleLock);
        break;
    default:
        break;
    }
    return TRUE;
}

HINSTANCE GetModuleInstance()
{
    return g_hModule;
}
