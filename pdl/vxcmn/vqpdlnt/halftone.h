#pragma once
// halftone.h - the driver's own ordered halftoning of eight-bit ink images into one-bit images, its matrix
// anchored to the page so that neighbouring images meet without a seam, and the repeat tables that scale an
// image by whole pixels.

#include "customnt/vqddigfx/pdev.h"

// The copies of each of n source pixels that make m target pixels (n entries, summing to m): entry i is the
// cumulative share m x (i + 1) / n less the entries before it, rounded to the nearest when enlarging (n < m)
// and down when reducing, where a pixel may get no copy. Nothing for n or m below 1.
void BuildRepeatTable(LONG n, LONG m, LONG* pCopies);

// The side of the job's threshold matrix: 8 for lpDither 3, 16 for lpDither 4; 0 when the printer's error
// diffusion is chosen (lpDitherType 1) or for any other lpDither: the printer halftones the image itself.
UINT HalftoneMatrixSize(PDEV* pdev);

// Thresholds the ink image (width x height, cbRow bytes a row) scaled by repeat tables to cx x cy pixels at
// the page position (x, y) with the n x n matrix: a pixel is set where its ink is at least the matrix's
// threshold at its page position. Writes cy rows of (cx + 7) / 8 bytes into pOut (zero-filled by the caller).
// FALSE when n has no matrix or the column table cannot be allocated.
BOOL HalftoneInk(const BYTE* pInk, LONG width, LONG height, LONG cbRow, LONG x, LONG y, LONG cx, LONG cy, UINT n,
                 BYTE* pOut);
