// item_constraints_test.cpp - which options the lists offer: every table and rule in one evaluation, the
// visible positions, the bypass tray's paper types, moving off a prohibited value, and the tray re-check that
// tries the round's values and puts them back.
#include "ui/core/item_constraints.h"

#include "host/faults.h"
#include "ui/core/special_rules.h"
#include "ui/core/special_rules_fixture.h"

#include <gtest/gtest.h>

#include <set>

class ItemConstraints : public SpecialRulesTest {
protected:
    // The values of the options left prohibited after the list's evaluation.
    std::set<WORD> Prohibited(WORD control)
    {
        std::set<WORD> out;
        const ITEM_LIST* list = List(control);
        for (WORD i = 0; list != nullptr && i < list->wCount; ++i)
            if (NamedEntries(list)[i].wState == kOptionProhibited)
                out.insert(WORD{ NamedEntries(list)[i].wValue });
        return out;
    }

    std::set<WORD> Evaluate(WORD control)
    {
        EvaluateControlItems(m_state, control);
        return Prohibited(control);
    }

    // Two-condition rows over a list control while the original size is A4 (9): one row per value given.
    void ProhibitForA4(WORD control, const std::vector<WORD>& values)
    {
        m_rows2.clear();
        for (WORD value : values)
            m_rows2.push_back({ { {control, static_cast<SHORT>(value)}, {111, 9} }, control, 1 });
        m_rows2.push_back({});
        Use({ m_rows2.data(), kNone3, kNone4, kNone5 });
    }

    std::vector<PROHIBITION_RULE<2>> m_rows2;
};

TEST_F(ItemConstraints, EveryTableAndRuleTakesPartAndProhibitedOptionsLoseTheirPosition)
{
    static constexpr PROHIBITION_RULE<2> rows2[] = { { { {114, 2057}, {612, 1} }, 612, 2 }, {} };
    static constexpr PROHIBITION_RULE<3> rows3[] = { { { {114, 11}, {111, 9}, {106, 1} }, 114, 257 }, {} };
    static constexpr PROHIBITION_RULE<4> rows4[] = { { { {114, 12}, {111, 9}, {106, 1}, {612, 1} }, 114, 257 }, {} };
    static constexpr PROHIBITION_RULE<5> rows5[] = {
        { { {114, 13}, {111, 9}, {106, 1}, {612, 1}, {120, 7} }, 114, 257 }, {},
    };
    Use({ rows2, rows3, rows4, rows5 });
    SetupPage(/*staple=*/1, /*punch=*/0);
    Set({ {612, 1}, {111, 9}, {106, 1}, {120, 7}, {114, 257} });

    // Give every option a stale state and position first: the evaluation sets them all.
    ITEM_LIST* list = List(114);
    for (WORD i = 0; i < list->wCount; ++i) {
        NamedEntries(list)[i].wState = kOptionProhibited;
        NamedEntries(list)[i].wPosition = 77;
    }
    // The four tables, and the staple twin for the papers that take no staples (2059 and 88).
    const std::set<WORD> prohibited = Evaluate(114);
    for (WORD paper : { 2057, 11, 12, 13, 2059, 88 })
        EXPECT_EQ(prohibited.count(paper), 1u) << paper;
    for (WORD paper : { 257, 9, 8, 1, 6 })
        EXPECT_EQ(prohibited.count(paper), 0u) << paper;
    for (WORD i = 0; i < list->wCount; ++i) {
        const WORD position = NamedEntries(list)[i].wPosition;
        const WORD state = NamedEntries(list)[i].wState;
        EXPECT_EQ(position, state == kOptionProhibited ? 0xFFFF : i) << "option " << i;
    }

    // EvaluateAllItems reaches every list: the output trays the fold kind excludes, the papers above.
    FinishingPage({ {317, 1}, {318, 1} });
    Set({ {612, 1}, {111, 9}, {106, 1}, {120, 7} });
    Update();
    EvaluateAllItems(m_state);
    EXPECT_EQ(Prohibited(139), (std::set<WORD>{ 2, 3 }));
    EXPECT_EQ(Prohibited(114).count(2057), 1u);
    EXPECT_EQ(Prohibited(114).count(8), 0u) << "one sheet per two pages is off";
}

