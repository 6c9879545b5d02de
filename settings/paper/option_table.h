#pragma once
// option_table.h - the option table: for each list-type feature of the settings, its option values in display
// order, the string id of each option's name and the default option. Read only through the feature query.

#include "win/windef.h"
#include <cstddef>

constexpr WORD kOptionTableEnd = 0xFFFF;   // feature id of the terminator row of every option table

struct OPTION_ROW {                 // 12 bytes
    WORD  wFeature;                 // kOptionTableEnd ends the table
    WORD  idsName;                  // string id of the option's name; 0 = no name
    SHORT sValue;                   // the option value stored in the devmode
    WORD  wReserved;                // 0
    DWORD dwDefault;                // 1 in exactly one row of each feature
};
static_assert(sizeof(OPTION_ROW) == 12);

// The first row of the feature (its options follow while the id stays the same); null when the table has none.
const OPTION_ROW* FindOptionRows(WORD wFeature);

// The number of rows before the terminator.
std::size_t CountOptionRows();
