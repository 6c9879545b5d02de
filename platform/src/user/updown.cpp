// updown.cpp - the up-down control: a pair of arrows that step a position within a range, usually beside a
// buddy edit that shows it (UDS_SETBUDDYINT). A user's click on an arrow asks the parent first
// (UDN_DELTAPOS, whose non-zero answer refuses, and whose iDelta the parent may change), then moves the
// position, sets the buddy's text (which raises the edit's own EN_CHANGE) and tells the parent with
// WM_VSCROLL (WM_HSCROLL for UDS_HORZ) SB_THUMBPOSITION; letting go of the arrow sends SB_ENDSCROLL. Setting
// the position or the range by message tells the parent nothing.
#include "user/control_paint.h"
#include "user/controls.h"
#include "common/text_util.h"
#include "win/commctrl.h"

#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

struct UpDownState : UserControl {
    int minimum = 100;   // the control's own default range runs from 100 down to 0
    int maximum = 0;
    int position = 0;
    HWND buddy = nullptr;
    int base = 10;

    bool UserScroll(HWND hwnd, int steps) override;
};

bool Horizontal(const WindowRecord& window)
{
    return (window.style & UDS_HORZ) != 0;
}

int Low(const UpDownState& state)
{
    return std::min(state.minimum, state.maximum);
}

int High(const UpDownState& state)
{
    return std::max(state.minimum, state.maximum);
}

// The buddy's text as a number in the control's base (thousands separators allowed in base 10); false when it
// is not one.
bool ReadBuddy(const UpDownState& state, int& value)
{
    if (state.buddy == nullptr || !IsWindow(state.buddy))
        return false;
    WCHAR text[64] = {};
    GetWindowTextW(state.buddy, text, static_cast<int>(std::size(text)));
    std::u16string digits;
    for (const WCHAR* c = text; *c != u'\0'; ++c)
        if (*c != u',' && *c != u' ')
            digits.push_back(*c);
    if (digits.empty())
        return false;
    long long result = 0;
    size_t i = 0;
    const bool negative = state.base == 10 && digits[0] == u'-';
    if (negative)
        i = 1;
    if (i == digits.size())
        return false;
    for (; i < digits.size(); ++i) {
        const WCHAR c = digits[i];
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (state.base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (state.base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0)
            return false;
        result = result * state.base + digit;
        if (result > 0x7FFFFFFF)
            return false;
    }
    value = static_cast<int>(negative ? -result : result);
    return true;
}

// Shows the position in the buddy (UDS_SETBUDDYINT), through WM_SETTEXT, so that an edit tells its parent.
void WriteBuddy(const WindowRecord& window, const UpDownState& state)
{
    if ((window.style & UDS_SETBUDDYINT) == 0 || state.buddy == nullptr || !IsWindow(state.buddy))
        return;
    std::u16string text;
    if (state.base == 16) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%X", static_cast<unsigned>(state.position));
        text = Utf8ToUtf16(buffer);
    } else {
        std::string digits = std::to_string(state.position < 0 ? -static_cast<long long>(state.position)
                                                                : static_cast<long long>(state.position));
        if ((window.style & UDS_NOTHOUSANDS) == 0)
            for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
                digits.insert(static_cast<size_t>(at), ",");
        text = Utf8ToUtf16((state.position < 0 ? "-" : "") + digits);
    }
    SetWindowTextW(state.buddy, text.c_str());
}

// The position the control starts a step from: the buddy's number when it shows one within the range.
int CurrentPosition(const WindowRecord& window, UpDownState& state)
{
    int value = 0;
    if ((window.style & UDS_SETBUDDYINT) != 0 && ReadBuddy(state, value) && value >= Low(state) &&
        value <= High(state))
        state.position = value;
    return state.position;
}

void SendScroll(HWND hwnd, const WindowRecord& window, WORD code, int position)
{
    SendMessageW(NotifyParent(hwnd), Horizontal(window) ? WM_HSCROLL : WM_VSCROLL,
                 MAKEWPARAM(code, static_cast<WORD>(position)), reinterpret_cast<LPARAM>(hwnd));
}

