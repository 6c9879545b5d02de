// trackbar.cpp - the trackbar: a thumb on a channel between a minimum and a maximum, with tick marks. The
// user's drag of the thumb tells the parent with WM_HSCROLL (WM_VSCROLL for TBS_VERT) TB_THUMBTRACK at each
// move, TB_THUMBPOSITION where it is let go and TB_ENDTRACK; the keys move it by a line or a page, each
// followed by TB_ENDTRACK. Setting the position or the range by message tells the parent nothing.
#include "user/control_paint.h"
#include "user/controls.h"
#include "win/commctrl.h"

#include <algorithm>
#include <set>

namespace platform {
namespace {

constexpr LONG kThumbHalf = 5;
constexpr LONG kMargin = 8;

struct TrackbarState : UserControl {
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    int lineSize = 1;
    int pageSize = 20;
    std::set<int> ticks;     // the ticks set by TBM_SETTIC (the ends always have one)
    int tickFrequency = 1;   // TBS_AUTOTICKS
    bool focused = false;

    bool UserScroll(HWND hwnd, int position) override;
};

bool Vertical(const WindowRecord& window)
{
    return (window.style & TBS_VERT) != 0;
}

void SendScroll(HWND hwnd, const WindowRecord& window, WORD code, int position)
{
    SendMessageW(NotifyParent(hwnd), Vertical(window) ? WM_VSCROLL : WM_HSCROLL,
                 MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(hwnd));
}

// Moves the thumb as the user does; the parent is told each move (code), then TB_ENDTRACK.
void UserMove(HWND hwnd, int target, WORD code)
{
    const auto window = FindWindowRecord(hwnd);
    auto* state = window != nullptr ? window->Control<TrackbarState>() : nullptr;
    if (state == nullptr)
        return;
    state->position = std::clamp(target, state->minimum, state->maximum);
    window->invalid = true;
    SendScroll(hwnd, *window, code, state->position);
    if (IsWindow(hwnd))
        SendScroll(hwnd, *window, TB_ENDTRACK, state->position);
}

bool TrackbarState::UserScroll(HWND hwnd, int target)
{
    if (!ReallyEnabled(hwnd) || !ClickFocus(hwnd))
        return IsWindow(hwnd) != FALSE;
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return true;
    // A drag: the thumb follows the mouse from where it is to the target, then is let go there.
    const int to = std::clamp(target, minimum, maximum);
    const int direction = to > position ? 1 : -1;
    for (int at = position; at != to && IsWindow(hwnd);) {
        at += direction;
        position = at;
        window->invalid = true;
        SendScroll(hwnd, *window, TB_THUMBTRACK, at);
    }
    if (!IsWindow(hwnd))
        return true;
    position = to;
    SendScroll(hwnd, *window, TB_THUMBPOSITION, to);
    if (IsWindow(hwnd))
        SendScroll(hwnd, *window, TB_ENDTRACK, to);
    return true;
}

// The channel's length in pixels and where a position lies on it.
LONG PixelOf(const RECT& rc, bool vertical, const TrackbarState& state, int position)
{
    const LONG length = (vertical ? rc.bottom - rc.top : rc.right - rc.left) - 2 * kMargin;
    const int span = std::max(state.maximum - state.minimum, 1);
    return kMargin + static_cast<LONG>(static_cast<long long>(length) * (position - state.minimum) / span);
}

void PaintTrackbar(HWND hwnd, HDC hdc, const WindowRecord& window, const TrackbarState& state)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, WM_CTLCOLORSTATIC);
    FillRect(hdc, &rc, brush);
    const bool vertical = Vertical(window);
    const LONG across = vertical ? (rc.right - rc.left) / 2 : (rc.bottom - rc.top) / 2 - 2;
    RECT channel = vertical ? RECT{across - 2, kMargin, across + 2, rc.bottom - kMargin}
                            : RECT{kMargin, across - 2, rc.right - kMargin, across + 2};
    DrawEdge(hdc, &channel, EDGE_SUNKEN, BF_RECT);
    // Tick marks below (right of) the channel.
    if ((window.style & TBS_NOTICKS) == 0) {
        std::set<int> ticks = state.ticks;
        ticks.insert(state.minimum);
        ticks.insert(state.maximum);
        if ((window.style & TBS_AUTOTICKS) != 0 && state.tickFrequency > 0)
            for (long long t = state.minimum; t <= state.maximum; t += state.tickFrequency)
                ticks.insert(static_cast<int>(t));
        const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(ReallyEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        const HGDIOBJ old = SelectObject(hdc, pen);
        for (const int t : ticks) {
            const LONG at = PixelOf(rc, vertical, state, t);
            if (vertical) {
                MoveToEx(hdc, across + kThumbHalf + 4, at, nullptr);
                LineTo(hdc, across + kThumbHalf + 8, at);
            } else {
                MoveToEx(hdc, at, across + kThumbHalf + 4, nullptr);
                LineTo(hdc, at, across + kThumbHalf + 8);
            }
        }
        SelectObject(hdc, old);
        DeleteObject(pen);
    }
    const LONG at = PixelOf(rc, vertical, state, state.position);
    RECT thumb = vertical ? RECT{across - 2 * kThumbHalf, at - kThumbHalf / 2 - 1, across + 2 * kThumbHalf, at + kThumbHalf / 2 + 2}
                          : RECT{at - kThumbHalf, across - 2 * kThumbHalf, at + kThumbHalf + 1, across + 2 * kThumbHalf};
    FillRect(hdc, &thumb, GetSysColorBrush(ReallyEnabled(hwnd) ? COLOR_BTNFACE : COLOR_3DLIGHT));
    DrawEdge(hdc, &thumb, EDGE_RAISED, BF_RECT);
    if (state.focused) {
        RECT focus = rc;
        DrawFocusRect(hdc, &focus);
    }
}

} // namespace

