// page_setup.cpp - the job and page commands the writer core calls.
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/font_commands.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/page_commands.h"
#include "pdl/vxcmn/vqpdlnt/page_values.h"
#include "pdl/vxcmn/vqpdlnt/path_cache.h"
#include "pdl/vxcmn/vqpdlnt/pens.h"
#include "pdl/vxcmn/vqpdlnt/pjl_line.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>
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

constexpr UINT kUserSizeCount = 10;
constexpr ULONG kTonerSaveRop = 0x0F0F;
// Every other pixel, in pairs of rows: half the toner.
constexpr BYTE kTonerSavePattern[8] = {0xAA, 0xAA, 0x55, 0x55, 0xAA, 0xAA, 0x55, 0x55};

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
    PjlWriteLine(pdev, {"@PJL ENTER LANGUAGE = ", FindLanguageName(GetPdlType(pdev)), "\n"});
}

BOOL IsVqpdlOutput(PDEV* pdev)
{
    return GetPdlType(pdev) == 0;
}

void OutputUserDefinedSizes(PDEV* pdev)
{
    if (IsVqpdlOutput(pdev))
        return;
    LONG sizes[kUserSizeCount * 2];
    static_assert(sizeof sizes == sizeof JOB_EXTRA_RECORD::trayPaperMap);
    std::memcpy(sizes, PdlGetContext(pdev)->trayPaperMap, sizeof sizes);
    for (UINT i = 0; i < kUserSizeCount; ++i) {
        const SHORT width = static_cast<SHORT>(sizes[2 * i]);
        const SHORT length = static_cast<SHORT>(sizes[2 * i + 1]);
        PjlLine line{{}, 0};
        PjlLinePut(line, "@PJL SET USERDEF");
        PjlLinePutNumber(line, static_cast<long>(i));
        PjlLinePut(line, " = ");
        PjlLinePutNumber(line, width / 10);
        PjlLinePut(line, " ");
        PjlLinePutNumber(line, length / 10);
        PjlLinePut(line, " MANUAL\n");
        PjlLineWrite(pdev, line);
    }
}

void PdlBeginPageSetup(PDEV* pdev)
{
    PdlResetPageState(pdev);
    PdlOutputPageValues(pdev);
    if (IsVqpdlOutput(pdev)) {
        const DEVMODE_ENV_EXTRA* pEnv = PdevGetEnvExtra(pdev);
        PdlOutputHalftone(pdev, pEnv->lpDitherType, pEnv->lpDither, pEnv->lpErrDiffMode);
    }
    PdlOutputDefaultColors(pdev);
}

void PdlOutputPageOpening(PDEV* pdev)
{
    PdlOutputClip(pdev, nullptr, nullptr);
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
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (PdevGetEnvExtra(pdev)->SaveToner == 1) {
        const RECTL page = {0, 0, pContext->cxPage, pContext->cyPage};
        PdlOutputRect(pdev, page, kTonerSaveRop, kTonerSavePattern, page);
    }
    PdlOutputPrint(pdev);
    pContext->dwSheetCount = pContext->dwSheetCount + 1;
}

void PdlResetPageState(PDEV* pdev)
{
    PdlResetBrushState(pdev);
    PdlResetPenState(pdev);
    PdlInitBrushCache(pdev);
    PdlResetClipCache(pdev);
    PdlResetPathCache(pdev);
    PdlResetRopCache(pdev);
    PdlResetFontState(pdev);
}

void PdlSetObjectKind(PDEV* pdev, BYTE bKind)
{
    if (bKind <= kObjectText)
        PdlGetContext(pdev)->bObjectKind = bKind;
}

void PdlBeginDrawing(PDEV* pdev, BYTE bKind)
{
    PdlSetObjectKind(pdev, bKind);
    PdlGetContext(pdev)->bToneMapping = PdlToneActive(pdev) ? 1 : 0;
}
