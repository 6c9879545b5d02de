#pragma once
// option_lists.h - combo boxes that show an option list (ITEM_LIST and its ITEM_LIST_ENTRY options): which
// option a combo box's text names, and where an option stands among the listed ones. A combo box lists the
// options whose state is 1; prohibited ones (state 4) are left out, so its positions are not list indexes.

#include "settings/params/ui_state.h"
#include "win/windows.h"

constexpr WORD kNoOption = 0xFFFF;

// The index in the list of the option whose name equals the combo box's selected text; kNoOption when the
// combo box has no selection or no option has that name.
WORD GetComboOptionIndex(HWND hCombo, const ITEM_LIST* pList);

// The same lookup on a dialog's control: the list's working value becomes the named option's value. With no
// selection or no such option the value stays as it is.
void SelectOptionByComboText(HWND hDlg, int controlId, ITEM_LIST* pList, UI_STATE* pState);

// The combo box position of a value: the listed options before the first listed option with it; -1 when no
// listed option has it.
int GetVisibleOptionIndex(const ITEM_LIST* pList, WORD value);

// The index of the first option with a value, whatever its state; -1 when none has it.
int GetOptionIndex(const ITEM_LIST* pList, WORD value);
