// insert_sheet_escapes_test.cpp - the page plan's escapes: the sizes each code takes, what each refuses, and
// the tab texts' capture with its limits.
#include "customnt/vqddigfx/escape_table.h"
#include "customnt/vqddigfx/job_fixture.h"
#include "pdl/vxcmn/vqpdlnt/page_plan_fixture.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"

namespace {

using InsertSheetEscapes = PagePlan;

struct SizedCall {
    ULONG code;
    ULONG cbIn;
    ULONG cbOut;
};

TEST_F(InsertSheetEscapes, EachCodeIsTakenOnlyWithItsSizes)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendLong(ESC_SET_INSERT_COUNT, 1), 1u);
    const SizedCall taken[] = {
        {ESC_SET_INSERT_SHEETS, 1, 0},      {ESC_SET_INSERT_SHEETS, 60928, 0}, {ESC_SET_INSERT_COUNT, 4, 0},
        {ESC_SET_INSERT_COUNT, 3, 0},       {ESC_SET_INDEX_PAPER, 1, 0},       {ESC_SET_INDEX_PAPER, 8, 0},
        {ESC_SET_INSERT_LIST_VALUE, 9, 0},  {ESC_GET_TAB_SHEETS_BEFORE, 2, 2}, {ESC_BEGIN_TAB_PAGES, 0, 0},
        {ESC_END_TAB_PAGES, 0, 0},          {ESC_GET_TAB_COUNT, 0, 4},         {ESC_HAS_TAB_RECORDS, 0, 4},
        {ESC_FREE_TAB_RECORDS, 0, 0},       {ESC_SET_TABS_DONE, 0, 0},         {ESC_GET_TABS_DONE, 0, 4},
        {ESC_GET_IMAGE_OFFSET, 0, 8},       {ESC_NEXT_TAB, 0, 0},              {ESC_REBUILD_PAGE_PLAN, 0, 0},
    };
    for (const SizedCall& c : taken) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.code << std::dec << ", " << c.cbIn << " in");
        std::vector<BYTE> in(c.cbIn, 0);
        if (c.code == ESC_SET_INSERT_COUNT)
            in.assign(c.cbIn, 1);   // a count of 0x01010101 where it is taken
        EXPECT_EQ(Send(c.code, in, nullptr, c.cbOut), 1u);
        if (c.code == ESC_SET_INSERT_COUNT)
            SendLong(ESC_SET_INSERT_COUNT, 1);
    }
    const SizedCall passedOn[] = {
        {ESC_SET_INSERT_SHEETS, 60929, 0}, {ESC_SET_INSERT_SHEETS, 0, 0}, {ESC_SET_INSERT_COUNT, 0, 0},
        {ESC_SET_INDEX_PAPER, 9, 0},       {ESC_SET_INSERT_LIST_VALUE, 4, 4}, {ESC_GET_TAB_SHEETS_BEFORE, 2, 0},
        {ESC_BEGIN_TAB_PAGES, 1, 0},       {ESC_SET_TAB_COUNT, 2, 0},     {ESC_GET_TAB_COUNT, 0, 2},
        {ESC_GET_IMAGE_OFFSET, 0, 4},      {ESC_SET_TAB_VALUE, 8, 0},     {ESC_REBUILD_PAGE_PLAN, 0, 1},
        {0x6FFFFD07, 0, 0},
    };
    for (const SizedCall& c : passedOn) {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.code << std::dec << ", " << c.cbIn << " in, "
                                        << c.cbOut << " out");
        EXPECT_EQ(Send(c.code, std::vector<BYTE>(c.cbIn, 0), nullptr, c.cbOut), kEscNotMine);
    }
}

TEST_F(InsertSheetEscapes, ValuesOfOtherSizesOrWithoutACountAreNotKept)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    EXPECT_EQ(Send(ESC_SET_INSERT_SHEETS, EntryBytes({{1, u"1"}})), 0u) << "entries before their count";
    ASSERT_EQ(SendLong(ESC_SET_INSERT_COUNT, 1), 1u);
    EXPECT_EQ(Send(ESC_SET_INSERT_COUNT, std::vector<BYTE>(3, 0)), 1u);
    EXPECT_EQ(Copy(Context()->lInsertEntryCount), 1) << "a count of another size changes nothing";
    ASSERT_EQ(SendLong(ESC_SET_INSERT_LIST_VALUE, 7), 1u);
    EXPECT_EQ(Send(ESC_SET_INSERT_LIST_VALUE, std::vector<BYTE>(8, 0)), 1u);
    EXPECT_EQ(Copy(Context()->lInsertsOneSided), 7);
    EXPECT_EQ(Send(ESC_SET_INDEX_PAPER, {0x09, 0x04, 5}), 1u);
    EXPECT_EQ(std::vector<BYTE>(Context()->insertPaper, Context()->insertPaper + 8),
              (std::vector<BYTE>{0x09, 0x04, 5, 0, 0, 0, 0, 0}));
}

