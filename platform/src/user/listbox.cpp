// listbox.cpp - the list box class: single, multiple or no selection, sorted or not, owner-drawn or not.
// LB_SETCURSEL and LB_SETSEL tell the parent nothing; a user's click on a row of a list box with LBS_NOTIFY
// sends LBN_SELCHANGE when it changed the selection, after the click has brought the focus.
#include "user/control_paint.h"
#include "user/controls.h"
#include "user/item_list.h"

#include <algorithm>

namespace platform {
namespace {

constexpr UINT kDefaultItemHeight = 13;

// The selection is the single-selection list's; a multiple-selection list marks its items.
struct ListBoxState : ItemListControl {
    int caret = 0;
    int top = 0;

    ListBoxState() : ItemListControl(ODT_LISTBOX, kDefaultItemHeight) {}
    bool UserPick(HWND hwnd, int index) override;
};

constexpr ItemListControl::Codes kCodes = {LB_GETITEMDATA, LB_SETITEMDATA,      LB_GETTEXT, LB_GETTEXTLEN,
                                           LB_FINDSTRING,  LB_FINDSTRINGEXACT, LB_GETCOUNT};

bool Multiple(const WindowRecord& window)
{
    return (window.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
}

bool OwnerDrawn(const WindowRecord& window)
{
    return (window.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

void Notify(HWND hwnd, const WindowRecord& window, UINT code)
{
    if ((window.style & LBS_NOTIFY) != 0)
        NotifyCommand(hwnd, code);
}

UINT RowHeight(const ListBoxState& state, size_t index)
{
    if (state.variableHeight && index < state.list.items.size())
        return state.list.items[index].height;
    return state.itemHeight;
}

RECT RowRect(HWND hwnd, const ListBoxState& state, size_t index)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    LONG y = 0;
    for (size_t i = static_cast<size_t>(std::max(state.top, 0)); i < index; ++i)
        y += static_cast<LONG>(RowHeight(state, i));
    return {0, y, rc.right, y + static_cast<LONG>(RowHeight(state, index))};
}

bool ListBoxState::UserPick(HWND hwnd, int index)
{
    if (!list.Valid(static_cast<WPARAM>(index)))
        return false;
    if (!ClickFocus(hwnd))
        return IsWindow(hwnd) != FALSE;   // the click went to whoever kept the focus
    const auto window = FindWindowRecord(hwnd);
    if ((window->style & LBS_NOSEL) != 0)
        return true;
    caret = index;
    window->invalid = true;
    if (Multiple(*window)) {
        auto& item = list.items[static_cast<size_t>(index)];
        item.selected = !item.selected;
    } else {
        if (selection == index)
            return true;
        selection = index;
    }
    Notify(hwnd, *window, LBN_SELCHANGE);
    return true;
}

void PaintList(HWND hwnd, HDC hdc, const WindowRecord& window, const ListBoxState& state)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, WM_CTLCOLORLISTBOX);
    FillRect(hdc, &rc, ReallyEnabled(hwnd) ? brush : GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(hdc, TRANSPARENT);
    for (size_t i = static_cast<size_t>(std::max(state.top, 0)); i < state.list.items.size(); ++i) {
        const RECT row = RowRect(hwnd, state, i);
        if (row.top >= rc.bottom)
            break;
        const bool selected = Multiple(window) ? state.list.items[i].selected : static_cast<int>(i) == state.selection;
        const bool focus = state.focused && static_cast<int>(i) == state.caret;
        if (OwnerDrawn(window)) {
            DrawItemByOwner(hwnd, hdc, ODT_LISTBOX, static_cast<UINT>(i), ODA_DRAWENTIRE,
                            (selected ? ODS_SELECTED : 0) | (focus ? ODS_FOCUS : 0), row, state.list.items[i].data);
            continue;
        }
        if (selected) {
            FillRect(hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetControlTextColor(hdc, hwnd, GetSysColor(COLOR_WINDOWTEXT));
        }
        RECT text = row;
        text.left += 2;
        DrawTextW(hdc, state.list.items[i].text.c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_EXPANDTABS);
        if (focus)
            DrawFocusRect(hdc, &row);
    }
    if ((window.exStyle & WS_EX_CLIENTEDGE) != 0 || (window.style & WS_BORDER) != 0)
        DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT);
}

} // namespace

LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<ListBoxState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    ItemList& list = state->list;
    const bool multiple = Multiple(*window);
    LRESULT shared = 0;
    if (state->Answer(kCodes, msg, wParam, lParam, shared))
        return shared;
    switch (msg) {
    case WM_CREATE:
        list.sorted = (window->style & LBS_SORT) != 0;
        list.hasStrings = !OwnerDrawn(*window) || (window->style & LBS_HASSTRINGS) != 0;
        state->variableHeight = (window->style & LBS_OWNERDRAWVARIABLE) != 0;
        if ((window->style & LBS_OWNERDRAWFIXED) != 0)
            state->itemHeight = state->Measure(hwnd, 0, 0, state->itemHeight);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        const int at = state->AddFromMessage(hwnd, msg == LB_ADDSTRING, wParam, lParam);
        return at < 0 ? LB_ERR : at;
    }
    case LB_DELETESTRING:
        if (!state->Remove(wParam))
            return LB_ERR;
        window->invalid = true;
        return static_cast<LRESULT>(list.items.size());
    case LB_RESETCONTENT:
        list.items.clear();
        state->selection = -1;
        state->caret = 0;
        state->top = 0;
        window->invalid = true;
        return 0;
    case LB_SETCURSEL:
        if (multiple || (window->style & LBS_NOSEL) != 0)
            return LB_ERR;
        window->invalid = true;
        if (static_cast<int>(wParam) == -1) {
            state->selection = -1;
            return LB_ERR;   // as Windows answers it, although nothing went wrong
        }
        if (!list.Valid(wParam))
            return LB_ERR;
        state->selection = state->caret = static_cast<int>(wParam);
        return static_cast<LRESULT>(wParam);
    case LB_GETCURSEL:
        return multiple ? state->caret : state->selection;
    case LB_SETSEL: {
        if (!multiple)
            return LB_ERR;
        const auto index = static_cast<int>(lParam);
        if (index == -1) {
            for (auto& item : list.items)
                item.selected = wParam != 0;
        } else if (list.Valid(static_cast<WPARAM>(index))) {
            list.items[static_cast<size_t>(index)].selected = wParam != 0;
        } else {
            return LB_ERR;
        }
        window->invalid = true;
        return 0;
    }
    case LB_GETSEL:
        if (!list.Valid(wParam))
            return LB_ERR;
        return multiple ? (list.items[wParam].selected ? 1 : 0) : (state->selection == static_cast<int>(wParam));
    case LB_GETSELCOUNT:
        if (!multiple)
            return LB_ERR;
        return std::count_if(list.items.begin(), list.items.end(), [](const ListItem& item) { return item.selected; });
    case LB_GETSELITEMS: {
        if (!multiple)
            return LB_ERR;
        auto* out = reinterpret_cast<int*>(lParam);
        LRESULT count = 0;
        for (size_t i = 0; out != nullptr && i < list.items.size() && static_cast<WPARAM>(count) < wParam; ++i)
            if (list.items[i].selected)
                out[count++] = static_cast<int>(i);
        return count;
    }
    case LB_SELECTSTRING: {
        if (multiple)
            return LB_ERR;
        const int found = list.Find(static_cast<int>(wParam), reinterpret_cast<const WCHAR*>(lParam), false);
        if (found >= 0)
            state->selection = state->caret = found;
        window->invalid = true;
        return found;
    }
    case LB_SETITEMHEIGHT:
        if (lParam <= 0 || lParam > 255)
            return LB_ERR;
        if (state->variableHeight && list.Valid(wParam))
            list.items[wParam].height = static_cast<UINT>(lParam);
        else
            state->itemHeight = static_cast<UINT>(lParam);
        window->invalid = true;
        return 0;
    case LB_GETITEMHEIGHT:
        return static_cast<LRESULT>(RowHeight(*state, wParam));
    case LB_GETITEMRECT:
        if (!list.Valid(wParam) || lParam == 0)
            return LB_ERR;
        *reinterpret_cast<RECT*>(lParam) = RowRect(hwnd, *state, wParam);
        return 1;
    case LB_GETTOPINDEX:
        return state->top;
    case LB_SETTOPINDEX:
        if (!list.Valid(wParam) && wParam != 0)
            return LB_ERR;
        state->top = static_cast<int>(wParam);
        window->invalid = true;
        return 0;
    case LB_SETCARETINDEX:
        if (!list.Valid(wParam))
            return LB_ERR;
        state->caret = static_cast<int>(wParam);
        return 0;
    case LB_GETCARETINDEX:
        return state->caret;
    case WM_LBUTTONDOWN:
        ClickFocus(hwnd);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The focus is told without LBS_NOTIFY, which is only for the user's choices.
        state->FocusChanged(hwnd, msg == WM_SETFOCUS, msg == WM_SETFOCUS ? LBN_SETFOCUS : LBN_KILLFOCUS);
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, state](HDC hdc) { PaintList(hwnd, hdc, *window, *state); });
    }
}

} // namespace platform
