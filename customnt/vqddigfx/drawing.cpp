// drawing.cpp - the drawing dispatch: validation and the output-failed and page-skipped flags, then the
// engine's bitmaps in raster mode or the VQPDL writer in vector mode; the raster fall-backs; the stretch in
// strips; the dither.
#include "customnt/vqddigfx/drawing.h"
#include "customnt/vqddigfx/device_caps.h"
#include "customnt/vqddigfx/dither_table.h"
#include "customnt/vqddigfx/pdev.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vqpdlnt/vqtextout.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"

#include <algorithm>
#include <cstdlib>

const COLORADJUSTMENT kDefaultColorAdjustment = {
    sizeof(COLORADJUSTMENT), 0, 0, 10000, 10000, 10000, 0, 10000, 0, 0, 0, 0,
};

namespace {

enum class Dispatch {
    Fail,       // answer FALSE
    Skip,       // answer TRUE without drawing: the page is skipped
    Raster,     // draw into the engine's bitmap
    Vector,     // write VQPDL
};

// Steps 1 and 2 of every drawing call: the PDEV of the destination and its flags.
Dispatch Route(SURFOBJ* pso, PDEV** ppdev)
{
    PDEV* pdev = PdevFromSurface(pso);
    if (!bValidatePDEV(pdev)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return Dispatch::Fail;
    }
    *ppdev = pdev;
    if ((pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0)
        return Dispatch::Fail;
    if ((pdev->dwFlags & PDEVF_PAGE_SKIPPED) != 0)
        return Dispatch::Skip;
    return IsRasterMode(pdev) ? Dispatch::Raster : Dispatch::Vector;
}

BOOL Finish(Dispatch dispatch)
{
    return dispatch == Dispatch::Skip ? TRUE : FALSE;
}

LONG Width(const RECTL& r)
{
    return r.right - r.left;
}

LONG Height(const RECTL& r)
{
    return r.bottom - r.top;
}

// Raster CopyBits: a whole one-bit source copied to the origin is a plain copy; anything else is halftoned
// through the stretch, with the destination cut so that its source lies inside the source bitmap.
BOOL RasterCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                    POINTL* pptlSrc)
{
    const POINTL src = pptlSrc != nullptr ? *pptlSrc : POINTL{0, 0};
    const SIZEL srcSize = psoSrc->sizlBitmap;
    RECTL dest = *prclDest;
    if (src.x == 0 && src.y == 0 && dest.left >= 0 && dest.top >= 0 && Width(dest) == srcSize.cx &&
        Height(dest) == srcSize.cy && dest.right <= psoDest->sizlBitmap.cx &&
        dest.bottom <= psoDest->sizlBitmap.cy && psoSrc->iBitmapFormat == BMF_1BPP)
        return EngCopyBits(psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc);

    RECTL source = {src.x, src.y, src.x + Width(dest), src.y + Height(dest)};
    if (source.left < 0) {
        dest.left -= source.left;
        source.left = 0;
    }
    if (source.top < 0) {
        dest.top -= source.top;
        source.top = 0;
    }
    if (source.right > srcSize.cx) {
        dest.right -= source.right - srcSize.cx;
        source.right = srcSize.cx;
    }
    if (source.bottom > srcSize.cy) {
        dest.bottom -= source.bottom - srcSize.cy;
        source.bottom = srcSize.cy;
    }
    if (Width(dest) <= 0 || Height(dest) <= 0)
        return TRUE;
    COLORADJUSTMENT ca = kDefaultColorAdjustment;
    return EngStretchBlt(psoDest, psoSrc, nullptr, pco, pxlo, &ca, nullptr, &dest, &source, nullptr, HALFTONE);
}

} // namespace

LONG StretchStripCount(LONG w, LONG h)
{
    if (w <= 0 || h <= 0 || static_cast<LONGLONG>(w) * h <= kStretchStripPixels)
        return 1;
    // A destination wider than a strip still goes one row at a time.
    const LONG rowsPerStrip = std::max<LONG>(1, kStretchStripPixels / w);
    return (h + rowsPerStrip - 1) / rowsPerStrip;
}

LONG StretchStripStart(LONG start, LONG total, LONG count, LONG i)
{
    const LONG base = total / count;
    const LONG extra = total % count;
    return start + i * base + std::min(i, extra);
}

