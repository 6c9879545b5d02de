#pragma once
// property_sheets.h - the document and device property sheets shown through the common property-sheet UI:
// the context a sheet keeps from INIT to DESTROY, its pages, and its answers to each reason.

#include "settings/devmode/driver_devmode.h"
#include "settings/params/ui_state.h"
#include "settings/strings/res_library.h"
#include "win/prsht.h"
#include "win/winddiui.h"

// What the document sheet was asked for, with the devmode built for it behind.
struct SHEET_REQUEST {
    HANDLE           hPrinter;
    LPCWSTR          pszPrinterName;  // the context's copy once INIT has one
    DEVMODEW*        pdmOutput;       // the request's own devmode once built
    const DEVMODEW*  pdmIn;
    DEVMODEW*        pdmCallerOut;    // the caller's output devmode, written on OK
    DWORD            fMode;
    RES_MODULE_CELL* pCell;           // opened for the build; handed to the context
    DRIVER_DEVMODE*  pDevmode;        // the devmode below
    DRIVER_DEVMODE   devmode;
};

// One open sheet, in PROPSHEETUI_INFO.UserData from INIT to DESTROY. On the document sheet the working
// devmode lies behind the context in the same block; on the device sheet it is a block of its own.
struct UI_CONTEXT {
    HANDLE           hPrinter;
    DWORD            reserved;
    DWORD            MayEdit;
    SHEET_REQUEST*   pRequest;        // document sheet only
    LONG_PTR         LastPageResult;  // the common UI's answer for the last page added
    HANDLE           hComPropSheet;
    PFNCOMPROPSHEET  pfnComPropSheet;
    DWORD            reserved2;
    RES_MODULE_CELL* pCell;           // the sheet's one reference on the resource library
    DRIVER_DEVMODE*  pDevmode;
    UI_STATE*        pState;
    WCHAR            PrinterName[CCHDEVICENAME];   // the sheet's title
};

// The pages of each sheet.
constexpr UINT kDocumentPageCount = 8;
constexpr UINT kDevicePageCount = 1;

// The sheet function's icon in the resource library.
constexpr UINT kSheetIconId = 64062;

enum class SheetKind { Document, Device };

// The document sheet for a DrvDocumentPropertySheets call that comes with a PROPSHEETUI_INFO; lParam is the
// reason's argument, pHeader the request in its lParamInit. 1 for a handled reason; -1 for an unknown reason, a
// failed INIT (which leaves nothing behind) or a missing argument; INIT answers 1 once the pages are added.
LONG DocumentSheetImpl(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam, PDOCUMENTPROPERTYHEADER pHeader);

// The worker of DrvDevicePropertySheets; the same answers, with the DEVICEPROPERTYHEADER in lParamInit.
LONG DevicePropertySheetsImpl(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

// Sets may-edit to 1 in the context and its state, then to 0 when the caller lacks permission: on the device
// sheet DPS_NOPERMISSION in the header's flags, on the document sheet DM_NOPERMISSION in fMode. Returns 1 when
// permission was withheld, else 0.
DWORD SetSheetPermission(UI_CONTEXT* pContext, DWORD flags, SheetKind kind);

// Fills a page record: PSP_HASHELP, the template id, the dialog procedure, the instance and the parameter.
void FillPropSheetPage(PROPSHEETPAGEW* pPage, WORD wDialogId, PVOID unused, DLGPROC pfnDlgProc, HINSTANCE hInstance,
                       LPARAM lParam);
// Fills the sheet's pages in order (kDocumentPageCount or kDevicePageCount records): the resource library's
// templates, each page's parameter the address of the context's state pointer. Returns the count.
UINT BuildPageTable(UI_CONTEXT* pContext, const PROPSHEETUI_INFO* pPSUIInfo, SheetKind kind, PROPSHEETPAGEW* pPages);

// Adds the sheet's pages through the common UI and prepares the working state for them. 1; 0 (with
// pPSUIInfo->Result 0) when a page cannot be made or the common UI refuses one, the rest not added.
LONG CreatePropertyPages(UI_CONTEXT* pContext, PPROPSHEETUI_INFO pPSUIInfo, SheetKind kind);
