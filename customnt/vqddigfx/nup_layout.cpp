// nup_layout.cpp - N-up cells, zoom and frames of a PDEV.
//
// The cells are computed in integer arithmetic, each product before its division, and the results are part of
// what the printer is sent (every coordinate of a page is scaled and shifted by them), so the order of the
// operations below is binding.
#include "customnt/vqddigfx/nup_layout.h"
#include "customnt/vqddigfx/band_image.h"
#include "customnt/vqddigfx/nup_cell_order.h"
#include "settings/devmode/layout_table.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr BYTE  kNoOuterFrame = 5;         // saved byte 566: the sheet's edges get no frame

// A layout of the table that puts one page on a sheet.
bool IsSinglePageLayout(BYTE lpLayout)
{
    const LAYOUT_ROW* row = FindLayout(lpLayout);
    return row != nullptr && row->cPages == 1;
}

LONG Narrow(LONGLONG value)
{
    return static_cast<LONG>(value);
}

// Places the cells of a sheet width x height pixels (the layout area) for a layout and working orientation,
// with the PDEV's physical page and printable area, into its N-up block. Returns the scale d in 1/10000.
//
// With P = portrait and F = P for the layouts that turn the sheet, else not P, a cell is a pixels wide and
// ch high: a = (F ? height : width) / columns, ch = (F ? width : height) / rows. The page (pw x pl, turned when
// not P) is scaled to fit: d = min(a * 10000 / page width, ch * 10000 / page length). A scaled page is
// centred in its cell through its printable area's offset: e = d * left / 10000 + (a - page width * d /
// 10000) / 2, f likewise down; a page at its own size stays at the cell's corner.
DWORD PlaceNupCells(PDEV* pdev, BYTE lpLayout, SHORT orientation, LONG width, LONG height)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    const bool portrait = orientation != DMORIENT_LANDSCAPE;
    const bool turned = LayoutTurnsSheet(lpLayout) ? portrait : !portrait;
    const NUP_GRID grid = GetNupGrid(lpLayout, portrait);
    const LONGLONG pw = dm.paperWidthPixels;
    const LONGLONG pl = dm.paperLengthPixels;
    const LONGLONG a = (turned ? height : width) / grid.columns;
    const LONGLONG ch = (turned ? width : height) / grid.rows;

    LONGLONG d = kScaleNone;
    if (pw > 0 && pl > 0) {
        const LONGLONG sy = ch * kScaleNone / (portrait ? pl : pw);
        const LONGLONG sx = a * kScaleNone / (portrait ? pw : pl);
        d = std::min(sx, sy);
    }
    // A layout area without room for a page cannot scale one: the page keeps its size rather than vanish.
    if (d <= 0 || d > 0x7FFFFFFF)
        d = kScaleNone;

    const RECTL printable = dm.printableRectPixels;
    LONGLONG e = 0;
    LONGLONG f = 0;
    if (d != kScaleNone) {
        const LONGLONG gw = portrait ? pw : pl;
        const LONGLONG gh = portrait ? pl : pw;
        e = d * printable.left / kScaleNone + (a - gw * d / kScaleNone) / 2;
        f = d * printable.top / kScaleNone + (ch - gh * d / kScaleNone) / 2;
    }
    const LONGLONG cx = d * (LONGLONG{printable.right} - printable.left) / kScaleNone;
    const LONGLONG cy = d * (LONGLONG{printable.bottom} - printable.top) / kScaleNone;
    NUP_BLOCK& block = pdev->nupBlock;
    for (LONG i = 0; i < grid.rows; ++i) {
        for (LONG j = 0; j < grid.columns; ++j) {
            NUP_CELL& cell = block.cells[i * grid.columns + j];
            cell.rcSource = RECTL{Narrow(a * j), Narrow(ch * i), Narrow(a * j + a), Narrow(ch * i + ch)};
            cell.rcPlacement = RECTL{Narrow(e + a * j), Narrow(f + ch * i), Narrow(e + a * j + cx),
                                     Narrow(f + ch * i + cy)};
        }
    }
    return static_cast<DWORD>(d);
}

// The layout area of the PDEV's devmode: the sheet the cells divide.
SIZEL LayoutArea(PDEV* pdev)
{
    const RECTL area = pdev->devmode.dmPrivate.outputPrintableRectPixels;
    return SIZEL{area.right - area.left, area.bottom - area.top};
}

