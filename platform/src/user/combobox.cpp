// combobox.cpp - the combo box class: a selection field over a drop-down list (CBS_DROPDOWNLIST, and
// CBS_DROPDOWN whose field holds free text), sorted or not, owner-drawn or not. Setting the selection by
// message tells the parent nothing; a user's pick from the list sends CBN_DROPDOWN, CBN_SELCHANGE,
// CBN_SELENDOK and CBN_CLOSEUP, after the click has brought the focus.
#include "user/control_paint.h"
#include "user/controls.h"
#include "user/item_list.h"
#include "common/text_util.h"

namespace platform {
namespace {

constexpr UINT kDefaultItemHeight = 15;

struct ComboState : ItemListControl {
    bool dropped = false;
    UINT fieldHeight = kDefaultItemHeight;
    size_t limit = 0;

    ComboState() : ItemListControl(ODT_COMBOBOX, kDefaultItemHeight) {}
    bool UserPick(HWND hwnd, int index) override;
};

constexpr ItemListControl::Codes kCodes = {CB_GETITEMDATA, CB_SETITEMDATA,      CB_GETLBTEXT, CB_GETLBTEXTLEN,
                                           CB_FINDSTRING,  CB_FINDSTRINGEXACT, CB_GETCOUNT};

bool OwnerDrawn(const WindowRecord& window)
{
    return (window.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0;
}

// The field shows the selected item's text.
void Select(WindowRecord& window, ComboState& state, int index)
{
    state.selection = index;
    if ((window.style & 3) == CBS_DROPDOWNLIST || state.list.Valid(static_cast<WPARAM>(index)))
        window.text = state.list.Valid(static_cast<WPARAM>(index)) && state.list.hasStrings
                          ? state.list.items[static_cast<size_t>(index)].text
                          : std::u16string();
    window.invalid = true;
}

bool ComboState::UserPick(HWND hwnd, int index)
{
    if (!list.Valid(static_cast<WPARAM>(index)))
        return false;
    if (!ClickFocus(hwnd))
        return IsWindow(hwnd) != FALSE;   // the click went to whoever kept the focus
    const auto window = FindWindowRecord(hwnd);
    dropped = true;
    NotifyCommand(hwnd, CBN_DROPDOWN);
    if (!IsWindow(hwnd))
        return true;
    Select(*window, *this, index);
    NotifyCommand(hwnd, CBN_SELCHANGE);
    if (IsWindow(hwnd))
        NotifyCommand(hwnd, CBN_SELENDOK);
    dropped = false;
    if (IsWindow(hwnd))
        NotifyCommand(hwnd, CBN_CLOSEUP);
    return true;
}

void PaintCombo(HWND hwnd, HDC hdc, const WindowRecord& window, const ComboState& state)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    rc.bottom = std::min<LONG>(rc.bottom, static_cast<LONG>(state.fieldHeight) + 6);
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, WM_CTLCOLOREDIT);
    FillRect(hdc, &rc, ReallyEnabled(hwnd) ? brush : GetSysColorBrush(COLOR_BTNFACE));
    RECT edge = rc;
    DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
    RECT button = {rc.right - 18, rc.top + 2, rc.right - 2, rc.bottom - 2};
    FillRect(hdc, &button, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &button, EDGE_RAISED, BF_RECT);
    // The arrow: a small triangle pointing down.
    const LONG cx = (button.left + button.right) / 2;
    const LONG cy = (button.top + button.bottom) / 2;
    const POINT arrow[] = {{cx - 3, cy - 1}, {cx + 4, cy - 1}, {cx, cy + 3}};
    const HGDIOBJ oldBrush = SelectObject(hdc, GetSysColorBrush(ReallyEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(NULL_PEN));
    Polygon(hdc, arrow, 3);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    RECT field = {rc.left + 3, rc.top + 3, button.left - 1, rc.bottom - 3};
    if (OwnerDrawn(window)) {
        const bool valid = state.list.Valid(static_cast<WPARAM>(state.selection));
        const UINT itemState = ODS_COMBOBOXEDIT | (state.focused ? ODS_SELECTED | ODS_FOCUS : 0);
        DrawItemByOwner(hwnd, hdc, ODT_COMBOBOX, static_cast<UINT>(state.selection), ODA_DRAWENTIRE, itemState, field,
                        valid ? state.list.items[static_cast<size_t>(state.selection)].data : 0);
        return;
    }
    if (state.focused && (window.style & 3) == CBS_DROPDOWNLIST) {
        FillRect(hdc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        SetControlTextColor(hdc, hwnd, GetSysColor(COLOR_WINDOWTEXT));
    }
    SetBkMode(hdc, TRANSPARENT);
    field.left += 1;
    DrawTextW(hdc, window.text.c_str(), -1, &field, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

} // namespace

LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<ComboState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    ItemList& list = state->list;
    LRESULT shared = 0;
    if (state->Answer(kCodes, msg, wParam, lParam, shared))
        return shared;
    switch (msg) {
    case WM_CREATE:
        list.sorted = (window->style & CBS_SORT) != 0;
        list.hasStrings = !OwnerDrawn(*window) || (window->style & CBS_HASSTRINGS) != 0;
        state->variableHeight = (window->style & CBS_OWNERDRAWVARIABLE) != 0;
        if (OwnerDrawn(*window)) {
            // The owner says how high the selection field and the list's items are.
            state->fieldHeight = state->Measure(hwnd, static_cast<UINT>(-1), 0, state->fieldHeight);
            if ((window->style & CBS_OWNERDRAWFIXED) != 0)
                state->itemHeight = state->Measure(hwnd, 0, 0, state->itemHeight);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const int at = state->AddFromMessage(hwnd, msg == CB_ADDSTRING, wParam, lParam);
        return at < 0 ? CB_ERR : at;
    }
    case CB_DELETESTRING: {
        const bool selected = state->selection == static_cast<int>(wParam);
        if (!state->Remove(wParam))
            return CB_ERR;
        if (selected)
            Select(*window, *state, -1);
        return static_cast<LRESULT>(list.items.size());
    }
    case CB_RESETCONTENT:
        list.items.clear();
        Select(*window, *state, -1);
        return CB_OKAY;
    case CB_GETCURSEL:
        return state->selection;
    case CB_SETCURSEL:
        // Out of range (or -1) clears the selection and answers CB_ERR.
        if (!list.Valid(wParam)) {
            Select(*window, *state, -1);
            return CB_ERR;
        }
        Select(*window, *state, static_cast<int>(wParam));
        return static_cast<LRESULT>(wParam);
    case CB_SELECTSTRING: {
        const int found = list.Find(static_cast<int>(wParam), reinterpret_cast<const WCHAR*>(lParam), false);
        if (found < 0)
            return CB_ERR;
        Select(*window, *state, found);
        return found;
    }
    case CB_SETITEMHEIGHT:
        if (static_cast<int>(wParam) == -1)
            state->fieldHeight = static_cast<UINT>(lParam);
        else if (state->variableHeight && list.Valid(wParam))
            list.items[wParam].height = static_cast<UINT>(lParam);
        else
            state->itemHeight = static_cast<UINT>(lParam);
        window->invalid = true;
        return 0;
    case CB_GETITEMHEIGHT:
        if (static_cast<int>(wParam) == -1)
            return state->fieldHeight;
        if (state->variableHeight && list.Valid(wParam))
            return list.items[wParam].height;
        return state->itemHeight;
    case CB_SHOWDROPDOWN:
        state->dropped = wParam != 0;
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return state->dropped ? TRUE : FALSE;
    case CB_LIMITTEXT:
        state->limit = wParam;
        return TRUE;
    case WM_LBUTTONDOWN:
        ClickFocus(hwnd);
        return 0;
    case WM_KEYDOWN: {
        // Arrows move the selection as the user sees it: the parent hears CBN_SELCHANGE.
        const int count = static_cast<int>(list.items.size());
        int next = state->selection;
        if (wParam == VK_DOWN)
            next = std::min(next + 1, count - 1);
        else if (wParam == VK_UP)
            next = std::max(next - 1, 0);
        else
            return 0;
        if (count > 0 && next != state->selection) {
            Select(*window, *state, next);
            NotifyCommand(hwnd, CBN_SELCHANGE);
        }
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state->FocusChanged(hwnd, msg == WM_SETFOCUS, msg == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, state](HDC hdc) { PaintCombo(hwnd, hdc, *window, *state); });
    }
}

} // namespace platform
