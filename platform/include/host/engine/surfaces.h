#pragma once
// surfaces.h - the engine's surfaces (bitmaps it or the driver holds the bits of, and device surfaces the
// driver draws itself) behind HSURF handles and the SURFOBJ records handed to drivers.

#include <memory>
#include <vector>
#include "win/winddi.h"

namespace platform::engine {

struct Surface {
    SURFOBJ so = {};
    std::vector<BYTE> ownedBits;   // the pixels when the engine allocated them
    FLONG hooks = 0;               // the drawing calls the driver asked for (EngAssociateSurface)
    bool banding = false;          // EngMarkBandingSurface: GDI draws the page band by band

    Surface();
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
};

std::shared_ptr<Surface> FindSurface(HSURF hsurf);

// The engine's surface behind a SURFOBJ it handed out, or null for any other pointer.
Surface* SurfaceOf(const SURFOBJ* pso);

} // namespace platform::engine
