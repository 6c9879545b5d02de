// page_plan_build.cpp - the page plan's build: base sheets, then one pass per kind of insert-sheet entry.
//
// The table lists the sheets in the order they leave the printer. A run is a group of sheets paired two-sided
// as a unit: it ends at the first sheet with bRunEnd set, or at the table's end. Whenever a page must start a
// sheet but lies on a back, its sheet keeps a blank back and ends its run, and the pages after it up to the
// run's end pair again from that page. The entries come from another module by escape: a pass reads only
// entries in use, and a page list is parsed within the entry's 129 units.
#include "pdl/vxcmn/vqpdlnt/page_plan_build.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/pagelist/page_list_text.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr SHORT kMaxListedPages = 9999;
constexpr SHORT kBindingOfDocument = 1;   // an entry's binding: the document's own
constexpr SHORT kTrayOfDocument = 4096;   // an entry's tray: the document's own

// Print types of an insert-sheet entry.
enum class PrintType : SHORT {
    InsertAfter = 1,   // an inserted sheet after each listed page
    OneSided = 2,      // the listed pages one-sided
    TwoSided = 3,      // the listed pages two-sided
    AsDocument = 4,    // the listed pages with the document's sides
    Chapter = 5,       // each listed page starts a sheet
    InsertBefore = 6,  // an inserted sheet before each listed page
};

// The listed pages of an entry in use, ascending, each once; false for an entry not in use.
struct EntryPages {
    INTERSHEET_ENTRY entry;
    WORD pages[kMaxListedPages];
    int count;
};

bool ReadEntryPages(PDEV* pdev, int index, EntryPages* pOut)
{
    if (!ReadInsertEntry(pdev, index, &pOut->entry))
        return false;
    const SHORT type = pOut->entry.Type;
    if (type < static_cast<SHORT>(PrintType::InsertAfter) || type > static_cast<SHORT>(PrintType::InsertBefore))
        return false;
    WCHAR text[sizeof pOut->entry.Page / sizeof(WCHAR) + 1] = {};   // the field need not be terminated
    std::memcpy(text, pOut->entry.Page, sizeof pOut->entry.Page);
    const SHORT count = ParsePageRanges(text, pOut->pages, kMaxListedPages);
    if (count < 0)
        return false;
    std::sort(pOut->pages, pOut->pages + count);
    pOut->count = static_cast<int>(std::unique(pOut->pages, pOut->pages + count) - pOut->pages);
    return true;
}

// Pages to lay out again, each with the sheet it came from (whose values the new sheet keeps). The table holds
// at most 10,001 document pages, so a table's worth of room is never short.
struct PageList {
    SHORT numbers[kPlanTableRecords];
    PAGE_PLAN_SHEET origins[kPlanTableRecords];
    int count;
};

struct Plan {
    PAGE_PLAN_SHEET* t;        // the table, from index 1
    int n;                     // sheets in it
    PAGE_PLAN_SHEET* scratch;  // room for a table's worth of new sheets
    PageList* pages;           // working room of the editing steps
    int hint;                  // where the last page was found: the passes ask for pages in ascending order
};

void AddPage(PageList& list, SHORT page, const PAGE_PLAN_SHEET& origin)
{
    if (list.count >= kPlanTableRecords)
        return;
    list.numbers[list.count] = page;
    list.origins[list.count++] = origin;
}

// What an entry gives the sheets it makes or re-sides.
struct SheetAttributes {
    BYTE bBinding;
    SHORT sTray;
    SHORT sInsertIndex;
};

SheetAttributes EntryAttributes(PDEV* pdev, const INTERSHEET_ENTRY& entry, int index)
{
    SheetAttributes a;
    a.bBinding = entry.Binding == kBindingOfDocument ? GetPlanDuplexMode(pdev) : static_cast<BYTE>(entry.Binding);
    a.sTray = entry.Tray == kTrayOfDocument ? static_cast<SHORT>(pdev->devmode.dmPrivate.env.lpMediaSource)
                                            : entry.Tray;
    a.sInsertIndex = entry.PrnTabIndex == 1 ? static_cast<SHORT>(index + 1) : 0;
    return a;
}

bool HoldsPage(const PAGE_PLAN_SHEET& sheet, int page)
{
    return sheet.sFront == page || (sheet.bSides == 2 && sheet.sBack == page);
}

