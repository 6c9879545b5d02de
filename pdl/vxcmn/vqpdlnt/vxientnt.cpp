// vxientnt.cpp - the interface layer of the VQPDL writer.
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"
#include "customnt/vqddigfx/device_caps.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/blank_page.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/font_commands.h"
#include "pdl/vxcmn/vqpdlnt/image_blit.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/path_cache.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstring>

namespace {

constexpr ULONG kTextCapsVector = 0x19F7;
constexpr FLONG kCapsWriterVector = 0x253D;   // replaces the device layer's provisional vector caps

// The PDEV of a call, or null after the debug line and ERROR_INVALID_PARAMETER.
PDEV* CheckedPdev(PDEV* pdev, int line)
{
    if (bValidatePDEV(pdev))
        return pdev;
    TraceFailed(__FILE__, line, "_bValidatePDEV");
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

PDEV* CheckedPdev(SURFOBJ* pso, int line)
{
    return CheckedPdev(PdevFromSurface(pso), line);
}

// The path operations also stop at once once the output has failed: the path hooks reach the writer in
// raster mode too, past the dispatch's own test.
PDEV* CheckedPathPdev(SURFOBJ* pso, int line)
{
    PDEV* pdev = CheckedPdev(pso, line);
    return pdev != nullptr && (pdev->dwFlags & PDEVF_OUTPUT_FAILED) == 0 ? pdev : nullptr;
}

bool IsOneBitVector(PDEV* pdev)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    return pdev->devmode.dmPublic.dmDriverExtra == kDriverExtraSize && dm.env.f1Plane1Bit_Check == 1 &&
           dm.lpGraphicsMode == 2;
}

// CLIP_TO_PATH: an application's own path clip. While it is saved the clip writer leaves the clip alone; the
// inclusive mode makes the path just drawn the clip, which means something only inside a document (outside
// one, its commands would stand in front of the next job).
ULONG ClipToPath(PDEV* pdev, WORD mode)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    switch (mode) {
    case CLIP_SAVE:
        pContext->bClipSave = 1;
        return 1;
    case CLIP_RESTORE:
        pContext->bClipSave = 0;
        // The application's clip path replaced the printer's clip: the next drawing call selects its own.
        PdlResetClipState(pdev, kClipUnknown);
        return 1;
    case CLIP_INCLUSIVE:
        if (pContext->bDocumentOpen == 0)
            return 1;
        PdlPrintf(pdev, "cpp %d %d e;\n", kClipPath, kClipPath);
        PdlResetClipState(pdev, kClipPath);
        PdlPrintf(pdev, "phd %d;\n", kClipPath);
        return 1;
    default:
        return 0;
    }
}

// The end of every drawing entry: the call's object kind is over.
BOOL EndDrawing(PDEV* pdev, BOOL result)
{
    PdlBeginDrawing(pdev, kObjectNone);
    return result;
}

} // namespace

BOOL PdlEnablePDEV(PDEV* pdev, GDIINFO* pGdiInfo, DEVINFO* pDevInfo)
{
    const bool oneBit = IsOneBitVector(pdev);
    pGdiInfo->ulTechnology = DT_RASPRINTER;
    pGdiInfo->flTextCaps = kTextCapsVector;
    pGdiInfo->cPlanes = 1;
    pDevInfo->flGraphicsCaps = kCapsWriterVector;
    if (!oneBit) {
        pGdiInfo->cBitsPixel = 24;
        pGdiInfo->ulNumColors = 8;
        return TRUE;
    }
    pGdiInfo->cBitsPixel = 1;
    pGdiInfo->ulNumColors = 2;
    pGdiInfo->ciDevice.RedGamma = 0;
    pGdiInfo->ciDevice.GreenGamma = 0;
    pGdiInfo->ciDevice.BlueGamma = 0;
    pGdiInfo->ulHTPatternSize = 7;
    pDevInfo->iDitherFormat = BMF_1BPP;
    pDevInfo->cxDither = 8;
    pDevInfo->cyDither = 8;
    const HPALETTE hpal = CreateMonochromePalette();
    if (hpal == nullptr)
        return FALSE;
    if (pdev->hpalDefault != nullptr)
        EngDeletePalette(pdev->hpalDefault);
    pdev->hpalDefault = hpal;
    pDevInfo->hpalDefault = hpal;
    return TRUE;
}

void PdlDisablePDEV(PDEV* pdev)
{
    ReleaseJobBuffers(pdev);
}

void PdlResetPDEV(PDEV* pOld, PDEV* pNew)
{
    CopyJobContext(pOld, pNew);
}

BOOL PdlStartDoc(PDEV* pdev, LPCWSTR /*pDocumentName: kept by the engine for the job header*/)
{
    if (CheckedPdev(pdev, __LINE__) == nullptr)
        return FALSE;
    PdlGetContext(pdev)->bFontsWritten = 0;
    PdlResetPageState(pdev);
    OpenJobDocument(pdev);
    return TRUE;
}

BOOL PdlEndDoc(PDEV* pdev)
{
    if (CheckedPdev(pdev, __LINE__) == nullptr)
        return FALSE;
    PdlFreePathCaches(pdev);
    PdlFreeBrushCache(pdev);
    CloseJobDocument(pdev);
    return TRUE;
}

BOOL PdlStartPage(PDEV* pdev, BOOL backSide, BOOL creatingForm)
{
    if (CheckedPdev(pdev, __LINE__) == nullptr)
        return FALSE;
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bFontsWritten == 0) {
        PdlOutputFontSubstitution(pdev);
        pContext->bFontsWritten = 1;
    }
    OpenJobPage(pdev, backSide, creatingForm);
    return TRUE;
}

