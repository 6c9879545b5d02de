// ddi_output.cpp - a drawing turned into DDI calls on a surface, with GDI's fall-backs when the driver has no
// hook for a call or declines it.
#include "gdi/ddi_output.h"
#include "host/engine/brush.h"
#include "host/engine/clip.h"
#include "host/engine/cosmetic_lines.h"
#include "host/engine/flatten.h"
#include "engine/pixels.h"
#include "host/engine/polygon_fill.h"
#include "engine/raster.h"
#include "host/engine/regions.h"
#include "engine/wide_lines.h"
#include "host/engine/xform.h"
#include "host/engine/xlate.h"
#include "gdi/bitmaps.h"
#include "gdi/brushes.h"
#include "gdi/pens.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

using engine::ClipObject;
using engine::PathObject;

BOOL NotSupported()
{
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

RECTL Ordered(const RECTL& r)
{
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

// A palette of two colours: a monochrome pattern or bitmap shows its 0 in the first and its 1 in the second.
engine::Palette TwoColours(COLORREF zero, COLORREF one)
{
    engine::Palette palette;
    palette.iMode = PAL_INDEXED;
    palette.entries = {zero & 0x00FFFFFF, one & 0x00FFFFFF};
    return palette;
}

// The mix of a drawing with a brush: the DC's ROP2 for the brush, and for the background of a hatch too unless
// the background mode is transparent, which leaves it alone.
MIX MixOf(const DrawAttributes& a, const LogicalBrush& brush)
{
    const ULONG fore = static_cast<ULONG>(a.rop2);
    const ULONG back = brush.style == BS_HATCHED && a.bkMode == TRANSPARENT ? R2_NOP : fore;
    return fore | back << 8;
}

// Tries a path call, and when the driver declines a path with curves, tries it once more with the curves
// flattened; a driver without GCAPS_BEZIERS gets the flattened path the first time.
template <typename Call>
Outcome TryPath(const DrawTarget& t, PathObject& path, const char* name, Call call)
{
    const bool curves = engine::HasBeziers(path);
    std::unique_ptr<PathObject> flat;
    if (curves && !(t.gcaps & GCAPS_BEZIERS))
        flat = engine::PathOfFigures(engine::FlattenPath(path));
    Note(t, name);
    const Outcome outcome = OutcomeOf(call(flat != nullptr ? flat->get() : path.get()));
    if (outcome != Outcome::Declined || !curves || flat != nullptr)
        return outcome;
    flat = engine::PathOfFigures(engine::FlattenPath(path));
    Note(t, name);
    return OutcomeOf(call(flat->get()));
}

// Paints the pixels (rectangles on the surface) with the brush in one DrvBitBlt whose clip is those pixels, by
// the rop of one half of the mix: how GDI draws a fill or a line on a device surface whose driver would not
// take the path.
BOOL BlitPixels(const DrawTarget& t, const std::vector<RECTL>& pixels, BRUSHOBJ* brush, POINTL* origin, ULONG rop2)
{
    if (pixels.empty() || rop2 == R2_NOP)
        return TRUE;
    if (!Hooked(t, HOOK_BITBLT, INDEX_DrvBitBlt))
        return NotSupported();
    auto coverage = ClipObject::FromRectangles(pixels);
    RECTL bounds = coverage->get()->rclBounds;
    const BYTE rop3 = engine::Rop3FromRop2(rop2);
    Note(t, "DrvBitBlt");
    return OutcomeOf(HookOf<PFN_DrvBitBlt>(t, INDEX_DrvBitBlt)(
               t.so, nullptr, nullptr, coverage->get(), nullptr, &bounds, nullptr, nullptr,
               engine::Rop3UsesPattern(rop3) ? brush : nullptr, origin, rop3 | static_cast<ROP4>(rop3) << 8)) ==
           Outcome::Done;
}

BOOL Fill(const DrawTarget& t, PathObject& path, CLIPOBJ* clip, BRUSHOBJ* brush, POINTL* origin, MIX mix,
          FLONG options)
{
    const FLONG modeCap = (options & FP_WINDINGMODE) ? GCAPS_WINDINGFILL : GCAPS_ALTERNATEFILL;
    if (Hooked(t, HOOK_FILLPATH, INDEX_DrvFillPath) && (t.gcaps & modeCap)) {
        const auto fill = HookOf<PFN_DrvFillPath>(t, INDEX_DrvFillPath);
        const Outcome outcome = TryPath(t, path, "DrvFillPath", [&](PATHOBJ* ppo) {
            return fill(t.so, ppo, clip, brush, origin, mix, options);
        });
        if (outcome != Outcome::Declined)
            return outcome == Outcome::Done;
    }
    if (IsBitmapSurface(t.so))
        return EngFillPath(t.so, path.get(), clip, brush, origin, mix, options);
    std::vector<RECTL> pixels;
    const auto rule = (options & FP_WINDINGMODE) ? engine::FillRule::Winding : engine::FillRule::Alternate;
    engine::FillFigures(engine::FlattenPath(path), rule, ClipRects(t, clip),
                        [&](LONG y, LONG left, LONG right) { pixels.push_back({left, y, right, y + 1}); });
    return BlitCoverage(t, pixels, brush, origin, mix);
}

BOOL Stroke(const DrawTarget& t, PathObject& path, CLIPOBJ* clip, XFORMOBJ* xform, BRUSHOBJ* brush,
            POINTL* origin, LINEATTRS* la, MIX mix)
{
    const bool geometric = (la->fl & LA_GEOMETRIC) != 0;
    if ((!geometric || (t.gcaps & GCAPS_GEOMETRICWIDE)) && Hooked(t, HOOK_STROKEPATH, INDEX_DrvStrokePath)) {
        const auto stroke = HookOf<PFN_DrvStrokePath>(t, INDEX_DrvStrokePath);
        const Outcome outcome = TryPath(t, path, "DrvStrokePath", [&](PATHOBJ* ppo) {
            return stroke(t.so, ppo, clip, xform, brush, origin, la, mix);
        });
        if (outcome != Outcome::Declined)
            return outcome == Outcome::Done;
    }
    if (geometric) {
        // A wide line is the area it covers, filled.
        const engine::WideStyle style = engine::WideStyleOf(*la, /*scale=*/1);
        auto widened = engine::PathOfFigures(engine::WidenFigures(engine::FlattenPath(path), style));
        return widened != nullptr && Fill(t, *widened, clip, brush, origin, mix, FP_WINDINGMODE);
    }
    if (IsBitmapSurface(t.so))
        return EngStrokePath(t.so, path.get(), clip, xform, brush, origin, la, mix);
    std::vector<RECTL> pixels;
    const engine::CosmeticStyle style = engine::CosmeticStyleOf(*la, t.so->hdev);
    const std::vector<RECTL> visible = ClipRects(t, clip);
    for (const engine::Figure& figure : engine::FlattenPath(path))
        engine::TraceCosmeticFigure(figure, style, visible,
                                    [&](LONG x, LONG y) { pixels.push_back({x, y, x + 1, y + 1}); });
    return BlitCoverage(t, pixels, brush, origin, mix);
}

BOOL StrokeAndFill(const DrawTarget& t, PathObject& path, CLIPOBJ* clip, XFORMOBJ* xform, BRUSHOBJ* strokeBrush,
                   LINEATTRS* la, BRUSHOBJ* fillBrush, POINTL* origin, MIX fillMix, MIX strokeMix, FLONG options)
{
    const FLONG modeCap = (options & FP_WINDINGMODE) ? GCAPS_WINDINGFILL : GCAPS_ALTERNATEFILL;
    const bool geometric = (la->fl & LA_GEOMETRIC) != 0;
    if (Hooked(t, HOOK_STROKEANDFILLPATH, INDEX_DrvStrokeAndFillPath) && (t.gcaps & modeCap) &&
        (!geometric || (t.gcaps & GCAPS_GEOMETRICWIDE))) {
        const auto both = HookOf<PFN_DrvStrokeAndFillPath>(t, INDEX_DrvStrokeAndFillPath);
        const Outcome outcome = TryPath(t, path, "DrvStrokeAndFillPath", [&](PATHOBJ* ppo) {
            return both(t.so, ppo, clip, xform, strokeBrush, la, fillBrush, origin, fillMix, options);
        });
        if (outcome != Outcome::Declined)
            return outcome == Outcome::Done;
    }
    // The interior first, then the outline over it.
    return Fill(t, path, clip, fillBrush, origin, fillMix, options) &&
           Stroke(t, path, clip, xform, strokeBrush, origin, la, strokeMix);
}

// The pixels a path drawing may touch, on the surface: those whose centres its fill may hold, those its
// points round to for a one-pixel outline, and half a wide pen's reach (a miter's limit) around them.
RECTL PathBounds(const PathObject& path, const GdiPen* pen, bool stroke)
{
    const RECTFX box = path.Bounds();
    double left = std::floor(box.xLeft / 16.0), top = std::floor(box.yTop / 16.0);
    double right = std::ceil(box.xRight / 16.0), bottom = std::ceil(box.yBottom / 16.0);
    if (stroke) {
        left = std::min(left, std::floor((box.xLeft + 8) / 16.0));
        top = std::min(top, std::floor((box.yTop + 8) / 16.0));
        right = std::max(right, std::floor((box.xRight + 8) / 16.0) + 1);
        bottom = std::max(bottom, std::floor((box.yBottom + 8) / 16.0) + 1);
    }
    if (stroke && pen != nullptr && pen->geometric) {
        const double reach = (pen->style & PS_JOIN_MASK) == PS_JOIN_MITER ? kMiterLimit : 1.5;
        const double margin = std::ceil(reach * std::max<DWORD>(pen->width, 1) / 2) + 1;
        left -= margin;
        top -= margin;
        right += margin;
        bottom += margin;
    }
    const auto clamp = [](double v) { return static_cast<LONG>(std::clamp(v, -2147483647.0, 2147483647.0)); };
    return {clamp(left), clamp(top), clamp(right), clamp(bottom)};
}

BOOL DrawPath(const PathDrawing& p, const DrawAttributes& a, const DrawTarget& t)
{
    const bool stroke = p.stroke && p.pen != nullptr && p.pen->Kind() != PS_NULL;
    const bool fill = p.fill && p.brush.style != BS_NULL;
    if (!stroke && !fill)
        return TRUE;
    // The points moved to the surface: the device point of the surface's origin becomes (0, 0).
    std::vector<POINTFIX> points = p.points;
    for (POINTFIX& point : points) {
        point.x -= t.origin.x * 16;
        point.y -= t.origin.y * 16;
    }
    auto path = PathObject::FromPoints(points.data(), p.types.data(), static_cast<ULONG>(points.size()));
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const auto clip = MakeClip(VisibleRects(a, t), PathBounds(*path, p.pen.get(), stroke));
    if (clip == nullptr)
        return TRUE;
    POINTL origin = {-t.origin.x, -t.origin.y};
    const FLONG options = a.fillMode == WINDING ? FP_WINDINGMODE : FP_ALTERNATEMODE;
    const auto fillBrush = fill ? Realize(p.brush, a, t) : nullptr;
    const auto strokeBrush = stroke ? Realize(p.pen->brush, a, t) : nullptr;   // a pen of a null brush: nothing
    const MIX fillMix = MixOf(a, p.brush);
    if (strokeBrush == nullptr)
        return fillBrush == nullptr || Fill(t, *path, clip->get(), fillBrush->get(), &origin, fillMix, options);
    LineAttrs la(*p.pen);
    engine::XformObject xform(XFORML{1, 0, 0, 1, 0, 0});   // paths arrive in device coordinates already
    const MIX strokeMix = MixOf(a, p.pen->brush);
    if (fillBrush == nullptr)
        return Stroke(t, *path, clip->get(), xform.get(), strokeBrush->get(), &origin, la.get(), strokeMix);
    return StrokeAndFill(t, *path, clip->get(), xform.get(), strokeBrush->get(), la.get(), fillBrush->get(), &origin,
                         fillMix, strokeMix, options);
}

// The colour adjustment GDI passes when the application set none: no change to any colour.
COLORADJUSTMENT DefaultColorAdjustment()
{
    COLORADJUSTMENT ca = {};
    ca.caSize = sizeof ca;
    ca.caRedGamma = ca.caGreenGamma = ca.caBlueGamma = 10000;
    ca.caReferenceWhite = 10000;
    return ca;
}

// A source blitted unscaled: DrvCopyBits for a plain copy where the driver took it, else DrvBitBlt, else the
// engine on a bitmap surface.
BOOL BlitUnscaled(const DrawTarget& t, SURFOBJ* source, CLIPOBJ* clip, XLATEOBJ* xlate, RECTL dest, POINTL from,
                  BRUSHOBJ* brush, POINTL* origin, ROP4 rop4)
{
    if (source != nullptr && rop4 == 0xCCCC && Hooked(t, HOOK_COPYBITS, INDEX_DrvCopyBits)) {
        Note(t, "DrvCopyBits");
        return OutcomeOf(HookOf<PFN_DrvCopyBits>(t, INDEX_DrvCopyBits)(t.so, source, clip, xlate, &dest, &from)) ==
               Outcome::Done;
    }
    POINTL* sourcePoint = source != nullptr ? &from : nullptr;
    if (Hooked(t, HOOK_BITBLT, INDEX_DrvBitBlt)) {
        Note(t, "DrvBitBlt");
        return OutcomeOf(HookOf<PFN_DrvBitBlt>(t, INDEX_DrvBitBlt)(t.so, source, nullptr, clip, xlate, &dest,
                                                                    sourcePoint, nullptr, brush, origin, rop4)) ==
               Outcome::Done;
    }
    if (IsBitmapSurface(t.so))
        return EngBitBlt(t.so, source, nullptr, clip, xlate, &dest, sourcePoint, nullptr, brush, origin, rop4);
    return NotSupported();
}

// A colour source for a monochrome bitmap: its pixels of the background colour become white (1), all others
// black (0).
std::shared_ptr<const GdiBitmap> Monochrome(const GdiBitmap& source, COLORREF background)
{
    auto mono = MakeDdb(source.width, source.height, 1, DefaultColorTable(1));
    if (mono == nullptr)
        return nullptr;
    const engine::Palette palette = source.Palette();
    const engine::PixelAccess from(source.so()), to(mono->so());
    for (LONG y = 0; y < source.height; ++y)
        for (LONG x = 0; x < source.width; ++x)
            to.Set(x, y, engine::ColorOfValue(palette, from.Get(x, y)) == (background & 0x00FFFFFF) ? 1 : 0);
    return mono;
}

BOOL DrawBlit(const BlitDrawing& b, const DrawAttributes& a, const DrawTarget& t)
{
    const BYTE rop3 = static_cast<BYTE>(b.rop >> 16);
    const ROP4 rop4 = rop3 | static_cast<ROP4>(rop3) << 8;
    const RECTL dest = Shifted(b.dest, t.origin);
    const RECTL bounds = Ordered(dest);
    const auto clip = MakeClip(VisibleRects(a, t), bounds);
    if (clip == nullptr)
        return TRUE;
    std::unique_ptr<engine::BrushObject> brush;
    if (engine::Rop3UsesPattern(rop3)) {
        brush = Realize(b.brush, a, t);
        if (brush == nullptr)
            return TRUE;   // a null brush paints nothing
    }
    BRUSHOBJ* pbo = brush != nullptr ? brush->get() : nullptr;
    POINTL origin = {-t.origin.x, -t.origin.y};
    if (!engine::Rop3UsesSource(rop3) || b.bitmap == nullptr)
        return BlitUnscaled(t, nullptr, clip->get(), nullptr, bounds, {0, 0}, pbo, &origin, rop4);

    // Monochrome and colour meet by the DC colours: a monochrome bitmap's 0 and 1 show the text and background
    // colours, and a colour source on a monochrome bitmap is split at the source's background colour.
    std::shared_ptr<const GdiBitmap> source = b.bitmap;
    if (t.monochromeDdb && source->bitsPerPixel != 1)
        source = Monochrome(*source, b.sourceBkColor);
    if (source == nullptr)
        return FALSE;
    const bool twoColours = source->IsMonochromeDdb() && !t.monochromeDdb;
    engine::XlateObject xlate(twoColours ? TwoColours(a.textColor, a.bkColor) : source->Palette(), t.palette);

    RECTL from = b.source;
    const bool scaled =
        dest.right - dest.left != from.right - from.left || dest.bottom - dest.top != from.bottom - from.top;
    if (!scaled)
        return BlitUnscaled(t, source->so(), clip->get(), xlate.get(), bounds,
                            {std::min(from.left, from.right), std::min(from.top, from.bottom)}, pbo, &origin, rop4);
    RECTL into = dest;
    if (rop4 == 0xCCCC && Hooked(t, HOOK_STRETCHBLT, INDEX_DrvStretchBlt)) {
        COLORADJUSTMENT ca = DefaultColorAdjustment();
        POINTL halftoneOrigin = origin;
        Note(t, "DrvStretchBlt");
        const Outcome outcome = OutcomeOf(HookOf<PFN_DrvStretchBlt>(t, INDEX_DrvStretchBlt)(
            t.so, source->so(), nullptr, clip->get(), xlate.get(), &ca, &halftoneOrigin, &into, &from, nullptr,
            static_cast<ULONG>(a.stretchMode)));
        if (outcome != Outcome::Declined)
            return outcome == Outcome::Done;
    }
    const bool driverBlits = Hooked(t, HOOK_BITBLT, INDEX_DrvBitBlt) || Hooked(t, HOOK_COPYBITS, INDEX_DrvCopyBits);
    if (IsBitmapSurface(t.so) && !driverBlits)
        return EngStretchBltROP(t.so, source->so(), nullptr, clip->get(), xlate.get(), nullptr, nullptr, &into, &from,
                                nullptr, static_cast<ULONG>(a.stretchMode), pbo, rop4);
    // Otherwise the source is first scaled as the visible part of the destination shows it, then blitted as is.
    const RECTL window = engine::IntersectRects(bounds, clip->get()->rclBounds);
    const auto scaledSource = MakeBitmapLike(*source, window.right - window.left, window.bottom - window.top);
    if (scaledSource == nullptr)
        return FALSE;
    RECTL within = Shifted(dest, {window.left, window.top});
    if (!EngStretchBlt(scaledSource->so(), source->so(), nullptr, nullptr, nullptr, nullptr, nullptr, &within, &from,
                       nullptr, static_cast<ULONG>(a.stretchMode)))
        return FALSE;
    return BlitUnscaled(t, scaledSource->so(), clip->get(), xlate.get(), window, {0, 0}, pbo, &origin, rop4);
}

} // namespace

Outcome OutcomeOf(BOOL answer)
{
    if (answer == static_cast<BOOL>(DDI_ERROR))
        return Outcome::Failed;
    return answer ? Outcome::Done : Outcome::Declined;
}

bool Hooked(const DrawTarget& t, FLONG hook, ULONG index)
{
    return (t.hooks & hook) != 0 && t.driver != nullptr && (*t.driver)[index] != nullptr;
}

void Note(const DrawTarget& t, const char* call)
{
    if (t.record)
        t.record(call);
}

bool IsBitmapSurface(const SURFOBJ* so)
{
    return so->iType == STYPE_BITMAP && engine::PixelAccess(so).Valid();
}

RECTL Shifted(const RECTL& r, const POINTL& by)
{
    return {r.left - by.x, r.top - by.y, r.right - by.x, r.bottom - by.y};
}

std::vector<RECTL> VisibleRects(const DrawAttributes& a, const DrawTarget& t)
{
    const std::vector<RECTL> region = a.clip ? *a.clip : std::vector<RECTL>{t.extent};
    const RECTL surface = {0, 0, t.so->sizlBitmap.cx, t.so->sizlBitmap.cy};
    std::vector<RECTL> visible;
    for (const RECTL& r : region) {
        const RECTL part = engine::IntersectRects(Shifted(engine::IntersectRects(r, t.extent), t.origin), surface);
        if (!engine::IsEmptyRect(part))
            visible.push_back(part);
    }
    return visible;
}

std::unique_ptr<engine::ClipObject> MakeClip(const std::vector<RECTL>& visible, const RECTL& bounds)
{
    std::vector<RECTL> parts;
    for (const RECTL& r : visible)
        if (const RECTL part = engine::IntersectRects(r, bounds); !engine::IsEmptyRect(part))
            parts.push_back(part);
    parts = engine::NormaliseRegion(parts);
    if (parts.empty())
        return nullptr;
    const RECTL& first = parts.front();
    if (parts.size() == 1 && first.left == bounds.left && first.top == bounds.top && first.right == bounds.right &&
        first.bottom == bounds.bottom)
        return engine::ClipObject::Trivial(bounds);
    if (parts.size() == 1)
        return engine::ClipObject::FromRectangles(parts);
    return engine::ClipObject::OfRegion(visible, engine::RegionBounds(parts));
}

std::unique_ptr<engine::BrushObject> Realize(const LogicalBrush& brush, const DrawAttributes& a,
                                             const DrawTarget& t)
{
    std::shared_ptr<const GdiBitmap> pattern;
    engine::Palette source;
    ULONG hatch = HS_DDI_MAX;
    switch (brush.style) {
    case BS_SOLID:
        return engine::BrushObject::Solid(engine::ValueOfColor(t.palette, brush.color), brush.color);
    case BS_HATCHED:
        pattern = HatchPattern(brush.hatch);
        source = TwoColours(brush.color, a.bkColor);
        hatch = brush.hatch;
        break;
    case BS_PATTERN:
        pattern = brush.pattern;
        if (pattern != nullptr)
            source = pattern->IsMonochromeDdb() ? TwoColours(a.textColor, a.bkColor) : pattern->Palette();
        break;
    default:
        return nullptr;
    }
    if (pattern == nullptr)
        return nullptr;
    return engine::BrushObject::Pattern(pattern->hsurf, nullptr,
                                        std::make_unique<engine::XlateObject>(source, t.palette), t.so, hatch);
}

BOOL BlitCoverage(const DrawTarget& t, const std::vector<RECTL>& pixels, BRUSHOBJ* brush, POINTL* origin, MIX mix)
{
    const ULONG fore = mix & 0xFF;
    const ULONG back = (mix >> 8) & 0xFF;
    engine::PatternReader pattern;
    if (back == 0 || back == fore || !pattern.Init(brush, *origin))
        return BlitPixels(t, pixels, brush, origin, fore);
    std::vector<RECTL> lines, background;
    for (const RECTL& r : pixels)
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                (pattern.IsBackground(x, y) ? background : lines).push_back({x, y, x + 1, y + 1});
    return BlitPixels(t, lines, brush, origin, fore) && BlitPixels(t, background, brush, origin, back);
}

std::vector<RECTL> ClipRects(const DrawTarget& t, CLIPOBJ* clip)
{
    std::vector<RECTL> rects;
    engine::VisibleRectangles(clip, {0, 0, t.so->sizlBitmap.cx, t.so->sizlBitmap.cy}, rects);
    return rects;
}

BOOL Draw(const Drawing& drawing, const DrawTarget& target)
{
    if (const auto* path = std::get_if<PathDrawing>(&drawing.what))
        return DrawPath(*path, drawing.attrs, target);
    if (const auto* text = std::get_if<TextDrawing>(&drawing.what))
        return DrawText(*text, drawing.attrs, target);
    return DrawBlit(std::get<BlitDrawing>(drawing.what), drawing.attrs, target);
}

} // namespace platform
