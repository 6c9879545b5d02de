#pragma once
// ddi_output.h - draws one drawing on a surface as GDI does: through the driver's hooks where the driver took
// them (DrvStrokePath, DrvFillPath, DrvStrokeAndFillPath, DrvBitBlt, DrvCopyBits, DrvStretchBlt) with the
// SURFOBJ, CLIPOBJ, PATHOBJ, BRUSHOBJ, XLATEOBJ and LINEATTRS a driver expects, and otherwise, or when the
// driver declines, through simpler calls: flattened curves, widened lines filled, fills and lines turned into a
// blit through a clip of their pixels, and on bitmap surfaces the engine's own rendering. Text goes the same
// way through DrvTextOut (ddi_text.cpp), with the helpers declared here.

#include <array>
#include <functional>
#include <memory>
#include <vector>
#include "host/engine/brush.h"
#include "host/engine/clip.h"
#include "host/engine/palettes.h"
#include "host/engine/surfaces.h"
#include "gdi/drawing.h"
#include "gdi/driver_time.h"

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

// Draws a text drawing (ddi_text.cpp): DrvTextOut where the driver took it, else the engine's text on a bitmap
// surface or the glyphs' pixels blitted on a device surface.
BOOL DrawText(const TextDrawing& text, const DrawAttributes& a, const DrawTarget& t);

// What a driver's answer means: it drew, it declined (GDI tries something simpler), or it failed.
enum class Outcome { Done, Declined, Failed };

Outcome OutcomeOf(BOOL answer);

// True when the driver asked for the call on this surface and has a hook for it.
bool Hooked(const DrawTarget& t, FLONG hook, ULONG index);

// The driver's hook of that index; its calls count as the graphics module's time.
template <typename Fn>
TimedHook<Fn> HookOf(const DrawTarget& t, ULONG index)
{
    return TimedHook<Fn>(reinterpret_cast<Fn>((*t.driver)[index]));
}

// Notes a driver call in the target's record.
void Note(const DrawTarget& t, const char* call);

// A surface whose bits the engine can draw on itself.
bool IsBitmapSurface(const SURFOBJ* so);

RECTL Shifted(const RECTL& r, const POINTL& by);

// The rectangles of the surface a drawing may touch: the DC's clip region (or the whole extent) within the
// extent, moved to the surface's origin, within the surface.
std::vector<RECTL> VisibleRects(const DrawAttributes& a, const DrawTarget& t);

// The clip object of a drawing whose pixels lie within bounds: DC_TRIVIAL when all of bounds is visible, DC_RECT
// when one rectangle of it is, else DC_COMPLEX over the whole visible region with the bounds of what the
// drawing meets; null when none of it is visible (and the driver is not called at all).
std::unique_ptr<engine::ClipObject> MakeClip(const std::vector<RECTL>& visible, const RECTL& bounds);

// The brush realized for the target: a solid colour as the surface's value for it, or a pattern (a hatch in
// the brush's colour on the background colour, a monochrome bitmap in the text and background colours) that
// the driver may realize through DrvRealizeBrush. Null for a null brush.
std::unique_ptr<engine::BrushObject> Realize(const LogicalBrush& brush, const DrawAttributes& a,
                                             const DrawTarget& t);

// Paints the pixels (rectangles on the surface) with the brush by the mix, each half of it in one DrvBitBlt
// whose clip is its pixels: how GDI draws on a device surface whose driver would not take a call. Where the
// mix treats a hatch's background apart from its lines, the pixels on the background go in a blit of their
// own (none when the background is left alone). FALSE with ERROR_NOT_SUPPORTED when the driver has no blit.
BOOL BlitCoverage(const DrawTarget& t, const std::vector<RECTL>& pixels, BRUSHOBJ* brush, POINTL* origin, MIX mix);

// The visible rectangles of a clip object, on the surface.
std::vector<RECTL> ClipRects(const DrawTarget& t, CLIPOBJ* clip);

} // namespace platform
