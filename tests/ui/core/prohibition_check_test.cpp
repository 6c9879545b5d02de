// prohibition_check_test.cpp - which options the prohibition tables take out of a list: the model's own rows,
// the decision rules over small tables of our own, and the papers the rules compare.
#include "ui/core/prohibition_check.h"

#include "ui/core/constraint_index.h"
#include "ui/core/control_rules.h"
#include "ui/core/built_sheet_fixture.h"
#include "ui/core/item_table.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

class ProhibitionCheck : public BuiltSheetTest {
protected:
    // Runs the four tables over every option of the list as a list filler does (state 1 first), and answers
    // the values left prohibited.
    std::set<WORD> Prohibited(WORD control)
    {
        std::set<WORD> out;
        ITEM_LIST* list = List(control);
        if (list == nullptr)
            return out;
        for (WORD i = 0; i < list->wCount; ++i) {
            NamedEntries(list)[i].wState = kOptionAvailable;
            for (int k = 0; k < kProhibitionTables; ++k)
                CheckItemProhibitions(m_state, control, i, k);
            const ITEM_LIST_ENTRY& option = NamedEntries(list)[i];
            if (option.wState == kOptionProhibited)
                out.insert(WORD{ option.wValue });
        }
        return out;
    }

    bool IsProhibited(WORD control, WORD value) { return Prohibited(control).count(value) != 0; }

    WORD OptionValue(WORD control, WORD index) { return NamedEntries(List(control))[index].wValue; }
};

TEST_F(ProhibitionCheck, RasterGraphicsTakesTheLargeOutputPapersOutOfTheList)
{
    const std::set<WORD> large = { 8, 9, 2057, 11, 2059, 12, 13, 2061, 88, 1 };
    std::set<WORD> offered;
    for (WORD i = 0; i < List(114)->wCount; ++i)
        offered.insert(OptionValue(114, i));
    std::set<WORD> expected;
    for (WORD paper : large)
        if (offered.count(paper) != 0)
            expected.insert(paper);
    ASSERT_FALSE(expected.empty()) << "the output paper list offers none of the large papers";

    Set({ {612, 1} });
    EXPECT_EQ(Prohibited(114), expected);
    Set({ {612, 2} });
    EXPECT_TRUE(Prohibited(114).empty());
}

TEST_F(ProhibitionCheck, AnA3OriginalAtItsOwnSizeCannotComeFromTrayOne)
{
    struct Case { WORD original, output, feedUnit; bool tray1, tray260; };
    const Case cases[] = {
        { 8, 257, 1, true, false },
        { 8, 257, 2, true, true },    // the four-condition rule needs the feed unit's option 2
        { 9, 257, 2, false, false },
        { 8, 8, 2, false, false },    // an explicit output paper is not "same as original"
    };
    for (const Case& c : cases) {
        Set({ {111, c.original}, {114, c.output}, {802, c.feedUnit} });
        const std::set<WORD> out = Prohibited(120);
        EXPECT_EQ(out.count(1) != 0, c.tray1) << c.original << "/" << c.output << "/" << c.feedUnit;
        EXPECT_EQ(out.count(260) != 0, c.tray260) << c.original << "/" << c.output << "/" << c.feedUnit;
    }
}

