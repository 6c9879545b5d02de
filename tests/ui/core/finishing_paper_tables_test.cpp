// finishing_paper_tables_test.cpp - the staple, punch, fold and layout codes of the papers: the columns the
// queries choose, conditions on the output unit, user sizes, and the row walk (inherited papers, chains).
#include "ui/core/finishing_paper_tables.h"

#include "ui/core/built_sheet_fixture.h"
#include "ui/core/control_ids.h"
#include "ui/core/option_lists.h"
#include "ui/core/paper_rules.h"

#include <gtest/gtest.h>

class FinishingPaperTables : public BuiltSheetTest {
protected:
    void SetPunchHoles(WORD holes)
    {
        ITEM_LIST* pHoles = m_state->lpPunchHoles;
        ASSERT_NE(pHoles, nullptr);
        pHoles->wCurrent = holes;
    }
};

TEST_F(FinishingPaperTables, TheTablesAreCountedWhenTheUiTablesAre)
{
    const UI_TABLE_COUNTS& counts = GetUiTableCounts();
    EXPECT_EQ(counts.wStaplePapers, 63);
    EXPECT_EQ(counts.wPunchPapers, 60);
    EXPECT_EQ(counts.wFoldPapers, 60);
    EXPECT_EQ(counts.wLayoutPapers, 60);
}

TEST_F(FinishingPaperTables, StapleCodesAndTheOutputUnitConditions)
{
    struct Case { WORD paper, unit, code; };
    const Case cases[] = {
        {8, 2, 1},     {9, 2, 0},     {2059, 2, 3},  {1033, 2, 4},  {10246, 2, 3}, {256, 2, 3},
        {0x205, 2, 3},                // any user size is looked up as the user size
        {257, 2, 0},   {0, 2, 0},     {0xFFFF, 2, 3},   // 0xFFFF carries the user-size bit
        // 2061 depends on the output unit; another unit finds no row.
        {2061, 2, 1},  {2061, 3, 3},  {2061, 4, 1},  {2061, 5, 3},  {2061, 1, 0},
    };
    for (const Case& c : cases) {
        SetItemValue(kIdOutputUnit, c.unit);
        EXPECT_EQ(GetFinishingPaperCode(m_state, c.paper, kStapleTable), c.code)
            << "paper " << c.paper << " unit " << c.unit;
    }
    EXPECT_EQ(GetFinishingPaperCode(m_state, 8, 4), 0) << "no such table";
}

TEST_F(FinishingPaperTables, PunchCodesFollowTheHoleCount)
{
    struct Case { WORD paper, holes, code; };
    const Case cases[] = {
        {1, 2, 0},    {1, 3, 1},    {1, 4, 3},
        {11, 2, 2},   {11, 3, 4},   {11, 4, 4},
        {4099, 2, 1}, {4099, 3, 1}, {4099, 4, 3},
        {8200, 2, 4}, {0x3FF, 3, 4},
        {1, 5, 0},    {1, 0, 0},    {1, 1, 0},   // no column for another count
    };
    for (const Case& c : cases) {
        SetPunchHoles(c.holes);
        EXPECT_EQ(GetFinishingPaperCode(m_state, c.paper, kPunchTable), c.code)
            << "paper " << c.paper << " holes " << c.holes;
    }
}

TEST_F(FinishingPaperTables, FoldCodesFollowTheFoldKindOrTheCandidate)
{
    struct Case { WORD paper, kind, code; };
    const Case cases[] = {
        {8, 1, 1},    {8, 4, 1},    {8, 7, 3},    {8, 5, 0},    {8, 6, 0},
        {9, 2, 0},    {9, 7, 1},    {2061, 3, 2}, {0x201, 1, 3}, {4242, 1, 0},
    };
    for (const Case& c : cases) {
        SetItemValue(kIdFoldKind, c.kind);
        EXPECT_EQ(GetFinishingPaperCode(m_state, c.paper, kFoldTable), c.code)
            << "paper " << c.paper << " kind " << c.kind;
    }

    // A candidate of the fold kind combo stands for its value; a candidate of another control does not.
    const ITEM_LIST* pKinds = GetItemOptionList(kIdFoldKind);
    ASSERT_NE(pKinds, nullptr);
    const int kind7 = GetOptionIndex(pKinds, 7);
    const int kind1 = GetOptionIndex(pKinds, 1);
    ASSERT_GE(kind7, 0);
    ASSERT_GE(kind1, 0);
    SetItemValue(kIdFoldKind, 1);
    EXPECT_EQ(GetFinishingPaperCode(m_state, 8, kFoldTable, kIdFoldKind, static_cast<WORD>(kind7)), 3);
    EXPECT_EQ(GetFinishingPaperCode(m_state, 8, kFoldTable, kIdOutputPaper, static_cast<WORD>(kind7)), 1);
    SetItemValue(kIdFoldKind, 7);
    EXPECT_EQ(GetFinishingPaperCode(m_state, 8, kFoldTable, kIdFoldKind, static_cast<WORD>(kind1)), 1);
    EXPECT_EQ(GetFinishingPaperCode(m_state, 8, kFoldTable, kIdFoldKind, pKinds->wCount), 0)
        << "an option the list does not have";
}

