#pragma once
// special_rules_fixture.h - a built sheet with the finishing units fitted, a change list and a conflict list,
// and prohibition tables of the test's own (none unless a test gives some), so that what the lists offer is
// what the rules under test decide.

#include "ui/core/built_sheet_fixture.h"
#include "ui/core/conflict_list.h"
#include "ui/core/constraint_index.h"
#include "ui/core/control_rules.h"
#include "ui/core/option_lists.h"
#include "ui/core/prohibition_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

using ValuePairs = std::vector<std::pair<WORD, WORD>>;

class SpecialRulesTest : public BuiltSheetTest {
protected:
    void SetUp() override
    {
        BuiltSheetTest::SetUp();
        if (HasFatalFailure())
            return;
        Use(kNoRows);
        ASSERT_TRUE(InitConflictList(&m_conflicts));
        // The output unit, the punch/Z-fold unit and the punch kit are fitted: finishing is offered.
        Set({ {804, 2}, {830, 3}, {828, 2} });
        Update();
    }

    void TearDown() override
    {
        FreeConflictList(&m_conflicts);
        FreeChangeList(&m_changes);
        BuiltSheetTest::TearDown();
    }

    void Update() { UpdateControlRules(nullptr, m_state); }

    // Stapling and punching on the setup page: simple finishing on, the check boxes as given.
    void SetupPage(WORD staple, WORD punch)
    {
        Set({ {301, 0}, {123, 1}, {130, staple}, {136, punch}, {124, 0} });
        Update();
    }

    // The finishing page with the given check boxes; simple finishing off.
    void FinishingPage(const ValuePairs& checks = {})
    {
        Set({ {123, 0}, {301, 1}, {302, 0}, {308, 0}, {312, 0}, {317, 0}, {319, 0}, {321, 0} });
        for (const auto& [control, value] : checks)
            SetItemValue(control, value);
        Update();
    }

    // The user changed these controls, in order: they are the captured entries.
    void UserChanged(std::initializer_list<WORD> controls)
    {
        for (WORD control : controls)
            ASSERT_TRUE(AppendChange(&m_changes, control, GetItemValue(control), GetItemValue(control)));
        m_changes.wCapturedCount = m_changes.wCount;
        m_changes.wChangedControl = m_changes.pEntries[0].wControl;
    }

    // Starts the next case with empty lists.
    void Clear()
    {
        FreeConflictList(&m_conflicts);
        ASSERT_TRUE(InitConflictList(&m_conflicts));
        FreeChangeList(&m_changes);
    }

    // The conflict entries as (control, value); every special rule gives its reason as 0.
    ValuePairs Conflicts() const
    {
        ValuePairs out;
        for (WORD i = 0; i < m_conflicts.wConflictCount; ++i) {
            CONFLICT_ENTRY entry;
            std::memcpy(&entry, &m_conflicts.pConflicts[i], sizeof entry);
            const WORD control = entry.wControl;
            EXPECT_EQ(WORD{ entry.wReason }, kReasonDefault) << "control " << control;
            EXPECT_EQ(static_cast<void*>(entry.pValue), GetItemValuePtr(control)) << "control " << control;
            out.emplace_back(control, entry.wValue);
        }
        return out;
    }

    ValuePairs Partners() const
    {
        ValuePairs out;
        for (WORD i = 0; i < m_conflicts.wPartnerCount; ++i)
            out.emplace_back(WORD{ m_conflicts.pPartners[i].wControl }, WORD{ m_conflicts.pPartners[i].wValue });
        return out;
    }

    // The option of the list with the value; the test fails when the list does not offer it.
    ITEM_LIST_ENTRY* Option(WORD control, WORD value)
    {
        ITEM_LIST* list = List(control);
        const int index = GetOptionIndex(list, value);
        EXPECT_GE(index, 0) << "control " << control << " offers no " << value;
        return index < 0 ? nullptr : &NamedEntries(list)[index];
    }

    WORD Index(WORD control, WORD value) { return static_cast<WORD>(GetOptionIndex(List(control), value)); }

    WORD StateOf(WORD control, WORD value)
    {
        const ITEM_LIST_ENTRY* option = Option(control, value);
        return option != nullptr ? WORD{ option->wState } : WORD{ 0 };
    }

    static constexpr PROHIBITION_RULE<2> kNone2[] = { {} };
    static constexpr PROHIBITION_RULE<3> kNone3[] = { {} };
    static constexpr PROHIBITION_RULE<4> kNone4[] = { {} };
    static constexpr PROHIBITION_RULE<5> kNone5[] = { {} };
    static constexpr PROHIBITION_TABLES kNoRows = { kNone2, kNone3, kNone4, kNone5 };

    // The records are packed: keep their pointers where the helpers that free them may read them.
    alignas(4) CHANGE_LIST m_changes = {};
    alignas(4) CONFLICT_LIST m_conflicts = {};
};
