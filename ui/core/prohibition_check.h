#pragma once
// prohibition_check.h - the item side of the prohibition tables: an option of a list is prohibited when it
// would complete a forbidden combination with the current values of the other controls. The predicates are
// shared with the resolve passes.

#include "settings/params/ui_state.h"
#include "ui/core/prohibition_tables.h"
#include "win/windows.h"

// 1 when the control takes part in the rules: the static active word of its first control-rule row, else that
// row's state; a control without a row is active when the item table knows it.
DWORD IsRuleControlActive(WORD wControl);

// The value that the rules compare for a control: with one sheet per two pages or a booklet on, the output
// paper (and the original size while the output paper follows it) becomes the paper that holds two of it;
// then any user-defined size of the two counts as the user size.
WORD GetEffectivePaperValue(WORD wControl, WORD wValue);
// The same for a row of n conditions whose first condition is keyed: values[0] = key, values[k] = the effective
// current value of the row's k-th condition control.
void GetEffectivePaperValue(const PROHIBITION_CONDITION* pConditions, int n, WORD wKey, WORD* pValues);

// Marks item i of the control's list prohibited (state 4) when a row of table k (0 .. 3 for 2 .. 5 conditions)
// that starts with the item forbids it. Never marks an item available; a control without a list, or an item
// without rules, is left as it is.
void CheckItemProhibitions(UI_STATE* pState, WORD wControl, WORD wItem, int k);