// One click on an arrow (up: towards the maximum), as the user makes it.
void Step(HWND hwnd, bool up)
{
    const auto window = FindWindowRecord(hwnd);
    auto* state = window != nullptr ? window->Control<UpDownState>() : nullptr;
    if (state == nullptr)
        return;
    NMUPDOWN nm = {};
    nm.hdr = {hwnd, static_cast<UINT_PTR>(window->id), UDN_DELTAPOS};
    nm.iPos = CurrentPosition(*window, *state);
    nm.iDelta = up ? 1 : -1;
    if (SendMessageW(NotifyParent(hwnd), WM_NOTIFY, static_cast<WPARAM>(window->id), reinterpret_cast<LPARAM>(&nm)) != 0 ||
        !IsWindow(hwnd))
        return;
    // The range may run either way: a step "up" goes towards the maximum.
    const long long delta = state->maximum >= state->minimum ? nm.iDelta : -static_cast<long long>(nm.iDelta);
    long long next = static_cast<long long>(nm.iPos) + delta;
    const int low = Low(*state);
    const int high = High(*state);
    if (next > high)
        next = (window->style & UDS_WRAP) != 0 ? low : high;
    else if (next < low)
        next = (window->style & UDS_WRAP) != 0 ? high : low;
    const bool moved = next != state->position;
    state->position = static_cast<int>(next);
    window->invalid = true;
    if (moved)
        WriteBuddy(*window, *state);
    if (IsWindow(hwnd))
        SendScroll(hwnd, *window, SB_THUMBPOSITION, state->position);
}

bool UpDownState::UserScroll(HWND hwnd, int steps)
{
    if (!ReallyEnabled(hwnd))
        return false;
    for (int i = 0; i < std::abs(steps) && IsWindow(hwnd); ++i) {
        Step(hwnd, steps > 0);
        if (const auto window = FindWindowRecord(hwnd))
            SendScroll(hwnd, *window, SB_ENDSCROLL, position);
    }
    return true;
}

