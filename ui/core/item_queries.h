#pragma once
// item_queries.h - reading and writing the settings of the pages by control id, through the item table, and
// the row counts of the interface module's static tables. Every query scans rows 0 .. count-1 of its table and
// takes the first match; the counts are those of the last InitUiTables.

#include "settings/params/ui_state.h"
#include "win/windows.h"

struct UI_ITEM;

// Row counts of the static tables, counted at every BuildUiState.
struct UI_TABLE_COUNTS {
    WORD wProhibitions[4];          // the prohibition tables of 2, 3, 4 and 5 conditions
    WORD wItems;
    WORD wOptionNames;
    WORD wRadioValues;
    WORD wControlRules;
    WORD wOptionRules;
    WORD wThirdRules;
    WORD wStaplePapers;             // the finishing paper tables
    WORD wPunchPapers;
    WORD wFoldPapers;
    WORD wLayoutPapers;
};

// Counts the rows of every static table; called before anything reads a count.
void InitUiTables();
const UI_TABLE_COUNTS& GetUiTableCounts();

// Points every item row's value at its storage in the state (null for a control its page's map does not know,
// and for every row when the state is null). Run before any query whose answer depends on the binding.
void BindItemValues(UI_STATE* pState);

// The first row of a control id; null when absent.
UI_ITEM* FindUiItem(WORD wControl);

// Current value: 0 for a defaults button; 0xFFFF when the id is absent or its row is not bound.
WORD GetItemValue(WORD wControl);
// Stores the current value of every bound row of the id; nothing for an absent id or a defaults button.
void SetItemValue(WORD wControl, WORD wValue);
// Default value (the list head's or the value record's); 0 for a defaults button, 0xFFFF when absent.
WORD GetItemDefaultValue(WORD wControl);
// Committed (applied) value; as GetItemValue for the rest.
WORD GetItemCommittedValue(WORD wControl);
// Stores the committed value; as SetItemValue.
void SetItemCommittedValue(WORD wControl, WORD wValue);

// The display name of a value: for the original size and the output paper the paper table's name, otherwise
// the first option-name row of the item and value, or the option table's name where the item's rows say so.
// Null when nothing names it.
LPCWSTR GetOptionValueName(WORD wControl, WORD wValue);
// The label text; null when absent.
LPCWSTR GetItemLabel(WORD wControl);

// The row's kind, -1 when absent.
LONG GetItemKind(WORD wControl);
// Owning page or dialog, 0xFFFF when absent.
WORD GetItemPage(WORD wControl);
// Bound storage; null when absent.
void* GetItemValuePtr(WORD wControl);
// The option list of a list item (kind 1); null for another kind, an absent id or a row not bound.
ITEM_LIST* GetItemOptionList(WORD wControl);
// The value of option i of a list item; 0xFFFF when the control has no list or the list no option i.
WORD GetItemOptionValue(WORD wControl, WORD wItem);
// Page mask and message class, 0xFFFFFFFF when absent; the extra word, 0 when absent.
DWORD GetItemFlags(WORD wControl);
DWORD GetItemMessageClass(WORD wControl);
DWORD GetItemExtra(WORD wControl);
// The value a radio button stores in its group; -1 when the control is not in the radio value table.
LONG GetRadioButtonValue(WORD wControl);
