#pragma once
// painting.h - drawing windows onto their top-level window's picture: the device contexts windows hand out,
// painting what is invalid, and the pictures the host takes.

#include <vector>
#include "user/window_table.h"

namespace platform {

// The default colours of a control's face (WM_CTLCOLOR*'s answer when no parent gives one).
LRESULT CtlColorDefault(HDC hdc, UINT msg);

// The font a control draws in: its WM_SETFONT font, or the dialog font of the system.
HFONT ControlFont(const WindowRecord& window);
HFONT DefaultDialogFont();

// Sends WM_PAINT to every visible window of the tree that waits for it, parents before children.
void PaintInvalidWindows(HWND hwnd);

// Repaints a top-level window completely (frame, caption, every window in it) and answers its picture as
// rows of B, G, R bytes, top-down, width * 3 bytes each.
struct WindowPicture {
    LONG width = 0;
    LONG height = 0;
    std::vector<BYTE> rgb;   // R, G, B per pixel, rows top-down without padding
};
WindowPicture TakeWindowPicture(HWND topLevel);

} // namespace platform
