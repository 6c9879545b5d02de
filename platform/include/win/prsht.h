#pragma once
// prsht.h - property sheets: the page record CreatePropertySheetPageW copies, the notifications a page
// receives (PSN_) with their answers (PSNRET_), and the messages a page sends its sheet (PSM_).

#include "win/commctrl.h"

struct _PROPSHEETPAGEW;
typedef UINT (CALLBACK* LPFNPSPCALLBACKW)(HWND hwnd, UINT uMsg, struct _PROPSHEETPAGEW* ppsp);

#define PSP_DEFAULT      0x00000000
#define PSP_DLGINDIRECT  0x00000001
#define PSP_USEHICON     0x00000002
#define PSP_USEICONID    0x00000004
#define PSP_USETITLE     0x00000008
#define PSP_RTLREADING   0x00000010
#define PSP_HASHELP      0x00000020
#define PSP_USEREFPARENT 0x00000040
#define PSP_USECALLBACK  0x00000080
#define PSP_PREMATURE    0x00000400

#define PSPCB_ADDREF  0
#define PSPCB_RELEASE 1
#define PSPCB_CREATE  2

typedef struct _PROPSHEETPAGEW {
    DWORD            dwSize;
    DWORD            dwFlags;
    HINSTANCE        hInstance;
    union {
        LPCWSTR      pszTemplate;
        const void*  pResource;
    };
    union {
        HICON        hIcon;
        LPCWSTR      pszIcon;
    };
    LPCWSTR          pszTitle;
    DLGPROC          pfnDlgProc;
    LPARAM           lParam;
    LPFNPSPCALLBACKW pfnCallback;
    UINT*            pcRefParent;
    LPCWSTR          pszHeaderTitle;
    LPCWSTR          pszHeaderSubTitle;
} PROPSHEETPAGEW, *LPPROPSHEETPAGEW;
typedef const PROPSHEETPAGEW* LPCPROPSHEETPAGEW;
static_assert(sizeof(PROPSHEETPAGEW) == 48);
#define PROPSHEETPAGEW_V1_SIZE 40

typedef struct _PSHNOTIFY {
    NMHDR  hdr;
    LPARAM lParam;
} PSHNOTIFY, *LPPSHNOTIFY;
static_assert(sizeof(PSHNOTIFY) == 16);

#define PSN_FIRST       (0U - 200U)
#define PSN_SETACTIVE   (PSN_FIRST - 0)
#define PSN_KILLACTIVE  (PSN_FIRST - 1)
#define PSN_APPLY       (PSN_FIRST - 2)
#define PSN_RESET       (PSN_FIRST - 3)
#define PSN_HELP        (PSN_FIRST - 5)
#define PSN_WIZBACK     (PSN_FIRST - 6)
#define PSN_WIZNEXT     (PSN_FIRST - 7)
#define PSN_WIZFINISH   (PSN_FIRST - 8)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)

#define PSNRET_NOERROR              0
#define PSNRET_INVALID              1
#define PSNRET_INVALID_NOCHANGEPAGE 2

#define PSM_SETCURSEL           (WM_USER + 101)
#define PSM_REMOVEPAGE          (WM_USER + 102)
#define PSM_ADDPAGE             (WM_USER + 103)
#define PSM_CHANGED             (WM_USER + 104)
#define PSM_RESTARTWINDOWS      (WM_USER + 105)
#define PSM_REBOOTSYSTEM        (WM_USER + 106)
#define PSM_CANCELTOCLOSE       (WM_USER + 107)
#define PSM_QUERYSIBLINGS       (WM_USER + 108)
#define PSM_UNCHANGED           (WM_USER + 109)
#define PSM_APPLY               (WM_USER + 110)
#define PSM_PRESSBUTTON         (WM_USER + 113)
#define PSM_GETTABCONTROL       (WM_USER + 116)
#define PSM_GETCURRENTPAGEHWND  (WM_USER + 118)

#define PSBTN_OK      1
#define PSBTN_CANCEL  5
#define PSBTN_APPLYNOW 4
#define PSBTN_HELP    6

#define ID_PSRESTARTWINDOWS 0x2
#define ID_PSREBOOTSYSTEM   (ID_PSRESTARTWINDOWS | 0x1)

#define PropSheet_Changed(hDlg, hwnd) SendMessageW(hDlg, PSM_CHANGED, (WPARAM)(hwnd), 0L)
#define PropSheet_UnChanged(hDlg, hwnd) SendMessageW(hDlg, PSM_UNCHANGED, (WPARAM)(hwnd), 0L)

PLATFORM_API HPROPSHEETPAGE WINAPI CreatePropertySheetPageW(LPCPROPSHEETPAGEW constPropSheetPagePointer);
PLATFORM_API BOOL           WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPage);
