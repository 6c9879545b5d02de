// page_plan.cpp - the page plan's state over a document, and its answers about the sheets of the pages.
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/devmode/devmode_switches.h"
#include "settings/paper/feature_table.h"
#include "settings/strings/text_copy.h"

#include <cstring>
#include <iterator>

namespace {

// The table and its sheet count when the plan is active and built; null otherwise.
PAGE_PLAN_SHEET* ActiveTable(PDEV* pdev, int* pSheets)
{
    if (!IsPagePlanActive(pdev))
        return nullptr;
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    PAGE_PLAN_SHEET* pTable = pContext->pPlanTable;
    const int sheets = pContext->sPlanSheets;
    if (pTable == nullptr || sheets < 1 || sheets > kPlanMaxSheets)
        return nullptr;
    *pSheets = sheets;
    return pTable;
}

PAGE_PLAN_SHEET ReadSheet(const PAGE_PLAN_SHEET* pTable, int index)
{
    PAGE_PLAN_SHEET sheet;
    std::memcpy(&sheet, &pTable[index], sizeof sheet);
    return sheet;
}

// The sheet (1 to sheets) holding the page, and whether the page is on its back; 0 when no sheet holds it.
int FindSheetOfPage(const PAGE_PLAN_SHEET* pTable, int sheets, int page, bool* pBack)
{
    if (page < 1)
        return 0;
    for (int i = 1; i <= sheets; ++i) {
        const PAGE_PLAN_SHEET sheet = ReadSheet(pTable, i);
        if (sheet.sFront == page || (sheet.bSides == 2 && sheet.sBack == page)) {
            *pBack = sheet.sFront != page;
            return i;
        }
    }
    return 0;
}

// The current page's sheet: 0 without a plan or when the page lies beyond it (no sheet holds it).
int CurrentSheet(PDEV* pdev, const PAGE_PLAN_SHEET** ppTable, bool* pBack)
{
    int sheets = 0;
    const PAGE_PLAN_SHEET* pTable = ActiveTable(pdev, &sheets);
    if (pTable == nullptr)
        return 0;
    *ppTable = pTable;
    return FindSheetOfPage(pTable, sheets, PdlGetContext(pdev)->lCurrentPage, pBack);
}

// The highest document page the table holds.
LONG LastPlannedPage(const PAGE_PLAN_SHEET* pTable, int sheets)
{
    LONG last = 0;
    for (int i = 1; i <= sheets; ++i) {
        const PAGE_PLAN_SHEET sheet = ReadSheet(pTable, i);
        if (sheet.sFront > last)
            last = sheet.sFront;
        if (sheet.bSides == 2 && sheet.sBack > last)
            last = sheet.sBack;
    }
    return last;
}

// The side as the page setup writes it: the sheet's own values, the tab's paper and description.
PLANNED_SHEET MakePlannedSheet(PDEV* pdev, const PAGE_PLAN_SHEET& sheet)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    PLANNED_SHEET planned = {};
    planned.sPaper = static_cast<SHORT>(dm.lpOutputPaper);
    planned.sOrientation = dm.dmPublicCopy.dmOrientation;
    planned.bSides = sheet.bSides;
    planned.bBinding = sheet.bBinding;
    planned.sTray = sheet.sTray;
    planned.sInsertIndex = sheet.sInsertIndex;
    std::memcpy(planned.insertPaper, pContext->insertPaper, sizeof planned.insertPaper);
    if (sheet.sInsertIndex == 0)
        return planned;
    SHORT insertPaper = 0;
    std::memcpy(&insertPaper, pContext->insertPaper, sizeof insertPaper);
    planned.sPaper = insertPaper;
    INTERSHEET_ENTRY entry;
    if (!ReadInsertEntry(pdev, sheet.sInsertIndex - 1, &entry))
        return planned;
    WCHAR text[std::size(entry.TabText)];
    std::memcpy(text, entry.TabText, sizeof text);
    CopyText(&planned.szTabText, text);   // 63 units at most: the record's field ends with a zero unit
    WCHAR face[std::size(entry.TabTextFontName)];
    std::memcpy(face, entry.TabTextFontName, sizeof face);
    CopyText(&planned.szFontFace, face);
    planned.sTabNumber = entry.PrnTabIndexNo;
    planned.sTabAutoNumber = static_cast<SHORT>(entry.TabIndexAutoNo);
    planned.sTextDirection = entry.TabTextOrient;
    planned.sTextAlign = entry.TabTextAlign;
    planned.sFontStyle = entry.TabTextFontStyle;
    planned.sFontSize = entry.TabTextFontSize;
    return planned;
}

// Adds a record to the list (when there is room) and counts it.
void AddSide(PDEV* pdev, const PAGE_PLAN_SHEET& sheet, PLANNED_SHEET* pSheets, int cMax, int* pCount)
{
    if (pSheets != nullptr && *pCount < cMax)
        pSheets[*pCount] = MakePlannedSheet(pdev, sheet);
    ++*pCount;
}

