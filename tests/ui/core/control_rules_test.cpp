// control_rules_test.cpp - enable states from the control-rule levels, several-row combines, continuation
// rows, option-rule chains, the rule callbacks, showing states on a page, and keeping states across work.
#include "ui/core/control_rules.h"

#include "host/faults.h"
#include "win/commctrl.h"
#include "ui/core/rule_callbacks.h"
#include "ui/core/rule_tables.h"
#include "ui/core/item_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

class ControlRules : public ItemStateTest {
protected:
    void SetUp() override
    {
        ItemStateTest::SetUp();
        if (HasFatalFailure())
            return;
        // A fitted output unit with a fold unit and punch kit, so that the option rules let finishing through.
        Set({ {804, 2}, {830, 3}, {828, 2}, {824, 2} });
    }

    BOOL Enabled(WORD control)
    {
        UpdateControlRules(nullptr, m_state);
        return IsControlEnabled(control);
    }
};

TEST_F(ControlRules, ADisabledGovernorDisablesItsDependantsAlthoughTheyAreChecked)
{
    Set({ {301, 0}, {319, 1}, {321, 1}, {314, 1}, {310, 1} });
    UpdateControlRules(nullptr, m_state);
    for (WORD control : { 319, 320, 321, 322, 314, 315, 316, 391, 302, 303 })
        EXPECT_FALSE(IsControlEnabled(control)) << control;

    SetItemValue(301, 1);
    UpdateControlRules(nullptr, m_state);
    for (WORD control : { 319, 320, 321, 322, 314, 315, 316, 391 })
        EXPECT_TRUE(IsControlEnabled(control)) << control;

    // Level 3 follows the level-2 state of 314, not its check box.
    Set({ {310, 0}, {312, 0} });
    UpdateControlRules(nullptr, m_state);
    EXPECT_FALSE(IsControlEnabled(314));
    for (WORD control : { 315, 316, 391 })
        EXPECT_FALSE(IsControlEnabled(control)) << control << " although 314 is checked";
}

TEST_F(ControlRules, SeveralRowsCombineByOrAndAnd)
{
    struct Case { WORD d310, d312, overlay, graphics; BOOL e314, e405, e412; };
    const Case cases[] = {
        {1, 0, 3, 2, TRUE,  TRUE,  TRUE },
        {0, 1, 3, 1, TRUE,  FALSE, TRUE },
        {0, 0, 2, 2, FALSE, FALSE, TRUE },   // AND: the first row fails, the second alone does not carry
        {0, 0, 1, 2, FALSE, FALSE, FALSE},
    };
    SetItemValue(301, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Set({ {310, c.d310}, {312, c.d312}, {403, c.overlay}, {611, c.graphics}, {844, 3} });
        UpdateControlRules(nullptr, m_state);
        EXPECT_EQ(IsControlEnabled(314), c.e314);
        EXPECT_EQ(IsControlEnabled(405), c.e405);
        EXPECT_EQ(IsControlEnabled(412), c.e412);
        EXPECT_EQ(IsControlEnabled(407), c.e412);   // four rows, the same two conditions twice
    }
}

TEST_F(ControlRules, ContinuationRowsAreAlternativeValues)
{
    const std::pair<WORD, BOOL> cases[] = { {1, TRUE}, {2, TRUE}, {3, TRUE}, {4, FALSE}, {0, FALSE} };
    for (const auto& [tray, enabled] : cases) {
        SetItemValue(139, tray);
        UpdateControlRules(nullptr, m_state);
        EXPECT_EQ(IsControlEnabled(141), enabled) << "output tray " << tray;
        EXPECT_EQ(IsControlEnabled(140), enabled) << "output tray " << tray;
    }
    // Device options: 823 for units 2 and 4, 829 for 2, 3 and 4.
    const std::pair<WORD, std::pair<BOOL, BOOL>> units[] = {
        {2, {TRUE, TRUE}}, {3, {FALSE, TRUE}}, {4, {TRUE, TRUE}}, {1, {FALSE, FALSE}},
    };
    for (const auto& [unit, expected] : units) {
        SetItemValue(804, unit);
        UpdateControlRules(nullptr, m_state);
        EXPECT_EQ(IsControlEnabled(823), expected.first) << "unit " << unit;
        EXPECT_EQ(IsControlEnabled(829), expected.second) << "unit " << unit;
    }
    // A continuation row is never the control's row.
    EXPECT_EQ(FindRuleRowOfControl(0), kNoRuleRow);
}

