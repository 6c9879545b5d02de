// document_property_sheets.cpp - the document devmode query of DrvDocumentPropertySheets.
// The header and its devmodes come from the caller: pdmIn is read only when its dmSize holds the header.
#include "ui/core/document_property_sheets.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/document_devmode.h"
#include "settings/base/global_memory.h"
#include "settings/base/host_process.h"
#include "settings/registry/printer_info.h"
#include "ui/core/property_sheets.h"
#include "ui/core/trace.h"
#include "ui/core/user_mode_driver_value.h"

#include <cstring>

static LONG FailWith(DWORD error)
{
    SetLastError(error);
    return -1;
}

// The document devmode in a new block (free with FreeLockedBlock), or null.
static DRIVER_DEVMODE* BuildDocumentDevmodeBlock(const DOCUMENTPROPERTYHEADER& header, const DEVMODEW* pdmIn)
{
    auto* pdm = static_cast<DRIVER_DEVMODE*>(AllocLockedBlock(sizeof(DRIVER_DEVMODE)));
    if (pdm == nullptr)
        return nullptr;
    RES_MODULE_CELL* pCell = OpenResModule();
    const BOOL built = BuildDocumentDevmode(pCell, header.hPrinter, header.pszPrinterName, pdmIn, pdm);
    CloseResModule(pCell);
    if (built)
        return pdm;
    FreeLockedBlock(pdm);
    return nullptr;
}

LONG DocumentPropertySheetsImpl(PPROPSHEETUI_INFO pPSUIInfo, PDOCUMENTPROPERTYHEADER pHeader, LPARAM lParam)
{
    if (pPSUIInfo != nullptr)
        return DocumentSheetImpl(pPSUIInfo, lParam, pHeader);
    pHeader->cbOut = kDriverDevmodeSize;
    if (pHeader->fMode == 0 || pHeader->pdmOut == nullptr)
        return kDriverDevmodeSize;
    DRIVER_DEVMODE* pBuilt = BuildDocumentDevmodeBlock(*pHeader, pHeader->pdmIn);
    if (pBuilt == nullptr)
        return -1;
    if ((pHeader->fMode & (DM_UPDATE | DM_COPY)) != 0) {
        const DEVMODEW* pdmIn = pHeader->pdmIn;
        const DWORD cbIn = pdmIn != nullptr ? static_cast<DWORD>(pdmIn->dmSize) + pdmIn->dmDriverExtra : 0;
        if (pdmIn != nullptr && !IsCompatibleDevmodePair(pdmIn, &pBuilt->dmPublic) && cbIn <= kDriverDevmodeSize) {
            // Another driver's devmode goes back as it came when the output holds it whole. Cut, its header
            // would claim bytes the caller's buffer does not have: such a one gets the driver's own devmode,
            // merged from its public fields, as any devmode the driver cannot keep.
            std::memmove(pHeader->pdmOut, pdmIn, cbIn);
        } else {
            std::memcpy(pHeader->pdmOut, pBuilt, kDriverDevmodeSize);
        }
    }
    FreeLockedBlock(pBuilt);
    return 1;
}

LONG HandleDocumentPropertySheets(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    TraceCalled(u"DrvDocumentPropertySheets");
    auto* pHeader = reinterpret_cast<PDOCUMENTPROPERTYHEADER>(pPSUIInfo != nullptr ? pPSUIInfo->lParamInit : lParam);
    if (pHeader == nullptr || pHeader->cbSize < sizeof(DOCUMENTPROPERTYHEADER))
        return FailWith(ERROR_INVALID_PARAMETER);
    if (pHeader->pdmIn != nullptr && pHeader->pdmIn->dmSize < kMinDevmodeHeaderSize)
        return FailWith(ERROR_INVALID_PARAMETER);
    UpdateUserModeDriverValue(pHeader->hPrinter);

    // A missing name is the printer's own, for this call only: a build or the sheet's INIT, which keeps a copy.
    // Later reasons get none, so that no answer points at it once the call is over.
    WCHAR printerName[CCHDEVICENAME] = {};
    const bool builds = pPSUIInfo == nullptr || pPSUIInfo->Reason == PROPSHEETUI_REASON_INIT;
    const bool nameLent = builds && pHeader->pszPrinterName == nullptr &&
                          GetPrinterName(pHeader->hPrinter, printerName, CCHDEVICENAME);
    if (nameLent)
        pHeader->pszPrinterName = printerName;

    // A spreadsheet program keeps only devmodes of its own making between its calls; it gets a foreign one
    // back as the driver's own, merged, or its settings would be lost.
    PDEVMODEW pCallersIn = pHeader->pdmIn;
    DRIVER_DEVMODE* pPreMerged = nullptr;
    LONG result = 0;
    if (pPSUIInfo == nullptr && (pHeader->fMode & (DM_UPDATE | DM_COPY)) != 0 && pCallersIn != nullptr &&
        IsHostExcel() && !IsOwnDevmode(pCallersIn)) {
        pPreMerged = BuildDocumentDevmodeBlock(*pHeader, pCallersIn);
        if (pPreMerged == nullptr)
            result = -1;
        else
            pHeader->pdmIn = &pPreMerged->dmPublic;
    }
    if (result == 0)
        result = DocumentPropertySheetsImpl(pPSUIInfo, pHeader, lParam);

    pHeader->pdmIn = pCallersIn;
    FreeLockedBlock(pPreMerged);
    if (nameLent)
        pHeader->pszPrinterName = nullptr;
    return result;
}
