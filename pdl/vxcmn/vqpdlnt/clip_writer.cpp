// clip_writer.cpp - the clip of each drawing call: the page and rectangle slots ("cpc"), the clip path ("cpp"),
// rectangle lists ("cpb", "csr", "cpe") and the kind selected ("cps"), each written only when it changed.
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/path_writer.h"
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <algorithm>
#include <cstring>

using vqpath::BlockArray;
using vqpath::Difference;
using vqpath::Pixel;

namespace {

constexpr DWORD kMaxCachedClipRects = 4096;    // longer rectangle lists are written as they come, uncached
constexpr ULONG kClipBatch = 10;
constexpr LONG kUnboundedExtent = 10000;

// By value: the held rectangles are fields of the packed context and may sit at any address.
bool SameRect(RECTL a, RECTL b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECTL PageRect(const JOB_EXTRA_RECORD* pContext)
{
    return {0, 0, pContext->cxPage, pContext->cyPage};
}

// The browser (its process name is kept by escape 0x6FFFFF07) fills each cell of a table with its own clip
// list; its 4-point fills are clipped only by the rectangles they touch.
bool IsBrowser(PDEV* pdev)
{
    WCHAR name[32];
    std::memcpy(name, PdlGetContext(pdev)->szAppName, sizeof name);
    name[31] = u'\0';
    return lstrcmpiW(name, u"iexplore.exe") == 0;
}

void SelectClipKind(PDEV* pdev, LONG kind)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lClipKind == kind)
        return;
    PdlPrintf(pdev, "cps %d;\n", kind);
    pContext->lClipKind = kind;
}

void WritePageSlot(PDEV* pdev, const RECTL& rect)
{
    PdlPrintf(pdev, "cpc %d 0 0 %d %d;\n", kClipPage, rect.right, rect.bottom);
    PdlGetContext(pdev)->rclPageClip = rect;
}

// The fill's bounds are its corner points: a rectangle touches them when it covers a pixel from the first
// corner up to and including the last.
bool Touches(const RECTL& r, const RECTL& bounds)
{
    return r.left <= bounds.right && bounds.left < r.right && r.top <= bounds.bottom && bounds.top < r.bottom;
}

struct CLIP_BATCH {
    ULONG c;
    RECTL arcl[kClipBatch];
};

// Visits every rectangle of the clip, enumerated ten at a time.
template <typename Visit>
void ForEachClipRect(CLIPOBJ* pco, Visit visit)
{
    CLIPOBJ_cEnumStart(pco, TRUE, CT_RECTANGLES, CD_ANY, 0);
    BOOL more = TRUE;
    while (more) {
        CLIP_BATCH batch = {};
        more = CLIPOBJ_bEnum(pco, sizeof batch, reinterpret_cast<ULONG*>(&batch));
        const ULONG count = std::min(batch.c, kClipBatch);
        for (ULONG i = 0; i < count; ++i)
            visit(batch.arcl[i]);
        if (count == 0)
            break;   // an enumeration that makes no progress would never end
    }
}

RECTL Union(const RECTL& a, const RECTL& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Writes a rectangle list: "cpb 4 <scaled bounds>;", each rectangle as "csr" with its left and top as steps
// from the rectangle before (the first from the bounds), its width and, unless it is 1, its height; "cpe;".
class ClipListWriter {
public:
    ClipListWriter(PDEV* pdev, const RECTL& bounds) : m_pdev(pdev)
    {
        const RECTL scaled = PdlScaleRectNonEmpty(pdev, bounds);
        PdlPrintf(pdev, "cpb %d %d %d %d %d;\n", kClipList, scaled.left, scaled.top, scaled.right, scaled.bottom);
        m_left = scaled.left;
        m_top = scaled.top;
    }

    void Put(const RECTL& rect)
    {
        const RECTL s = PdlScaleRectNonEmpty(m_pdev, rect);
        const LONG width = Difference(s.right, s.left);
        const LONG height = Difference(s.bottom, s.top);
        if (height == 1)
            PdlPrintf(m_pdev, "csr %d %d %d;\n", Difference(s.left, m_left), Difference(s.top, m_top), width);
        else
            PdlPrintf(m_pdev, "csr %d %d %d %d;\n", Difference(s.left, m_left), Difference(s.top, m_top), width,
                      height);
        m_left = s.left;
        m_top = s.top;
    }

    void End() { PdlPrintf(m_pdev, "cpe;\n"); }

private:
    PDEV* m_pdev;
    LONG m_left;
    LONG m_top;
};

void ForgetClipList(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->bClipListValid = 0;
    pContext->iClipUniq = 0;
    pContext->cClipList = 0;
}

// Remembers the list the printer now holds; without room for it, remembers nothing.
void StoreClipList(PDEV* pdev, const RECTL* rects, DWORD count, ULONG iUniq)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    ForgetClipList(pdev);
    if (count > pContext->cClipListRoom) {
        AllocListFree(pdev->pAllocList, pContext->pClipList);
        pContext->pClipList = static_cast<RECTL*>(AllocListAlloc(pdev->pAllocList, count * sizeof(RECTL)));
        pContext->cClipListRoom = pContext->pClipList != nullptr ? count : 0;
        if (pContext->pClipList == nullptr)
            return;
    }
    if (count != 0)
        std::memcpy(pContext->pClipList, rects, count * sizeof(RECTL));
    pContext->cClipList = count;
    pContext->iClipUniq = iUniq;
    pContext->bClipListValid = 1;
}