// The sheet holding page (searched from where the last one was found), and whether it is on the back.
int FindSheet(Plan& plan, int page, bool* pBack)
{
    if (page < 1 || plan.n < 1)
        return 0;
    const int start = plan.hint >= 1 && plan.hint <= plan.n ? plan.hint : 1;
    for (int step = 0; step < plan.n; ++step) {
        const int i = (start - 1 + step) % plan.n + 1;
        if (HoldsPage(plan.t[i], page)) {
            *pBack = plan.t[i].sFront != page;
            plan.hint = i;
            return i;
        }
    }
    return 0;
}

int RunEnd(const Plan& plan, int i)
{
    while (i < plan.n && plan.t[i].bRunEnd == 0)
        ++i;
    return i;
}

// Puts count sheets (from plan.scratch) in place of sheets first to last (none when last < first). False,
// changing nothing, when the table would pass its sheets.
bool Replace(Plan& plan, int first, int last, int count)
{
    const int removed = last >= first ? last - first + 1 : 0;
    const int newCount = plan.n - removed + count;
    if (newCount > kPlanMaxSheets)
        return false;
    const int tail = plan.n - (first + removed) + 1;   // sheets behind the replaced ones
    if (tail > 0)
        std::memmove(static_cast<void*>(&plan.t[first + count]), &plan.t[first + removed],
                     static_cast<size_t>(tail) * sizeof(PAGE_PLAN_SHEET));
    if (count > 0)
        std::memcpy(static_cast<void*>(&plan.t[first]), plan.scratch, static_cast<size_t>(count) * sizeof(PAGE_PLAN_SHEET));
    if (newCount < plan.n)
        std::memset(static_cast<void*>(&plan.t[newCount + 1]), 0,
                    static_cast<size_t>(plan.n - newCount) * sizeof(PAGE_PLAN_SHEET));
    plan.n = newCount;
    return true;
}

// Lays the pages of plan.pages out two-sided into plan.scratch: each new sheet keeps the sheet values of the
// sheet its front page came from, the last one ends its run as runEnd says and has a blank back when the pages
// are odd. Returns the sheets laid out.
int PairPages(Plan& plan, BYTE runEnd)
{
    const PageList& list = *plan.pages;
    int made = 0;
    for (int k = 0; k < list.count; k += 2) {
        PAGE_PLAN_SHEET sheet = list.origins[k];
        sheet.sFront = list.numbers[k];
        sheet.sBack = k + 1 < list.count ? list.numbers[k + 1] : kPlanNoPage;
        sheet.bSides = 2;
        sheet.bRunEnd = 0;
        plan.scratch[made++] = sheet;
    }
    if (made > 0)
        plan.scratch[made - 1].bRunEnd = runEnd;
    return made;
}

// Makes page start a sheet on a front: when it lies on a two-sided sheet's back, that sheet keeps a blank back
// and ends its run, and the page and the rest of the run pair again from it. Nothing when the page is on a
// front, on no sheet, or when the table has no room.
void StartSheetAt(Plan& plan, int page)
{
    bool back = false;
    const int i = FindSheet(plan, page, &back);
    if (i == 0 || !back || plan.t[i].bSides != 2)
        return;
    const int end = RunEnd(plan, i);
    PageList& list = *plan.pages;
    list.count = 0;
    AddPage(list, static_cast<SHORT>(page), plan.t[i]);
    for (int k = i + 1; k <= end; ++k) {
        const PAGE_PLAN_SHEET sheet = plan.t[k];
        if (sheet.sFront >= 1)
            AddPage(list, sheet.sFront, sheet);
        if (sheet.bSides == 2 && sheet.sBack >= 1)
            AddPage(list, sheet.sBack, sheet);
    }
    const int made = PairPages(plan, plan.t[end].bRunEnd);
    if (!Replace(plan, i + 1, end, made))
        return;
    plan.t[i].sBack = kPlanNoPage;
    plan.t[i].bRunEnd = 1;
}

