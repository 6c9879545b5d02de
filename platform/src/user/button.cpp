// button.cpp - the button class: push buttons, check boxes, radio buttons (automatic groups up to the next
// WS_GROUP), three-state boxes, group boxes and owner-drawn buttons. A click is the button going down under
// the mouse with the focus, and coming up while it still has the capture and the focus; BM_SETCHECK and
// BM_SETSTATE tell the parent nothing.
#include "user/control_paint.h"
#include "user/controls.h"
#include "common/text_util.h"

#include <algorithm>

namespace platform {
namespace {

struct ButtonState : UserControl {
    UINT check = BST_UNCHECKED;
    bool pushed = false;
    bool focused = false;
    HANDLE image = nullptr;
    WPARAM imageType = IMAGE_BITMAP;
};

ButtonState* StateOf(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    return window != nullptr ? window->Control<ButtonState>() : nullptr;
}

DWORD TypeOf(const WindowRecord& window)
{
    return window.style & BS_TYPEMASK;
}

bool IsCheckType(DWORD type)
{
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

bool IsRadio(DWORD type)
{
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

void SetCheck(HWND hwnd, WindowRecord& window, ButtonState& state, UINT check)
{
    const DWORD type = TypeOf(window);
    if (!IsCheckType(type))
        return;
    if (check == BST_INDETERMINATE && type != BS_3STATE && type != BS_AUTO3STATE)
        check = BST_CHECKED;
    state.check = check & 3;
    // A checked radio button is the group's tab stop.
    if (IsRadio(type))
        window.style = state.check == BST_CHECKED ? window.style | WS_TABSTOP : window.style & ~WS_TABSTOP;
    window.invalid = true;
    (void)hwnd;
}

// The automatic radio buttons of the group (up to the next WS_GROUP) other than this one lose their check.
void ClearGroup(HWND hwnd)
{
    for (const HWND other : GroupOf(hwnd)) {
        const auto record = FindWindowRecord(other);
        if (other != hwnd && record != nullptr && EqualsNoCase(record->cls->name, u"Button") &&
            TypeOf(*record) == BS_AUTORADIOBUTTON)
            SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void Click(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    ButtonState* state = StateOf(hwnd);
    if (window == nullptr || state == nullptr)
        return;
    switch (TypeOf(*window)) {
    case BS_AUTOCHECKBOX:
        SetCheck(hwnd, *window, *state, state->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
        break;
    case BS_AUTO3STATE:
        SetCheck(hwnd, *window, *state, (state->check + 1) % 3);
        break;
    case BS_AUTORADIOBUTTON:
        SetCheck(hwnd, *window, *state, BST_CHECKED);
        ClearGroup(hwnd);
        break;
    default:
        break;
    }
    NotifyCommand(hwnd, BN_CLICKED);
}

void PaintButton(HWND hwnd, HDC hdc)
{
    const auto window = FindWindowRecord(hwnd);
    ButtonState* state = StateOf(hwnd);
    if (window == nullptr || state == nullptr)
        return;
    RECT rc;
    GetClientRect(hwnd, &rc);
    const DWORD type = TypeOf(*window);
    if (type == BS_OWNERDRAW) {
        UINT itemState = (state->pushed ? ODS_SELECTED : 0) | (state->focused ? ODS_FOCUS : 0);
        DrawItemByOwner(hwnd, hdc, ODT_BUTTON, 0, ODA_DRAWENTIRE, itemState, rc, 0);
        return;
    }
    const bool push = !IsCheckType(type) && type != BS_GROUPBOX;
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC);
    SetBkMode(hdc, TRANSPARENT);
    SetControlTextColor(hdc, hwnd, GetSysColor(COLOR_BTNTEXT));
    const std::u16string& text = window->text;
    if (type == BS_GROUPBOX) {
        TEXTMETRICW tm = {};
        GetTextMetricsW(hdc, &tm);
        RECT frame = {rc.left, rc.top + tm.tmHeight / 2, rc.right, rc.bottom};
        DrawEdge(hdc, &frame, EDGE_ETCHED, BF_RECT);
        RECT label = {rc.left + 8, rc.top, rc.right - 8, rc.top + tm.tmHeight};
        DrawTextW(hdc, text.c_str(), -1, &label, DT_SINGLELINE | DT_CALCRECT);
        InflateRect(&label, 2, 0);
        FillRect(hdc, &label, brush);
        InflateRect(&label, -2, 0);
        DrawTextW(hdc, text.c_str(), -1, &label, DT_SINGLELINE);
        return;
    }
    if (push) {
        FillRect(hdc, &rc, GetSysColorBrush(COLOR_BTNFACE));
        RECT edge = rc;
        if (type == BS_DEFPUSHBUTTON) {
            FrameRect(hdc, &edge, GetSysColorBrush(COLOR_WINDOWFRAME));
            InflateRect(&edge, -1, -1);
        }
        DrawEdge(hdc, &edge, state->pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
        RECT label = rc;
        if (state->pushed)
            OffsetRect(&label, 1, 1);
        DrawTextW(hdc, text.c_str(), -1, &label, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        if (state->focused) {
            RECT focus = rc;
            InflateRect(&focus, -4, -4);
            DrawFocusRect(hdc, &focus);
        }
        return;
    }
    FillRect(hdc, &rc, brush);
    const LONG size = 13;
    const bool leftText = (window->style & BS_LEFTTEXT) != 0;
    const LONG top = rc.top + (rc.bottom - rc.top - size) / 2;
    RECT box = leftText ? RECT{rc.right - size, top, rc.right, top + size} : RECT{rc.left, top, rc.left + size, top + size};
    const HBRUSH face = GetSysColorBrush(state->pushed || !ReallyEnabled(hwnd) ? COLOR_BTNFACE : COLOR_WINDOW);
    if (IsRadio(type)) {
        const HGDIOBJ oldBrush = SelectObject(hdc, face);
        const HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
        const HGDIOBJ oldPen = SelectObject(hdc, pen);
        Ellipse(hdc, box.left, box.top, box.right, box.bottom);
        if (state->check == BST_CHECKED) {
            SelectObject(hdc, GetSysColorBrush(ReallyEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
            Ellipse(hdc, box.left + 4, box.top + 4, box.right - 4, box.bottom - 4);
        }
        SelectObject(hdc, oldPen);
        SelectObject(hdc, oldBrush);
        DeleteObject(pen);
    } else {
        FillRect(hdc, &box, state->check == BST_INDETERMINATE ? GetSysColorBrush(COLOR_3DLIGHT) : face);
        RECT edge = box;
        DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
        if (state->check != BST_UNCHECKED)
            DrawCheckMark(hdc, box, GetSysColor(state->check == BST_INDETERMINATE || !ReallyEnabled(hwnd)
                                                    ? COLOR_GRAYTEXT
                                                    : COLOR_WINDOWTEXT));
    }
    RECT label = leftText ? RECT{rc.left, rc.top, box.left - 4, rc.bottom} : RECT{box.right + 4, rc.top, rc.right, rc.bottom};
    DrawTextW(hdc, text.c_str(), -1, &label,
              DT_VCENTER | ((window->style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE));
    if (state->focused && !text.empty()) {
        RECT focus = label;
        DrawTextW(hdc, text.c_str(), -1, &focus, DT_SINGLELINE | DT_CALCRECT);
        OffsetRect(&focus, 0, (label.bottom - label.top - (focus.bottom - focus.top)) / 2);
        InflateRect(&focus, 1, 1);
        DrawFocusRect(hdc, &focus);
    }
}

LRESULT DialogCode(const WindowRecord& window)
{
    switch (TypeOf(window)) {
    case BS_DEFPUSHBUTTON:     return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
    case BS_OWNERDRAW:         return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:   return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:          return DLGC_STATIC;
    default:                   return DLGC_BUTTON;
    }
}

} // namespace

LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return 0;
    if (window->control == nullptr)
        window->control = std::make_shared<ButtonState>();
    ButtonState* state = StateOf(hwnd);
    if (state == nullptr)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const DWORD type = TypeOf(*window);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(*window);
    case BM_GETCHECK:
        return IsCheckType(type) ? state->check : 0;
    case BM_SETCHECK:
        SetCheck(hwnd, *window, *state, static_cast<UINT>(wParam));
        return 0;
    case BM_GETSTATE:
        return (IsCheckType(type) ? state->check : 0) | (state->pushed ? BST_PUSHED : 0) |
               (state->focused ? BST_FOCUS : 0);
    case BM_SETSTATE:
        state->pushed = wParam != 0;
        window->invalid = true;
        return 0;
    case BM_SETSTYLE:
        window->style = (window->style & ~0xFFFFu) | LOWORD(wParam);
        window->invalid = true;
        return 0;
    case BM_CLICK:
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        if (IsWindow(hwnd))
            SendMessageW(hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case BM_SETIMAGE: {
        const HANDLE old = state->image;
        state->image = reinterpret_cast<HANDLE>(lParam);
        state->imageType = wParam;
        window->invalid = true;
        return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE:
        return wParam == state->imageType ? reinterpret_cast<LRESULT>(state->image) : 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (type == BS_GROUPBOX)
            return 0;
        if (!ClickFocus(hwnd))
            return 0;
        SetCapture(hwnd);
        state->pushed = true;
        window->invalid = true;
        return 0;
    case WM_LBUTTONUP: {
        const bool captured = GetCapture() == hwnd;
        const bool wasPushed = state->pushed;
        state->pushed = false;
        window->invalid = true;
        if (captured)
            ReleaseCapture();
        if (captured && wasPushed && GetFocus() == hwnd && ReallyEnabled(hwnd))
            Click(hwnd);
        return 0;
    }
    case WM_CAPTURECHANGED:
        state->pushed = false;
        window->invalid = true;
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && type != BS_GROUPBOX) {
            state->pushed = true;
            window->invalid = true;
        }
        return 0;
    case WM_KEYUP:
        if (wParam == VK_SPACE && state->pushed) {
            state->pushed = false;
            window->invalid = true;
            Click(hwnd);
        }
        return 0;
    case WM_CHAR:
        return 0;
    case WM_SETFOCUS:
        state->focused = true;
        window->invalid = true;
        if ((window->style & BS_NOTIFY) != 0)
            NotifyCommand(hwnd, BN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state->focused = false;
        state->pushed = false;
        window->invalid = true;
        if ((window->style & BS_NOTIFY) != 0)
            NotifyCommand(hwnd, BN_KILLFOCUS);
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam, [hwnd](HDC hdc) { PaintButton(hwnd, hdc); });
    }
}

} // namespace platform
