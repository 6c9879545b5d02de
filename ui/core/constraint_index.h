#pragma once
// constraint_index.h - the prohibition tables sorted by their first condition, once per sheet, so that the
// constraint engine finds the rules that start with a (control, value) by binary search instead of a walk of
// thousands of rows on every control change.

#include "settings/params/ui_state.h"
#include "ui/core/prohibition_tables.h"
#include "win/windows.h"

#pragma pack(push, 1)
// One distinct first condition of a prohibition table, with its run in the sorted row order.
struct CONSTRAINT_GROUP {           // 10 bytes
    WORD  wReserved;                // 0   0
    WORD  wControl;                 // 2
    SHORT sValue;                   // 4
    WORD  wFirst;                   // 6   positions in the row order, inclusive
    WORD  wLast;                    // 8
};

struct CONSTRAINT_INDEX {
    CONSTRAINT_GROUP* pGroups[kProhibitionTables];   // sorted by control (unsigned), then value (signed)
    WORD              wGroupCounts[kProhibitionTables];
    WORD*             pOrders[kProhibitionTables];   // row numbers of the prohibition table, sorted by key
};
#pragma pack(pop)
static_assert(sizeof(CONSTRAINT_GROUP) == 10);
static_assert(offsetof(CONSTRAINT_GROUP, wControl) == 2);
static_assert(offsetof(CONSTRAINT_GROUP, wFirst) == 6);
static_assert(sizeof(CONSTRAINT_INDEX) == 40);

// Builds the index of the four tables (their counts are those of InitUiTables) and hangs it in the state. When
// the record cannot be allocated the state keeps none, which reads as four empty tables; a table whose order
// or groups cannot be allocated has no groups.
void BuildConstraintIndex(UI_STATE* pState);
// Frees the order arrays, the group tables and the record, and clears the state's pointer.
void FreeConstraintIndex(UI_STATE* pState);

// The groups of table k (0 .. 3 for 2 .. 5 conditions) and its row order; null with a count of 0 for a state
// without an index, a table without groups or another k.
const CONSTRAINT_GROUP* GetConstraintGroups(const UI_STATE* pState, int k, WORD* pCount, const WORD** ppOrder);

// Binary search of one group table: 1 with the group's first and last position in the row order, or 0 with
// both 0 when no group has the key or the table is empty.
DWORD FindConstraint(WORD wControl, SHORT sValue, const CONSTRAINT_GROUP* pGroups, WORD wCount, WORD* pFirst,
                     WORD* pLast);

// Sorts and groups one table of n rows of cbRow bytes, each beginning with its first condition. The order array
// (n entries) and the group table come from AllocLockedBlock; either is null, with a count of 0, when n is 0 or
// memory is short.
void BuildConstraintTableIndex(const BYTE* pRows, WORD cbRow, WORD n, WORD** ppOrder, CONSTRAINT_GROUP** ppGroups,
                               WORD* pCount);
