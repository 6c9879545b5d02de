// property_sheets.cpp - the document and device property sheets: their context, their pages and their answers
// to the common property-sheet UI. Every INIT failure frees what INIT made, so that the common UI, which then
// shows nothing, finds nothing to free at DESTROY.
#include "ui/core/property_sheets.h"

#include "settings/base/global_memory.h"
#include "settings/devmode/document_devmode.h"
#include "settings/devmode/printer_devmode.h"
#include "settings/paper/paper_queries.h"
#include "settings/params/custom_size_state.h"
#include "settings/registry/printer_data.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/text_copy.h"
#include "ui/core/control_rules.h"
#include "ui/core/item_constraints.h"
#include "ui/core/item_queries.h"
#include "ui/core/named_insert_lists.h"
#include "ui/core/placeholder_page.h"
#include "ui/core/resolve_services.h"
#include "ui/core/sheet_state.h"
#include "ui/core/sheet_writeback.h"
#include "ui/core/stored_files.h"
#include "ui/core/trace.h"
#include "ui/core/user_check.h"
#include "ui/core/user_mode_driver_value.h"

#include <cstring>
#include <iterator>

namespace {

// The printing-preferences call of the spooler asks with exactly these modes; there the sheet is not an
// application's.
constexpr DWORD kPrintingPreferencesMode = DM_USER_DEFAULT | DM_MODIFY | DM_PROMPT | DM_COPY;
static_assert(kPrintingPreferencesMode == 78);

struct SHEET_PAGE_ROW {
    WORD    wDialogId;      // 0 ends the table
    DLGPROC pfnDlgProc;
};

// The pages in the order their tabs stand. A page not built yet shows its template through the placeholder.
constexpr SHEET_PAGE_ROW kDocumentPages[] = {
    { 100, PlaceholderPageDlgProc },   // setup
    { 200, PlaceholderPageDlgProc },   // covers and inserts
    { 300, PlaceholderPageDlgProc },   // finishing
    { 400, PlaceholderPageDlgProc },   // form overlay
    { 500, PlaceholderPageDlgProc },   // watermark
    { 600, PlaceholderPageDlgProc },   // image
    { 700, PlaceholderPageDlgProc },   // fonts
    {1000, PlaceholderPageDlgProc },   // version
    {   0, nullptr },                  // terminator
};
constexpr SHEET_PAGE_ROW kDevicePages[] = {
    { 800, PlaceholderPageDlgProc },   // device options
    {   0, nullptr },                  // terminator
};
static_assert(std::size(kDocumentPages) == kDocumentPageCount + 1 && kDocumentPages[kDocumentPageCount].wDialogId == 0);
static_assert(std::size(kDevicePages) == kDevicePageCount + 1 && kDevicePages[kDevicePageCount].wDialogId == 0);

UI_CONTEXT* ContextOf(const PROPSHEETUI_INFO* pPSUIInfo)
{
    return reinterpret_cast<UI_CONTEXT*>(pPSUIInfo->UserData);
}

// Frees a context with everything it holds; null is ignored.
void DestroyContext(UI_CONTEXT* pContext)
{
    if (pContext == nullptr)
        return;
    FreeUiState(&pContext->pState);
    CloseResModule(pContext->pCell);
    if (pContext->pRequest != nullptr) {
        CloseResModule(pContext->pRequest->pCell);
        FreeLockedBlock(pContext->pRequest);
    } else {
        FreeLockedBlock(pContext->pDevmode);   // the device sheet's own block
    }
    FreeLockedBlock(pContext);
}

LONG FailInit(PPROPSHEETUI_INFO pPSUIInfo, UI_CONTEXT* pContext)
{
    DestroyContext(pContext);
    pPSUIInfo->UserData = 0;
    return -1;
}

// The working state and the pages of a context whose devmode is ready.
LONG FinishInit(PPROPSHEETUI_INFO pPSUIInfo, UI_CONTEXT* pContext, DWORD permissionFlags, SheetKind kind)
{
    pPSUIInfo->UserData = reinterpret_cast<ULONG_PTR>(pContext);
    if (!BuildUiState(pContext->pCell, &pContext->pState, pContext->pDevmode, nullptr, pContext->hPrinter))
        return FailInit(pPSUIInfo, pContext);
    SetSheetPermission(pContext, permissionFlags, kind);
    pContext->pState->IsDocumentSheet = kind == SheetKind::Document ? 1 : 0;
    if (!CreatePropertyPages(pContext, pPSUIInfo, kind))
        return FailInit(pPSUIInfo, pContext);
    return 1;
}

LONG InitDocumentSheet(PPROPSHEETUI_INFO pPSUIInfo, const DOCUMENTPROPERTYHEADER& header)
{
    auto* pRequest = static_cast<SHEET_REQUEST*>(AllocLockedBlock(sizeof(SHEET_REQUEST)));
    if (pRequest == nullptr)
        return -1;
    pRequest->hPrinter = header.hPrinter;
    pRequest->pszPrinterName = header.pszPrinterName;
    pRequest->pdmIn = header.pdmIn;
    pRequest->pdmCallerOut = header.pdmOut;
    pRequest->fMode = header.fMode;
    pRequest->pDevmode = &pRequest->devmode;
    pRequest->pCell = OpenResModule();
    if (pRequest->pCell == nullptr ||
        !BuildDocumentDevmode(pRequest->pCell, header.hPrinter, header.pszPrinterName, header.pdmIn,
                              &pRequest->devmode)) {
        CloseResModule(pRequest->pCell);
        FreeLockedBlock(pRequest);
        return -1;
    }
    pRequest->pdmOutput = &pRequest->devmode.dmPublic;

    auto* pContext = static_cast<UI_CONTEXT*>(AllocLockedBlock(sizeof(UI_CONTEXT) + sizeof(DRIVER_DEVMODE)));
    if (pContext == nullptr) {
        CloseResModule(pRequest->pCell);
        FreeLockedBlock(pRequest);
        return -1;
    }
    pContext->hPrinter = header.hPrinter;
    pContext->pRequest = pRequest;
    pContext->pDevmode = reinterpret_cast<DRIVER_DEVMODE*>(pContext + 1);
    std::memcpy(pContext->pDevmode, &pRequest->devmode, sizeof(DRIVER_DEVMODE));
    // The sheet keeps the one cell the build opened, until DESTROY.
    pContext->pCell = pRequest->pCell;
    pRequest->pCell = nullptr;
    // The header's name may be lent for this call only; the sheet's title is its own copy.
    CopyText(&pContext->PrinterName, header.pszPrinterName);
    pRequest->pszPrinterName = pContext->PrinterName;
    return FinishInit(pPSUIInfo, pContext, header.fMode, SheetKind::Document);
}

LONG InitDeviceSheet(PPROPSHEETUI_INFO pPSUIInfo, const DEVICEPROPERTYHEADER& header)
{
    auto* pContext = static_cast<UI_CONTEXT*>(AllocLockedBlock(sizeof(UI_CONTEXT)));
    if (pContext == nullptr)
        return -1;
    pContext->hPrinter = header.hPrinter;
    CopyText(&pContext->PrinterName, header.pszPrinterName);
    pContext->pCell = OpenResModule();
    pContext->pDevmode = static_cast<DRIVER_DEVMODE*>(AllocLockedBlock(sizeof(DRIVER_DEVMODE)));
    if (!HasResModule(pContext->pCell) || pContext->pDevmode == nullptr)
        return FailInit(pPSUIInfo, pContext);
    LoadPrinterDevmode(header.hPrinter, pContext->pDevmode, header.pszPrinterName, pContext->pCell);
    return FinishInit(pPSUIInfo, pContext, header.Flags, SheetKind::Device);
}

LONG AnswerInfoHeader(const PROPSHEETUI_INFO* pPSUIInfo, LPARAM lParam, LPCWSTR requestName)
{
    auto* pHeader = reinterpret_cast<PROPSHEETUI_INFO_HEADER*>(lParam);
    if (pHeader == nullptr)
        return -1;
    UI_CONTEXT* pContext = ContextOf(pPSUIInfo);
    pHeader->Flags = PSUIHDRF_PROPTITLE;
    pHeader->pTitle = const_cast<LPWSTR>(pContext != nullptr ? pContext->PrinterName : requestName);
    // The templates and the icon live in the resource library, which only an open sheet holds.
    pHeader->hInst = pContext != nullptr && pContext->pCell != nullptr ? pContext->pCell->hModule : nullptr;
    pHeader->IconID = kSheetIconId;
    return 1;
}

LONG AnswerDestroy(PPROPSHEETUI_INFO pPSUIInfo)
{
    DestroyContext(ContextOf(pPSUIInfo));
    pPSUIInfo->UserData = 0;
    return 1;
}

// The devmode's own length, which a built devmode always has.
DWORD DevmodeBytes(const DRIVER_DEVMODE& dm)
{
    const DWORD cb = static_cast<DWORD>(dm.dmPublic.dmSize) + dm.dmPublic.dmDriverExtra;
    return cb <= sizeof(DRIVER_DEVMODE) ? cb : sizeof(DRIVER_DEVMODE);
}

LONG AnswerDocumentResult(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    const auto* pResult = reinterpret_cast<const SETRESULT_INFO*>(lParam);
    if (pResult == nullptr)
        return -1;
    UI_CONTEXT* pContext = ContextOf(pPSUIInfo);
    const SHEET_REQUEST* pRequest = pContext != nullptr ? pContext->pRequest : nullptr;
    if (pResult->Result == CPSUI_OK && pRequest != nullptr && (pRequest->fMode & (DM_UPDATE | DM_COPY)) != 0 &&
        pRequest->pdmCallerOut != nullptr) {
        UiStateToDevmode(pContext->pState, pContext->pDevmode, pContext->pCell);
        std::memcpy(pRequest->pdmCallerOut, pContext->pDevmode, DevmodeBytes(*pContext->pDevmode));
    }
    pPSUIInfo->Result = static_cast<ULONG_PTR>(pResult->Result);
    return 1;
}

LONG AnswerDeviceResult(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    const auto* pResult = reinterpret_cast<const SETRESULT_INFO*>(lParam);
    if (pResult == nullptr)
        return -1;
    pPSUIInfo->Result = static_cast<ULONG_PTR>(pResult->Result);
    UI_CONTEXT* pContext = ContextOf(pPSUIInfo);
    if (pResult->Result == CPSUI_OK && pContext != nullptr) {
        UiStateToDevmode(pContext->pState, pContext->pDevmode, pContext->pCell);
        SetPrinterDataValue(pContext->hPrinter, nullptr, kPrinterDevmodeValue, pContext->pDevmode,
                            DevmodeBytes(*pContext->pDevmode), REG_BINARY);
    }
    return 1;
}

// What the pages find ready when they are first shown.
void PrepareWorkingState(UI_CONTEXT* pContext)
{
    UI_STATE* pState = pContext->pState;
    // The opening is told to the clean-up as the pages' applies are; only an apply purges the user's keys.
    PurgeUserPrinterKeys(pState, kSheetEventOpen);
    // The devmode's output paper and zoom-fit flag are the working values the pages start from.
    if (pState->lpOutputPaper != nullptr) {
        pState->lpOutputPaper->wCurrent = pContext->pDevmode->dmPrivate.lpOutputPaper;
        pState->lpOutputPaper->wCommitted = pContext->pDevmode->dmPrivate.lpOutputPaper;
    }
    pState->zoomFitFlag = pContext->pDevmode->dmPrivate.env.zoomFitFlag;
    LoadCustomPaperSizes(pState);
    // Here come, once they are built: the custom-size extents of the paper and the output paper.
    LoadInsertListNames(nullptr, pState);
    LoadNamedInsertList(nullptr, pState);
    BindItemValues(pState);
    UpdateControlRules(nullptr, pState);
    EvaluateAllItems(pState);
    // Here comes, once it is built: on the document sheet the initial resolve of conflicting settings.
    pState->UserTestResult = CheckUserChanged(nullptr, pState);
    ResetOneShotSettings(nullptr, pState);
    CheckInsertSheetList(nullptr, pState, kInsertCheckCount);
}

}  // namespace

