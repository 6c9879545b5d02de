#pragma once
// htmlhelp.h - HTML help: HtmlHelpW and the commands it takes. Programs that do not link the HTML Help control
// load it (hhctrl.ocx) when help is first asked for and find HtmlHelpW in it with GetProcAddress.

#include "win/winuser.h"

#define HH_DISPLAY_TOPIC        0x0000
#define HH_DISPLAY_TOC          0x0001
#define HH_DISPLAY_INDEX        0x0002
#define HH_DISPLAY_SEARCH       0x0003
#define HH_DISPLAY_TEXT_POPUP   0x000E
#define HH_HELP_CONTEXT         0x000F
#define HH_TP_HELP_CONTEXTMENU  0x0010
#define HH_TP_HELP_WM_HELP      0x0011
#define HH_CLOSE_ALL            0x0012

PLATFORM_API HWND WINAPI HtmlHelpW(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData);
typedef HWND (WINAPI* PFN_HTMLHELPW)(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData);