TEST_F(ControlRules, OptionRulesNeedTheFittedUnits)
{
    struct Case { WORD unit, punchFold, fold; BOOL fold317, staple319, punch321, collate143; };
    const Case cases[] = {
        {2, 3, 1, TRUE,  TRUE,  TRUE,  TRUE },
        {2, 1, 2, TRUE,  TRUE,  FALSE, TRUE },   // the second chain of unit 2
        {2, 1, 1, FALSE, TRUE,  FALSE, TRUE },   // unit 2 alone is half a chain
        {3, 3, 1, TRUE,  TRUE,  TRUE,  TRUE },
        {4, 1, 1, TRUE,  TRUE,  FALSE, TRUE },
        {5, 3, 2, FALSE, FALSE, TRUE,  TRUE },
        {1, 3, 2, FALSE, FALSE, TRUE,  FALSE},
    };
    Set({ {301, 1}, {317, 1}, {319, 1}, {321, 1}, {828, 1} });
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Set({ {804, c.unit}, {830, c.punchFold}, {832, c.fold} });
        UpdateControlRules(nullptr, m_state);
        EXPECT_EQ(IsControlEnabled(317), c.fold317);
        EXPECT_EQ(IsControlEnabled(318), c.fold317 && c.fold317);
        EXPECT_EQ(IsControlEnabled(319), c.staple319);
        EXPECT_EQ(IsControlEnabled(320), c.staple319);
        EXPECT_EQ(IsControlEnabled(321), c.punch321);
        EXPECT_EQ(IsControlEnabled(143), c.collate143);
        EXPECT_EQ(GetRuleTable2State(317), static_cast<DWORD>(c.fold317));
    }
    EXPECT_EQ(GetRuleTable2State(103), 1u);   // no option rules
    // The control rules alone enable the staple check on page 100; the output unit takes it away.
    Set({ {123, 1}, {804, 1} });
    UpdateControlRules(nullptr, m_state);
    EXPECT_FALSE(IsControlEnabled(130));
}

TEST_F(ControlRules, CallbacksDecideTheirTargets)
{
    auto* entries = m_state->InsertSheetEntries;
    ASSERT_NE(entries, nullptr);
    auto setEntryTray = [&](UINT i, SHORT tray) {
        std::memcpy(reinterpret_cast<BYTE*>(entries) + i * sizeof(INTERSHEET_ENTRY) + offsetof(INTERSHEET_ENTRY, Tray),
                    &tray, sizeof tray);
    };
    struct Case { WORD front, frontTray, back, backTray, inserts, entryTray, docTray; SHORT count; BOOL manual; };
    const Case cases[] = {
        {1, 4, 0, 4, 0, 0,    1, 0, TRUE },
        {0, 4, 1, 1, 0, 0,    1, 0, FALSE},   // the front tray is manual, but there is no front cover
        {0, 1, 1, 4, 0, 0,    1, 0, TRUE },
        {0, 1, 0, 1, 1, 4,    1, 1, TRUE },
        {0, 1, 0, 1, 1, 4096, 4, 1, TRUE },   // the document's tray, which is the manual one
        {0, 1, 0, 1, 1, 4096, 1, 1, FALSE},
        {0, 1, 0, 1, 1, 4,    1, 0, FALSE},   // no entries
        {0, 1, 0, 1, 0, 4,    1, 1, FALSE},   // insert sheets off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Set({ {201, c.front}, {212, c.frontTray}, {205, c.back}, {214, c.backTray}, {215, c.inserts}, {120, c.docTray} });
        setEntryTray(0, static_cast<SHORT>(c.entryTray));
        m_state->InterSheetListData_PageListNum = c.count;
        UpdateControlRules(nullptr, m_state);
        for (WORD control : { 228, 229, 230, 231 })
            EXPECT_EQ(IsControlEnabled(control), c.manual) << control;
    }
    // A count beyond the entry area is cut to it.
    m_state->InterSheetListData_PageListNum = 30000;
    EXPECT_EQ(CountInsertSheetEntries(m_state), kInterSheetEntryCapacity);

    Set({ {611, 2}, {844, 1} });
    EXPECT_FALSE(Enabled(402));
    Set({ {611, 1}, {844, 1} });
    EXPECT_TRUE(Enabled(402));
    Set({ {611, 2}, {844, 3} });
    EXPECT_TRUE(Enabled(402));

    SetItemValue(603, 0);
    EXPECT_TRUE(Enabled(605));
    EXPECT_TRUE(Enabled(620));
    SetItemValue(603, 1);
    EXPECT_FALSE(Enabled(605));

    // Without a window the insert-sheet list's row buttons are off; the others follow 215.
    m_state->InterSheetListData_PageListNum = 1;
    SetItemValue(215, 1);
    EXPECT_TRUE(Enabled(246));
    EXPECT_TRUE(Enabled(2434));
    EXPECT_FALSE(Enabled(251));
    EXPECT_FALSE(InsertListButtonRule(nullptr, m_state, 254, 200));
    SetItemValue(215, 0);
    EXPECT_FALSE(Enabled(246));
}

