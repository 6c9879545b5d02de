#pragma once
// page_list_keys.h - the keys of the page-number lists in their saved-settings text form: "/C" the chapter
// pages of slot 2, "/P" the insert-sheet pages of slot 3, as in /C2,4,6-10/P7.

#include "settings/pagelist/page_slots.h"

// The longest page text of one slot: 30 numbers of up to 5 digits with 29 commas, and the terminator. A slot
// of 4-digit pages that form no runs already needs 149 characters.
constexpr WORD kPageListTextLength = kPageSlotCapacity * 5 + (kPageSlotCapacity - 1) + 1;

struct PAGE_LIST_KEY_ROW {
    BYTE  slot;          // 0 ends the table
    BYTE  maxPages;      // the most pages the reader accepts for the slot
    WORD  cchText;       // room for the slot's page text, terminator included
    WCHAR key[4];        // "/C", "/P"
};

// The rows in the order the text form writes them, up to the terminator (slot 0).
const PAGE_LIST_KEY_ROW* GetPageListKeyRows();

// The row whose two-character key starts the text at pText; null when none does or pText is null.
const PAGE_LIST_KEY_ROW* FindPageListKey(const WCHAR* pText);
