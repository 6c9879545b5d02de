#pragma once
// option_names.h - the option-name table: the string id that names each value of an item's option list.

#include "win/windows.h"

// String id of a row that stands for every value of its item without a row of its own: those take the name
// the option table gives the item's feature and value.
constexpr DWORD kIdsOptionTableName = 0;

#pragma pack(push, 1)
struct OPTION_NAME_ENTRY {          // 8 bytes
    WORD  wItem;                    // 0   control id; 0 ends the table
    WORD  wValue;                   // 2
    DWORD idsName;                  // 4
};
#pragma pack(pop)
static_assert(sizeof(OPTION_NAME_ENTRY) == 8);

// The rows, ending with the terminator; the rows of one item stand together.
const OPTION_NAME_ENTRY* GetOptionNameRows();
// Rows before the terminator.
WORD CountOptionNameRows();