TEST_F(ProhibitionCheck, OneSheetPerTwoPagesComparesThePaperThatHoldsTwo)
{
    // A4 (9) printed two to a sheet needs A3 (8): a rule on A3 reaches the A4 option only while pages are
    // doubled.
    static constexpr PROHIBITION_RULE<2> rows2[] = { { { { 114, 8 }, { 612, 1 } }, 612, 2 }, {} };
    static constexpr PROHIBITION_RULE<3> rows3[] = { {} };
    static constexpr PROHIBITION_RULE<4> rows4[] = { {} };
    static constexpr PROHIBITION_RULE<5> rows5[] = { {} };
    Use({ rows2, rows3, rows4, rows5 });
    Set({ {612, 1} });
    struct Case { WORD finishing, oneSheet, booklet, mode; bool a4; };
    const Case cases[] = {
        { 1, 0, 0, 1, false },
        { 1, 1, 0, 1, true },
        { 1, 1, 0, 2, true },    // both modes hold the same pairs
        { 1, 0, 1, 1, true },    // a booklet doubles too
        { 0, 1, 0, 1, false },   // only while finishing is on
    };
    for (const Case& c : cases) {
        Set({ {301, c.finishing}, {308, c.oneSheet}, {312, c.booklet}, {309, c.mode} });
        EXPECT_EQ(IsProhibited(114, 9), c.a4) << c.finishing << c.oneSheet << c.booklet << c.mode;
    }
}

TEST_F(ProhibitionCheck, UserSizesAreComparedAsTheUserSize)
{
    EXPECT_EQ(GetEffectivePaperValue(114, 513), 256);
    EXPECT_EQ(GetEffectivePaperValue(111, 0x209), 256);
    EXPECT_EQ(GetEffectivePaperValue(120, 513), 513);   // only the two papers are papers
    // The original size doubles only while the output paper follows it.
    Set({ {301, 1}, {308, 1}, {309, 1}, {114, 257} });
    EXPECT_EQ(GetEffectivePaperValue(111, 9), 8);
    Set({ {114, 9} });
    EXPECT_EQ(GetEffectivePaperValue(111, 9), 9);
    EXPECT_EQ(GetEffectivePaperValue(114, 9), 8);

    // Row form: the other members' current values, the original doubled because the output follows it.
    const PROHIBITION_CONDITION row[] = { { 120, 1 }, { 114, 257 }, { 111, 8 } };
    Set({ {114, 257}, {111, 9} });
    WORD values[3] = {};
    GetEffectivePaperValue(row, 3, 1, values);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 257);
    EXPECT_EQ(values[2], 8);
}

// The decision rules over two-condition rows made from the current values: candidate C's first option
// against the partner's current value.
TEST_F(ProhibitionCheck, TwoConditionRowsDecideByTheirMembersStates)
{
    UpdateControlRules(nullptr, m_state);
    struct Case {
        const char* what;
        WORD c, partner;
        std::vector<std::pair<WORD, DWORD>> states;   // forced rule states
        bool prohibited;
    };
    const Case cases[] = {
        { "both active", 120, 122, { {122, 1} }, true },
        { "partner disabled", 120, 122, { {122, 0} }, false },
        { "disabled option unit partner", 120, 824, { {824, 0} }, true },
        { "candidate disabled, unit partner", 824, 826, { {824, 0}, {826, 0} }, false },
        { "unit against a unit it governs", 804, 826, { {826, 1} }, false },
        { "unit against another unit", 824, 826, { {824, 1}, {826, 1} }, true },
        { "unit against an ungoverned unit", 804, 802, {}, true },
        { "unit against a job setting", 804, 122, { {122, 1} }, false },
        { "staple position against punch", 131, 137, { {131, 1}, {137, 1} }, false },
        { "punch position against staple", 322, 320, { {320, 1}, {322, 1} }, false },
        { "staple position against paper type", 131, 122, { {131, 1}, {122, 1} }, true },
    };
    for (const Case& c : cases) {
        ASSERT_NE(List(c.c), nullptr) << c.what;
        const WORD option = OptionValue(c.c, 0);
        const PROHIBITION_RULE<2> rows2[] = {
            { { { c.c, static_cast<SHORT>(option) }, { c.partner, static_cast<SHORT>(GetItemValue(c.partner)) } }, c.c, 0 },
            {},
        };
        const PROHIBITION_RULE<3> rows3[] = { {} };
        const PROHIBITION_RULE<4> rows4[] = { {} };
        const PROHIBITION_RULE<5> rows5[] = { {} };
        Use({ rows2, rows3, rows4, rows5 });
        UpdateControlRules(nullptr, m_state);
        for (const auto& [control, state] : c.states)
            SetControlRuleEnabled(control, state);
        EXPECT_EQ(IsProhibited(c.c, option), c.prohibited) << c.what;
    }
}

