#pragma once
// named_insert_lists.h - moving one of the user's named insert-sheet lists between the settings store and the
// sheet's working fields. The working fields hold exactly the list InterSheetListData_nCurrent names; edits
// reach the store only when the list is saved.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// Copies list n = InterSheetListData_nCurrent into the working entries, with its count and its per-page sides
// flag (also the value of the per-page sides check box). 1 when loaded; 0 without a state, with insert sheets
// off, or when the store holds no lists or n is not a list's number.
BOOL LoadNamedInsertList(HWND hDlg, UI_STATE* pState);
// The reverse: the working entries, count and flag into list n. 1 when stored; 0 as LoadNamedInsertList.
BOOL SaveNamedInsertList(HWND hDlg, UI_STATE* pState);
// The lists' names become the option names of the named-list item, in order. 1 when done; 0 as above.
BOOL LoadInsertListNames(HWND hDlg, UI_STATE* pState);