bool HoldsClipList(PDEV* pdev, const RECTL* rects, DWORD count)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    return pContext->bClipListValid != 0 && pContext->cClipList == count &&
           (count == 0 || std::memcmp(pContext->pClipList, rects, count * sizeof(RECTL)) == 0);
}

// A list too long to keep, or a clip object without an identity: the rectangles go out as they are
// enumerated, counted and bounded in a first pass, and nothing of them is remembered.
void WriteClipListUncached(PDEV* pdev, CLIPOBJ* pco, const RECTL* prclBounds)
{
    ForgetClipList(pdev);
    DWORD count = 0;
    DWORD touching = 0;
    RECTL all = {};
    RECTL touched = {};
    ForEachClipRect(pco, [&](const RECTL& r) {
        all = count++ == 0 ? r : Union(all, r);
        if (prclBounds != nullptr && Touches(r, *prclBounds))
            touched = touching++ == 0 ? r : Union(touched, r);
    });
    const bool reduce = prclBounds != nullptr && touching != 0 && touching != count;
    ClipListWriter writer(pdev, reduce ? touched : all);
    ForEachClipRect(pco, [&](const RECTL& r) {
        if (!reduce || Touches(r, *prclBounds))
            writer.Put(r);
    });
    writer.End();
}

BOOL OutputClipList(PDEV* pdev, CLIPOBJ* pco, const RECTL* prclBounds)
{
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    const ULONG iUniq = pco->iUniq;
    // The browser's lists are cut to each fill, so the same clip object does not mean the same list.
    const bool browser = IsBrowser(pdev);
    if (!browser && iUniq != 0 && pContext->bClipListValid != 0 && iUniq == pContext->iClipUniq)
        return TRUE;
    BlockArray<RECTL> list;
    bool kept = iUniq != 0;
    ForEachClipRect(pco, [&](const RECTL& r) {
        kept = kept && list.Size() < kMaxCachedClipRects && list.Append(&r, 1);
    });
    if (!kept) {
        WriteClipListUncached(pdev, pco, prclBounds);
        return TRUE;
    }
    RECTL* rects = list.Data();
    DWORD count = list.Size();
    if (prclBounds != nullptr) {
        const DWORD touching = static_cast<DWORD>(
            std::count_if(rects, rects + count, [&](const RECTL& r) { return Touches(r, *prclBounds); }));
        if (touching != 0 && touching != count)
            count = static_cast<DWORD>(std::remove_if(rects, rects + count,
                                                      [&](const RECTL& r) { return !Touches(r, *prclBounds); }) -
                                       rects);
    }
    if (HoldsClipList(pdev, rects, count))
        return TRUE;
    RECTL bounds = count != 0 ? rects[0] : RECTL{};
    for (DWORD i = 1; i < count; ++i)
        bounds = Union(bounds, rects[i]);
    ClipListWriter writer(pdev, bounds);
    for (DWORD i = 0; i < count; ++i)
        writer.Put(rects[i]);
    writer.End();
    StoreClipList(pdev, rects, count, iUniq);
    return TRUE;
}