TEST_F(ProhibitionCheck, WiderRowsAreLiftedByAnyDisabledMember)
{
    struct Case {
        const char* what;
        WORD c, m1, m2;
        std::vector<std::pair<WORD, DWORD>> states;
        bool prohibited;
    };
    const Case cases[] = {
        { "all active", 120, 122, 824, { {122, 1}, {824, 1} }, true },
        { "disabled unit member", 120, 122, 824, { {122, 1}, {824, 0} }, false },
        { "disabled job member", 120, 122, 802, { {122, 0} }, false },
        { "units, none governed by the candidate", 824, 802, 826, { {824, 1}, {826, 1} }, true },
        { "a unit governed by the candidate", 804, 802, 826, { {826, 1} }, false },
        { "a unit against a job setting", 804, 802, 122, { {122, 1} }, false },
    };
    for (const Case& c : cases) {
        const WORD option = OptionValue(c.c, 0);
        const PROHIBITION_RULE<2> rows2[] = { {} };
        const PROHIBITION_RULE<3> rows3[] = {
            { { { c.c, static_cast<SHORT>(option) }, { c.m1, static_cast<SHORT>(GetItemValue(c.m1)) },
                { c.m2, static_cast<SHORT>(GetItemValue(c.m2)) } }, c.c, 0 },
            {},
        };
        const PROHIBITION_RULE<4> rows4[] = { {} };
        const PROHIBITION_RULE<5> rows5[] = { {} };
        Use({ rows2, rows3, rows4, rows5 });
        UpdateControlRules(nullptr, m_state);
        for (const auto& [control, state] : c.states)
            SetControlRuleEnabled(control, state);
        EXPECT_EQ(IsProhibited(c.c, option), c.prohibited) << c.what;
    }
}

TEST_F(ProhibitionCheck, OnlyRowsWhoseEveryConditionHoldsProhibit)
{
    const WORD option = OptionValue(120, 0);
    const SHORT type = static_cast<SHORT>(GetItemValue(122));
    const PROHIBITION_RULE<2> rows2[] = {
        { { { 120, static_cast<SHORT>(option) }, { 122, static_cast<SHORT>(type + 1) } }, 120, 0 },   // no match
        {},
    };
    const PROHIBITION_RULE<3> rows3[] = { {} };
    const PROHIBITION_RULE<4> rows4[] = {
        { { { 120, static_cast<SHORT>(option) }, { 122, type }, { 111, static_cast<SHORT>(GetItemValue(111)) },
            { 139, static_cast<SHORT>(GetItemValue(139) + 1) } }, 120, 0 },
        {},
    };
    const PROHIBITION_RULE<5> rows5[] = { {} };
    Use({ rows2, rows3, rows4, rows5 });
    UpdateControlRules(nullptr, m_state);
    EXPECT_FALSE(IsProhibited(120, option));

    // The checks never make an option available again, and leave controls without a list alone.
    ITEM_LIST* list = List(120);
    NamedEntries(list)[0].wState = kOptionProhibited;
    for (int k = 0; k < kProhibitionTables; ++k)
        CheckItemProhibitions(m_state, 120, 0, k);
    EXPECT_EQ(WORD{ NamedEntries(list)[0].wState }, kOptionProhibited);
    CheckItemProhibitions(m_state, 120, list->wCount, 0);   // past the end
    CheckItemProhibitions(m_state, 123, 0, 0);              // a check box
    CheckItemProhibitions(m_state, 4321, 0, 0);             // unknown
    CheckItemProhibitions(m_state, 120, 0, 7);              // no such table
}
