#pragma once
// item_list.h - the items of a list box or of a combo box's list: texts (or, owner-drawn without strings,
// only data), item data, row heights, the sorted insertion and the searches both controls answer in the same
// way, and the messages both answer alike.

#include <string>
#include <vector>
#include "user/controls.h"

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
    // The item a user means by its text: the one that equals it, else the first that begins with it; -1.
    int FindForUser(const std::u16string& text) const;
    // Copies the item's text with its terminator (or its data when the list has no strings); the length.
    LRESULT CopyText(WPARAM index, LPARAM buffer) const;
    LRESULT TextLength(WPARAM index) const;
};

// What a list box and a combo box keep alike: the items, the selection, the focus and the row height, and the
// owner-drawn kind of their rows.
struct ItemListControl : UserControl {
    ItemList list;
    int selection = -1;
    bool focused = false;
    UINT itemHeight = 0;
    UINT ctlType = 0;             // ODT_LISTBOX or ODT_COMBOBOX
    bool variableHeight = false;  // owner-drawn rows each as high as the owner says

    explicit ItemListControl(UINT type, UINT height) : itemHeight(height), ctlType(type) {}
    int FindItem(HWND, const std::u16string& text) override { return list.FindForUser(text); }

    // Asks the owner how high an item is (WM_MEASUREITEM, itemId -1 for a combo box's selection field);
    // answers what it says, height when it says nothing.
    UINT Measure(HWND control, UINT itemId, ULONG_PTR data, UINT height) const;
    // The add and insert messages: the item's index, or -1 (a null text in a list of strings, an index past
    // the end). The selection stays on its item; a row of variable height is measured by the owner.
    int AddFromMessage(HWND control, bool add, WPARAM index, LPARAM lParam);
    // The delete message: false for an index out of range; the selection stays on its item (-1 when it goes).
    bool Remove(WPARAM index);
    // The messages both answer alike (item data, texts, count, searches), by the control's own codes (LB_ or
    // CB_); false when msg is not one of them. Both answer -1 (LB_ERR, CB_ERR) for an index out of range.
    struct Codes {
        UINT getData, setData, getText, getTextLength, find, findExact, getCount;
    };
    bool Answer(const Codes& codes, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // WM_SETFOCUS and WM_KILLFOCUS: the focus shown, and the parent told with the code given (0: nothing).
    void FocusChanged(HWND control, bool gained, UINT code);
};

} // namespace platform
