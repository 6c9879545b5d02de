// page_plan.cpp - the page plan's answers.
#include "pdl/vxcmn/vqpdlnt/page_plan.h"

// TODO: the page plan (insert sheets, chapters and ranges laid out as sheets) is not built yet. Until it is,
// no job has a plan, and "no plan" is exactly what these answers say, so the job header and the page setup
// use the devmode's own values.

int CountInsertedSidesBefore(PDEV* /*pdev*/, int /*page*/)
{
    return 0;
}

BOOL GetPageRangeTray(PDEV* /*pdev*/, WORD* /*pTray*/)
{
    return FALSE;
}
