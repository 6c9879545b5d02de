// constraint_index_test.cpp - the sorted row order and its groups, the binary search, and an index built for a
// sheet, also when memory is short.
#include "ui/core/constraint_index.h"

#include "host/faults.h"
#include "settings/base/global_memory.h"
#include "ui/core/item_state_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// A two-condition table of the given first conditions (the rest of each row does not matter to the index).
std::vector<PROHIBITION_RULE<2>> Table(std::initializer_list<std::pair<WORD, SHORT>> keys)
{
    std::vector<PROHIBITION_RULE<2>> rows;
    for (const auto& [control, value] : keys) {
        PROHIBITION_RULE<2> row = {};
        row.conditions[0] = { control, value };
        row.conditions[1] = { 999, 1 };
        rows.push_back(row);
    }
    return rows;
}

struct BuiltIndex {
    WORD* order = nullptr;
    CONSTRAINT_GROUP* groups = nullptr;
    WORD count = 0;
    ~BuiltIndex()
    {
        FreeLockedBlock(order);
        FreeLockedBlock(groups);
    }
};

void Build(const std::vector<PROHIBITION_RULE<2>>& rows, BuiltIndex& index)
{
    BuildConstraintTableIndex(reinterpret_cast<const BYTE*>(rows.data()), sizeof(PROHIBITION_RULE<2>),
                              static_cast<WORD>(rows.size()), &index.order, &index.groups, &index.count);
}

} // namespace

class ConstraintIndex : public WorldTest {};

TEST_F(ConstraintIndex, TheGappedSortLeavesOneKeysRowsInItsOwnOrder)
{
    // Six rows: a gap of 4 first, then 1. The rows of (7, 0) come out as 3, 0, 5, not in table order, and
    // (2, -1) sorts before (2, 0): values compare signed.
    const auto rows = Table({ {7, 0}, {2, 0}, {2, -1}, {7, 0}, {1, 0}, {7, 0} });
    BuiltIndex index;
    Build(rows, index);
    ASSERT_NE(index.order, nullptr);
    EXPECT_EQ(std::vector<WORD>(index.order, index.order + 6), (std::vector<WORD>{ 4, 2, 1, 3, 0, 5 }));
    ASSERT_EQ(index.count, 4);
    struct Group { WORD control; SHORT value; WORD first, last; };
    const Group expected[] = { {1, 0, 0, 0}, {2, -1, 1, 1}, {2, 0, 2, 2}, {7, 0, 3, 5} };   // the last ends at n-1
    for (WORD i = 0; i < 4; ++i) {
        const CONSTRAINT_GROUP g = index.groups[i];
        EXPECT_EQ(g.wControl, expected[i].control) << i;
        EXPECT_EQ(g.sValue, expected[i].value) << i;
        EXPECT_EQ(g.wFirst, expected[i].first) << i;
        EXPECT_EQ(g.wLast, expected[i].last) << i;
    }
}

TEST_F(ConstraintIndex, GroupsOfALargerTableCoverEveryRowOnce)
{
    // Forty rows over a handful of keys, among them controls above 0x7FFF that sort unsigned.
    std::vector<std::pair<WORD, SHORT>> keys;
    for (int i = 0; i < 40; ++i)
        keys.emplace_back(static_cast<WORD>(i % 3 == 0 ? 0x9000 : 100 + i % 4), static_cast<SHORT>(i % 5 - 2));
    std::vector<PROHIBITION_RULE<2>> rows;
    for (const auto& [control, value] : keys) {
        PROHIBITION_RULE<2> row = {};
        row.conditions[0] = { control, value };
        rows.push_back(row);
    }
    BuiltIndex index;
    Build(rows, index);
    ASSERT_GT(index.count, 0);
    WORD next = 0;
    for (WORD g = 0; g < index.count; ++g) {
        const CONSTRAINT_GROUP group = index.groups[g];
        EXPECT_EQ(group.wFirst, next) << "group " << g;
        for (WORD p = group.wFirst; p <= group.wLast; ++p) {
            EXPECT_EQ(keys[index.order[p]].first, group.wControl);
            EXPECT_EQ(keys[index.order[p]].second, group.sValue);
        }
        if (g > 0) {
            const CONSTRAINT_GROUP before = index.groups[g - 1];
            EXPECT_TRUE(before.wControl < group.wControl ||
                        (before.wControl == group.wControl && before.sValue < group.sValue)) << "group " << g;
        }
        next = group.wLast + 1;
    }
    EXPECT_EQ(next, 40);
    EXPECT_EQ(index.groups[index.count - 1].wControl, 0x9000);
}

