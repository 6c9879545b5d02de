// vqpath.cpp - the path fills and strokes: the clip, rop and brush or pen of each, the path through the grouped
// writer or the path cache, and "phf"/"phs".
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/path_cache.h"
#include "pdl/vxcmn/vqpdlnt/path_writer.h"
#include "pdl/vxcmn/vqpdlnt/pens.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"

namespace {

constexpr ULONG kWhite = 0xFFFFFF;
constexpr ULONG kAdditionsRopNot = 2313;    // 9 in both bytes: page additions of drawing mode 2
constexpr ULONG kAdditionsRopPen = 3341;    // 13 in both bytes: every other drawing mode
constexpr int kStrokeSlot = 1;              // "phf" and "phs" act on the grouped writer's path

void MarkDrawnUnlessBlank(PDEV* pdev, BRUSHOBJ* pboFill, BRUSHOBJ* pboPen)
{
    if (!PdlLeavesPageBlank(pdev, pboFill, pboPen))
        PdlSetDrawKind(pdev, 0);
}

bool IsWhite(ULONG rgb)
{
    return (rgb & kWhite) == kWhite;
}

bool IsSolid(BRUSHOBJ* pbo)
{
    return pbo->iSolidColor != 0xFFFFFFFF;
}

// "phf" fills the grouped path with the current brush by the fill rule; FALSE for options that are not a rule.
BOOL WriteFill(PDEV* pdev, LONG brush, FLONG flOptions)
{
    if (flOptions == FP_ALTERNATEMODE)
        PdlPrintf(pdev, "phf e %d %d;\n", brush, kStrokeSlot);
    else if (flOptions == FP_WINDINGMODE)
        PdlPrintf(pdev, "phf n %d %d;\n", brush, kStrokeSlot);
    else
        return FALSE;
    return TRUE;
}

// "phs" strokes the grouped path in the current line style, when there is one.
bool WriteStroke(PDEV* pdev)
{
    const LONG style = PdlGetContext(pdev)->lLineStyle;
    if (style < 0)
        return false;
    PdlPrintf(pdev, "phs %d %d;\n", style, kStrokeSlot);
    return true;
}

// The outline of a fill whose rop does not read the page is drawn too, one pixel wide in the fill brush, so
// that the printer's fill rule does not lose the shape's edge pixels.
void WriteFillOutline(PDEV* pdev, BRUSHOBJ* pbo)
{
    LINEATTRS outline = {};
    outline.iJoin = JOIN_MITER;
    outline.iEndCap = ENDCAP_BUTT;
    outline.elWidth.l = 1;
    outline.eMiterLimit = 10.0f;   // GDI's default miter limit
    PdlOutputPenWithBrush(pdev, pbo, &outline);
    WriteStroke(pdev);
}

} // namespace

BOOL WritePathFill(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, MIX mix, FLONG flOptions)
{
    RECTL browserBounds;
    const bool bounded = vqpath::BrowserFillBounds(pdev, ppo, browserBounds);
    if (!PdlOutputClip(pdev, pco, bounded ? &browserBounds : nullptr))
        return FALSE;
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bPageAdditions != 0) {
        PdlOutputRop2(pdev, pContext->dwAdditionsMode == 2 ? kAdditionsRopNot : kAdditionsRopPen);
        if (pbo != nullptr)
            PdlOutputColorDither(pdev, PdlBrushColor(pdev, pbo));
    } else {
        PdlOutputRop2(pdev, mix);
        PdlSelectBrush(pdev, pbo);
    }
    if (!UpdatePath(pdev, ppo, kPathGrouped, nullptr, /*bFill=*/TRUE))
        return FALSE;
    const LONG brush = pContext->lBrushNumber;
    if (brush < 0)
        return TRUE;   // no brush fills
    if (!WriteFill(pdev, brush, flOptions))
        return FALSE;
    if (!PdlRopReadsDestination(PdlGetRop2(pdev)))
        WriteFillOutline(pdev, pbo);
    MarkDrawnUnlessBlank(pdev, pbo, nullptr);
    return TRUE;
}

