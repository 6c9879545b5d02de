#pragma once
// drawing.h - the engine workers of the drawing hooks: each validates the PDEV of its surface, honours the
// output-failed and page-skipped flags, and draws through the engine's bitmaps (raster mode) or the VQPDL
// writer (vector mode). An invalid PDEV or a missing surface answers FALSE with ERROR_INVALID_PARAMETER.

#include "win/winddi.h"

// The default colour adjustment of halftoned stretching: neutral gamma, full range, no tint.
extern const COLORADJUSTMENT kDefaultColorAdjustment;

// Destinations of at most this many pixels are stretched in one call; larger ones in strips.
constexpr LONG kStretchStripPixels = 400000;

BOOL CopyBitsImpl(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                  POINTL* pptlSrc);
BOOL BitBltImpl(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclTrg,
                POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4);
BOOL StretchBltImpl(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                    COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask,
                    ULONG iMode);

// The strips of a stretch: their number for a destination of w x h pixels (1 when it fits in one), and where
// strip i starts within [start, start + total) when total rows are cut into count strips, the first
// total mod count strips one row longer.
LONG StretchStripCount(LONG w, LONG h);
LONG StretchStripStart(LONG start, LONG total, LONG count, LONG i);

// EngStretchBltROP, in horizontal strips of at most kStretchStripPixels destination pixels; the last strip's
// answer.
BOOL StretchBltROPImpl(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                       COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask,
                       ULONG iMode, BRUSHOBJ* pbo, DWORD rop4);
BOOL GradientFillImpl(SURFOBJ* psoDest, CLIPOBJ* pco, XLATEOBJ* pxlo, TRIVERTEX* pVertex, ULONG nVertex,
                      PVOID pMesh, ULONG nMesh, RECTL* prclExtents, POINTL* pptlDitherOrg, ULONG ulMode);
BOOL StrokePathImpl(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo, POINTL* pptlBrushOrg,
                    LINEATTRS* plineattrs, MIX mix);
BOOL FillPathImpl(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlBrushOrg, MIX mix,
                  FLONG flOptions);
BOOL StrokeAndFillPathImpl(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                           LINEATTRS* plineattrs, BRUSHOBJ* pboFill, POINTL* pptlBrushOrg, MIX mixFill,
                           FLONG flOptions);
BOOL TextOutImpl(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra, RECTL* prclOpaque,
                 BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix);
ULONG GetGlyphModeImpl(DHPDEV dhpdev, FONTOBJ* pfo);
BOOL RealizeBrushImpl(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern, SURFOBJ* psoMask, XLATEOBJ* pxlo,
                      ULONG iHatch);

// Raster mode: the driver's own 8 x 8 ordered dither of a grey (DCR_DRIVER), or DCR_HALFTONE for pure black
// and white; vector mode: the VQPDL writer's answer. 0 with ERROR_INVALID_PARAMETER for an invalid PDEV or
// a missing buffer.
ULONG DitherColorImpl(DHPDEV dhpdev, ULONG iMode, ULONG rgb, ULONG* pul);
