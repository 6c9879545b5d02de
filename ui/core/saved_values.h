#pragma once
// saved_values.h - the values a resolve starts from. A resolve works on the working values and rolls them back
// before it reports; the saved slot of each item holds what it rolls back to.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// Copies the current value of every item that carries a value into its saved slot (binds the items first).
void SaveItemValues(UI_STATE* pState);
// Copies the saved values back into the working values (binds the items first).
void RestoreItemValues(UI_STATE* pState);
// The saved slot of the control; 0xFFFF for a control the item table does not know.
WORD GetSavedItemValue(WORD wControl);
