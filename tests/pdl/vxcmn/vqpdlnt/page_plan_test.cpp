// page_plan_test.cpp - the page plan built from insert-sheet entries sent by escape, shown as its sheets, and
// its answers about the sides around a page.
#include "page_plan_fixture.h"

namespace {

// Sheets of the plan as text: "1/2" a two-sided sheet, "3" a one-sided one, "I" an inserted front, "-" a
// blank back; "|" after a sheet that ends its run.
struct BuildCase {
    const char* name;
    bool twoSided;
    std::vector<PlanEntry> entries;
    LONG insertsOneSided;
    std::string sheets;
};

TEST_F(PagePlan, TheBuildLaysThePagesOutSheetBySheet)
{
    const BuildCase cases[] = {
        {"one-sided, a sheet inserted after page 3", false, {{1, u"3"}}, 1, "1 2 3| I| 4"},
        {"one-sided, sheets inserted before pages 1 and 3", false, {{6, u"1,3"}}, 1, "I| 1 2| I| 3 4"},
        {"two-sided, a chapter at page 4", true, {{5, u"4"}}, 1, "1/2 3/-| 4/5 6/-"},
        {"two-sided, a chapter on a front changes nothing", true, {{5, u"3"}}, 1, "1/2 3/4"},
        {"two-sided, pages 5 and 6 one-sided", true, {{2, u"5-6"}}, 1, "1/2 3/4| 5| 6| 7/8"},
        {"two-sided, a one-sided range from a back", true, {{2, u"4-5"}}, 1, "1/2 3/-| 4| 5| 6/-"},
        {"one-sided, pages 2 to 4 two-sided", false, {{3, u"2-4"}}, 1, "1| 2/3 4/-| 5"},
        {"two-sided, pages with the document's sides keep their pairs", true, {{4, u"3-4"}}, 1, "1/2| 3/4| 5/6"},
        {"one-sided, a chapter does nothing", false, {{5, u"2"}}, 1, "1 2 3"},
        {"two-sided, an insert after page 1 starts page 2 on a sheet", true, {{1, u"1"}}, 1, "1/-| I| 2/-"},
        {"two-sided, inserts get a blank back unless one-sided", true, {{1, u"2"}}, 0, "1/2| I/-| 3/4"},
        {"two-sided, one-sided inserts", true, {{1, u"2"}}, 1, "1/2| I| 3/4"},
        {"entries of every kind together", true, {{2, u"3"}, {5, u"6"}, {6, u"1"}}, 0,
         "I/-| 1/2| 3| 4/5 6/7 8/-"},
        {"print types outside 1 to 6 are skipped", false, {{0, u"2"}, {7, u"2"}, {1, u"1"}}, 1, "1| I| 2"},
        {"a list of more than 9,999 pages adds no page", false, {{1, u"1-9999,5"}, {1, u"2"}}, 1, "1 2| I| 3"},
        {"an empty token lists page 0, which is skipped", false, {{6, u",2"}}, 1, "1| I| 2 3"},
    };
    for (const BuildCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(OpenPlan(c.twoSided), nullptr);
        ASSERT_EQ(SendEntries(c.entries, c.insertsOneSided), 1u);
        EXPECT_EQ(Sheets(), c.sheets);
        NextCase();
    }
}

TEST_F(PagePlan, AnEntryCarriesItsTrayBindingAndTab)
{
    ASSERT_NE(OpenPlan(true), nullptr);
    PlanEntry tabbed = {6, u"2", 3, 3, 1};
    PlanEntry range = {4, u"3", 4096, 1, 0};
    ASSERT_EQ(SendEntries({range, tabbed}, 1), 1u);
    ASSERT_EQ(Sheets(), "1/-| I| 2/-| 3/-| 4/-");   // page 3 alone in its run, so page 4 starts a sheet
    const PAGE_PLAN_SHEET inserted = Sheet(2);
    EXPECT_EQ(Copy(inserted.sTray), 3);
    EXPECT_EQ(Copy(inserted.bBinding), 3);
    EXPECT_EQ(Copy(inserted.sInsertIndex), 2) << "the entry's number + 1";
    const PAGE_PLAN_SHEET ranged = Sheet(4);
    EXPECT_EQ(Copy(ranged.sTray), static_cast<SHORT>(m_pdev->devmode.dmPrivate.env.lpMediaSource));
    EXPECT_EQ(Copy(ranged.bBinding), GetPlanDuplexMode(m_pdev));
    EXPECT_EQ(Copy(ranged.sInsertIndex), 0);
}

TEST_F(PagePlan, OnlyEntriesThatArrivedAndAreCountedArePlanned)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    // Two entries sent, one counted: the second is not read.
    std::vector<BYTE> bytes = EntryBytes({{1, u"1"}, {1, u"2"}});
    ASSERT_EQ(SendLong(ESC_SET_INSERT_COUNT, 1), 1u);
    ASSERT_EQ(Send(ESC_SET_INSERT_SHEETS, bytes), 1u);
    ASSERT_EQ(Send(ESC_REBUILD_PAGE_PLAN), 1u);
    EXPECT_EQ(Sheets(), "1| I| 2");
    // Two counted, one and a half sent: the entry cut short is not read, nor is the one sent before.
    ASSERT_EQ(SendLong(ESC_SET_INSERT_COUNT, 2), 1u);
    bytes.resize(sizeof(INTERSHEET_ENTRY) + 300);
    ASSERT_EQ(Send(ESC_SET_INSERT_SHEETS, bytes), 1u);
    ASSERT_EQ(Send(ESC_REBUILD_PAGE_PLAN), 1u);
    EXPECT_EQ(Sheets(), "1| I| 2");
}

