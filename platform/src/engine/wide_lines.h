#pragma once
// wide_lines.h - lines of a geometric pen as the area they cover: each line a rectangle of the pen's width,
// each join and end cap a piece of its own, all wound the same way so that a winding fill paints their union.

#include <vector>
#include "host/engine/flatten.h"

namespace platform::engine {

struct WideStyle {
    double width = 1;              // in pixels
    ULONG join = JOIN_ROUND;       // JOIN_ROUND, JOIN_BEVEL or JOIN_MITER
    ULONG endCap = ENDCAP_ROUND;   // ENDCAP_ROUND, ENDCAP_SQUARE or ENDCAP_BUTT
    double miterLimit = 10;        // longest miter, in pen widths, before a bevel is drawn instead
    std::vector<double> dashes;    // dash and gap lengths in pixels, dash first (gap first with startGap)
    bool startGap = false;
};

// The style of a geometric line's attributes, its width and dashes scaled from world units by scale.
WideStyle WideStyleOf(const LINEATTRS& la, double scale);

// The pieces covering the figures' wide lines, as closed figures to fill with FillRule::Winding. Each dash of a
// styled pen is an open line with the pen's end caps.
std::vector<Figure> WidenFigures(const std::vector<Figure>& figures, const WideStyle& style);

} // namespace platform::engine
