#pragma once
// resolve_services.h - what the resolve of a settings change uses around the rules: the papers the user chose
// last, the conflict message kept from the sheet's creation until a page shows it, the items whose values
// differ from the saved ones, the couplings that complete a change list, and the check that marks the insert
// sheets the current settings no longer allow.

#include "settings/params/ui_state.h"
#include "ui/core/conflict_list.h"
#include "win/windows.h"

// A change of the original size or the output paper to this value stands for the paper chosen last.
constexpr WORD kStoredPaperSelection = 512;

// The two-slot store, shared by every sheet of the process.
void StorePaperSelection(WORD wControl, WORD wValue);
// The slot's value; 0 for a control without a slot.
WORD GetStoredPaperSelection(WORD wControl);
// A first change of 512 takes the stored paper, in the change list and in the working value; 1 when it did.
DWORD ResolveStoredPaperChange(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges);

// A deep copy of a resolve's two lists, owned by the state while it waits to be shown.
struct CONFLICT_MESSAGE {
    CHANGE_LIST   changes;
    CONFLICT_LIST conflicts;
};

// Keeps a copy of both lists as the pending message (replacing one that waits). A copy that cannot be made
// whole is not kept at all.
void SavePendingConflictMessage(HWND hDlg, UI_STATE* pState, const CHANGE_LIST* pChanges,
                                const CONFLICT_LIST* pConflicts);
// Frees the pending message and clears the flag.
void FreePendingConflictMessage(UI_STATE* pState);

// The items of a page whose value differs from the saved one, as (control, saved, current); count 0 when memory
// is short. Kept in the state with the page until freed.
void CollectChangedPageItems(UI_STATE* pState, WORD wPage);
void FreeChangedPageItems(UI_STATE* pState);
// Appends each kept item whose control the change list does not hold yet.
void MergeChangedPageItems(UI_STATE* pState, CHANGE_LIST* pChanges);
// Every setting whose value differs from the saved one, except the defaults buttons and the insert-sheet
// dialogs' fields, as (control, current, current); count 0 when memory is short.
void CollectChangedItems(UI_STATE* pState);
void FreeChangedItems(UI_STATE* pState);

// A change of the pages per sheet brings the page order along: orders that need several pages per sheet give
// way to the first, and the reverse.
void CoupleLayoutOrder(UI_STATE* pState, CHANGE_LIST* pChanges);
// A change of the named insert list keeps the edits of the old list and loads the new one.
void CoupleNamedInsertList(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges);

// Modes of CheckInsertSheetList.
constexpr DWORD kInsertCheckCount = 1;      // answers the prohibited entries
constexpr DWORD kInsertCheckNewly = 2;      // answers the entries prohibited since the last check
// Marks each insert sheet whose settings the current job no longer allows (state 4) or allows (1). Values and
// rule states are left as they were found.
WORD CheckInsertSheetList(HWND hDlg, UI_STATE* pState, DWORD dwMode);
