#pragma once
// radio_values.h - the radio value table: what a click on each radio button stores in its group's list.

#include "win/windows.h"

#pragma pack(push, 1)
struct RADIO_VALUE_ENTRY {          // 4 bytes
    WORD  wControl;                 // 0   0 ends the table
    SHORT sValue;                   // 2
};
#pragma pack(pop)
static_assert(sizeof(RADIO_VALUE_ENTRY) == 4);

// The rows, ending with the terminator.
const RADIO_VALUE_ENTRY* GetRadioValueRows();
// Rows before the terminator (37).
WORD CountRadioValueRows();
