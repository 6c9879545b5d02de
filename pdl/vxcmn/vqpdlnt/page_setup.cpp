// page_setup.cpp - the job and page commands the writer core calls.
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <iterator>

namespace {

struct LANGUAGE_ROW {
    BYTE bPdlType;          // 0xFF ends the table
    const char* pszName;
};

constexpr LANGUAGE_ROW kLanguages[] = {
    {0,    "VQPDL"},
    {1,    "PCL"},
    {2,    "PCLXL"},
    {3,    "PCLXL"},
    {0xFF, "error"},   // terminator: a language the printer does not know
};
static_assert(kLanguages[std::size(kLanguages) - 1].bPdlType == 0xFF, "terminator must be last");

const char* FindLanguageName(BYTE bPdlType)
{
    const LANGUAGE_ROW* row = kLanguages;
    while (row->bPdlType != 0xFF && row->bPdlType != bPdlType)
        ++row;
    return row->pszName;
}

} // namespace

BYTE GetPdlType(PDEV* pdev)
{
    return pdev != nullptr ? pdev->devmode.dmPrivate.lpPDLType : 0;
}

void PdlOutputInit(PDEV* pdev)
{
    const DEVMODEW& dm = pdev->devmode.dmPrivate.dmPublicCopy;
    PdlPrintf(pdev, "ini %d %d %s;\n", dm.dmYResolution, dm.dmCopies, "S");
}

void OutputEnterLanguage(PDEV* pdev)
{
    PdlPrintf(pdev, "@PJL ENTER LANGUAGE = ");
    PdlPrintf(pdev, "%s", FindLanguageName(GetPdlType(pdev)));
    PdlPrintf(pdev, "\n");
}

void OutputUserDefinedSizes(PDEV* /*pdev*/)
{
    // TODO: the "@PJL SET USERDEF" lines of the PCL dialects come with the page setup; VQPDL output has none.
}

void PdlBeginPageSetup(PDEV* pdev)
{
    PdlResetPageState(pdev);
    // TODO: the page values (org, pps, ppt, ppd), the halftone and the default colours come with the page
    // setup.
}

void PdlOutputPageOpening(PDEV* /*pdev*/)
{
    // TODO: with the page setup.
}

void PdlEndSheet(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const bool blankVqpdlSheet = GetPdlType(pdev) == 0 && PdevGetEnvExtra(pdev)->PaperLess_Check == 1 &&
                                 pContext->bDrawKind == 1;
    if (!blankVqpdlSheet) {
        // The eject belongs to the sheet: a blank sheet held back by the paperless capture takes its "prn"
        // with it when it is dropped.
        PdlEjectSheet(pdev);
        PdlSheetEndCapture(pdev);
    }
    pContext->bSheetBegun = 0;
    pContext->bDrawKind = 1;
}

void PdlEjectSheet(PDEV* pdev)
{
    // TODO: the toner-saving overlay before the eject (env SaveToner) comes with the page setup's rectangles.
    PdlPrintf(pdev, "prn;\n");
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->dwSheetCount = pContext->dwSheetCount + 1;
}

void PdlResetPageState(PDEV* /*pdev*/)
{
    // TODO: the cached brush, pen, clip and font states come with their writers.
}

void PdlLoadToneTable(PDEV* /*pdev*/)
{
    // TODO: the tone tables come with the page setup.
}

void PdlSetObjectKind(PDEV* pdev, BYTE bKind)
{
    if (bKind <= kObjectText)
        PdlGetContext(pdev)->bObjectKind = bKind;
}

void PdlBeginDrawing(PDEV* pdev, BYTE bKind)
{
    PdlSetObjectKind(pdev, bKind);
    // TODO: the tone-mapping flag comes with the tone tables.
}
