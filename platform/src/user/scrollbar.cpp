// scrollbar.cpp - scroll bars: the scroll bar control ("ScrollBar", SB_CTL) and a window's own horizontal and
// vertical bars (SB_HORZ, SB_VERT). A bar keeps a range, a page and a position; the position always lies within
// minimum .. maximum - max(page - 1, 0). The user's work on a bar only tells: the owner gets WM_HSCROLL
// (WM_VSCROLL for SBS_VERT) with SB_LINE*, SB_PAGE*, SB_TOP, SB_BOTTOM or, while the thumb is dragged,
// SB_THUMBTRACK at each move and SB_THUMBPOSITION where it is let go, each action ended by SB_ENDSCROLL; the
// position moves only when the owner sets it, as a real scroll bar's thumb springs back otherwise.
#include "user/control_paint.h"
#include "user/controls.h"

#include <algorithm>
#include <map>

namespace platform {
namespace {

struct ScrollData {
    int minimum = 0;
    int maximum = 0;
    UINT page = 0;
    int position = 0;
    int trackPosition = 0;   // where the thumb is while the user drags it
    bool tracking = false;

    // The largest position the page leaves.
    int Last() const
    {
        const long long last = static_cast<long long>(maximum) - std::max<long long>(static_cast<long long>(page) - 1, 0);
        return static_cast<int>(std::max<long long>(last, minimum));
    }
    void Clamp()
    {
        const long long span = static_cast<long long>(maximum) - minimum + 1;
        if (span <= 0)
            page = 0;
        else if (page > span)
            page = static_cast<UINT>(span);
        position = std::clamp(position, minimum, Last());
    }
};

struct ScrollBarState : UserControl {
    ScrollData data;
    bool focused = false;

    bool UserScroll(HWND hwnd, int position) override;
};

// A window's own bars: by window, horizontal then vertical. Entries of windows that are gone are dropped when
// the table is next used.
std::map<HWND, ScrollData[2]>& OwnBars()
{
    static std::map<HWND, ScrollData[2]> bars;
    std::erase_if(bars, [](const auto& entry) { return !IsWindow(entry.first); });
    return bars;
}

bool Vertical(const WindowRecord& window)
{
    return (window.style & SBS_VERT) != 0;
}

void SendScroll(HWND hwnd, const WindowRecord& window, WORD code, int position)
{
    SendMessageW(NotifyParent(hwnd), Vertical(window) ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(hwnd));
}

// One action of the user on the bar: its code, then SB_ENDSCROLL.
void UserAction(HWND hwnd, WORD code)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return;
    SendScroll(hwnd, *window, code, 0);
    if (IsWindow(hwnd))
        SendScroll(hwnd, *window, SB_ENDSCROLL, 0);
}

bool ScrollBarState::UserScroll(HWND hwnd, int target)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return false;
    if (!ReallyEnabled(hwnd))
        return true;
    // A click on a bar that is a tab stop takes the focus first; a kill-focus handler may swallow it.
    if ((window->style & WS_TABSTOP) != 0 && !ClickFocus(hwnd))
        return IsWindow(hwnd) != FALSE;
    const int to = std::clamp(target, data.minimum, data.Last());
    const int direction = to > data.position ? 1 : -1;
    data.trackPosition = data.position;
    data.tracking = true;
    for (int at = data.position; at != to && IsWindow(hwnd);) {
        at += direction;
        data.trackPosition = at;
        window->invalid = true;
        SendScroll(hwnd, *window, SB_THUMBTRACK, at);
    }
    if (!IsWindow(hwnd))
        return true;
    data.trackPosition = to;
    SendScroll(hwnd, *window, SB_THUMBPOSITION, to);
    if (!IsWindow(hwnd))
        return true;
    data.tracking = false;
    SendScroll(hwnd, *window, SB_ENDSCROLL, 0);
    return true;
}

// The sizes a caller may give: the whole record, or the one before the tracking position was added.
bool KnownSize(UINT cbSize)
{
    return cbSize == sizeof(SCROLLINFO) || cbSize == sizeof(SCROLLINFO) - sizeof(int);
}

// Sets what the mask names; answers the position afterwards. A record of an unknown size sets nothing.
int SetInfo(ScrollData& data, const SCROLLINFO& info)
{
    if (!KnownSize(info.cbSize))
        return data.position;
    if ((info.fMask & SIF_RANGE) != 0) {
        data.minimum = info.nMin;
        data.maximum = std::max(info.nMax, info.nMin);
    }
    if ((info.fMask & SIF_PAGE) != 0)
        data.page = info.nPage;
    if ((info.fMask & SIF_POS) != 0)
        data.position = info.nPos;
    data.Clamp();
    return data.position;
}

