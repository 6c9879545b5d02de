#pragma once
// window_table.h - the window manager's records: window classes, windows behind their HWND values, the focus,
// capture and active window, and the queue of posted messages. The user interface runs on one thread, as a
// Windows program's dialogs do; messages are sent by calling the window's procedure at once.

#include <deque>
#include <memory>
#include <string>
#include <vector>
#include "win/winuser.h"

namespace platform {

struct WindowClassRecord {
    std::u16string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    HINSTANCE instance = nullptr;   // null: a system class every module may use
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::vector<BYTE> extra;
    unsigned windows = 0;           // windows of the class that exist
};

// What a built-in control keeps beside its window.
struct ControlState {
    virtual ~ControlState() = default;
};

struct WindowRecord {
    HWND hwnd = nullptr;
    std::shared_ptr<WindowClassRecord> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::u16string text;
    HWND parent = nullptr;          // the parent of a child window
    HWND owner = nullptr;           // the owner of a top-level window
    LONG_PTR id = 0;                // GWL_ID: a child's control id
    LONG_PTR userData = 0;          // GWL_USERDATA
    HINSTANCE instance = nullptr;
    std::vector<BYTE> extra;        // the class's cbWndExtra bytes (a dialog's DWL_ values)
    RECT rect = {};                 // the window's rectangle in its parent's client coordinates (top-level: screen)
    std::vector<HWND> children;     // in creation order, which is also the tab and painting order
    HFONT font = nullptr;           // WM_SETFONT of a built-in control or a dialog
    bool destroying = false;
    bool invalid = true;            // waits for WM_PAINT
    std::shared_ptr<ControlState> control;
    std::shared_ptr<void> surface;  // a top-level window's picture (see painting)

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }

    template <typename State>
    State* Control() const { return dynamic_cast<State*>(control.get()); }
};

std::shared_ptr<WindowRecord> FindWindowRecord(HWND hwnd);
// The window, or null with ERROR_INVALID_WINDOW_HANDLE.
std::shared_ptr<WindowRecord> WindowOrFail(HWND hwnd);
// Every window that exists, oldest first.
std::vector<std::shared_ptr<WindowRecord>> AllWindows();
HWND AddWindowRecord(std::shared_ptr<WindowRecord> record);
void RemoveWindowRecord(HWND hwnd);

// The class of that name a module's window may use: the module's own first, then a system class. Null
// with ERROR_CANNOT_FIND_WND_CLASS.
std::shared_ptr<WindowClassRecord> FindClassFor(std::u16string_view name, HINSTANCE instance);
// Registers one of the system's own classes (the controls, the dialog class) once.
void RegisterSystemClass(const WNDCLASSW& wc);
std::shared_ptr<WindowClassRecord> FindClassByAtom(ATOM atom);
std::vector<std::shared_ptr<WindowClassRecord>>& RegisteredClasses();
ATOM AddRegisteredClass(std::shared_ptr<WindowClassRecord> cls);
// The instance a class registered with a null instance belongs to: the program's own, apart from the system's.
inline const HINSTANCE kProgramInstance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x00400000));

// The desktop: the parent of every top-level window, covering the screen.
HWND DesktopWindow();
// Lets go of a top-level window's picture when the window goes.
void ReleaseWindowSurface(WindowRecord& window);

// The top-level window a window belongs to (itself when it is one).
HWND TopLevelOf(HWND hwnd);
// The window and every descendant, parents before children, children in order.
std::vector<HWND> WindowTree(HWND hwnd);
// True when every window from this one up to its top-level window is visible (and enabled, for the other).
bool ReallyVisible(HWND hwnd);
bool ReallyEnabled(HWND hwnd);

// The frame around the client area, by the window's frame styles; where the client area begins; its size.
RECT FrameInsetsOf(const WindowRecord& window);
POINT ClientInsetOf(const WindowRecord& window);
SIZE ClientSizeOf(const WindowRecord& window);
// The screen position of the window's top-left corner and of its client area's.
POINT WindowOriginOnScreen(HWND hwnd);
POINT ClientOriginOnScreen(HWND hwnd);

// The window manager's input state: one focus, one capture, one active top-level window.
struct InputState {
    HWND focus = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
    HCURSOR cursor = nullptr;
    POINT cursorPos = {0, 0};
    int cursorShown = 0;
};
InputState& Input();

// The queue PostMessageW fills and the modal loops empty.
std::deque<MSG>& PostedMessages();
// Takes the first posted message for a window of that tree (or for the thread); false when none waits.
bool TakePostedMessage(MSG& msg);

// The screen's size.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

} // namespace platform
