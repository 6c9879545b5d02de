// planned_sheets.cpp - the sheets of the page plan around the document's pages.
#include "pdl/vxcmn/vqpdlnt/planned_sheets.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/tab_geometry.h"
#include "pdl/vxcmn/vqpdlnt/page_commands.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/page_values.h"
#include "pdl/vxcmn/vqpdlnt/tab_capture.h"
#include "settings/paper/paper_table.h"

#include <cstring>
#include <utility>

namespace {

constexpr BYTE kFormCreation = 2;                // lpOverlay: a form file is being made
constexpr ULONG kWhiteFillRop = 0x000D000D;      // R2_COPYPEN in both halves
constexpr BYTE kNoInk[8] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};   // inverted: the empty dither cell

// The sheet's paper in device pixels at the job's resolution, turned for landscape; empty for a paper the
// table lacks.
RECTL SheetRect(PDEV* pdev, const PLANNED_SHEET& sheet)
{
    const PAPER_SIZE_ENTRY* row = FindPaperById(sheet.sPaper);
    const LONG dpi = pdev->devmode.dmPrivate.dmPublicCopy.dmYResolution;
    if (row == nullptr || dpi <= 0)
        return {0, 0, 0, 0};
    LONG width = static_cast<LONG>(static_cast<long long>(row->width) * dpi / 2540);
    LONG length = static_cast<LONG>(static_cast<long long>(row->length) * dpi / 2540);
    if (sheet.sOrientation == DMORIENT_LANDSCAPE)
        std::swap(width, length);
    return {0, 0, width, length};
}

// The tab's place on the sheet in tenths of a millimetre: the insert paper block says how the tabs share the
// sheet's edge, the sheet's tab description which tab it is and how its text lies.
POINTL TabPlace(const PLANNED_SHEET& sheet)
{
    INDEX_PAPER_SETTINGS paper;
    std::memcpy(&paper, sheet.insertPaper, sizeof paper);
    const LONG side = sheet.sOrientation == DMORIENT_PORTRAIT ? 1 : 2;
    POINTL place = {0, 0};
    TabPosition(sheet.sTextDirection, paper.TabPaperSize, paper.TabIndexNum, sheet.sTabNumber - 1,
                paper.TabTopMargin, paper.TabIndexSpace, paper.TabBottomMargin, paper.TabTextPosition,
                sheet.sTextAlign, sheet.sFontSize, side, &place);
    return place;
}

// The sides the plan puts around page p, in a job block of their number; null (with *pCount 0) when there
// are none or memory is short.
PLANNED_SHEET* CollectSheets(PDEV* pdev, int page, int* pCount)
{
    *pCount = 0;
    const int count = CollectPlanSides(pdev, page, nullptr, 0);
    if (count <= 0)
        return nullptr;
    auto* pSheets = static_cast<PLANNED_SHEET*>(
        AllocListAlloc(pdev->pAllocList, static_cast<DWORD>(count) * sizeof(PLANNED_SHEET)));
    if (pSheets == nullptr)
        return nullptr;
    *pCount = CollectPlanSides(pdev, page, pSheets, count);
    return pSheets;
}

// One planned sheet after the first: its page setup, its tab, its eject.
void EmitSheet(PDEV* pdev, const PLANNED_SHEET& sheet)
{
    PdlSetPlannedSheetValues(pdev, sheet);
    if (sheet.sInsertIndex != 0)
        PdlDrawPlannedItem(pdev, sheet);
    PdlEjectSheet(pdev);
}

} // namespace

void PdlEmitPlannedSheetsBeforeFirstPage(PDEV* pdev)
{
    if (pdev->cPagesBegun != 1 || pdev->devmode.dmPrivate.lpOverlay == kFormCreation)
        return;
    int count = 0;
    PLANNED_SHEET* pSheets = CollectSheets(pdev, 0, &count);
    for (int i = 0; i < count; ++i)
        EmitSheet(pdev, pSheets[i]);
    AllocListFree(pdev->pAllocList, pSheets);
}

void PdlEmitPlannedSheetsAfterPage(PDEV* pdev)
{
    int count = 0;
    PLANNED_SHEET* pSheets = CollectSheets(pdev, static_cast<int>(pdev->cPagesBegun), &count);
    if (count > 0 && pSheets[0].sInsertIndex != 0)
        PdlDrawPlannedItem(pdev, pSheets[0]);
    PdlEndSheet(pdev);
    for (int i = 1; i < count; ++i)
        EmitSheet(pdev, pSheets[i]);
    AllocListFree(pdev->pAllocList, pSheets);
}

int PdlDrawPlannedItem(PDEV* pdev, const PLANNED_SHEET& sheet)
{
    if (!bValidatePDEV(pdev) || !HasTabTextForPage(pdev, sheet.sInsertIndex))
        return 0;
    PdlResetPageState(pdev);
    PdlOutputOrigin(pdev, 0, 0);
    const RECTL paper = SheetRect(pdev, sheet);
    PdlOutputRect(pdev, paper, kWhiteFillRop, kNoInk, paper);
    POINTL tab = TabPlace(sheet);
    tab.x *= 10;
    tab.y *= 10;
    const LONG dpi = pdev->devmode.dmPrivate.dmPublicCopy.dmYResolution;
    if (dpi > 0) {
        tab.x -= 2540000 / dpi;
        tab.y -= 2540000 / dpi;
    }
    PdlOutputOrigin(pdev, tab.x, tab.y);
    PdlOutputDefaultColors(pdev);
    WriteTabTextForPage(pdev, sheet.sOrientation == DMORIENT_PORTRAIT ? 1 : 2, sheet.sInsertIndex);
    PdlOutputDefaultColors(pdev);
    return 1;
}
