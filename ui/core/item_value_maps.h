#pragma once
// item_value_maps.h - the value maps: for each page or dialog, which user-interface parameter each of its
// controls shows, and so where in the sheet's working state the control's value lives.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// The parameter that control wControl of page wPage shows; 0 for a page without a map or a control its map
// does not know (defaults buttons among them).
WORD GetItemParamId(WORD wPage, WORD wControl);

// The storage of that parameter in the state: for a list or radio control the ITEM_LIST the state points to,
// for a check box, number or trackbar its VALUE_RECORD. Null for an unknown control, a null state, or a state
// whose parameter rows do not hold the parameter.
void* MapItemValue(UI_STATE* pState, WORD wPage, WORD wControl);
