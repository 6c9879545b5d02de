// hook_table.cpp - the 26 DDI hooks, each a one-line forwarder to its worker in the engine layer, and the
// table GDI finds them through. GDI reads the table by count, so it has no terminator row. The casts of
// function addresses are address constants: the table is initialised statically, before any code runs.
#include "customnt/vqddigfx/hook_table.h"
#include "customnt/vqddigfx/drawing.h"
#include "customnt/vqddigfx/enable_pdev.h"
#include "customnt/vqddigfx/escapes.h"
#include "customnt/vqddigfx/page_dispatch.h"
#include "customnt/vqddigfx/surfaces.h"

namespace {

DHPDEV APIENTRY DrvEnablePDEV(DEVMODEW* pdm, LPWSTR pwszLogAddress, ULONG cPat, HSURF* phsurfPatterns,
                              ULONG cjCaps, ULONG* pdevcaps, ULONG cjDevInfo, DEVINFO* pdi, HDEV hdev,
                              LPWSTR pwszDeviceName, HANDLE hDriver)
{
    return EnablePDEVImpl(pdm, pwszLogAddress, cPat, phsurfPatterns, cjCaps, pdevcaps, cjDevInfo, pdi, hdev,
                          pwszDeviceName, hDriver);
}

BOOL APIENTRY DrvResetPDEV(DHPDEV dhpdevOld, DHPDEV dhpdevNew)
{
    return ResetPDEVImpl(dhpdevOld, dhpdevNew);
}

VOID APIENTRY DrvCompletePDEV(DHPDEV dhpdev, HDEV hdev)
{
    CompletePDEVImpl(dhpdev, hdev);
}

VOID APIENTRY DrvDisablePDEV(DHPDEV dhpdev)
{
    DisablePDEVImpl(dhpdev);
}

HSURF APIENTRY DrvEnableSurface(DHPDEV dhpdev)
{
    return EnableSurfaceImpl(dhpdev);
}

VOID APIENTRY DrvDisableSurface(DHPDEV dhpdev)
{
    DisableSurfaceImpl(dhpdev);
}

BOOL APIENTRY DrvStartDoc(SURFOBJ* pso, LPWSTR pwszDocName, DWORD dwJobId)
{
    return EngineStartDoc(pso, pwszDocName, dwJobId);
}

BOOL APIENTRY DrvEndDoc(SURFOBJ* pso, FLONG fl)
{
    return EngineEndDoc(pso, fl);
}

BOOL APIENTRY DrvStartPage(SURFOBJ* pso)
{
    return EngineStartPage(pso);
}

BOOL APIENTRY DrvSendPage(SURFOBJ* pso)
{
    return EngineSendPage(pso);
}

BOOL APIENTRY DrvStartBanding(SURFOBJ* pso, POINTL* pptl)
{
    return EngineStartBanding(pso, pptl);
}

BOOL APIENTRY DrvNextBand(SURFOBJ* pso, POINTL* pptl)
{
    return EngineNextBand(pso, pptl);
}

ULONG APIENTRY DrvEscape(SURFOBJ* pso, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    return PrivateEscapeDispatch(pso, iEsc, cjIn, pvIn, cjOut, pvOut);
}

ULONG APIENTRY DrvDrawEscape(SURFOBJ* pso, ULONG iEsc, CLIPOBJ* pco, RECTL* prcl, ULONG cjIn, PVOID pvIn)
{
    return EngineDrawEscape(pso, iEsc, pco, prcl, cjIn, pvIn);
}

BOOL APIENTRY DrvCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                          POINTL* pptlSrc)
{
    return CopyBitsImpl(psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc);
}

BOOL APIENTRY DrvBitBlt(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                        RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush,
                        ROP4 rop4)
{
    return BitBltImpl(psoTrg, psoSrc, psoMask, pco, pxlo, prclTrg, pptlSrc, pptlMask, pbo, pptlBrush, rop4);
}

BOOL APIENTRY DrvStretchBlt(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                            COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc,
                            POINTL* pptlMask, ULONG iMode)
{
    return StretchBltImpl(psoDest, psoSrc, psoMask, pco, pxlo, pca, pptlHTOrg, prclDest, prclSrc, pptlMask, iMode);
}

BOOL APIENTRY DrvStretchBltROP(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                               COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc,
                               POINTL* pptlMask, ULONG iMode, BRUSHOBJ* pbo, DWORD rop4)
{
    return StretchBltROPImpl(psoDest, psoSrc, psoMask, pco, pxlo, pca, pptlHTOrg, prclDest, prclSrc, pptlMask,
                             iMode, pbo, rop4);
}

BOOL APIENTRY DrvGradientFill(SURFOBJ* psoDest, CLIPOBJ* pco, XLATEOBJ* pxlo, TRIVERTEX* pVertex, ULONG nVertex,
                              PVOID pMesh, ULONG nMesh, RECTL* prclExtents, POINTL* pptlDitherOrg, ULONG ulMode)
{
    return GradientFillImpl(psoDest, pco, pxlo, pVertex, nVertex, pMesh, nMesh, prclExtents, pptlDitherOrg, ulMode);
}

