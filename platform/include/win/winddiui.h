#pragma once
// winddiui.h - what GDI and the spooler call in a printer interface module: the document events GDI sends
// around a printer device context's work, with their codes, records and results.

#include "win/wingdi.h"

// DrvDocumentEvent codes
#define DOCUMENTEVENT_FIRST        1
#define DOCUMENTEVENT_CREATEDCPRE  1
#define DOCUMENTEVENT_CREATEDCPOST 2
#define DOCUMENTEVENT_RESETDCPRE   3
#define DOCUMENTEVENT_RESETDCPOST  4
#define DOCUMENTEVENT_STARTDOC     5
#define DOCUMENTEVENT_STARTDOCPRE  5
#define DOCUMENTEVENT_STARTPAGE    6
#define DOCUMENTEVENT_ENDPAGE      7
#define DOCUMENTEVENT_ENDDOC       8
#define DOCUMENTEVENT_ENDDOCPRE    8
#define DOCUMENTEVENT_ABORTDOC     9
#define DOCUMENTEVENT_DELETEDC     10
#define DOCUMENTEVENT_ESCAPE       11
#define DOCUMENTEVENT_ENDDOCPOST   12
#define DOCUMENTEVENT_STARTDOCPOST 13
#define DOCUMENTEVENT_QUERYFILTER  14
#define DOCUMENTEVENT_LAST         15

// DrvDocumentEvent results
#define DOCUMENTEVENT_SUCCESS     1
#define DOCUMENTEVENT_UNSUPPORTED 0
#define DOCUMENTEVENT_FAILURE     (-1)

// The input of DOCUMENTEVENT_CREATEDCPRE.
typedef struct _DOCEVENT_CREATEDCPRE {
    PWSTR     pszDriver;
    PWSTR     pszDevice;
    PDEVMODEW pdm;
    BOOL      bIC;
} DOCEVENT_CREATEDCPRE, *PDCEVENT_CREATEDCPRE;

// The input of DOCUMENTEVENT_ESCAPE: the escape ExtEscape is about to pass to the driver.
typedef struct _DOCEVENT_ESCAPE {
    int   iEscape;
    int   cjInput;
    PVOID pvInData;
} DOCEVENT_ESCAPE, *PDOCEVENT_ESCAPE;

typedef int (WINAPI* PFN_DrvDocumentEvent)(HANDLE hPrinter, HDC hdc, int iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut,
                                           PVOID pvOut);

// ---- the spooler's calls into a printer interface module -------------------------------------------------

#include "win/compstui.h"
#include "win/winspool.h"

// DrvDocumentProperties and DrvDocumentPropertySheets modes beyond wingdi.h's DM_UPDATE .. DM_MODIFY
#define DM_ADVANCED     0x10
#define DM_NOPERMISSION 0x20
#define DM_USER_DEFAULT 0x40

// DrvConvertDevMode modes
#define CDM_CONVERT        0x01
#define CDM_CONVERT351     0x02
#define CDM_DRIVER_DEFAULT 0x04

typedef BOOL (WINAPI* PFN_DrvConvertDevMode)(LPWSTR pPrinterName, PDEVMODEW pdmIn, PDEVMODEW pdmOut,
                                             PLONG pcbNeeded, DWORD fMode);

// DrvPrinterEvent events and flags
#define PRINTER_EVENT_CONFIGURATION_CHANGE 0
#define PRINTER_EVENT_ADD_CONNECTION       1
#define PRINTER_EVENT_DELETE_CONNECTION    2
#define PRINTER_EVENT_INITIALIZE           3
#define PRINTER_EVENT_DELETE               4
#define PRINTER_EVENT_CACHE_REFRESH        5
#define PRINTER_EVENT_CACHE_DELETE         6
#define PRINTER_EVENT_ATTRIBUTES_CHANGED   7

#define PRINTER_EVENT_FLAG_NO_UI 0x00000001

// The lParam of PRINTER_EVENT_ATTRIBUTES_CHANGED.
typedef struct _PRINTER_EVENT_ATTRIBUTES_INFO {
    DWORD cbSize;
    DWORD dwOldAttributes;
    DWORD dwNewAttributes;
} PRINTER_EVENT_ATTRIBUTES_INFO, *PPRINTER_EVENT_ATTRIBUTES_INFO;
static_assert(sizeof(PRINTER_EVENT_ATTRIBUTES_INFO) == 12);

// The input of DevQueryPrintEx.
typedef struct _DEVQUERYPRINT_INFO {
    WORD     cbSize;
    WORD     Level;
    HANDLE   hPrinter;
    DEVMODEW* pDevMode;
    LPWSTR   pszErrorStr;
    DWORD    cchErrorStr;
    DWORD    cchNeeded;
} DEVQUERYPRINT_INFO, *PDEVQUERYPRINT_INFO;
static_assert(sizeof(DEVQUERYPRINT_INFO) == 24);

// The lParamInit of DrvDocumentPropertySheets (or its lParam when there is no PROPSHEETUI_INFO).
typedef struct _DOCUMENTPROPERTYHEADER {
    WORD      cbSize;
    WORD      Reserved;
    HANDLE    hPrinter;
    LPWSTR    pszPrinterName;
    PDEVMODEW pdmIn;
    PDEVMODEW pdmOut;
    DWORD     cbOut;
    DWORD     fMode;
} DOCUMENTPROPERTYHEADER, *PDOCUMENTPROPERTYHEADER;
static_assert(sizeof(DOCUMENTPROPERTYHEADER) == 28);

// The lParamInit of DrvDevicePropertySheets.
#define DPS_NOPERMISSION 0x0001

typedef struct _DEVICEPROPERTYHEADER {
    WORD   cbSize;
    WORD   Flags;
    HANDLE hPrinter;
    LPWSTR pszPrinterName;
} DEVICEPROPERTYHEADER, *PDEVICEPROPERTYHEADER;
static_assert(sizeof(DEVICEPROPERTYHEADER) == 12);
