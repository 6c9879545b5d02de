// text_out.cpp - EngTextOut: text drawn on a bitmap surface from the glyph bitmaps the string object carries.
#include "engine/surfaces.h"

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

} // namespace

BOOL APIENTRY EngTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* /*pfo*/, CLIPOBJ* pco, RECTL* prclExtra,
                         RECTL* prclOpaque, BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX /*mix*/)
{
    if (pso == nullptr || pstro == nullptr || platform::engine::SurfaceOf(pso) == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    BOOL drawn = TRUE;
    if (prclOpaque != nullptr && pboOpaque != nullptr)
        drawn = EngBitBlt(pso, nullptr, nullptr, pco, nullptr, prclOpaque, nullptr, nullptr, pboOpaque, pptlOrg,
                          0xF0F0);
    for (ULONG i = 0; drawn && pstro->pgp != nullptr && pboFore != nullptr && i < pstro->cGlyphs; ++i) {
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
