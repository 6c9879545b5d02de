#pragma once
// winuser.h - the window manager: resources by id, formatting and character case, windows and their messages,
// dialogs, focus, painting and the standard controls' messages and notifications.

#include <cstdarg>
#include "win/wingdi.h"

PLATFORM_API int     WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
PLATFORM_API HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
PLATFORM_API HICON   WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
PLATFORM_API HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
PLATFORM_API BOOL    WINAPI DestroyIcon(HICON hIcon);
PLATFORM_API BOOL    WINAPI DestroyCursor(HCURSOR hCursor);

// Output is capped at 1,024 characters and a terminator after them (a buffer of 1,025), as Windows does.
PLATFORM_API int    wsprintfW(LPWSTR lpOut, LPCWSTR lpFmt, ...);
PLATFORM_API int    WINAPI wvsprintfW(LPWSTR lpOut, LPCWSTR lpFmt, va_list arglist);
PLATFORM_API LPWSTR WINAPI CharUpperW(LPWSTR lpsz);
PLATFORM_API LPWSTR WINAPI CharLowerW(LPWSTR lpsz);

// Drawing with a brush on a device context (the window manager's own helpers).
PLATFORM_API int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);

// ---- windows and classes -------------------------------------------------------------------------------
typedef LRESULT (CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
typedef INT_PTR (CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

#define CS_VREDRAW    0x0001
#define CS_HREDRAW    0x0002
#define CS_DBLCLKS    0x0008
#define CS_OWNDC      0x0020
#define CS_PARENTDC   0x0080
#define CS_SAVEBITS   0x0800
#define CS_GLOBALCLASS 0x4000

typedef struct tagWNDCLASSW {
    UINT      style;
    WNDPROC   lpfnWndProc;
    int       cbClsExtra;
    int       cbWndExtra;
    HINSTANCE hInstance;
    HICON     hIcon;
    HCURSOR   hCursor;
    HBRUSH    hbrBackground;
    LPCWSTR   lpszMenuName;
    LPCWSTR   lpszClassName;
} WNDCLASSW, *PWNDCLASSW, *LPWNDCLASSW;
static_assert(sizeof(WNDCLASSW) == 40);

typedef struct tagCREATESTRUCTW {
    LPVOID    lpCreateParams;
    HINSTANCE hInstance;
    HMENU     hMenu;
    HWND      hwndParent;
    int       cy;
    int       cx;
    int       y;
    int       x;
    LONG      style;
    LPCWSTR   lpszName;
    LPCWSTR   lpszClass;
    DWORD     dwExStyle;
} CREATESTRUCTW, *LPCREATESTRUCTW;
static_assert(sizeof(CREATESTRUCTW) == 48);

// Window styles
#define WS_OVERLAPPED   0x00000000L
#define WS_POPUP        0x80000000L
#define WS_CHILD        0x40000000L
#define WS_MINIMIZE     0x20000000L
#define WS_VISIBLE      0x10000000L
#define WS_DISABLED     0x08000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_MAXIMIZE     0x01000000L
#define WS_CAPTION      0x00C00000L
#define WS_BORDER       0x00800000L
#define WS_DLGFRAME     0x00400000L
#define WS_VSCROLL      0x00200000L
#define WS_HSCROLL      0x00100000L
#define WS_SYSMENU      0x00080000L
#define WS_THICKFRAME   0x00040000L
#define WS_GROUP        0x00020000L
#define WS_TABSTOP      0x00010000L
#define WS_MINIMIZEBOX  0x00020000L
#define WS_MAXIMIZEBOX  0x00010000L
#define WS_POPUPWINDOW  (WS_POPUP | WS_BORDER | WS_SYSMENU)

#define WS_EX_DLGMODALFRAME  0x00000001L
#define WS_EX_NOPARENTNOTIFY 0x00000004L
#define WS_EX_TOPMOST        0x00000008L
#define WS_EX_TRANSPARENT    0x00000020L
#define WS_EX_TOOLWINDOW     0x00000080L
#define WS_EX_WINDOWEDGE     0x00000100L
#define WS_EX_CLIENTEDGE     0x00000200L
#define WS_EX_CONTEXTHELP    0x00000400L
#define WS_EX_RIGHT          0x00001000L
#define WS_EX_STATICEDGE     0x00020000L
#define WS_EX_CONTROLPARENT  0x00010000L

#define CW_USEDEFAULT ((int)0x80000000)
#define HWND_DESKTOP  ((HWND)0)
#define HWND_TOP      ((HWND)0)
#define HWND_BOTTOM   ((HWND)1)

// Window longs
#define GWL_WNDPROC    (-4)
#define GWL_HINSTANCE  (-6)
#define GWL_HWNDPARENT (-8)
#define GWL_STYLE      (-16)
#define GWL_EXSTYLE    (-20)
#define GWL_USERDATA   (-21)
#define GWL_ID         (-12)
#define GWLP_WNDPROC   GWL_WNDPROC
#define GWLP_HINSTANCE GWL_HINSTANCE
#define GWLP_USERDATA  GWL_USERDATA
#define GWLP_ID        GWL_ID

// The dialog's own window longs, in the extra bytes of its class
#define DWL_MSGRESULT  0
#define DWL_DLGPROC    4
#define DWL_USER       8
#define DWLP_MSGRESULT DWL_MSGRESULT
#define DWLP_DLGPROC   DWL_DLGPROC
#define DWLP_USER      DWL_USER
#define DLGWINDOWEXTRA 30

// Class longs
#define GCL_MENUNAME      (-8)
#define GCL_HBRBACKGROUND (-10)
#define GCL_HCURSOR       (-12)
#define GCL_HICON         (-14)
#define GCL_CBWNDEXTRA    (-18)
#define GCL_CBCLSEXTRA    (-20)
#define GCL_WNDPROC       (-24)
#define GCL_STYLE         (-26)

// Messages
#define WM_NULL             0x0000
#define WM_CREATE           0x0001
#define WM_DESTROY          0x0002
#define WM_MOVE             0x0003
#define WM_SIZE             0x0005
#define WM_ACTIVATE         0x0006
#define WM_SETFOCUS         0x0007
#define WM_KILLFOCUS        0x0008
#define WM_ENABLE           0x000A
#define WM_SETREDRAW        0x000B
#define WM_SETTEXT          0x000C
#define WM_GETTEXT          0x000D
#define WM_GETTEXTLENGTH    0x000E
#define WM_PAINT            0x000F
#define WM_CLOSE            0x0010
#define WM_QUIT             0x0012
#define WM_ERASEBKGND       0x0014
#define WM_SYSCOLORCHANGE   0x0015
#define WM_SHOWWINDOW       0x0018
#define WM_CANCELMODE       0x001F
#define WM_SETCURSOR        0x0020
#define WM_MOUSEACTIVATE    0x0021
#define WM_NEXTDLGCTL       0x0028
#define WM_DRAWITEM         0x002B
#define WM_MEASUREITEM      0x002C
#define WM_DELETEITEM       0x002D
#define WM_SETFONT          0x0030
#define WM_GETFONT          0x0031
#define WM_COMPAREITEM      0x0039
#define WM_WINDOWPOSCHANGED 0x0047
#define WM_NOTIFY           0x004E
#define WM_HELP             0x0053
#define WM_NOTIFYFORMAT     0x0055
#define WM_CONTEXTMENU      0x007B
#define WM_STYLECHANGED     0x007D
#define WM_NCCREATE         0x0081
#define WM_NCDESTROY        0x0082
#define WM_NCHITTEST        0x0084
#define WM_GETDLGCODE       0x0087
#define WM_KEYDOWN          0x0100
#define WM_KEYUP            0x0101
#define WM_CHAR             0x0102
#define WM_INITDIALOG       0x0110
#define WM_COMMAND          0x0111
#define WM_SYSCOMMAND       0x0112
#define WM_TIMER            0x0113
#define WM_HSCROLL          0x0114
#define WM_VSCROLL          0x0115
#define WM_INITMENUPOPUP    0x0117
#define WM_MENUSELECT       0x011F
#define WM_ENTERIDLE        0x0121
#define WM_CTLCOLORMSGBOX   0x0132
#define WM_CTLCOLOREDIT     0x0133
#define WM_CTLCOLORLISTBOX  0x0134
#define WM_CTLCOLORBTN      0x0135
#define WM_CTLCOLORDLG      0x0136
#define WM_CTLCOLORSCROLLBAR 0x0137
#define WM_CTLCOLORSTATIC   0x0138
#define WM_MOUSEMOVE        0x0200
#define WM_LBUTTONDOWN      0x0201
#define WM_LBUTTONUP        0x0202
#define WM_LBUTTONDBLCLK    0x0203
#define WM_RBUTTONDOWN      0x0204
#define WM_RBUTTONUP        0x0205
#define WM_PARENTNOTIFY     0x0210
#define WM_CAPTURECHANGED   0x0215
#define WM_CUT              0x0300
#define WM_COPY             0x0301
#define WM_PASTE            0x0302
#define WM_CLEAR            0x0303
#define WM_UNDO             0x0304
#define WM_USER             0x0400

#define MAKEWPARAM(l, h)  ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h)  ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKELRESULT(l, h) ((LRESULT)(DWORD)MAKELONG(l, h))
#define WM_APP              0x8000

// WM_ACTIVATE
#define WA_INACTIVE 0
#define WA_ACTIVE   1

// WM_MOUSEACTIVATE answers
#define MA_ACTIVATE 1
#define MA_NOACTIVATE 3

// Mouse key state in a mouse message's wParam
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT   0x0004
#define MK_CONTROL 0x0008

// Virtual keys
#define VK_BACK    0x08
#define VK_TAB     0x09
#define VK_RETURN  0x0D
#define VK_SHIFT   0x10
#define VK_CONTROL 0x11
#define VK_ESCAPE  0x1B
#define VK_SPACE   0x20
#define VK_PRIOR   0x21
#define VK_NEXT    0x22
#define VK_END     0x23
#define VK_HOME    0x24
#define VK_LEFT    0x25
#define VK_UP      0x26
#define VK_RIGHT   0x27
#define VK_DOWN    0x28
#define VK_INSERT  0x2D
#define VK_DELETE  0x2E
#define VK_F1      0x70
#define VK_F4      0x73

// WM_GETDLGCODE answers
#define DLGC_WANTARROWS      0x0001
#define DLGC_WANTTAB         0x0002
#define DLGC_WANTALLKEYS     0x0004
#define DLGC_WANTMESSAGE     0x0004
#define DLGC_HASSETSEL       0x0008
#define DLGC_DEFPUSHBUTTON   0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_RADIOBUTTON     0x0040
#define DLGC_WANTCHARS       0x0080
#define DLGC_STATIC          0x0100
#define DLGC_BUTTON          0x2000

// ShowWindow
#define SW_HIDE           0
#define SW_SHOWNORMAL     1
#define SW_NORMAL         1
#define SW_SHOWMINIMIZED  2
#define SW_SHOWMAXIMIZED  3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW           5
#define SW_MINIMIZE       6
#define SW_SHOWNA         8
#define SW_RESTORE        9

// SetWindowPos
#define SWP_NOSIZE         0x0001
#define SWP_NOMOVE         0x0002
#define SWP_NOZORDER       0x0004
#define SWP_NOREDRAW       0x0008
#define SWP_NOACTIVATE     0x0010
#define SWP_FRAMECHANGED   0x0020
#define SWP_SHOWWINDOW     0x0040
#define SWP_HIDEWINDOW     0x0080

// GetWindow
#define GW_HWNDFIRST 0
#define GW_HWNDLAST  1
#define GW_HWNDNEXT  2
#define GW_HWNDPREV  3
#define GW_OWNER     4
#define GW_CHILD     5

typedef struct tagMSG {
    HWND   hwnd;
    UINT   message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD  time;
    POINT  pt;
} MSG, *PMSG, *LPMSG;
static_assert(sizeof(MSG) == 28);

typedef struct tagPAINTSTRUCT {
    HDC  hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
} PAINTSTRUCT, *PPAINTSTRUCT, *LPPAINTSTRUCT;
static_assert(sizeof(PAINTSTRUCT) == 64);

#define PM_NOREMOVE 0x0000
#define PM_REMOVE   0x0001

PLATFORM_API ATOM    WINAPI RegisterClassW(const WNDCLASSW* lpWndClass);
PLATFORM_API BOOL    WINAPI UnregisterClassW(LPCWSTR lpClassName, HINSTANCE hInstance);
PLATFORM_API BOOL    WINAPI GetClassInfoW(HINSTANCE hInstance, LPCWSTR lpClassName, LPWNDCLASSW lpWndClass);
PLATFORM_API int     WINAPI GetClassNameW(HWND hWnd, LPWSTR lpClassName, int nMaxCount);
PLATFORM_API DWORD   WINAPI GetClassLongW(HWND hWnd, int nIndex);
PLATFORM_API DWORD   WINAPI SetClassLongW(HWND hWnd, int nIndex, LONG dwNewLong);
PLATFORM_API HWND    WINAPI CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle,
                                            int X, int Y, int nWidth, int nHeight, HWND hWndParent, HMENU hMenu,
                                            HINSTANCE hInstance, LPVOID lpParam);
PLATFORM_API BOOL    WINAPI DestroyWindow(HWND hWnd);
PLATFORM_API BOOL    WINAPI IsWindow(HWND hWnd);
PLATFORM_API BOOL    WINAPI IsChild(HWND hWndParent, HWND hWnd);
PLATFORM_API HWND    WINAPI GetParent(HWND hWnd);
PLATFORM_API HWND    WINAPI GetWindow(HWND hWnd, UINT uCmd);
PLATFORM_API HWND    WINAPI GetDesktopWindow(void);
PLATFORM_API LONG    WINAPI GetWindowLongW(HWND hWnd, int nIndex);
PLATFORM_API LONG    WINAPI SetWindowLongW(HWND hWnd, int nIndex, LONG dwNewLong);
#define GetWindowLongPtrW GetWindowLongW
#define SetWindowLongPtrW SetWindowLongW
PLATFORM_API LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLATFORM_API LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLATFORM_API LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLATFORM_API BOOL    WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
PLATFORM_API void    WINAPI PostQuitMessage(int nExitCode);
PLATFORM_API BOOL    WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg);
PLATFORM_API LRESULT WINAPI DispatchMessageW(const MSG* lpMsg);
PLATFORM_API BOOL    WINAPI SetWindowTextW(HWND hWnd, LPCWSTR lpString);
PLATFORM_API int     WINAPI GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount);
PLATFORM_API int     WINAPI GetWindowTextLengthW(HWND hWnd);
PLATFORM_API BOOL    WINAPI EnableWindow(HWND hWnd, BOOL bEnable);
PLATFORM_API BOOL    WINAPI IsWindowEnabled(HWND hWnd);
PLATFORM_API BOOL    WINAPI ShowWindow(HWND hWnd, int nCmdShow);
PLATFORM_API BOOL    WINAPI IsWindowVisible(HWND hWnd);
PLATFORM_API HWND    WINAPI SetFocus(HWND hWnd);
PLATFORM_API HWND    WINAPI GetFocus(void);
PLATFORM_API HWND    WINAPI GetActiveWindow(void);
PLATFORM_API HWND    WINAPI SetActiveWindow(HWND hWnd);
PLATFORM_API HWND    WINAPI SetCapture(HWND hWnd);
PLATFORM_API BOOL    WINAPI ReleaseCapture(void);
PLATFORM_API HWND    WINAPI GetCapture(void);

