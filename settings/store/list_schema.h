#pragma once
// list_schema.h - where each named-list group lives in the registry: one static table of rows per group
// (sections, keys and values with their index ranges), the working copies built from them at run time, and
// the walker's position in them. No other code knows a group's registry layout.

#include "win/windows.h"
#include <cstddef>

#pragma pack(push, 1)
// One static row. Exactly one name column is filled, and its level is the row's depth (1 section, 2 key,
// 3 value); a pattern may hold one "%d" for the index. A row without names only describes a field of a list
// entry, for the parameters and the saved-settings keys, and is never walked.
struct LIST_SCHEMA_ROW {            // 396 bytes
    WORD  wItem;                    // 0    unique over every group; 0 ends a table
    BYTE  bKind;                    // 2    kListRowKey or kListRowValue
    BYTE  bReserved;                // 3    0
    WCHAR szSection[64];            // 4    level 1
    WCHAR szKey[64];                // 132  level 2
    WCHAR szValue[64];              // 260  level 3
    WORD  wFirst;                   // 388  first index
    WORD  wLast;                    // 390  last index
    WORD  wParent;                  // 392  the item holding the entry count that bounds the range; 0 none
    WORD  wGroup;                   // 394  list-group id
};

// A row as the walker and the settings model use it at run time.
struct LIST_SCHEMA_RUN_ROW {        // 414 bytes
    LIST_SCHEMA_ROW row;            // 0    the static row
    DWORD dwParentFlag;             // 396  1: some row of the group names this row's item as its parent
    DWORD dwPackedDefaultOffset;    // 400  set by the settings model
    DWORD dwPackedDefaultFlag;      // 404  set by the settings model
    WORD  wParamRow;                // 408  link words, 0xFFFF until the settings model links them
    WORD  wOwnIndex;                // 410
    WORD  wKeyRow;                  // 412
};

// One group's rows within the block of a LIST_SCHEMA_SET.
struct LIST_SCHEMA_GROUP {          // 6 bytes
    LIST_SCHEMA_RUN_ROW* lpRows;    // 0  null when the group is disabled
    WORD  wCount;                   // 4  rows of the group, without an end row
};

// The working rows of every enabled group, in one block that ends in a zeroed row.
struct LIST_SCHEMA_SET {            // 42 bytes
    LIST_SCHEMA_RUN_ROW* lpRows;    // 0
    WORD  wRowCount;                // 4  rows before the end row
    LIST_SCHEMA_GROUP groups[6];    // 6  InterSheet, Form, WaterMark, FontSubTbl, Fax Cover Sheet, UDPaper
};

// The walker's position: the rows of the three levels (indices relative to the group's first row), the
// depth, and the indices of the key and value levels.
struct LIST_WALK_PATH {             // 12 bytes
    WORD  wSectionRow;
    WORD  wKeyRow;
    WORD  wValueRow;
    WORD  wDepth;                   // 1, 2 or 3
    WORD  wKeyIndex;
    WORD  wValueIndex;
};
#pragma pack(pop)

static_assert(sizeof(LIST_SCHEMA_ROW) == 396);
static_assert(offsetof(LIST_SCHEMA_ROW, wItem) == 0);
static_assert(offsetof(LIST_SCHEMA_ROW, bKind) == 2);
static_assert(offsetof(LIST_SCHEMA_ROW, bReserved) == 3);
static_assert(offsetof(LIST_SCHEMA_ROW, szSection) == 4);
static_assert(offsetof(LIST_SCHEMA_ROW, szKey) == 132);
static_assert(offsetof(LIST_SCHEMA_ROW, szValue) == 260);
static_assert(offsetof(LIST_SCHEMA_ROW, wFirst) == 388);
static_assert(offsetof(LIST_SCHEMA_ROW, wLast) == 390);
static_assert(offsetof(LIST_SCHEMA_ROW, wParent) == 392);
static_assert(offsetof(LIST_SCHEMA_ROW, wGroup) == 394);
static_assert(sizeof(LIST_SCHEMA_RUN_ROW) == 414);
static_assert(sizeof(LIST_WALK_PATH) == 12);

constexpr BYTE kListRowKey   = 0x20;   // the row names a registry key
constexpr BYTE kListRowValue = 0x13;   // the row names a registry value

// True when the row names a key rather than a value.
constexpr bool IsListKeyRow(const LIST_SCHEMA_ROW& row)
{
    return (row.bKind & 0x30) == 0x20;
}

// The static table of a group, ended by a row whose item is 0; null for an unknown group id.
const LIST_SCHEMA_ROW* GetListSchemaTable(WORD wGroup);

// Builds the working rows of every enabled group into one block (each row copied, the link words 0xFFFF,
// the parent flags set) and fills the set. FALSE, with the set all zero, when memory runs short or set is null.
BOOL LoadListSchemas(LIST_SCHEMA_SET* set);

// Frees the set's block and clears the set; a null set is ignored.
void FreeListSchemas(LIST_SCHEMA_SET* set);

// The rows of one group in the set; null for a null set or an unknown group id (the group's pointer is null
// and its count 0 when the group is disabled).
const LIST_SCHEMA_GROUP* FindListSchemaGroup(const LIST_SCHEMA_SET* set, WORD wGroup);

// Finds the row of the item among the group's rows and fills the path's rows and depth: the row's own level,
// the nearest section row at or above it and, for a value, the nearest key row at or above it. The indices
// are left as they are. 0 for an item that is not there, a row without names or a null argument.
BOOL ResolveListPath(const LIST_SCHEMA_RUN_ROW* rows, WORD rowCount, WORD wItem, LIST_WALK_PATH* path);
