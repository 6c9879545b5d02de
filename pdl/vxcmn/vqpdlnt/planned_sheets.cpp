// planned_sheets.cpp - the sheets of the page plan around the document's pages.
#include "pdl/vxcmn/vqpdlnt/planned_sheets.h"
#include "pdl/vxcmn/vqpdlnt/page_commands.h"
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/page_values.h"
#include "settings/paper/paper_table.h"

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

// The tab's place on the sheet in tenths of a millimetre.
POINTL TabPlace(PDEV* /*pdev*/, const PLANNED_SHEET& /*sheet*/)
{
    // TODO: the index-tab geometry of the insert paper comes with the page plan; until then no sheet has a
    // tab text (HasTabTextForPage), so nothing is placed.
    return {0, 0};
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
    PLANNED_SHEET sheets[kMaxPlannedSheets];
    const int count = CollectPlanSides(pdev, 0, sheets);
    for (int i = 0; i < count && i < kMaxPlannedSheets; ++i)
        EmitSheet(pdev, sheets[i]);
}

void PdlEmitPlannedSheetsAfterPage(PDEV* pdev)
{
    PLANNED_SHEET sheets[kMaxPlannedSheets];
    const int count = CollectPlanSides(pdev, static_cast<int>(pdev->cPagesBegun), sheets);
    if (count > 0 && sheets[0].sInsertIndex != 0)
        PdlDrawPlannedItem(pdev, sheets[0]);
    PdlEndSheet(pdev);
    for (int i = 1; i < count && i < kMaxPlannedSheets; ++i)
        EmitSheet(pdev, sheets[i]);
}

int PdlDrawPlannedItem(PDEV* pdev, const PLANNED_SHEET& sheet)
{
    if (!bValidatePDEV(pdev) || !HasTabTextForPage(pdev, sheet.sInsertIndex))
        return 0;
    PdlResetPageState(pdev);
    PdlOutputOrigin(pdev, 0, 0);
    const RECTL paper = SheetRect(pdev, sheet);
    PdlOutputRect(pdev, paper, kWhiteFillRop, kNoInk, paper);
    POINTL tab = TabPlace(pdev, sheet);
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
