// edit.cpp - the edit class: single and multi-line text, read-only, password, a limit on what the user
// enters, the selection, typing (WM_CHAR, through whatever procedure the window has now), cut, copy and paste.
// A single-line edit tells its parent of every change of its text, WM_SETTEXT's included (EN_UPDATE, then
// EN_CHANGE, before the call returns); a multi-line one only of the user's changes.
#include "user/control_paint.h"
#include "user/controls.h"
#include "user/user_actions.h"
#include "common/text_util.h"

#include <algorithm>

namespace platform {
namespace {

// What the user may enter before EM_LIMITTEXT says otherwise, and what a limit of 0 stands for.
constexpr size_t kDefaultLimit = 30000;
constexpr size_t kSingleLineMaximum = 0x7FFFFFFE;
constexpr size_t kMultiLineMaximum = 0xFFFFFFFF;

struct EditState : UserControl {
    size_t selStart = 0;
    size_t selEnd = 0;
    size_t limit = kDefaultLimit;
    bool modified = false;
    bool focused = false;
    WCHAR passwordChar = u'*';
    std::u16string undoText;
    bool canUndo = false;
    std::vector<int> tabStops;
};

bool Multiline(const WindowRecord& window)
{
    return (window.style & ES_MULTILINE) != 0;
}

void Notify(HWND hwnd, UINT code)
{
    NotifyCommand(hwnd, code);
}

void ChangedNotify(HWND hwnd)
{
    Notify(hwnd, EN_UPDATE);
    if (IsWindow(hwnd))
        Notify(hwnd, EN_CHANGE);
}

// Replaces the selection with text as the user does: within the limit (EN_MAXTEXT when text had to be cut),
// a single-line edit keeps only the first line; then the parent hears of the change.
void UserReplace(HWND hwnd, WindowRecord& window, EditState& state, std::u16string text)
{
    if (!Multiline(window)) {
        const size_t lineEnd = text.find_first_of(u"\r\n");
        if (lineEnd != std::u16string::npos)
            text.resize(lineEnd);
    }
    if ((window.style & ES_UPPERCASE) != 0)
        for (auto& c : text)
            c = (c >= u'a' && c <= u'z') ? static_cast<WCHAR>(c - 32) : c;
    if ((window.style & ES_LOWERCASE) != 0)
        for (auto& c : text)
            c = (c >= u'A' && c <= u'Z') ? static_cast<WCHAR>(c + 32) : c;
    const size_t start = std::min(state.selStart, state.selEnd);
    const size_t end = std::max(state.selStart, state.selEnd);
    const size_t kept = window.text.size() - (end - start);
    const size_t room = state.limit > kept ? state.limit - kept : 0;
    bool cut = false;
    if (text.size() > room) {
        text.resize(room);
        cut = true;
    }
    if (text.empty() && start == end) {
        if (cut)
            Notify(hwnd, EN_MAXTEXT);
        return;
    }
    state.undoText = window.text;
    state.canUndo = true;
    window.text.replace(start, end - start, text);
    state.selStart = state.selEnd = start + text.size();
    state.modified = true;
    window.invalid = true;
    if (cut)
        Notify(hwnd, EN_MAXTEXT);
    if (IsWindow(hwnd))
        ChangedNotify(hwnd);
}

bool ReadOnly(const WindowRecord& window)
{
    return (window.style & ES_READONLY) != 0;
}

// The lines of a multi-line edit's text: where each begins and how long it is (without its line break).
std::vector<std::pair<size_t, size_t>> Lines(const std::u16string& text)
{
    std::vector<std::pair<size_t, size_t>> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) {
            lines.push_back({start, text.size() - start});
            return lines;
        }
        lines.push_back({start, end - start});
        start = end + 2;
    }
}