BOOL APIENTRY DrvStrokePath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo,
                            POINTL* pptlBrushOrg, LINEATTRS* plineattrs, MIX mix)
{
    return StrokePathImpl(pso, ppo, pco, pxo, pbo, pptlBrushOrg, plineattrs, mix);
}

BOOL APIENTRY DrvFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlBrushOrg, MIX mix,
                          FLONG flOptions)
{
    return FillPathImpl(pso, ppo, pco, pbo, pptlBrushOrg, mix, flOptions);
}

BOOL APIENTRY DrvStrokeAndFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                                   LINEATTRS* plineattrs, BRUSHOBJ* pboFill, POINTL* pptlBrushOrg, MIX mixFill,
                                   FLONG flOptions)
{
    return StrokeAndFillPathImpl(pso, ppo, pco, pxo, pboStroke, plineattrs, pboFill, pptlBrushOrg, mixFill,
                                 flOptions);
}

BOOL APIENTRY DrvTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra,
                         RECTL* prclOpaque, BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix)
{
    return TextOutImpl(pso, pstro, pfo, pco, prclExtra, prclOpaque, pboFore, pboOpaque, pptlOrg, mix);
}

ULONG APIENTRY DrvGetGlyphMode(DHPDEV dhpdev, FONTOBJ* pfo)
{
    return GetGlyphModeImpl(dhpdev, pfo);
}

BOOL APIENTRY DrvRealizeBrush(BRUSHOBJ* pbo, SURFOBJ* psoTarget, SURFOBJ* psoPattern, SURFOBJ* psoMask,
                              XLATEOBJ* pxlo, ULONG iHatch)
{
    return RealizeBrushImpl(pbo, psoTarget, psoPattern, psoMask, pxlo, iHatch);
}

ULONG APIENTRY DrvDitherColor(DHPDEV dhpdev, ULONG iMode, ULONG rgb, ULONG* pul)
{
    return DitherColorImpl(dhpdev, iMode, rgb, pul);
}

} // namespace

const DRVFN kHookTable[kHookCount] = {
    {INDEX_DrvEnablePDEV,        reinterpret_cast<PFN>(DrvEnablePDEV)},
    {INDEX_DrvResetPDEV,         reinterpret_cast<PFN>(DrvResetPDEV)},
    {INDEX_DrvCompletePDEV,      reinterpret_cast<PFN>(DrvCompletePDEV)},
    {INDEX_DrvDisablePDEV,       reinterpret_cast<PFN>(DrvDisablePDEV)},
    {INDEX_DrvEnableSurface,     reinterpret_cast<PFN>(DrvEnableSurface)},
    {INDEX_DrvDisableSurface,    reinterpret_cast<PFN>(DrvDisableSurface)},
    {INDEX_DrvStartDoc,          reinterpret_cast<PFN>(DrvStartDoc)},
    {INDEX_DrvEndDoc,            reinterpret_cast<PFN>(DrvEndDoc)},
    {INDEX_DrvStartPage,         reinterpret_cast<PFN>(DrvStartPage)},
    {INDEX_DrvSendPage,          reinterpret_cast<PFN>(DrvSendPage)},
    {INDEX_DrvStartBanding,      reinterpret_cast<PFN>(DrvStartBanding)},
    {INDEX_DrvNextBand,          reinterpret_cast<PFN>(DrvNextBand)},
    {INDEX_DrvEscape,            reinterpret_cast<PFN>(DrvEscape)},
    {INDEX_DrvDrawEscape,        reinterpret_cast<PFN>(DrvDrawEscape)},
    {INDEX_DrvCopyBits,          reinterpret_cast<PFN>(DrvCopyBits)},
    {INDEX_DrvBitBlt,            reinterpret_cast<PFN>(DrvBitBlt)},
    {INDEX_DrvStretchBlt,        reinterpret_cast<PFN>(DrvStretchBlt)},
    {INDEX_DrvStretchBltROP,     reinterpret_cast<PFN>(DrvStretchBltROP)},
    {INDEX_DrvGradientFill,      reinterpret_cast<PFN>(DrvGradientFill)},
    {INDEX_DrvStrokePath,        reinterpret_cast<PFN>(DrvStrokePath)},
    {INDEX_DrvFillPath,          reinterpret_cast<PFN>(DrvFillPath)},
    {INDEX_DrvStrokeAndFillPath, reinterpret_cast<PFN>(DrvStrokeAndFillPath)},
    {INDEX_DrvTextOut,           reinterpret_cast<PFN>(DrvTextOut)},
    {INDEX_DrvGetGlyphMode,      reinterpret_cast<PFN>(DrvGetGlyphMode)},
    {INDEX_DrvRealizeBrush,      reinterpret_cast<PFN>(DrvRealizeBrush)},
    {INDEX_DrvDitherColor,       reinterpret_cast<PFN>(DrvDitherColor)},
};
