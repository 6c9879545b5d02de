#pragma once
// list_item_defaults.h - default texts of the named-list fields (list items) that saved-settings files hold.

#include "win/windows.h"

#pragma pack(push, 1)
struct LIST_ITEM_DEFAULT_ROW {      // 12 bytes
    WORD    wItemId;                // 0  list item id; 0 ends the table
    WORD    wReserved;              // 2
    LPCWSTR pszDefault;             // 4  decimal text for integer fields
    DWORD   dwReserved;             // 8
};
#pragma pack(pop)
static_assert(sizeof(LIST_ITEM_DEFAULT_ROW) == 12);

// The row of a list item; null when it has no default.
const LIST_ITEM_DEFAULT_ROW* FindListItemDefault(WORD wItemId);
