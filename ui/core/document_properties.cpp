// document_properties.cpp - the merge-only document-properties entry points.
#include "ui/core/document_properties.h"
#include "settings/devmode_merge.h"
#include "settings/document_devmode.h"
#include "settings/global_memory.h"
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
    auto* pBuilt = static_cast<DRIVER_DEVMODE*>(AllocLockedBlock(sizeof(DRIVER_DEVMODE)));
    if (pBuilt == nullptr)
        return -1;
    RES_MODULE_CELL* pCell = OpenResModule();
    const BOOL built = BuildDocumentDevmode(pCell, hPrinter, pDeviceName, pdmInput, pBuilt);
    CloseResModule(pCell);
    if (built && pdmOutput != nullptr)
        std::memcpy(pdmOutput, pBuilt, kDriverDevmodeSize);
    FreeLockedBlock(pBuilt);
    return built ? kClosedWithOk : -1;
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
