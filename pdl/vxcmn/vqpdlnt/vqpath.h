#pragma once
// vqpath.h - the clip and raster-operation writers that every drawing call uses, and the page's N-up scaling
// of device coordinates.
// TODO: the path writer and the path fills and strokes, with clips by path and by lists of rectangles, come
// with their own issue; until then only the page clip and single rectangles are written.

#include "customnt/vqddigfx/pdev.h"

// Clip kinds of "cps".
constexpr LONG kClipPage = 0;
constexpr LONG kClipRect = 1;

// c x scale / 10000 + offset for each edge (integer arithmetic); the NonEmpty form then widens a rectangle
// whose right edge equals its left, or bottom its top, by 1.
RECTL PdlScaleRect(PDEV* pdev, const RECTL& rect);
RECTL PdlScaleRectNonEmpty(PDEV* pdev, const RECTL& rect);

// Writes the clip of the next drawing call and selects its kind ("cps"): no clip object is the whole page
// ("cpc 0 0 0 <width> <height>;"), DC_TRIVIAL the page as it stands, DC_RECT its scaled bounds ("cpc 1 ...")
// unless they are the page. Each rectangle is written only when it changed. Nothing while the clip save flag
// is set. FALSE for a clip it cannot write.
BOOL PdlOutputClip(PDEV* pdev, CLIPOBJ* pco, const RECTL* prclBounds);

// "rop 2 #<low byte>;" when the mix differs from the one last written.
void PdlOutputRop2(PDEV* pdev, ULONG mix);

// The low byte of the two-operand rop last written.
BYTE PdlGetRop2(PDEV* pdev);

// Forgets the clip and the raster operations the printer was told.
void PdlResetClipCache(PDEV* pdev);