// ---- geometry ---------------------------------------------------------------------------------------------
PLATFORM_API BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect);
PLATFORM_API BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect);
PLATFORM_API BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint);
PLATFORM_API BOOL WINAPI SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
PLATFORM_API int  WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints);
PLATFORM_API BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint);
PLATFORM_API BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint);
PLATFORM_API HWND WINAPI WindowFromPoint(POINT Point);
PLATFORM_API HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point);
PLATFORM_API BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom);
PLATFORM_API BOOL WINAPI SetRectEmpty(LPRECT lprc);
PLATFORM_API BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc);
PLATFORM_API BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy);
PLATFORM_API BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy);
PLATFORM_API BOOL WINAPI IsRectEmpty(const RECT* lprc);
PLATFORM_API BOOL WINAPI PtInRect(const RECT* lprc, POINT pt);
PLATFORM_API BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
PLATFORM_API BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2);
PLATFORM_API BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2);

// System metrics of the 1024 x 768 screen the stand-in shows its windows on
#define SM_CXSCREEN   0
#define SM_CYSCREEN   1
#define SM_CXVSCROLL  2
#define SM_CYHSCROLL  3
#define SM_CYCAPTION  4
#define SM_CXBORDER   5
#define SM_CYBORDER   6
#define SM_CXDLGFRAME 7
#define SM_CYDLGFRAME 8
#define SM_CXICON     11
#define SM_CYICON     12
#define SM_CXCURSOR   13
#define SM_CYCURSOR   14
#define SM_CYMENU     15
#define SM_CXEDGE     45
#define SM_CYEDGE     46
#define SM_CXSMICON   49
#define SM_CYSMICON   50
#define SM_MOUSEPRESENT 19
PLATFORM_API int WINAPI GetSystemMetrics(int nIndex);

