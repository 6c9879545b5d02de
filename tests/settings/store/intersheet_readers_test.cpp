// intersheet_readers_test.cpp - single values of a named insert list, read from the stored settings.
#include "settings/store/intersheet_readers.h"
#include "settings/paper/feature_table.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/store/list_schema.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>

namespace {

constexpr const WCHAR* kPrinter = u"QN-804C";

class InterSheetReaders : public WorldTest {
protected:
    // List 2 holds two entries, its own index paper and a negative mixplex word.
    void SetUp() override
    {
        WorldTest::SetUp();
        LIST_SCHEMA_SET schemas = {};
        ASSERT_TRUE(LoadListSchemas(&schemas));
        INTERSHEET_GROUP* group = NewInterSheetList();
        ASSERT_NE(group, nullptr);
        INTERSHEET_LIST& list = group->lpLists[1];
        list.PageListNum = 2;
        list.Mixplex = -2;
        for (int i = 0; i < 2; ++i) {
            INTERSHEET_ENTRY entry = {};
            CopyText(&entry.Page, i == 0 ? u"2,4,6-10" : u"12");
            CopyText(&entry.TabText, u"索引");
            entry.Type = static_cast<SHORT>(5 + i);
            entry.TabIndexAutoNo = 1;
            std::memcpy(list.lpEntries + i, &entry, sizeof entry);
            std::memcpy(&m_entries[i], &entry, sizeof entry);
        }
        const INDEX_PAPER_SETTINGS indexPaper = {1025, 5, 3, 4, 6, 2};
        std::memcpy(list.lpIndexPaper, &indexPaper, sizeof indexPaper);
        ASSERT_TRUE(SaveInterSheetList(group, &schemas, kPrinter));
        FreeInterSheetList(&group);
        FreeListSchemas(&schemas);
    }
    void TearDown() override
    {
        ClearFeatureOverrides();
        WorldTest::TearDown();
    }

    INTERSHEET_ENTRY m_entries[2] = {};
};

} // namespace

TEST_F(InterSheetReaders, EachReaderAnswersItsValueOfTheStoredList)
{
    const unsigned before = host::LiveGlobalBlocks();
    DWORD count = 0;
    ASSERT_TRUE(ReadInterSheetCount(kPrinter, 2, &count));
    EXPECT_EQ(count, 2u);
    for (UINT i = 0; i < 2; ++i) {
        INTERSHEET_ENTRY entry;
        std::memset(&entry, 0xEE, sizeof entry);
        ASSERT_TRUE(ReadInterSheetRecord(kPrinter, 2, i, &entry));
        EXPECT_EQ(std::memcmp(&entry, &m_entries[i], sizeof entry), 0) << "entry " << i << " byte for byte";
    }
    INDEX_PAPER_SETTINGS indexPaper = {};
    ASSERT_TRUE(ReadInterSheetIndexPaper(kPrinter, 2, &indexPaper));
    EXPECT_EQ(indexPaper.TabPaperSize, 1025);
    EXPECT_EQ(indexPaper.TabIndexNum, 5);
    EXPECT_EQ(indexPaper.TabTextPosition, 2);
    DWORD mixplex = 0;
    ASSERT_TRUE(ReadInterSheetValue(kPrinter, 2, &mixplex));
    EXPECT_EQ(mixplex, 0xFFFFFFFEu) << "sign-extended";
    EXPECT_EQ(host::LiveGlobalBlocks(), before) << "list and schema are freed";
}

TEST_F(InterSheetReaders, AnythingOutsideTheListLeavesTheOutputUntouched)
{
    struct Case {
        const WCHAR* printer;
        UINT list;
        UINT entry;
    };
    const Case cases[] = {
        {kPrinter, 2, 2},      // at the count
        {kPrinter, 2, 500},    // beyond the block
        {kPrinter, 1, 0},      // an empty list
        {kPrinter, 0, 0},      // lists are 1..10
        {kPrinter, 11, 0},
        {nullptr, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "list " << c.list << " entry " << c.entry);
        INTERSHEET_ENTRY entry;
        std::memset(&entry, 0xEE, sizeof entry);
        EXPECT_FALSE(ReadInterSheetRecord(c.printer, c.list, c.entry, &entry));
        EXPECT_EQ(reinterpret_cast<const BYTE*>(&entry)[0], 0xEE);
    }
    for (UINT list : {0u, 11u}) {
        DWORD value = 0xEEEEEEEE;
        INDEX_PAPER_SETTINGS indexPaper = {7, 7, 7, 7, 7, 7};
        EXPECT_FALSE(ReadInterSheetCount(kPrinter, list, &value));
        EXPECT_FALSE(ReadInterSheetValue(kPrinter, list, &value));
        EXPECT_FALSE(ReadInterSheetIndexPaper(kPrinter, list, &indexPaper));
        EXPECT_EQ(value, 0xEEEEEEEEu);
        EXPECT_EQ(indexPaper.TabPaperSize, 7);
    }
    DWORD value = 0xEEEEEEEE;
    EXPECT_FALSE(ReadInterSheetCount(nullptr, 2, &value));
    EXPECT_EQ(value, 0xEEEEEEEEu);
    EXPECT_FALSE(ReadInterSheetCount(kPrinter, 2, nullptr));
    EXPECT_FALSE(ReadInterSheetIndexPaper(kPrinter, 2, nullptr));
}

TEST_F(InterSheetReaders, ADamagedCountIsAnsweredAsStoredButReadsNoEntryPastTheBlock)
{
    WCHAR path[kRegPathChars];
    ASSERT_TRUE(BuildPrinterRegPath(path, kRegPathChars, kPrinter, u"InterSheet", u"InterSheetList2"));
    const DWORD damaged = 2130;
    ASSERT_TRUE(SetRegValue(HKEY_CURRENT_USER, path, REG_DWORD, u"ISPageListNum", &damaged, sizeof damaged));
    DWORD count = 0;
    ASSERT_TRUE(ReadInterSheetCount(kPrinter, 2, &count));
    EXPECT_EQ(count, 2130u) << "so that the job can refuse it";
    INTERSHEET_ENTRY entry;
    EXPECT_TRUE(ReadInterSheetRecord(kPrinter, 2, 1, &entry));
    EXPECT_FALSE(ReadInterSheetRecord(kPrinter, 2, 128, &entry));
}

TEST_F(InterSheetReaders, WithTheInsertListsOffNothingIsRead)
{
    OverrideFeatureForTest(SwitchableFeature::InsertSheets, 0);
    DWORD count = 7;
    EXPECT_FALSE(ReadInterSheetCount(kPrinter, 2, &count));
    EXPECT_EQ(count, 7u);
}