DWORD SetSheetPermission(UI_CONTEXT* pContext, DWORD flags, SheetKind kind)
{
    pContext->MayEdit = 1;
    if (pContext->pState != nullptr)
        pContext->pState->MayEdit = 1;
    const DWORD withheld = kind == SheetKind::Device ? (flags & DPS_NOPERMISSION) : (flags & DM_NOPERMISSION);
    if (withheld == 0)
        return 0;
    pContext->MayEdit = 0;
    if (pContext->pState != nullptr)
        pContext->pState->MayEdit = 0;
    return 1;
}

void FillPropSheetPage(PROPSHEETPAGEW* pPage, WORD wDialogId, PVOID, DLGPROC pfnDlgProc, HINSTANCE hInstance,
                       LPARAM lParam)
{
    std::memset(pPage, 0, sizeof *pPage);
    pPage->dwSize = sizeof *pPage;
    pPage->dwFlags = PSP_HASHELP;
    pPage->hInstance = hInstance;
    pPage->pszTemplate = MAKEINTRESOURCEW(wDialogId);
    pPage->pfnDlgProc = pfnDlgProc;
    pPage->lParam = lParam;
}

UINT BuildPageTable(UI_CONTEXT* pContext, const PROPSHEETUI_INFO*, SheetKind kind, PROPSHEETPAGEW* pPages)
{
    const SHEET_PAGE_ROW* rows = kind == SheetKind::Device ? kDevicePages : kDocumentPages;
    const HINSTANCE hInstance = pContext->pCell != nullptr ? pContext->pCell->hModule : nullptr;
    UINT count = 0;
    for (const SHEET_PAGE_ROW* row = rows; row->wDialogId != 0; ++row)
        FillPropSheetPage(&pPages[count++], row->wDialogId, nullptr, row->pfnDlgProc, hInstance,
                          reinterpret_cast<LPARAM>(&pContext->pState));
    return count;
}

