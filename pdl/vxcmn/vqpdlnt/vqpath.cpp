// vqpath.cpp - the clip and raster-operation writers.
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vxcmnnt.h"

namespace {

constexpr ULONG kFullScale = 10000;

LONG Scale(LONG c, ULONG scale, LONG offset)
{
    return static_cast<LONG>(static_cast<long long>(c) * scale / kFullScale + offset);
}

bool SameRect(const RECTL& a, const RECTL& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECTL PageRect(const JOB_EXTRA_RECORD* pContext)
{
    return {0, 0, pContext->cxPage, pContext->cyPage};
}

void SelectClipKind(PDEV* pdev, LONG kind)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lClipKind == kind)
        return;
    PdlPrintf(pdev, "cps %d;\n", kind);
    pContext->lClipKind = kind;
}

} // namespace

RECTL PdlScaleRect(PDEV* pdev, const RECTL& rect)
{
    const ULONG scale = pdev->ulScale;
    const LONG x = pdev->xOffset, y = pdev->yOffset;
    return {Scale(rect.left, scale, x), Scale(rect.top, scale, y), Scale(rect.right, scale, x),
            Scale(rect.bottom, scale, y)};
}

RECTL PdlScaleRectNonEmpty(PDEV* pdev, const RECTL& rect)
{
    RECTL scaled = PdlScaleRect(pdev, rect);
    if (scaled.right == scaled.left)
        ++scaled.right;
    if (scaled.bottom == scaled.top)
        ++scaled.bottom;
    return scaled;
}

BOOL PdlOutputClip(PDEV* pdev, CLIPOBJ* pco, const RECTL* /*prclBounds: the browser's fill bounds*/)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bClipSave != 0)
        return TRUE;
    const RECTL page = PageRect(pContext);
    const RECTL lastPage = pContext->rclPageClip;
    const RECTL lastRect = pContext->rclRectClip;
    if (pco == nullptr) {
        if (!SameRect(lastPage, page)) {
            PdlPrintf(pdev, "cpc %d 0 0 %d %d;\n", 0, page.right, page.bottom);
            pContext->rclPageClip = page;
        }
        SelectClipKind(pdev, kClipPage);
        return TRUE;
    }
    if (pco->iDComplexity == DC_TRIVIAL) {
        SelectClipKind(pdev, kClipPage);
        return TRUE;
    }
    if (pco->iDComplexity != DC_RECT)
        return FALSE;   // TODO: clips by path and by rectangle lists come with the path writer
    const RECTL bounds = PdlScaleRectNonEmpty(pdev, pco->rclBounds);
    if (SameRect(bounds, page)) {
        SelectClipKind(pdev, kClipPage);
        return TRUE;
    }
    if (!SameRect(lastRect, bounds)) {
        PdlPrintf(pdev, "cpc %d %d %d %d %d;\n", 1, bounds.left, bounds.top, bounds.right, bounds.bottom);
        pContext->rclRectClip = bounds;
    }
    SelectClipKind(pdev, kClipRect);
    return TRUE;
}

void PdlOutputRop2(PDEV* pdev, ULONG mix)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lRop2 == static_cast<LONG>(mix))
        return;
    PdlPrintf(pdev, "rop 2 #%X;\n", mix & 0xFF);
    pContext->lRop2 = static_cast<LONG>(mix);
}

BYTE PdlGetRop2(PDEV* pdev)
{
    return static_cast<BYTE>(PdlGetContext(pdev)->lRop2 & 0xFF);
}

void PdlResetClipCache(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    // No clip can be these: the next clip of any kind is written.
    const RECTL unknown = {-1, -1, -1, -1};
    pContext->rclPageClip = unknown;
    pContext->rclRectClip = unknown;
    pContext->lClipKind = -1;
    pContext->lRop2 = -1;
    pContext->lRop3 = -1;
}
