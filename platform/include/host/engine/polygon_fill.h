#pragma once
// polygon_fill.h - scan conversion of polygons as GDI fills them: a pixel belongs to the fill when its centre
// (the pixel's integer coordinates, in 28.4 the multiples of 16) lies inside; a centre exactly on an edge
// counts for left and top edges and not for right and bottom ones, so a rectangle from (0, 0) to (10, 10)
// covers the pixels 0 to 9 and two shapes sharing an edge never both cover a pixel on it.

#include <functional>
#include <vector>
#include "host/engine/flatten.h"

namespace platform::engine {

enum class FillRule {
    Alternate,   // inside where a ray from the point crosses the outline an odd number of times
    Winding,     // inside where the outline winds around the point (non-zero winding number)
};

// Every figure is taken as closed. For each row of the visible rectangles, span(y, left, right) is called for
// the covered pixels left .. right - 1 inside one visible rectangle; rows come in rising order per rectangle.
void FillFigures(const std::vector<Figure>& figures, FillRule rule, const std::vector<RECTL>& visible,
                 const std::function<void(LONG y, LONG left, LONG right)>& span);

} // namespace platform::engine
