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

// The four tables as the engine reads them: each ends with a row whose first control is 0.
struct PROHIBITION_TABLES {
    const PROHIBITION_RULE<2>* pRows2;
    const PROHIBITION_RULE<3>* pRows3;
    const PROHIBITION_RULE<4>* pRows4;
    const PROHIBITION_RULE<5>* pRows5;
};

// Points the engine at other tables (null: the product's own). They are read from the next InitUiTables and
// BuildConstraintIndex on; the caller keeps them alive until it points the engine back.
void UseProhibitionTables(const PROHIBITION_TABLES* pTables);

// Table k (0 .. 3, for 2 .. 5 conditions) as the constraint index reads it: the first row and the size of a
// row; every row begins with its first condition. Null for another k.
const BYTE* GetProhibitionRows(int k, WORD* pcbRow);
// Rows of table k before its terminator; 0 for another k.
WORD CountProhibitionRows(int k);
// The conditions of row r of table k (k + 2 of them), followed by the yielding control and its value.
const PROHIBITION_CONDITION* GetProhibitionRow(int k, WORD r, WORD* pwYieldControl, WORD* pwYieldValue);