void CopySelection(const WindowRecord& window, const EditState& state)
{
    if ((window.style & ES_PASSWORD) != 0)
        return;   // a password is never handed out
    const size_t start = std::min(state.selStart, state.selEnd);
    const size_t end = std::max(state.selStart, state.selEnd);
    if (end > start)
        SetClipboardText(std::u16string_view(window.text).substr(start, end - start));
}

void PaintEdit(HWND hwnd, HDC hdc, const WindowRecord& window, const EditState& state)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const bool grey = ReadOnly(window) || !ReallyEnabled(hwnd);
    const HBRUSH brush = PrepareControlDc(hwnd, hdc, grey ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    FillRect(hdc, &rc, brush);
    if ((window.exStyle & WS_EX_CLIENTEDGE) != 0 || (window.style & WS_BORDER) != 0) {
        RECT edge = rc;
        DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
        InflateRect(&rc, -2, -2);
    }
    InflateRect(&rc, -1, -1);
    std::u16string shown = window.text;
    if ((window.style & ES_PASSWORD) != 0 && !Multiline(window))
        shown.assign(shown.size(), state.passwordChar);
    SetBkMode(hdc, TRANSPARENT);
    SetControlTextColor(hdc, hwnd, GetTextColor(hdc));
    const size_t start = std::min(state.selStart, state.selEnd);
    const size_t end = std::max(state.selStart, state.selEnd);
    if (state.focused && end > start && !Multiline(window)) {
        // The selection in the highlight colours.
        SIZE before = {};
        SIZE selected = {};
        GetTextExtentPoint32W(hdc, shown.c_str(), static_cast<int>(start), &before);
        GetTextExtentPoint32W(hdc, shown.c_str() + start, static_cast<int>(end - start), &selected);
        TEXTMETRICW tm = {};
        GetTextMetricsW(hdc, &tm);
        RECT highlight = {rc.left + before.cx, rc.top, rc.left + before.cx + selected.cx, rc.top + tm.tmHeight};
        FillRect(hdc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    UINT format = DT_NOPREFIX | (Multiline(window) ? DT_WORDBREAK : DT_SINGLELINE);
    if ((window.style & ES_CENTER) != 0)
        format |= DT_CENTER;
    else if ((window.style & ES_RIGHT) != 0)
        format |= DT_RIGHT;
    DrawTextW(hdc, shown.c_str(), -1, &rc, format);
}

LRESULT DialogCode(const WindowRecord& window, LPARAM lParam)
{
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    if (!Multiline(window))
        return code;
    code |= DLGC_WANTALLKEYS;
    // Enter (without ES_WANTRETURN), Escape and Tab still belong to the dialog.
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg != nullptr && msg->message == WM_KEYDOWN &&
        ((msg->wParam == VK_RETURN && (window.style & ES_WANTRETURN) == 0) || msg->wParam == VK_ESCAPE ||
         msg->wParam == VK_TAB))
        code &= ~DLGC_WANTALLKEYS;
    return code;
}

} // namespace

LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::shared_ptr<WindowRecord> window;
    auto* state = ControlStateOf<EditState>(hwnd, window);
    if (state == nullptr)
        return window != nullptr ? DefWindowProcW(hwnd, msg, wParam, lParam) : 0;
    const size_t length = window->text.size();
    switch (msg) {
    case WM_SETTEXT:
        window->text = View(reinterpret_cast<LPCWSTR>(lParam));
        state->selStart = state->selEnd = 0;
        state->modified = false;
        state->canUndo = false;
        window->invalid = true;
        if (!Multiline(*window))
            ChangedNotify(hwnd);
        return TRUE;
    case WM_GETDLGCODE:
        return DialogCode(*window, lParam);
    case EM_GETSEL: {
        const DWORD start = static_cast<DWORD>(std::min(state->selStart, state->selEnd));
        const DWORD end = static_cast<DWORD>(std::max(state->selStart, state->selEnd));
        if (wParam != 0)
            *reinterpret_cast<DWORD*>(wParam) = start;
        if (lParam != 0)
            *reinterpret_cast<DWORD*>(lParam) = end;
        return static_cast<LRESULT>(std::min<DWORD>(start, 0xFFFF) | (std::min<DWORD>(end, 0xFFFF) << 16));
    }
    case EM_SETSEL: {
        const auto start = static_cast<LONG>(wParam);
        const auto end = static_cast<LONG>(lParam);
        if (start == -1) {
            state->selStart = state->selEnd;
        } else {
            state->selStart = std::min(static_cast<size_t>(std::max(start, 0L)), length);
            state->selEnd = end < 0 ? length : std::min(static_cast<size_t>(end), length);
        }
        window->invalid = true;
        return 0;
    }
    case EM_REPLACESEL: {
        const size_t start = std::min(state->selStart, state->selEnd);
        const size_t end = std::max(state->selStart, state->selEnd);
        const std::u16string text(View(reinterpret_cast<LPCWSTR>(lParam)));
        if (wParam != 0) {
            state->undoText = window->text;
            state->canUndo = true;
        }
        window->text.replace(start, end - start, text);
        state->selStart = state->selEnd = start + text.size();
        window->invalid = true;
        ChangedNotify(hwnd);
        return 0;
    }
    case EM_LIMITTEXT:
        state->limit = wParam != 0 ? static_cast<size_t>(wParam)
                                   : (Multiline(*window) ? kMultiLineMaximum : kSingleLineMaximum);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(std::min<size_t>(state->limit, 0x7FFFFFFF));
    case EM_SETREADONLY:
        window->style = wParam != 0 ? window->style | ES_READONLY : window->style & ~ES_READONLY;
        window->invalid = true;
        return TRUE;
    case EM_SETPASSWORDCHAR:
        state->passwordChar = static_cast<WCHAR>(wParam);
        window->style = wParam != 0 ? window->style | ES_PASSWORD : window->style & ~ES_PASSWORD;
        window->invalid = true;
        return 0;
    case EM_GETPASSWORDCHAR:
        return (window->style & ES_PASSWORD) != 0 ? state->passwordChar : 0;
    case EM_GETMODIFY:
        return state->modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        state->modified = wParam != 0;
        return 0;
    case EM_CANUNDO:
        return state->canUndo ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        state->canUndo = false;
        return 0;
    case EM_UNDO:
    case WM_UNDO:
        if (!state->canUndo)
            return FALSE;
        std::swap(window->text, state->undoText);
        state->selStart = state->selEnd = std::min(state->selEnd, window->text.size());
        window->invalid = true;
        ChangedNotify(hwnd);
        return TRUE;
    case EM_SETTABSTOPS: {
        state->tabStops.clear();
        const auto* stops = reinterpret_cast<const int*>(lParam);
        for (WPARAM i = 0; stops != nullptr && i < std::min<WPARAM>(wParam, 256); ++i)
            state->tabStops.push_back(stops[i]);
        return Multiline(*window) ? TRUE : FALSE;
    }
    case EM_SCROLLCARET:
        return TRUE;
    case EM_GETLINECOUNT:
        return Multiline(*window) ? static_cast<LRESULT>(Lines(window->text).size()) : 1;
    case EM_LINEINDEX: {
        const auto lines = Lines(window->text);
        size_t line = static_cast<LONG>(wParam) == -1 ? 0 : wParam;
        if (static_cast<LONG>(wParam) == -1)
            for (size_t i = 0; i < lines.size(); ++i)
                if (lines[i].first <= state->selEnd)
                    line = i;
        return line < lines.size() ? static_cast<LRESULT>(lines[line].first) : -1;
    }
    case EM_LINEFROMCHAR: {
        const auto lines = Lines(window->text);
        const size_t at = static_cast<LONG>(wParam) == -1 ? state->selEnd : wParam;
        LRESULT line = 0;
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].first <= at)
                line = static_cast<LRESULT>(i);
        return line;
    }
    case EM_LINELENGTH: {
        const auto lines = Lines(window->text);
        for (const auto& [start, count] : lines)
            if (start <= wParam && wParam <= start + count)
                return static_cast<LRESULT>(count);
        return 0;
    }
    case EM_GETLINE: {
        // The buffer's first WORD holds its size in characters; the line is copied without a terminator.
        auto* buffer = reinterpret_cast<WCHAR*>(lParam);
        const auto lines = Lines(window->text);
        if (buffer == nullptr || wParam >= lines.size())
            return 0;
        const size_t room = static_cast<WORD>(buffer[0]);
        const size_t count = std::min(room, lines[wParam].second);
        std::copy_n(window->text.data() + lines[wParam].first, count, buffer);
        return static_cast<LRESULT>(count);
    }
    case WM_CHAR: {
        const auto c = static_cast<WCHAR>(wParam);
        if (c == 0x03) {   // Ctrl+C
            CopySelection(*window, *state);
            return 0;
        }
        if (ReadOnly(*window))
            return 0;
        if (c == 0x16)     // Ctrl+V
            return SendMessageW(hwnd, WM_PASTE, 0, 0);
        if (c == 0x18)     // Ctrl+X
            return SendMessageW(hwnd, WM_CUT, 0, 0);
        if (c == 0x08) {   // Backspace
            if (state->selStart == state->selEnd && state->selStart > 0)
                --state->selStart;
            UserReplace(hwnd, *window, *state, u"");
            return 0;
        }
        if (c == u'\r' || c == u'\n') {
            if (Multiline(*window))
                UserReplace(hwnd, *window, *state, u"\r\n");
            return 0;
        }
        if (c == u'\t' && !Multiline(*window))
            return 0;
        if (c < 0x20 && c != u'\t')
            return 0;
        if ((window->style & ES_NUMBER) != 0 && (c < u'0' || c > u'9'))
            return 0;
        UserReplace(hwnd, *window, *state, std::u16string(1, c));
        return 0;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_DELETE:
            if (ReadOnly(*window))
                return 0;
            if (state->selStart == state->selEnd && state->selEnd < length)
                ++state->selEnd;
            UserReplace(hwnd, *window, *state, u"");
            return 0;
        case VK_LEFT:
            state->selStart = state->selEnd = state->selEnd > 0 ? state->selEnd - 1 : 0;
            return 0;
        case VK_RIGHT:
            state->selStart = state->selEnd = std::min(state->selEnd + 1, length);
            return 0;
        case VK_HOME:
            state->selStart = state->selEnd = 0;
            return 0;
        case VK_END:
            state->selStart = state->selEnd = length;
            return 0;
        default:
            return 0;
        }
    case WM_PASTE:
        if (!ReadOnly(*window))
            UserReplace(hwnd, *window, *state, ClipboardText());
        return 0;
    case WM_COPY:
        CopySelection(*window, *state);
        return 0;
    case WM_CUT:
        if ((window->style & ES_PASSWORD) != 0 || ReadOnly(*window))
            return 0;
        CopySelection(*window, *state);
        UserReplace(hwnd, *window, *state, u"");
        return 0;
    case WM_CLEAR:
        if (!ReadOnly(*window))
            UserReplace(hwnd, *window, *state, u"");
        return 0;
    case WM_LBUTTONDOWN:
        if (ClickFocus(hwnd))
            state->selStart = state->selEnd = window->text.size();
        return 0;
    case WM_LBUTTONUP:
        return 0;
    case WM_SETFOCUS:
        state->focused = true;
        window->invalid = true;
        Notify(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        state->focused = false;
        window->invalid = true;
        Notify(hwnd, EN_KILLFOCUS);
        return 0;
    default:
        return ControlDefault(hwnd, msg, wParam, lParam,
                              [hwnd, window, state](HDC hdc) { PaintEdit(hwnd, hdc, *window, *state); });
    }
}

} // namespace platform
