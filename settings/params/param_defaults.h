#pragma once
// param_defaults.h - the default texts and ranges of the parameters kept as plain fields, which the packed
// defaults and the check after reading a saved-settings file use.

#include "win/windows.h"

#pragma pack(push, 1)
struct PARAM_DEFAULT_ROW {          // 20 bytes
    WORD    wParamId;               // 0   0 ends the table
    WORD    wReserved;              // 2
    LPCWSTR pszDefault;             // 4   decimal text for integer fields
    LONG    lMinimum;               // 8   -1 with lMaximum -1: no range
    LONG    lMaximum;               // 12
    DWORD   dwReserved;             // 16
};
#pragma pack(pop)
static_assert(sizeof(PARAM_DEFAULT_ROW) == 20);
static_assert(offsetof(PARAM_DEFAULT_ROW, pszDefault) == 4);
static_assert(offsetof(PARAM_DEFAULT_ROW, lMinimum) == 8);

// The row of a parameter; null when it has none.
const PARAM_DEFAULT_ROW* FindParamDefault(WORD wParamId);
// Whether the row gives a range.
inline bool HasParamRange(const PARAM_DEFAULT_ROW& row)
{
    return !(row.lMinimum == -1 && row.lMaximum == -1);
}
