// listview.cpp - the list view, in report form: columns, rows of texts with an image and the caller's
// lParam, owner-drawn rows (LVS_OWNERDRAWFIXED), sorting by the caller's compare function. Every change of a
// row's state, by message or by the user, asks the parent first (LVN_ITEMCHANGING, whose TRUE refuses) and
// tells it after (LVN_ITEMCHANGED), one row at a time and the row losing the selection (or the focus) first;
// the parent's own changes inside those notifications nest. A user's click on a row then sends NM_CLICK.
#include "user/control_paint.h"
#include "user/controls.h"
#include "common/text_util.h"
#include "win/commctrl.h"

#include <algorithm>

namespace platform {
namespace {

constexpr LONG kRowHeight = 16;
constexpr LONG kHeaderHeight = 18;
constexpr UINT kOwnerDrawnListView = 102;   // ODT_LISTVIEW

struct Column {
    std::u16string text;
    int width = 60;
    int format = LVCFMT_LEFT;
};

struct Row {
    std::vector<std::u16string> texts;   // by sub-item
    int image = -1;
    LPARAM param = 0;
    UINT state = 0;
};

struct ListViewState : UserControl {
    std::vector<Column> columns;
    std::vector<Row> rows;
    HIMAGELIST images[3] = {};
    COLORREF background = 0;
    COLORREF textColor = 0;
    COLORREF textBackground = 0;
    DWORD extendedStyle = 0;
    int top = 0;
    bool focused = false;
    bool coloursSet = false;
    UINT rowHeight = kRowHeight;

