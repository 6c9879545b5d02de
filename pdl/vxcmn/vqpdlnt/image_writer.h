#pragma once
// image_writer.h - images on the page: "mta" to their place, then "imt" or "imm" (at their own size) or "bmt"
// or "bmm" (scaled by the printer) with one-bit or eight-bit rows, PackBits-compressed ("imt", "bmt") when
// that is smaller than the raw rows ("imm", "bmm"); the driver's halftoning of eight-bit images; and the
// rectangle fills of rops without a source ("rcr", "sba").

#include "customnt/vqddigfx/pdev.h"

// Writes height one-bit rows of width pixels (cbRow bytes apart in pRows, the leftmost pixel in the highest
// bit, a set bit printed in the brush foreground colour) to cover cxTarget x cyTarget pixels at (x, y), the
// device coordinates as they are. The page counts as drawn unless the image leaves it blank. Nothing is
// written for a size of 0. FALSE for a negative size, rows missing or shorter than the width, or an image of
// 2 GB or more.
BOOL PdlOutputImage1(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, LONG x, LONG y,
                     LONG cxTarget, LONG cyTarget);

// The same for eight-bit rows of ink (255 - gray), one byte a pixel. When the job asks for the driver's
// halftoning (HalftoneMatrixSize), the image goes out as a one-bit image halftoned at its target size and
// place, in black on white, unless it is scaled and the one-bit image would not be smaller; when that image
// cannot be made the eight-bit one goes out.
BOOL PdlOutputImage8(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, LONG x, LONG y,
                     LONG cxTarget, LONG cyTarget);

// The image writers at a target rectangle of the page's drawing: at an N-up scale other than 1:1 the
// rectangle is scaled, kept at least a pixel wide and high unless the current three-operand rop reads the page.
BOOL PdlOutputScaledImage1(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, const RECTL& target);
BOOL PdlOutputScaledImage8(PDEV* pdev, const BYTE* pRows, LONG width, LONG height, LONG cbRow, const RECTL& target);

// "rcr <x0> <y0> <x1 - x0 + 1> <y1 - y0 + 1>;": the rectangle filled with the current brush and rop; nothing
// unless x0 < x1 and y0 < y1.
void PdlOutputRectRop(PDEV* pdev, LONG x0, LONG y0, LONG x1, LONG y1);

// "sba <x0> <y0> <x1 - x0> [<y1 - y0>];" (the height only when it is not 1): a box filled without a brush;
// nothing unless x0 < x1 and y0 < y1.
void PdlOutputRectBlank(PDEV* pdev, LONG x0, LONG y0, LONG x1, LONG y1);

// The rectangle writers at a rectangle of the page's drawing, scaled like the images but by whether the
// current two-operand rop reads the page.
void PdlOutputScaledRectRop(PDEV* pdev, const RECTL& rect);
void PdlOutputScaledRectBlank(PDEV* pdev, const RECTL& rect);

// PackBits, row by row: runs of 2 to 128 equal bytes as 1 - n and the byte, stretches of 1 to 128 other bytes
// as n - 1 and the bytes. The size of a row's code, and the code itself written into pOut, which must hold
// PackBitsBound(cb) bytes; both answer the code's size.
DWORD PackBitsSize(const BYTE* pRow, DWORD cb);
DWORD PackBitsRow(const BYTE* pRow, DWORD cb, BYTE* pOut);

// The most a row of cb bytes can take coded. A single byte before a pair costs two bytes and the pair two, so
// the code may grow by a third: "a bb c dd ..." takes four bytes for every three.
constexpr DWORD PackBitsBound(DWORD cb)
{
    return cb + cb / 2 + 2;
}
