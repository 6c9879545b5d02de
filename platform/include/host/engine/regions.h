#pragma once
// regions.h - regions as GDI keeps them: non-overlapping rectangles in bands from top to bottom, each band's
// rectangles from left to right, a band that equals the one above it joined to it. Clip objects hold their
// region this way, and GDI's region objects combine theirs with the same operations.

#include <vector>
#include "win/windef.h"

namespace platform::engine {

enum class RegionOp { And, Or, Xor, Diff };

// The region of a op b, in canonical form. Empty rectangles in the inputs are ignored; the inputs need not be
// canonical nor free of overlaps.
std::vector<RECTL> CombineRegions(const std::vector<RECTL>& a, const std::vector<RECTL>& b, RegionOp op);

// The union of rects, in canonical form.
std::vector<RECTL> NormaliseRegion(const std::vector<RECTL>& rects);

// The smallest rectangle holding every rectangle of the region; all zero for an empty one.
RECTL RegionBounds(const std::vector<RECTL>& rects);

bool IsEmptyRect(const RECTL& r);
RECTL IntersectRects(const RECTL& a, const RECTL& b);

} // namespace platform::engine
