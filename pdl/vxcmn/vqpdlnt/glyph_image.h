#pragma once
// glyph_image.h - characters no resident font can show, written as one-bit images of their glyphs.

#include "customnt/vqddigfx/pdev.h"

// Writes the glyph as a one-bit image whose glyph origin lands on origin (page pixels, N-up placement already
// applied). At scale 10000 the image is the glyph's bitmap; at any other scale the glyph's outline is drawn at
// that scale into a memory DC and its pixels are the image, so a reduced page keeps sharp characters. FALSE,
// with a debug line naming the step, when the glyph cannot be had, drawn or written: its ink is lost. A glyph
// whose size or place is beyond any page is left out on purpose: a debug line, nothing written, and TRUE.
BOOL PdlOutputGlyphImage(PDEV* pdev, FONTOBJ* pfo, HGLYPH hg, POINTL origin, ULONG scale);