TEST_F(FinishingPaperTables, LayoutCodesByQuery)
{
    struct Case { WORD paper; WORD codes[4]; };
    const Case cases[] = {
        {8, {1, 1, 1, 0}}, {9, {0, 0, 0, 0}}, {8195, {1, 1, 1, 0}}, {10246, {0, 0, 0, 0}},
        {0x2AA, {1, 1, 1, 0}}, {257, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int query = 4; query <= 7; ++query)
            EXPECT_EQ(GetLayoutPaperCode(m_state, c.paper, query), c.codes[query - 4])
                << "paper " << c.paper << " query " << query;
        EXPECT_EQ(GetLayoutPaperCode(m_state, c.paper, 3), 0);
        EXPECT_EQ(GetLayoutPaperCode(m_state, c.paper, 8), 0);
    }
}

// Small tables of their own: rows without a paper belong to the paper above; a chain holds only whole.
class FinishingPaperRowWalk : public FinishingPaperTables {
protected:
    static constexpr STAPLE_PAPER_ROW kStaple[] = {
        {    0, { 9 },   0, 0, kChainSingle },   // before any paper: belongs to none
        {   20, { 1 }, 804, 3, kChainFirst  },
        {    0, { 0 }, 309, 1, kChainSingle },
        {    0, { 0 }, 802, 2, kChainLast   },
        {    0, { 2 }, 804, 3, kChainSingle },   // still paper 20
        {    0, { 5 },   0, 0, kChainSingle },
        {   30, { 7 }, 804, 2, kChainFirst  },   // never closes
        {    0, { 0 }, 804, 2, kChainSingle },
        { kFinishingTableEnd, { 0 }, 0, 0, 0 },
    };
    static constexpr PUNCH_PAPER_ROW kPunch[] = { { kFinishingTableEnd, { 0, 0, 0 }, 0, 0, 0 } };
    static constexpr FOLD_PAPER_ROW kFold[] = { { kFinishingTableEnd, { 0, 0 }, 0, 0, 0 } };
    static constexpr LAYOUT_PAPER_ROW kLayout[] = {
        {   40, { 0, 0, 0, 0 }, 804, 9, kChainSingle },
        {    0, { 1, 2, 3, 4 },   0, 0, kChainSingle },
        { kFinishingTableEnd, { 0, 0, 0, 0 }, 0, 0, 0 },
    };
    static constexpr FINISHING_PAPER_TABLES kTables = { kStaple, kPunch, kFold, kLayout };

    void SetUp() override
    {
        UseFinishingPaperTables(&kTables);
        FinishingPaperTables::SetUp();   // counts the injected rows
    }

    void TearDown() override
    {
        UseFinishingPaperTables(nullptr);
        InitUiTables();
        FinishingPaperTables::TearDown();
    }
};

TEST_F(FinishingPaperRowWalk, ChainsAndInheritedPapers)
{
    EXPECT_EQ(GetUiTableCounts().wStaplePapers, 8);
    struct Case { WORD unit, mode, feed, paper, code; };
    const Case cases[] = {
        {3, 1, 2, 20, 1},   // the whole chain holds: the first row's code
        {3, 1, 1, 20, 2},   // the chain fails at its last row; the next row of the paper holds
        {3, 2, 2, 20, 2},
        {2, 1, 2, 20, 5},   // nothing with a condition holds: the unconditional row
        {2, 1, 2, 30, 0},   // an open chain holds nothing, and its rows are passed over
        {2, 1, 2, 0, 0},    // a row before any paper belongs to none
    };
    for (const Case& c : cases) {
        Set({ {kIdOutputUnit, c.unit}, {kIdOneSheetMode, c.mode}, {kIdPaperFeedUnit, c.feed} });
        EXPECT_EQ(GetFinishingPaperCode(m_state, c.paper, kStapleTable), c.code) << "case " << (&c - cases);
    }
    for (int query = 4; query <= 7; ++query)
        EXPECT_EQ(GetLayoutPaperCode(m_state, 40, query), query - 3);
    EXPECT_EQ(GetFinishingPaperCode(m_state, 20, kPunchTable), 0);
}
