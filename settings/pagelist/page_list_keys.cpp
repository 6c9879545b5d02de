// page_list_keys.cpp - the key table of the page-number lists' text form, and its lookup.
#include "settings/pagelist/page_list_keys.h"

#include <iterator>

constexpr PAGE_LIST_KEY_ROW kPageListKeyRows[] = {
//   slot  max  text length          key
    { 2,   30,  kPageListTextLength, u"/C" },   // chapter pages; also a text without any key
    { 3,   28,  kPageListTextLength, u"/P" },   // insert-sheet pages
    { 0,    0,  0,                   u""   },   // terminator
};
static_assert(kPageListKeyRows[std::size(kPageListKeyRows) - 1].slot == 0, "terminator must be last");
static_assert(kPageListKeyRows[0].slot == kChapterPageSlot && kPageListKeyRows[0].maxPages == kPageSlotCapacity,
              "a text without a key is read as the chapter slot with its 30 pages");

const PAGE_LIST_KEY_ROW* GetPageListKeyRows()
{
    return kPageListKeyRows;
}

const PAGE_LIST_KEY_ROW* FindPageListKey(const WCHAR* pText)
{
    if (pText == nullptr)
        return nullptr;
    for (const PAGE_LIST_KEY_ROW* row = kPageListKeyRows; row->slot != 0; ++row)
        if (pText[0] == row->key[0] && pText[0] != u'\0' && pText[1] == row->key[1])
            return row;
    return nullptr;
}
