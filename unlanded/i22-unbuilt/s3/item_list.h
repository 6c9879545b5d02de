#pragma once
// item_list.h - the items of a list box or of a combo box's list: texts (or, owner-drawn without strings,
// only data), item data, the sorted insertion and the searches both controls answer in the same way.

#include <string>
#include <vector>
#include "win/windef.h"

namespace platform {

struct ListItem {
    std::u16string text;
    ULONG_PTR data = 0;
    UINT height = 0;        // owner-drawn rows of variable height
    bool selected = false;  // multiple-selection list boxes
};

struct ItemList {
    std::vector<ListItem> items;
    bool sorted = false;
    bool hasStrings = true;   // false: an owner-drawn list whose "string" is the item's data

    // Adds at the end, or in order when sorted; answers the index.
    int Add(const WCHAR* text, LPARAM value);
    // Inserts at index (-1: the end); -1 when the index is past the end.
    int Insert(int index, const WCHAR* text, LPARAM value);
    bool Valid(WPARAM index) const { return index < items.size(); }
    // The first item after start (-1: from the beginning), wrapping round, whose text begins with (or, exact:
    // equals) text, without regard to case; -1 when none.
    int Find(int start, const WCHAR* text, bool exact) const;
    // Copies the item's text with its terminator (or its data when the list has no strings); the length.
    LRESULT CopyText(WPARAM index, LPARAM buffer) const;
    LRESULT TextLength(WPARAM index) const;
};

} // namespace platform