// System colours
#define COLOR_SCROLLBAR     0
#define COLOR_BACKGROUND    1
#define COLOR_ACTIVECAPTION 2
#define COLOR_INACTIVECAPTION 3
#define COLOR_MENU          4
#define COLOR_WINDOW        5
#define COLOR_WINDOWFRAME   6
#define COLOR_MENUTEXT      7
#define COLOR_WINDOWTEXT    8
#define COLOR_CAPTIONTEXT   9
#define COLOR_ACTIVEBORDER  10
#define COLOR_INACTIVEBORDER 11
#define COLOR_APPWORKSPACE  12
#define COLOR_HIGHLIGHT     13
#define COLOR_HIGHLIGHTTEXT 14
#define COLOR_BTNFACE       15
#define COLOR_BTNSHADOW     16
#define COLOR_GRAYTEXT      17
#define COLOR_BTNTEXT       18
#define COLOR_INACTIVECAPTIONTEXT 19
#define COLOR_BTNHIGHLIGHT  20
#define COLOR_3DDKSHADOW    21
#define COLOR_3DLIGHT       22
#define COLOR_INFOTEXT      23
#define COLOR_INFOBK        24
#define COLOR_3DFACE        COLOR_BTNFACE
#define COLOR_3DSHADOW      COLOR_BTNSHADOW
#define COLOR_3DHIGHLIGHT   COLOR_BTNHIGHLIGHT
PLATFORM_API DWORD  WINAPI GetSysColor(int nIndex);
PLATFORM_API HBRUSH WINAPI GetSysColorBrush(int nIndex);