LRESULT CALLBACK TrackbarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<TrackbarState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    const auto redraw = [&](bool wanted) {
        if (wanted)
            window->invalid = true;
    };
    switch (msg) {
    case TBM_GETPOS:
        return state->position;
    case TBM_SETPOS:
        state->position = std::clamp(static_cast<int>(lParam), state->minimum, state->maximum);
        redraw(wParam != 0);
        return 0;
    case TBM_GETRANGEMIN:
        return state->minimum;
    case TBM_GETRANGEMAX:
        return state->maximum;
    case TBM_SETRANGE:
        state->minimum = static_cast<short>(LOWORD(lParam));
        state->maximum = static_cast<short>(HIWORD(lParam));
        state->position = std::clamp(state->position, state->minimum, std::max(state->minimum, state->maximum));
        redraw(wParam != 0);
        return 0;
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
        (msg == TBM_SETRANGEMIN ? state->minimum : state->maximum) = static_cast<int>(lParam);
        state->position = std::clamp(state->position, state->minimum, std::max(state->minimum, state->maximum));
        redraw(wParam != 0);
        return 0;
    case TBM_SETTIC:
        if (static_cast<int>(lParam) <= state->minimum || static_cast<int>(lParam) >= state->maximum)
            return FALSE;
        state->ticks.insert(static_cast<int>(lParam));
        window->invalid = true;
        return TRUE;
    case TBM_CLEARTICS:
        state->ticks.clear();
        redraw(wParam != 0);
        return 0;
    case TBM_SETTICFREQ:
        state->tickFrequency = static_cast<int>(wParam);
        window->invalid = true;
        return 0;
    case TBM_GETNUMTICS:
        // As documented: none with TBS_NOTICKS; with TBS_AUTOTICKS the range over the frequency, plus the two
        // ends; otherwise the ticks set, plus the two ends.
        if ((window->style & TBS_NOTICKS) != 0)
            return 0;
        if ((window->style & TBS_AUTOTICKS) != 0 && state->tickFrequency > 0)
            return (static_cast<LRESULT>(state->maximum) - state->minimum) / state->tickFrequency + 2;
        return static_cast<LRESULT>(state->ticks.size() + 2);
    case TBM_SETPAGESIZE: {
        const int old = state->pageSize;
        state->pageSize = static_cast<int>(lParam);
        return old;
    }
    case TBM_GETPAGESIZE:
        return state->pageSize;
    case TBM_SETLINESIZE: {
        const int old = state->lineSize;
        state->lineSize = static_cast<int>(lParam);
        return old;
    }
    case TBM_GETLINESIZE:
        return state->lineSize;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        ClickFocus(hwnd);
        return 0;
    case WM_KEYDOWN: {
        // Right and down move towards the maximum, left and up towards the minimum.
        int target = state->position;
        WORD code = 0;
        switch (wParam) {
        case VK_RIGHT: case VK_DOWN: target += state->lineSize; code = TB_LINEDOWN; break;
        case VK_LEFT:  case VK_UP:   target -= state->lineSize; code = TB_LINEUP; break;
        case VK_NEXT:  target += state->pageSize; code = TB_PAGEDOWN; break;
        case VK_PRIOR: target -= state->pageSize; code = TB_PAGEUP; break;
        case VK_HOME:  target = state->minimum; code = TB_TOP; break;
        case VK_END:   target = state->maximum; code = TB_BOTTOM; break;
        default:       return 0;
        }
        UserMove(hwnd, target, code);
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state->focused = msg == WM_SETFOCUS;
        window->invalid = true;
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, state](HDC hdc) { PaintTrackbar(hwnd, hdc, *window, *state); });
    }
}

} // namespace platform
