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

struct ComboState : UserControl {
    ItemList list;
    int selection = -1;
    bool dropped = false;
    bool focused = false;
    UINT fieldHeight = kDefaultItemHeight;
    UINT itemHeight = kDefaultItemHeight;
    size_t limit = 0;

    bool UserPick(HWND hwnd, int index) override;
    int FindItem(HWND, const std::u16string& text) override
    {
        const int exact = list.Find(-1, text.c_str(), true);
        return exact >= 0 ? exact : list.Find(-1, text.c_str(), false);
    }
};

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

void Measure(HWND hwnd, const WindowRecord& window, UINT itemId, ULONG_PTR data, UINT& height)
{
    MEASUREITEMSTRUCT mis = {ODT_COMBOBOX, static_cast<UINT>(window.id), itemId, 0, height, data};
    SendMessageW(NotifyParent(hwnd), WM_MEASUREITEM, static_cast<WPARAM>(window.id), reinterpret_cast<LPARAM>(&mis));
    height = mis.itemHeight;
}

bool ComboState::UserPick(HWND hwnd, int index)
{
    if (!list.Valid(static_cast<WPARAM>(index)))
        return false;
    if (GetFocus() != hwnd)
        SetFocus(hwnd);
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr || GetFocus() != hwnd)
        return window != nullptr;   // the click went to whoever kept the focus
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
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return 0;
    if (window->control == nullptr)
        window->control = std::make_shared<ComboState>();
    auto* state = window->Control<ComboState>();
    if (state == nullptr)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    ItemList& list = state->list;
    switch (msg) {
    case WM_CREATE:
        list.sorted = (window->style & CBS_SORT) != 0;
        list.hasStrings = !OwnerDrawn(*window) || (window->style & CBS_HASSTRINGS) != 0;
        if (OwnerDrawn(*window)) {
            // The owner says how high the selection field and the list's items are.
            Measure(hwnd, *window, static_cast<UINT>(-1), 0, state->fieldHeight);
            if ((window->style & CBS_OWNERDRAWFIXED) != 0)
                Measure(hwnd, *window, 0, 0, state->itemHeight);
        }
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
        const auto* text = reinterpret_cast<const WCHAR*>(lParam);
        if (list.hasStrings && text == nullptr)
            return CB_ERR;
        const int at = msg == CB_ADDSTRING ? list.Add(text, lParam)
                                           : list.Insert(static_cast<int>(wParam), text, lParam);
        if (at < 0)
            return CB_ERR;
        if (state->selection >= at && state->selection >= 0)
            ++state->selection;
        if ((window->style & CBS_OWNERDRAWVARIABLE) != 0) {
            UINT height = state->itemHeight;
            Measure(hwnd, *window, static_cast<UINT>(at), list.items[static_cast<size_t>(at)].data, height);
            list.items[static_cast<size_t>(at)].height = height;
        }
        window->invalid = true;
        return at;
    }
    case CB_DELETESTRING:
        if (!list.Valid(wParam))
            return CB_ERR;
        list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(wParam));
        if (state->selection == static_cast<int>(wParam))
            Select(*window, *state, -1);
        else if (state->selection > static_cast<int>(wParam))
            --state->selection;
        return static_cast<LRESULT>(list.items.size());
    case CB_RESETCONTENT:
        list.items.clear();
        Select(*window, *state, -1);
        return CB_OKAY;
    case CB_GETCOUNT:
        return static_cast<LRESULT>(list.items.size());
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
    case CB_GETLBTEXT:
        return list.CopyText(wParam, lParam);
    case CB_GETLBTEXTLEN:
        return list.TextLength(wParam);
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
        return list.Find(static_cast<int>(wParam), reinterpret_cast<const WCHAR*>(lParam), msg == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
        const int found = list.Find(static_cast<int>(wParam), reinterpret_cast<const WCHAR*>(lParam), false);
        if (found < 0)
            return CB_ERR;
        Select(*window, *state, found);
        return found;
    }
    case CB_GETITEMDATA:
        return list.Valid(wParam) ? static_cast<LRESULT>(list.items[wParam].data) : CB_ERR;
    case CB_SETITEMDATA:
        if (!list.Valid(wParam))
            return CB_ERR;
        list.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        return TRUE;
    case CB_SETITEMHEIGHT:
        if (static_cast<int>(wParam) == -1)
            state->fieldHeight = static_cast<UINT>(lParam);
        else if ((window->style & CBS_OWNERDRAWVARIABLE) != 0 && list.Valid(wParam))
            list.items[wParam].height = static_cast<UINT>(lParam);
        else
            state->itemHeight = static_cast<UINT>(lParam);
        window->invalid = true;
        return 0;
    case CB_GETITEMHEIGHT:
        if (static_cast<int>(wParam) == -1)
            return state->fieldHeight;
        if ((window->style & CBS_OWNERDRAWVARIABLE) != 0 && list.Valid(wParam))
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
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
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
        state->focused = true;
        window->invalid = true;
        NotifyCommand(hwnd, CBN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state->focused = false;
        window->invalid = true;
        NotifyCommand(hwnd, CBN_KILLFOCUS);
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, state](HDC hdc) { PaintCombo(hwnd, hdc, *window, *state); });
    }
}

} // namespace platform
