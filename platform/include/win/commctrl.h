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

// ---- image lists ----------------------------------------------------------------------------------------
#define ILC_MASK     0x0001
#define ILC_COLOR    0x0000
#define ILC_COLOR4   0x0004
#define ILC_COLOR8   0x0008
#define ILC_COLOR16  0x0010
#define ILC_COLOR24  0x0018
#define ILC_COLOR32  0x0020

#define ILD_NORMAL      0x0000
#define ILD_TRANSPARENT 0x0001
#define ILD_MASK        0x0010

#define CLR_NONE    0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L

PLATFORM_API HIMAGELIST WINAPI ImageList_Create(int cx, int cy, UINT flags, int cInitial, int cGrow);
PLATFORM_API BOOL       WINAPI ImageList_Destroy(HIMAGELIST himl);
PLATFORM_API int        WINAPI ImageList_Add(HIMAGELIST himl, HBITMAP hbmImage, HBITMAP hbmMask);
PLATFORM_API int        WINAPI ImageList_AddMasked(HIMAGELIST himl, HBITMAP hbmImage, COLORREF crMask);
PLATFORM_API BOOL       WINAPI ImageList_Remove(HIMAGELIST himl, int i);
PLATFORM_API int        WINAPI ImageList_GetImageCount(HIMAGELIST himl);
PLATFORM_API BOOL       WINAPI ImageList_GetIconSize(HIMAGELIST himl, int* cx, int* cy);
PLATFORM_API BOOL       WINAPI ImageList_Draw(HIMAGELIST himl, int i, HDC hdcDst, int x, int y, UINT fStyle);

// ---- list views -----------------------------------------------------------------------------------------
#define WC_LISTVIEWW u"SysListView32"

#define LVS_ICON            0x0000
#define LVS_REPORT          0x0001
#define LVS_SMALLICON       0x0002
#define LVS_LIST            0x0003
#define LVS_TYPEMASK        0x0003
#define LVS_SINGLESEL       0x0004
#define LVS_SHOWSELALWAYS   0x0008
#define LVS_SORTASCENDING   0x0010
#define LVS_SORTDESCENDING  0x0020
#define LVS_SHAREIMAGELISTS 0x0040
#define LVS_NOLABELWRAP     0x0080
#define LVS_AUTOARRANGE     0x0100
#define LVS_EDITLABELS      0x0200
#define LVS_OWNERDRAWFIXED  0x0400
#define LVS_NOSCROLL        0x2000
#define LVS_NOCOLUMNHEADER  0x4000
#define LVS_NOSORTHEADER    0x8000

#define LVSIL_NORMAL 0
#define LVSIL_SMALL  1
#define LVSIL_STATE  2

#define LVIF_TEXT   0x0001
#define LVIF_IMAGE  0x0002
#define LVIF_PARAM  0x0004
#define LVIF_STATE  0x0008
#define LVIF_INDENT 0x0010

#define LVIS_FOCUSED        0x0001
#define LVIS_SELECTED       0x0002
#define LVIS_CUT            0x0004
#define LVIS_DROPHILITED    0x0008
#define LVIS_STATEIMAGEMASK 0xF000

#define LVNI_ALL      0x0000
#define LVNI_FOCUSED  0x0001
#define LVNI_SELECTED 0x0002

#define LVCF_FMT     0x0001
#define LVCF_WIDTH   0x0002
#define LVCF_TEXT    0x0004
#define LVCF_SUBITEM 0x0008

#define LVCFMT_LEFT   0x0000
#define LVCFMT_RIGHT  0x0001
#define LVCFMT_CENTER 0x0002

#define LVFI_PARAM   0x0001
#define LVFI_STRING  0x0002
#define LVFI_PARTIAL 0x0008
#define LVFI_WRAP    0x0020

#define LVS_EX_GRIDLINES     0x00000001
#define LVS_EX_CHECKBOXES    0x00000004
#define LVS_EX_FULLROWSELECT 0x00000020

typedef struct tagLVITEMW {
    UINT   mask;
    int    iItem;
    int    iSubItem;
    UINT   state;
    UINT   stateMask;
    LPWSTR pszText;
    int    cchTextMax;
    int    iImage;
    LPARAM lParam;
    int    iIndent;
} LVITEMW, *LPLVITEMW;
static_assert(sizeof(LVITEMW) == 40);