BOOL GetInfo(const ScrollData& data, SCROLLINFO* info)
{
    if (info == nullptr || !KnownSize(info->cbSize) || (info->fMask & SIF_ALL) == 0)
        return FALSE;
    if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = data.minimum;
        info->nMax = data.maximum;
    }
    if ((info->fMask & SIF_PAGE) != 0)
        info->nPage = data.page;
    if ((info->fMask & SIF_POS) != 0)
        info->nPos = data.position;
    if ((info->fMask & SIF_TRACKPOS) != 0 && info->cbSize == sizeof(SCROLLINFO))
        info->nTrackPos = data.tracking ? data.trackPosition : data.position;
    return TRUE;
}

// An arrow of three strokes, pointing up, down, left or right, in the middle of the box.
void DrawArrow(HDC hdc, const RECT& box, bool vertical, bool towardsEnd, COLORREF color)
{
    const HPEN pen = CreatePen(PS_SOLID, 1, color);
    const HGDIOBJ old = SelectObject(hdc, pen);
    const LONG cx = (box.left + box.right) / 2;
    const LONG cy = (box.top + box.bottom) / 2;
    for (LONG i = 0; i < 3; ++i) {
        const LONG tip = towardsEnd ? 1 - i : i - 1;
        if (vertical) {
            MoveToEx(hdc, cx - i, cy + tip, nullptr);
            LineTo(hdc, cx + i + 1, cy + tip);
        } else {
            MoveToEx(hdc, cx + tip, cy - i, nullptr);
            LineTo(hdc, cx + tip, cy + i + 1);
        }
    }
    SelectObject(hdc, old);
    DeleteObject(pen);
}

void PaintScrollBar(HWND hwnd, HDC hdc, const WindowRecord& window, const ScrollBarState& state)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_SCROLLBAR));
    const bool vertical = Vertical(window);
    const bool enabled = ReallyEnabled(hwnd);
    const LONG length = vertical ? rc.bottom - rc.top : rc.right - rc.left;
    const LONG across = vertical ? rc.right - rc.left : rc.bottom - rc.top;
    const LONG arrow = std::min(across, length / 2);
    RECT first = vertical ? RECT{rc.left, rc.top, rc.right, rc.top + arrow} : RECT{rc.left, rc.top, rc.left + arrow, rc.bottom};
    RECT last = vertical ? RECT{rc.left, rc.bottom - arrow, rc.right, rc.bottom}
                         : RECT{rc.right - arrow, rc.top, rc.right, rc.bottom};
    const COLORREF ink = GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
    for (RECT* box : {&first, &last}) {
        FillRect(hdc, box, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(hdc, box, EDGE_RAISED, BF_RECT);
    }
    DrawArrow(hdc, first, vertical, false, ink);
    DrawArrow(hdc, last, vertical, true, ink);
    // The thumb: as long as the page is of the range (at least the bar's width), where the position lies.
    const ScrollData& data = state.data;
    const long long span = static_cast<long long>(data.maximum) - data.minimum + 1;
    const LONG channel = length - 2 * arrow;
    if (!enabled || span <= 0 || channel <= 0 || (data.page != 0 && data.page >= span))
        return;
    LONG thumb = data.page != 0 ? static_cast<LONG>(channel * static_cast<long long>(data.page) / span) : across;
    thumb = std::clamp<LONG>(thumb, std::min<LONG>(across / 2 + 1, channel), channel);
    const long long travel = static_cast<long long>(data.Last()) - data.minimum;
    const int shown = data.tracking ? data.trackPosition : data.position;
    const LONG offset =
        travel > 0 ? static_cast<LONG>((channel - thumb) * (static_cast<long long>(shown) - data.minimum) / travel) : 0;
    RECT box = vertical ? RECT{rc.left, rc.top + arrow + offset, rc.right, rc.top + arrow + offset + thumb}
                        : RECT{rc.left + arrow + offset, rc.top, rc.left + arrow + offset + thumb, rc.bottom};
    FillRect(hdc, &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &box, EDGE_RAISED, BF_RECT);
    if (state.focused) {
        InflateRect(&box, -2, -2);
        DrawFocusRect(hdc, &box);
    }
}