TEST_F(InsertSheetEscapes, TabSheetsBeforeAnIndexCountOnlyTabSheets)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendEntries({{1, u"1", 4096, 1, 1}, {1, u"2"}, {6, u"3", 4096, 1, 1}}, 1), 1u);
    ASSERT_EQ(Sheets(), "1| I| 2| I| I| 3 4");
    struct Case { SHORT index; SHORT before; };
    for (const Case c : {Case{1, 0}, Case{3, 1}, Case{2, 0}, Case{0, 0}, Case{-4, 0}, Case{32767, 0}}) {
        std::vector<BYTE> in(2);
        std::memcpy(in.data(), &c.index, 2);
        std::vector<BYTE> out;
        ASSERT_EQ(Send(ESC_GET_TAB_SHEETS_BEFORE, in, &out, 2), 1u);
        SHORT before = -1;
        std::memcpy(&before, out.data(), 2);
        EXPECT_EQ(before, c.before) << "index " << c.index;
    }
}

TEST_F(InsertSheetEscapes, TabRecordsAreMadeOnceWithinTheirBoundsAndFreed)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    for (LONG count : {0, -1, 129})
        EXPECT_EQ(SendLong(ESC_SET_TAB_COUNT, count), 0u) << count;
    std::vector<BYTE> out;
    EXPECT_EQ(Send(ESC_SET_TAB_SIDE), 0u) << "no records to keep a side in";
    EXPECT_EQ(SendLong(ESC_SET_TAB_VALUE, 1), 0u);
    ASSERT_EQ(SendLong(ESC_SET_TAB_COUNT, 128), 1u);
    EXPECT_EQ(SendLong(ESC_SET_TAB_COUNT, 2), 0u) << "a second count while records exist";
    ASSERT_EQ(Send(ESC_GET_TAB_COUNT, {}, &out, 4), 1u);
    EXPECT_EQ(ReadAt<LONG>(out, 0), 128);
    ASSERT_EQ(Send(ESC_HAS_TAB_RECORDS, {}, &out, 4), 1u);
    EXPECT_EQ(ReadAt<LONG>(out, 0), 1);
    ASSERT_EQ(Send(ESC_FREE_TAB_RECORDS), 1u);
    ASSERT_EQ(Send(ESC_HAS_TAB_RECORDS, {}, &out, 4), 1u);
    EXPECT_EQ(ReadAt<LONG>(out, 0), 0);
    EXPECT_EQ(SendLong(ESC_SET_TAB_COUNT, 1), 1u) << "records again after they were freed";
}