DWORD ZoomScale(SHORT zoom)
{
    return zoom > 0 ? static_cast<DWORD>(zoom) * 100 : kScaleNone;
}

void MarkComputedOnceBegun(PDEV* pdev)
{
    if (pdev->cPagesBegun != 0)
        pdev->nupBlock.bComputed = 1;
}

// A reset in a job of one page per sheet: the job goes on in the new page's orientation, the zoom recomputed
// for it; a zoomed page whose paper or orientation changed is fitted to the sheet (layout 2) instead.
void CarrySinglePageLayout(PDEV* pOld, PDEV* pNew)
{
    PRIVATE_DEVMODE& newDm = pNew->devmode.dmPrivate;
    const DEVMODEW& was = pOld->devmode.dmPrivate.dmPublicCopy;
    const DEVMODEW& now = newDm.dmPublicCopy;
    pNew->sOrientation = now.dmOrientation;
    newDm.Layout_Check = 0;
    if (newDm.ZoomCheck != 1) {
        newDm.lpLayout = kLayoutSinglePage;
        pNew->ulScale = kScaleNone;
        return;
    }
    const bool samePaper = now.dmPaperSize == was.dmPaperSize && now.dmOrientation == was.dmOrientation &&
                           (now.dmPaperSize != DMPAPER_USER ||
                            (now.dmPaperLength == was.dmPaperLength && now.dmPaperWidth == was.dmPaperWidth));
    newDm.lpLayout = samePaper ? kLayoutSinglePage : kLayoutFitToSheet;
    pNew->nupBlock.bComputed = 0;
    pNew->ulScale = ComputeNupLayout(pNew);
}

// A reset in an N-up job: the sheets go on as they began (paper, resolution, layout, order of the cells) and
// the new page is placed into the same cells.
void CarrySheetLayout(PDEV* pOld, PDEV* pNew)
{
    PRIVATE_DEVMODE& newDm = pNew->devmode.dmPrivate;
    const PRIVATE_DEVMODE& oldDm = pOld->devmode.dmPrivate;
    NUP_BLOCK& block = pNew->nupBlock;
    const SHORT oldResolution = oldDm.dmPublicCopy.dmPrintQuality;
    const SHORT newResolution = newDm.dmPublicCopy.dmPrintQuality;
    const LONGLONG ratio = oldResolution > 0 && newResolution > 0 ? LONGLONG{newResolution} * 100 / oldResolution
                                                                  : 100;
    newDm.dmPublicCopy.dmPrintQuality = oldResolution;
    newDm.dmPublicCopy.dmYResolution = oldDm.dmPublicCopy.dmYResolution;
    newDm.dmPublicCopy.dmPaperSize = oldDm.dmPublicCopy.dmPaperSize;
    newDm.dmPublicCopy.dmCopies = oldDm.dmPublicCopy.dmCopies;
    newDm.lpOutputPaper = oldDm.lpOutputPaper;
    newDm.lpLayout = oldDm.lpLayout;
    newDm.byte784 = oldDm.byte784;
    newDm.byte785 = oldDm.byte785;
    newDm.byte786 = oldDm.byte786;
    newDm.byte787 = oldDm.byte787;
    pNew->sOrientation = block.sSavedOrientation;
    const DWORD d = PlaceNupCells(pNew, block.bSavedLayout, block.sSavedOrientation, block.cxSheet, block.cySheet);
    const DWORD scale = static_cast<DWORD>(ratio * d / 100);
    block.ulScale = scale;
    pNew->ulScale = scale;
}

} // namespace

DWORD GetNupCellIndex(DWORD page, BYTE lpLayout, BYTE lpOrder, SHORT orientation)
{
    const LAYOUT_ROW* layout = FindLayout(lpLayout);
    if (layout == nullptr || !layout->bOrdered)
        return 0;
    const DWORD cells = CellsPerSheet(lpLayout);
    if (cells < 2)
        return 0;
    const DWORD index = (page % cells + cells - 1) % cells;   // (page - 1) mod cells, page 0 included
    if (cells == 2)
        return lpOrder == 1 ? index : page % 2;
    if (lpOrder == 3)
        return index;
    const NUP_CELL_ORDER_ROW* row = FindNupCellOrder(cells, lpOrder, orientation == DMORIENT_LANDSCAPE);
    return row != nullptr ? row->cell[index] : 0;
}

