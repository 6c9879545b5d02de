#pragma once
// palettes.h - engine palettes: what a surface's pixel values mean as colours. Colours are COLORREF-ordered
// (red in the lowest byte) wherever the engine passes them between palettes.

#include <memory>
#include <vector>
#include "win/winddi.h"

namespace platform::engine {

struct Palette {
    ULONG iMode = PAL_RGB;              // PAL_INDEXED, PAL_BITFIELDS, PAL_RGB or PAL_BGR
    std::vector<ULONG> entries;         // PAL_INDEXED: the colours, red in the lowest byte
    FLONG masks[3] = {0, 0, 0};         // PAL_BITFIELDS: red, green, blue
};

std::shared_ptr<Palette> FindPalette(HPALETTE hpal);

// The colour of a pixel value; an index past the palette's end is black.
COLORREF ColorOfValue(const Palette& palette, ULONG value);

// The pixel value that shows a colour best: the exact packing for the direct modes, the nearest entry (the
// first of equals) for an indexed palette.
ULONG ValueOfColor(const Palette& palette, COLORREF color);

} // namespace platform::engine
