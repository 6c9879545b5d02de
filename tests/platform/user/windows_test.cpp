// windows_test.cpp - the window manager's core: sending and posting, window longs and subclassing, texts,
// focus, destruction and stale handles, and drawing onto a window's picture.
#include "platform/user/window_log.h"

#include <cstring>

using namespace window_log;

class Windows : public WindowTest {};

TEST_F(Windows, SendIsSynchronousAndNestsWhilePostedMessagesWaitForTheLoop)
{
    const HWND a = Make("a");
    const HWND b = Make("b");
    Log().clear();
    Reactions()[{a, WM_USER}] = [&] {
        PostMessageW(b, WM_USER + 2, 0, 0);
        SendMessageW(b, WM_USER + 1, 0, 0);
        return 7;
    };
    EXPECT_EQ(SendMessageW(a, WM_USER, 0, 0), 7);
    EXPECT_EQ(Log(), (std::vector<std::string>{"a WM_USER", "b WM_USER+1", "a WM_USER done"}));

    MSG msg = {};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    DispatchMessageW(&msg);
    EXPECT_EQ(Log().back(), "b WM_USER+2");
    EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Windows, AStaleHandleAnswersZeroWithTheWindowHandleError)
{
    const HWND top = Make("top");
    const HWND child = Make("child", top, 5);
    Reactions()[{top, WM_USER}] = [] { return 1; };
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child)) << "children go with their parent";

    struct Call {
        const char* name;
        std::function<LRESULT()> call;
    };
    WCHAR text[8];
    const Call calls[] = {
        {"SendMessageW", [&] { return SendMessageW(top, WM_USER, 0, 0); }},
        {"PostMessageW", [&] { return static_cast<LRESULT>(PostMessageW(child, WM_USER, 0, 0)); }},
        {"GetWindowTextW", [&] { return static_cast<LRESULT>(GetWindowTextW(top, text, 8)); }},
        {"SetWindowLongW", [&] { return static_cast<LRESULT>(SetWindowLongW(child, GWL_USERDATA, 3)); }},
        {"GetParent", [&] { return reinterpret_cast<LRESULT>(GetParent(child)); }},
        {"DestroyWindow", [&] { return static_cast<LRESULT>(DestroyWindow(child)); }},
        {"EnableWindow", [&] { return static_cast<LRESULT>(EnableWindow(top, FALSE)); }},
        {"GetDlgItem", [&] { return reinterpret_cast<LRESULT>(GetDlgItem(top, 5)); }},
    };
    for (const Call& c : calls) {
        SCOPED_TRACE(c.name);
        SetLastError(0);
        EXPECT_EQ(c.call(), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    }
}

TEST_F(Windows, DestructionTellsParentsFirstThenLetsChildrenGoFirst)
{
    const HWND top = Make("top");
    const HWND child = Make("child", top, 1);
    Make("grandchild", child, 2);
    Log().clear();
    DestroyWindow(top);
    EXPECT_EQ(Log(), (std::vector<std::string>{"top WM_DESTROY", "child WM_DESTROY", "grandchild WM_DESTROY",
                                               "grandchild WM_NCDESTROY", "child WM_NCDESTROY",
                                               "top WM_NCDESTROY"}));
}

static WNDPROC g_original = nullptr;
static LRESULT CALLBACK Subclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_USER)
        return 100 + CallWindowProcW(g_original, hwnd, msg, wParam, lParam);
    return CallWindowProcW(g_original, hwnd, msg, wParam, lParam);
}

TEST_F(Windows, SubclassingSeesEachMessageFirstAndHandsItOn)
{
    const HWND a = Make("a");
    Reactions()[{a, WM_USER}] = [] { return 5; };
    g_original = reinterpret_cast<WNDPROC>(SetWindowLongW(a, GWL_WNDPROC, reinterpret_cast<LONG>(Subclass)));
    EXPECT_EQ(g_original, LoggingProc);
    EXPECT_EQ(SendMessageW(a, WM_USER, 0, 0), 105);
    EXPECT_EQ(GetWindowLongW(a, GWL_WNDPROC), reinterpret_cast<LONG>(Subclass));
    EXPECT_EQ(GetClassLongW(a, GCL_WNDPROC), reinterpret_cast<DWORD>(LoggingProc)) << "the class keeps its own";
}

