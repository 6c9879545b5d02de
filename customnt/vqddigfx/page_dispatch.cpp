// page_dispatch.cpp - documents, pages and bands: per document the stream sees open, section 1 (the job
// header), per page sections 2, 3 and 4 (head, body, tail), section 5 (trailer), replay and close.
#include "customnt/vqddigfx/page_dispatch.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/device_caps.h"
#include "customnt/vqddigfx/nup_layout.h"
#include "customnt/vqddigfx/output_stream.h"
#include "customnt/vqddigfx/stream.h"
#include "customnt/vqddigfx/surfaces.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"

#include <cstring>
#include <iterator>
#include <string>

namespace {

constexpr BYTE kOutputModeBooklet = 4;

struct LAYOUT_CELLS_ROW {
    BYTE  lpLayout;   // 0 ends the table
    DWORD cells;      // pages on one sheet
};

constexpr LAYOUT_CELLS_ROW kLayoutCells[] = {
    { 3,  2},
    { 4,  4},
    { 5,  6},
    { 6,  9},
    { 7, 16},
    { 8,  2},   // booklet
    { 9,  2},   // booklet
    {10,  4},
    {11,  4},
    {12,  4},
    {13,  4},
    { 0,  1},   // terminator: layouts 1 and 2, and any other, put one page on a sheet
};
static_assert(kLayoutCells[std::size(kLayoutCells) - 1].lpLayout == 0, "terminator must be last");

PDEV* ValidPdev(SURFOBJ* pso)
{
    PDEV* pdev = PdevFromSurface(pso);
    if (bValidatePDEV(pdev))
        return pdev;
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

bool OutputFailed(const PDEV* pdev)
{
    return (pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0;
}

bool IsBookletOutput(PDEV* pdev)
{
    return pdev->devmode.dmPrivate.layoutSelectCode == kOutputModeBooklet;
}

bool IsFirstPageOfSheet(DWORD n, BYTE lpLayout)
{
    const DWORD cells = CellsPerSheet(lpLayout);
    return cells == 1 || n % cells == 1;
}

bool IsLastPageOfSheet(DWORD n, BYTE lpLayout)
{
    const DWORD cells = CellsPerSheet(lpLayout);
    return cells == 1 || n % cells == 0;
}

// Keeps a copy of the document's name in the PDEV's blocks; FALSE when memory is short.
BOOL KeepDocumentName(PDEV* pdev, LPCWSTR pwszDocName)
{
    if (pdev->pDocumentName != nullptr)
        AllocListFree(pdev->pAllocList, pdev->pDocumentName);
    pdev->pDocumentName = nullptr;
    if (pwszDocName == nullptr)
        return TRUE;
    const size_t cch = std::char_traits<WCHAR>::length(pwszDocName) + 1;
    auto* pName = static_cast<LPWSTR>(AllocListAlloc(pdev->pAllocList, static_cast<DWORD>(cch * sizeof(WCHAR))));
    if (pName == nullptr)
        return FALSE;
    std::memcpy(pName, pwszDocName, cch * sizeof(WCHAR));
    pdev->pDocumentName = pName;
    return TRUE;
}

// Opens the stream for a new document and starts the writer's job.
void EngineOpenOutput(PDEV* pdev)
{
    if ((pdev->dwFlags & PDEVF_STREAM_OPEN) != 0) {
        SendStreamCommand(pdev, kCmdClose);
        pdev->dwFlags &= ~PDEVF_STREAM_OPEN;
    }
    const BYTE lpOverlay = pdev->devmode.dmPrivate.lpOverlay;
    pdev->wStreamMode = IsBookletOutput(pdev) ? kStreamBooklet : kStreamDirect;
    pdev->wRepeatCount = 1;
    pdev->bFormMode = lpOverlay == kFormCreate || lpOverlay == kFormPrintOver ? lpOverlay : kFormNone;
    // Without a stream there is nowhere for the job to go: the document fails at its end.
    if (!SendStreamCommand(pdev, kCmdOpen)) {
        pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
        return;
    }
    pdev->dwFlags |= PDEVF_STREAM_OPEN;
    SetOutputSection(pdev, kSectionHeader);
    PdlStartDoc(pdev, pdev->pDocumentName);
    if (lpOverlay == kFormCreate)
        PdlSuppressJobFraming(pdev);
    FlushOutput(pdev);
}

// Plays the form file into the job as a macro that every sheet runs.
void RecordFormMacro(PDEV* pdev)
{
    const BYTE order = pdev->devmode.dmPrivate.env.OverlayOrder_Check;
    if (order == 0 || order == 1)
        PdlPrintf(pdev, "mct %d;\n", order);
    PdlPrintf(pdev, "mcr %d %d <!", 1, pdev->devmode.dmPrivate.FormOverlayFileSize);
    FlushOutput(pdev);
    SendStreamCommand(pdev, kCmdPlayForm);
    PdlPrintf(pdev, "!>;\n");
}

BOOL EngineBeginPage(PDEV* pdev)
{
    PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    pdev->dwFlags |= PDEVF_PAGE_OPEN;
    const DWORD n = ++pdev->cPagesBegun;
    if (dm.lpOverlay == kFormCreate && n > CellsPerSheet(dm.lpLayout)) {
        pdev->dwFlags |= PDEVF_PAGE_SKIPPED;
        return TRUE;
    }
    if (n == 1) {
        PdlWriteJobHeaderOnce(pdev, pdev->pDocumentName);
        FlushOutput(pdev);
        if (dm.lpOverlay == kFormPrintOver)
            RecordFormMacro(pdev);
    }
    SetOutputSection(pdev, kSectionPageHead);
    if (IsBookletOutput(pdev) || dm.lpLayout == 1 || IsFirstPageOfSheet(n, dm.lpLayout)) {
        PdlStartPage(pdev, n % 2 == 0, dm.lpOverlay == kFormCreate);
        if (dm.lpOverlay == kFormPrintOver)
            PdlPrintf(pdev, "mcx %d;\n", 1);
    }
    FlushOutput(pdev);
    SetOutputSection(pdev, kSectionPageBody);
    pdev->ulScale = dm.ZoomCheck == 0 && dm.Layout_Check == 0 ? kScaleNone : ComputeNupLayout(pdev);
    pdev->xOffset = 0;
    pdev->yOffset = 0;
    return !OutputFailed(pdev);
}

void EngineEndPage(PDEV* pdev)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    pdev->dwFlags &= ~PDEVF_PAGE_OPEN;
    if (!IsBookletOutput(pdev) && !IsRasterMode(pdev) && dm.lpLayout != 1 &&
        !IsLastPageOfSheet(pdev->cPagesBegun, dm.lpLayout))
        return;   // the sheet goes on with the next page
    FlushOutput(pdev);
    PdlSendPageStep(pdev);
    FlushOutput(pdev);
    SetOutputSection(pdev, kSectionPageTail);
    if (dm.lpOverlay != kFormCreate)
        PdlEndPageStep(pdev);
    FlushOutput(pdev);
}

} // namespace

DWORD CellsPerSheet(BYTE lpLayout)
{
    const LAYOUT_CELLS_ROW* row = kLayoutCells;
    while (row->lpLayout != 0 && row->lpLayout != lpLayout)
        ++row;
    return row->cells;
}

BOOL EngineStartDoc(SURFOBJ* pso, LPWSTR pwszDocName, DWORD /*dwJobId*/)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr)
        return FALSE;
    pdev->dwFlags |= PDEVF_DOC_STARTED;
    if ((pdev->dwFlags & PDEVF_JOB_CARRIED) == 0) {
        pdev->cPagesBegun = 0;
        if (!KeepDocumentName(pdev, pwszDocName))
            return FALSE;
    }
    if (pdev->cPagesBegun == 0)
        EngineOpenOutput(pdev);
    return !OutputFailed(pdev);
}