BOOL CopyBitsImpl(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                  POINTL* pptlSrc)
{
    if (psoDest == nullptr || psoSrc == nullptr || prclDest == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Copies that do not go to the device: reading back from it gives white, bitmap to bitmap is the engine's.
    if (psoSrc->iType != STYPE_BITMAP)
        return EngEraseSurface(psoDest, prclDest, 0xFFFFFFFF);
    if (psoDest->iType == STYPE_BITMAP && psoDest->dhpdev == nullptr)
        return EngCopyBits(psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc);
    PDEV* pdev = nullptr;
    const Dispatch dispatch = Route(psoDest, &pdev);
    if (dispatch == Dispatch::Raster)
        return RasterCopyBits(psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc);
    if (dispatch == Dispatch::Vector)
        return PdlCopyBits(psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc);
    return Finish(dispatch);
}

BOOL BitBltImpl(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclTrg,
                POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4)
{
    PDEV* pdev = nullptr;
    const Dispatch dispatch = Route(psoTrg, &pdev);
    if (dispatch == Dispatch::Raster)
        return EngBitBlt(psoTrg, psoSrc, psoMask, pco, pxlo, prclTrg, pptlSrc, pptlMask, pbo, pptlBrush, rop4);
    if (dispatch == Dispatch::Vector)
        return PdlBitBlt(psoTrg, psoSrc, psoMask, pco, pxlo, prclTrg, pptlSrc, pptlMask, pbo, pptlBrush, rop4);
    return Finish(dispatch);
}

BOOL StretchBltImpl(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                    COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask,
                    ULONG iMode)
{
    PDEV* pdev = nullptr;
    const Dispatch dispatch = Route(psoDest, &pdev);
    if (dispatch == Dispatch::Raster) {
        COLORADJUSTMENT ca = pca != nullptr ? *pca : kDefaultColorAdjustment;
        return EngStretchBlt(psoDest, psoSrc, psoMask, pco, pxlo, &ca, pptlHTOrg, prclDest, prclSrc, pptlMask,
                             HALFTONE);
    }
    if (dispatch == Dispatch::Vector)
        return PdlStretchBlt(psoDest, psoSrc, psoMask, pco, pxlo, pca, pptlHTOrg, prclDest, prclSrc, pptlMask,
                             iMode);
    return Finish(dispatch);
}

BOOL StretchBltROPImpl(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                       COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask,
                       ULONG iMode, BRUSHOBJ* pbo, DWORD rop4)
{
    if (!bValidatePDEV(PdevFromSurface(psoDest)) || prclDest == nullptr || prclSrc == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECTL dest = *prclDest;
    const RECTL src = *prclSrc;
    const LONG strips = StretchStripCount(std::abs(Width(dest)), std::abs(Height(dest)));
    if (strips == 1)
        return EngStretchBltROP(psoDest, psoSrc, psoMask, pco, pxlo, pca, pptlHTOrg, prclDest, prclSrc, pptlMask,
                                iMode, pbo, rop4);
    BOOL result = FALSE;
    for (LONG i = 0; i < strips; ++i) {
        RECTL destStrip = dest;
        destStrip.top = StretchStripStart(dest.top, Height(dest), strips, i);
        destStrip.bottom = StretchStripStart(dest.top, Height(dest), strips, i + 1);
        RECTL srcStrip = src;
        srcStrip.top = StretchStripStart(src.top, Height(src), strips, i);
        srcStrip.bottom = StretchStripStart(src.top, Height(src), strips, i + 1);
        result = EngStretchBltROP(psoDest, psoSrc, psoMask, pco, pxlo, pca, pptlHTOrg, &destStrip, &srcStrip,
                                  pptlMask, iMode, pbo, rop4);
    }
    return result;
}

BOOL GradientFillImpl(SURFOBJ* psoDest, CLIPOBJ* pco, XLATEOBJ* pxlo, TRIVERTEX* pVertex, ULONG nVertex,
                      PVOID pMesh, ULONG nMesh, RECTL* prclExtents, POINTL* pptlDitherOrg, ULONG ulMode)
{
    if (!bValidatePDEV(PdevFromSurface(psoDest))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return EngGradientFill(psoDest, pco, pxlo, pVertex, nVertex, pMesh, nMesh, prclExtents, pptlDitherOrg, ulMode);
}

BOOL StrokePathImpl(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo, POINTL* pptlBrushOrg,
                    LINEATTRS* plineattrs, MIX mix)
{
    PDEV* pdev = nullptr;
    const Dispatch dispatch = Route(pso, &pdev);
    if (dispatch == Dispatch::Raster || dispatch == Dispatch::Vector)
        return PdlStrokePath(pso, ppo, pco, pxo, pbo, pptlBrushOrg, plineattrs, mix);
    return Finish(dispatch);
}

BOOL FillPathImpl(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlBrushOrg, MIX mix,
                  FLONG flOptions)
{
    PDEV* pdev = nullptr;
    const Dispatch dispatch = Route(pso, &pdev);
    if (dispatch == Dispatch::Raster || dispatch == Dispatch::Vector)
        return PdlFillPath(pso, ppo, pco, pbo, pptlBrushOrg, mix, flOptions);
    return Finish(dispatch);
}

BOOL StrokeAndFillPathImpl(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                           LINEATTRS* plineattrs, BRUSHOBJ* pboFill, POINTL* pptlBrushOrg, MIX mixFill,
                           FLONG flOptions)
{
    PDEV* pdev = nullptr;
    const Dispatch dispatch = Route(pso, &pdev);
    if (dispatch == Dispatch::Raster || dispatch == Dispatch::Vector)
        return PdlStrokeAndFillPath(pso, ppo, pco, pxo, pboStroke, plineattrs, pboFill, pptlBrushOrg, mixFill,
                                    flOptions);
    return Finish(dispatch);
}

BOOL TextOutImpl(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra, RECTL* prclOpaque,
                 BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix)
{
    if (pso == nullptr || pstro == nullptr || pfo == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Tab texts captured for insert sheets go to the writer whatever the page's flags say.
    PDEV* pdev = PdevFromSurface(pso);
    if (bValidatePDEV(pdev) && PdlIsCapturingTabText(pdev))
        return PdlTextOut(pso, pstro, pfo, pco, prclExtra, prclOpaque, pboFore, pboOpaque, pptlOrg, mix);
    const Dispatch dispatch = Route(pso, &pdev);
    if (dispatch == Dispatch::Raster)
        return EngTextOut(pso, pstro, pfo, pco, prclExtra, prclOpaque, pboFore, pboOpaque, pptlOrg, mix);
    if (dispatch == Dispatch::Vector)
        return PdlTextOut(pso, pstro, pfo, pco, prclExtra, prclOpaque, pboFore, pboOpaque, pptlOrg, mix);
    return Finish(dispatch);
}

ULONG GetGlyphModeImpl(DHPDEV dhpdev, FONTOBJ* pfo)
{
    return PdlGetGlyphMode(reinterpret_cast<PDEV*>(dhpdev), pfo);
}

BOOL RealizeBrushImpl(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern, SURFOBJ* psoMask, XLATEOBJ* pxlo,
                      ULONG iHatch)
{
    return PdlRealizeBrush(pbo, psoTarget, psoPattern, psoMask, pxlo, iHatch);
}

ULONG DitherColorImpl(DHPDEV dhpdev, ULONG iMode, ULONG rgb, ULONG* pul)
{
    PDEV* pdev = reinterpret_cast<PDEV*>(dhpdev);
    if (!bValidatePDEV(pdev) || pul == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!IsRasterMode(pdev))
        return PdlDitherColor(pdev, iMode, rgb, pul);
    const ULONG red = rgb & 0xFF;
    const ULONG green = (rgb >> 8) & 0xFF;
    const ULONG blue = (rgb >> 16) & 0xFF;
    const ULONG grey = (5 * red + 9 * green + 2 * blue) / 16;
    if (grey == 0 || grey == 255)
        return DCR_HALFTONE;
    // Only the low byte of each row word is the pattern; GDI owns the other bytes.
    for (unsigned row = 0; row < 8; ++row)
        pul[row] = (pul[row] & ~0xFFul) | DitherRow(grey / 4, row);
    return DCR_DRIVER;
}
