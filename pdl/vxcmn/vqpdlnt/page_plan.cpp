// page_plan.cpp - the page plan's hooks into the writer core.
// TODO: the page plan (insert sheets, covers, chapters and tab texts) comes in its own issue; until then no
// document has a plan: no sheet is planned around its pages, no tab text is captured, and the answers say
// "no plan", so the job header and the page setup use the devmode's own values.
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/custom_size_limits.h"

namespace {

constexpr SHORT kFreeSizeSource = 7;   // the paper source whose least margins place a user-defined paper

// Two-sided by the devmode: the duplex check of the layout or of the finishing page.
bool TwoSidedLayout(const DEVMODE_ENV_EXTRA& env)
{
    return (env.Layout_Check2 == 1 && env.Duplex_Check == 1) || (env.POD_Check == 1 && env.POD_Duplex_Check == 1);
}

} // namespace

void PlanBeginDocument(PDEV* /*pdev*/)
{
}

void PlanEndDocument(PDEV* /*pdev*/)
{
}

void FreeTabCaptures(PDEV* /*pdev*/)
{
}

void CaptureTabText(PDEV* /*pdev*/, const BYTE* /*pData*/, WORD /*cb*/)
{
}

int CountInsertedSidesBefore(PDEV* /*pdev*/, int /*page*/)
{
    return 0;
}

BOOL GetPageRangeTray(PDEV* /*pdev*/, WORD* /*pTray*/)
{
    return FALSE;
}

int CollectPlanSides(PDEV* /*pdev*/, int /*page*/, PLANNED_SHEET* /*pSheets*/)
{
    return 0;
}

BOOL GetPlanPagePaper(PDEV* /*pdev*/, SHORT* /*pPaper*/)
{
    return FALSE;
}

BOOL GetPageSide(PDEV* /*pdev*/, BYTE* /*pSide*/, BYTE* /*pBinding*/)
{
    return FALSE;
}

BYTE GetPlanSidesPerSheet(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    const short duplex = pdev->devmode.dmPrivate.dmPublicCopy.dmDuplex;
    if (env.Booklet_Check == 1 || (TwoSidedLayout(env) && (duplex == DMDUP_VERTICAL || duplex == DMDUP_HORIZONTAL)))
        return 2;
    return 1;
}

BYTE GetPlanDuplexMode(PDEV* pdev)
{
    const DEVMODE_ENV_EXTRA& env = pdev->devmode.dmPrivate.env;
    const short duplex = pdev->devmode.dmPrivate.dmPublicCopy.dmDuplex;
    if (env.Booklet_Check == 1)
        return 3;
    if (TwoSidedLayout(env) && (duplex == DMDUP_VERTICAL || duplex == DMDUP_HORIZONTAL))
        return static_cast<BYTE>(duplex);
    return 0;
}

void GetPageImageOffset(PDEV* pdev, LONG* pX, LONG* pY)
{
    // TODO: the binding-margin shift of the sheet side comes with the page plan.
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    if (IsCustomPaperId(static_cast<SHORT>(dm.lpOutputPaper))) {
        LONG margins[4];
        GetCustomSizeLimitExtra(&margins, kFreeSizeSource, 0);
        *pX = margins[0];
        *pY = margins[1];
        return;
    }
    const RECTL printable = dm.env.outputPrintableRect;
    *pX = printable.left;
    *pY = printable.top;
}

BOOL HasTabTextForPage(PDEV* /*pdev*/, int /*key*/)
{
    return FALSE;
}

void WriteTabTextForPage(PDEV* /*pdev*/, int /*version*/, int /*key*/)
{
}
