// resolve_services_test.cpp - the stored paper choice, the pending conflict message, the changed-item lists,
// the couplings of a change list, and the insert-sheet check.
#include "ui/core/resolve_services.h"

#include "host/faults.h"
#include "settings/store/intersheet_lists.h"
#include "settings/store/list_group_records.h"
#include "settings/store/settings_store.h"
#include "ui/core/built_sheet_fixture.h"
#include "ui/core/constraint_index.h"
#include "ui/core/constraint_lists.h"
#include "ui/core/named_insert_lists.h"
#include "ui/core/prohibition_tables.h"
#include "ui/core/saved_values.h"

#include <gtest/gtest.h>

class ResolveServices : public BuiltSheetTest {
protected:
    void TearDown() override
    {
        StorePaperSelection(111, 0);
        StorePaperSelection(114, 0);
        BuiltSheetTest::TearDown();
    }

    std::vector<std::tuple<WORD, WORD, WORD>> Entries(const CHANGE_ENTRY* entries, WORD count)
    {
        std::vector<std::tuple<WORD, WORD, WORD>> out;
        for (WORD i = 0; i < count; ++i)
            out.emplace_back(entries[i].wControl, entries[i].wPrevious, entries[i].wNew);
        return out;
    }
};

TEST_F(ResolveServices, AFirstChangeToTheStoredPaperTakesThePaperChosenLast)
{
    StorePaperSelection(111, 8);
    StorePaperSelection(120, 3);   // no slot
    EXPECT_EQ(GetStoredPaperSelection(111), 8);
    EXPECT_EQ(GetStoredPaperSelection(120), 0);

    RoundLists original;
    original.Captured(111, 9, kStoredPaperSelection);
    EXPECT_EQ(ResolveStoredPaperChange(nullptr, m_state, &original.changes), 1u);
    EXPECT_EQ(original.changes.pEntries[0].wNew, 8);
    EXPECT_EQ(GetItemValue(111), 8);

    RoundLists other;
    other.Captured(103, 1, kStoredPaperSelection);
    other.Captured(111, 9, kStoredPaperSelection);   // not the first entry
    EXPECT_EQ(ResolveStoredPaperChange(nullptr, m_state, &other.changes), 0u);
    EXPECT_EQ(other.changes.pEntries[1].wNew, kStoredPaperSelection);
    RoundLists none;
    EXPECT_EQ(ResolveStoredPaperChange(nullptr, m_state, &none.changes), 0u);
}

TEST_F(ResolveServices, ThePendingMessageIsADeepCopyOrNothing)
{
    RoundLists lists;
    lists.Captured(114, 9, 8);
    AppendConflict(&lists.conflicts, 612, 2, 2);
    AppendPartner(&lists.conflicts, 114, 8);
    lists.conflicts.wOutcome = kOutcomeGraphicsMode;
    SavePendingConflictMessage(nullptr, m_state, &lists.changes, &lists.conflicts);
    ASSERT_NE(m_state->pPendingConflict, nullptr);
    EXPECT_EQ(m_state->PendingConflict, 1u);
    lists.changes.pEntries[0].wNew = 1;
    lists.conflicts.pConflicts[0].wValue = 1;
    const CONFLICT_MESSAGE* kept = m_state->pPendingConflict;
    EXPECT_EQ(kept->changes.pEntries[0].wNew, 8);
    EXPECT_EQ(kept->conflicts.pConflicts[0].wValue, 2);
    EXPECT_EQ(kept->conflicts.pPartners[0].wValue, 8);
    EXPECT_EQ(kept->conflicts.wOutcome, kOutcomeGraphicsMode);

    // Each allocation of the copy failing in turn leaves no message at all, not half of one.
    for (unsigned nth = 1; nth <= 4; ++nth) {
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        SavePendingConflictMessage(nullptr, m_state, &lists.changes, &lists.conflicts);
        host::ClearFaults();
        const CONFLICT_MESSAGE* none = m_state->pPendingConflict;
        EXPECT_EQ(none, nullptr) << nth;
        EXPECT_EQ(m_state->PendingConflict, 0u) << nth;
    }
    FreePendingConflictMessage(m_state);
}