// ---- painting ---------------------------------------------------------------------------------------------
#define RDW_INVALIDATE      0x0001
#define RDW_INTERNALPAINT   0x0002
#define RDW_ERASE           0x0004
#define RDW_VALIDATE        0x0008
#define RDW_NOINTERNALPAINT 0x0010
#define RDW_NOERASE         0x0020
#define RDW_NOCHILDREN      0x0040
#define RDW_ALLCHILDREN     0x0080
#define RDW_UPDATENOW       0x0100
#define RDW_ERASENOW        0x0200
#define RDW_FRAME           0x0400
#define RDW_NOFRAME         0x0800

PLATFORM_API HDC  WINAPI GetDC(HWND hWnd);
PLATFORM_API HDC  WINAPI GetWindowDC(HWND hWnd);
PLATFORM_API int  WINAPI ReleaseDC(HWND hWnd, HDC hDC);
PLATFORM_API HDC  WINAPI BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint);
PLATFORM_API BOOL WINAPI EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint);
PLATFORM_API BOOL WINAPI InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase);
PLATFORM_API BOOL WINAPI ValidateRect(HWND hWnd, const RECT* lpRect);
PLATFORM_API BOOL WINAPI UpdateWindow(HWND hWnd);
PLATFORM_API BOOL WINAPI RedrawWindow(HWND hWnd, const RECT* lprcUpdate, HRGN hrgnUpdate, UINT flags);
PLATFORM_API BOOL WINAPI GetUpdateRect(HWND hWnd, LPRECT lpRect, BOOL bErase);

// DrawTextW formats
#define DT_TOP        0x00000000
#define DT_LEFT       0x00000000
#define DT_CENTER     0x00000001
#define DT_RIGHT      0x00000002
#define DT_VCENTER    0x00000004
#define DT_BOTTOM     0x00000008
#define DT_WORDBREAK  0x00000010
#define DT_SINGLELINE 0x00000020
#define DT_EXPANDTABS 0x00000040
#define DT_NOCLIP     0x00000100
#define DT_CALCRECT   0x00000400
#define DT_NOPREFIX   0x00000800
#define DT_END_ELLIPSIS 0x00008000
PLATFORM_API int  WINAPI DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format);

// DrawEdge and DrawFocusRect
#define BDR_RAISEDOUTER 0x0001
#define BDR_SUNKENOUTER 0x0002
#define BDR_RAISEDINNER 0x0004
#define BDR_SUNKENINNER 0x0008
#define EDGE_RAISED     (BDR_RAISEDOUTER | BDR_RAISEDINNER)
#define EDGE_SUNKEN     (BDR_SUNKENOUTER | BDR_SUNKENINNER)
#define EDGE_ETCHED     (BDR_SUNKENOUTER | BDR_RAISEDINNER)
#define EDGE_BUMP       (BDR_RAISEDOUTER | BDR_SUNKENINNER)
#define BF_LEFT   0x0001
#define BF_TOP    0x0002
#define BF_RIGHT  0x0004
#define BF_BOTTOM 0x0008
#define BF_RECT   (BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM)
#define BF_MIDDLE 0x0800
#define BF_ADJUST 0x2000
PLATFORM_API BOOL WINAPI DrawEdge(HDC hdc, LPRECT qrc, UINT edge, UINT grfFlags);
PLATFORM_API BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc);
PLATFORM_API int  WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
PLATFORM_API BOOL WINAPI DrawIcon(HDC hDC, int X, int Y, HICON hIcon);

// ---- the mouse and cursors ----------------------------------------------------------------------------------
#define IDC_ARROW   MAKEINTRESOURCEW(32512)
#define IDC_IBEAM   MAKEINTRESOURCEW(32513)
#define IDC_WAIT    MAKEINTRESOURCEW(32514)
#define IDC_CROSS   MAKEINTRESOURCEW(32515)
#define IDC_SIZEALL MAKEINTRESOURCEW(32646)
#define IDC_NO      MAKEINTRESOURCEW(32648)
#define IDC_HAND    MAKEINTRESOURCEW(32649)
#define IDI_APPLICATION MAKEINTRESOURCEW(32512)
#define IDI_HAND        MAKEINTRESOURCEW(32513)
#define IDI_QUESTION    MAKEINTRESOURCEW(32514)
#define IDI_EXCLAMATION MAKEINTRESOURCEW(32515)
#define IDI_ASTERISK    MAKEINTRESOURCEW(32516)
PLATFORM_API HCURSOR WINAPI SetCursor(HCURSOR hCursor);
PLATFORM_API HCURSOR WINAPI GetCursor(void);
PLATFORM_API BOOL    WINAPI GetCursorPos(LPPOINT lpPoint);
PLATFORM_API BOOL    WINAPI SetCursorPos(int X, int Y);
PLATFORM_API int     WINAPI ShowCursor(BOOL bShow);

