// ddi_text.cpp - a text drawing turned into DDI calls on a surface: DrvTextOut with the string, font, clip and
// brush objects a driver expects, and GDI's fall-backs when the driver did not take text or declines it.
#include "host/engine/polygon_fill.h"
#include "host/engine/regions.h"
#include "gdi/ddi_output.h"
#include "gdi/font_realizations.h"

#include <algorithm>

namespace platform {
namespace {

// Text is drawn in its colours whatever the DC's raster operation.
constexpr MIX kTextMix = R2_COPYPEN | R2_COPYPEN << 8;

std::array<POINTFIX, 4> ShiftedArea(const std::array<POINTFIX, 4>& area, const POINTL& by)
{
    std::array<POINTFIX, 4> moved = area;
    for (POINTFIX& p : moved)
        p = {p.x - by.x * 16, p.y - by.y * 16};
    return moved;
}

// The rectangle of an area along an unturned baseline (its corners in device pixels), on the surface.
RECTL RectOf(const std::array<POINTFIX, 4>& area)
{
    const auto pixel = [](FIX v) { return static_cast<LONG>(v >= 0 ? (v + 8) / 16 : -((-v + 7) / 16)); };
    return {pixel(std::min(area[0].x, area[2].x)), pixel(std::min(area[0].y, area[2].y)),
            pixel(std::max(area[0].x, area[2].x)), pixel(std::max(area[0].y, area[2].y))};
}

RECTL Union(const RECTL& a, const RECTL& b)
{
    if (engine::IsEmptyRect(a))
        return b;
    if (engine::IsEmptyRect(b))
        return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Fills the four-sided areas (device corners, as the text drawing keeps them) in a colour: the background and
// lines of turned text, which no rectangle of DrvTextOut can carry, go as path fills.
BOOL FillAreas(const std::vector<std::array<POINTFIX, 4>>& areas, COLORREF color, const DrawAttributes& a,
               const DrawTarget& t)
{
    if (areas.empty())
        return TRUE;
    PathDrawing fill;
    for (const auto& area : areas) {
        fill.points.insert(fill.points.end(), area.begin(), area.end());
        fill.types.insert(fill.types.end(), {PT_MOVETO, PT_LINETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE});
    }
    fill.fill = true;
    fill.brush.style = BS_SOLID;
    fill.brush.color = color;
    DrawAttributes attrs = a;
    attrs.rop2 = R2_COPYPEN;
    attrs.fillMode = WINDING;
    return Draw({attrs, std::move(fill)}, t);
}

// The pixels of the glyphs (on the surface) inside the visible rectangles.
std::vector<RECTL> GlyphPixels(engine::StringObject& string, const std::vector<RECTL>& visible)
{
    std::vector<engine::Figure> figures;
    const engine::StringLayout& layout = string.Layout();
    for (size_t i = 0; i < layout.glyphs.size(); ++i) {
        const POINTL at = layout.positions[i];
        for (engine::Figure figure : string.Font().Outline(layout.glyphs[i])) {
            for (POINTFIX& p : figure.points)
                p = {p.x + at.x * 16, p.y + at.y * 16};
            figures.push_back(std::move(figure));
        }
    }
    std::vector<RECTL> pixels;
    engine::FillFigures(figures, engine::FillRule::Winding, visible,
                        [&](LONG y, LONG left, LONG right) { pixels.push_back({left, y, right, y + 1}); });
    return pixels;
}

std::vector<RECTL> PixelsOf(const std::vector<RECTL>& visible, const RECTL& area)
{
    std::vector<RECTL> pixels;
    for (const RECTL& r : visible)
        if (const RECTL part = engine::IntersectRects(r, area); !engine::IsEmptyRect(part))
            pixels.push_back(part);
    return pixels;
}

// The pixels the glyphs' outlines may reach, on the surface: each glyph's bounds, made once, where it stands.
RECTL InkBounds(engine::StringObject& string)
{
    RECTL bounds = {0, 0, 0, 0};
    const engine::StringLayout& layout = string.Layout();
    for (size_t i = 0; i < layout.glyphs.size(); ++i) {
        const RECTL& glyph = string.Font().OutlineBounds(layout.glyphs[i]);
        if (engine::IsEmptyRect(glyph))
            continue;   // a glyph without ink, as a space
        const POINTL at = layout.positions[i];
        bounds = Union(bounds, {at.x + glyph.left, at.y + glyph.top, at.x + glyph.right, at.y + glyph.bottom});
    }
    return bounds;
}

} // namespace

BOOL DrawText(const TextDrawing& text, const DrawAttributes& given, const DrawTarget& t)
{
    // ETO_CLIPPED narrows the DC's clip region to its rectangle.
    DrawAttributes a = given;
    if (text.clip)
        a.clip = engine::CombineRegions(a.clip ? *a.clip : std::vector<RECTL>{t.extent}, {*text.clip},
                                        engine::RegionOp::And);
    const std::vector<RECTL> visible = VisibleRects(a, t);
    const POINTL shift = t.origin;
    const bool upright = text.font.escapement == 0;

    engine::StringLayout layout = text.layout;
    for (POINTL& p : layout.positions)
        p = {p.x - shift.x, p.y - shift.y};
    layout.background = Shifted(layout.background, shift);

    // Rectangles go to the driver with the text: the opaque one (ETO_OPAQUE's, or the text's cells when the
    // background mode is opaque) and the extra ones (underline and strike-out), ended by an all-zero one.
    std::optional<RECTL> opaque;
    if (text.opaque)
        opaque = Shifted(*text.opaque, shift);
    else if (a.bkMode == OPAQUE && upright)
        opaque = RectOf(ShiftedArea(text.background, shift));
    std::vector<RECTL> extra;
    if (upright)
        for (const auto& line : text.lines)
            extra.push_back(RectOf(ShiftedArea(line, shift)));
    // Turned text has its background filled before it and its lines after it.
    if (!upright && !text.opaque && a.bkMode == OPAQUE && !FillAreas({text.background}, a.bkColor, a, t))
        return FALSE;

    FontRealization& realization = *text.realization;
    engine::FontObject& font = realization.Font();
    const bool driverText = Hooked(t, HOOK_TEXTOUT, INDEX_DrvTextOut);
    ULONG glyphMode = FO_HGLYPHS;   // the engine draws from the outlines, which need no glyph definitions
    if (driverText) {
        // The driver says once per realization how it wants the glyphs, as it would when GDI realises the font.
        if (!realization.glyphMode) {
            realization.glyphMode = FO_GLYPHBITS;
            if (const auto getGlyphMode = HookOf<PFN_DrvGetGlyphMode>(t, INDEX_DrvGetGlyphMode)) {
                Note(t, "DrvGetGlyphMode");
                realization.glyphMode = getGlyphMode(t.so->dhpdev, font.get());
            }
        }
        glyphMode = *realization.glyphMode;
    }
    engine::StringObject string(font, std::move(layout), glyphMode);

    RECTL bounds = Union(string.get()->rclBkGround, InkBounds(string));
    if (opaque)
        bounds = Union(bounds, *opaque);
    for (const RECTL& r : extra)
        bounds = Union(bounds, r);
    const auto clip = MakeClip(visible, bounds);
    BOOL drawn = TRUE;
    if (clip != nullptr) {
        const auto fore = Realize({BS_SOLID, a.textColor, 0, nullptr}, a, t);
        const auto back = Realize({BS_SOLID, a.bkColor, 0, nullptr}, a, t);
        POINTL origin = {-shift.x, -shift.y};
        RECTL opaqueRect = opaque.value_or(RECTL{0, 0, 0, 0});
        RECTL* prclOpaque = opaque ? &opaqueRect : nullptr;
        BRUSHOBJ* pboOpaque = opaque ? back->get() : nullptr;
        std::vector<RECTL> extraList = extra;
        if (!extraList.empty())
            extraList.push_back({0, 0, 0, 0});
        RECTL* prclExtra = extraList.empty() ? nullptr : extraList.data();
        Outcome outcome = Outcome::Declined;
        if (driverText) {
            Note(t, "DrvTextOut");
            outcome = OutcomeOf(HookOf<PFN_DrvTextOut>(t, INDEX_DrvTextOut)(
                t.so, string.get(), font.get(), clip->get(), prclExtra, prclOpaque, fore->get(), pboOpaque, &origin,
                kTextMix));
        }
        if (outcome != Outcome::Declined) {
            drawn = outcome == Outcome::Done;
        } else if (IsBitmapSurface(t.so)) {
            drawn = EngTextOut(t.so, string.get(), font.get(), clip->get(), prclExtra, prclOpaque, fore->get(),
                               pboOpaque, &origin, kTextMix);
        } else {
            // A device surface: the background, the glyphs and the lines as blits of their pixels.
            const std::vector<RECTL> rects = ClipRects(t, clip->get());
            drawn = (!opaque || BlitCoverage(t, PixelsOf(rects, *opaque), back->get(), &origin, kTextMix)) &&
                    BlitCoverage(t, GlyphPixels(string, rects), fore->get(), &origin, kTextMix);
            for (const RECTL& r : extra)
                drawn = drawn && BlitCoverage(t, PixelsOf(rects, r), fore->get(), &origin, kTextMix);
        }
    }
    return drawn && (upright || FillAreas(text.lines, a.textColor, a, t));
}

} // namespace platform
