// constraint_checks_test.cpp - the checks and passes of a resolve round: the prohibition passes with their
// member test, partners and outcome, the device-option path, the mirrored paper types, the dependent check
// boxes, the option rules with their replacements, the papers drawn in, the position pairs, and the lists.
#include "ui/core/constraint_checks.h"

#include "host/faults.h"
#include "ui/core/built_sheet_fixture.h"
#include "ui/core/constraint_index.h"
#include "ui/core/constraint_lists.h"
#include "ui/core/prohibition_tables.h"
#include "ui/core/saved_values.h"

#include <gtest/gtest.h>

#include <set>

using Conflict = RoundLists::Conflict;
using Conflicts = std::vector<Conflict>;

class ConstraintChecks : public BuiltSheetTest {
protected:
    // One two-condition rule of our own, indexed for the sheet.
    void UseRule(PROHIBITION_RULE<2> rule)
    {
        m_rows2[0] = rule;
        Use({ m_rows2, m_empty3, m_empty4, m_empty5 });
    }

    static PROHIBITION_RULE<2> Rule(WORD c, WORD v, WORD partner, WORD value, WORD yield, WORD yieldValue)
    {
        return { { { c, static_cast<SHORT>(v) }, { partner, static_cast<SHORT>(value) } }, yield, yieldValue };
    }

    // Makes two controls enabled whatever their governors say.
    void Enable(std::initializer_list<WORD> controls)
    {
        UpdateControlRules(nullptr, m_state);
        for (WORD control : controls)
            SetControlRuleEnabled(control, 1);
    }

    PROHIBITION_RULE<2> m_rows2[2] = {};
    PROHIBITION_RULE<3> m_empty3[1] = {};
    PROHIBITION_RULE<4> m_empty4[1] = {};
    PROHIBITION_RULE<5> m_empty5[1] = {};
};

TEST_F(ConstraintChecks, RasterGraphicsAgainstALargePaperNamesThePartnersOfAnUndoneChange)
{
    Set({ {114, 8}, {612, 1} });   // the capture has stored the user's new value
    UpdateControlRules(nullptr, m_state);
    RoundLists lists;
    lists.Captured(612, 2, 1);
    ApplyProhibitions2(nullptr, m_state, &lists.changes, &lists.conflicts);
    EXPECT_EQ(lists.Conflicts(), (Conflicts{ {114, 257, 2} }));
    EXPECT_TRUE(lists.Partners().empty());
    EXPECT_EQ(lists.conflicts.wOutcome, 0);

    // A later round has drawn the paper in: now the rule that resets the graphics mode fires too, undoing the
    // user's own change, and the paper is what refuses it.
    lists.Appended(114, 8);
    ApplyProhibitions2(nullptr, m_state, &lists.changes, &lists.conflicts);
    EXPECT_EQ(lists.Conflicts(), (Conflicts{ {114, 257, 2}, {114, 257, 2}, {612, 2, 2} }));
    EXPECT_EQ(lists.Partners(), (std::vector<std::pair<WORD, WORD>>{ {114, 8} }));
    EXPECT_EQ(lists.conflicts.wOutcome, kOutcomeGraphicsMode);
}

TEST_F(ConstraintChecks, ADeviceOptionChangeMeetsControlsItsUnitsDoNotAllow)
{
    // The output unit at 2 without a fold unit does not allow folding: the fold controls' option rules fail.
    Set({ {804, 2}, {120, 4} });
    UpdateControlRules(nullptr, m_state);
    ASSERT_EQ(GetRuleTable2State(317), 0u);
    struct Case { WORD yield; Conflicts expected; };
    const Case cases[] = {
        { 317, { {317, 0, kReasonDeviceChange} } },   // a check box: reset without the member test
        { 318, {} },                                  // a governed list: left to its option rule
        { 122, { {122, 0, 2} } },                     // a job setting its rule allows: the member test passes
    };
    for (const Case& c : cases) {
        UseRule(Rule(804, 2, 122, GetItemValue(122), c.yield, 0));
        UpdateControlRules(nullptr, m_state);
        RoundLists lists;
        lists.Captured(804, 1, 2);
        ApplyProhibitions2(nullptr, m_state, &lists.changes, &lists.conflicts);
        EXPECT_EQ(lists.Conflicts(), c.expected) << c.yield;
    }
}