LONG CreatePropertyPages(UI_CONTEXT* pContext, PPROPSHEETUI_INFO pPSUIInfo, SheetKind kind)
{
    UI_STATE* pState = pContext->pState;
    if (pState->HoldsResStrings == 0) {
        InitResStrings();
        pState->HoldsResStrings = 1;
    }
    LoadPaperNames();

    PROPSHEETPAGEW pages[kDocumentPageCount];
    const UINT count = BuildPageTable(pContext, pPSUIInfo, kind, pages);
    LONG_PTR last = 0;
    for (UINT i = 0; i < count; ++i) {
        const HPROPSHEETPAGE hPage = CreatePropertySheetPageW(&pages[i]);
        last = hPage != nullptr && pPSUIInfo->pfnComPropSheet != nullptr
                   ? pPSUIInfo->pfnComPropSheet(pPSUIInfo->hComPropSheet, CPSFUNC_ADD_HPROPSHEETPAGE,
                                                reinterpret_cast<LPARAM>(hPage), 0)
                   : 0;
        if (last == 0) {
            if (hPage != nullptr)
                DestroyPropertySheetPage(hPage);
            pPSUIInfo->Result = 0;
            return 0;
        }
    }
    pContext->LastPageResult = last;
    pContext->pfnComPropSheet = pPSUIInfo->pfnComPropSheet;
    pContext->hComPropSheet = pPSUIInfo->hComPropSheet;
    pState->LastPageResult = last;
    pState->pfnComPropSheet = pPSUIInfo->pfnComPropSheet;
    pState->hComPropSheet = pPSUIInfo->hComPropSheet;
    pPSUIInfo->UserData = reinterpret_cast<ULONG_PTR>(pContext);
    pPSUIInfo->Result = 1;

    PrepareWorkingState(pContext);
    const DWORD fMode = pContext->pRequest != nullptr ? pContext->pRequest->fMode : 0;
    pState->HostFlag = kind == SheetKind::Device || fMode != kPrintingPreferencesMode ? 1 : 0;
    return 1;
}