TEST_F(ControlRules, QueriesOfRulesAndTheirAbsentAnswers)
{
    UpdateControlRules(nullptr, m_state);
    EXPECT_TRUE(IsControlEnabled(103));      // no rule, but an item
    EXPECT_FALSE(IsControlEnabled(9999));    // neither
    EXPECT_FALSE(IsControlEnabled(134));     // named by rules, no item, no row
    EXPECT_TRUE(IsControlEnabled(145));      // always
    EXPECT_EQ(GetControlRuleSource(122), 120);
    EXPECT_EQ(GetControlRuleSource(143), 0xFFFF);
    EXPECT_EQ(GetControlRuleSource(9999), 0xFFFF);
    EXPECT_EQ(FindRuleRowOfControl(122), 0);
    EXPECT_EQ(MatchRuleRow(0xFFFE), 0u);
    EXPECT_EQ(GetUiTableCounts().wControlRules, 157);
    EXPECT_EQ(GetUiTableCounts().wOptionRules, 56);
    EXPECT_EQ(GetUiTableCounts().wThirdRules, 0);

    SetControlRuleEnabled(103, 0);           // a control without rows: nothing to store into
    EXPECT_TRUE(IsControlEnabled(103));
    SetControlRuleEnabled(314, 1);           // both rows of 314
    EXPECT_TRUE(IsControlEnabled(314));
    EXPECT_EQ(GetControlRuleRows()[FindRuleRowOfControl(314) + 1].dwState, 1u);
}

TEST_F(ControlRules, EvaluatingOneTargetCarriesTheGovernorsStateFromRowToRow)
{
    // 314 has two level-2 rows governed by 310 and 312; with 310's row off and 312's on, the second row takes
    // 312's state, the first 310's.
    Set({ {301, 1}, {310, 0}, {312, 1} });
    UpdateControlRules(nullptr, m_state);
    ASSERT_TRUE(IsControlEnabled(314));
    SetControlRuleEnabled(312, 0);
    EvaluateControlRule(FindRuleRowOfControl(314));
    EXPECT_FALSE(IsControlEnabled(314)) << "312 matches, but its governor's state is off";
}

