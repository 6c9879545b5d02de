// page_plan.cpp - the page plan's hooks into the writer core.
// TODO: the page plan (insert sheets, covers, chapters and tab texts) comes in its own issue; until then no
// document has a plan: no sheet is planned around its pages, no tab text is captured, and the answers say
// "no plan", so the job header and the page setup use the devmode's own values.
#include "pdl/vxcmn/vqpdlnt/page_plan.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"

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

void PdlEmitPlannedSheetsBeforeFirstPage(PDEV* /*pdev*/)
{
}

void PdlEmitPlannedSheetsAfterPage(PDEV* pdev)
{
    PdlEndSheet(pdev);   // without a plan the page's sheet simply ends
}

int CountInsertedSidesBefore(PDEV* /*pdev*/, int /*page*/)
{
    return 0;
}

BOOL GetPageRangeTray(PDEV* /*pdev*/, WORD* /*pTray*/)
{
    return FALSE;
}