// Pages first to first + n - 1 take sides of their own (1 or 2) and the entry's sheet values: they start a
// sheet, so does the page after them, and they are laid out again one to a sheet or two to a sheet. The sheet
// before them and their last sheet end a run.
void ResideRange(Plan& plan, int first, int n, BYTE wanted, const SheetAttributes& a)
{
    StartSheetAt(plan, first);
    StartSheetAt(plan, first + n);
    bool back = false;
    const int from = FindSheet(plan, first, &back);
    if (from == 0)
        return;
    // From the range's first sheet on, the sheets hold only pages of the range (and blank backs) up to the
    // sheet of the first page after it.
    PageList& list = *plan.pages;
    list.count = 0;
    int to = from - 1;
    for (int k = from; k <= plan.n; ++k) {
        const PAGE_PLAN_SHEET sheet = plan.t[k];
        const bool frontInRange = sheet.sFront >= first && sheet.sFront < first + n;
        if (!frontInRange && sheet.sFront != kPlanNoPage)
            break;
        to = k;
        if (frontInRange)
            AddPage(list, sheet.sFront, sheet);
        if (sheet.bSides == 2 && sheet.sBack >= first && sheet.sBack < first + n)
            AddPage(list, sheet.sBack, sheet);
    }
    int made = 0;
    if (wanted == 2) {
        made = PairPages(plan, 1);
    } else {
        for (int k = 0; k < list.count; ++k) {
            PAGE_PLAN_SHEET sheet = list.origins[k];
            sheet.sFront = list.numbers[k];
            sheet.sBack = 0;
            sheet.bSides = 1;
            sheet.bRunEnd = 1;
            plan.scratch[made++] = sheet;
        }
    }
    for (int k = 0; k < made; ++k) {
        plan.scratch[k].bBinding = a.bBinding;
        plan.scratch[k].sTray = a.sTray;
        plan.scratch[k].sInsertIndex = a.sInsertIndex;
    }
    if (!Replace(plan, from, to, made))
        return;
    if (from > 1)
        plan.t[from - 1].bRunEnd = 1;
}

// An inserted sheet before the sheet of page, which first starts a sheet.
void InsertSheetBefore(Plan& plan, int page, const SheetAttributes& a)
{
    StartSheetAt(plan, page);
    bool back = false;
    const int i = FindSheet(plan, page, &back);
    if (i == 0)
        return;
    PAGE_PLAN_SHEET inserted = {};
    inserted.sFront = kPlanNoPage;
    inserted.sBack = 0;
    inserted.bSides = 1;
    inserted.bBinding = a.bBinding;
    inserted.sTray = a.sTray;
    inserted.sInsertIndex = a.sInsertIndex;
    inserted.bRunEnd = 1;
    plan.scratch[0] = inserted;
    if (!Replace(plan, i, i - 1, 1))
        return;
    if (i > 1)
        plan.t[i - 1].bRunEnd = 1;
}

void BuildBaseSheets(PDEV* pdev, Plan& plan, int pages)
{
    const BYTE sides = GetPlanSidesPerSheet(pdev);
    PAGE_PLAN_SHEET sheet = {};
    sheet.bSides = sides;
    sheet.bBinding = GetPlanDuplexMode(pdev);
    sheet.sTray = static_cast<SHORT>(pdev->devmode.dmPrivate.env.lpMediaSource);
    plan.n = sides == 2 ? (pages + 1) / 2 : pages;
    for (int i = 1; i <= plan.n; ++i) {
        sheet.sFront = static_cast<SHORT>(sides == 2 ? 2 * i - 1 : i);
        sheet.sBack = static_cast<SHORT>(sides == 2 ? 2 * i : 0);
        plan.t[i] = sheet;
    }
}

void RangePass(PDEV* pdev, Plan& plan, EntryPages* pEntry)
{
    for (int index = 0; index < static_cast<int>(kInterSheetEntryCapacity); ++index) {
        if (!ReadEntryPages(pdev, index, pEntry))
            continue;
        const auto type = static_cast<PrintType>(pEntry->entry.Type);
        if (type != PrintType::OneSided && type != PrintType::TwoSided && type != PrintType::AsDocument)
            continue;
        BYTE wanted = GetPlanSidesPerSheet(pdev);
        if (type == PrintType::OneSided)
            wanted = 1;
        else if (type == PrintType::TwoSided)
            wanted = 2;
        const SheetAttributes a = EntryAttributes(pdev, pEntry->entry, index);
        for (int k = 0; k < pEntry->count;) {
            const int first = pEntry->pages[k];
            int n = 1;
            while (k + n < pEntry->count && pEntry->pages[k + n] == first + n)
                ++n;
            k += n;
            if (first >= 1)
                ResideRange(plan, first, n, wanted, a);
        }
    }
}

