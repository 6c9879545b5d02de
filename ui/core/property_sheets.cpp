// property_sheets.cpp - the property sheets' answers to the common property-sheet UI.
// TODO: the sheets have no pages yet (the property-sheet frame and its pages come later). Until then INIT
// fails with -1, so the common UI shows no sheet and calls for nothing else; DESTROY, which it may still
// send, finds nothing to free and answers 1; every other reason answers -1.
#include "ui/core/property_sheets.h"
#include "ui/core/trace.h"
#include "ui/core/user_mode_driver_value.h"

static LONG AnswerWithoutPages(const PROPSHEETUI_INFO* pPSUIInfo)
{
    if (pPSUIInfo == nullptr)
        return -1;
    return pPSUIInfo->Reason == PROPSHEETUI_REASON_DESTROY ? 1 : -1;
}

LONG DocumentSheetImpl(PPROPSHEETUI_INFO pPSUIInfo, PDOCUMENTPROPERTYHEADER)
{
    return AnswerWithoutPages(pPSUIInfo);
}

LONG DevicePropertySheetsImpl(PPROPSHEETUI_INFO pPSUIInfo, LPARAM)
{
    TraceCalled(u"DrvDevicePropertySheets");
    if (pPSUIInfo == nullptr)
        return -1;
    if (pPSUIInfo->Reason == PROPSHEETUI_REASON_INIT) {
        const auto* pHeader = reinterpret_cast<const DEVICEPROPERTYHEADER*>(pPSUIInfo->lParamInit);
        if (pHeader == nullptr || pHeader->cbSize < sizeof(DEVICEPROPERTYHEADER))
            return -1;
        UpdateUserModeDriverValue(pHeader->hPrinter);
    }
    return AnswerWithoutPages(pPSUIInfo);
}
