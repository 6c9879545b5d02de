#pragma once
// nup_layout.h - placing several logical pages on one sheet (N-up) and zooming a page onto its sheet: the
// cells of the sheet, the scale and offset of each page's drawing, the frame lines between the cells, and the
// layout a PDEV that DrvResetPDEV makes in the middle of a job carries on with.

#include "customnt/vqddigfx/pdev.h"

constexpr DWORD kScaleNone = 10000;   // the page's drawing at its own size
constexpr DWORD kMaxNupFrameRects = 10;   // four edges and three dividers each way

// The cell (0-based, row by row) that page n (1-based) of the document takes on its sheet, by the layout,
// the order and the working orientation the cells were computed for. Two-cell layouts alternate (lpOrder 1
// from the left cell); 4, 6, 9 and 16 cells follow the cell order table (lpOrder 3 in reading order, 4 to 6
// from the table, any other lpOrder cell 0); layouts 1, 2 and 11 to 13 always give cell 0.
DWORD GetNupCellIndex(DWORD page, BYTE lpLayout, BYTE lpOrder, SHORT orientation);

// The scale in 1/10000 of the page's drawing for the PDEV's layout and zoom, and the cells of its sheet in
// the N-up block. A zoom (ZoomCheck, layout other than 2) is the zoom percent on one cell covering the layout
// area. Otherwise the pages are scaled into the cells of the layout's grid, centred; once the job has begun
// pages the result is kept and later calls answer it unchanged.
DWORD ComputeNupLayout(PDEV* pdev);

// The frame lines of the PDEV's computed N-up sheet as one-pixel rectangles (at most kMaxNupFrameRects, into
// prc): the four edges when the frame-line word is 1, then the dividers between columns and between rows when
// it is not 0. Returns the count; 0 when nothing was computed or the sheet holds one page.
DWORD GetNupFrameRects(PDEV* pdev, RECTL* prc);

// Draws the frame lines black on the sheet, unscaled.
void DrawNupFrames(PDEV* pdev, SURFOBJ* pso);

// DrvResetPDEV, after the job and its context have moved to the new PDEV: the new PDEV takes the old one's
// N-up block, and a job that has begun pages keeps its sheets. A job of one page per sheet goes on with the
// new page's size (a changed zoomed paper is fitted to the sheet); an N-up job keeps the old sheet's paper,
// resolution, layout and cells, placed for the new page's size.
void CarryNupLayout(PDEV* pOld, PDEV* pNew);