// The data of a bar: a scroll bar control's own, or a window's horizontal or vertical bar; null (and the last
// error set) for a window that is gone or a bar that is none of these.
ScrollData* BarOf(HWND hwnd, int bar, std::shared_ptr<WindowRecord>& window)
{
    window = FindWindowRecord(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (bar == SB_HORZ || bar == SB_VERT)
        return &OwnBars()[hwnd][bar];
    if (bar == SB_CTL) {
        auto* state = window->Control<ScrollBarState>();
        if (state != nullptr)
            return &state->data;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

} // namespace

LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<ScrollBarState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    ScrollData& data = state->data;
    const auto redraw = [&](bool wanted) {
        if (wanted)
            window->invalid = true;
    };
    switch (msg) {
    case SBM_GETPOS:
        return data.position;
    case SBM_SETPOS: {
        const int old = data.position;
        data.position = static_cast<int>(wParam);
        data.Clamp();
        redraw(lParam != 0);
        return old;
    }
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        // Answers the old position when the new range moved it, else zero.
        const int old = data.position;
        data.minimum = static_cast<int>(wParam);
        data.maximum = std::max(static_cast<int>(lParam), data.minimum);
        data.Clamp();
        redraw(msg == SBM_SETRANGEREDRAW);
        return data.position != old ? old : 0;
    }
    case SBM_GETRANGE:
        if (wParam != 0)
            *reinterpret_cast<int*>(wParam) = data.minimum;
        if (lParam != 0)
            *reinterpret_cast<int*>(lParam) = data.maximum;
        return 0;
    case SBM_SETSCROLLINFO:
        if (lParam == 0)
            return data.position;
        redraw(wParam != 0);
        return SetInfo(data, *reinterpret_cast<const SCROLLINFO*>(lParam));
    case SBM_GETSCROLLINFO:
        return GetInfo(data, reinterpret_cast<SCROLLINFO*>(lParam));
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        if ((window->style & WS_TABSTOP) != 0)
            ClickFocus(hwnd);
        return 0;
    case WM_KEYDOWN: {
        const bool vertical = Vertical(*window);
        WORD code = 0;
        switch (wParam) {
        case VK_UP:    if (!vertical) return 0; code = SB_LINEUP; break;
        case VK_DOWN:  if (!vertical) return 0; code = SB_LINEDOWN; break;
        case VK_LEFT:  if (vertical) return 0; code = SB_LINELEFT; break;
        case VK_RIGHT: if (vertical) return 0; code = SB_LINERIGHT; break;
        case VK_PRIOR: code = SB_PAGEUP; break;
        case VK_NEXT:  code = SB_PAGEDOWN; break;
        case VK_HOME:  code = SB_TOP; break;
        case VK_END:   code = SB_BOTTOM; break;
        default:       return 0;
        }
        UserAction(hwnd, code);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state->focused = msg == WM_SETFOCUS;
        window->invalid = true;
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, state](HDC hdc) { PaintScrollBar(hwnd, hdc, *window, *state); });
    }
}

} // namespace platform

using namespace platform;

int WINAPI SetScrollInfo(HWND hwnd, int nBar, LPCSCROLLINFO lpsi, BOOL redraw)
{
    if (nBar == SB_CTL)
        return static_cast<int>(SendMessageW(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(lpsi)));
    std::shared_ptr<WindowRecord> window;
    ScrollData* data = BarOf(hwnd, nBar, window);
    if (data == nullptr || lpsi == nullptr)
        return 0;
    if (redraw)
        window->invalid = true;
    return SetInfo(*data, *lpsi);
}

BOOL WINAPI GetScrollInfo(HWND hwnd, int nBar, LPSCROLLINFO lpsi)
{
    if (nBar == SB_CTL)
        return static_cast<BOOL>(SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(lpsi)));
    std::shared_ptr<WindowRecord> window;
    const ScrollData* data = BarOf(hwnd, nBar, window);
    return data != nullptr ? GetInfo(*data, lpsi) : FALSE;
}

int WINAPI SetScrollPos(HWND hWnd, int nBar, int nPos, BOOL bRedraw)
{
    if (nBar == SB_CTL)
        return static_cast<int>(SendMessageW(hWnd, SBM_SETPOS, static_cast<WPARAM>(nPos), bRedraw));
    std::shared_ptr<WindowRecord> window;
    ScrollData* data = BarOf(hWnd, nBar, window);
    if (data == nullptr)
        return 0;
    const int old = data->position;
    data->position = nPos;
    data->Clamp();
    if (bRedraw)
        window->invalid = true;
    return old;
}

int WINAPI GetScrollPos(HWND hWnd, int nBar)
{
    if (nBar == SB_CTL)
        return static_cast<int>(SendMessageW(hWnd, SBM_GETPOS, 0, 0));
    std::shared_ptr<WindowRecord> window;
    const ScrollData* data = BarOf(hWnd, nBar, window);
    return data != nullptr ? data->position : 0;
}

BOOL WINAPI SetScrollRange(HWND hWnd, int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (nBar == SB_CTL) {
        if (!IsWindow(hWnd)) {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        SendMessageW(hWnd, bRedraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, static_cast<WPARAM>(nMinPos), nMaxPos);
        return TRUE;
    }
    std::shared_ptr<WindowRecord> window;
    ScrollData* data = BarOf(hWnd, nBar, window);
    if (data == nullptr)
        return FALSE;
    const SCROLLINFO info = {sizeof info, SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    SetInfo(*data, info);
    if (bRedraw)
        window->invalid = true;
    return TRUE;
}

BOOL WINAPI GetScrollRange(HWND hWnd, int nBar, LPINT lpMinPos, LPINT lpMaxPos)
{
    SCROLLINFO info = {sizeof info, SIF_RANGE, 0, 0, 0, 0, 0};
    if (lpMinPos == nullptr || lpMaxPos == nullptr || !GetScrollInfo(hWnd, nBar, &info))
        return FALSE;
    *lpMinPos = info.nMin;
    *lpMaxPos = info.nMax;
    return TRUE;
}