BOOL EngineStartPage(SURFOBJ* pso)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr || OutputFailed(pdev))
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_OPEN) != 0)
        return TRUE;
    if (IsRasterMode(pdev))
        WhitenBandBitmap(pdev);
    return EngineBeginPage(pdev);
}

BOOL EngineSendPage(SURFOBJ* pso)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr || OutputFailed(pdev))
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_OPEN) != 0) {
        // TODO: in raster mode the whole band goes to the page as an image; the image commands come with
        // the image writer, so a raster page is sent without its pixels until then.
        EngineEndPage(pdev);
        FlushOutput(pdev);
    }
    return !OutputFailed(pdev);
}

BOOL EngineEndDoc(SURFOBJ* pso, FLONG /*fl: an aborted document ends the same way*/)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr)
        return FALSE;
    if ((pdev->dwFlags & PDEVF_STREAM_OPEN) != 0) {
        SetOutputSection(pdev, kSectionTrailer);
        PdlEndDoc(pdev);
        FlushOutput(pdev);
        SendStreamCommand(pdev, kCmdReplay);
        SendStreamCommand(pdev, kCmdClose);
    }
    pdev->dwFlags &= ~(PDEVF_STREAM_OPEN | PDEVF_DOC_STARTED | PDEVF_JOB_CARRIED);
    return !OutputFailed(pdev);
}

BOOL EngineStartBanding(SURFOBJ* pso, POINTL* pptl)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr || pptl == nullptr || OutputFailed(pdev))
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_OPEN) == 0) {
        WhitenBandBitmap(pdev);
        if (!EngineBeginPage(pdev))
            return FALSE;
    }
    pdev->iBand = 0;
    *pptl = POINTL{0, 0};
    return TRUE;
}

BOOL EngineNextBand(SURFOBJ* pso, POINTL* pptl)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr || pptl == nullptr || OutputFailed(pdev))
        return FALSE;
    const LONG bandHeight = pso->sizlBitmap.cy;
    const LONG nextTop = static_cast<LONG>(pdev->iBand + 1) * bandHeight;
    // TODO: each band goes to the page as an image with the image writer; until then bands are only counted.
    if (bandHeight > 0 && nextTop < static_cast<LONG>(pdev->cyPage)) {
        WhitenBandBitmap(pdev);
        ++pdev->iBand;
        *pptl = POINTL{0, nextTop};
        return FlushOutput(pdev);
    }
    *pptl = POINTL{-1, -1};
    if (!FlushOutput(pdev))
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_OPEN) != 0)
        EngineEndPage(pdev);
    return !OutputFailed(pdev);
}