TEST_F(PagePlan, AJobWithoutAnInsertListHasNoPlan)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    m_pdev->devmode.dmPrivate.env.InterSheet_Check = 0;
    ASSERT_EQ(SendEntries({{1, u"1"}}, 1), 1u);
    EXPECT_EQ(CollectPlanSides(m_pdev, 1, nullptr, 0), 0);
    EXPECT_EQ(CountInsertedSidesBefore(m_pdev, 2), 0);
    Context()->lCurrentPage = 2;
    BYTE side = 9;
    BYTE binding = 9;
    EXPECT_FALSE(GetPageSide(m_pdev, &side, &binding));
    EXPECT_EQ(side, 9);
    WORD tray = 0;
    EXPECT_FALSE(GetPageRangeTray(m_pdev, &tray));
}

TEST_F(PagePlan, CollectedSidesRunToTheSheetOfTheNextPage)
{
    struct Case {
        const char* name;
        bool twoSided;
        std::vector<PlanEntry> entries;
        LONG insertsOneSided;
        int page;
        int count;
    };
    const Case cases[] = {
        {"before the first page, nothing inserted", false, {{1, u"3"}}, 1, 0, 0},
        {"before the first page, a cover", true, {{6, u"1"}}, 0, 0, 2},
        {"a middle page with a sheet after it", false, {{1, u"3"}}, 1, 3, 2},
        {"the last page of the plan", false, {{1, u"3"}}, 1, 4, 1},
        {"a front whose back is the next page", true, {{1, u"3"}}, 1, 1, 1},
        {"a front with a blank back", true, {{5, u"4"}}, 1, 3, 2},
        {"a back, then an insert with its blank back", true, {{1, u"2"}}, 0, 2, 3},
        {"two inserts after the same page", false, {{1, u"2"}, {6, u"3"}}, 1, 2, 3},
        {"a page beyond the plan", false, {{1, u"3"}}, 1, 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(OpenPlan(c.twoSided), nullptr);
        ASSERT_EQ(SendEntries(c.entries, c.insertsOneSided), 1u);
        const int count = CollectPlanSides(m_pdev, c.page, nullptr, 0);
        EXPECT_EQ(count, c.count) << Sheets();
        std::vector<PLANNED_SHEET> sides(static_cast<size_t>(count) + 1);
        EXPECT_EQ(CollectPlanSides(m_pdev, c.page, sides.data(), count), count);
        NextCase();
    }
}

TEST_F(PagePlan, ATabSideCarriesTheInsertPaperAndTheEntrysTab)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    PlanEntry tabbed = {1, u"1", 2, 1, 1};
    tabbed.tabText = std::u16string(80, u'T');   // longer than the 63 units the side keeps
    tabbed.tabNumber = 3;
    tabbed.face = u"Mincho";
    tabbed.size = 12;
    ASSERT_EQ(SendEntries({tabbed}, 1, /*paper=*/1033), 1u);
    PLANNED_SHEET sides[2] = {};
    ASSERT_EQ(CollectPlanSides(m_pdev, 1, sides, 2), 2);
    EXPECT_EQ(Copy(sides[0].sPaper), static_cast<SHORT>(m_pdev->devmode.dmPrivate.lpOutputPaper));
    EXPECT_EQ(Copy(sides[0].sInsertIndex), 0);
    const PLANNED_SHEET& tab = sides[1];
    EXPECT_EQ(Copy(tab.sPaper), 1033);
    EXPECT_EQ(Copy(tab.sTray), 2);
    EXPECT_EQ(Copy(tab.sInsertIndex), 1);
    EXPECT_EQ(Copy(tab.sTabNumber), 3);
    EXPECT_EQ(Copy(tab.sFontSize), 12);
    WCHAR text[64];
    std::memcpy(text, tab.szTabText, sizeof text);
    EXPECT_EQ(std::u16string(text), std::u16string(63, u'T'));
    WCHAR face[32];
    std::memcpy(face, tab.szFontFace, sizeof face);
    EXPECT_EQ(std::u16string(face), u"Mincho");

    // The current page's sheet carries no tab: the page keeps its own paper and the entry's tray is not its.
    Context()->lCurrentPage = 1;
    SHORT paper = -5;
    EXPECT_FALSE(GetPlanPagePaper(m_pdev, &paper));
    EXPECT_EQ(paper, -5);
}