TEST_F(ResolveServices, ChangedItemsAreCollectedPerPageAndMergedOnce)
{
    SaveItemValues(m_state);
    const WORD copies = GetItemValue(103);
    const WORD original = GetItemValue(111);
    Set({ {103, static_cast<WORD>(copies + 2)}, {111, 8}, {301, 1}, {2405, 3} });
    CollectChangedPageItems(m_state, 100);
    EXPECT_EQ(Entries(m_state->pChangedPageItems, m_state->ChangedPageItemCount),
              (std::vector<std::tuple<WORD, WORD, WORD>>{ {103, copies, copies + 2}, {111, original, 8} }));
    EXPECT_EQ(m_state->ChangedItemsPage, 100);

    RoundLists lists;
    lists.Captured(103, copies, static_cast<WORD>(copies + 2));
    MergeChangedPageItems(m_state, &lists.changes);
    EXPECT_EQ(Entries(lists.changes.pEntries, lists.changes.wCount),
              (std::vector<std::tuple<WORD, WORD, WORD>>{ {103, copies, copies + 2}, {111, original, 8} }));
    FreeChangedPageItems(m_state);
    EXPECT_EQ(m_state->ChangedPageItemCount, 0);

    // Over every page, but not the insert-sheet dialog's fields; the current value in both words.
    CollectChangedItems(m_state);
    EXPECT_EQ(Entries(m_state->pChangedItems, m_state->ChangedItemCount),
              (std::vector<std::tuple<WORD, WORD, WORD>>{ {103, copies + 2, copies + 2}, {111, 8, 8}, {301, 1, 1} }));
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    CollectChangedItems(m_state);
    host::ClearFaults();
    EXPECT_EQ(m_state->ChangedItemCount, 0);
    EXPECT_EQ(m_state->pChangedItems, nullptr);
    FreeChangedItems(m_state);
}

TEST_F(ResolveServices, ThePagesPerSheetBringTheOrderAlong)
{
    struct Case {
        const char* what;
        WORD order;
        std::vector<std::tuple<WORD, WORD, WORD>> changes, expected;
        WORD orderAfter;
    };
    const Case cases[] = {
        { "several pages from one", 1, { {125, 1, 2} }, { {125, 1, 2}, {127, 1, 3} }, 3 },
        { "one page from several", 4, { {125, 2, 1} }, { {125, 2, 1}, {127, 4, 1} }, 1 },
        { "booklet on the finishing page", 5, { {303, 2, 8} }, { {303, 2, 8}, {304, 5, 1} }, 1 },
        { "order kept, still listed", 4, { {125, 2, 3} }, { {125, 2, 3}, {127, 4, 4} }, 4 },
        { "the user's order change stays first", 4, { {127, 2, 4}, {125, 2, 1} }, { {127, 2, 1}, {125, 2, 1} }, 1 },
    };
    for (const Case& c : cases) {
        Set({ {127, c.order} });
        RoundLists lists;
        for (const auto& [control, previous, next] : c.changes)
            lists.Captured(control, previous, next);
        CoupleLayoutOrder(m_state, &lists.changes);
        EXPECT_EQ(Entries(lists.changes.pEntries, lists.changes.wCount), c.expected) << c.what;
        EXPECT_EQ(GetItemValue(127), c.orderAfter) << c.what;
    }
}

class NamedInsertLists : public ResolveServices {
protected:
    void SetUp() override
    {
        ResolveServices::SetUp();
        if (HasFatalFailure())
            return;
        const INTERSHEET_GROUP* group = m_state->pStore->lpInterSheet;
        ASSERT_NE(group, nullptr);
        ASSERT_NE(group->lpLists, nullptr);
        m_state->InterSheetListData_nCurrent = 1;
        ASSERT_TRUE(LoadNamedInsertList(nullptr, m_state));
    }