// Places the control beside its buddy (UDS_ALIGNRIGHT, UDS_ALIGNLEFT), as high as the buddy.
void Align(HWND hwnd, const WindowRecord& window, const UpDownState& state)
{
    if ((window.style & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT)) == 0 || state.buddy == nullptr || !IsWindow(state.buddy))
        return;
    const auto buddy = FindWindowRecord(state.buddy);
    if (buddy == nullptr || buddy->parent != window.parent)
        return;
    const LONG width = window.rect.right - window.rect.left;
    const RECT& b = buddy->rect;
    const LONG x = (window.style & UDS_ALIGNRIGHT) != 0 ? b.right : b.left - width;
    SetWindowPos(hwnd, nullptr, x, b.top, width, b.bottom - b.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void PaintArrow(HDC hdc, const RECT& box, bool up, bool horizontal, bool enabled)
{
    FillRect(hdc, &box, GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = box;
    DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT);
    const LONG cx = (box.left + box.right) / 2;
    const LONG cy = (box.top + box.bottom) / 2;
    POINT arrow[3];
    if (horizontal) {
        const LONG d = up ? 2 : -2;
        arrow[0] = {cx + d, cy};
        arrow[1] = {cx - d, cy - 3};
        arrow[2] = {cx - d, cy + 3};
    } else {
        const LONG d = up ? -2 : 2;
        arrow[0] = {cx, cy + d};
        arrow[1] = {cx - 3, cy - d};
        arrow[2] = {cx + 3, cy - d};
    }
    const HGDIOBJ oldBrush = SelectObject(hdc, GetSysColorBrush(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    Polygon(hdc, arrow, 3);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
}

void PaintUpDown(HWND hwnd, HDC hdc, const WindowRecord& window)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const bool enabled = ReallyEnabled(hwnd);
    if (Horizontal(window)) {
        const LONG mid = (rc.left + rc.right) / 2;
        PaintArrow(hdc, {rc.left, rc.top, mid, rc.bottom}, false, true, enabled);
        PaintArrow(hdc, {mid, rc.top, rc.right, rc.bottom}, true, true, enabled);
    } else {
        const LONG mid = (rc.top + rc.bottom) / 2;
        PaintArrow(hdc, {rc.left, rc.top, rc.right, mid}, true, false, enabled);
        PaintArrow(hdc, {rc.left, mid, rc.right, rc.bottom}, false, false, enabled);
    }
}

} // namespace

LRESULT CALLBACK UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<UpDownState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    switch (msg) {
    case WM_CREATE:
        // UDS_AUTOBUDDY: the sibling made just before it.
        if ((window->style & UDS_AUTOBUDDY) != 0)
            SendMessageW(hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetWindow(hwnd, GW_HWNDPREV)), 0);
        return 0;
    case UDM_SETBUDDY: {
        const HWND old = state->buddy;
        state->buddy = IsWindow(reinterpret_cast<HWND>(wParam)) ? reinterpret_cast<HWND>(wParam) : nullptr;
        Align(hwnd, *window, *state);
        return reinterpret_cast<LRESULT>(old);
    }
    case UDM_GETBUDDY:
        return reinterpret_cast<LRESULT>(state->buddy);
    case UDM_SETRANGE:
        // The maximum in the low word, the minimum in the high word, each a short.
        state->maximum = static_cast<short>(LOWORD(lParam));
        state->minimum = static_cast<short>(HIWORD(lParam));
        window->invalid = true;
        return 0;
    case UDM_GETRANGE:
        return MAKELONG(static_cast<WORD>(state->maximum), static_cast<WORD>(state->minimum));
    case UDM_SETRANGE32:
        state->minimum = static_cast<int>(wParam);
        state->maximum = static_cast<int>(lParam);
        window->invalid = true;
        return 0;
    case UDM_GETRANGE32:
        if (wParam != 0)
            *reinterpret_cast<int*>(wParam) = state->minimum;
        if (lParam != 0)
            *reinterpret_cast<int*>(lParam) = state->maximum;
        return 0;
    case UDM_SETPOS:
    case UDM_SETPOS32: {
        const int old = state->position;
        const int wanted = msg == UDM_SETPOS ? static_cast<short>(LOWORD(lParam)) : static_cast<int>(lParam);
        state->position = std::clamp(wanted, Low(*state), High(*state));
        window->invalid = true;
        WriteBuddy(*window, *state);
        return msg == UDM_SETPOS ? static_cast<LRESULT>(static_cast<WORD>(old)) : old;
    }
    case UDM_GETPOS:
    case UDM_GETPOS32: {
        // With UDS_SETBUDDYINT the buddy's text is the position; a text that is no number (or out of the range)
        // is an error, reported in the high word (GETPOS) or through lParam (GETPOS32).
        bool failed = false;
        if ((window->style & UDS_SETBUDDYINT) != 0 && state->buddy != nullptr) {
            int value = 0;
            if (ReadBuddy(*state, value) && value >= Low(*state) && value <= High(*state))
                state->position = value;
            else
                failed = true;
        }
        if (msg == UDM_GETPOS32) {
            if (lParam != 0)
                *reinterpret_cast<BOOL*>(lParam) = failed ? TRUE : FALSE;
            return state->position;
        }
        return MAKELONG(static_cast<WORD>(state->position), failed ? 1 : 0);
    }
    case UDM_SETBASE: {
        if (wParam != 10 && wParam != 16)
            return 0;
        const int old = state->base;
        state->base = static_cast<int>(wParam);
        return old;
    }
    case UDM_GETBASE:
        return state->base;
    case WM_LBUTTONDOWN: {
        // The upper (vertical) or right (horizontal) half is the "up" arrow.
        RECT rc;
        GetClientRect(hwnd, &rc);
        const bool up = Horizontal(*window) ? static_cast<short>(LOWORD(lParam)) >= rc.right / 2
                                            : static_cast<short>(HIWORD(lParam)) < rc.bottom / 2;
        SetCapture(hwnd);
        Step(hwnd, up);
        return 0;
    }
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
            SendScroll(hwnd, *window, SB_ENDSCROLL, state->position);
        }
        return 0;
    case WM_GETDLGCODE:
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam, [hwnd, window](HDC hdc) { PaintUpDown(hwnd, hdc, *window); });
    }
}

} // namespace platform
