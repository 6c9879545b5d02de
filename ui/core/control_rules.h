#pragma once
// control_rules.h - which controls of the pages are enabled. UpdateControlRules recomputes the state of every
// control-rule row from the current values; EnablePageControls shows the states on a page. The states live in
// the static rule tables and describe the sheet that last ran UpdateControlRules.

#include "settings/params/ui_state.h"
#include "win/windows.h"

constexpr WORD kNoRuleRow = 0xFFFF;

// Binds the item table to the state and recomputes every rule row: callbacks first, then the levels in
// ascending order, so that a level-2 or level-3 row sees the final state of its governor; then the option and
// third rules mask the result.
void UpdateControlRules(HWND hDlg, UI_STATE* pState);

// EnableWindow on each target of the rows whose page is the state's current page, in table order.
void EnablePageControls(HWND hDlg, UI_STATE* pState);

// Stores a state into every row of the control, until the next UpdateControlRules.
void SetControlRuleEnabled(WORD wControl, DWORD dwState);

// The state of the control's first rule row; without a row, TRUE when the item table knows the control.
BOOL IsControlEnabled(WORD wControl);
// The governing control of the control's first rule row; 0xFFFF when it has no row or no governor.
WORD GetControlRuleSource(WORD wControl);
// The index of the control's first rule row; kNoRuleRow when none.
WORD FindRuleRowOfControl(WORD wControl);
// 1 when the row's governor holds the row's value (as signed 16-bit), or the value of one of the continuation
// rows that follow it; else 0 (also for a row outside the table).
DWORD MatchRuleRow(WORD wRow);
// Recomputes every row of the given row's target at once: AND when the given row's kind is AND, else OR. The
// governor's state is taken once per call and carried from row to row.
void EvaluateControlRule(WORD wRow);

// Recompute the result words of the option rules and of the third rules from the current values.
void EvaluateOptionRules(UI_STATE* pState);
void EvaluateThirdRules(UI_STATE* pState);
// The option-rule result of a feature control; 1 for a control without option rules.
DWORD GetRuleTable2State(WORD wControl);

#pragma pack(push, 1)
struct RULE_STATE_ENTRY {           // 6 bytes
    WORD  wId;                      // 0   target, feature or control of the row
    DWORD dwState;                  // 2
};
#pragma pack(pop)
static_assert(sizeof(RULE_STATE_ENTRY) == 6);

// For each argument that is not null, an array of one entry per row of the control-rule, option-rule and third
// table is allocated and filled; an array that cannot be allocated (or a table without rows) is left null.
// Arrays come from AllocLockedBlock.
void SaveRuleStates(RULE_STATE_ENTRY** ppControl, RULE_STATE_ENTRY** ppOption, RULE_STATE_ENTRY** ppThird);
// Writes the saved ids and states back; null arrays are skipped.
void RestoreRuleStates(const RULE_STATE_ENTRY* pControl, const RULE_STATE_ENTRY* pOption,
                       const RULE_STATE_ENTRY* pThird);
// Frees the arrays and clears the pointers; null arguments and null arrays are skipped.
void FreeRuleStates(RULE_STATE_ENTRY** ppControl, RULE_STATE_ENTRY** ppOption, RULE_STATE_ENTRY** ppThird);