TEST_F(ControlRules, StatesAreKeptAcrossWorkAndRestored)
{
    Set({ {301, 1}, {804, 2} });
    UpdateControlRules(nullptr, m_state);
    RULE_STATE_ENTRY* control = nullptr;
    RULE_STATE_ENTRY* option = nullptr;
    RULE_STATE_ENTRY* third = reinterpret_cast<RULE_STATE_ENTRY*>(1);
    SaveRuleStates(&control, &option, &third);
    ASSERT_NE(control, nullptr);
    ASSERT_NE(option, nullptr);
    EXPECT_EQ(third, nullptr);   // the third table has no rows

    Set({ {301, 0}, {804, 1} });
    UpdateControlRules(nullptr, m_state);
    ASSERT_FALSE(IsControlEnabled(319));
    RestoreRuleStates(control, option, third);
    EXPECT_TRUE(IsControlEnabled(319));
    EXPECT_EQ(GetRuleTable2State(319), 1u);
    FreeRuleStates(&control, &option, &third);
    EXPECT_EQ(control, nullptr);
    EXPECT_EQ(option, nullptr);

    // A failed allocation leaves a null array, which restore and free skip.
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    SaveRuleStates(&control, nullptr, nullptr);
    host::ClearFaults();
    EXPECT_EQ(control, nullptr);
    RestoreRuleStates(control, nullptr, nullptr);
    FreeRuleStates(&control, nullptr, nullptr);
}

TEST_F(ControlRules, EnablePageControlsShowsTheStatesOfTheCurrentPage)
{
    const HWND page = CreateWindowExW(0, u"STATIC", u"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(page, nullptr);
    std::vector<std::pair<WORD, HWND>> children;
    for (WORD id : { 121, 122, 124, 125, 143, 319 }) {
        const HWND child = CreateWindowExW(0, u"BUTTON", u"", WS_CHILD, 0, 0, 5, 5, page,
                                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
        ASSERT_NE(child, nullptr);
        children.emplace_back(id, child);
    }
    Set({ {120, 4}, {123, 0}, {124, 1}, {301, 1}, {319, 1} });
    UpdateControlRules(page, m_state);
    m_state->CurrentDialogId = 100;
    EnablePageControls(page, m_state);   // 2024 and 826 sit in no window of this page: skipped quietly
    const std::pair<WORD, BOOL> expected[] = { {121, TRUE}, {122, TRUE}, {124, FALSE}, {125, FALSE}, {143, TRUE},
                                                {319, TRUE} };   // 319 belongs to page 300: left as it was
    for (const auto& [id, enabled] : expected)
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(page, id)), enabled) << id;
    DestroyWindow(page);
}

TEST_F(ControlRules, TheInsertSheetRowButtonsNeedTheFocusedListAndASelectedInsertSheet)
{
    const HWND page = CreateWindowExW(0, u"STATIC", u"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(page, nullptr);
    const HWND list = CreateWindowExW(0, WC_LISTVIEWW, u"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 80, 80, page,
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(249)), nullptr, nullptr);
    const HWND other = CreateWindowExW(0, u"BUTTON", u"", WS_CHILD | WS_VISIBLE, 0, 0, 5, 5, page,
                                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(246)), nullptr, nullptr);
    ASSERT_NE(list, nullptr);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 60;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    WCHAR text[] = u"row";
    for (int i = 0; i < 2; ++i) {   // the document, then one insert sheet
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    auto select = [&](int row) {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED;
        state.state = LVIS_SELECTED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    };
    SetItemValue(215, 1);
    m_state->InterSheetListData_PageListNum = 1;

    struct Step { const char* what; std::function<void()> act; BOOL enabled; };
    const Step steps[] = {
        {"focus elsewhere",            [&] { select(1); SetFocus(other); },                  FALSE},
        {"focus on the list, row 1",   [&] { SetFocus(list); },                              TRUE },
        {"no entries",                 [&] { m_state->InterSheetListData_PageListNum = 0; },  FALSE},
        {"entries again",              [&] { m_state->InterSheetListData_PageListNum = 1; },  TRUE },
        {"insert sheets off",          [&] { SetItemValue(215, 0); },                        FALSE},
    };
    for (const Step& step : steps) {
        step.act();
        UpdateControlRules(page, m_state);
        for (WORD button : { 251, 252, 253, 254 })
            EXPECT_EQ(IsControlEnabled(button), step.enabled) << step.what << ", button " << button;
    }
    // Only the document row selected: no insert sheet to act on.
    SetItemValue(215, 1);
    LVITEMW none = {};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    select(0);
    SetFocus(list);
    EXPECT_FALSE(InsertListButtonRule(page, m_state, 251, 200));
    EXPECT_TRUE(InsertListButtonRule(page, m_state, 255, 200));
    DestroyWindow(page);
}