void FreeBlock(PDEV* pdev, void* pBlock)
{
    AllocListFree(pdev->pAllocList, pBlock);
}

} // namespace

void PlanBeginDocument(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    FreeTabCaptures(pdev);
    FreeBlock(pdev, pContext->pPlanTable);
    INTERSHEET_ENTRY* pEntries = pContext->pInsertEntries;
    std::memset(pContext->insertPaper, 0, sizeof pContext->insertPaper);
    pContext->lInsertsOneSided = 0;
    pContext->lTabReady = 0;
    pContext->sPlanPages = 0;
    pContext->sPlanSheets = 0;
    pContext->sPlanWorkSize = 0;
    pContext->sPlanWorkShift = 0;
    pContext->pPlanTable = nullptr;
    pContext->lCurrentPage = 0;
    pContext->lInsertEntryCount = 0;
    pContext->bTabCapture = 0;
    if (pEntries == nullptr)
        pEntries = static_cast<INTERSHEET_ENTRY*>(AllocListAlloc(pdev->pAllocList, kInsertEntryBufferSize));
    else
        std::memset(static_cast<void*>(pEntries), 0, kInsertEntryBufferSize);
    pContext->pInsertEntries = pEntries;   // null when memory is short: the job prints without a plan
}

void PlanEndDocument(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    FreeBlock(pdev, pContext->pPlanTable);
    pContext->pPlanTable = nullptr;
    pContext->sPlanSheets = 0;
    pContext->sPlanPages = 0;
    FreeBlock(pdev, pContext->pInsertEntries);
    pContext->pInsertEntries = nullptr;
    pContext->lInsertEntryCount = 0;
}

void PlanMoveBuffers(PDEV* pOld, PDEV* pNew)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pNew);
    ALLOC_LIST* pFrom = pOld->pAllocList;
    ALLOC_LIST* pTo = pNew->pAllocList;
    pContext->pPlanTable = static_cast<PAGE_PLAN_SHEET*>(AllocListMove(pFrom, pTo, pContext->pPlanTable));
    pContext->pInsertEntries = static_cast<INTERSHEET_ENTRY*>(AllocListMove(pFrom, pTo, pContext->pInsertEntries));
    if (pContext->pPlanTable == nullptr)
        pContext->sPlanSheets = 0;
    if (pContext->pInsertEntries == nullptr)
        pContext->lInsertEntryCount = 0;
    MoveTabCaptures(pOld, pNew);
}

BOOL IsPagePlanActive(PDEV* pdev)
{
    return pdev != nullptr && pdev->devmode.dmPrivate.env.InterSheet_Check == 1 &&
           IsFeatureEnabled(SwitchableFeature::InsertSheets) != 0;
}

BOOL ReadInsertEntry(PDEV* pdev, int index, INTERSHEET_ENTRY* pEntry)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const INTERSHEET_ENTRY* pEntries = pContext->pInsertEntries;
    const LONG count = pContext->lInsertEntryCount;
    if (pEntries == nullptr || index < 0 || index >= count || index >= static_cast<int>(kInterSheetEntryCapacity))
        return FALSE;
    std::memcpy(static_cast<void*>(pEntry), &pEntries[index], sizeof *pEntry);
    return TRUE;
}

BYTE GetPlanSidesPerSheet(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    const short duplex = pdev->devmode.dmPrivate.dmPublicCopy.dmDuplex;
    if (env.Booklet_Check == 1 || (IsDuplexOn(env) && (duplex == DMDUP_VERTICAL || duplex == DMDUP_HORIZONTAL)))
        return 2;
    return 1;
}

BYTE GetPlanDuplexMode(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    const short duplex = pdev->devmode.dmPrivate.dmPublicCopy.dmDuplex;
    if (env.Booklet_Check == 1)
        return 3;
    if (IsDuplexOn(env) && (duplex == DMDUP_VERTICAL || duplex == DMDUP_HORIZONTAL))
        return static_cast<BYTE>(duplex);
    return 0;
}

int CollectPlanSides(PDEV* pdev, int page, PLANNED_SHEET* pSheets, int cMax)
{
    int sheets = 0;
    const PAGE_PLAN_SHEET* pTable = ActiveTable(pdev, &sheets);
    if (pTable == nullptr || page < 0)
        return 0;
    int count = 0;
    int next = 1;   // the first sheet after the page's own
    if (page != 0) {
        bool back = false;
        const int i = FindSheetOfPage(pTable, sheets, page, &back);
        if (i == 0)
            return 0;
        const PAGE_PLAN_SHEET sheet = ReadSheet(pTable, i);
        AddSide(pdev, sheet, pSheets, cMax, &count);
        if (!back && sheet.bSides == 2) {
            if (sheet.sBack >= 1)
                return count;   // the next page is on the same sheet's back
            if (sheet.sBack == kPlanNoPage)
                AddSide(pdev, sheet, pSheets, cMax, &count);
        }
        next = i + 1;
    }
    // Up to the sheet of the next page: each side without a document page is a side of its own.
    for (int k = next; k <= sheets; ++k) {
        const PAGE_PLAN_SHEET sheet = ReadSheet(pTable, k);
        if (sheet.sFront != kPlanNoPage)
            break;
        AddSide(pdev, sheet, pSheets, cMax, &count);
        if (sheet.bSides == 2 && sheet.sBack == kPlanNoPage)
            AddSide(pdev, sheet, pSheets, cMax, &count);
    }
    return count;
}

