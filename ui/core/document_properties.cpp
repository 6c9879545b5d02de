// document_properties.cpp - the merge-only document-properties entry points.
#include "ui/core/document_properties.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/document_devmode.h"
#include "settings/base/global_memory.h"
#include "ui/core/trace.h"

#include <cstring>

static constexpr DWORD kEveryMode = DM_UPDATE | DM_COPY | DM_PROMPT | DM_MODIFY;
// What a document-properties dialog closed with OK answers; no dialog is shown, so every success is OK.
static constexpr LONG kClosedWithOk = 1;

static LONG BuildIntoOutput(HANDLE hPrinter, LPCWSTR pDeviceName, PDEVMODEW pdmOutput, const DEVMODEW* pdmInput,
                            DWORD fMode)
{
    if (fMode == 0)
        return kDriverDevmodeSize;
    if (((fMode & DM_COPY) != 0 && pdmOutput == nullptr) ||
        (pdmInput != nullptr && pdmInput->dmSize < kMinDevmodeHeaderSize)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    LockedBlock built(sizeof(DRIVER_DEVMODE));
    if (!built)
        return -1;
    RES_MODULE_CELL* pCell = OpenResModule();
    const BOOL ok = BuildDocumentDevmode(pCell, hPrinter, pDeviceName, pdmInput, built.as<DRIVER_DEVMODE>());
    CloseResModule(pCell);
    if (!ok)
        return -1;
    if (pdmOutput != nullptr)
        std::memcpy(pdmOutput, built.get(), kDriverDevmodeSize);
    return kClosedWithOk;
}

LONG DocumentPropertiesImpl(HWND, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pdmOutput, PDEVMODEW pdmInput,
                            DWORD fMode)
{
    TraceCalled(u"DrvDocumentProperties");
    // The devmode is always built as for a copy; pdmOutput is required only when the caller asked for one.
    return BuildIntoOutput(hPrinter, pDeviceName, pdmOutput, pdmInput, fMode);
}

LONG AdvancedDocumentPropertiesImpl(HWND, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pdmOutput,
                                    PDEVMODEW pdmInput)
{
    TraceCalled(u"DrvAdvancedDocumentProperties");
    return BuildIntoOutput(hPrinter, pDeviceName, pdmOutput, pdmInput, kEveryMode);
}
