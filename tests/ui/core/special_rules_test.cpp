// special_rules_test.cpp - the staple, punch, fold, one-sheet, booklet and output-tray rules: what each pass
// records for the settings of a case, and that the item-side twin hides exactly the options the pass would
// take back.
#include "ui/core/special_rules.h"

#include "settings/paper/paper_queries.h"
#include "ui/core/special_rules_fixture.h"

#include <gtest/gtest.h>

class SpecialRules : public SpecialRulesTest {
protected:
    // Whether the twins hide the option (state 1 first, as a list filler sets it).
    bool TwinProhibits(WORD control, WORD value)
    {
        ITEM_LIST_ENTRY* option = Option(control, value);
        if (option == nullptr)
            return false;
        option->wState = kOptionAvailable;
        EvaluateSpecialItemRules(m_state, control, Index(control, value));
        return option->wState == kOptionProhibited;
    }

    static bool Has(const ValuePairs& pairs, WORD control)
    {
        for (const auto& pair : pairs)
            if (pair.first == control)
                return true;
        return false;
    }
};

TEST_F(SpecialRules, StaplePositionsFollowThePaperFeedAndOrientation)
{
    struct Case { WORD orientation, output, original, position; ValuePairs expected; };
    const Case cases[] = {
        {1, 8,    9, 4, {{131, 2}}},   // short-edge paper, portrait: the corner clashes
        {2, 8,    9, 4, {}},
        {2, 8,    9, 5, {{131, 2}}},
        {1, 8,    9, 5, {}},
        {2, 11,   9, 4, {{131, 2}}},   // long-edge paper, landscape
        {1, 11,   9, 4, {}},
        {1, 9,    9, 4, {}},           // code 0: every position stands
        {1, 1033, 9, 3, {{131, 2}}},   // code 4: the edge positions
        {2, 1033, 9, 3, {}},
        {1, 1033, 9, 6, {{131, 2}}},
        {1, 257,  8, 4, {{131, 2}}},   // the output paper follows the original size
        {1, 257,  9, 4, {}},
        {1, 2059, 9, 4, {{130, 0}}},   // code 3: no stapling at all
        {1, 513,  9, 2, {{130, 0}}},   // every user size is the user size, code 3
    };
    SetupPage(/*staple=*/1, /*punch=*/0);
    ASSERT_TRUE(IsControlEnabled(131));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Clear();
        Set({ {106, c.orientation}, {114, c.output}, {111, c.original}, {131, c.position} });
        ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected);
        EXPECT_TRUE(Partners().empty()) << "the user changed no staple control";
        // The twin hides the position the pass moves, and the paper on which the check box gives way.
        EXPECT_EQ(TwinProhibits(131, c.position), Has(c.expected, 131));
        EXPECT_EQ(TwinProhibits(320, c.position), Has(c.expected, 131));
        const WORD paperControl = c.output == 257 ? 111 : 114;
        const WORD paper = c.output == 257 ? c.original : c.output;
        EXPECT_EQ(TwinProhibits(paperControl, paper), Has(c.expected, 130));
    }
}

TEST_F(SpecialRules, NUpAndTheTwoPageLayoutsTurnTheOrientationAndDoubleThePaper)
{
    // A3 portrait with the corner position clashes; N-up 5 and 8 turn the pages.
    struct Case { WORD nupCheck, nup; bool moves; };
    const Case nups[] = { {0, 5, true}, {1, 5, false}, {1, 8, false}, {1, 6, true} };
    SetupPage(/*staple=*/1, /*punch=*/0);
    for (const Case& c : nups) {
        Clear();
        Set({ {106, 1}, {114, 8}, {131, 4}, {124, c.nupCheck}, {125, c.nup} });
        Update();
        ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts().size(), c.moves ? 1u : 0u) << "N-up " << c.nupCheck << "/" << c.nup;
    }

    // One sheet per two pages (either mode) or a booklet prints A4 on A3, turned: the corner 4 now fits, 5 not.
    struct Layout { ValuePairs checks; };
    const Layout layouts[] = {
        { { {319, 1}, {308, 1}, {309, 1} } },
        { { {319, 1}, {308, 1}, {309, 2} } },
        { { {319, 1}, {312, 1} } },
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(testing::Message() << "layout " << (&layout - layouts));
        FinishingPage(layout.checks);
        ASSERT_TRUE(IsControlEnabled(320));
        for (const auto& [position, moves] : { std::pair<WORD, bool>{4, false}, {5, true} }) {
            Clear();
            Set({ {106, 1}, {114, 9}, {320, position} });
            ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
            EXPECT_EQ(Conflicts(), (moves ? ValuePairs{ {320, 2} } : ValuePairs{})) << "position " << position;
        }
    }
}

