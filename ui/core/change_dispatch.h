#pragma once
// change_dispatch.h - hands a setting that changed to the page or sub-dialog that owns it, so that it can
// redraw the control.

#include "win/windows.h"

using ITEM_CHANGED_HANDLER = void (*)(HWND hWnd, WORD wControl, DWORD dwValue);

// The handler of the control's owning page; null for the font page, pages without settings and ids that the
// item table does not hold.
ITEM_CHANGED_HANDLER GetItemChangedHandler(WORD wControl);

// Calls the owning page's handler with the window of the page or dialog the caller has open; nothing for a
// control without one.
void ItemChanged(HWND hWnd, WORD wControl, DWORD dwValue);