BOOL GetPlanPagePaper(PDEV* pdev, SHORT* pPaper)
{
    const PAGE_PLAN_SHEET* pTable = nullptr;
    bool back = false;
    const int i = CurrentSheet(pdev, &pTable, &back);
    if (i == 0 || ReadSheet(pTable, i).sInsertIndex == 0)
        return FALSE;
    std::memcpy(pPaper, PdlGetContext(pdev)->insertPaper, sizeof *pPaper);
    return TRUE;
}

BOOL GetPageRangeTray(PDEV* pdev, WORD* pTray)
{
    int sheets = 0;
    if (ActiveTable(pdev, &sheets) == nullptr)
        return FALSE;
    const PAGE_PLAN_SHEET* pTable = nullptr;
    bool back = false;
    const int i = CurrentSheet(pdev, &pTable, &back);
    *pTray = i == 0 ? pdev->devmode.dmPrivate.env.lpMediaSource : static_cast<WORD>(ReadSheet(pTable, i).sTray);
    return TRUE;
}

BOOL GetPageSide(PDEV* pdev, BYTE* pSide, BYTE* pBinding)
{
    int sheets = 0;
    const PAGE_PLAN_SHEET* pTable = ActiveTable(pdev, &sheets);
    if (pTable == nullptr)
        return FALSE;
    bool back = false;
    const int i = CurrentSheet(pdev, &pTable, &back);
    if (i != 0) {
        *pSide = back ? 1 : 0;
        *pBinding = ReadSheet(pTable, i).bBinding;
        return TRUE;
    }
    // Beyond the plan the pages pair two by two, when the document is two-sided at all: the first page after
    // the last one the table holds starts a sheet. (The plan's page count is not that page: with an odd count
    // the last base sheet holds the page after it on its back.)
    const LONG page = PdlGetContext(pdev)->lCurrentPage;
    const LONG last = LastPlannedPage(pTable, sheets);
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    const bool twoSided = IsDuplexOn(env) || (env.Layout_Check2 == 1 && env.Booklet_Check == 1);
    *pSide = twoSided && page > last && (page - last - 1) % 2 == 1 ? 1 : 0;
    *pBinding = static_cast<BYTE>(pdev->devmode.dmPrivate.dmPublicCopy.dmDuplex);
    return TRUE;
}

BOOL GetPlanPageDuplex(PDEV* pdev, BYTE* pSides, BYTE* pBinding)
{
    const PAGE_PLAN_SHEET* pTable = nullptr;
    bool back = false;
    const int i = CurrentSheet(pdev, &pTable, &back);
    if (i == 0)
        return FALSE;
    const PAGE_PLAN_SHEET sheet = ReadSheet(pTable, i);
    *pSides = sheet.bSides;
    *pBinding = sheet.bBinding;
    return TRUE;
}

int CountInsertedSidesBefore(PDEV* pdev, int page)
{
    int sheets = 0;
    const PAGE_PLAN_SHEET* pTable = ActiveTable(pdev, &sheets);
    if (pTable == nullptr || page < 1)
        return 0;
    const int planPages = PdlGetContext(pdev)->sPlanPages;
    const int target = page < planPages ? page : planPages;
    int count = 0;
    for (int i = 1; i <= sheets; ++i) {
        const PAGE_PLAN_SHEET sheet = ReadSheet(pTable, i);
        if (sheet.sFront == target)
            return count;
        if (sheet.sFront == kPlanNoPage)
            ++count;
        if (sheet.bSides != 2)
            continue;
        if (sheet.sBack == target)
            return count;
        if (sheet.sBack == kPlanNoPage)
            ++count;
    }
    return count;
}

int CountTabSheetsBefore(PDEV* pdev, int insertIndex)
{
    int sheets = 0;
    const PAGE_PLAN_SHEET* pTable = ActiveTable(pdev, &sheets);
    if (pTable == nullptr || insertIndex == 0)
        return 0;
    int count = 0;
    for (int i = 1; i <= sheets; ++i) {
        const SHORT index = ReadSheet(pTable, i).sInsertIndex;
        if (index == insertIndex)
            return count;
        if (index != 0)
            ++count;
    }
    return 0;
}