DWORD ComputeNupLayout(PDEV* pdev)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    NUP_BLOCK& block = pdev->nupBlock;
    const SIZEL area = LayoutArea(pdev);
    if (dm.ZoomCheck == 1 && dm.lpLayout != kLayoutFitToSheet) {
        block.cells[0].rcPlacement = RECTL{0, 0, area.cx, area.cy};
        block.cells[0].rcSource = RECTL{0, 0, dm.outputWidthPixels, dm.outputLengthPixels};
        MarkComputedOnceBegun(pdev);
        return ZoomScale(dm.Zoom);
    }
    if (block.bComputed != 0)
        return block.ulScale;
    const DWORD d = PlaceNupCells(pdev, dm.lpLayout, pdev->sOrientation, area.cx, area.cy);
    block.ulScale = d;
    MarkComputedOnceBegun(pdev);
    block.bSavedLayout = dm.lpLayout;
    block.sSavedOrientation = pdev->sOrientation;
    block.cxSheet = static_cast<SHORT>(area.cx);
    block.cySheet = static_cast<SHORT>(area.cy);
    block.bSavedByte564 = dm.byte784;
    block.bSavedByte566 = dm.byte786;
    std::memcpy(block.privateCopy, &dm, sizeof block.privateCopy);
    return d;
}

DWORD GetNupFrameRects(PDEV* pdev, RECTL* prc)
{
    const NUP_BLOCK& block = pdev->nupBlock;
    if (block.bComputed == 0 || block.bSavedLayout == 1)
        return 0;
    LONG w = block.cxSheet;
    LONG h = block.cySheet;
    const bool landscape = block.sSavedOrientation == DMORIENT_LANDSCAPE;
    if (landscape)
        std::swap(w, h);
    const WORD border = pdev->devmode.dmPrivate.lpBorder;
    DWORD count = 0;
    if (border == 1 && block.bSavedByte566 != kNoOuterFrame) {
        prc[count++] = RECTL{0, 0, w, 1};
        prc[count++] = RECTL{0, 0, 1, h};
        prc[count++] = RECTL{0, h - 1, w, h};
        prc[count++] = RECTL{w - 1, 0, w, h};
    }
    if (border == 0 || block.bSavedLayout == 2)
        return count;
    // The frames are drawn on the sheet as it lies, so a sheet computed for a landscape page has its cells
    // side by side.
    const NUP_GRID grid = GetNupGrid(block.bSavedLayout, landscape);
    const LONG s = w / grid.columns;
    const LONG t = h / grid.rows;
    for (LONG k = 1; k < grid.columns; ++k)
        prc[count++] = RECTL{k * s, 0, k * s + 1, h};
    for (LONG k = 1; k < grid.rows; ++k)
        prc[count++] = RECTL{0, k * t, w, k * t + 1};
    return count;
}

void DrawNupFrames(PDEV* pdev, SURFOBJ* pso)
{
    RECTL frames[kMaxNupFrameRects];
    const DWORD count = GetNupFrameRects(pdev, frames);
    if (count == 0)
        return;
    // The frames belong to the sheet, not to a cell: they are drawn at the sheet's own scale.
    const DWORD scale = pdev->ulScale;
    pdev->ulScale = kScaleNone;
    for (DWORD i = 0; i < count; ++i)
        FillRectBlack(pdev, pso, frames[i]);
    pdev->ulScale = scale;
}

void CarryNupLayout(PDEV* pOld, PDEV* pNew)
{
    pNew->nupBlock = pOld->nupBlock;
    // Only a job under way binds the new PDEV to its sheets; the cells of a finished document, or of one without
    // pages yet, would place the new document's pages by the old settings.
    if ((pOld->dwFlags & PDEVF_DOC_STARTED) == 0 || pOld->cPagesBegun == 0) {
        pNew->nupBlock.bComputed = 0;
        return;
    }
    if (IsSinglePageLayout(pOld->devmode.dmPrivate.lpLayout))
        CarrySinglePageLayout(pOld, pNew);
    else
        CarrySheetLayout(pOld, pNew);
}
