#pragma once
// flatten.h - paths as figures of straight lines: Bézier curves are replaced by runs of short lines, so the
// engine's fill, line and widening code only ever sees polygons and polylines.

#include <vector>
#include "host/engine/path.h"

namespace platform::engine {

// One figure (sub-path) of lines, in 28.4 device coordinates; a closed figure ends with a line back to its
// first point, which is not repeated in points.
struct Figure {
    std::vector<POINTFIX> points;
    bool closed = false;
};

// Appends to out the points of lines that follow the cubic Bézier curve from p0 (not appended) through the
// control points c1 and c2 to p3 (appended last), each point within a sixteenth of a pixel of the curve.
void FlattenBezier(const POINTFIX& p0, const POINTFIX& c1, const POINTFIX& c2, const POINTFIX& p3,
                   std::vector<POINTFIX>& out);

// The path's figures with every curve flattened.
std::vector<Figure> FlattenPath(const PathObject& path);

// A path of the figures' lines, as GDI hands a flattened path to a driver.
std::unique_ptr<PathObject> PathOfFigures(const std::vector<Figure>& figures);

// True when the path holds a Bézier curve.
bool HasBeziers(const PathObject& path);

} // namespace platform::engine