    bool UserPick(HWND hwnd, int index) override;
    int FindItem(HWND, const std::u16string& text) override
    {
        for (size_t i = 0; i < rows.size(); ++i)
            if (!rows[i].texts.empty() && EqualsNoCase(rows[i].texts[0], text))
                return static_cast<int>(i);
        return -1;
    }
};

ListViewState* StateOf(HWND hwnd)
{
    const auto window = FindWindowRecord(hwnd);
    return window != nullptr ? window->Control<ListViewState>() : nullptr;
}

LRESULT Notify(HWND hwnd, NMLISTVIEW& nm, UINT code)
{
    nm.hdr = {hwnd, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)), code};
    return SendMessageW(NotifyParent(hwnd), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// Changes one row's state under the mask, asking the parent first and telling it after; false when the parent
// refused or the row is gone. The row is looked up again after each notification, which may change the list.
bool ChangeRow(HWND hwnd, int index, UINT state, UINT mask)
{
    ListViewState* lv = StateOf(hwnd);
    if (lv == nullptr || index < 0 || static_cast<size_t>(index) >= lv->rows.size())
        return false;
    const UINT old = lv->rows[static_cast<size_t>(index)].state;
    const UINT next = (old & ~mask) | (state & mask);
    if (next == old)
        return true;
    NMLISTVIEW nm = {};
    nm.iItem = index;
    nm.uNewState = next;
    nm.uOldState = old;
    nm.uChanged = LVIF_STATE;
    nm.lParam = lv->rows[static_cast<size_t>(index)].param;
    if (Notify(hwnd, nm, LVN_ITEMCHANGING) != 0)
        return false;
    lv = StateOf(hwnd);
    if (lv == nullptr || static_cast<size_t>(index) >= lv->rows.size())
        return false;
    Row& row = lv->rows[static_cast<size_t>(index)];
    row.state = (row.state & ~mask) | (state & mask);
    if (const auto window = FindWindowRecord(hwnd))
        window->invalid = true;
    NMLISTVIEW changed = nm;
    changed.uNewState = row.state;
    Notify(hwnd, changed, LVN_ITEMCHANGED);
    return true;
}

// Sets the state of a row (or, index -1, of every row). Selecting a row of a single-selection list view, or
// focusing any row, first takes the selection (the focus) from the other rows, each told in turn.
BOOL SetRowState(HWND hwnd, const WindowRecord& window, int index, UINT state, UINT mask)
{
    ListViewState* lv = StateOf(hwnd);
    if (lv == nullptr)
        return FALSE;
    if (index == -1) {
        for (size_t i = 0; i < lv->rows.size(); ++i) {
            ChangeRow(hwnd, static_cast<int>(i), state, mask);
            lv = StateOf(hwnd);
            if (lv == nullptr)
                return FALSE;
        }
        return TRUE;
    }
    if (index < 0 || static_cast<size_t>(index) >= lv->rows.size())
        return FALSE;
    UINT exclusive = 0;
    if ((mask & state & LVIS_FOCUSED) != 0)
        exclusive |= LVIS_FOCUSED;
    if ((mask & state & LVIS_SELECTED) != 0 && (window.style & LVS_SINGLESEL) != 0)
        exclusive |= LVIS_SELECTED;
    if (exclusive != 0) {
        for (size_t i = 0; lv != nullptr && i < lv->rows.size(); ++i) {
            if (static_cast<int>(i) == index || (lv->rows[i].state & exclusive) == 0)
                continue;
            ChangeRow(hwnd, static_cast<int>(i), 0, exclusive);
            lv = StateOf(hwnd);
        }
    }
    return ChangeRow(hwnd, index, state, mask) ? TRUE : FALSE;
}

bool ListViewState::UserPick(HWND hwnd, int index)
{
    if (index < 0 || static_cast<size_t>(index) >= rows.size())
        return false;
    if (!ClickFocus(hwnd))
        return IsWindow(hwnd) != FALSE;   // the click went to whoever kept the focus
    const auto window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return true;
    // A plain click selects only this row: the others lose their selection first.
    for (size_t i = 0; i < rows.size(); ++i) {
        ListViewState* lv = StateOf(hwnd);
        if (lv == nullptr || i >= lv->rows.size())
            break;
        if (static_cast<int>(i) != index && (lv->rows[i].state & LVIS_SELECTED) != 0)
            ChangeRow(hwnd, static_cast<int>(i), 0, LVIS_SELECTED);
    }
    SetRowState(hwnd, *window, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (IsWindow(hwnd)) {
        NMLISTVIEW nm = {};
        nm.iItem = index;
        Notify(hwnd, nm, NM_CLICK);
    }
    return true;
}

// Copies text into a caller's buffer of count characters, cut to fit, terminated; the characters copied.
int CopyOut(const std::u16string& text, LPWSTR buffer, int count)
{
    if (buffer == nullptr || count <= 0)
        return 0;
    const size_t n = std::min(text.size(), static_cast<size_t>(count) - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = u'\0';
    return static_cast<int>(n);
}

void SetRowFields(Row& row, const LVITEMW& item)
{
    if ((item.mask & LVIF_TEXT) != 0 && item.iSubItem >= 0) {
        if (row.texts.size() <= static_cast<size_t>(item.iSubItem))
            row.texts.resize(static_cast<size_t>(item.iSubItem) + 1);
        row.texts[static_cast<size_t>(item.iSubItem)] = View(item.pszText);
    }
    if (item.iSubItem != 0)
        return;
    if ((item.mask & LVIF_IMAGE) != 0)
        row.image = item.iImage;
    if ((item.mask & LVIF_PARAM) != 0)
        row.param = item.lParam;
}

const std::u16string& TextOf(const Row& row, int subItem)
{
    static const std::u16string kEmpty;
    return subItem >= 0 && static_cast<size_t>(subItem) < row.texts.size() ? row.texts[static_cast<size_t>(subItem)]
                                                                          : kEmpty;
}

// Where a new row goes: at the index asked (clamped to the end), or in order for a sorting list view.
size_t InsertAt(const WindowRecord& window, const ListViewState& lv, const LVITEMW& item)
{
    const std::u16string text = (item.mask & LVIF_TEXT) != 0 ? std::u16string(View(item.pszText)) : std::u16string();
    if ((window.style & (LVS_SORTASCENDING | LVS_SORTDESCENDING)) != 0) {
        const bool descending = (window.style & LVS_SORTDESCENDING) != 0;
        size_t at = 0;
        while (at < lv.rows.size()) {
            const int order = CompareNoCase(TextOf(lv.rows[at], 0), text);
            if (descending ? order < 0 : order > 0)
                break;
            ++at;
        }
        return at;
    }
    return std::min(static_cast<size_t>(std::max(item.iItem, 0)), lv.rows.size());
}

RECT RowRect(HWND hwnd, const WindowRecord& window, const ListViewState& lv, size_t index)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const LONG header = (window.style & LVS_NOCOLUMNHEADER) != 0 ? 0 : kHeaderHeight;
    const LONG y = header + (static_cast<LONG>(index) - lv.top) * static_cast<LONG>(lv.rowHeight);
    return {0, y, rc.right, y + static_cast<LONG>(lv.rowHeight)};
}

int RowsPerPage(HWND hwnd, const WindowRecord& window, const ListViewState& lv)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const LONG header = (window.style & LVS_NOCOLUMNHEADER) != 0 ? 0 : kHeaderHeight;
    return std::max<LONG>(1, (rc.bottom - header) / static_cast<LONG>(lv.rowHeight));
}

void PaintListView(HWND hwnd, HDC hdc, const WindowRecord& window, const ListViewState& lv)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    PrepareControlDc(hwnd, hdc, WM_CTLCOLORLISTBOX);
    const COLORREF background = lv.coloursSet ? lv.background : GetSysColor(COLOR_WINDOW);
    const HBRUSH brush = CreateSolidBrush(ReallyEnabled(hwnd) ? background : GetSysColor(COLOR_BTNFACE));
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
    SetBkMode(hdc, TRANSPARENT);
    // The header: each column's title on a button face.
    if ((window.style & LVS_NOCOLUMNHEADER) == 0) {
        LONG x = 0;
        for (const Column& column : lv.columns) {
            RECT cell = {x, 0, x + column.width, kHeaderHeight};
            FillRect(hdc, &cell, GetSysColorBrush(COLOR_BTNFACE));
            RECT edge = cell;
            DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT);
            SetControlTextColor(hdc, hwnd, GetSysColor(COLOR_BTNTEXT));
            RECT label = {cell.left + 4, cell.top, cell.right - 4, cell.bottom};
            DrawTextW(hdc, column.text.c_str(), -1, &label, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            x += column.width;
        }
    }
    const bool ownerDrawn = (window.style & LVS_OWNERDRAWFIXED) != 0;
    for (size_t i = static_cast<size_t>(std::max(lv.top, 0)); i < lv.rows.size(); ++i) {
        const RECT row = RowRect(hwnd, window, lv, i);
        if (row.top >= rc.bottom)
            break;
        const Row& item = lv.rows[i];
        const bool selected = (item.state & LVIS_SELECTED) != 0 && (lv.focused || (window.style & LVS_SHOWSELALWAYS) != 0);
        if (ownerDrawn) {
            DrawItemByOwner(hwnd, hdc, kOwnerDrawnListView, static_cast<UINT>(i), ODA_DRAWENTIRE,
                            (selected ? ODS_SELECTED : 0) | ((item.state & LVIS_FOCUSED) != 0 && lv.focused ? ODS_FOCUS : 0),
                            row, static_cast<ULONG_PTR>(item.param));
            continue;
        }
        if (selected) {
            FillRect(hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
            SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        } else {
            SetControlTextColor(hdc, hwnd, lv.coloursSet ? lv.textColor : GetSysColor(COLOR_WINDOWTEXT));
        }
        LONG x = 2;
        if (lv.images[LVSIL_SMALL] != nullptr && item.image >= 0) {
            ImageList_Draw(lv.images[LVSIL_SMALL], item.image, hdc, x, row.top, ILD_TRANSPARENT);
            int cx = 0;
            int cy = 0;
            ImageList_GetIconSize(lv.images[LVSIL_SMALL], &cx, &cy);
            x += cx + 2;
        }
        LONG columnLeft = 0;
        const size_t columns = std::max<size_t>(lv.columns.size(), 1);
        for (size_t c = 0; c < columns; ++c) {
            const LONG width = c < lv.columns.size() ? lv.columns[c].width : rc.right;
            RECT cell = {std::max(columnLeft + 2, x), row.top, columnLeft + width - 2, row.bottom};
            UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
            if (c < lv.columns.size() && lv.columns[c].format == LVCFMT_RIGHT)
                format |= DT_RIGHT;
            DrawTextW(hdc, TextOf(item, static_cast<int>(c)).c_str(), -1, &cell, format);
            columnLeft += width;
            x = 0;
        }
        if ((item.state & LVIS_FOCUSED) != 0 && lv.focused)
            DrawFocusRect(hdc, &row);
    }
    if ((window.exStyle & WS_EX_CLIENTEDGE) != 0 || (window.style & WS_BORDER) != 0)
        DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT);
}

int FindRow(const ListViewState& lv, int start, const LVFINDINFOW& find)
{
    const size_t count = lv.rows.size();
    if (count == 0)
        return -1;
    const size_t first = start < 0 ? 0 : static_cast<size_t>(start) + 1;
    const size_t steps = (find.flags & LVFI_WRAP) != 0 ? count : (first < count ? count - first : 0);
    const std::u16string wanted = (find.flags & (LVFI_STRING | LVFI_PARTIAL)) != 0 ? std::u16string(View(find.psz))
                                                                                   : std::u16string();
    for (size_t step = 0; step < steps; ++step) {
        const size_t i = (first + step) % count;
        const Row& row = lv.rows[i];
        bool match = false;
        if ((find.flags & LVFI_PARAM) != 0) {
            match = row.param == find.lParam;
        } else if ((find.flags & LVFI_PARTIAL) != 0) {
            const std::u16string& text = TextOf(row, 0);
            match = text.size() >= wanted.size() && EqualsNoCase(std::u16string_view(text).substr(0, wanted.size()), wanted);
        } else if ((find.flags & LVFI_STRING) != 0) {
            match = EqualsNoCase(TextOf(row, 0), wanted);
        }
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* lv = ControlStateOf<ListViewState>(hwnd, window);
    if (lv == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    auto& rows = lv->rows;
    const auto validRow = [&](WPARAM index) { return index < rows.size(); };
    switch (msg) {
    case WM_CREATE:
        if ((window->style & LVS_OWNERDRAWFIXED) != 0) {
            MEASUREITEMSTRUCT mis = {kOwnerDrawnListView, static_cast<UINT>(window->id), 0, 0, lv->rowHeight, 0};
            SendMessageW(NotifyParent(hwnd), WM_MEASUREITEM, static_cast<WPARAM>(window->id),
                         reinterpret_cast<LPARAM>(&mis));
            lv->rowHeight = std::max<UINT>(mis.itemHeight, 1);
        }
        return 0;
    case LVM_GETBKCOLOR:
        return lv->coloursSet ? lv->background : GetSysColor(COLOR_WINDOW);
    case LVM_SETBKCOLOR:
    case LVM_SETTEXTCOLOR:
    case LVM_SETTEXTBKCOLOR:
        if (!lv->coloursSet) {
            lv->background = lv->textBackground = GetSysColor(COLOR_WINDOW);
            lv->textColor = GetSysColor(COLOR_WINDOWTEXT);
            lv->coloursSet = true;
        }
        (msg == LVM_SETBKCOLOR ? lv->background : msg == LVM_SETTEXTCOLOR ? lv->textColor : lv->textBackground) =
            static_cast<COLORREF>(lParam);
        window->invalid = true;
        return TRUE;
    case LVM_GETTEXTCOLOR:
        return lv->coloursSet ? lv->textColor : GetSysColor(COLOR_WINDOWTEXT);
    case LVM_GETTEXTBKCOLOR:
        return lv->coloursSet ? lv->textBackground : GetSysColor(COLOR_WINDOW);
    case LVM_GETIMAGELIST:
        return wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(lv->images[wParam]) : 0;
    case LVM_SETIMAGELIST: {
        if (wParam > LVSIL_STATE)
            return 0;
        const HIMAGELIST old = lv->images[wParam];
        lv->images[wParam] = reinterpret_cast<HIMAGELIST>(lParam);
        window->invalid = true;
        return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETITEMCOUNT:
        return static_cast<LRESULT>(rows.size());
    case LVM_INSERTCOLUMNW: {
        const auto* in = reinterpret_cast<const LVCOLUMNW*>(lParam);
        if (in == nullptr)
            return -1;
        Column column;
        if ((in->mask & LVCF_TEXT) != 0)
            column.text = View(in->pszText);
        if ((in->mask & LVCF_WIDTH) != 0)
            column.width = in->cx;
        if ((in->mask & LVCF_FMT) != 0)
            column.format = in->fmt & 3;
        const size_t at = std::min<size_t>(wParam, lv->columns.size());
        lv->columns.insert(lv->columns.begin() + static_cast<std::ptrdiff_t>(at), column);
        window->invalid = true;
        return static_cast<LRESULT>(at);
    }
    case LVM_GETCOLUMNW: {
        auto* out = reinterpret_cast<LVCOLUMNW*>(lParam);
        if (out == nullptr || wParam >= lv->columns.size())
            return FALSE;
        const Column& column = lv->columns[wParam];
        if ((out->mask & LVCF_TEXT) != 0)
            CopyOut(column.text, out->pszText, out->cchTextMax);
        if ((out->mask & LVCF_WIDTH) != 0)
            out->cx = column.width;
        if ((out->mask & LVCF_FMT) != 0)
            out->fmt = column.format;
        return TRUE;
    }
    case LVM_SETCOLUMNW: {
        const auto* in = reinterpret_cast<const LVCOLUMNW*>(lParam);
        if (in == nullptr || wParam >= lv->columns.size())
            return FALSE;
        Column& column = lv->columns[wParam];
        if ((in->mask & LVCF_TEXT) != 0)
            column.text = View(in->pszText);
        if ((in->mask & LVCF_WIDTH) != 0)
            column.width = in->cx;
        if ((in->mask & LVCF_FMT) != 0)
            column.format = in->fmt & 3;
        window->invalid = true;
        return TRUE;
    }
    case LVM_DELETECOLUMN:
        if (wParam >= lv->columns.size())
            return FALSE;
        lv->columns.erase(lv->columns.begin() + static_cast<std::ptrdiff_t>(wParam));
        window->invalid = true;
        return TRUE;
    case LVM_GETCOLUMNWIDTH:
        return wParam < lv->columns.size() ? lv->columns[wParam].width : 0;
    case LVM_SETCOLUMNWIDTH:
        if (wParam >= lv->columns.size())
            return FALSE;
        lv->columns[wParam].width = static_cast<short>(LOWORD(lParam));
        window->invalid = true;
        return TRUE;
    case LVM_INSERTITEMW: {
        const auto* in = reinterpret_cast<const LVITEMW*>(lParam);
        if (in == nullptr || in->iSubItem != 0)
            return -1;
        Row row;
        SetRowFields(row, *in);
        if (row.texts.empty())
            row.texts.resize(1);
        if ((in->mask & LVIF_STATE) != 0)
            row.state = in->state & in->stateMask;
        const size_t at = InsertAt(*window, *lv, *in);
        rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(at), row);
        window->invalid = true;
        NMLISTVIEW nm = {};
        nm.iItem = static_cast<int>(at);
        nm.lParam = row.param;
        Notify(hwnd, nm, LVN_INSERTITEM);
        return static_cast<LRESULT>(at);
    }
    case LVM_SETITEMW: {
        const auto* in = reinterpret_cast<const LVITEMW*>(lParam);
        if (in == nullptr || !validRow(static_cast<WPARAM>(in->iItem)))
            return FALSE;
        SetRowFields(rows[static_cast<size_t>(in->iItem)], *in);
        window->invalid = true;
        if ((in->mask & LVIF_STATE) != 0 && in->iSubItem == 0)
            return SetRowState(hwnd, *window, in->iItem, in->state, in->stateMask);
        return TRUE;
    }
    case LVM_GETITEMW: {
        auto* out = reinterpret_cast<LVITEMW*>(lParam);
        if (out == nullptr || !validRow(static_cast<WPARAM>(out->iItem)))
            return FALSE;
        const Row& row = rows[static_cast<size_t>(out->iItem)];
        if ((out->mask & LVIF_TEXT) != 0)
            CopyOut(TextOf(row, out->iSubItem), out->pszText, out->cchTextMax);
        if ((out->mask & LVIF_IMAGE) != 0)
            out->iImage = row.image;
        if ((out->mask & LVIF_PARAM) != 0)
            out->lParam = row.param;
        if ((out->mask & LVIF_STATE) != 0)
            out->state = row.state & out->stateMask;
        return TRUE;
    }
    case LVM_SETITEMTEXTW: {
        const auto* in = reinterpret_cast<const LVITEMW*>(lParam);
        if (in == nullptr || !validRow(wParam) || in->iSubItem < 0)
            return FALSE;
        LVITEMW item = *in;
        item.mask = LVIF_TEXT;
        SetRowFields(rows[wParam], item);
        window->invalid = true;
        return TRUE;
    }
    case LVM_GETITEMTEXTW: {
        auto* out = reinterpret_cast<LVITEMW*>(lParam);
        if (out == nullptr || !validRow(wParam))
            return 0;
        return CopyOut(TextOf(rows[wParam], out->iSubItem), out->pszText, out->cchTextMax);
    }
    case LVM_DELETEITEM: {
        if (!validRow(wParam))
            return FALSE;
        NMLISTVIEW nm = {};
        nm.iItem = static_cast<int>(wParam);
        nm.lParam = rows[wParam].param;
        Notify(hwnd, nm, LVN_DELETEITEM);
        lv = StateOf(hwnd);
        if (lv == nullptr || wParam >= lv->rows.size())
            return FALSE;
        lv->rows.erase(lv->rows.begin() + static_cast<std::ptrdiff_t>(wParam));
        window->invalid = true;
        return TRUE;
    }
    case LVM_DELETEALLITEMS: {
        // The parent hears of the whole deletion first; TRUE spares it the LVN_DELETEITEM of each row.
        NMLISTVIEW nm = {};
        nm.iItem = -1;
        const bool each = Notify(hwnd, nm, LVN_DELETEALLITEMS) == 0;
        lv = StateOf(hwnd);
        if (lv == nullptr)
            return FALSE;
        while (!lv->rows.empty()) {
            if (each) {
                NMLISTVIEW item = {};
                item.lParam = lv->rows.front().param;
                Notify(hwnd, item, LVN_DELETEITEM);
                lv = StateOf(hwnd);
                if (lv == nullptr || lv->rows.empty())
                    break;
            }
            lv->rows.erase(lv->rows.begin());
        }
        if (lv != nullptr)
            lv->top = 0;
        window->invalid = true;
        return TRUE;
    }
    case LVM_SETITEMSTATE: {
        const auto* in = reinterpret_cast<const LVITEMW*>(lParam);
        if (in == nullptr)
            return FALSE;
        return SetRowState(hwnd, *window, static_cast<int>(wParam), in->state, in->stateMask);
    }
    case LVM_GETITEMSTATE:
        return validRow(wParam) ? static_cast<LRESULT>(rows[wParam].state & static_cast<UINT>(lParam)) : 0;
    case LVM_GETNEXTITEM: {
        const UINT flags = LOWORD(lParam) & (LVNI_SELECTED | LVNI_FOCUSED);
        for (size_t i = static_cast<int>(wParam) < 0 ? 0 : wParam + 1; i < rows.size(); ++i)
            if ((rows[i].state & flags) == flags)
                return static_cast<LRESULT>(i);
        return -1;
    }
    case LVM_GETSELECTEDCOUNT:
        return std::count_if(rows.begin(), rows.end(), [](const Row& row) { return (row.state & LVIS_SELECTED) != 0; });
    case LVM_FINDITEMW: {
        const auto* find = reinterpret_cast<const LVFINDINFOW*>(lParam);
        return find != nullptr ? FindRow(*lv, static_cast<int>(wParam), *find) : -1;
    }
    case LVM_SORTITEMS: {
        // The caller's function orders the rows by their lParams; equal rows keep their order. A function that
        // changes the list while it sorts sees the rows as they were.
        const auto compare = reinterpret_cast<PFNLVCOMPARE>(lParam);
        if (compare == nullptr)
            return FALSE;
        std::vector<Row> sorted = rows;
        std::stable_sort(sorted.begin(), sorted.end(), [&](const Row& a, const Row& b) {
            return compare(a.param, b.param, static_cast<LPARAM>(wParam)) < 0;
        });
        lv = StateOf(hwnd);
        if (lv == nullptr)
            return FALSE;
        lv->rows = std::move(sorted);
        window->invalid = true;
        return TRUE;
    }
    case LVM_ENSUREVISIBLE: {
        if (!validRow(wParam))
            return FALSE;
        const int index = static_cast<int>(wParam);
        const int page = RowsPerPage(hwnd, *window, *lv);
        if (index < lv->top)
            lv->top = index;
        else if (index >= lv->top + page)
            lv->top = index - page + 1;
        window->invalid = true;
        return TRUE;
    }
    case LVM_GETTOPINDEX:
        return lv->top;
    case LVM_GETCOUNTPERPAGE:
        return RowsPerPage(hwnd, *window, *lv);
    case LVM_GETITEMRECT: {
        auto* out = reinterpret_cast<RECT*>(lParam);
        if (out == nullptr || !validRow(wParam))
            return FALSE;
        *out = RowRect(hwnd, *window, *lv, wParam);
        return TRUE;
    }
    case LVM_SETEXTENDEDLISTVIEWSTYLE: {
        const DWORD old = lv->extendedStyle;
        const DWORD mask = wParam != 0 ? static_cast<DWORD>(wParam) : 0xFFFFFFFFu;
        lv->extendedStyle = (old & ~mask) | (static_cast<DWORD>(lParam) & mask);
        window->invalid = true;
        return old;
    }
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return lv->extendedStyle;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: {
        const LONG y = static_cast<short>(HIWORD(lParam));
        for (size_t i = 0; i < rows.size(); ++i) {
            const RECT row = RowRect(hwnd, *window, *lv, i);
            if (y >= row.top && y < row.bottom)
                return lv->UserPick(hwnd, static_cast<int>(i)), 0;
        }
        ClickFocus(hwnd);
        return 0;
    }
    case WM_KEYDOWN: {
        // Up and down move the selection and the focus to the next row, as a click on it would.
        int focus = -1;
        for (size_t i = 0; i < rows.size(); ++i)
            if ((rows[i].state & LVIS_FOCUSED) != 0)
                focus = static_cast<int>(i);
        int next = focus;
        if (wParam == VK_DOWN)
            next = std::min(focus + 1, static_cast<int>(rows.size()) - 1);
        else if (wParam == VK_UP)
            next = std::max(focus - 1, 0);
        else if (wParam == VK_HOME)
            next = 0;
        else if (wParam == VK_END)
            next = static_cast<int>(rows.size()) - 1;
        if (next >= 0 && next != focus) {
            for (size_t i = 0; i < rows.size(); ++i) {
                ListViewState* now = StateOf(hwnd);
                if (now == nullptr || i >= now->rows.size())
                    return 0;
                if (static_cast<int>(i) != next && (now->rows[i].state & LVIS_SELECTED) != 0)
                    ChangeRow(hwnd, static_cast<int>(i), 0, LVIS_SELECTED);
            }
            SetRowState(hwnd, *window, next, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            SendMessageW(hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(next), FALSE);
        }
        return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        lv->focused = msg == WM_SETFOCUS;
        window->invalid = true;
        NMHDR hdr = {hwnd, static_cast<UINT_PTR>(window->id), msg == WM_SETFOCUS ? NM_SETFOCUS : NM_KILLFOCUS};
        SendMessageW(NotifyParent(hwnd), WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
        return 0;
    }
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, lv](HDC hdc) { PaintListView(hwnd, hdc, *window, *lv); });
    }
}

} // namespace platform
