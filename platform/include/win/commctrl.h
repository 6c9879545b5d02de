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

// ---- up-down controls -----------------------------------------------------------------------------------
#define UPDOWN_CLASSW u"msctls_updown32"

#define UDS_WRAP        0x0001
#define UDS_SETBUDDYINT 0x0002
#define UDS_ALIGNRIGHT  0x0004
#define UDS_ALIGNLEFT   0x0008
#define UDS_AUTOBUDDY   0x0010
#define UDS_ARROWKEYS   0x0020
#define UDS_HORZ        0x0040
#define UDS_NOTHOUSANDS 0x0080

#define UDM_SETRANGE   (WM_USER + 101)
#define UDM_GETRANGE   (WM_USER + 102)
#define UDM_SETPOS     (WM_USER + 103)
#define UDM_GETPOS     (WM_USER + 104)
#define UDM_SETBUDDY   (WM_USER + 105)
#define UDM_GETBUDDY   (WM_USER + 106)
#define UDM_SETBASE    (WM_USER + 109)
#define UDM_GETBASE    (WM_USER + 110)
#define UDM_SETRANGE32 (WM_USER + 111)
#define UDM_GETRANGE32 (WM_USER + 112)
#define UDM_SETPOS32   (WM_USER + 113)
#define UDM_GETPOS32   (WM_USER + 114)

#define UDN_FIRST    (0U - 721U)
#define UDN_DELTAPOS (UDN_FIRST - 1)

typedef struct _NM_UPDOWN {
    NMHDR hdr;
    int   iPos;
    int   iDelta;
} NMUPDOWN, *LPNMUPDOWN;
static_assert(sizeof(NMUPDOWN) == 20);

// ---- trackbars ------------------------------------------------------------------------------------------
#define TRACKBAR_CLASSW u"msctls_trackbar32"

#define TBS_AUTOTICKS 0x0001
#define TBS_VERT      0x0002
#define TBS_HORZ      0x0000
#define TBS_TOP       0x0004
#define TBS_BOTTOM    0x0000
#define TBS_LEFT      0x0004
#define TBS_RIGHT     0x0000
#define TBS_BOTH      0x0008
#define TBS_NOTICKS   0x0010

#define TBM_GETPOS      (WM_USER)
#define TBM_GETRANGEMIN (WM_USER + 1)
#define TBM_GETRANGEMAX (WM_USER + 2)
#define TBM_SETTIC      (WM_USER + 4)
#define TBM_SETPOS      (WM_USER + 5)
#define TBM_SETRANGE    (WM_USER + 6)
#define TBM_SETRANGEMIN (WM_USER + 7)
#define TBM_SETRANGEMAX (WM_USER + 8)
#define TBM_CLEARTICS   (WM_USER + 9)
#define TBM_GETNUMTICS  (WM_USER + 16)
#define TBM_SETTICFREQ  (WM_USER + 20)
#define TBM_SETPAGESIZE (WM_USER + 21)
#define TBM_GETPAGESIZE (WM_USER + 22)
#define TBM_SETLINESIZE (WM_USER + 23)
#define TBM_GETLINESIZE (WM_USER + 24)

#define TB_LINEUP        0
#define TB_LINEDOWN      1
#define TB_PAGEUP        2
#define TB_PAGEDOWN      3
#define TB_THUMBPOSITION 4
#define TB_THUMBTRACK    5
#define TB_TOP           6
#define TB_BOTTOM        7
#define TB_ENDTRACK      8
