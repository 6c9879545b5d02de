// focus.cpp - the keyboard focus, the active window, the mouse capture and the cursor.
#include "user/window_table.h"

#include <algorithm>

using namespace platform;

HWND WINAPI SetFocus(HWND hWnd)
{
    InputState& input = Input();
    if (hWnd != nullptr) {
        if (WindowOrFail(hWnd) == nullptr)
            return nullptr;
        // A window inside a disabled one cannot take the keyboard.
        if (!ReallyEnabled(hWnd))
            return nullptr;
    }
    const HWND old = FindWindowRecord(input.focus) != nullptr ? input.focus : nullptr;
    if (hWnd == old)
        return old;
    if (hWnd != nullptr) {
        const HWND top = TopLevelOf(hWnd);
        if (top != input.active)
            SetActiveWindow(top);
    }
    // The focus moves before the old window hears of it, and the new window hears of it only when the old
    // one's handler left it there: a kill-focus handler that takes the focus elsewhere wins.
    input.focus = hWnd;
    if (old != nullptr)
        SendMessageW(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (hWnd != nullptr && input.focus == hWnd && IsWindow(hWnd))
        SendMessageW(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND WINAPI GetFocus(void)
{
    const HWND focus = Input().focus;
    return IsWindow(focus) ? focus : nullptr;
}

HWND WINAPI GetActiveWindow(void)
{
    const HWND active = Input().active;
    return IsWindow(active) ? active : nullptr;
}

HWND WINAPI SetActiveWindow(HWND hWnd)
{
    InputState& input = Input();
    if (hWnd != nullptr && WindowOrFail(hWnd) == nullptr)
        return nullptr;
    hWnd = TopLevelOf(hWnd);
    const HWND old = GetActiveWindow();
    if (hWnd == old)
        return old;
    input.active = hWnd;
    if (old != nullptr)
        SendMessageW(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(hWnd));
    if (hWnd != nullptr && input.active == hWnd)
        SendMessageW(hWnd, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
    return old;
}

HWND WINAPI SetCapture(HWND hWnd)
{
    InputState& input = Input();
    const HWND old = GetCapture();
    if (hWnd != nullptr && WindowOrFail(hWnd) == nullptr)
        return old;
    input.capture = hWnd;
    if (old != nullptr && old != hWnd)
        SendMessageW(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hWnd));
    return old;
}

BOOL WINAPI ReleaseCapture(void)
{
    InputState& input = Input();
    const HWND old = GetCapture();
    input.capture = nullptr;
    if (old != nullptr)
        SendMessageW(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND WINAPI GetCapture(void)
{
    const HWND capture = Input().capture;
    return IsWindow(capture) ? capture : nullptr;
}

HCURSOR WINAPI SetCursor(HCURSOR hCursor)
{
    const HCURSOR old = Input().cursor;
    Input().cursor = hCursor;
    return old;
}

HCURSOR WINAPI GetCursor(void)
{
    return Input().cursor;
}

BOOL WINAPI GetCursorPos(LPPOINT lpPoint)
{
    if (lpPoint == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpPoint = Input().cursorPos;
    return TRUE;
}

BOOL WINAPI SetCursorPos(int X, int Y)
{
    Input().cursorPos = {std::clamp(X, 0, kScreenWidth - 1), std::clamp(Y, 0, kScreenHeight - 1)};
    return TRUE;
}

int WINAPI ShowCursor(BOOL bShow)
{
    return bShow ? ++Input().cursorShown : --Input().cursorShown;
}
