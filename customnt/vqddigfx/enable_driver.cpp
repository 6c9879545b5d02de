// enable_driver.cpp - DrvQueryDriverInfo and DrvEnableDriver: the driver's answers before any device context.
#include "customnt/vqddigfx/enable_driver.h"
#include "customnt/vqddigfx/hook_table.h"

#include <cstring>

BOOL QueryDriverInfoImpl(DWORD dwMode, PVOID pBuffer, DWORD cbBuf, PDWORD pcbNeeded)
{
    if (dwMode != DRVQUERY_USERMODE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (pcbNeeded != nullptr)
        *pcbNeeded = sizeof(DWORD);
    if (pBuffer == nullptr || cbBuf < sizeof(DWORD)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const DWORD userMode = TRUE;
    std::memcpy(pBuffer, &userMode, sizeof userMode);
    return TRUE;
}

BOOL EnableDriverImpl(ULONG iEngineVersion, ULONG cj, DRVENABLEDATA* pded)
{
    if (iEngineVersion < kDriverVersion || cj < sizeof(DRVENABLEDATA) || pded == nullptr) {
        SetLastError(ERROR_BAD_DRIVER_LEVEL);
        return FALSE;
    }
    pded->iDriverVersion = kDriverVersion;
    pded->c = kHookCount;
    pded->pdrvfn = const_cast<DRVFN*>(kHookTable);
    return TRUE;
}

VOID DisableDriverImpl()
{
}
