#pragma once
// regions.h - region objects (CreateRectRgn, CreateRectRgnIndirect, CreatePolygonRgn, CombineRgn) and the clip
// region of a device context (SelectClipRgn, IntersectClipRect, ExcludeClipRect, GetClipBox, and SelectClipPath's
// region).

#include <vector>
#include "gdi/device_context.h"

namespace platform {

// NULLREGION, SIMPLEREGION or COMPLEXREGION for a canonical region.
int RegionComplexity(const std::vector<RECTL>& rects);

// Combines the DC's clip region with a region in device coordinates as RGN_mode does (with no clip region yet,
// the DC's whole device stands in for it), and answers the new clip's complexity; ERROR for an unknown mode.
int CombineClip(DeviceContext& dc, const std::vector<RECTL>& region, int mode);

} // namespace platform