TEST_F(SpecialRules, FoldKindsThatTurnThePaperChangeItsFeed)
{
    ASSERT_TRUE(IsRotatedPaper(2057));
    ASSERT_EQ(GetPlainPaperId(2057), 9);
    // Kind 5 with a rotated short-edge paper: the plain paper, fed long edge first; kind 6 the other way.
    struct Case { WORD fold, kind, orientation, paper; bool moves; };
    const Case cases[] = {
        {0, 5, 1, 2057, true},    // without the fold: short edge, portrait corner clashes
        {1, 5, 1, 2057, false},   // plain A4 long edge, code 0 turned counts as code 1
        {1, 5, 2, 2057, true},
        {0, 6, 1, 9,    false},   // plain A4: code 0
        {1, 6, 1, 9,    true},    // its rotated twin, short edge
        {1, 1, 1, 9,    false},   // a fold kind that turns nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FinishingPage({ {319, 1}, {317, c.fold}, {318, c.kind} });
        Clear();
        Set({ {106, c.orientation}, {114, c.paper}, {320, 4} });
        ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), (c.moves ? ValuePairs{ {320, 2} } : ValuePairs{}));
        EXPECT_EQ(TwinProhibits(320, 4), c.moves);
    }
}

TEST_F(SpecialRules, TheBypassTrayWithItsSpecialPaperTypeStaplesOnTheEdges)
{
    SetupPage(/*staple=*/1, /*punch=*/0);
    struct Case { WORD tray, type; bool moves; };
    const Case cases[] = { {4, 8, true}, {4, 1, false}, {1, 8, false} };
    for (const Case& c : cases) {
        Clear();
        Set({ {106, 1}, {114, 9}, {131, 3}, {120, c.tray}, {122, c.type} });
        ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts().size(), c.moves ? 1u : 0u) << "tray " << c.tray << " type " << c.type;
    }
}

TEST_F(SpecialRules, APaperThatTakesNoStaplesClearsTheEnabledStapleCheckBox)
{
    // With the setup page's check box enabled it gives way; with only the finishing page's, that one does.
    SetupPage(/*staple=*/1, /*punch=*/0);
    Set({ {114, 2059} });
    ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {130, 0} }));

    Clear();
    FinishingPage({ {319, 1} });
    ASSERT_FALSE(IsControlEnabled(130));
    ASSERT_TRUE(IsControlEnabled(319));
    Set({ {114, 2059} });
    ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {319, 0} }));

    // The user just asked for stapling: the papers stand against it, both when the output paper follows the
    // original size.
    Clear();
    Set({ {114, 257}, {111, 2059} });
    UserChanged({ 319 });
    ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Partners(), (ValuePairs{ {111, 2059}, {114, 257} }));
    EXPECT_EQ(Conflicts(), (ValuePairs{ {319, 0} }));

    // The position combo and its check box as a pair: the change is on them when the capture made both.
    Clear();
    Set({ {114, 2059} });
    UserChanged({ 320, 319 });
    ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Partners(), (ValuePairs{ {114, 2059} }));
}

TEST_F(SpecialRules, TheStapleCodeOf2061DependsOnTheOutputUnit)
{
    struct Case { WORD unit; ValuePairs expected; };
    const Case cases[] = { {2, {}}, {3, {{319, 0}}}, {4, {}}, {5, {{319, 0}}} };
    int checked = 0;
    for (const Case& c : cases) {
        Set({ {804, c.unit} });
        FinishingPage({ {319, 1} });
        if (!IsControlEnabled(319))
            continue;   // this unit offers no stapling at all
        ++checked;
        Clear();
        Set({ {114, 2061}, {320, 2} });
        ApplyStapleRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected) << "unit " << c.unit;
    }
    EXPECT_GE(checked, 2) << "units that staple, with and without a code for 2061";
}

TEST_F(SpecialRules, PunchPositionsAndPapersThatTakeNoPunching)
{
    struct Case { WORD orientation, paper, position, staple; ValuePairs expected; };
    const Case cases[] = {
        {1, 8,    1, 0, {{137, 2}}},   // short edge, portrait: class 1 clashes, moves to 2
        {2, 8,    1, 0, {}},
        {2, 8,    2, 0, {{137, 1}}},
        {1, 11,   1, 0, {}},           // code 2 counts only with stapling
        {2, 11,   1, 1, {{137, 2}}},
        {1, 2059, 1, 0, {{137, 2}}},   // code 3 without stapling is code 1
        {1, 2059, 1, 1, {{136, 0}}},   // with stapling no punching
        {1, 88,   1, 0, {{136, 0}}},   // code 4
        {1, 9,    1, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetupPage(c.staple, /*punch=*/1);
        ASSERT_TRUE(IsControlEnabled(137));
        Clear();
        Set({ {106, c.orientation}, {114, c.paper}, {137, c.position} });
        ApplyPunchRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected);
        EXPECT_EQ(TwinProhibits(137, c.position), Has(c.expected, 137));
        EXPECT_EQ(TwinProhibits(114, c.paper), Has(c.expected, 136));
    }

    // The user asked for punching on a paper that takes none: the paper is named.
    Clear();
    SetupPage(/*staple=*/0, /*punch=*/1);
    Set({ {114, 88} });
    UserChanged({ 136 });
    ApplyPunchRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Partners(), (ValuePairs{ {114, 88} }));
    EXPECT_EQ(Conflicts(), (ValuePairs{ {136, 0} }));
}

