#pragma once
// prohibition_tables.h - the four prohibition tables: rows of two to five (control, value) conditions that may
// not hold together, with the control that gives way and the value it takes. A rule is stored once for each
// member that must find it, rotated so that member comes first; rows are found through their first condition.

#include "win/windows.h"

#pragma pack(push, 1)
struct PROHIBITION_CONDITION {      // 4 bytes
    WORD  wControl;                 // 0   0 in the first condition ends a table
    SHORT sValue;                   // 2
};

template <int N>
struct PROHIBITION_RULE {           // 4 x N + 4 bytes
    PROHIBITION_CONDITION conditions[N];
    WORD wYieldControl;
    WORD wYieldValue;
};
#pragma pack(pop)
static_assert(sizeof(PROHIBITION_RULE<2>) == 12);
static_assert(sizeof(PROHIBITION_RULE<5>) == 24);

constexpr int kProhibitionTables = 4;   // widths 2, 3, 4 and 5

// Table k (0 .. 3, for 2 .. 5 conditions) as the constraint index reads it: the first row and the size of a
// row; every row begins with its first condition. Null for another k.
const BYTE* GetProhibitionRows(int k, WORD* pcbRow);
// Rows of table k before its terminator; 0 for another k.
WORD CountProhibitionRows(int k);
