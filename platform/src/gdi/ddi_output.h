#pragma once
// ddi_output.h - draws one drawing on a surface as GDI does: through the driver's hooks where the driver took
// them (DrvStrokePath, DrvFillPath, DrvStrokeAndFillPath, DrvBitBlt, DrvCopyBits, DrvStretchBlt) with the
// SURFOBJ, CLIPOBJ, PATHOBJ, BRUSHOBJ, XLATEOBJ and LINEATTRS a driver expects, and otherwise, or when the
// driver declines, through simpler calls: flattened curves, widened lines filled, fills and lines turned into a
// blit through a clip of their pixels, and on bitmap surfaces the engine's own rendering.

#include <array>
#include <functional>
#include "engine/palettes.h"
#include "engine/surfaces.h"
#include "gdi/drawing.h"

namespace platform {

struct DrawTarget {
    SURFOBJ* so = nullptr;
    FLONG hooks = 0;                                        // the surface's EngAssociateSurface hooks
    const std::array<PFN, INDEX_LAST + 1>* driver = nullptr;   // the driver's hook table; null: none
    FLONG gcaps = 0;                                        // the driver's DEVINFO flGraphicsCaps
    engine::Palette palette;                                // the meaning of the surface's pixel values
    POINTL origin = {0, 0};                                 // the device point of the surface's pixel (0, 0)
    RECTL extent = {};                                      // the device rectangle drawing may reach
    bool monochromeDdb = false;                             // a monochrome bitmap of a memory DC
    std::function<void(const char* call)> record;           // notes each driver call made
};

// Draws the drawing; TRUE when it was drawn or nothing of it is visible.
BOOL Draw(const Drawing& drawing, const DrawTarget& target);

} // namespace platform