TEST_F(InsertSheetEscapes, CapturedBytesBecomeATabsVersionsByKey)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendLong(ESC_SET_TAB_COUNT, 2), 1u);
    ASSERT_EQ(SendLong(ESC_SET_TAB_VALUE, 7), 1u);
    ASSERT_EQ(Send(ESC_BEGIN_TAB_PAGES), 1u);
    PdlWrite(m_pdev, "front 7", 7);
    ASSERT_EQ(Send(ESC_END_TAB_PAGES), 1u);
    ASSERT_EQ(Send(ESC_SET_TAB_SIDE), 1u);
    ASSERT_EQ(Send(ESC_BEGIN_TAB_PAGES), 1u);
    PdlWrite(m_pdev, "back 7", 6);
    ASSERT_EQ(Send(ESC_END_TAB_PAGES), 1u);
    ASSERT_EQ(Send(ESC_SET_TAB_SIDE_BACK), 1u);
    ASSERT_EQ(Send(ESC_NEXT_TAB), 1u);
    ASSERT_EQ(SendLong(ESC_SET_TAB_VALUE, 9), 1u);
    ASSERT_EQ(Send(ESC_NEXT_TAB), 1u) << "the last record stays the current one";
    ASSERT_EQ(SendLong(ESC_SET_TAB_VALUE, 8), 1u);
    EXPECT_EQ(Take(), "") << "captured bytes do not reach the job";

    EXPECT_TRUE(HasTabTextForPage(m_pdev, 7));
    EXPECT_TRUE(HasTabTextForPage(m_pdev, 8));
    EXPECT_FALSE(HasTabTextForPage(m_pdev, 9)) << "replaced on the same record";
    WriteTabTextForPage(m_pdev, 1, 7);
    WriteTabTextForPage(m_pdev, 2, 7);
    WriteTabTextForPage(m_pdev, 1, 8);   // nothing captured for it
    WriteTabTextForPage(m_pdev, 1, 9);
    EXPECT_EQ(Take(), "front 7back 7");

    // A side kept again replaces the one before.
    ASSERT_EQ(SendLong(ESC_SET_TAB_COUNT, 1), 0u);
    ASSERT_EQ(Send(ESC_FREE_TAB_RECORDS), 1u);
    EXPECT_FALSE(HasTabTextForPage(m_pdev, 7));
    ASSERT_EQ(SendLong(ESC_SET_TAB_COUNT, 1), 1u);
    ASSERT_EQ(SendLong(ESC_SET_TAB_VALUE, 7), 1u);
    for (const char* text : {"first", "second"}) {
        ASSERT_EQ(Send(ESC_BEGIN_TAB_PAGES), 1u);
        PdlWrite(m_pdev, text, static_cast<DWORD>(std::strlen(text)));
        ASSERT_EQ(Send(ESC_END_TAB_PAGES), 1u);
        ASSERT_EQ(Send(ESC_SET_TAB_SIDE), 1u);
    }
    WriteTabTextForPage(m_pdev, 1, 7);
    EXPECT_EQ(Take(), "second");
}

TEST_F(InsertSheetEscapes, ACaptureThatPassesItsBufferKeepsNothing)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendLong(ESC_SET_TAB_COUNT, 1), 1u);
    ASSERT_EQ(SendLong(ESC_SET_TAB_VALUE, 1), 1u);
    std::string full(kTabCaptureSize, 'x');
    full.replace(0, 5, "start");
    full.replace(full.size() - 3, 3, "end");
    ASSERT_EQ(Send(ESC_BEGIN_TAB_PAGES), 1u);
    PdlWrite(m_pdev, full.data(), static_cast<DWORD>(full.size()));
    ASSERT_EQ(Send(ESC_END_TAB_PAGES), 1u);
    ASSERT_EQ(Send(ESC_SET_TAB_SIDE), 1u);
    WriteTabTextForPage(m_pdev, 1, 1);
    EXPECT_EQ(Take(), full) << "a capture of exactly the buffer is kept whole, written in pieces";

    ASSERT_EQ(Send(ESC_BEGIN_TAB_PAGES), 1u);
    PdlWrite(m_pdev, full.data(), static_cast<DWORD>(full.size()));
    PdlWrite(m_pdev, "!", 1);
    PdlWrite(m_pdev, "later", 5);
    ASSERT_EQ(Send(ESC_END_TAB_PAGES), 1u);
    ASSERT_EQ(Send(ESC_SET_TAB_SIDE_BACK), 1u);
    WriteTabTextForPage(m_pdev, 2, 1);
    EXPECT_EQ(Take(), "") << "one byte too many spoils the whole version";

    // The buffer is empty again for the next capture.
    ASSERT_EQ(Send(ESC_BEGIN_TAB_PAGES), 1u);
    PdlWrite(m_pdev, "ok", 2);
    ASSERT_EQ(Send(ESC_END_TAB_PAGES), 1u);
    ASSERT_EQ(Send(ESC_SET_TAB_SIDE_BACK), 1u);
    WriteTabTextForPage(m_pdev, 2, 1);
    EXPECT_EQ(Take(), "ok");
}

TEST_F(InsertSheetEscapes, AFailedAllocationMakesNoRecords)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    host::InjectFault(host::Fault::GlobalAlloc, 2);   // the records, then the capture buffer
    EXPECT_EQ(SendLong(ESC_SET_TAB_COUNT, 4), 0u);
    host::ClearFaults();
    std::vector<BYTE> out;
    ASSERT_EQ(Send(ESC_HAS_TAB_RECORDS, {}, &out, 4), 1u);
    EXPECT_EQ(ReadAt<LONG>(out, 0), 0);
    EXPECT_EQ(SendLong(ESC_SET_TAB_COUNT, 4), 1u);
}

} // namespace