BOOL PdlIsCapturingTabText(PDEV* pdev)
{
    return PdlGetContext(pdev)->bTabCapture != 0;
}

BOOL PdlCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest, POINTL* pptlSrc)
{
    PDEV* pdev = CheckedPdev(psoDest, __LINE__);
    if (pdev == nullptr)
        return FALSE;
    PdlBeginDrawing(pdev, kObjectImage);
    BlankTestImage(pdev);
    return EndDrawing(pdev, WriteCopyBits(pdev, psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc));
}

BOOL PdlBitBlt(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclTrg,
               POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4)
{
    PDEV* pdev = CheckedPdev(psoTrg, __LINE__);
    if (pdev == nullptr)
        return FALSE;
    PdlBeginDrawing(pdev, kObjectImage);
    BlankTestBlt(pdev, psoSrc, pbo, rop4);
    return EndDrawing(pdev, WriteBitBlt(pdev, psoTrg, psoSrc, psoMask, pco, pxlo, prclTrg, pptlSrc, pptlMask, pbo,
                                        pptlBrush, rop4));
}

BOOL PdlStretchBlt(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                   COLORADJUSTMENT* /*pca*/, POINTL* /*pptlHTOrg*/, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask,
                   ULONG /*iMode: the printer scales by whole pixels whatever the mode*/)
{
    PDEV* pdev = CheckedPdev(psoDest, __LINE__);
    if (pdev == nullptr)
        return FALSE;
    PdlBeginDrawing(pdev, kObjectImage);
    BlankTestImage(pdev);
    return EndDrawing(pdev, WriteStretchBlt(pdev, psoDest, psoSrc, psoMask, pco, pxlo, prclDest, prclSrc, pptlMask));
}

BOOL PdlStrokePath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo,
                   POINTL* /*pptlBrushOrg*/, LINEATTRS* plineattrs, MIX mix)
{
    PDEV* pdev = CheckedPathPdev(pso, __LINE__);
    if (pdev == nullptr)
        return FALSE;
    PdlBeginDrawing(pdev, kObjectGraphics);
    BlankTestPath(pdev, pbo, nullptr);
    return EndDrawing(pdev, WritePathStroke(pdev, ppo, pco, pxo, pbo, plineattrs, mix));
}

BOOL PdlFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* /*pptlBrushOrg*/, MIX mix,
                 FLONG flOptions)
{
    PDEV* pdev = CheckedPathPdev(pso, __LINE__);
    if (pdev == nullptr)
        return FALSE;
    PdlBeginDrawing(pdev, kObjectGraphics);
    BlankTestPath(pdev, nullptr, pbo);
    return EndDrawing(pdev, WritePathFill(pdev, ppo, pco, pbo, mix, flOptions));
}

BOOL PdlStrokeAndFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                          LINEATTRS* plineattrs, BRUSHOBJ* pboFill, POINTL* /*pptlBrushOrg*/, MIX mixFill,
                          FLONG flOptions)
{
    PDEV* pdev = CheckedPathPdev(pso, __LINE__);
    if (pdev == nullptr)
        return FALSE;
    PdlBeginDrawing(pdev, kObjectGraphics);
    BlankTestPath(pdev, pboStroke, pboFill);
    return EndDrawing(pdev, WritePathStrokeAndFill(pdev, ppo, pco, pxo, pboStroke, plineattrs, pboFill, mixFill,
                                                   flOptions));
}

ULONG PdlDitherColor(PDEV* pdev, ULONG /*iMode*/, ULONG /*rgb*/, ULONG* /*pul*/)
{
    if (CheckedPdev(pdev, __LINE__) == nullptr)
        return 0;
    return !IsRasterMode(pdev) && pdev->devmode.dmPrivate.env.f1Plane1Bit_Check == 1 ? DCR_HALFTONE : 0;
}

ULONG PdlGetGlyphMode(PDEV* /*pdev*/, FONTOBJ* /*pfo*/)
{
    return FO_GLYPHBITS;
}

BOOL PdlQueryDrawEscape(PDEV* /*pdev*/, ULONG /*iEsc*/)
{
    return FALSE;
}

ULONG PdlDrawEscape(PDEV* /*pdev*/, ULONG /*iEsc*/, CLIPOBJ* /*pco*/, RECTL* /*prcl*/, ULONG /*cjIn*/,
                    PVOID /*pvIn*/)
{
    return 0;
}

ULONG PdlEscape(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG /*cjOut*/, PVOID /*pvOut*/)
{
    if (CheckedPdev(pdev, __LINE__) == nullptr)
        return 0;
    WORD value = 0;   // the queried code, or the clip mode
    const bool hasValue = pvIn != nullptr && cjIn >= sizeof value;
    if (hasValue)
        std::memcpy(&value, pvIn, sizeof value);
    switch (iEsc) {
    case QUERYESCSUPPORT:
        if (!hasValue)
            return 0;
        if (value == SETCOPYCOUNT)
            return kCopyCountSupport;
        return value >= BEGIN_PATH && value <= END_PATH ? 1 : 0;
    case BEGIN_PATH:
    case END_PATH:
        return 1;
    case CLIP_TO_PATH:
        return hasValue ? ClipToPath(pdev, value) : 0;
    default:
        return 0;
    }
}