// ---- dialogs --------------------------------------------------------------------------------------------
#define DS_ABSALIGN    0x0001L
#define DS_SYSMODAL    0x0002L
#define DS_LOCALEDIT   0x0020L
#define DS_SETFONT     0x0040L
#define DS_MODALFRAME  0x0080L
#define DS_NOIDLEMSG   0x0100L
#define DS_SETFOREGROUND 0x0200L
#define DS_3DLOOK      0x0004L
#define DS_FIXEDSYS    0x0008L
#define DS_NOFAILCREATE 0x0010L
#define DS_CONTROL     0x0400L
#define DS_CENTER      0x0800L
#define DS_CENTERMOUSE 0x1000L
#define DS_CONTEXTHELP 0x2000L
#define DS_SHELLFONT   (DS_SETFONT | DS_FIXEDSYS)

#define IDOK       1
#define IDCANCEL   2
#define IDABORT    3
#define IDRETRY    4
#define IDIGNORE   5
#define IDYES      6
#define IDNO       7
#define IDCLOSE    8
#define IDHELP     9
#define IDTRYAGAIN 10
#define IDCONTINUE 11

#define DM_GETDEFID (WM_USER + 0)
#define DM_SETDEFID (WM_USER + 1)
#define DC_HASDEFID 0x534B

PLATFORM_API INT_PTR WINAPI DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                                            DLGPROC lpDialogFunc, LPARAM dwInitParam);
PLATFORM_API HWND    WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                                               DLGPROC lpDialogFunc, LPARAM dwInitParam);
#define DialogBoxW(hInstance, lpTemplate, hWndParent, lpDialogFunc) \
    DialogBoxParamW(hInstance, lpTemplate, hWndParent, lpDialogFunc, 0L)
#define CreateDialogW(hInstance, lpName, hWndParent, lpDialogFunc) \
    CreateDialogParamW(hInstance, lpName, hWndParent, lpDialogFunc, 0L)
PLATFORM_API BOOL    WINAPI EndDialog(HWND hDlg, INT_PTR nResult);
PLATFORM_API LRESULT WINAPI DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
PLATFORM_API BOOL    WINAPI IsDialogMessageW(HWND hDlg, LPMSG lpMsg);
PLATFORM_API HWND    WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem);
PLATFORM_API int     WINAPI GetDlgCtrlID(HWND hWnd);
PLATFORM_API LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam);
PLATFORM_API BOOL    WINAPI SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString);
PLATFORM_API UINT    WINAPI GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax);
PLATFORM_API BOOL    WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned);
PLATFORM_API UINT    WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned);
PLATFORM_API BOOL    WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck);
PLATFORM_API UINT    WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton);
PLATFORM_API BOOL    WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
PLATFORM_API HWND    WINAPI GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
PLATFORM_API HWND    WINAPI GetNextDlgGroupItem(HWND hDlg, HWND hCtl, BOOL bPrevious);
PLATFORM_API BOOL    WINAPI MapDialogRect(HWND hDlg, LPRECT lpRect);
PLATFORM_API LONG    WINAPI GetDialogBaseUnits(void);

// ---- buttons --------------------------------------------------------------------------------------------
#define BS_PUSHBUTTON      0x00000000L
#define BS_DEFPUSHBUTTON   0x00000001L
#define BS_CHECKBOX        0x00000002L
#define BS_AUTOCHECKBOX    0x00000003L
#define BS_RADIOBUTTON     0x00000004L
#define BS_3STATE          0x00000005L
#define BS_AUTO3STATE      0x00000006L
#define BS_GROUPBOX        0x00000007L
#define BS_USERBUTTON      0x00000008L
#define BS_AUTORADIOBUTTON 0x00000009L
#define BS_PUSHBOX         0x0000000AL
#define BS_OWNERDRAW       0x0000000BL
#define BS_TYPEMASK        0x0000000FL
#define BS_LEFTTEXT        0x00000020L
#define BS_ICON            0x00000040L
#define BS_BITMAP          0x00000080L
#define BS_PUSHLIKE        0x00001000L
#define BS_MULTILINE       0x00002000L
#define BS_NOTIFY          0x00004000L

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_SETSTYLE 0x00F4
#define BM_CLICK    0x00F5
#define BM_GETIMAGE 0x00F6
#define BM_SETIMAGE 0x00F7

#define BST_UNCHECKED     0x0000
#define BST_CHECKED       0x0001
#define BST_INDETERMINATE 0x0002
#define BST_PUSHED        0x0004
#define BST_FOCUS         0x0008

#define BN_CLICKED       0
#define BN_PAINT         1
#define BN_HILITE        2
#define BN_UNHILITE      3
#define BN_DISABLE       4
#define BN_DOUBLECLICKED 5
#define BN_SETFOCUS      6
#define BN_KILLFOCUS     7

#define IMAGE_BITMAP 0
#define IMAGE_ICON   1
#define IMAGE_CURSOR 2

// ---- owner drawing -------------------------------------------------------------------------------------
#define ODT_MENU     1
#define ODT_LISTBOX  2
#define ODT_COMBOBOX 3
#define ODT_BUTTON   4
#define ODT_STATIC   5

#define ODA_DRAWENTIRE 0x0001
#define ODA_SELECT     0x0002
#define ODA_FOCUS      0x0004

#define ODS_SELECTED     0x0001
#define ODS_GRAYED       0x0002
#define ODS_DISABLED     0x0004
#define ODS_CHECKED      0x0008
#define ODS_FOCUS        0x0010
#define ODS_DEFAULT      0x0020
#define ODS_COMBOBOXEDIT 0x1000

