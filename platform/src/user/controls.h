#pragma once
// controls.h - the system's window classes (the dialog class and the controls), their procedures, and what a
// control does when the user works it, which the script and the host's user actions call.

#include <string>
#include <vector>
#include "user/window_table.h"

namespace platform {

// Registers the system classes once per process.
void EnsureSystemClasses();

LRESULT CALLBACK DialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TabControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackbarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListViewProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// What the user can do to a control beyond clicking and typing; each control answers what it supports.
// The default answers "not this control".
struct UserControl : ControlState {
    // Picks the item at index (a combo box's, list box's, list view's row, a tab), as a click on it does.
    virtual bool UserPick(HWND, int) { return false; }
    // Moves a trackbar, scroll bar or up-down to a position, as dragging its thumb does; for an up-down the
    // position is a number of steps (negative: down).
    virtual bool UserScroll(HWND, int) { return false; }
    // The index of the item with that text, or -1.
    virtual int FindItem(HWND, const std::u16string&) { return -1; }
};

// The window and the state of a built-in control, the state made at its first message; null when the window
// is gone (window then null too) or holds another kind of state.
template <typename State>
State* ControlStateOf(HWND hwnd, std::shared_ptr<WindowRecord>& window)
{
    window = FindWindowRecord(hwnd);
    if (window == nullptr)
        return nullptr;
    if (window->control == nullptr)
        window->control = std::make_shared<State>();
    return window->Control<State>();
}

// Moves the focus to the control as the user's click does; false when it does not have it afterwards (a
// kill-focus handler kept it elsewhere, or the control went), which swallows the click.
bool ClickFocus(HWND control);

// The parent a control tells of its notifications, and its id.
HWND NotifyParent(HWND control);
// WM_COMMAND with the notification code to the control's parent.
LRESULT NotifyCommand(HWND control, UINT code);

// The control's group among its siblings: from the nearest one with WS_GROUP at or before it to the one
// before the next with WS_GROUP, in order; empty for a window that is not a child.
std::vector<HWND> GroupOf(HWND control);

// The control's text, as the window manager keeps it.
const std::u16string& ControlText(HWND control);

} // namespace platform
