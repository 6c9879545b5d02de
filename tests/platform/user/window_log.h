#pragma once
// window_log.h - a window class for the window manager's tests that writes down every message it is sent
// (the interesting ones, by name) and lets a test act inside a message.

#include "host/ui.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace window_log {

inline std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

// What a test does when a window gets a message: keyed by window and message.
inline std::map<std::pair<HWND, UINT>, std::function<LRESULT()>>& Reactions()
{
    static std::map<std::pair<HWND, UINT>, std::function<LRESULT()>> reactions;
    return reactions;
}

inline std::map<HWND, std::string>& Names()
{
    static std::map<HWND, std::string> names;
    return names;
}

inline std::string NameOf(HWND hwnd)
{
    const auto it = Names().find(hwnd);
    return it != Names().end() ? it->second : (hwnd == nullptr ? "null" : "?");
}

inline const char* MessageName(UINT msg)
{
    switch (msg) {
    case WM_CREATE:      return "WM_CREATE";
    case WM_DESTROY:     return "WM_DESTROY";
    case WM_NCDESTROY:   return "WM_NCDESTROY";
    case WM_SETFOCUS:    return "WM_SETFOCUS";
    case WM_KILLFOCUS:   return "WM_KILLFOCUS";
    case WM_COMMAND:     return "WM_COMMAND";
    case WM_NOTIFY:      return "WM_NOTIFY";
    case WM_HELP:        return "WM_HELP";
    case WM_USER:        return "WM_USER";
    case WM_USER + 1:    return "WM_USER+1";
    case WM_USER + 2:    return "WM_USER+2";
    case WM_INITDIALOG:  return "WM_INITDIALOG";
    case WM_VSCROLL:     return "WM_VSCROLL";
    case WM_HSCROLL:     return "WM_HSCROLL";
    case WM_ACTIVATE:    return "WM_ACTIVATE";
    default:             return nullptr;
    }
}

inline LRESULT CALLBACK LoggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (const char* name = MessageName(msg)) {
        std::string line = NameOf(hwnd) + " " + name;
        if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS)
            line += " " + NameOf(reinterpret_cast<HWND>(wParam));
        Log().push_back(line);
    }
    const auto it = Reactions().find({hwnd, msg});
    if (it != Reactions().end()) {
        const auto reaction = it->second;
        const LRESULT result = reaction();
        Log().push_back(NameOf(hwnd) + " " + MessageName(msg) + " done");
        return result;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A world with the class "Logged" (8 extra bytes) registered.
class WindowTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        Log().clear();
        Reactions().clear();
        Names().clear();
        WNDCLASSW wc = {};
        wc.lpfnWndProc = LoggingProc;
        wc.cbWndExtra = 8;
        wc.lpszClassName = u"Logged";
        ASSERT_NE(RegisterClassW(&wc), 0);
    }

    void TearDown() override
    {
        Reactions().clear();
        WorldTest::TearDown();
    }

    HWND Make(const std::string& name, HWND parent = nullptr, int id = 0, DWORD style = WS_VISIBLE)
    {
        const DWORD childStyle = parent != nullptr ? WS_CHILD : kTopStyle;
        const HWND hwnd = CreateWindowExW(0, u"Logged", u"", style | childStyle, 10, 20, 100, 50, parent,
                                          reinterpret_cast<HMENU>(static_cast<uintptr_t>(id)), nullptr, nullptr);
        Names()[hwnd] = name;
        return hwnd;
    }

    static constexpr DWORD kTopStyle = WS_POPUP | WS_CAPTION;
};

} // namespace window_log