    void AddEntry(WORD tray, SHORT indexPaper)
    {
        INTERSHEET_ENTRY& entry = m_state->InsertSheetEntries[m_state->InterSheetListData_PageListNum++];
        entry = {};
        entry.Page[0] = u'2';
        entry.Type = 1;
        entry.Tray = static_cast<SHORT>(tray);
        entry.Binding = 1;
        entry.PrnTabIndex = indexPaper;
        entry.Stat = kOptionAvailable;
    }
};

TEST_F(NamedInsertLists, ChoosingAnotherListKeepsTheEditsOfTheFirst)
{
    AddEntry(1, 0);
    AddEntry(2, 0);
    m_state->InterSheetListData_Mixplex = 1;
    Set({ {247, 2}, {2434, 1} });
    RoundLists lists;
    lists.Captured(247, 1, 2);
    CoupleNamedInsertList(nullptr, m_state, &lists.changes);
    EXPECT_EQ(SHORT{ m_state->InterSheetListData_nCurrent }, 2);
    EXPECT_EQ(SHORT{ m_state->InterSheetListData_PageListNum }, 0);
    EXPECT_EQ(Entries(lists.changes.pEntries, lists.changes.wCount),
              (std::vector<std::tuple<WORD, WORD, WORD>>{ {247, 1, 2}, {2434, 1, 0} }));
    EXPECT_EQ(GetItemValue(2434), 0);

    Set({ {247, 1} });
    RoundLists back;
    back.Captured(247, 2, 1);
    CoupleNamedInsertList(nullptr, m_state, &back.changes);
    EXPECT_EQ(SHORT{ m_state->InterSheetListData_PageListNum }, 2);
    EXPECT_EQ(SHORT{ m_state->InsertSheetEntries[1].Tray }, 2);
    EXPECT_EQ(GetItemValue(2434), 1);

    // Another change leaves the lists alone but still shows the list's sides flag.
    Set({ {2434, 0} });
    RoundLists other;
    other.Captured(103, 1, 2);
    CoupleNamedInsertList(nullptr, m_state, &other.changes);
    EXPECT_EQ(other.changes.wCount, 1);
    EXPECT_EQ(GetItemValue(2434), 1);
}

TEST_F(NamedInsertLists, InsertSheetsTheJobNoLongerAllowsAreMarked)
{
    const ITEM_LIST* trays = List(2407);
    ASSERT_NE(trays, nullptr);
    ASSERT_GE(WORD{ trays->wCount }, 1);
    const WORD tray = NamedEntries(trays)[0].wValue;
    AddEntry(tray, 0);
    AddEntry(tray, 0);
    AddEntry(tray, 1);
    // Our own rule: the entries' tray cannot feed a raster job.
    static PROHIBITION_RULE<2> rows2[2] = {};
    rows2[0] = { { { 2407, static_cast<SHORT>(tray) }, { 612, 1 } }, 2407, 1 };
    static constexpr PROHIBITION_RULE<3> rows3[] = { {} };
    static constexpr PROHIBITION_RULE<4> rows4[] = { {} };
    static constexpr PROHIBITION_RULE<5> rows5[] = { {} };
    Use({ rows2, rows3, rows4, rows5 });

    Set({ {215, 1}, {612, 2}, {2405, 2}, {2407, 7}, {114, 9} });
    UpdateControlRules(nullptr, m_state);
    ASSERT_TRUE(IsControlEnabled(249));
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckCount), 0);

    Set({ {612, 1} });
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckNewly), 3);   // raster also excludes index paper
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(WORD{ m_state->InsertSheetEntries[i].Stat }, kOptionProhibited) << i;
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckNewly), 0);
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckCount), 3);

    // Everything the check tried is back as it was.
    EXPECT_EQ(GetItemValue(2405), 2);
    EXPECT_EQ(GetItemValue(2407), 7);
    EXPECT_EQ(GetItemValue(114), 9);

    // Back to vector graphics: the plain entries are allowed again, the index one by its own rules too.
    Set({ {612, 2} });
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckCount), 0);
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckNewly), 0);

    // Without the insert-sheet list there is nothing to check.
    Set({ {215, 0} });
    UpdateControlRules(nullptr, m_state);
    EXPECT_EQ(CheckInsertSheetList(nullptr, m_state, kInsertCheckCount), 0);
}
