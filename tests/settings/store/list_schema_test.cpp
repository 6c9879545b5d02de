// list_schema_test.cpp - the working copies of the named-list schemas and resolving a row to its level.
#include "settings/store/list_schema.h"
#include "settings/store/list_groups.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>
#include <string>

namespace {

class ListSchema : public WorldTest {
protected:
    void TearDown() override
    {
        host::ClearFaults();
        FreeListSchemas(&m_set);
        WorldTest::TearDown();
    }

    LIST_SCHEMA_SET m_set = {};
};

} // namespace

TEST_F(ListSchema, EveryEnabledGroupHasItsRowsInOneBlockEndedByAZeroRow)
{
    ASSERT_TRUE(LoadListSchemas(&m_set));
    struct Case {
        WORD group;
        WORD rows;      // 0: the group is off in this build
        WORD firstItem;
    };
    const Case cases[] = {
        {kInterSheetListGroup, 33, 37}, {kFormListGroup, 10, 1}, {kWatermarkListGroup, 12, 11},
        {kFontSubListGroup, 7, 30},     {kFaxCoverListGroup, 0, 0}, {kUDPaperListGroup, 5, 93},
    };
    WORD total = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "group 0x" << std::hex << c.group);
        const LIST_SCHEMA_GROUP* group = FindListSchemaGroup(&m_set, c.group);
        ASSERT_NE(group, nullptr);
        // By value: the set's fields are packed.
        const LIST_SCHEMA_RUN_ROW* rows = group->lpRows;
        const WORD count = group->wCount;
        EXPECT_EQ(count, c.rows);
        if (c.rows == 0) {
            EXPECT_EQ(rows, nullptr);
            continue;
        }
        const LIST_SCHEMA_RUN_ROW* expectedRows = m_set.lpRows + total;
        ASSERT_EQ(rows, expectedRows) << "groups follow each other in slot order";
        EXPECT_EQ(rows[0].row.wItem, c.firstItem);
        for (WORD i = 0; i < c.rows; ++i) {
            const LIST_SCHEMA_RUN_ROW& run = rows[i];
            EXPECT_EQ(run.row.wGroup, c.group);
            EXPECT_EQ(run.wParamRow, 0xFFFF);
            EXPECT_EQ(run.wOwnIndex, 0xFFFF);
            EXPECT_EQ(run.wKeyRow, 0xFFFF);
        }
        total = static_cast<WORD>(total + c.rows);
    }
    EXPECT_EQ(m_set.wRowCount, total);
    LIST_SCHEMA_RUN_ROW zero = {};
    EXPECT_EQ(std::memcmp(&m_set.lpRows[total], &zero, sizeof zero), 0) << "the block ends in a zeroed row";
    EXPECT_EQ(FindListSchemaGroup(&m_set, 0x1006), nullptr);
}

TEST_F(ListSchema, OnlyTheCountsThatBoundARangeCarryTheParentFlag)
{
    ASSERT_TRUE(LoadListSchemas(&m_set));
    std::string flagged;
    for (WORD i = 0; i < m_set.wRowCount; ++i)
        if (m_set.lpRows[i].dwParentFlag != 0)
            flagged += std::to_string(m_set.lpRows[i].row.wItem) + " ";
    EXPECT_EQ(flagged, "40 9 12 31 ");
}

TEST_F(ListSchema, ARowResolvesToItsLevelAndTheNearestSectionAndKeyAboveIt)
{
    ASSERT_TRUE(LoadListSchemas(&m_set));
    struct Case {
        WORD group;
        WORD item;
        BOOL found;
        WORD depth, sectionRow, keyRow, valueRow;
    };
    const Case cases[] = {
        {kInterSheetListGroup, 37, TRUE, 1, 0, 0, 0},    // the section itself
        {kInterSheetListGroup, 38, TRUE, 2, 0, 1, 0},    // "InterSheetList%d"
        {kInterSheetListGroup, 42, TRUE, 3, 0, 1, 5},    // "ISPageListData%d" in its list's key
        {kInterSheetListGroup, 63, TRUE, 3, 0, 1, 26},   // "TabSettingData", far below its key
        {kInterSheetListGroup, 45, FALSE, 0, 0, 0, 0},         // a field without a name is never walked
        {kFormListGroup, 10, TRUE, 3, 0, 7, 9},          // "%d" under "Overlay File", not "Overlays"
        {kWatermarkListGroup, 12, TRUE, 2, 0, 1, 0},     // a value at key level
        {kWatermarkListGroup, 29, TRUE, 3, 0, 2, 11},    // in "WMarkListData%d", not beside "WMarkListNum"
        {kFontSubListGroup, 36, TRUE, 3, 0, 5, 6},
        {kFontSubListGroup, 37, FALSE, 0, 0, 0, 0},         // another group's item
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "item " << c.item);
        const LIST_SCHEMA_GROUP* group = FindListSchemaGroup(&m_set, c.group);
        LIST_WALK_PATH path = {};
        path.wKeyIndex = 7;
        const LIST_SCHEMA_RUN_ROW* rows = group->lpRows;
        ASSERT_EQ(ResolveListPath(rows, group->wCount, c.item, &path), c.found);
        if (!c.found)
            continue;
        EXPECT_EQ(path.wDepth, c.depth);
        EXPECT_EQ(path.wSectionRow, c.sectionRow);
        EXPECT_EQ(path.wKeyRow, c.keyRow);
        EXPECT_EQ(path.wValueRow, c.valueRow);
        EXPECT_EQ(path.wKeyIndex, 7) << "the indices are the caller's";
    }
}

TEST_F(ListSchema, ShortMemoryLeavesTheSetEmptyAndFreeingClearsIt)
{
    host::InjectFault(host::Fault::GlobalAlloc, 1, 1);
    m_set.wRowCount = 99;
    EXPECT_FALSE(LoadListSchemas(&m_set));
    LIST_SCHEMA_SET empty = {};
    EXPECT_EQ(std::memcmp(&m_set, &empty, sizeof empty), 0);
    host::ClearFaults();

    const unsigned before = host::LiveGlobalBlocks();
    ASSERT_TRUE(LoadListSchemas(&m_set));
    FreeListSchemas(&m_set);
    EXPECT_EQ(std::memcmp(&m_set, &empty, sizeof empty), 0);
    EXPECT_EQ(host::LiveGlobalBlocks(), before);
    EXPECT_FALSE(LoadListSchemas(nullptr));
    FreeListSchemas(nullptr);
}
