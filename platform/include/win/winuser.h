#pragma once
// winuser.h - the window manager's calls. So far: resources by id, formatting and character case.

#include <cstdarg>
#include "win/winbase.h"

PLATFORM_API int     WINAPI LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);
PLATFORM_API HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName);
PLATFORM_API HICON   WINAPI LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
PLATFORM_API HCURSOR WINAPI LoadCursorW(HINSTANCE hInstance, LPCWSTR lpCursorName);
PLATFORM_API BOOL    WINAPI DestroyIcon(HICON hIcon);
PLATFORM_API BOOL    WINAPI DestroyCursor(HCURSOR hCursor);

// Output is capped at 1,024 characters, terminator included, as Windows does.
PLATFORM_API int    wsprintfW(LPWSTR lpOut, LPCWSTR lpFmt, ...);
PLATFORM_API int    WINAPI wvsprintfW(LPWSTR lpOut, LPCWSTR lpFmt, va_list arglist);
PLATFORM_API LPWSTR WINAPI CharUpperW(LPWSTR lpsz);
PLATFORM_API LPWSTR WINAPI CharLowerW(LPWSTR lpsz);

// Drawing with a brush on a device context (the window manager's own helpers).
PLATFORM_API int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr);
