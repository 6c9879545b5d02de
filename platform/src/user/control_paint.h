#pragma once
// control_paint.h - what the controls share when they draw themselves: the brush and colours their parent
// gives (WM_CTLCOLOR*), their font, and owner-drawn parts asked of the owner.

#include <functional>
#include "user/window_table.h"

namespace platform {

// Sends the WM_CTLCOLOR message to the control's parent (the default colours when it answers none), selects
// the control's font into the DC and answers the background brush.
HBRUSH PrepareControlDc(HWND control, HDC hdc, UINT ctlColorMsg);

// Sends WM_DRAWITEM to the owner with the item's rectangle and state; the owner draws on hdc.
void DrawItemByOwner(HWND control, HDC hdc, UINT ctlType, UINT itemId, UINT action, UINT state, const RECT& rect,
                     ULONG_PTR itemData);

// A check mark (two strokes) in the box.
void DrawCheckMark(HDC hdc, const RECT& box, COLORREF color);

// The colour of a control's text: grey when it is disabled.
void SetControlTextColor(HDC hdc, HWND control, COLORREF enabledColor);

// What every control does alike: keeps its font (WM_SETFONT, WM_GETFONT), paints all of itself in WM_PAINT
// with paint (so WM_ERASEBKGND does nothing), redraws when enabled or disabled; the rest is DefWindowProcW's.
LRESULT ControlDefault(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, const std::function<void(HDC)>& paint);

} // namespace platform
