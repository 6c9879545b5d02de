// text_out.cpp - EngTextOut: text drawn on a bitmap surface, from the glyph outlines of a string object the
// engine made (the same outlines its glyph bitmaps are filled from), or from the glyph bitmaps another
// string object carries.
#include "host/engine/string_object.h"
#include "host/engine/surfaces.h"

namespace {

// Glyph rows are one bit per pixel, top-down, each row padded to a whole byte.
LONG GlyphStride(const GLYPHBITS& bits)
{
    return (bits.sizlBitmap.cx + 7) / 8;
}

// Paints the glyph's set bits in the brush: the glyph is the mask of a pattern copy (ROP4 0xAAF0: the
// pattern where the mask is set, the destination kept where it is not).
BOOL DrawGlyph(SURFOBJ* pso, CLIPOBJ* pco, const GLYPHPOS& pos, BRUSHOBJ* pbo, POINTL* pptlOrg)
{
    GLYPHBITS* pgb = pos.pgdf->pgb;
    if (pgb->sizlBitmap.cx <= 0 || pgb->sizlBitmap.cy <= 0)
        return TRUE;
    const HSURF hMask = reinterpret_cast<HSURF>(
        EngCreateBitmap(pgb->sizlBitmap, GlyphStride(*pgb), BMF_1BPP, BMF_TOPDOWN, pgb->aj));
    SURFOBJ* psoMask = EngLockSurface(hMask);
    if (psoMask == nullptr)
        return FALSE;
    RECTL target = {pos.ptl.x + pgb->ptlOrigin.x, pos.ptl.y + pgb->ptlOrigin.y, 0, 0};
    target.right = target.left + pgb->sizlBitmap.cx;
    target.bottom = target.top + pgb->sizlBitmap.cy;
    POINTL maskOrigin = {0, 0};
    const BOOL drawn =
        EngBitBlt(pso, nullptr, psoMask, pco, nullptr, &target, nullptr, &maskOrigin, pbo, pptlOrg, 0xAAF0);
    EngUnlockSurface(psoMask);
    EngDeleteSurface(hMask);
    return drawn;
}

// The glyphs of an engine string object filled in the brush, all in one winding fill of their outlines.
BOOL FillGlyphs(SURFOBJ* pso, platform::engine::StringObject& string, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlOrg,
                MIX mix)
{
    using namespace platform::engine;
    std::vector<Figure> figures;
    const StringLayout& layout = string.Layout();
    for (size_t i = 0; i < layout.glyphs.size() && i < layout.positions.size(); ++i) {
        const POINTL at = layout.positions[i];
        for (Figure figure : string.Font().Outline(layout.glyphs[i])) {
            for (POINTFIX& p : figure.points)
                p = {p.x + at.x * 16, p.y + at.y * 16};
            figures.push_back(std::move(figure));
        }
    }
    if (figures.empty())
        return TRUE;
    const auto path = PathOfFigures(figures);
    // Text is drawn in the brush's colour whatever the mix; a mix that names no binary raster operation copies.
    const ULONG fore = mix & 0xFF;
    if (fore < R2_BLACK || fore > R2_WHITE)
        mix = R2_COPYPEN | R2_COPYPEN << 8;
    return path != nullptr && EngFillPath(pso, path->get(), pco, pbo, pptlOrg, mix, FP_WINDINGMODE);
}

} // namespace

BOOL APIENTRY EngTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* /*pfo*/, CLIPOBJ* pco, RECTL* prclExtra,
                         RECTL* prclOpaque, BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix)
{
    if (pso == nullptr || pstro == nullptr || platform::engine::SurfaceOf(pso) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    BOOL drawn = TRUE;
    if (prclOpaque != nullptr && pboOpaque != nullptr)
        drawn = EngBitBlt(pso, nullptr, nullptr, pco, nullptr, prclOpaque, nullptr, nullptr, pboOpaque, pptlOrg,
                          0xF0F0);
    auto* string = platform::engine::FindString(pstro);
    if (drawn && string != nullptr && pboFore != nullptr)
        drawn = FillGlyphs(pso, *string, pco, pboFore, pptlOrg, mix);
    for (ULONG i = 0; drawn && string == nullptr && pstro->pgp != nullptr && pboFore != nullptr && i < pstro->cGlyphs;
         ++i) {
        const GLYPHPOS& pos = pstro->pgp[i];
        if (pos.pgdf != nullptr && pos.pgdf->pgb != nullptr)
            drawn = DrawGlyph(pso, pco, pos, pboFore, pptlOrg);
    }
    // The extra rectangles (underlines, strike-outs) end with an all-zero one.
    for (RECTL* prcl = prclExtra; drawn && prcl != nullptr && pboFore != nullptr; ++prcl) {
        if (prcl->left == 0 && prcl->top == 0 && prcl->right == 0 && prcl->bottom == 0)
            break;
        drawn = EngBitBlt(pso, nullptr, nullptr, pco, nullptr, prcl, nullptr, nullptr, pboFore, pptlOrg, 0xF0F0);
    }
    return drawn;
}
