// module_entry.cpp - attach and detach of the graphics module: the module handle is its only process state.
#include "customnt/vqddigfx/module_entry.h"

namespace {

HMODULE g_hModule = nullptr;

} // namespace

BOOL DllEntryPointImpl(HMODULE hModule, DWORD dwReason, LPVOID /*pReserved*/)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hModule = hModule;
    return TRUE;
}

HMODULE GetGraphicsModuleHandle()
{
    return g_hModule;
}