typedef struct tagDRAWITEMSTRUCT {
    UINT      CtlType;
    UINT      CtlID;
    UINT      itemID;
    UINT      itemAction;
    UINT      itemState;
    HWND      hwndItem;
    HDC       hDC;
    RECT      rcItem;
    ULONG_PTR itemData;
} DRAWITEMSTRUCT, *PDRAWITEMSTRUCT, *LPDRAWITEMSTRUCT;
static_assert(sizeof(DRAWITEMSTRUCT) == 48);

typedef struct tagMEASUREITEMSTRUCT {
    UINT      CtlType;
    UINT      CtlID;
    UINT      itemID;
    UINT      itemWidth;
    UINT      itemHeight;
    ULONG_PTR itemData;
} MEASUREITEMSTRUCT, *PMEASUREITEMSTRUCT, *LPMEASUREITEMSTRUCT;
static_assert(sizeof(MEASUREITEMSTRUCT) == 24);

typedef struct tagDELETEITEMSTRUCT {
    UINT      CtlType;
    UINT      CtlID;
    UINT      itemID;
    HWND      hwndItem;
    ULONG_PTR itemData;
} DELETEITEMSTRUCT, *PDELETEITEMSTRUCT, *LPDELETEITEMSTRUCT;

typedef struct tagCOMPAREITEMSTRUCT {
    UINT      CtlType;
    UINT      CtlID;
    HWND      hwndItem;
    UINT      itemID1;
    ULONG_PTR itemData1;
    UINT      itemID2;
    ULONG_PTR itemData2;
    DWORD     dwLocaleId;
} COMPAREITEMSTRUCT, *PCOMPAREITEMSTRUCT, *LPCOMPAREITEMSTRUCT;

// ---- help -------------------------------------------------------------------------------------------------
#define HELPINFO_WINDOW   0x0001
#define HELPINFO_MENUITEM 0x0002

typedef struct tagHELPINFO {
    UINT      cbSize;
    int       iContextType;
    int       iCtrlId;
    HANDLE    hItemHandle;
    DWORD_PTR dwContextId;
    POINT     MousePos;
} HELPINFO, *LPHELPINFO;
static_assert(sizeof(HELPINFO) == 28);

// ---- statics --------------------------------------------------------------------------------------------
#define SS_LEFT           0x00000000L
#define SS_CENTER         0x00000001L
#define SS_RIGHT          0x00000002L
#define SS_ICON           0x00000003L
#define SS_BLACKRECT      0x00000004L
#define SS_GRAYRECT       0x00000005L
#define SS_WHITERECT      0x00000006L
#define SS_BLACKFRAME     0x00000007L
#define SS_GRAYFRAME      0x00000008L
#define SS_WHITEFRAME     0x00000009L
#define SS_SIMPLE         0x0000000BL
#define SS_LEFTNOWORDWRAP 0x0000000CL
#define SS_OWNERDRAW      0x0000000DL
#define SS_BITMAP         0x0000000EL
#define SS_ETCHEDHORZ     0x00000010L
#define SS_ETCHEDVERT     0x00000011L
#define SS_ETCHEDFRAME    0x00000012L
#define SS_TYPEMASK       0x0000001FL
#define SS_NOPREFIX       0x00000080L
#define SS_NOTIFY         0x00000100L
#define SS_CENTERIMAGE    0x00000200L
#define SS_SUNKEN         0x00001000L

#define STM_SETICON  0x0170
#define STM_GETICON  0x0171
#define STM_SETIMAGE 0x0172
#define STM_GETIMAGE 0x0173

#define STN_CLICKED 0
#define STN_DBLCLK  1
#define STN_ENABLE  2
#define STN_DISABLE 3

// ---- edits ----------------------------------------------------------------------------------------------
#define ES_LEFT        0x0000L
#define ES_CENTER      0x0001L
#define ES_RIGHT       0x0002L
#define ES_MULTILINE   0x0004L
#define ES_UPPERCASE   0x0008L
#define ES_LOWERCASE   0x0010L
#define ES_PASSWORD    0x0020L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_NOHIDESEL   0x0100L
#define ES_READONLY    0x0800L
#define ES_WANTRETURN  0x1000L
#define ES_NUMBER      0x2000L

#define EM_GETSEL          0x00B0
#define EM_SETSEL          0x00B1
#define EM_GETRECT         0x00B2
#define EM_SCROLLCARET     0x00B7
#define EM_GETMODIFY       0x00B8
#define EM_SETMODIFY       0x00B9
#define EM_GETLINECOUNT    0x00BA
#define EM_LINEINDEX       0x00BB
#define EM_LINELENGTH      0x00C1
#define EM_REPLACESEL      0x00C2
#define EM_GETLINE         0x00C4
#define EM_LIMITTEXT       0x00C5
#define EM_CANUNDO         0x00C6
#define EM_UNDO            0x00C7
#define EM_LINEFROMCHAR    0x00C9
#define EM_SETTABSTOPS     0x00CB
#define EM_SETPASSWORDCHAR 0x00CC
#define EM_EMPTYUNDOBUFFER 0x00CD
#define EM_SETREADONLY     0x00CF
#define EM_GETPASSWORDCHAR 0x00D2
#define EM_SETLIMITTEXT    EM_LIMITTEXT
#define EM_GETLIMITTEXT    0x00D5

#define EN_SETFOCUS  0x0100
#define EN_KILLFOCUS 0x0200
#define EN_CHANGE    0x0300
#define EN_UPDATE    0x0400
#define EN_ERRSPACE  0x0500
#define EN_MAXTEXT   0x0501
#define EN_HSCROLL   0x0601
#define EN_VSCROLL   0x0602