TEST_F(SpecialRules, PunchCodesFollowTheHoleCountAndTheFoldRotation)
{
    // Three holes on A3 (12): code 3, no punching while stapling.
    FinishingPage({ {319, 1}, {321, 1} });
    ITEM_LIST* holes = m_state->lpPunchHoles;
    ASSERT_NE(holes, nullptr);
    m_state->lpPunchHoles->wCurrent = 3;
    Set({ {106, 1}, {114, 12}, {322, 1} });
    ApplyPunchRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {321, 0} }));
    m_state->lpPunchHoles->wCurrent = 2;

    // Kind 5 takes the rotated A4 as plain A4 fed long edge first: the position no longer clashes.
    struct Case { WORD fold; ValuePairs expected; };
    const Case cases[] = { {0, {{322, 2}}}, {1, {}} };
    for (const Case& c : cases) {
        Clear();
        FinishingPage({ {321, 1}, {317, c.fold}, {318, 5} });
        Set({ {106, 1}, {114, 2059}, {322, 1} });
        ApplyPunchRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected) << "fold " << c.fold;
    }
}

TEST_F(SpecialRules, FoldingGivesWayOrTakesWhatItExcludes)
{
    struct Case { WORD paper, kind, oneSheet, booklet; ValuePairs expected; };
    const Case cases[] = {
        {88, 1, 0, 0, {{317, 0}}},   // code 3: no folding on this paper
        {8,  1, 1, 0, {{308, 0}}},   // code 1: not with one sheet per two pages
        {8,  1, 0, 1, {{312, 0}}},   //         nor with a booklet
        {8,  1, 0, 0, {}},
        {11, 1, 0, 0, {{317, 0}}},   // code 2: only with one of them
        {11, 1, 1, 0, {}},
        {8,  7, 0, 0, {{317, 0}}},   // kind 7 has its own column
        {88, 5, 0, 0, {}},           // kinds 5 and 6 have no codes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FinishingPage({ {317, 1}, {318, c.kind}, {308, c.oneSheet}, {312, c.booklet} });
        ASSERT_TRUE(IsControlEnabled(318));
        Clear();
        Set({ {114, c.paper} });
        ApplyFoldRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected);
        EXPECT_TRUE(Partners().empty());
        const bool anyResult = !c.expected.empty();
        EXPECT_EQ(TwinProhibits(114, c.paper), anyResult);
        EXPECT_EQ(TwinProhibits(318, c.kind), anyResult);
    }

    // The user just asked for one sheet per two pages: folding gives way instead.
    Clear();
    FinishingPage({ {317, 1}, {318, 1}, {308, 1} });
    Set({ {114, 8} });
    UserChanged({ 308 });
    ApplyFoldRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {317, 0} }));

    // The user just asked for folding on a paper that takes none: the papers stand against it.
    Clear();
    FinishingPage({ {317, 1}, {318, 1} });
    Set({ {114, 257}, {111, 88} });
    UserChanged({ 317 });
    ApplyFoldRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {317, 0} }));
    EXPECT_EQ(Partners(), (ValuePairs{ {111, 88}, {114, 257} }));

    // A fold kind candidate stands for the fold kind.
    Set({ {114, 8} });
    EXPECT_TRUE(TwinProhibits(318, 7));
    EXPECT_FALSE(TwinProhibits(318, 2));
    EXPECT_FALSE(TwinProhibits(318, 6));
}

TEST_F(SpecialRules, OneSheetPerTwoPagesNeedsAPaperThatHoldsTwo)
{
    FinishingPage({ {308, 1} });
    ASSERT_TRUE(IsControlEnabled(309));
    Set({ {114, 9} });
    ApplyOneSheetRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_TRUE(Conflicts().empty());
    EXPECT_FALSE(TwinProhibits(114, 9));

    Set({ {114, 8} });
    ApplyOneSheetRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {308, 0} }));
    EXPECT_TRUE(TwinProhibits(114, 8));
    EXPECT_FALSE(TwinProhibits(309, 1)) << "only papers are hidden";

    Clear();
    UserChanged({ 308 });
    ApplyOneSheetRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Partners(), (ValuePairs{ {114, 8} }));

    Clear();
    FinishingPage({});
    EXPECT_FALSE(TwinProhibits(114, 8)) << "without one sheet per two pages every paper is offered";
    ApplyOneSheetRule(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_TRUE(Conflicts().empty());
}

