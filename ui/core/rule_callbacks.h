#pragma once
// rule_callbacks.h - the control rules that no governing value can say: each takes (dialog window, state,
// target control, page id) and answers TRUE to enable the target.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// The manual-feed paper type (228-231): a cover or an insert sheet is fed from the manual tray (4), directly or,
// for an insert sheet on the tray of the document (4096), through the document's tray.
BOOL CoversUseManualTray(HWND hDlg, UI_STATE* pState, WORD wTarget, WORD wPage);

// The insert-list buttons (246-255) and the per-page sides setting of a named list (2434): insert sheets are on;
// edit, delete, up and down (251-254) also need the focus on the insert-sheet list, a selected insert sheet in
// it and at least one entry. Without a window those four answer FALSE.
BOOL InsertListButtonRule(HWND hDlg, UI_STATE* pState, WORD wTarget, WORD wPage);

// Creating a form overlay (402) is not possible in vector graphics mode (2) with the first printer language (1).
BOOL FormCreationRule(HWND hDlg, UI_STATE* pState, WORD wTarget, WORD wPage);

// The dither patterns (605-607, 620) follow the dither type: TRUE while dithering (value 0) is chosen.
BOOL DitherPatternRule(HWND hDlg, UI_STATE* pState, WORD wTarget, WORD wPage);

// The insert sheets the state holds, bounded by the capacity of its entry area.
UINT CountInsertSheetEntries(const UI_STATE* pState);