// ---- list boxes -----------------------------------------------------------------------------------------
#define LBS_NOTIFY            0x0001L
#define LBS_SORT              0x0002L
#define LBS_NOREDRAW          0x0004L
#define LBS_MULTIPLESEL       0x0008L
#define LBS_OWNERDRAWFIXED    0x0010L
#define LBS_OWNERDRAWVARIABLE 0x0020L
#define LBS_HASSTRINGS        0x0040L
#define LBS_USETABSTOPS       0x0080L
#define LBS_NOINTEGRALHEIGHT  0x0100L
#define LBS_WANTKEYBOARDINPUT 0x0400L
#define LBS_EXTENDEDSEL       0x0800L
#define LBS_DISABLENOSCROLL   0x1000L
#define LBS_NOSEL             0x4000L
#define LBS_STANDARD          (LBS_NOTIFY | LBS_SORT | WS_VSCROLL | WS_BORDER)

#define LB_ADDSTRING      0x0180
#define LB_INSERTSTRING   0x0181
#define LB_DELETESTRING   0x0182
#define LB_RESETCONTENT   0x0184
#define LB_SETSEL         0x0185
#define LB_SETCURSEL      0x0186
#define LB_GETSEL         0x0187
#define LB_GETCURSEL      0x0188
#define LB_GETTEXT        0x0189
#define LB_GETTEXTLEN     0x018A
#define LB_GETCOUNT       0x018B
#define LB_SELECTSTRING   0x018C
#define LB_GETTOPINDEX    0x018E
#define LB_FINDSTRING     0x018F
#define LB_GETSELCOUNT    0x0190
#define LB_GETSELITEMS    0x0191
#define LB_SETTOPINDEX    0x0197
#define LB_GETITEMRECT    0x0198
#define LB_GETITEMDATA    0x0199
#define LB_SETITEMDATA    0x019A
#define LB_SETCARETINDEX  0x019E
#define LB_GETCARETINDEX  0x019F
#define LB_SETITEMHEIGHT  0x01A0
#define LB_GETITEMHEIGHT  0x01A1
#define LB_FINDSTRINGEXACT 0x01A2

#define LB_OKAY     0
#define LB_ERR      (-1)
#define LB_ERRSPACE (-2)

#define LBN_ERRSPACE  (-2)
#define LBN_SELCHANGE 1
#define LBN_DBLCLK    2
#define LBN_SELCANCEL 3
#define LBN_SETFOCUS  4
#define LBN_KILLFOCUS 5

// ---- combo boxes ----------------------------------------------------------------------------------------
#define CBS_SIMPLE            0x0001L
#define CBS_DROPDOWN          0x0002L
#define CBS_DROPDOWNLIST      0x0003L
#define CBS_OWNERDRAWFIXED    0x0010L
#define CBS_OWNERDRAWVARIABLE 0x0020L
#define CBS_AUTOHSCROLL       0x0040L
#define CBS_SORT              0x0100L
#define CBS_HASSTRINGS        0x0200L
#define CBS_NOINTEGRALHEIGHT  0x0400L
#define CBS_DISABLENOSCROLL   0x0800L

#define CB_GETEDITSEL        0x0140
#define CB_LIMITTEXT         0x0141
#define CB_SETEDITSEL        0x0142
#define CB_ADDSTRING         0x0143
#define CB_DELETESTRING      0x0144
#define CB_GETCOUNT          0x0146
#define CB_GETCURSEL         0x0147
#define CB_GETLBTEXT         0x0148
#define CB_GETLBTEXTLEN      0x0149
#define CB_INSERTSTRING      0x014A
#define CB_RESETCONTENT      0x014B
#define CB_FINDSTRING        0x014C
#define CB_SELECTSTRING      0x014D
#define CB_SETCURSEL         0x014E
#define CB_SHOWDROPDOWN      0x014F
#define CB_GETITEMDATA       0x0150
#define CB_SETITEMDATA       0x0151
#define CB_SETITEMHEIGHT     0x0153
#define CB_GETITEMHEIGHT     0x0154
#define CB_GETDROPPEDSTATE   0x0157
#define CB_FINDSTRINGEXACT   0x0158

#define CB_OKAY     0
#define CB_ERR      (-1)
#define CB_ERRSPACE (-2)

#define CBN_ERRSPACE     (-1)
#define CBN_SELCHANGE    1
#define CBN_DBLCLK       2
#define CBN_SETFOCUS     3
#define CBN_KILLFOCUS    4
#define CBN_EDITCHANGE   5
#define CBN_EDITUPDATE   6
#define CBN_DROPDOWN     7
#define CBN_CLOSEUP      8
#define CBN_SELENDOK     9
#define CBN_SELENDCANCEL 10

// ---- scroll bars ----------------------------------------------------------------------------------------
#define SBS_HORZ 0x0000L
#define SBS_VERT 0x0001L

#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL  2
#define SB_BOTH 3

#define SB_LINEUP        0
#define SB_LINELEFT      0
#define SB_LINEDOWN      1
#define SB_LINERIGHT     1
#define SB_PAGEUP        2
#define SB_PAGELEFT      2
#define SB_PAGEDOWN      3
#define SB_PAGERIGHT     3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK    5
#define SB_TOP           6
#define SB_LEFT          6
#define SB_BOTTOM        7
#define SB_RIGHT         7
#define SB_ENDSCROLL     8

#define SBM_SETPOS        0x00E0
#define SBM_GETPOS        0x00E1
#define SBM_SETRANGE      0x00E2
#define SBM_GETRANGE      0x00E3
#define SBM_SETRANGEREDRAW 0x00E6
#define SBM_SETSCROLLINFO 0x00E9
#define SBM_GETSCROLLINFO 0x00EA

#define SIF_RANGE           0x0001
#define SIF_PAGE            0x0002
#define SIF_POS             0x0004
#define SIF_DISABLENOSCROLL 0x0008
#define SIF_TRACKPOS        0x0010
#define SIF_ALL             (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS)

typedef struct tagSCROLLINFO {
    UINT cbSize;
    UINT fMask;
    int  nMin;
    int  nMax;
    UINT nPage;
    int  nPos;
    int  nTrackPos;
} SCROLLINFO, *LPSCROLLINFO;
typedef const SCROLLINFO* LPCSCROLLINFO;
static_assert(sizeof(SCROLLINFO) == 28);

