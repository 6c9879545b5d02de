// page_list_text_test.cpp - page lists between numbers and text, and the keyed form kept in saved-settings
// files: tables of texts and the pages they give.
#include "settings/pagelist/page_list_text.h"
#include "settings/pagelist/page_list_keys.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

std::vector<WORD> SlotPages(const PAGE_SLOT_RECORD& record, BYTE slot)
{
    WORD pages[kPageSlotCapacity] = {};
    BYTE count = 0;
    GetPageSlot(&record, slot, &count, pages);
    return std::vector<WORD>(pages, pages + count);
}

void SetSlot(PAGE_SLOT_RECORD& record, BYTE slot, std::vector<WORD> pages)
{
    SetPageSlot(&record, static_cast<SHORT>(pages.size()), slot, pages.data());
}

std::u16string FourDigitPagesWithoutRuns(int count)
{
    std::u16string text;
    for (int i = 0; i < count; ++i) {
        if (i != 0)
            text += u',';
        for (char c : std::to_string(9999 - 2 * i))
            text += static_cast<char16_t>(c);
    }
    return text;
}

} // namespace

TEST(PageNumbersToText, WritesRunsAsRangesAndEverythingElseAlone)
{
    struct Case { std::vector<WORD> pages; std::u16string text; };
    const Case cases[] = {
        {{2, 4, 6, 7, 8, 9, 10}, u"2,4,6-10"},
        {{4, 5},                 u"4-5"     },
        {{7},                    u"7"       },
        {{5, 5},                 u"5,5"     },   // equal neighbours are no run
        {{3, 2},                 u"3,2"     },   // nor descending ones
        {{1, 2, 3, 5, 6, 9},     u"1-3,5-6,9"},
        {{65534, 65535},         u"65534-65535"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        WCHAR text[64];
        std::memset(text, 0xAB, sizeof text);
        const SHORT result = PageNumbersToText(c.pages.data(), static_cast<SHORT>(c.pages.size()), text, 64);
        EXPECT_EQ(std::u16string(text), c.text);
        EXPECT_EQ(result, static_cast<SHORT>(c.text.size() + 1));
    }
}

TEST(PageNumbersToText, RespectsTheRoomItIsGiven)
{
    const WORD pages[] = {2, 4, 6, 7, 8, 9, 10};   // "2,4,6-10": 8 characters and the terminator
    WCHAR text[16];
    std::memset(text, 0xAB, sizeof text);

    EXPECT_EQ(PageNumbersToText(pages, 7, text, 9), 9);
    EXPECT_EQ(std::u16string(text), u"2,4,6-10");

    std::memset(text, 0xAB, sizeof text);
    EXPECT_EQ(PageNumbersToText(pages, 7, text, 8), 0) << "one character short";
    EXPECT_EQ(text[0], u'\0');
    EXPECT_EQ(text[8], 0xABAB) << "nothing written past the room given";

    EXPECT_EQ(PageNumbersToText(pages, 0, text, 16), 0);
    EXPECT_EQ(PageNumbersToText(nullptr, 7, text, 16), 0);
    EXPECT_EQ(PageNumbersToText(pages, 7, nullptr, 16), 0);
}

TEST(ParsePageNumbers, ReadsFourCharacterNumbersBetweenCommas)
{
    struct Case { const WCHAR* text; SHORT max; std::vector<WORD> pages; };
    const Case cases[] = {
        {u"12345", 2, {1234, 5}},          // a fifth character starts the next number
        {u"1,22,333", 10, {1, 22, 333}},
        {u"1,,2,", 10, {1, 2}},            // empty numbers are skipped
        {u"1,2,3", 2, {1, 2}},             // stops at max
        {u"7,x,8", 10, {7, 8}},            // a number with a non-digit is skipped like an empty one
        {u"1a,9", 10, {9}},
        {u"", 10, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        WORD pages[12];
        std::memset(pages, 0xAB, sizeof pages);
        const SHORT count = ParsePageNumbers(c.text, pages, c.max);
        EXPECT_EQ(std::vector<WORD>(pages, pages + count), c.pages);
        EXPECT_EQ(pages[c.max], 0xABAB) << "written past max";
    }
    WORD page = 0;
    EXPECT_EQ(ParsePageNumbers(nullptr, &page, 1), 0);
    EXPECT_EQ(ParsePageNumbers(u"5", nullptr, 1), 0);
    EXPECT_EQ(ParsePageNumbers(u"5", &page, 0), 0);
}

TEST(ReadPageToken, ReportsValueKindAndCharactersConsumed)
{
    struct Case { const WCHAR* text; SHORT position; WORD value; WORD kind; SHORT consumed; };
    const Case cases[] = {
        {u"12,5",  0, 12, kPageTokenComma, 3},
        {u"12,5",  3,  5, kPageTokenEnd,   1},
        {u"6-10",  0,  6, kPageTokenRange, 2},
        {u",5",    0,  0, kPageTokenComma, 1},    // an empty token
        {u"",      0,  0, kPageTokenEnd,   0},
        {u"4x,5",  0,  0, kPageTokenComma, 3},    // a bad token reads like an empty one
        {u"123456789012", 0, 1234, kPageTokenEnd, 12},   // long tokens are consumed whole
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        WORD value = 0xEEEE;
        WORD kind = 0xEEEE;
        EXPECT_EQ(ReadPageToken(c.text, c.position, &value, &kind), c.consumed);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(kind, c.kind);
    }
}

TEST(ParsePageRanges, ReadsListsWithRanges)
{
    struct Case { const WCHAR* text; SHORT max; SHORT result; std::vector<WORD> pages; };
    const Case cases[] = {
        {u"2,4,6-10", 30,  7, {2, 4, 6, 7, 8, 9, 10}},
        {u"10-6",     30,  5, {6, 7, 8, 9, 10}},          // a descending range is turned round
        {u"3,1,2",    30,  3, {3, 1, 2}},                 // not sorted
        {u"1-2-5",    30,  4, {2, 3, 4, 5}},              // a later "-" replaces the start
        {u",5",       30,  2, {0, 5}},                    // an empty token before a separator is 0
        {u"5-",       30,  0, {}},                        // a start without an end is dropped
        {u"7,",       30,  1, {7}},
        {u"",         30,  0, {}},
        {u"1-40",     30, -1, {}},                        // more pages than max
        {u"1-30",     30, 30, {}},
        {u"1,2-31",   30, -1, {}},                        // the range passes max after the 1
        {u"1,2-30",   30, 30, {}},
        {u"1,2,3",     2, -1, {}},
        {u"a,3",      30,  2, {0, 3}},                    // a bad token is read like an empty one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        WORD pages[kPageSlotCapacity + 1];
        std::memset(pages, 0xAB, sizeof pages);
        const SHORT result = ParsePageRanges(c.text, pages, c.max);
        EXPECT_EQ(result, c.result);
        if (result > 0 && !c.pages.empty()) {
            EXPECT_EQ(std::vector<WORD>(pages, pages + result), c.pages);
        }
        EXPECT_EQ(pages[c.max], 0xABAB) << "written past max";
    }
    WORD page = 0;
    EXPECT_EQ(ParsePageRanges(nullptr, &page, 1), 0);
    EXPECT_EQ(ParsePageRanges(u"1", nullptr, 1), 0);
}

TEST(ParsePageRanges, ParsedPagesStoreSorted)
{
    WORD pages[kPageSlotCapacity] = {};
    const SHORT count = ParsePageRanges(u"3,1,2", pages, kPageSlotCapacity);
    PAGE_SLOT_RECORD record = {};
    SetPageSlot(&record, count, kInsertPageSlot, pages);
    EXPECT_EQ(SlotPages(record, kInsertPageSlot), (std::vector<WORD>{1, 2, 3}));
}

TEST(PageListText, TextSizeHasRoomForTwoFullSlots)
{
    // Two slots of 30 pages of five digits without runs, with their keys and the terminator.
    const UINT needed = 2u * (2 + kPageSlotCapacity * 5 + kPageSlotCapacity - 1) * 2 + 2;
    EXPECT_GE(GetPageListTextSize(), needed);
    EXPECT_EQ(GetPageListTextSize(), 2u * (2u * kPageListTextLength + 16u));
}

TEST(ReadPageListsText, FillsTheSlotsByKey)
{
    struct Case { std::u16string text; std::vector<WORD> chapters; std::vector<WORD> inserts; };
    const Case cases[] = {
        {u"5,6/P7,8",          {5, 6},             {7, 8}},
        {u"/P1",               {},                 {1}   },          // slot 2 is cleared
        {u"",                  {},                 {}    },
        {u"/C2,4,6-10/P7",     {2, 4, 6, 7, 8, 9, 10}, {7}},
        {u"/P9,3/C1-3",        {1, 2, 3},          {3, 9}},          // any order of keys
        {u"4/X9/P2",           {4},                {2}   },          // an unknown key cuts off its piece
        {u"/C1-40/P2",         {},                 {2}   },          // too many chapter pages: slot left empty
        {u"/P1-29",            {},                 {}    },          // the insert slot takes 28
        {u"/P1-28",            {},                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                                    18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        PAGE_SLOT_RECORD record = {};
        SetSlot(record, kChapterPageSlot, {11, 12});
        SetSlot(record, kInsertPageSlot, {13});
        SetSlot(record, 4, {14});
        std::u16string text = c.text;
        EXPECT_TRUE(ReadPageListsText(&record, text.data()));
        EXPECT_EQ(SlotPages(record, kChapterPageSlot), c.chapters);
        EXPECT_EQ(SlotPages(record, kInsertPageSlot), c.inserts);
        EXPECT_EQ(SlotPages(record, 4), (std::vector<WORD>{14})) << "slots without a key are not touched";
    }
}

TEST(ReadPageListsText, ReadsTextsLongerThan255Characters)
{
    const std::u16string chapters = FourDigitPagesWithoutRuns(30);   // 149 characters
    const std::u16string inserts = FourDigitPagesWithoutRuns(28);
    std::u16string text = u"/C" + chapters + u"/P" + inserts;
    ASSERT_GT(text.size(), 255u);

    PAGE_SLOT_RECORD record = {};
    EXPECT_TRUE(ReadPageListsText(&record, text.data()));
    EXPECT_EQ(GetPageSlotCount(&record, kChapterPageSlot), 30);
    EXPECT_EQ(GetPageSlotCount(&record, kInsertPageSlot), 28);
    EXPECT_EQ(SlotPages(record, kChapterPageSlot).front(), 9999 - 2 * 29);
}

TEST(WritePageListsText, WritesEachSlotThatHoldsPagesAfterItsKey)
{
    struct Case { std::vector<WORD> chapters; std::vector<WORD> inserts; std::u16string text; };
    const Case cases[] = {
        {{1, 2, 3},             {},    u"/C1-3"          },
        {{2, 4, 6, 7, 8, 9, 10}, {7},  u"/C2,4,6-10/P7"  },
        {{},                    {5},   u"/P5"            },
        {{},                    {},    u""               },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        PAGE_SLOT_RECORD record = {};
        SetSlot(record, kChapterPageSlot, c.chapters);
        SetSlot(record, kInsertPageSlot, c.inserts);
        std::vector<WCHAR> text(GetPageListTextSize() / 2, 0xABAB);
        EXPECT_TRUE(WritePageListsText(&record, text.data(), text.size()));
        EXPECT_EQ(std::u16string(text.data()), c.text);
    }
}

TEST(WritePageListsText, FullSlotsFitAndReadBack)
{
    PAGE_SLOT_RECORD record = {};
    std::vector<WORD> chapters;
    std::vector<WORD> inserts;
    for (WORD i = 0; i < kPageSlotCapacity; ++i) {
        chapters.push_back(static_cast<WORD>(9000 + 2 * i));   // four digits and no runs: the longest legal text
        if (i < 28)
            inserts.push_back(static_cast<WORD>(1000 + 3 * i));
    }
    SetSlot(record, kChapterPageSlot, chapters);
    SetSlot(record, kInsertPageSlot, inserts);

    std::vector<WCHAR> text(GetPageListTextSize() / 2, 0xABAB);
    ASSERT_TRUE(WritePageListsText(&record, text.data(), text.size()));
    EXPECT_EQ(std::u16string(text.data()).size(), 2u + 149u + 2u + 139u);

    PAGE_SLOT_RECORD back = {};
    EXPECT_TRUE(ReadPageListsText(&back, text.data()));
    EXPECT_EQ(SlotPages(back, kChapterPageSlot), chapters);
    EXPECT_EQ(SlotPages(back, kInsertPageSlot), inserts);
}

TEST(WritePageListsText, FiveDigitPagesFitTheirRoom)
{
    PAGE_SLOT_RECORD record = {};
    std::vector<WORD> pages;
    for (WORD i = 0; i < kPageSlotCapacity; ++i)
        pages.push_back(static_cast<WORD>(10000 + 2 * i));
    SetSlot(record, kChapterPageSlot, pages);
    SetSlot(record, kInsertPageSlot, pages);

    std::vector<WCHAR> text(GetPageListTextSize() / 2, 0xABAB);
    ASSERT_TRUE(WritePageListsText(&record, text.data(), text.size()));
    EXPECT_EQ(std::u16string(text.data()).size(), 2u * (2u + 179u));
}

TEST(WritePageListsText, TooSmallARoomGivesAnEmptyTextAndFalse)
{
    PAGE_SLOT_RECORD record = {};
    SetSlot(record, kChapterPageSlot, {1, 2, 3});
    WCHAR text[5];
    std::memset(text, 0xAB, sizeof text);
    EXPECT_FALSE(WritePageListsText(&record, text, 5));   // "/C1-3" needs 6
    EXPECT_EQ(text[0], u'\0');
    EXPECT_FALSE(WritePageListsText(nullptr, text, 5));
    EXPECT_FALSE(WritePageListsText(&record, nullptr, 5));
}
