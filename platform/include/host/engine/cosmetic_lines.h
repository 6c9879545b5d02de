#pragma once
// cosmetic_lines.h - one-pixel lines as GDI draws them: from each line's first pixel up to, not including, its
// last, the pixel nearest the true line in each column (or row, for steep lines), and styled by a repeating
// array of dash and gap lengths.

#include <functional>
#include <vector>
#include "host/engine/flatten.h"

namespace platform::engine {

struct CosmeticStyle {
    std::vector<ULONG> dashes;   // lengths in style units, dash first (gap first with startGap); empty: solid
    bool startGap = false;
    bool alternate = false;      // every other pixel on, whatever the dashes
    // A pixel step advances the style by xStep / den units along a flat line, by yStep / den along a steep one.
    ULONG xStep = 1;
    ULONG yStep = 1;
    ULONG den = 1;
};

// The style of a cosmetic line's attributes, with the style steps of the device the surface belongs to (those
// of a surface without a device when hdev is null or its steps are unusable).
CosmeticStyle CosmeticStyleOf(const LINEATTRS& la, HDEV hdev);

// Calls pixel(x, y) for every pixel of the figure's lines that lies in a visible rectangle, each pixel of a
// line once. The points are rounded to the nearest pixel; the style runs on from line to line of the figure.
void TraceCosmeticFigure(const Figure& figure, const CosmeticStyle& style, const std::vector<RECTL>& visible,
                         const std::function<void(LONG x, LONG y)>& pixel);

// The same for one solid line between two pixels, which may lie anywhere in the LONG range.
void TraceCosmeticLine(POINTL from, POINTL to, const std::vector<RECTL>& visible,
                       const std::function<void(LONG x, LONG y)>& pixel);

} // namespace platform::engine
