// messages.cpp - sending and posting messages, and what a window does with those its procedure leaves to
// DefWindowProcW.
#include "user/painting.h"
#include "user/window_table.h"
#include "common/text_util.h"

#include <algorithm>

namespace platform {
namespace {

// Sending nests (a handler may send in turn); a chain of handlers that never ends is cut here instead of
// overflowing the stack.
constexpr int kMaxSendDepth = 200;
int g_sendDepth = 0;

LRESULT CopyTextOut(const std::u16string& text, WPARAM count, LPARAM buffer)
{
    auto* out = reinterpret_cast<WCHAR*>(buffer);
    if (out == nullptr || count == 0)
        return 0;
    const size_t copied = std::min(text.size(), static_cast<size_t>(count) - 1);
    std::copy_n(text.data(), copied, out);
    out[copied] = u'\0';
    return static_cast<LRESULT>(copied);
}

// A CREATESTRUCTW's name may be a resource ordinal (0xFFFF, id) in a dialog template; only a text is a title.
std::u16string CreationText(const CREATESTRUCTW* cs)
{
    if (cs == nullptr || cs->lpszName == nullptr || IS_INTRESOURCE(cs->lpszName))
        return {};
    return std::u16string(View(cs->lpszName));
}

} // namespace

LRESULT CtlColorDefault(HDC hdc, UINT msg)
{
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    const bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    SetBkColor(hdc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
}

} // namespace platform

using namespace platform;

LRESULT WINAPI SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    if (g_sendDepth >= kMaxSendDepth) {
        SetLastError(ERROR_STACK_OVERFLOW);
        return 0;
    }
    ++g_sendDepth;
    const WNDPROC proc = window->proc;
    const LRESULT result = proc != nullptr ? proc(hWnd, Msg, wParam, lParam) : 0;
    --g_sendDepth;
    return result;
}

BOOL WINAPI PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (hWnd != nullptr && WindowOrFail(hWnd) == nullptr)
        return FALSE;
    PostedMessages().push_back({hWnd, Msg, wParam, lParam, 0, Input().cursorPos});
    return TRUE;
}

void WINAPI PostQuitMessage(int nExitCode)
{
    PostedMessages().push_back({nullptr, WM_QUIT, static_cast<WPARAM>(nExitCode), 0, 0, Input().cursorPos});
}

BOOL WINAPI PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg)
{
    if (lpMsg == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto& queue = PostedMessages();
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (hWnd != nullptr && it->hwnd != hWnd && !IsChild(hWnd, it->hwnd))
            continue;
        if ((wMsgFilterMin != 0 || wMsgFilterMax != 0) && (it->message < wMsgFilterMin || it->message > wMsgFilterMax))
            continue;
        *lpMsg = *it;
        if ((wRemoveMsg & PM_REMOVE) != 0)
            queue.erase(it);
        return TRUE;
    }
    return FALSE;
}

LRESULT WINAPI DispatchMessageW(const MSG* lpMsg)
{
    if (lpMsg == nullptr || lpMsg->hwnd == nullptr)
        return 0;
    return SendMessageW(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

LRESULT WINAPI CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (lpPrevWndFunc == nullptr)
        return 0;
    return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
}

LRESULT WINAPI DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    const auto window = WindowOrFail(hWnd);
    if (window == nullptr)
        return 0;
    switch (Msg) {
    case WM_NCCREATE:
        window->text = CreationText(reinterpret_cast<const CREATESTRUCTW*>(lParam));
        return TRUE;
    case WM_SETTEXT:
        window->text = std::u16string(View(reinterpret_cast<LPCWSTR>(lParam)));
        window->invalid = true;
        return TRUE;
    case WM_GETTEXT:
        return CopyTextOut(window->text, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
        DestroyWindow(hWnd);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        HBRUSH brush = window->cls->background;
        if (brush == nullptr)
            return 0;
        // A class brush may be a system colour's index + 1, as Windows allows.
        if (reinterpret_cast<uintptr_t>(brush) <= COLOR_INFOBK + 1)
            brush = GetSysColorBrush(static_cast<int>(reinterpret_cast<uintptr_t>(brush)) - 1);
        RECT rc;
        GetClientRect(hWnd, &rc);
        FillRect(reinterpret_cast<HDC>(wParam), &rc, brush);
        return 1;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return CtlColorDefault(reinterpret_cast<HDC>(wParam), Msg);
    case WM_HELP:
    case WM_CONTEXTMENU:
        // Help and context menus go up to the parent of a child window (WM_HELP also to a top-level's owner).
        if (window->IsChild())
            return SendMessageW(window->parent, Msg, wParam, lParam);
        if (Msg == WM_HELP && window->owner != nullptr)
            return SendMessageW(window->owner, Msg, wParam, lParam);
        return 0;
    case WM_MOUSEACTIVATE:
        if (window->IsChild()) {
            const LRESULT parent = SendMessageW(window->parent, Msg, wParam, lParam);
            if (parent != 0)
                return parent;
        }
        return MA_ACTIVATE;
    case WM_NCHITTEST:
        return 1;   // HTCLIENT
    case WM_NOTIFYFORMAT:
        return 2;   // NFR_UNICODE
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == 0xF060)   // SC_CLOSE
            SendMessageW(hWnd, WM_CLOSE, 0, 0);
        return 0;
    default:
        return 0;
    }
}