BOOL OutputClipPath(PDEV* pdev, CLIPOBJ* pco)
{
    PATHOBJ* ppo = CLIPOBJ_ppoGetPath(pco);
    if (ppo == nullptr) {
        TRACE_FAILED("CLIPOBJ_ppoGetPath");
        return FALSE;
    }
    const BOOL written = UpdatePath(pdev, ppo, kPathClip, nullptr, FALSE);
    if (written)
        PdlPrintf(pdev, "cpp %d %d %s;\n", kClipPath, kClipPath, "e");
    EngDeletePath(ppo);
    if (!written) {
        TRACE_FAILED("UpdatePath");
        return FALSE;
    }
    return TRUE;
}

} // namespace

namespace vqpath {

// The bounds of a browser's fill of one record of exactly four points, in unscaled pixels.
bool BrowserFillBounds(PDEV* pdev, PATHOBJ* ppo, RECTL& bounds)
{
    if (ppo == nullptr || !IsBrowser(pdev))
        return false;
    PATHOBJ_vEnumStart(ppo);
    PATHDATA pd = {};
    const BOOL more = PATHOBJ_bEnum(ppo, &pd);
    if (more || pd.count != 4 || pd.pptfx == nullptr)
        return false;
    bounds = {Pixel(pd.pptfx[0].x), Pixel(pd.pptfx[0].y), Pixel(pd.pptfx[0].x), Pixel(pd.pptfx[0].y)};
    for (ULONG i = 1; i < 4; ++i) {
        bounds.left = std::min(bounds.left, Pixel(pd.pptfx[i].x));
        bounds.top = std::min(bounds.top, Pixel(pd.pptfx[i].y));
        bounds.right = std::max(bounds.right, Pixel(pd.pptfx[i].x));
        bounds.bottom = std::max(bounds.bottom, Pixel(pd.pptfx[i].y));
    }
    return true;
}

} // namespace vqpath


BOOL PdlOutputClip(PDEV* pdev, CLIPOBJ* pco, const RECTL* prclBounds)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bClipSave != 0)
        return TRUE;
    const RECTL page = PageRect(pContext);
    if (pco == nullptr) {
        if (!SameRect(pContext->rclPageClip, page))
            WritePageSlot(pdev, page);
        SelectClipKind(pdev, kClipPage);
        return TRUE;
    }
    if (pco == kClipUnbounded) {
        WritePageSlot(pdev, {0, 0, kUnboundedExtent, kUnboundedExtent});
        SelectClipKind(pdev, kClipPage);
        return TRUE;
    }
    switch (pco->iDComplexity) {
    case DC_TRIVIAL:
        SelectClipKind(pdev, kClipPage);
        return TRUE;
    case DC_RECT: {
        const RECTL bounds = PdlScaleRectNonEmpty(pdev, pco->rclBounds);
        if (SameRect(bounds, page)) {
            SelectClipKind(pdev, kClipPage);
            return TRUE;
        }
        if (!SameRect(pContext->rclRectClip, bounds)) {
            PdlPrintf(pdev, "cpc %d %d %d %d %d;\n", kClipRect, bounds.left, bounds.top, bounds.right,
                      bounds.bottom);
            pContext->rclRectClip = bounds;
        }
        SelectClipKind(pdev, kClipRect);
        return TRUE;
    }
    case DC_COMPLEX:
        if (pco->iMode == TC_PATHOBJ) {
            if (!OutputClipPath(pdev, pco))
                return FALSE;
            SelectClipKind(pdev, kClipPath);
            return TRUE;
        }
        if (pco->iMode == TC_RECTANGLES) {
            OutputClipList(pdev, pco, prclBounds);
            SelectClipKind(pdev, kClipList);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void PdlResetClipState(PDEV* pdev, LONG kind)
{
    PdlGetContext(pdev)->lClipKind = kind;
}

void PdlResetClipCache(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    // No clip can be these: the next clip of any kind is written.
    const RECTL unknown = {-1, -1, -1, -1};
    pContext->rclPageClip = unknown;
    pContext->rclRectClip = unknown;
    pContext->lClipKind = kClipUnknown;
    ForgetClipList(pdev);
}

void PdlFreeClipList(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    AllocListFree(pdev->pAllocList, pContext->pClipList);
    pContext->pClipList = nullptr;
    pContext->cClipListRoom = 0;
    ForgetClipList(pdev);
}