BOOL WritePathStroke(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo, LINEATTRS* pla, MIX mix)
{
    if (pxo != nullptr)
        TraceTransformKind(XFORMOBJ_iGetXform(pxo, nullptr));
    if (!PdlOutputClip(pdev, pco, nullptr))
        return FALSE;
    PdlOutputRop2(pdev, mix);
    // While CLIP_TO_PATH saves the clip, the application draws its clip path: it becomes the clip path.
    const LONG kind = PdlGetContext(pdev)->bClipSave != 0 ? kPathClip : kPathGrouped;
    BOOL drawn = FALSE;
    if (!UpdatePath(pdev, ppo, kind, &drawn, FALSE))
        return FALSE;
    if (!PdlOutputPen(pdev, pbo, pla))
        return FALSE;   // a pen the printer cannot draw: the path is not stroked
    if (drawn && WriteStroke(pdev))
        MarkDrawnUnlessBlank(pdev, nullptr, pbo);
    return TRUE;
}

BOOL WritePathStrokeAndFill(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                            LINEATTRS* pla, BRUSHOBJ* pboFill, MIX mixFill, FLONG flOptions)
{
    if (pxo != nullptr)
        TraceTransformKind(XFORMOBJ_iGetXform(pxo, nullptr));
    if (!PdlOutputClip(pdev, pco, nullptr))
        return FALSE;
    PdlOutputRop2(pdev, mixFill);
    if (!UpdatePath(pdev, ppo, kPathGrouped, nullptr, FALSE))
        return FALSE;
    PdlSelectBrush(pdev, pboFill);
    const LONG brush = PdlGetContext(pdev)->lBrushNumber;
    if (brush >= 0) {
        if (!WriteFill(pdev, brush, flOptions))
            return FALSE;
        MarkDrawnUnlessBlank(pdev, pboFill, nullptr);
    }
    if (!PdlOutputPen(pdev, pboStroke, pla))
        return FALSE;
    if (WriteStroke(pdev))
        MarkDrawnUnlessBlank(pdev, nullptr, pboStroke);
    return TRUE;
}

BOOL UpdatePath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL* pbDrawn, BOOL bFill)
{
    BOOL drawn = FALSE;
    if (pbDrawn != nullptr)
        *pbDrawn = FALSE;
    if (ppo == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    BOOL written = FALSE;
    if (kind == kPathGrouped) {
        written = vqpath::WriteGroupedPath(pdev, ppo, kind, bFill, &drawn);
    } else {
        if (vqpath::CacheHolds(pdev, ppo, kind))
            return TRUE;   // the printer still has this path
        written = vqpath::WritePlainPath(pdev, ppo, kind, &drawn);
    }
    if (!written)
        PdlResetPathCache(pdev);
    if (pbDrawn != nullptr)
        *pbDrawn = drawn;
    return written;
}

BOOL PdlLeavesPageBlank(PDEV* pdev, BRUSHOBJ* pboFill, BRUSHOBJ* pboPen)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bDrawKind == 0)
        return FALSE;
    if (pContext->bPageAdditions != 0)
        return TRUE;
    const BYTE rop2 = PdlGetRop2(pdev);
    if (rop2 == R2_WHITE)
        return TRUE;
    if (rop2 != R2_COPYPEN)
        return FALSE;
    bool whiteFill = pboFill == nullptr;
    if (!whiteFill && IsSolid(pboFill)) {
        whiteFill = IsWhite(PdlBrushColor(pdev, pboFill));
    } else if (!whiteFill) {
        const auto* rb = static_cast<const REALIZED_BRUSH*>(BRUSHOBJ_pvGetRbrush(pboFill));
        whiteFill = rb != nullptr && rb->iHatch < HS_DDI_MAX && IsWhite(RealizedBrushColor(rb, 0)) &&
                    IsWhite(RealizedBrushColor(rb, 1));
    }
    const bool whitePen = pboPen == nullptr || (IsSolid(pboPen) && IsWhite(PdlBrushColor(pdev, pboPen)));
    return whiteFill && whitePen ? TRUE : FALSE;
}
