#pragma once
// item_table.h - the item table: every setting a property page or sub-dialog shows, keyed by the dialog control
// id that shows it, with its kind, owning page, label and, once bound, where its value lives in the sheet's
// working state. The table is process-wide; its run-time columns belong to the sheet that last bound it.

#include "win/windows.h"

// Kinds of item.
constexpr WORD kItemList = 1;           // combo box over an ITEM_LIST
constexpr WORD kItemRadio = 2;          // radio button; a group's buttons share one ITEM_LIST
constexpr WORD kItemCheck = 4;          // check box over a VALUE_RECORD
constexpr WORD kItemNumber = 8;         // edit with spin over a VALUE_RECORD
constexpr WORD kItemTrackbar = 16;      // trackbar over a VALUE_RECORD
constexpr WORD kItemDefaults = 32;      // a page's defaults button; bound to nothing

// Whether an item of this kind carries a value (every kind but the defaults button).
constexpr bool ItemCarriesValue(WORD wKind)
{
    return wKind == kItemList || wKind == kItemRadio || wKind == kItemCheck || wKind == kItemNumber ||
           wKind == kItemTrackbar;
}

// Message classes, read by the conflict report.
constexpr DWORD kItemClassSetting = 1;
constexpr DWORD kItemClassDefaults = 2;

// The answers of the queries for a control id the table does not hold.
constexpr WORD kAbsentItem = 0xFFFF;

#pragma pack(push, 1)
struct UI_ITEM {                    // 32 bytes
    WORD  wControl;                 // 0   0 ends the table
    WORD  wReserved1;               // 2
    WORD  wLabel;                   // 4   string id of the control's label
    WORD  wReserved2;               // 6
    void* pValue;                   // 8   bound storage: ITEM_LIST head or VALUE_RECORD; null as stored
    WORD  wSavedValue;              // 12  kept across a resolve by the resolve drivers
    WORD  wKind;                    // 14
    WORD  wPage;                    // 16  owning page or sub-dialog
    WORD  wReserved3;               // 18
    DWORD dwExtra;                  // 20  0 in every row
    DWORD dwPageMask;               // 24  pages whose resolve passes take the item in
    DWORD dwMessageClass;           // 28
};
#pragma pack(pop)
static_assert(sizeof(void*) == 4, "the item table's value pointers are 32-bit");
static_assert(sizeof(UI_ITEM) == 32);
static_assert(offsetof(UI_ITEM, wLabel) == 4);
static_assert(offsetof(UI_ITEM, pValue) == 8);
static_assert(offsetof(UI_ITEM, wSavedValue) == 12);
static_assert(offsetof(UI_ITEM, wKind) == 14);
static_assert(offsetof(UI_ITEM, wPage) == 16);
static_assert(offsetof(UI_ITEM, dwExtra) == 20);
static_assert(offsetof(UI_ITEM, dwPageMask) == 24);
static_assert(offsetof(UI_ITEM, dwMessageClass) == 28);

// The rows in table order (every walk goes front to back), ending with the terminator row.
UI_ITEM* GetUiItemRows();
// Rows before the terminator (138), counted by walking to it.
WORD CountUiItemRows();
