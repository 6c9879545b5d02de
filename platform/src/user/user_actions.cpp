// user_actions.cpp - what the user's mouse and keyboard do to a window: a click (button down and up at its
// middle), typing and pasting into an edit, a key through the dialog manager, a pick from a list, a thumb moved.
#include "user/controls.h"
#include "user/dialog_manager.h"
#include "user/user_actions.h"
#include "common/world_state.h"
#include "host/ui.h"
#include "user/painting.h"

namespace platform {
namespace {

std::u16string g_clipboard;
const bool kForgetsClipboardWithTheWorld = (OnWorldReset([] { g_clipboard.clear(); }), true);

// The user can reach only a window that is shown and enabled all the way up.
bool Reachable(HWND hwnd)
{
    return IsWindow(hwnd) && ReallyVisible(hwnd) && ReallyEnabled(hwnd);
}

// The nearest dialog the control is in: the window of the dialog class above it.
HWND DialogAbove(HWND control)
{
    for (auto window = FindWindowRecord(control); window != nullptr && window->IsChild();) {
        window = FindWindowRecord(window->parent);
        if (window != nullptr && DialogStateOf(window->hwnd) != nullptr)
            return window->hwnd;
    }
    return nullptr;
}

// Keys that make a character as they are pressed.
WCHAR CharacterOf(UINT vk)
{
    switch (vk) {
    case VK_RETURN: return u'\r';
    case VK_TAB:    return u'\t';
    case VK_ESCAPE: return 0x1B;
    case VK_BACK:   return 0x08;
    case VK_SPACE:  return u' ';
    default:        return 0;
    }
}

} // namespace

const std::u16string& ClipboardText()
{
    return g_clipboard;
}

void SetClipboardText(std::u16string_view text)
{
    g_clipboard = text;
}

} // namespace platform

using namespace platform;

namespace host {

bool ClickWindow(HWND control)
{
    if (!Reachable(control))
        return false;
    RECT client;
    GetClientRect(control, &client);
    const POINT middle = {client.right / 2, client.bottom / 2};
    POINT screen = middle;
    ClientToScreen(control, &screen);
    SetCursorPos(screen.x, screen.y);
    const LPARAM at = MAKELONG(middle.x, middle.y);
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    if (IsWindow(control))
        SendMessageW(control, WM_LBUTTONUP, 0, at);
    return true;
}

bool TypeText(HWND edit, std::u16string_view text)
{
    if (!ClickWindow(edit) || GetFocus() != edit)
        return false;
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const WCHAR c : text) {
        if (GetFocus() != edit)
            return false;
        SendMessageW(edit, WM_CHAR, c, 1);
    }
    return true;
}

bool PasteText(HWND edit, std::u16string_view text)
{
    if (!ClickWindow(edit) || GetFocus() != edit)
        return false;
    SetClipboardText(text);
    SendMessageW(edit, WM_PASTE, 0, 0);
    return true;
}

bool PressKey(HWND control, UINT vk)
{
    if (!Reachable(control))
        return false;
    if (const HWND dialog = DialogAbove(control); dialog != nullptr && HandleDialogKey(dialog, control, vk))
        return true;
    if (vk > 0xFF)
        return false;
    SendMessageW(control, WM_KEYDOWN, vk, 1);
    if (const WCHAR c = CharacterOf(vk); c != 0 && IsWindow(control))
        SendMessageW(control, WM_CHAR, c, 1);
    if (IsWindow(control))
        SendMessageW(control, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
    return true;
}

bool PickItem(HWND control, int index)
{
    if (!Reachable(control))
        return false;
    auto* user = FindWindowRecord(control)->Control<UserControl>();
    return user != nullptr && user->UserPick(control, index);
}

bool ScrollTo(HWND control, int position)
{
    if (!Reachable(control))
        return false;
    auto* user = FindWindowRecord(control)->Control<UserControl>();
    return user != nullptr && user->UserScroll(control, position);
}

Picture WindowPicture(HWND window)
{
    const platform::WindowPicture taken = TakeWindowPicture(window);
    Picture picture;
    picture.width = taken.width;
    picture.height = taken.height;
    picture.rgb = taken.rgb;
    return picture;
}

} // namespace host