TEST_F(ConstraintIndex, FindConstraintAnswersTheRunOfAKey)
{
    const auto rows = Table({ {7, 0}, {2, 0}, {2, -1}, {7, 0}, {1, 0}, {7, 0} });
    BuiltIndex index;
    Build(rows, index);
    struct Case { WORD control; SHORT value; DWORD found; WORD first, last; };
    const Case cases[] = {
        {7, 0, 1, 3, 5}, {2, -1, 1, 1, 1}, {2, 0, 1, 2, 2}, {1, 0, 1, 0, 0},
        {2, 1, 0, 0, 0},     // the right control, no such value
        {7, -5, 0, 0, 0}, {0, 0, 0, 0, 0}, {8, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        WORD first = 99, last = 99;
        EXPECT_EQ(FindConstraint(c.control, c.value, index.groups, index.count, &first, &last), c.found)
            << c.control << " = " << c.value;
        EXPECT_EQ(first, c.first);
        EXPECT_EQ(last, c.last);
    }
    WORD first = 99, last = 99;
    EXPECT_EQ(FindConstraint(7, 0, nullptr, 0, &first, &last), 0u);
    EXPECT_EQ(first + last, 0);
}

TEST_F(ConstraintIndex, OneRowAndEmptyTables)
{
    BuiltIndex one;
    Build(Table({ {5, 3} }), one);
    ASSERT_EQ(one.count, 1);
    EXPECT_EQ(one.groups[0].wFirst, 0);
    EXPECT_EQ(one.groups[0].wLast, 0);

    BuiltIndex empty;
    Build({}, empty);
    EXPECT_EQ(empty.count, 0);
    EXPECT_EQ(empty.groups, nullptr);
    EXPECT_EQ(empty.order, nullptr);
}

TEST_F(ConstraintIndex, ShortMemoryLeavesATableWithoutGroups)
{
    const auto rows = Table({ {7, 0}, {2, 0}, {2, -1} });
    for (unsigned failing = 1; failing <= 3; ++failing) {   // the order, the working rows, the final table
        SCOPED_TRACE(testing::Message() << "allocation " << failing << " fails");
        BuiltIndex index;
        host::InjectFault(host::Fault::GlobalAlloc, failing);
        Build(rows, index);
        host::ClearFaults();
        EXPECT_EQ(index.count, 0);
        EXPECT_EQ(index.groups, nullptr);
        WORD first = 1, last = 1;
        EXPECT_EQ(FindConstraint(7, 0, index.groups, index.count, &first, &last), 0u);
    }
}

using SheetConstraintIndex = ItemStateTest;

TEST_F(SheetConstraintIndex, ASheetKeepsItsIndexUntilFreed)
{
    BuildConstraintIndex(m_state);
    const CONSTRAINT_INDEX* built = m_state->pConstraintIndex;
    ASSERT_NE(built, nullptr);
    // Every row of every table is found through its first condition, in exactly one group.
    for (int k = 0; k < kProhibitionTables; ++k) {
        WORD count = 0;
        const WORD* order = nullptr;
        const CONSTRAINT_GROUP* groups = GetConstraintGroups(m_state, k, &count, &order);
        ASSERT_NE(groups, nullptr) << k;
        const WORD rows = CountProhibitionRows(k);
        std::vector<int> seen(rows, 0);
        for (WORD r = 0; r < rows; ++r) {
            WORD yieldControl = 0, yieldValue = 0;
            const PROHIBITION_CONDITION* row = GetProhibitionRow(k, r, &yieldControl, &yieldValue);
            WORD first = 0, last = 0;
            ASSERT_EQ(FindConstraint(row[0].wControl, row[0].sValue, groups, count, &first, &last), 1u) << k << ":" << r;
            for (WORD pos = first; pos <= last; ++pos)
                seen[order[pos]] += order[pos] == r ? 1 : 0;
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), rows) << k;
    }
    FreeConstraintIndex(m_state);
    const CONSTRAINT_INDEX* freed = m_state->pConstraintIndex;
    EXPECT_EQ(freed, nullptr);
    FreeConstraintIndex(m_state);   // twice is harmless

    // Without memory for the record the sheet has no index, which reads as four empty tables.
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    BuildConstraintIndex(m_state);
    host::ClearFaults();
    const CONSTRAINT_INDEX* missing = m_state->pConstraintIndex;
    EXPECT_EQ(missing, nullptr);
    WORD count = 1;
    EXPECT_EQ(GetConstraintGroups(m_state, 0, &count, nullptr), nullptr);
    EXPECT_EQ(count, 0);
}
