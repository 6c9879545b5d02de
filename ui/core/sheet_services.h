#pragma once
// sheet_services.h - what every page asks of its sheet and of its edit controls.

#include "win/windows.h"

// Tells the property sheet that holds the page that a setting on it changed (PSM_CHANGED with the page's window),
// which enables the sheet's Apply button; answers what the sheet answers.
LRESULT NotifySheetChanged(HWND hPage);

// Both corners of a screen rectangle in the window's client coordinates.
void RectScreenToClient(HWND hwnd, RECT* pRect);

// Focuses an edit control with all of its text selected, and keeps the page active: the dialog's message result
// becomes 1, which refuses a page change or an apply that is being asked.
void SelectEditText(HWND hDlg, int controlId);

// The text an edit control would hold after one typed character replaces its selection: text[0, start), the
// character, text[end, length). selection packs start (low 16 bits) and end (high 16 bits) as EM_GETSEL gives
// them. out gets no terminator (callers pass a zeroed buffer of room characters). Returns the new length; 0,
// with nothing written, for a null text or out, a reversed selection or one past the text, or a result that
// would not fit in room with the zero after it.
int InsertCharAtSelection(const WCHAR* text, WCHAR* out, int room, DWORD selection, WCHAR character);