TEST_F(ItemConstraints, ThePaperTypeOffersWhatTheBypassTrayOffersWhileBothAreEnabled)
{
    Set({ {120, 4}, {201, 1}, {212, 4} });
    Update();
    ASSERT_TRUE(IsControlEnabled(122));
    ASSERT_TRUE(IsControlEnabled(231));
    EXPECT_EQ(Evaluate(122), (std::set<WORD>{ 127 }));

    // Every option of the bypass tray's list counts, whatever its own state.
    Option(231, 8)->wState = kOptionProhibited;
    EXPECT_EQ(Evaluate(122), (std::set<WORD>{ 127 }));

    // Only the paper type is tested, and only while both controls are enabled.
    EXPECT_TRUE(Evaluate(231).empty());
    Set({ {201, 0} });
    Update();
    ASSERT_FALSE(IsControlEnabled(231));
    EXPECT_TRUE(Evaluate(122).empty());
}

TEST_F(ItemConstraints, SelectFirstAvailableItemMovesOnlyOffAProhibitedValue)
{
    struct Case { std::vector<WORD> prohibited; WORD current; BOOL changed; WORD after; };
    const Case cases[] = {
        { {},              2,   FALSE, 2 },
        { {2},             2,   TRUE,  3 },
        { {2, 3, 4},       2,   TRUE,  5 },
        { {2},             3,   FALSE, 3 },
        { {},              999, TRUE,  2 },   // a value no option holds: the first available option
        { {2, 3, 4, 5, 6}, 2,   FALSE, 2 },   // none is available: nothing changes
    };
    // The staple position with its check box off: its rule is disabled, so no row would count without
    // the enable for the test.
    SetupPage(/*staple=*/0, /*punch=*/0);
    ASSERT_FALSE(IsControlEnabled(131));
    Set({ {111, 9} });
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ProhibitForA4(131, c.prohibited);
        Set({ {131, c.current} });
        EXPECT_EQ(SelectFirstAvailableItem(nullptr, m_state, 131), c.changed);
        EXPECT_EQ(GetItemValue(131), c.after);
        EXPECT_FALSE(IsControlEnabled(131)) << "the rule state is put back";
    }
    EXPECT_FALSE(SelectFirstAvailableItem(nullptr, m_state, 130)) << "a check box has no list";
}

TEST_F(ItemConstraints, SelectFirstAvailableTrayTestsTheTraysForAUserSize)
{
    // Trays 7 and 1 take no user size.
    static constexpr PROHIBITION_RULE<2> rows2[] = {
        { { {120, 7}, {114, 256} }, 120, 2 },
        { { {120, 1}, {114, 256} }, 120, 2 },
        {},
    };
    Use({ rows2, kNone3, kNone4, kNone5 });
    struct Case { WORD tray; BOOL stays; };
    const Case cases[] = { {7, FALSE}, {2, TRUE}, {999, FALSE} };
    for (const Case& c : cases) {
        Set({ {114, 9}, {120, c.tray} });
        WORD count = 0;
        EXPECT_EQ(SelectFirstAvailableTray(nullptr, m_state, &count), c.stays) << "tray " << c.tray;
        EXPECT_EQ(count, 5);
        EXPECT_EQ(GetItemValue(114), 9);
        EXPECT_EQ(GetItemValue(120), c.tray);
        EXPECT_TRUE(Prohibited(120).empty()) << "the list is evaluated again for the paper it has";
    }
    EXPECT_FALSE(SelectFirstAvailableTray(nullptr, m_state, nullptr));
}