TEST_F(ConstraintChecks, ThePaperTypesOfTheSetupAndCoversPagesFollowEachOther)
{
    const ITEM_LIST* cover = List(231);
    ASSERT_NE(cover, nullptr);
    std::set<WORD> coverTypes;
    for (WORD i = 0; i < cover->wCount; ++i)
        coverTypes.insert(WORD{ NamedEntries(cover)[i].wValue });
    WORD notOffered = 0;
    for (WORD i = 0; i < List(122)->wCount; ++i) {
        const WORD value = NamedEntries(List(122))[i].wValue;
        if (coverTypes.count(value) == 0)
            notOffered = value;
    }
    ASSERT_GE(coverTypes.size(), 2u);
    const WORD a = *coverTypes.begin();
    const WORD b = *std::next(coverTypes.begin());

    struct Case {
        const char* what;
        WORD paperType, coverType;
        std::vector<std::tuple<WORD, WORD, WORD>> changes;   // control, previous, new
        Conflicts expected;
    };
    const Case cases[] = {
        { "setup first", b, a, { {122, a, b} }, { {231, b, 2} } },
        { "covers first", a, b, { {231, a, b} }, { {122, b, 2} } },
        { "setup later", b, a, { {201, 0, 1}, {122, a, b} }, { {231, b, 2} } },   // the cover check comes first
        { "covers later", a, b, { {103, 1, 2}, {231, a, b} }, { {231, a, 2} } },
        { "covers later, type not offered", notOffered, b, { {103, 1, 2}, {231, a, b} },
          { {122, 1, 2}, {231, 1, 2} } },
        { "same types", a, a, { {122, b, a} }, {} },
    };
    for (const Case& c : cases) {
        if (c.paperType == 0)
            continue;   // every paper type is offered for the covers as well
        Set({ {122, c.paperType}, {231, c.coverType} });
        Enable({ 122, 231 });
        RoundLists lists;
        for (const auto& [control, previous, next] : c.changes)
            lists.Captured(control, previous, next);
        const DWORD result = RunConstraintChecks(nullptr, m_state, &lists.changes, &lists.conflicts);
        Conflicts mirrored;
        for (const Conflict& conflict : lists.Conflicts())
            if (std::get<0>(conflict) == 122 || std::get<0>(conflict) == 231)
                mirrored.push_back(conflict);
        EXPECT_EQ(mirrored, c.expected) << c.what;
        EXPECT_EQ((result & kCheckMirroredPair) != 0, !c.expected.empty()) << c.what;
    }
}

TEST_F(ConstraintChecks, ChaptersGoWhenDuplexIsOff)
{
    Set({ {301, 1}, {310, 0}, {312, 0}, {314, 1} });
    UpdateControlRules(nullptr, m_state);
    ASSERT_TRUE(IsControlEnabled(310));
    ASSERT_FALSE(IsControlEnabled(314));
    RoundLists lists;
    lists.Captured(310, 1, 0);
    const DWORD result = RunConstraintChecks(nullptr, m_state, &lists.changes, &lists.conflicts);
    EXPECT_NE(result & kCheckDependentCheckBox, 0u);
    EXPECT_EQ(lists.Conflicts().front(), Conflict(314, 0, kReasonDependentCheckBox));
}

TEST_F(ConstraintChecks, AFoldKindItsUnitsTakeAwayFallsBackToItsNeighbour)
{
    Set({ {804, 2}, {830, 3}, {301, 1}, {317, 1} });
    struct Case { WORD kind, expected; };
    for (const Case c : { Case{ 4, 2 }, Case{ 3, 1 } }) {
        Set({ {318, c.kind} });
        UseRule(Rule(318, c.kind, 804, 2, 318, 0));
        UpdateControlRules(nullptr, m_state);
        SaveItemValues(m_state);
        RoundLists lists;
        lists.Captured(804, 1, 2);
        const DWORD result = RunConstraintChecks(nullptr, m_state, &lists.changes, &lists.conflicts);
        EXPECT_NE(result & kCheckOptionRules, 0u) << c.kind;
        const Conflicts conflicts = lists.Conflicts();
        EXPECT_NE(std::find(conflicts.begin(), conflicts.end(), Conflict(318, c.expected, kReasonOptionRule)),
                  conflicts.end()) << c.kind;
    }
}

