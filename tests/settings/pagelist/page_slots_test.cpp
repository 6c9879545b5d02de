// page_slots_test.cpp - the page-number slots of the devmode: what a slot keeps, and what it never overruns.
#include "settings/pagelist/page_slots.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<WORD> SlotPages(const PAGE_SLOT_RECORD& record, BYTE slot)
{
    WORD pages[kPageSlotCapacity + 1];
    std::memset(pages, 0xAB, sizeof pages);
    BYTE count = 0xEE;
    EXPECT_TRUE(GetPageSlot(&record, slot, &count, pages));
    EXPECT_EQ(pages[count], 0xABAB) << "GetPageSlot wrote past the slot's count";
    return std::vector<WORD>(pages, pages + count);
}

// The raw bytes of the record, as the devmode stores them (count bytes, then 60 bytes per slot).
const BYTE* Bytes(const PAGE_SLOT_RECORD& record)
{
    return reinterpret_cast<const BYTE*>(&record);
}

} // namespace

TEST(PageSlots, SetSortsTheCallersPagesAndStoresThemAtTheSlotsOffsets)
{
    PAGE_SLOT_RECORD record = {};
    WORD pages[] = {3, 1, 2};
    EXPECT_TRUE(SetPageSlot(&record, 3, 3, pages));

    EXPECT_EQ(pages[0], 1);   // the caller's array is sorted in place
    EXPECT_EQ(pages[2], 3);
    EXPECT_EQ(SlotPages(record, 3), (std::vector<WORD>{1, 2, 3}));
    EXPECT_EQ(Bytes(record)[2], 3) << "slot 3's count is the third byte";
    EXPECT_EQ(Bytes(record)[8 + 2 * 60], 1) << "slot 3's first page is at 8 + 2 x 60, little-endian";
    EXPECT_EQ(GetPageSlotCount(&record, 2), 0);
}

TEST(PageSlots, ThirtyFivePagesKeepTheThirtySmallestAndNothingSpills)
{
    PAGE_SLOT_RECORD record = {};
    std::memset(&record, 0x5A, sizeof record);
    std::vector<WORD> pages;
    for (WORD page = 35; page >= 1; --page)
        pages.push_back(page);

    EXPECT_TRUE(SetPageSlot(&record, static_cast<SHORT>(pages.size()), 8, pages.data()));

    std::vector<WORD> expected;
    for (WORD page = 1; page <= 30; ++page)
        expected.push_back(page);
    EXPECT_EQ(SlotPages(record, 8), expected);
    EXPECT_EQ(Bytes(record)[6], 0x5A) << "slot 7's count must not change";
    EXPECT_EQ(Bytes(record)[8 + 6 * 60 + 59], 0x5A) << "slot 7's last byte must not change";
}

TEST(PageSlots, ASetClearsWhatTheSlotHeldBefore)
{
    PAGE_SLOT_RECORD record = {};
    WORD many[] = {1, 2, 3, 4, 5};
    SetPageSlot(&record, 5, 2, many);
    WORD few[] = {9};
    SetPageSlot(&record, 1, 2, few);

    EXPECT_EQ(SlotPages(record, 2), (std::vector<WORD>{9}));
    WORD stale = 0xFFFF;
    std::memcpy(&stale, Bytes(record) + 8 + 60 + 2, sizeof stale);
    EXPECT_EQ(stale, 0) << "unused entries are 0";

    ClearPageSlot(&record, 2);
    EXPECT_EQ(GetPageSlotCount(&record, 2), 0);
    std::memcpy(&stale, Bytes(record) + 8 + 60, sizeof stale);
    EXPECT_EQ(stale, 0);
}

TEST(PageSlots, SlotsOutsideOneToEightChangeNothing)
{
    PAGE_SLOT_RECORD record = {};
    std::memset(&record, 0x11, sizeof record);
    const PAGE_SLOT_RECORD before = record;
    WORD pages[] = {4};
    WORD out[kPageSlotCapacity] = {7};
    BYTE count = 42;

    for (BYTE slot : {BYTE{0}, BYTE{9}, BYTE{255}}) {
        SCOPED_TRACE(testing::Message() << "slot " << int{slot});
        EXPECT_FALSE(SetPageSlot(&record, 1, slot, pages));
        ClearPageSlot(&record, slot);
        EXPECT_FALSE(GetPageSlot(&record, slot, &count, out));
        EXPECT_EQ(GetPageSlotCount(&record, slot), 0);
    }
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    EXPECT_EQ(count, 42);
    EXPECT_EQ(out[0], 7);
}

TEST(PageSlots, AStoredCountAboveThirtyReadsAsThirty)
{
    PAGE_SLOT_RECORD record = {};
    std::memset(&record, 0, sizeof record);
    reinterpret_cast<BYTE*>(&record)[0] = 255;   // a devmode from outside may carry any byte here

    EXPECT_EQ(GetPageSlotCount(&record, 1), 30);
    EXPECT_EQ(SlotPages(record, 1).size(), 30u);
}

TEST(PageSlots, BadCountsAndArraysStoreAnEmptySlot)
{
    PAGE_SLOT_RECORD record = {};
    WORD pages[] = {5, 6};
    SetPageSlot(&record, 2, 4, pages);
    EXPECT_TRUE(SetPageSlot(&record, -1, 4, pages));
    EXPECT_EQ(GetPageSlotCount(&record, 4), 0);

    SetPageSlot(&record, 2, 4, pages);
    EXPECT_TRUE(SetPageSlot(&record, 2, 4, nullptr));
    EXPECT_EQ(GetPageSlotCount(&record, 4), 0);
}

TEST(PageSlots, SortIsAscendingAndLeavesShortInputsAlone)
{
    WORD pages[] = {9, 2, 9, 1, 65535, 0};
    SortPageNumbers(pages, 6);
    EXPECT_EQ(std::vector<WORD>(pages, pages + 6), (std::vector<WORD>{0, 1, 2, 9, 9, 65535}));

    WORD two[] = {2, 1};
    SortPageNumbers(two, 1);
    EXPECT_EQ(two[0], 2);
    SortPageNumbers(two, -3);
    EXPECT_EQ(two[0], 2);
    SortPageNumbers(nullptr, 5);
}

TEST(PageSlots, TheDevmodeRecordSitsAtEnvOffset179)
{
    DRIVER_DEVMODE dm = {};
    PAGE_SLOT_RECORD* record = GetPageSlotRecord(&dm.dmPrivate.env);
    WORD pages[] = {7};
    SetPageSlot(record, 1, 2, pages);

    const BYTE* bytes = reinterpret_cast<const BYTE*>(&dm);
    EXPECT_EQ(bytes[1595 + 1], 1) << "slot 2's count at devmode offset 1,596";
    EXPECT_EQ(bytes[1595 + 8 + 60], 7) << "slot 2's first page at devmode offset 1,663";
    EXPECT_EQ(GetPageSlotRecord(static_cast<DEVMODE_ENV_EXTRA*>(nullptr)), nullptr);
}
