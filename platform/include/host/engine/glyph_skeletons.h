#pragma once
// glyph_skeletons.h - the strokes every font design of the stand-in is drawn from: per character its advance
// and the centre lines of its strokes on a design grid, which a design's pen widens into the glyph's outline.

#include "win/winddi.h"

namespace platform::engine {

// The design grid: an em of 20 units, y upward from the baseline; capitals reach 14, small letters 10,
// descenders -4, and full-width characters fill an advance of the whole em. Stroke text is a run of commands:
// "Mx,y" starts a stroke, "Lx,y" draws a line to a point, "Qcx,cy x,y" a quadratic curve through a control
// point, "Z" closes the stroke back to its start.
constexpr int kDesignEm = 20;

struct GlyphSkeleton {
    WCHAR       wc;        // 0 ends the table
    BYTE        advance;   // in design units
    const char* strokes;
};

// The glyph handle of a character: its row's position + 1, or 0 (the default glyph) when no row has it.
HGLYPH GlyphHandleOf(WCHAR wc);

// The skeleton behind a glyph handle; the default glyph (an empty box) for 0 or a handle past the table.
const GlyphSkeleton& GlyphSkeletonOf(HGLYPH hg);

} // namespace platform::engine
