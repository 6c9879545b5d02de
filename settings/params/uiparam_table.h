#pragma once
// uiparam_table.h - the parameter table: one row per user-interface parameter, saying which feature offers its
// values, which settings-file key stores it, what kind of setting it is and which function binds it.

#include "settings/params/param_binding.h"
#include "win/windows.h"

// Kinds of parameter; exactly one is set in each row.
constexpr DWORD PK_NAMED_LIST = 0x1;        // option list with display names (ITEM_LIST_ENTRY options)
constexpr DWORD PK_LIST       = 0x2;        // option list of values (VALUE_LIST_ENTRY options)
constexpr DWORD PK_VALUE      = 0x4;        // a single value, mostly a check box
constexpr DWORD PK_RANGE      = 0x8;        // a number with minimum and maximum
constexpr DWORD PK_TEXT       = 0x40;       // a wide text copied between devmode and UI_STATE
constexpr DWORD PK_FIELD      = 0x100;      // a fixed-width field
constexpr DWORD PK_LONG_TEXT  = 0x200;      // a long wide text
constexpr DWORD PK_PAGE_LISTS = 0x1000000;  // the page-number lists
constexpr DWORD PK_INTERNAL   = 0x2000000;  // a data area, a raw block, or an unbound row
constexpr DWORD PK_RAW_FIELD  = 0x4000000;  // a field taken as its binder gives it; no row has it yet

constexpr WORD kNoFeature = 0xFFFF;

#pragma pack(push, 1)
struct UIPARAM_ROW {                // 20 bytes
    WORD         wParamId;          // 0   1..243 bound, 10000..10078 unbound; 0 ends the table
    WORD         wFeature;          // 2   option-table feature, kNoFeature for none
    WORD         wSubId;            // 4   unbound rows: the named-list field (list item id) they link
    WORD         wKeyId;            // 6   settings-file key, 0 for none
    DWORD        dwKind;            // 8
    DWORD        dwReserved;        // 12
    PARAM_BINDER pfnBind;           // 16  null for the unbound rows
};
#pragma pack(pop)
static_assert(sizeof(UIPARAM_ROW) == 20);
static_assert(offsetof(UIPARAM_ROW, dwKind) == 8);
static_assert(offsetof(UIPARAM_ROW, pfnBind) == 16);

// The rows in table order, ending with the terminator. Passes over the parameters run in this order, which
// matters: Front_Check and Back_Check read their cover byte before lpFrontCover and lpBackCover rewrite it.
const UIPARAM_ROW* GetUiParamRows();
// Rows before the terminator (322).
WORD CountUiParams();
// The row of a parameter id; null when none.
const UIPARAM_ROW* FindUiParamRow(WORD wParamId);
// Whether a kind is backed by a feature of the option tables (named list, list, value, range).
constexpr bool IsFeatureBackedKind(DWORD dwKind)
{
    return (dwKind & (PK_NAMED_LIST | PK_LIST | PK_VALUE | PK_RANGE)) != 0;
}