TEST_F(SpecialRules, TheBookletComboFollowsTheOrientation)
{
    struct Case { WORD orientation, combo, nupCheck, nup, paper; ValuePairs expected; };
    const Case cases[] = {
        {1, 1, 0, 8, 9, {}},
        {2, 1, 0, 8, 9, {{313, 2}}},
        {2, 0, 0, 8, 9, {{313, 2}}},
        {1, 2, 0, 8, 9, {{313, 1}}},
        {2, 2, 0, 8, 9, {}},
        {1, 1, 1, 5, 9, {{313, 2}}},   // N-up 5 on the finishing page turns the pages
        {1, 1, 1, 6, 9, {}},
        {1, 1, 0, 8, 8, {{312, 0}}},   // no booklet on A3
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FinishingPage({ {312, 1}, {302, c.nupCheck} });
        ASSERT_TRUE(IsControlEnabled(313));
        Clear();
        Set({ {106, c.orientation}, {313, c.combo}, {125, c.nup}, {114, c.paper} });
        ApplyBookletRule(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected);
        EXPECT_EQ(TwinProhibits(313, c.combo), Has(c.expected, 313));
        EXPECT_EQ(TwinProhibits(114, c.paper), Has(c.expected, 312));
    }
}

TEST_F(SpecialRules, OutputTraysThatTheFoldKindExcludes)
{
    struct Case { WORD fold, kind; bool tray2, tray3, tray4; };
    const Case cases[] = {
        {1, 1, true,  true,  false},
        {1, 7, true,  true,  false},
        {1, 5, false, true,  true },
        {1, 6, false, true,  true },
        {0, 1, false, false, true },   // the fold kind counts while its combo is disabled too
        {0, 5, false, false, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        FinishingPage({ {317, c.fold}, {318, c.kind} });
        ASSERT_EQ(IsControlEnabled(318), c.fold == 1);
        EXPECT_EQ(TwinProhibits(139, 2), c.tray2);
        EXPECT_EQ(TwinProhibits(139, 3), c.tray3);
        EXPECT_EQ(TwinProhibits(139, 4), c.tray4);
    }
}

TEST_F(SpecialRules, TheOutputTrayReCheckMovesAnExcludedTrayOrResetsADisabledOne)
{
    FinishingPage({ {317, 1}, {318, 1} });
    ASSERT_TRUE(IsControlEnabled(139));
    // Tray 2 with fold kind 1: the first tray left is 4; the working value stays for the round to apply.
    Set({ {139, 2} });
    RevalidateOutputTray(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(Conflicts(), (ValuePairs{ {139, 4} }));
    EXPECT_EQ(GetItemValue(139), 2);

    // The round already moved the fold kind to 5: tray 2 stays.
    Clear();
    ASSERT_TRUE(AppendConflict(&m_conflicts, 318, 5, kReasonTwoConditions));
    RevalidateOutputTray(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_EQ(WORD{ m_conflicts.wConflictCount }, 1);
    EXPECT_EQ(GetItemValue(318), 1);

    // The round set the tray to 3, which kind 1 excludes too: its entry takes the tray left.
    Clear();
    ASSERT_TRUE(AppendConflict(&m_conflicts, 139, 3, kReasonTwoConditions));
    RevalidateOutputTray(nullptr, m_state, &m_changes, &m_conflicts);
    ASSERT_EQ(WORD{ m_conflicts.wConflictCount }, 1);
    EXPECT_EQ(WORD{ m_conflicts.pConflicts[0].wValue }, 4);
    EXPECT_EQ(WORD{ m_conflicts.pConflicts[0].wReason }, kReasonTwoConditions);

    // Without the output unit the output tray is disabled: back to its default.
    struct Case { WORD tray; ValuePairs expected; };
    const Case cases[] = { {3, {{139, 2}}}, {2, {}} };
    for (const Case& c : cases) {
        Clear();
        Set({ {804, 1}, {139, c.tray} });
        Update();
        ASSERT_FALSE(IsControlEnabled(139));
        RevalidateOutputTray(nullptr, m_state, &m_changes, &m_conflicts);
        EXPECT_EQ(Conflicts(), c.expected) << "tray " << c.tray;
        EXPECT_EQ(GetItemValue(139), c.tray);
    }

    // A state set by hand before the re-check is a state it puts back.
    Clear();
    Set({ {804, 2}, {139, 2} });
    Update();
    SetControlRuleEnabled(320, 1);
    RevalidateOutputTray(nullptr, m_state, &m_changes, &m_conflicts);
    EXPECT_TRUE(IsControlEnabled(320));
}