TEST_F(ConstraintChecks, SwitchingADoublingOffDrawsThePaperIn)
{
    struct Case {
        const char* what;
        WORD control, output, oneSheet;
        bool paperListed;
        std::vector<std::pair<WORD, WORD>> expected;   // the entries appended after the capture
    };
    const WORD original = GetItemValue(111);
    const Case cases[] = {
        { "one sheet off", 308, 9, 0, false, { {114, 9} } },
        { "booklet off, same as original", 312, 257, 0, false, { {111, original} } },
        { "finishing off with one sheet on", 301, 9, 1, false, { {114, 9} } },
        { "finishing off, nothing doubled", 301, 9, 0, false, {} },
        { "paper already in the change", 308, 9, 0, true, {} },
    };
    for (const Case& c : cases) {
        Set({ {114, c.output}, {308, c.oneSheet}, {312, 0}, {c.control, 0} });
        UpdateControlRules(nullptr, m_state);
        RoundLists lists;
        lists.Captured(c.control, 1, 0);
        if (c.paperListed)
            lists.Appended(114, c.output);
        const WORD captured = lists.changes.wCount;
        RunConstraintChecks(nullptr, m_state, &lists.changes, &lists.conflicts);
        std::vector<std::pair<WORD, WORD>> appended;
        for (WORD i = captured; i < lists.changes.wCount; ++i)
            appended.emplace_back(lists.changes.pEntries[i].wControl, lists.changes.pEntries[i].wNew);
        EXPECT_EQ(appended, c.expected) << c.what;
    }
}

TEST_F(ConstraintChecks, TheGraphicsDefaultsButtonResetsTheDitherToo)
{
    const WORD dither = GetItemDefaultValue(605);
    Set({ {605, static_cast<WORD>(dither + 1)} });
    UpdateControlRules(nullptr, m_state);
    RoundLists lists;
    lists.Captured(612, 1, 2);
    lists.changes.wChangedControl = 615;   // the image page's defaults button made the change
    RunConstraintChecks(nullptr, m_state, &lists.changes, &lists.conflicts);
    const Conflicts conflicts = lists.Conflicts();
    for (WORD dependant : { 605, 606, 607 })
        EXPECT_NE(std::find(conflicts.begin(), conflicts.end(), Conflict(dependant, dither, kReasonDefault)),
                  conflicts.end()) << dependant;

    // Changed by hand, the graphics mode leaves the dither alone.
    RoundLists byHand;
    byHand.Captured(612, 1, 2);
    RunConstraintChecks(nullptr, m_state, &byHand.changes, &byHand.conflicts);
    for (const Conflict& conflict : byHand.Conflicts())
        EXPECT_NE(std::get<0>(conflict), 605);
}

TEST_F(ConstraintChecks, StapleAndPunchPositionsEndAsAPairTheFinisherCanDo)
{
    const WORD stapleDefault = GetItemDefaultValue(131);
    const WORD punchDefault = GetItemDefaultValue(137);
    struct Case {
        const char* what;
        WORD changed, punchValue;
        Conflicts round, expected;
    };
    const Case cases[] = {
        { "staple set, punch changed by the user", 137, 3, { {131, 2, 3} }, { {131, 3, 3} } },
        { "both set to a pair", 137, 3, { {131, 4, 2}, {137, 2, 2} },
          { {131, stapleDefault, 2}, {137, punchDefault, 2} } },
        { "a pair the finisher can do", 137, 1, { {131, 4, 3} }, { {131, 4, 3} } },
        { "no punch involved", 103, 3, { {131, 2, 3} }, { {131, 2, 3} } },
    };
    for (const Case& c : cases) {
        Set({ {137, c.punchValue} });
        RoundLists lists;
        lists.Captured(c.changed, 1, 2);
        for (const auto& [control, value, reason] : c.round)
            AppendConflict(&lists.conflicts, control, value, reason);
        RunPairRulePasses(nullptr, m_state, &lists.changes, &lists.conflicts, 0);
        EXPECT_EQ(lists.Conflicts(), c.expected) << c.what;
    }
}

