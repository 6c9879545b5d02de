#pragma once
// compstui.h - the common property-sheet UI: the record it passes to a driver's sheet functions and the
// reasons it calls them for.

#include "win/winbase.h"

typedef LONG_PTR (CALLBACK* PFNCOMPROPSHEET)(HANDLE hComPropSheet, UINT Function, LPARAM lParam1, LPARAM lParam2);

#define PROPSHEETUI_REASON_INIT            0
#define PROPSHEETUI_REASON_GET_INFO_HEADER 1
#define PROPSHEETUI_REASON_DESTROY         2
#define PROPSHEETUI_REASON_SET_RESULT      3
#define PROPSHEETUI_REASON_GET_ICON        4

#define PSUIINFO_UNICODE 0x0001

typedef struct _PROPSHEETUI_INFO {
    WORD            cbSize;
    WORD            Version;
    WORD            Flags;
    WORD            Reason;
    HANDLE          hComPropSheet;
    PFNCOMPROPSHEET pfnComPropSheet;
    LPARAM          lParamInit;
    ULONG_PTR       UserData;
    ULONG_PTR       Result;
} PROPSHEETUI_INFO, *PPROPSHEETUI_INFO;
static_assert(sizeof(PROPSHEETUI_INFO) == 28);

typedef LONG (CALLBACK* PFNPROPSHEETUI)(PPROPSHEETUI_INFO pPSUIInfo, LPARAM lParam);

// What a sheet function says of the sheet at PROPSHEETUI_REASON_GET_INFO_HEADER.
#define PSUIHDRF_OBSOLETE     0x0001
#define PSUIHDRF_NOAPPLYNOW   0x0002
#define PSUIHDRF_PROPTITLE    0x0004
#define PSUIHDRF_USEHICON     0x0008
#define PSUIHDRF_DEFTITLE     0x0010
#define PSUIHDRF_EXACT_PTITLE 0x0020

typedef struct _PROPSHEETUI_INFO_HEADER {
    WORD      cbSize;
    WORD      Flags;
    LPWSTR    pTitle;
    HWND      hWndParent;
    HINSTANCE hInst;
    union {
        HICON     hIcon;
        ULONG_PTR IconID;
    };
} PROPSHEETUI_INFO_HEADER, *PPROPSHEETUI_INFO_HEADER;
static_assert(sizeof(PROPSHEETUI_INFO_HEADER) == 20);

// The lParam of PROPSHEETUI_REASON_SET_RESULT.
typedef struct _SETRESULT_INFO {
    WORD    cbSize;
    WORD    wReserved;
    HANDLE  hSetResult;
    LRESULT Result;
} SETRESULT_INFO, *PSETRESULT_INFO;
static_assert(sizeof(SETRESULT_INFO) == 12);

// The functions of pfnComPropSheet.
#define CPSFUNC_ADD_HPROPSHEETPAGE   0
#define CPSFUNC_ADD_PROPSHEETPAGEW   1
#define CPSFUNC_ADD_PCOMPROPSHEETUIA 2
#define CPSFUNC_ADD_PCOMPROPSHEETUIW 3
#define CPSFUNC_ADD_PFNPROPSHEETUIA  4
#define CPSFUNC_ADD_PFNPROPSHEETUIW  5
#define CPSFUNC_DELETE_HCOMPROPSHEET 6
#define CPSFUNC_SET_HSTARTPAGE       7
#define CPSFUNC_GET_PAGECOUNT        8
#define CPSFUNC_SET_RESULT           9

// Results of a sheet.
#define CPSUI_CANCEL         0
#define CPSUI_OK             1
#define CPSUI_RESTARTWINDOWS 2
#define CPSUI_REBOOTSYSTEM   3

#define ERR_CPSUI_GETLASTERROR (-1)

// Shows a sheet: calls the sheet function with INIT (lParam as lParamInit), GET_INFO_HEADER, the pages'
// SET_RESULTs and DESTROY; answers CPSUI_OK or CPSUI_CANCEL as the user closed it, and *pResult the sheet
// function's Result. ERR_CPSUI_GETLASTERROR when the sheet function refuses INIT (ERROR_NOT_SUPPORTED) or adds
// no page (ERROR_INVALID_DATA).
PLATFORM_API LONG WINAPI CommonPropertySheetUIW(HWND hWndOwner, PFNPROPSHEETUI pfnPropSheetUI, LPARAM lParam,
                                                LPDWORD pResult);
