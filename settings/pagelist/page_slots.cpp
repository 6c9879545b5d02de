// page_slots.cpp - the page-number lists of the devmode: set, get, count, clear and sort a slot.
// The record is packed inside the devmode, so its page arrays may sit at odd addresses: they are moved with
// memcpy, never through a WORD pointer into the record.
#include "settings/pagelist/page_slots.h"

#include <algorithm>
#include <cstring>

static bool IsPageSlot(BYTE slot)
{
    return slot >= 1 && slot <= kPageSlotCount;
}

PAGE_SLOT_RECORD* GetPageSlotRecord(DEVMODE_ENV_EXTRA* pEnv)
{
    return pEnv == nullptr ? nullptr : reinterpret_cast<PAGE_SLOT_RECORD*>(pEnv->pageSlots);
}

const PAGE_SLOT_RECORD* GetPageSlotRecord(const DEVMODE_ENV_EXTRA* pEnv)
{
    return pEnv == nullptr ? nullptr : reinterpret_cast<const PAGE_SLOT_RECORD*>(pEnv->pageSlots);
}

BOOL SetPageSlot(PAGE_SLOT_RECORD* pRecord, SHORT count, BYTE slot, WORD* pPages)
{
    if (pRecord == nullptr || !IsPageSlot(slot))
        return FALSE;
    if (pPages == nullptr || count < 0)
        count = 0;

    SortPageNumbers(pPages, count);
    WORD kept[kPageSlotCapacity] = {};
    const BYTE stored = static_cast<BYTE>(std::min<SHORT>(count, kPageSlotCapacity));
    for (BYTE i = 0; i < stored; ++i)
        kept[i] = pPages[i];
    std::memcpy(&pRecord->pages[slot - 1], kept, sizeof kept);
    pRecord->count[slot - 1] = stored;
    return TRUE;
}

BOOL GetPageSlot(const PAGE_SLOT_RECORD* pRecord, BYTE slot, BYTE* pCount, WORD* pPages)
{
    if (pRecord == nullptr || pCount == nullptr || pPages == nullptr || !IsPageSlot(slot))
        return FALSE;
    const BYTE count = GetPageSlotCount(pRecord, slot);
    std::memcpy(pPages, &pRecord->pages[slot - 1], count * sizeof(WORD));
    *pCount = count;
    return TRUE;
}

BYTE GetPageSlotCount(const PAGE_SLOT_RECORD* pRecord, BYTE slot)
{
    if (pRecord == nullptr || !IsPageSlot(slot))
        return 0;
    // A devmode from a file or another application may carry any byte here; the slot never holds more.
    return std::min(pRecord->count[slot - 1], kPageSlotCapacity);
}

void ClearPageSlot(PAGE_SLOT_RECORD* pRecord, BYTE slot)
{
    SetPageSlot(pRecord, 0, slot, nullptr);
}

void SortPageNumbers(WORD* pPages, SHORT count)
{
    if (pPages == nullptr || count < 2)
        return;
    for (SHORT i = 1; i < count; ++i) {
        const WORD page = pPages[i];
        SHORT j = i;
        for (; j > 0 && pPages[j - 1] > page; --j)
            pPages[j] = pPages[j - 1];
        pPages[j] = page;
    }
}
