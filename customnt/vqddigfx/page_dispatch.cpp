// page_dispatch.cpp - documents, pages, sheets and bands.
#include "customnt/vqddigfx/page_dispatch.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/band_image.h"
#include "customnt/vqddigfx/device_caps.h"
#include "customnt/vqddigfx/nup_layout.h"
#include "customnt/vqddigfx/output_stream.h"
#include "customnt/vqddigfx/stream.h"
#include "customnt/vqddigfx/surfaces.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"
#include "settings/devmode/layout_table.h"

#include <cstring>
#include <string>

namespace {

constexpr BYTE kOutputModeBooklet = 4;

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

// Pages share sheets in an N-up job, raster or vector alike; booklet output sends each page on its own.
bool SharesSheets(PDEV* pdev)
{
    return !IsBookletOutput(pdev) && pdev->devmode.dmPrivate.lpLayout != kLayoutSinglePage;
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

// Plays the form file into the job as macro 1, which every sheet then runs: the stream copies the file's
// bytes between the record command and its end.
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

// The scale and offset of page n's drawing: its cell of the sheet, or the page as it is.
void PlacePage(PDEV* pdev, DWORD n)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    pdev->ulScale = dm.ZoomCheck == 0 && dm.Layout_Check == 0 ? kScaleNone : ComputeNupLayout(pdev);
    pdev->xOffset = 0;
    pdev->yOffset = 0;
    if (pdev->ulScale == kScaleNone)
        return;
    const NUP_BLOCK& block = pdev->nupBlock;
    const DWORD cell = GetNupCellIndex(n, dm.lpLayout, dm.lpOrder, block.sSavedOrientation);
    const RECTL placement = block.cells[cell].rcPlacement;
    pdev->xOffset = placement.left;
    pdev->yOffset = placement.top;
}

BOOL EngineBeginPage(PDEV* pdev)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    pdev->dwFlags |= PDEVF_PAGE_OPEN;
    const DWORD n = ++pdev->cPagesBegun;
    const bool creatingForm = dm.lpOverlay == kFormCreate;
    // A form file holds one sheet: later pages are accepted and dropped.
    if (creatingForm && n > CellsPerSheet(dm.lpLayout)) {
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
    const bool startsSheet = IsBookletOutput(pdev) || dm.lpLayout == kLayoutSinglePage || IsFirstPageOfSheet(n, dm.lpLayout);
    if (startsSheet) {
        PdlStartPage(pdev, n % 2 == 0, creatingForm);
        if (dm.lpOverlay == kFormPrintOver)
            PdlPrintf(pdev, "mcx %d;\n", 1);
    }
    FlushOutput(pdev);
    SetOutputSection(pdev, kSectionPageBody);
    PlacePage(pdev, n);
    // What the printer was told for the previous cell (its clip, its path) was scaled and shifted for that
    // cell; a new sheet forgets it in its page setup, a further cell of the same sheet here.
    if (!startsSheet)
        PdlResetPageState(pdev);
    return !OutputFailed(pdev);
}

// The end of a sheet: the page's clip goes, its tail section, and (unless a form file is made, which the
// printer plays inside other sheets) the eject with the sheets planned after it.
void EngineEndSheet(PDEV* pdev)
{
    FlushOutput(pdev);
    PdlSendPageStep(pdev);
    FlushOutput(pdev);
    SetOutputSection(pdev, kSectionPageTail);
    if (pdev->devmode.dmPrivate.lpOverlay != kFormCreate)
        PdlEndPageStep(pdev);
    FlushOutput(pdev);
}

void EngineEndPage(PDEV* pdev, SURFOBJ* pso)
{
    pdev->dwFlags &= ~PDEVF_PAGE_OPEN;
    if (SharesSheets(pdev)) {
        if (!IsLastPageOfSheet(pdev->cPagesBegun, pdev->devmode.dmPrivate.lpLayout))
            return;   // the sheet goes on with the next page
        DrawNupFrames(pdev, pso);
    }
    EngineEndSheet(pdev);
}

// Sends band i of a raster page: rows from i x band height to the next band's top, or to the page's end.
BOOL SendBand(PDEV* pdev, SURFOBJ* pso, LONGLONG top, LONGLONG bottom)
{
    if (IsRasterMode(pdev)) {
        const RECTL band = {0, static_cast<LONG>(top), pso->sizlBitmap.cx, static_cast<LONG>(bottom)};
        SendBandImage(pdev, pso, band, kRopBandAnd, 0);
    }
    return FlushOutput(pdev);
}

} // namespace

BOOL EngineStartDoc(SURFOBJ* pso, LPWSTR pwszDocName, DWORD /*dwJobId*/)
{
    PDEV* pdev = ValidPdev(pso);
    if (pdev == nullptr)
        return FALSE;
    pdev->dwFlags |= PDEVF_DOC_STARTED;
    if ((pdev->dwFlags & PDEVF_JOB_CARRIED) == 0) {
        // A new document has no page yet: a form file made before on this device context left its skipped
        // pages behind, and an aborted document its open page.
        pdev->dwFlags &= ~(PDEVF_PAGE_SKIPPED | PDEVF_PAGE_OPEN);
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
        if (IsRasterMode(pdev)) {
            SendRasterPage(pdev, pso);
            if (!FlushOutput(pdev))
                return FALSE;
        }
        EngineEndPage(pdev, pso);
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
        const BYTE lpLayout = pdev->devmode.dmPrivate.lpLayout;
        // A last sheet that is not full was never ended by its pages. Skipped pages lie past a form file's
        // only sheet, which its last page ended.
        if (SharesSheets(pdev) && pdev->cPagesBegun % CellsPerSheet(lpLayout) != 0 &&
            (pdev->dwFlags & PDEVF_PAGE_SKIPPED) == 0) {
            DrawNupFrames(pdev, pso);
            EngineEndSheet(pdev);
        }
        SetOutputSection(pdev, kSectionTrailer);
        PdlEndDoc(pdev);
        FlushOutput(pdev);
        SendStreamCommand(pdev, kCmdReplay);
        SendStreamCommand(pdev, kCmdClose);
    }
    pdev->dwFlags &= ~(PDEVF_STREAM_OPEN | PDEVF_DOC_STARTED | PDEVF_JOB_CARRIED);
    if (!OutputFailed(pdev))
        return TRUE;
    // The job lost bytes on their way out: the caller learns why, even where the stream's clean-up after the
    // failed write left no reason behind.
    if (GetLastError() == ERROR_SUCCESS)
        SetLastError(ERROR_WRITE_FAULT);
    return FALSE;
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
    const LONGLONG bandHeight = pso->sizlBitmap.cy;
    const LONGLONG top = LONGLONG{pdev->iBand} * bandHeight;
    const LONGLONG nextTop = top + bandHeight;
    const LONGLONG pageHeight = pdev->cyPage;
    // A band that reaches the page's end is the last one: another would lie wholly below the page.
    if (bandHeight > 0 && nextTop < pageHeight) {
        *pptl = POINTL{0, static_cast<LONG>(nextTop)};
        if (!SendBand(pdev, pso, top, nextTop))
            return FALSE;
        WhitenBandBitmap(pdev);
        ++pdev->iBand;
        return TRUE;
    }
    *pptl = POINTL{-1, -1};
    if (!SendBand(pdev, pso, top, pageHeight))
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_OPEN) != 0)
        EngineEndPage(pdev, pso);
    return !OutputFailed(pdev);
}