PLATFORM_API int  WINAPI SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL redraw);
PLATFORM_API BOOL WINAPI GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi);
PLATFORM_API int  WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw);
PLATFORM_API int  WINAPI GetScrollPos(HWND hWnd, int nBar);
PLATFORM_API BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw);
PLATFORM_API BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos);

// ---- menus ------------------------------------------------------------------------------------------------
#define WM_ENTERMENULOOP   0x0211
#define WM_EXITMENULOOP    0x0212
#define WM_UNINITMENUPOPUP 0x0125

#define MF_INSERT       0x00000000L
#define MF_BYCOMMAND    0x00000000L
#define MF_BYPOSITION   0x00000400L
#define MF_STRING       0x00000000L
#define MF_ENABLED      0x00000000L
#define MF_GRAYED       0x00000001L
#define MF_DISABLED     0x00000002L
#define MF_BITMAP       0x00000004L
#define MF_UNCHECKED    0x00000000L
#define MF_CHECKED      0x00000008L
#define MF_POPUP        0x00000010L
#define MF_MENUBARBREAK 0x00000020L
#define MF_MENUBREAK    0x00000040L
#define MF_OWNERDRAW    0x00000100L
#define MF_SEPARATOR    0x00000800L
#define MF_DEFAULT      0x00001000L

#define TPM_LEFTBUTTON   0x0000L
#define TPM_RIGHTBUTTON  0x0002L
#define TPM_LEFTALIGN    0x0000L
#define TPM_CENTERALIGN  0x0004L
#define TPM_RIGHTALIGN   0x0008L
#define TPM_TOPALIGN     0x0000L
#define TPM_VCENTERALIGN 0x0010L
#define TPM_BOTTOMALIGN  0x0020L
#define TPM_NONOTIFY     0x0080L
#define TPM_RETURNCMD    0x0100L

PLATFORM_API HMENU WINAPI CreateMenu(void);
PLATFORM_API HMENU WINAPI CreatePopupMenu(void);
PLATFORM_API BOOL  WINAPI DestroyMenu(HMENU hMenu);
PLATFORM_API BOOL  WINAPI AppendMenuW(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem);
PLATFORM_API BOOL  WINAPI InsertMenuW(HMENU hMenu, UINT uPosition, UINT uFlags, UINT_PTR uIDNewItem, LPCWSTR lpNewItem);
PLATFORM_API BOOL  WINAPI DeleteMenu(HMENU hMenu, UINT uPosition, UINT uFlags);
PLATFORM_API DWORD WINAPI CheckMenuItem(HMENU hMenu, UINT uIDCheckItem, UINT uCheck);
PLATFORM_API BOOL  WINAPI EnableMenuItem(HMENU hMenu, UINT uIDEnableItem, UINT uEnable);
PLATFORM_API int   WINAPI GetMenuItemCount(HMENU hMenu);
PLATFORM_API UINT  WINAPI GetMenuItemID(HMENU hMenu, int nPos);
PLATFORM_API UINT  WINAPI GetMenuState(HMENU hMenu, UINT uId, UINT uFlags);
PLATFORM_API int   WINAPI GetMenuStringW(HMENU hMenu, UINT uIDItem, LPWSTR lpString, int cchMax, UINT flags);
PLATFORM_API HMENU WINAPI GetSubMenu(HMENU hMenu, int nPos);
PLATFORM_API BOOL  WINAPI TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int nReserved, HWND hWnd,
                                         const RECT* prcRect);

// ---- help -------------------------------------------------------------------------------------------------
#define HELP_CONTEXT      0x0001L
#define HELP_QUIT         0x0002L
#define HELP_CONTENTS     0x0003L
#define HELP_HELPONHELP   0x0004L
#define HELP_SETCONTENTS  0x0005L
#define HELP_CONTEXTPOPUP 0x0008L
#define HELP_KEY          0x0101L
#define HELP_CONTEXTMENU  0x000AL
#define HELP_FINDER       0x000BL
#define HELP_WM_HELP      0x000CL

PLATFORM_API BOOL WINAPI WinHelpW(HWND hWndMain, LPCWSTR lpszHelp, UINT uCommand, ULONG_PTR dwData);

// ---- message boxes and beeps --------------------------------------------------------------------------------
#define MB_OK                0x00000000L
#define MB_OKCANCEL          0x00000001L
#define MB_ABORTRETRYIGNORE  0x00000002L
#define MB_YESNOCANCEL       0x00000003L
#define MB_YESNO             0x00000004L
#define MB_RETRYCANCEL       0x00000005L
#define MB_CANCELTRYCONTINUE 0x00000006L
#define MB_TYPEMASK          0x0000000FL
#define MB_ICONHAND          0x00000010L
#define MB_ICONQUESTION      0x00000020L
#define MB_ICONEXCLAMATION   0x00000030L
#define MB_ICONASTERISK      0x00000040L
#define MB_ICONMASK          0x000000F0L
#define MB_ICONERROR         MB_ICONHAND
#define MB_ICONSTOP          MB_ICONHAND
#define MB_ICONWARNING       MB_ICONEXCLAMATION
#define MB_ICONINFORMATION   MB_ICONASTERISK
#define MB_DEFBUTTON1        0x00000000L
#define MB_DEFBUTTON2        0x00000100L
#define MB_DEFBUTTON3        0x00000200L
#define MB_DEFBUTTON4        0x00000300L
#define MB_DEFMASK           0x00000F00L
#define MB_APPLMODAL         0x00000000L
#define MB_SYSTEMMODAL       0x00001000L
#define MB_TASKMODAL         0x00002000L
#define MB_HELP              0x00004000L
#define MB_SETFOREGROUND     0x00010000L
#define MB_TOPMOST           0x00040000L

PLATFORM_API BOOL WINAPI MessageBeep(UINT uType);
PLATFORM_API int  WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);