void ChapterPass(PDEV* pdev, Plan& plan, EntryPages* pEntry)
{
    for (int index = 0; index < static_cast<int>(kInterSheetEntryCapacity); ++index) {
        if (!ReadEntryPages(pdev, index, pEntry) || pEntry->entry.Type != static_cast<SHORT>(PrintType::Chapter))
            continue;
        for (int k = 0; k < pEntry->count; ++k)
            StartSheetAt(plan, pEntry->pages[k]);
    }
}

void InsertPass(PDEV* pdev, Plan& plan, EntryPages* pEntry)
{
    for (int index = 0; index < static_cast<int>(kInterSheetEntryCapacity); ++index) {
        if (!ReadEntryPages(pdev, index, pEntry))
            continue;
        const auto type = static_cast<PrintType>(pEntry->entry.Type);
        if (type != PrintType::InsertAfter && type != PrintType::InsertBefore)
            continue;
        const SheetAttributes a = EntryAttributes(pdev, pEntry->entry, index);
        for (int k = 0; k < pEntry->count; ++k) {
            const int page = pEntry->pages[k];
            if (page >= 1)
                InsertSheetBefore(plan, type == PrintType::InsertAfter ? page + 1 : page, a);
        }
    }
}

} // namespace

int GetPlanPageCount(PDEV* pdev)
{
    auto* pEntry = static_cast<EntryPages*>(AllocListAlloc(pdev->pAllocList, sizeof(EntryPages)));
    if (pEntry == nullptr)
        return 0;
    int highest = 0;
    for (int index = 0; index < static_cast<int>(kInterSheetEntryCapacity); ++index)
        if (ReadEntryPages(pdev, index, pEntry) && pEntry->count > 0)
            highest = std::max<int>(highest, pEntry->pages[pEntry->count - 1]);
    AllocListFree(pdev->pAllocList, pEntry);
    return highest + 1;
}

BOOL BuildPagePlan(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    AllocListFree(pdev->pAllocList, pContext->pPlanTable);
    pContext->pPlanTable = nullptr;
    pContext->sPlanSheets = 0;
    pContext->sPlanPages = 0;

    const int pages = GetPlanPageCount(pdev);
    if (pages == 0)
        return FALSE;   // no room to read the entries
    if (pages < 1 || pages > kPlanMaxPages)
        return TRUE;
    ALLOC_LIST* pList = pdev->pAllocList;
    auto* pTable = static_cast<PAGE_PLAN_SHEET*>(AllocListAlloc(pList, sizeof(PAGE_PLAN_TABLE)));
    auto* pScratch = static_cast<PAGE_PLAN_SHEET*>(AllocListAlloc(pList, sizeof(PAGE_PLAN_TABLE)));
    auto* pWork = static_cast<PageList*>(AllocListAlloc(pList, sizeof(PageList)));
    auto* pEntry = static_cast<EntryPages*>(AllocListAlloc(pList, sizeof(EntryPages)));
    if (pTable == nullptr || pScratch == nullptr || pWork == nullptr || pEntry == nullptr) {
        AllocListFree(pList, pTable);
        AllocListFree(pList, pScratch);
        AllocListFree(pList, pWork);
        AllocListFree(pList, pEntry);
        return FALSE;
    }

    Plan plan = {pTable, 0, pScratch, pWork, 1};
    BuildBaseSheets(pdev, plan, pages);
    RangePass(pdev, plan, pEntry);
    ChapterPass(pdev, plan, pEntry);
    InsertPass(pdev, plan, pEntry);
    if (pContext->lInsertsOneSided == 0 && GetPlanSidesPerSheet(pdev) == 2) {
        for (int i = 1; i <= plan.n; ++i) {
            if (plan.t[i].sFront == kPlanNoPage) {
                plan.t[i].sBack = kPlanNoPage;
                plan.t[i].bSides = 2;
            }
        }
    }
    AllocListFree(pList, pScratch);
    AllocListFree(pList, pWork);
    AllocListFree(pList, pEntry);
    pContext->pPlanTable = pTable;
    pContext->sPlanSheets = static_cast<SHORT>(plan.n);
    pContext->sPlanPages = static_cast<SHORT>(pages);
    return TRUE;
}