TEST_F(ConstraintChecks, RecalledCheckBoxesTheUnitsDoNotAllowGoBackToTheirDefaults)
{
    Set({ {804, 1}, {317, 1} });
    UpdateControlRules(nullptr, m_state);
    ASSERT_EQ(GetRuleTable2State(317), 0u);
    RoundLists lists;
    EXPECT_EQ(CheckRecalledOptionDefaults(nullptr, m_state, &lists.changes, &lists.conflicts), 1);
    EXPECT_EQ(lists.Conflicts(), (Conflicts{ {317, GetItemDefaultValue(317), kReasonRecalledCheckBox} }));

    Set({ {804, 4} });   // a unit that folds
    UpdateControlRules(nullptr, m_state);
    RoundLists allowed;
    EXPECT_EQ(CheckRecalledOptionDefaults(nullptr, m_state, &allowed.changes, &allowed.conflicts), 0);
}

TEST_F(ConstraintChecks, FinishingOnOneOfTheTwoPagesSwitchesTheOtherOff)
{
    struct Case { WORD changed, other; };
    for (const Case c : { Case{ 301, 123 }, Case{ 123, 301 } }) {
        Set({ {c.other, 1}, {c.changed, 1} });
        UpdateControlRules(nullptr, m_state);
        RoundLists lists;
        lists.Captured(c.changed, 0, 1);
        ApplySpecialRules(nullptr, m_state, &lists.changes, &lists.conflicts);
        EXPECT_EQ(GetItemValue(c.other), 0) << c.changed;
        EXPECT_EQ(GetItemValue(c.changed), 1) << c.changed;
    }
}

class ConflictList : public WorldTest {};

TEST_F(ConflictList, GrowsBeyondItsBuffersAndRefusesWhenItCannot)
{
    CONFLICT_LIST list;
    ASSERT_TRUE(InitConflictList(&list));
    for (WORD i = 0; i < 250; ++i) {
        ASSERT_TRUE(AppendConflict(&list, static_cast<WORD>(1000 + i), i, 2));
        ASSERT_TRUE(AppendPartner(&list, static_cast<WORD>(1000 + i), i));
    }
    EXPECT_EQ(list.wConflictCount, 250);
    EXPECT_EQ(list.pConflicts[249].wValue, 249);
    EXPECT_EQ(list.pPartners[0].wControl, 1000);
    EXPECT_EQ(FindLastConflict(&list, 1100), 100);
    EXPECT_EQ(FindLastConflict(&list, 1100, 101), -1);

    // Full again at 400: the growth fails, the list stays as it was and the resolve ends refused.
    while (list.wConflictCount < list.wConflictRoom)
        AppendConflict(&list, 7, 7, 2);
    const WORD full = list.wConflictCount;
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    EXPECT_FALSE(AppendConflict(&list, 8, 8, 2));
    host::ClearFaults();
    EXPECT_EQ(list.wConflictCount, full);
    EXPECT_EQ(list.wOutcome, kOutcomeRefused);
    FreeConflictList(&list);
    EXPECT_EQ(list.pConflicts, nullptr);

    CHANGE_LIST changes = {};
    ASSERT_TRUE(AppendChange(&changes, 111, 9, 8));
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    EXPECT_FALSE(AppendChange(&changes, 114, 9, 8));
    host::ClearFaults();
    EXPECT_EQ(changes.wCount, 1);
    EXPECT_EQ(changes.pEntries[0].wNew, 8);
    FreeChangeList(&changes);

    host::InjectFault(host::Fault::GlobalAlloc, 2);
    EXPECT_FALSE(InitConflictList(&list));
    host::ClearFaults();
    EXPECT_EQ(list.pConflicts, nullptr);
    EXPECT_EQ(list.pPartners, nullptr);
}
