// exports.cpp - the graphics module's entry points; each forwards to its worker.
#include "customnt/vqddigfx/enable_driver.h"
#include "customnt/vqddigfx/module_entry.h"
#include "settings/base/driver_export.h"

DRIVER_EXPORT BOOL WINAPI DllEntryPoint(HMODULE hModule, DWORD dwReason, LPVOID pReserved)
{
    return DllEntryPointImpl(hModule, dwReason, pReserved);
}

DRIVER_EXPORT BOOL APIENTRY DrvQueryDriverInfo(DWORD dwMode, PVOID pBuffer, DWORD cbBuf, PDWORD pcbNeeded)
{
    return QueryDriverInfoImpl(dwMode, pBuffer, cbBuf, pcbNeeded);
}

DRIVER_EXPORT BOOL APIENTRY DrvEnableDriver(ULONG iEngineVersion, ULONG cj, DRVENABLEDATA* pded)
{
    return EnableDriverImpl(iEngineVersion, cj, pded);
}

DRIVER_EXPORT VOID APIENTRY DrvDisableDriver()
{
    DisableDriverImpl();
}