TEST_F(PagePlan, ThePageOfATabRangeTakesTheInsertPaperAndTheEntrysTray)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendEntries({{2, u"2", 3, 1, 1}}, 1, /*paper=*/1033), 1u);
    struct Case { LONG page; BOOL tab; SHORT paper; WORD tray; };
    const WORD source = m_pdev->devmode.dmPrivate.env.lpMediaSource;
    const Case cases[] = {
        {1, FALSE, 0, source},
        {2, TRUE, 1033, 3},
        {7, FALSE, 0, source},   // beyond the plan
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Context()->lCurrentPage = c.page;
        SHORT paper = 0;
        EXPECT_EQ(GetPlanPagePaper(m_pdev, &paper), c.tab);
        EXPECT_EQ(paper, c.paper);
        WORD tray = 0;
        EXPECT_TRUE(GetPageRangeTray(m_pdev, &tray));
        EXPECT_EQ(tray, c.tray);
    }
}

TEST_F(PagePlan, SidesAndBindingComeFromThePagesSheetAndPairOnBeyondIt)
{
    ASSERT_NE(OpenPlan(true), nullptr);
    ASSERT_EQ(SendEntries({{2, u"3"}}, 1), 1u);
    ASSERT_EQ(Sheets(), "1/2| 3| 4/-");
    struct Case { LONG page; BYTE side; BOOL inPlan; BYTE sides; };
    const Case cases[] = {
        {1, 0, TRUE, 2}, {2, 1, TRUE, 2}, {3, 0, TRUE, 1}, {4, 0, TRUE, 2},
        {5, 0, FALSE, 0}, {6, 1, FALSE, 0}, {7, 0, FALSE, 0},   // after the last page the table holds
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        Context()->lCurrentPage = c.page;
        BYTE side = 9;
        BYTE binding = 9;
        EXPECT_TRUE(GetPageSide(m_pdev, &side, &binding));
        EXPECT_EQ(side, c.side);
        BYTE sides = 0;
        EXPECT_EQ(GetPlanPageDuplex(m_pdev, &sides, &binding), c.inPlan);
        EXPECT_EQ(sides, c.sides);
    }
}

TEST_F(PagePlan, InsertedSidesAreCountedUpToThePagesSide)
{
    ASSERT_NE(OpenPlan(true), nullptr);
    ASSERT_EQ(SendEntries({{6, u"1"}, {1, u"2"}, {5, u"4"}}, 0), 1u);
    ASSERT_EQ(Sheets(), "I/-| 1/2| I/-| 3/-| 4/5 6/-");
    struct Case { int page; int count; };
    const Case cases[] = {{0, 0}, {1, 2}, {2, 2}, {3, 4}, {4, 5}, {5, 5}, {40, 5}};
    for (const Case& c : cases)
        EXPECT_EQ(CountInsertedSidesBefore(m_pdev, c.page), c.count) << "page " << c.page;
}

TEST_F(PagePlan, TheTableStopsAt19999Sheets)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    // 10,000 one-sided pages and an insert after each of the first 9,999: the table is full.
    ASSERT_EQ(SendEntries({{1, u"1-9999"}, {6, u"5000"}}, 1), 1u);
    EXPECT_EQ(Copy(Context()->sPlanSheets), kPlanMaxSheets);
    EXPECT_EQ(Copy(Sheet(kPlanMaxSheets).sFront), 10000);
    EXPECT_EQ(CountInsertedSidesBefore(m_pdev, 10000), 9999) << "the insert before page 5000 was not made";
}

TEST_F(PagePlan, ARebuildReplacesThePlanAndTheDocumentsEndFreesIt)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendEntries({{1, u"1"}}, 1), 1u);
    ASSERT_EQ(SendEntries({{1, u"2"}}, 1), 1u);
    EXPECT_EQ(Sheets(), "1 2| I| 3");
    ASSERT_TRUE(EndDocument(true));
    EXPECT_EQ(Copy(Context()->pPlanTable), nullptr);
    EXPECT_EQ(Copy(Context()->pInsertEntries), nullptr);
    EXPECT_EQ(CollectPlanSides(m_pdev, 2, nullptr, 0), 0);
}

TEST_F(PagePlan, AFailedAllocationLeavesTheJobWithoutAPlan)
{
    ASSERT_NE(OpenPlan(false), nullptr);
    ASSERT_EQ(SendEntries({{1, u"1"}}, 1), 1u);
    for (unsigned nth = 1; nth <= 5; ++nth) {   // each block the build takes
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        EXPECT_EQ(Send(ESC_REBUILD_PAGE_PLAN), 0u) << nth;
        host::ClearFaults();
        EXPECT_EQ(Sheets(), "") << nth;
        EXPECT_EQ(CollectPlanSides(m_pdev, 1, nullptr, 0), 0) << nth;
    }
    EXPECT_EQ(Send(ESC_REBUILD_PAGE_PLAN), 1u);
    EXPECT_EQ(Sheets(), "1| I| 2");
}

} // namespace