LONG DocumentSheetImpl(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam, PDOCUMENTPROPERTYHEADER pHeader)
{
    if (pPSUIInfo == nullptr || pHeader == nullptr)
        return -1;
    switch (pPSUIInfo->Reason) {
    case PROPSHEETUI_REASON_INIT:
        return InitDocumentSheet(pPSUIInfo, *pHeader);
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
        return AnswerInfoHeader(pPSUIInfo, lParam, pHeader->pszPrinterName);
    case PROPSHEETUI_REASON_DESTROY:
        return AnswerDestroy(pPSUIInfo);
    case PROPSHEETUI_REASON_SET_RESULT:
        return AnswerDocumentResult(pPSUIInfo, lParam);
    default:
        return -1;
    }
}

LONG DevicePropertySheetsImpl(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam)
{
    TraceCalled(u"DrvDevicePropertySheets");
    if (pPSUIInfo == nullptr)
        return -1;
    const auto* pHeader = reinterpret_cast<const DEVICEPROPERTYHEADER*>(pPSUIInfo->lParamInit);
    const bool headerValid = pHeader != nullptr && pHeader->cbSize >= sizeof(DEVICEPROPERTYHEADER);
    switch (pPSUIInfo->Reason) {
    case PROPSHEETUI_REASON_INIT:
        if (!headerValid)
            return -1;
        UpdateUserModeDriverValue(pHeader->hPrinter);
        return InitDeviceSheet(pPSUIInfo, *pHeader);
    case PROPSHEETUI_REASON_GET_INFO_HEADER:
        return AnswerInfoHeader(pPSUIInfo, lParam, headerValid ? pHeader->pszPrinterName : nullptr);
    case PROPSHEETUI_REASON_DESTROY:
        return AnswerDestroy(pPSUIInfo);
    case PROPSHEETUI_REASON_SET_RESULT:
        return AnswerDeviceResult(pPSUIInfo, lParam);
    default:
        return -1;
    }
}
