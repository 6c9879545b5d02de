#pragma once
// range_option_table.h - the range table: for each numeric feature of the settings, its minimum, maximum,
// step and default. Read only through the feature query.

#include "settings/paper/option_table.h"

struct RANGE_OPTION_ROW {           // 10 bytes
    WORD  wFeature;                 // kOptionTableEnd ends the table
    SHORT sMaximum;
    SHORT sMinimum;
    WORD  wStep;
    WORD  wDefault;
};
static_assert(sizeof(RANGE_OPTION_ROW) == 10);

// The feature's row; null when the table has none.
const RANGE_OPTION_ROW* FindRangeOptionRow(WORD wFeature);

// The number of rows before the terminator.
std::size_t CountRangeOptionRows();