TEST_F(ItemConstraints, TheTrayReCheckRecordsTheFirstTrayLeft)
{
    Set({ {111, 9}, {120, 7} });
    ProhibitForA4(120, { 7, 1 });
    RevalidateTrayAndMedia(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {120, 2} }));
    EXPECT_EQ(WORD{ m_conflicts.wOutcome }, kOutcomeNormal);
    EXPECT_EQ(GetItemValue(120), 7) << "the round applies the entry, not the re-check";

    // A tray the round has recorded is the one tested; its entry takes the tray left.
    Clear();
    ASSERT_TRUE(AppendConflict(&m_conflicts, 120, 1, kReasonDefault));
    RevalidateTrayAndMedia(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {120, 2} }));

    // The round switched the front cover on: its tray is enabled for the test and checked too.
    Clear();
    m_rows2 = { { { {212, 1}, {111, 9} }, 212, 2 }, {} };
    Use({ m_rows2.data(), kNone3, kNone4, kNone5 });
    Set({ {201, 0}, {212, 1} });
    Update();
    ASSERT_FALSE(IsControlEnabled(212));
    ASSERT_TRUE(AppendConflict(&m_conflicts, 201, 1, kReasonDefault));
    RevalidateTrayAndMedia(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {201, 1}, {212, 2} }));
    EXPECT_EQ(GetItemValue(201), 0);
    EXPECT_FALSE(IsControlEnabled(212));
}

TEST_F(ItemConstraints, TheTrayReCheckStopsOnceOtherSettingsRefuseTheChangeUnlessRecalling)
{
    Set({ {111, 9}, {120, 7} });
    ProhibitForA4(120, { 7 });
    struct Case { WORD mode; bool checks; };
    const Case cases[] = { {0, false}, {3, false}, {2, true} };
    for (const Case& c : cases) {
        Clear();
        ASSERT_TRUE(AppendPartner(&m_conflicts, 114, 8));
        m_state->ResolveMode = c.mode;
        RevalidateTrayAndMedia(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), (c.checks ? ValuePairs{ {120, 1} } : ValuePairs{})) << "mode " << c.mode;
    }
    m_state->ResolveMode = 0;
}

TEST_F(ItemConstraints, TheTrayReCheckWithNoTrayLeftPutsEverythingBack)
{
    Set({ {111, 9}, {120, 7}, {201, 0}, {212, 1} });
    Update();
    m_rows2 = {};
    for (WORD tray : { 7, 1, 2, 258, 259, 260, 4 })
        m_rows2.push_back({ { {120, static_cast<SHORT>(tray)}, {111, 9} }, 120, 1 });
    m_rows2.push_back({});
    Use({ m_rows2.data(), kNone3, kNone4, kNone5 });
    // Recorded values to try: the cover on, the tray elsewhere; and a rule state set by hand.
    ASSERT_TRUE(AppendConflict(&m_conflicts, 201, 1, kReasonDefault));
    ASSERT_TRUE(AppendConflict(&m_conflicts, 120, 2, kReasonDefault));
    SetControlRuleEnabled(320, 1);

    RevalidateTrayAndMedia(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(WORD{ m_conflicts.wOutcome }, kOutcomeNoValue);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {201, 1}, {120, 2} })) << "nothing recorded for a tray without options";
    EXPECT_EQ(GetItemValue(120), 7);
    EXPECT_EQ(GetItemValue(201), 0);
    EXPECT_EQ(GetItemValue(212), 1);
    EXPECT_FALSE(IsControlEnabled(212));
    EXPECT_TRUE(IsControlEnabled(320));
}

TEST_F(ItemConstraints, ATrayEntryThatCannotBeHadRefusesTheChangeAndPutsEverythingBack)
{
    Set({ {111, 9}, {120, 7}, {201, 0} });
    Update();
    ProhibitForA4(120, { 7 });
    // A full conflict buffer, the round's front cover among its entries; the entry for the tray needs it to grow.
    ASSERT_TRUE(AppendConflict(&m_conflicts, 201, 1, kReasonDefault));
    while (m_conflicts.wConflictCount < m_conflicts.wConflictRoom)
        ASSERT_TRUE(AppendConflict(&m_conflicts, 999, 0, kReasonDefault));
    const WORD full = m_conflicts.wConflictCount;
    // The re-check keeps the rule states first (two tables with rows), then the growth fails.
    host::InjectFault(host::Fault::GlobalAlloc, 3);
    RevalidateTrayAndMedia(nullptr, m_state, &m_changes, &m_conflicts);
    host::ClearFaults();
    EXPECT_EQ(WORD{ m_conflicts.wOutcome }, kOutcomeRefused);
    EXPECT_EQ(WORD{ m_conflicts.wConflictCount }, full);
    EXPECT_EQ(GetItemValue(120), 7);
    EXPECT_EQ(GetItemValue(201), 0);
    EXPECT_FALSE(IsControlEnabled(212));
}