typedef struct tagLVCOLUMNW {
    UINT   mask;
    int    fmt;
    int    cx;
    LPWSTR pszText;
    int    cchTextMax;
    int    iSubItem;
    int    iImage;
    int    iOrder;
} LVCOLUMNW, *LPLVCOLUMNW;
static_assert(sizeof(LVCOLUMNW) == 32);

typedef struct tagLVFINDINFOW {
    UINT    flags;
    LPCWSTR psz;
    LPARAM  lParam;
    POINT   pt;
    UINT    vkDirection;
} LVFINDINFOW, *LPFINDINFOW;
static_assert(sizeof(LVFINDINFOW) == 24);

typedef struct tagNMLISTVIEW {
    NMHDR  hdr;
    int    iItem;
    int    iSubItem;
    UINT   uNewState;
    UINT   uOldState;
    UINT   uChanged;
    POINT  ptAction;
    LPARAM lParam;
} NMLISTVIEW, *LPNMLISTVIEW;
static_assert(sizeof(NMLISTVIEW) == 44);

typedef int (CALLBACK* PFNLVCOMPARE)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

#define LVM_FIRST                   0x1000
#define LVM_GETBKCOLOR              (LVM_FIRST + 0)
#define LVM_SETBKCOLOR              (LVM_FIRST + 1)
#define LVM_GETIMAGELIST            (LVM_FIRST + 2)
#define LVM_SETIMAGELIST            (LVM_FIRST + 3)
#define LVM_GETITEMCOUNT            (LVM_FIRST + 4)
#define LVM_DELETEITEM              (LVM_FIRST + 8)
#define LVM_DELETEALLITEMS          (LVM_FIRST + 9)
#define LVM_GETNEXTITEM             (LVM_FIRST + 12)
#define LVM_GETITEMRECT             (LVM_FIRST + 14)
#define LVM_ENSUREVISIBLE           (LVM_FIRST + 19)
#define LVM_DELETECOLUMN            (LVM_FIRST + 28)
#define LVM_GETCOLUMNWIDTH          (LVM_FIRST + 29)
#define LVM_SETCOLUMNWIDTH          (LVM_FIRST + 30)
#define LVM_GETTEXTCOLOR            (LVM_FIRST + 35)
#define LVM_SETTEXTCOLOR            (LVM_FIRST + 36)
#define LVM_GETTEXTBKCOLOR          (LVM_FIRST + 37)
#define LVM_SETTEXTBKCOLOR          (LVM_FIRST + 38)
#define LVM_GETTOPINDEX             (LVM_FIRST + 39)
#define LVM_GETCOUNTPERPAGE         (LVM_FIRST + 40)
#define LVM_SETITEMSTATE            (LVM_FIRST + 43)
#define LVM_GETITEMSTATE            (LVM_FIRST + 44)
#define LVM_SORTITEMS               (LVM_FIRST + 48)
#define LVM_GETSELECTEDCOUNT        (LVM_FIRST + 50)
#define LVM_SETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 54)
#define LVM_GETEXTENDEDLISTVIEWSTYLE (LVM_FIRST + 55)
#define LVM_GETITEMW                (LVM_FIRST + 75)
#define LVM_SETITEMW                (LVM_FIRST + 76)
#define LVM_INSERTITEMW             (LVM_FIRST + 77)
#define LVM_FINDITEMW               (LVM_FIRST + 83)
#define LVM_GETCOLUMNW              (LVM_FIRST + 95)
#define LVM_SETCOLUMNW              (LVM_FIRST + 96)
#define LVM_INSERTCOLUMNW           (LVM_FIRST + 97)
#define LVM_GETITEMTEXTW            (LVM_FIRST + 115)
#define LVM_SETITEMTEXTW            (LVM_FIRST + 116)

#define LVN_FIRST          (0U - 100U)
#define LVN_ITEMCHANGING   (LVN_FIRST - 0)
#define LVN_ITEMCHANGED    (LVN_FIRST - 1)
#define LVN_INSERTITEM     (LVN_FIRST - 2)
#define LVN_DELETEITEM     (LVN_FIRST - 3)
#define LVN_DELETEALLITEMS (LVN_FIRST - 4)
#define LVN_COLUMNCLICK    (LVN_FIRST - 8)
