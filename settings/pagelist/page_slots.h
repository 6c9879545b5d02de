#pragma once
// page_slots.h - PAGE_SLOT_RECORD, the page-number lists kept inside the devmode: eight slots of at most 30
// ascending 16-bit page numbers (slot 2 the chapter starts, slot 3 the pages before which a sheet is
// inserted). The record is part of the stored devmode, so its layout is fixed.

#include "settings/devmode/driver_devmode.h"

constexpr BYTE kPageSlotCount = 8;        // slots 1..8
constexpr BYTE kPageSlotCapacity = 30;    // pages per slot
constexpr BYTE kChapterPageSlot = 2;      // the pages that start a chapter on a new sheet
constexpr BYTE kInsertPageSlot = 3;       // the pages before which a sheet from the insert tray is fed

#pragma pack(push, 1)
struct PAGE_SLOT_RECORD {                           // 488 bytes
    BYTE count[kPageSlotCount];                     // 0x00  pages held by slot n at count[n - 1]
    WORD pages[kPageSlotCount][kPageSlotCapacity];  // 0x08  slot n at 8 + (n - 1) x 60; unused entries 0
};
#pragma pack(pop)
static_assert(sizeof(PAGE_SLOT_RECORD) == 488);
static_assert(offsetof(PAGE_SLOT_RECORD, pages) == 0x08);
static_assert(sizeof(PAGE_SLOT_RECORD) == sizeof(DEVMODE_ENV_EXTRA::pageSlots));

// The record inside a devmode's env part (env offset 179, devmode offset 1,595); null for a null env.
PAGE_SLOT_RECORD* GetPageSlotRecord(DEVMODE_ENV_EXTRA* pEnv);
const PAGE_SLOT_RECORD* GetPageSlotRecord(const DEVMODE_ENV_EXTRA* pEnv);

// Sorts the caller's count pages ascending in place, then stores the first min(count, 30) of them as slot
// `slot` (1..8), clearing the slot's other entries; so 35 pages keep the 30 smallest. A negative count or a
// null page array stores an empty slot. Returns TRUE; FALSE, changing nothing, for a null record or a slot
// outside 1..8.
BOOL SetPageSlot(PAGE_SLOT_RECORD* pRecord, SHORT count, BYTE slot, WORD* pPages);

// Copies slot `slot`'s pages (at most 30; pPages must hold 30) and their number. Returns TRUE; FALSE with the
// outputs untouched for a null argument or a slot outside 1..8.
BOOL GetPageSlot(const PAGE_SLOT_RECORD* pRecord, BYTE slot, BYTE* pCount, WORD* pPages);

// The number of pages in slot `slot`, at most 30 whatever the stored byte says; 0 for a slot outside 1..8.
BYTE GetPageSlotCount(const PAGE_SLOT_RECORD* pRecord, BYTE slot);

// Empties slot `slot`.
void ClearPageSlot(PAGE_SLOT_RECORD* pRecord, BYTE slot);

// Ascending, stable insertion sort of count pages; nothing for a null array or a count below 2.
void SortPageNumbers(WORD* pPages, SHORT count);
