#pragma once
// ink_rows.h - a source bitmap read as ink, the form the printer's images take: from a one-bit source, rows of
// one bit a pixel set where the source has a 0 bit (its two colours travel with the image); from any other,
// one byte a pixel holding 255 - gray. Colours are read through the blit's translation, or in the one-bit
// plane mode from the source's own palette.

#include "customnt/vqddigfx/pdev.h"

// Bits a pixel of the bitmap formats the writer reads (BMF_1BPP to BMF_32BPP: 1, 4, 8, 16, 24, 32); 0 for
// any other format.
UINT SourceBitsPerPixel(ULONG iBitmapFormat);

// Bytes a row of ink of that many pixels takes: (width + 7) / 8 from a one-bit source, width from others.
LONG InkRowBytes(UINT bitsPerPixel, LONG width);

// The ink of an RGB colour (red in the low byte): 255 - (30 R + 59 G + 11 B) / 100.
BYTE InkOfColor(ULONG rgb);

// Reads rect (ordered, non-empty, within the bitmap) of the bitmap pso (a format SourceBitsPerPixel takes)
// as ink rows of InkRowBytes each into pOut, the rows in reverse order with mirrorY and each row reversed with
// mirrorX. FALSE when a row of the bitmap cannot hold its pixels or a working table cannot be allocated.
BOOL ReadInkRows(PDEV* pdev, SURFOBJ* pso, XLATEOBJ* pxlo, const RECTL& rect, BOOL mirrorX, BOOL mirrorY,
                 BYTE* pOut);
