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
