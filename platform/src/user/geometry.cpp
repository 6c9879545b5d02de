// geometry.cpp - where windows are: their rectangles, moving them, mapping points between them, the
// rectangle helpers, the screen's metrics and the system colours.
#include "user/window_table.h"
#include "common/world_state.h"
#include "gdi/objects.h"

#include <algorithm>
#include <array>

namespace platform {
namespace {

void Moved(HWND hwnd, const WindowRecord& window, bool sized, bool moved)
{
    if (sized) {
        const SIZE client = ClientSizeOf(window);
        SendMessageW(hwnd, WM_SIZE, 0, MAKELONG(client.cx, client.cy));
    }
    if (moved && IsWindow(hwnd))
        SendMessageW(hwnd, WM_MOVE, 0, MAKELONG(window.rect.left, window.rect.top));
}

// The system colours of the classic look, as COLORREFs, by COLOR_ index.
constexpr std::array<COLORREF, COLOR_INFOBK + 1> kSysColors = {
    RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
    RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
    RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
};

// One brush per colour, kept like a stock object: DeleteObject of it does nothing. The GDI's objects go with
// the world, and so do these.
std::array<HBRUSH, kSysColors.size()> g_sysBrushes = {};
const bool kForgetsBrushesWithTheWorld = (OnWorldReset([] { g_sysBrushes = {}; }), true);

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    if (lpRect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const POINT origin = WindowOriginOnScreen(hWnd);
    *lpRect = {origin.x, origin.y, origin.x + window->rect.right - window->rect.left,
               origin.y + window->rect.bottom - window->rect.top};
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hWnd, LPRECT lpRect)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    if (lpRect == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const SIZE client = ClientSizeOf(*window);
    *lpRect = {0, 0, client.cx, client.cy};
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint)
{
    return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE |
                                                                 (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return FALSE;
    RECT rect = window->rect;
    if ((uFlags & SWP_NOMOVE) == 0)
        OffsetRect(&rect, X - rect.left, Y - rect.top);
    if ((uFlags & SWP_NOSIZE) == 0) {
        rect.right = rect.left + std::max(cx, 0);
        rect.bottom = rect.top + std::max(cy, 0);
    }
    const bool moved = rect.left != window->rect.left || rect.top != window->rect.top;
    const bool sized = rect.right - rect.left != window->rect.right - window->rect.left ||
                       rect.bottom - rect.top != window->rect.bottom - window->rect.top;
    window->rect = rect;
    window->invalid = true;
    if ((uFlags & SWP_SHOWWINDOW) != 0)
        ShowWindow(hWnd, (uFlags & SWP_NOACTIVATE) != 0 ? SW_SHOWNA : SW_SHOW);
    if ((uFlags & SWP_HIDEWINDOW) != 0)
        ShowWindow(hWnd, SW_HIDE);
    Moved(hWnd, *window, sized, moved);
    return TRUE;
}

int WINAPI MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints)
{
    if ((hWndFrom != nullptr && WindowOrFail(hWndFrom) == nullptr) ||
        (hWndTo != nullptr && WindowOrFail(hWndTo) == nullptr))
        return 0;
    const POINT from = hWndFrom != nullptr ? ClientOriginOnScreen(hWndFrom) : POINT{0, 0};
    const POINT to = hWndTo != nullptr ? ClientOriginOnScreen(hWndTo) : POINT{0, 0};
    const LONG dx = from.x - to.x;
    const LONG dy = from.y - to.y;
    for (UINT i = 0; lpPoints != nullptr && i < cPoints; ++i) {
        lpPoints[i].x += dx;
        lpPoints[i].y += dy;
    }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(dx, dy);
}

BOOL WINAPI ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    if (WindowOrFail(hWnd) == nullptr || lpPoint == nullptr)
        return FALSE;
    const POINT origin = ClientOriginOnScreen(hWnd);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    if (WindowOrFail(hWnd) == nullptr || lpPoint == nullptr)
        return FALSE;
    const POINT origin = ClientOriginOnScreen(hWnd);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
}

HWND WINAPI ChildWindowFromPoint(HWND hWndParent, POINT Point)
{
    const auto parent = WindowOrFail(hWndParent);
    if (parent == nullptr)
        return nullptr;
    const SIZE client = ClientSizeOf(*parent);
    if (Point.x < 0 || Point.y < 0 || Point.x >= client.cx || Point.y >= client.cy)
        return nullptr;
    // The first child in z-order (creation order) whose rectangle holds the point.
    for (const HWND child : parent->children) {
        const auto window = FindWindowRecord(child);
        if (window != nullptr && PtInRect(&window->rect, Point))
            return child;
    }
    return hWndParent;
}

HWND WINAPI WindowFromPoint(POINT Point)
{
    // The most recently shown visible top-level window holding the point, then its deepest visible child.
    const auto all = AllWindows();
    HWND found = nullptr;
    for (auto it = all.rbegin(); it != all.rend() && found == nullptr; ++it) {
        const auto& window = *it;
        if (window->IsChild() || !window->Visible() || window->hwnd == DesktopWindow())
            continue;
        RECT rect;
        GetWindowRect(window->hwnd, &rect);
        if (PtInRect(&rect, Point))
            found = window->hwnd;
    }
    for (bool deeper = found != nullptr; deeper;) {
        deeper = false;
        for (const HWND child : FindWindowRecord(found)->children) {
            RECT rect;
            if (!IsWindowVisible(child) || !GetWindowRect(child, &rect) || !PtInRect(&rect, Point))
                continue;
            found = child;
            deeper = true;
            break;
        }
    }
    return found;
}

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom)
{
    if (lprc == nullptr)
        return FALSE;
    *lprc = {xLeft, yTop, xRight, yBottom};
    return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc)
{
    return SetRect(lprc, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc)
{
    if (lprcDst == nullptr || lprcSrc == nullptr)
        return FALSE;
    *lprcDst = *lprcSrc;
    return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy)
{
    if (lprc == nullptr)
        return FALSE;
    *lprc = {lprc->left - dx, lprc->top - dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy)
{
    if (lprc == nullptr)
        return FALSE;
    *lprc = {lprc->left + dx, lprc->top + dy, lprc->right + dx, lprc->bottom + dy};
    return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc)
{
    return lprc == nullptr || lprc->right <= lprc->left || lprc->bottom <= lprc->top ? TRUE : FALSE;
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt)
{
    return lprc != nullptr && pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom
               ? TRUE
               : FALSE;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2)
{
    if (lprcDst == nullptr || lprcSrc1 == nullptr || lprcSrc2 == nullptr)
        return FALSE;
    const RECT r = {std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
                    std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
    if (IsRectEmpty(&r)) {
        SetRectEmpty(lprcDst);
        return FALSE;
    }
    *lprcDst = r;
    return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2)
{
    if (lprcDst == nullptr || lprcSrc1 == nullptr || lprcSrc2 == nullptr)
        return FALSE;
    if (IsRectEmpty(lprcSrc1))
        return IsRectEmpty(lprcSrc2) ? SetRectEmpty(lprcDst) && FALSE : CopyRect(lprcDst, lprcSrc2);
    if (IsRectEmpty(lprcSrc2))
        return CopyRect(lprcDst, lprcSrc1);
    *lprcDst = {std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
                std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
    return TRUE;
}

BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2)
{
    return lprc1 != nullptr && lprc2 != nullptr && lprc1->left == lprc2->left && lprc1->top == lprc2->top &&
                   lprc1->right == lprc2->right && lprc1->bottom == lprc2->bottom
               ? TRUE
               : FALSE;
}

int WINAPI GetSystemMetrics(int nIndex)
{
    switch (nIndex) {
    case SM_CXSCREEN:     return kScreenWidth;
    case SM_CYSCREEN:     return kScreenHeight;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:    return 16;
    case SM_CYCAPTION:    return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:     return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:   return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:     return 32;
    case SM_CYMENU:       return 19;
    case SM_CXEDGE:
    case SM_CYEDGE:       return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:     return 16;
    case SM_MOUSEPRESENT: return 1;
    default:              return 0;
    }
}

DWORD WINAPI GetSysColor(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(kSysColors.size()))
        return 0;
    return kSysColors[static_cast<size_t>(nIndex)];
}

HBRUSH WINAPI GetSysColorBrush(int nIndex)
{
    if (nIndex < 0 || nIndex >= static_cast<int>(kSysColors.size()))
        return nullptr;
    HBRUSH& brush = g_sysBrushes[static_cast<size_t>(nIndex)];
    if (brush == nullptr) {
        brush = CreateSolidBrush(kSysColors[static_cast<size_t>(nIndex)]);
        if (const auto object = FindGdiObject(brush))
            object->stock = true;
    }
    return brush;
}
