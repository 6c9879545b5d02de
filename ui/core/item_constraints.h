#pragma once
// item_constraints.h - which options of a list control are available. Every option is tested against the
// prohibition tables, the bypass tray's paper types and the finishing rules; a prohibited option is left out of
// its combo box. The item side only ever hides options: values move only through a resolve.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// Tests option i of a list control and marks it prohibited (state 4) when any rule forbids it. Never marks an
// option available: the caller sets state 1 first. Binds the item table to the state.
void EvaluateItemConstraints(UI_STATE* pState, WORD wControl, WORD wItem);

// Every option of the control's list: visible position i and state 1, then tested; a prohibited option's
// visible position becomes 0xFFFF. Nothing for a control without a list.
void EvaluateControlItems(UI_STATE* pState, WORD wControl);

// EvaluateControlItems for every list item of the item table; run when the document sheet is created.
void EvaluateAllItems(UI_STATE* pState);

// With the control's rule enabled for the test, evaluates its options; when the option holding the current
// value (the first with it) is prohibited, the current value becomes that of the first available option and
// the answer is TRUE. FALSE, changing nothing, when the current option is available or none is. The rule
// state is put back.
BOOL SelectFirstAvailableItem(HWND hDlg, UI_STATE* pState, WORD wControl);

// Whether the current paper tray stays available for a user-defined output paper: evaluates the tray list with
// the output paper set to the user size and the tray's rule enabled, then puts both back and evaluates the list
// again. The number of trays available for the user size goes to pwCount when it is not null.
BOOL SelectFirstAvailableTray(HWND hDlg, UI_STATE* pState, WORD* pwCount);
