#pragma once
// special_rules.h - the finishing rules that no prohibition table can express: staple, punch, fold, one sheet
// per two pages, booklet, the trays and paper types, and the output tray. Each group has a pass, which records
// the controls that must give way in a resolve round, and, except the tray re-check, an item-side twin, which
// hides the options that the pass would undo.

#include "settings/params/ui_state.h"
#include "ui/core/conflict_list.h"
#include "win/windows.h"

// The rule groups; every group is built in.
constexpr DWORD kStapleRules = 1;
constexpr DWORD kPunchRules = 2;
constexpr DWORD kOutputTrayRules = 4;
constexpr DWORD kTrayMediaRules = 8;
constexpr DWORD kFoldRules = 16;
constexpr DWORD kOneSheetRules = 32;
constexpr DWORD kBookletRules = 64;
constexpr DWORD kSpecialRuleGroups = kStapleRules | kPunchRules | kOutputTrayRules | kTrayMediaRules |
                                     kFoldRules | kOneSheetRules | kBookletRules;

// The passes, in the order a resolve round runs them. Each appends conflict entries (reason 0) and partner
// pairs; a list that cannot grow ends the pass, the conflict list then telling a refused change.
void ApplyStapleRule(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyPunchRule(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyFoldRule(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyOneSheetRule(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
void ApplyBookletRule(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
// The cover trays and the paper tray, with the values the round has recorded so far, each move to their first
// available option when theirs is prohibited; outcome kOutcomeNoValue when one has none. Values and rule states
// are put back on every path.
void RevalidateTrayAndMedia(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);
// The output tray likewise; a disabled output tray goes back to its default. Values and rule states are put back.
void RevalidateOutputTray(HWND hDlg, UI_STATE* pState, CHANGE_LIST* pChanges, CONFLICT_LIST* pConflicts);

// Item side: the paper type of the paper tray is prohibited for a value the bypass tray does not offer, while
// both are enabled.
void CheckMediaAgainstTrayList(UI_STATE* pState, WORD wControl, WORD wItem);
// Item side of the staple, punch, fold, one-sheet, booklet and output-tray groups, in that order.
void EvaluateSpecialItemRules(UI_STATE* pState, WORD wControl, WORD wItem);