TEST_F(Windows, WindowLongsKeepTheirValuesAndRefuseIndexesPastTheExtraBytes)
{
    const HWND top = Make("top");
    const HWND child = Make("child", top, 42);
    EXPECT_EQ(GetWindowLongW(child, GWL_ID), 42);
    EXPECT_EQ(GetDlgCtrlID(child), 42);
    EXPECT_EQ(GetDlgItem(top, 42), child);
    EXPECT_EQ(SetWindowLongW(child, GWL_USERDATA, 0x1234), 0);
    EXPECT_EQ(GetWindowLongW(child, GWL_USERDATA), 0x1234);
    EXPECT_EQ(SetWindowLongW(child, 4, 77), 0);
    EXPECT_EQ(GetWindowLongW(child, 4), 77);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_NE(GetWindowLongW(child, GWL_STYLE) & WS_CHILD, 0);
    for (const int index : {5, 8, 1000}) {
        SCOPED_TRACE(index);
        SetLastError(0);
        EXPECT_EQ(SetWindowLongW(child, index, 1), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
    }
}

TEST_F(Windows, TextsAreCopiedWithinTheCountGiven)
{
    const HWND a = Make("a");
    ASSERT_TRUE(SetWindowTextW(a, u"abcdef"));
    EXPECT_EQ(GetWindowTextLengthW(a), 6);
    WCHAR buffer[8];
    std::memset(buffer, 0xAB, sizeof buffer);
    EXPECT_EQ(GetWindowTextW(a, buffer, 4), 3);
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_EQ(buffer[4], 0xABAB) << "nothing written past the count";
    EXPECT_EQ(GetWindowTextW(a, buffer, 0), 0);
    EXPECT_EQ(buffer[0], u'a') << "a count of 0 writes nothing";
}

TEST_F(Windows, FocusMovesBeforeTheOldWindowHearsAndAKillFocusHandlerCanKeepIt)
{
    const HWND top = Make("top");
    const HWND a = Make("a", top, 1);
    const HWND b = Make("b", top, 2);
    const HWND c = Make("c", top, 3);
    SetFocus(a);
    Log().clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(Log(), (std::vector<std::string>{"a WM_KILLFOCUS b", "b WM_SETFOCUS a"}));

    // b's handler sends the focus to c: b's kill-focus comes first, and a never gets WM_SETFOCUS.
    Reactions()[{b, WM_KILLFOCUS}] = [&] {
        EXPECT_EQ(GetFocus(), a) << "the focus has already moved";
        SetFocus(c);
        return 0;
    };
    Log().clear();
    SetFocus(a);
    EXPECT_EQ(GetFocus(), c);
    EXPECT_EQ(Log(), (std::vector<std::string>{"b WM_KILLFOCUS a", "a WM_KILLFOCUS c", "c WM_SETFOCUS a",
                                               "b WM_KILLFOCUS done"}));
}

TEST_F(Windows, DisablingAWindowTakesTheFocusAwayAndRefusesIt)
{
    const HWND top = Make("top");
    const HWND a = Make("a", top, 1);
    SetFocus(a);
    EXPECT_FALSE(EnableWindow(a, FALSE)) << "it was enabled";
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_TRUE(EnableWindow(a, TRUE)) << "it was disabled";
}

TEST_F(Windows, HelpAndContextMenusGoUpToTheParent)
{
    const HWND top = Make("top");
    const HWND child = Make("child", top, 1);
    HELPINFO info = {sizeof info, HELPINFO_WINDOW, 1, child, 0, {0, 0}};
    Log().clear();
    SendMessageW(child, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(Log(), (std::vector<std::string>{"child WM_HELP", "top WM_HELP"}));
}

TEST_F(Windows, ClassesAreFoundByNameWithoutRegardToCaseAndNotRegisteredTwice)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = LoggingProc;
    wc.lpszClassName = u"LOGGED";
    EXPECT_EQ(RegisterClassW(&wc), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    EXPECT_EQ(CreateWindowExW(0, u"NoSuchClass", u"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    const HWND a = Make("a");
    WCHAR name[4];
    EXPECT_EQ(GetClassNameW(a, name, 4), 3);
    EXPECT_EQ(std::u16string(name), u"Log");
    EXPECT_FALSE(UnregisterClassW(u"logged", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(a);
    EXPECT_TRUE(UnregisterClassW(u"logged", nullptr));
}

TEST_F(Windows, AChildDrawsAtItsPlaceInItsTopLevelWindowsPicture)
{
    const HWND top = CreateWindowExW(0, u"Logged", u"", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindowExW(0, u"Logged", u"", WS_CHILD | WS_VISIBLE, 10, 5, 8, 6, top, nullptr,
                                       nullptr, nullptr);
    Reactions()[{child, WM_USER}] = [child] {
        const HDC hdc = GetDC(child);
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const RECT all = {-100, -100, 100, 100};   // clipped to the child
        FillRect(hdc, &all, red);
        DeleteObject(red);
        return ReleaseDC(child, hdc);
    };
    EXPECT_EQ(SendMessageW(child, WM_USER, 0, 0), 1);
    // The picture paints everything again; read what the child drew before that through a second DC.
    const HDC screen = GetDC(top);
    EXPECT_EQ(GetPixel(screen, 10, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(screen, 17, 10), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(screen, 18, 10), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(screen, 9, 5), RGB(255, 0, 0));
    ReleaseDC(top, screen);
}
