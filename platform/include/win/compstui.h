#pragma once
// compstui.h - the common property-sheet UI: the record it passes to a driver's sheet functions and the
// reasons it calls them for.

#include "win/windef.h"

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
