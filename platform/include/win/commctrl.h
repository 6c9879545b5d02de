#pragma once
// commctrl.h - the common controls: the WM_NOTIFY header, and the tab control.

#include "win/winuser.h"

typedef struct tagNMHDR {
    HWND     hwndFrom;
    UINT_PTR idFrom;
    UINT     code;
} NMHDR, *LPNMHDR;
static_assert(sizeof(NMHDR) == 12);

#define NM_FIRST      (0U - 0U)
#define NM_CLICK      (NM_FIRST - 2)
#define NM_DBLCLK     (NM_FIRST - 3)
#define NM_RETURN     (NM_FIRST - 4)
#define NM_RCLICK     (NM_FIRST - 5)
#define NM_SETFOCUS   (NM_FIRST - 7)
#define NM_KILLFOCUS  (NM_FIRST - 8)

// ---- tab controls ---------------------------------------------------------------------------------------
#define WC_TABCONTROLW u"SysTabControl32"

#define TCS_TABS      0x0000
#define TCS_MULTILINE 0x0200
#define TCS_FOCUSNEVER 0x8000

#define TCIF_TEXT  0x0001
#define TCIF_IMAGE 0x0002
#define TCIF_PARAM 0x0008
#define TCIF_STATE 0x0010

typedef struct tagTCITEMW {
    UINT   mask;
    DWORD  dwState;
    DWORD  dwStateMask;
    LPWSTR pszText;
    int    cchTextMax;
    int    iImage;
    LPARAM lParam;
} TCITEMW, *LPTCITEMW;
static_assert(sizeof(TCITEMW) == 28);

#define TCM_FIRST          0x1300
#define TCM_GETITEMCOUNT   (TCM_FIRST + 4)
#define TCM_DELETEITEM     (TCM_FIRST + 8)
#define TCM_DELETEALLITEMS (TCM_FIRST + 9)
#define TCM_GETITEMRECT    (TCM_FIRST + 10)
#define TCM_GETCURSEL      (TCM_FIRST + 11)
#define TCM_SETCURSEL      (TCM_FIRST + 12)
#define TCM_ADJUSTRECT     (TCM_FIRST + 40)
#define TCM_GETCURFOCUS    (TCM_FIRST + 47)
#define TCM_SETCURFOCUS    (TCM_FIRST + 48)
#define TCM_GETITEMW       (TCM_FIRST + 60)
#define TCM_SETITEMW       (TCM_FIRST + 61)
#define TCM_INSERTITEMW    (TCM_FIRST + 62)

#define TCN_FIRST       (0U - 550U)
#define TCN_KEYDOWN     (TCN_FIRST - 0)
#define TCN_SELCHANGE   (TCN_FIRST - 1)
#define TCN_SELCHANGING (TCN_FIRST - 2)
