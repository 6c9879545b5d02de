// tab.cpp - the tab control: a row of tabs over a frame. TCM_SETCURSEL tells the parent nothing; a user's
// click on a tab asks the parent first (TCN_SELCHANGING, which a non-zero answer refuses) and then tells it
// (TCN_SELCHANGE).
#include "user/control_paint.h"
#include "user/controls.h"
#include "user/painting.h"
#include "common/text_util.h"
#include "win/commctrl.h"

#include <algorithm>

namespace platform {
namespace {

constexpr LONG kTabHeight = 20;

struct TabItem {
    std::u16string text;
    int image = -1;
    LPARAM param = 0;
};

struct TabState : UserControl {
    std::vector<TabItem> items;
    int selection = -1;
    bool focused = false;

    bool UserPick(HWND hwnd, int index) override;
    int FindItem(HWND, const std::u16string& text) override
    {
        for (size_t i = 0; i < items.size(); ++i)
            if (EqualsNoCase(items[i].text, text))
                return static_cast<int>(i);
        return -1;
    }
};

LRESULT Notify(HWND hwnd, UINT code)
{
    NMHDR hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
    return SendMessageW(NotifyParent(hwnd), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

bool TabState::UserPick(HWND hwnd, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= items.size())
        return false;
    if (index == selection)
        return true;
    if (Notify(hwnd, TCN_SELCHANGING) != 0)
        return true;   // the parent keeps the tab it has
    if (!IsWindow(hwnd))
        return true;
    selection = index;
    if (const auto window = FindWindowRecord(hwnd))
        window->invalid = true;
    Notify(hwnd, TCN_SELCHANGE);
    return true;
}

std::vector<RECT> TabRects(HWND hwnd, HDC hdc, const TabState& state)
{
    std::vector<RECT> rects;
    LONG x = 2;
    for (const TabItem& item : state.items) {
        SIZE extent = {};
        GetTextExtentPoint32W(hdc, item.text.c_str(), static_cast<int>(item.text.size()), &extent);
        rects.push_back({x, 2, x + extent.cx + 12, kTabHeight});
        x += extent.cx + 12;
    }
    (void)hwnd;
    return rects;
}

void PaintTabs(HWND hwnd, HDC hdc, const TabState& state)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, WM_CTLCOLORDLG);
    FillRect(hdc, &rc, brush);
    RECT frame = {rc.left, kTabHeight, rc.right, rc.bottom};
    DrawEdge(hdc, &frame, EDGE_RAISED, BF_RECT);
    SetBkMode(hdc, TRANSPARENT);
    SetControlTextColor(hdc, hwnd, GetSysColor(COLOR_BTNTEXT));
    const std::vector<RECT> rects = TabRects(hwnd, hdc, state);
    for (size_t i = 0; i < rects.size(); ++i) {
        RECT tab = rects[i];
        const bool selected = static_cast<int>(i) == state.selection;
        if (selected) {
            InflateRect(&tab, 2, 0);
            tab.top -= 2;
            tab.bottom += 1;
        }
        FillRect(hdc, &tab, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(hdc, &tab, EDGE_RAISED, BF_LEFT | BF_TOP | BF_RIGHT);
        DrawTextW(hdc, state.items[i].text.c_str(), -1, &tab, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
        if (selected && state.focused) {
            RECT focus = tab;
            InflateRect(&focus, -3, -3);
            DrawFocusRect(hdc, &focus);
        }
    }
}

bool FillItem(TabItem& item, const TCITEMW* in)
{
    if (in == nullptr)
        return false;
    if ((in->mask & TCIF_TEXT) != 0)
        item.text = View(in->pszText);
    if ((in->mask & TCIF_IMAGE) != 0)
        item.image = in->iImage;
    if ((in->mask & TCIF_PARAM) != 0)
        item.param = in->lParam;
    return true;
}

} // namespace

LRESULT CALLBACK TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<TabState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    auto& items = state->items;
    switch (msg) {
    case TCM_GETITEMCOUNT:
        return static_cast<LRESULT>(items.size());
    case TCM_INSERTITEMW: {
        TabItem item;
        if (!FillItem(item, reinterpret_cast<const TCITEMW*>(lParam)))
            return -1;
        const size_t at = std::min<size_t>(wParam, items.size());
        items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), item);
        if (state->selection < 0)
            state->selection = 0;
        else if (static_cast<size_t>(state->selection) >= at && items.size() > 1)
            ++state->selection;
        window->invalid = true;
        return static_cast<LRESULT>(at);
    }
    case TCM_SETITEMW:
        if (wParam >= items.size())
            return FALSE;
        window->invalid = true;
        return FillItem(items[wParam], reinterpret_cast<const TCITEMW*>(lParam)) ? TRUE : FALSE;
    case TCM_GETITEMW: {
        auto* out = reinterpret_cast<TCITEMW*>(lParam);
        if (wParam >= items.size() || out == nullptr)
            return FALSE;
        const TabItem& item = items[wParam];
        if ((out->mask & TCIF_TEXT) != 0 && out->pszText != nullptr && out->cchTextMax > 0) {
            const size_t count = std::min(item.text.size(), static_cast<size_t>(out->cchTextMax) - 1);
            std::copy_n(item.text.data(), count, out->pszText);
            out->pszText[count] = u'\0';
        }
        if ((out->mask & TCIF_IMAGE) != 0)
            out->iImage = item.image;
        if ((out->mask & TCIF_PARAM) != 0)
            out->lParam = item.param;
        return TRUE;
    }
    case TCM_DELETEITEM:
        if (wParam >= items.size())
            return FALSE;
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(wParam));
        if (state->selection >= static_cast<int>(items.size()))
            state->selection = static_cast<int>(items.size()) - 1;
        window->invalid = true;
        return TRUE;
    case TCM_DELETEALLITEMS:
        items.clear();
        state->selection = -1;
        window->invalid = true;
        return TRUE;
    case TCM_GETCURSEL:
    case TCM_GETCURFOCUS:
        return state->selection;
    case TCM_SETCURSEL:
    case TCM_SETCURFOCUS: {
        if (wParam >= items.size())
            return -1;
        const int old = state->selection;
        state->selection = static_cast<int>(wParam);
        window->invalid = true;
        return old;
    }
    case TCM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lParam);
        if (wParam >= items.size() || out == nullptr)
            return FALSE;
        const HDC hdc = GetDC(hwnd);
        SelectObject(hdc, ControlFont(*window));
        *out = TabRects(hwnd, hdc, *state)[wParam];
        ReleaseDC(hwnd, hdc);
        return TRUE;
    }
    case TCM_ADJUSTRECT: {
        // TRUE: from the display area to the window; FALSE: from the window to the display area.
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (rect == nullptr)
            return 0;
        if (wParam != 0)
            *rect = {rect->left - 4, rect->top - kTabHeight - 4, rect->right + 4, rect->bottom + 4};
        else
            *rect = {rect->left + 4, rect->top + kTabHeight + 4, rect->right - 4, rect->bottom - 4};
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        if (GetFocus() != hwnd)
            SetFocus(hwnd);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_LEFT && state->selection > 0)
            state->UserPick(hwnd, state->selection - 1);
        else if (wParam == VK_RIGHT && state->selection + 1 < static_cast<int>(items.size()))
            state->UserPick(hwnd, state->selection + 1);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        state->focused = msg == WM_SETFOCUS;
        window->invalid = true;
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam, [hwnd, state](HDC hdc) { PaintTabs(hwnd, hdc, *state); });
    }
}

} // namespace platform
