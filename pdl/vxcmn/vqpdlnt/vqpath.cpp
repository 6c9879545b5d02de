// vqpath.cpp - the path fills and strokes, the path writers and their cache, the clip writer and the rop
// writers.
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "customnt/vqddigfx/alloc_list.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/pens.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/global_memory.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr ULONG kFullScale = 10000;
constexpr ULONG kWhite = 0xFFFFFF;
constexpr ULONG kAdditionsRopNot = 2313;    // 9 in both bytes: page additions of drawing mode 2
constexpr ULONG kAdditionsRopPen = 3341;    // 13 in both bytes: every other drawing mode
constexpr int kStrokeSlot = 1;              // "phf" and "phs" act on the grouped writer's path
constexpr LONG kSmallFillPoints = 8;        // a reduced small fill has at most this many points
constexpr LONG kBulgeUnits = 28;            // 28.4 units a curve's middle may stray from its chord
constexpr FLOAT kBulgeUnitsSquared = 784.0f;
constexpr DWORD kMaxPathRecords = 0x1000000;   // a path enumeration that runs past this is taken as broken
constexpr DWORD kMaxCachedClipRects = 4096;    // longer rectangle lists are written as they come, uncached
constexpr ULONG kClipBatch = 10;
constexpr LONG kUnboundedExtent = 10000;

// ---- coordinates ------------------------------------------------------------------------------------------

LONG Scale(LONG c, ULONG scale, LONG offset)
{
    return static_cast<LONG>(static_cast<long long>(c) * scale / kFullScale + offset);
}

// A 28.4 value as whole device pixels (the fraction dropped towards minus infinity).
LONG Pixel(long long fix)
{
    return static_cast<LONG>(fix >> 4);
}

LONG Difference(LONG to, LONG from)
{
    return static_cast<LONG>(static_cast<long long>(to) - from);
}

// By value: the held rectangles are fields of the packed context and may sit at any address.
bool SameRect(RECTL a, RECTL b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECTL PageRect(const JOB_EXTRA_RECORD* pContext)
{
    return {0, 0, pContext->cxPage, pContext->cyPage};
}

// A path point in 28.4 with room for the sums of the Bézier halving.
struct FixPoint {
    long long x;
    long long y;
};

FixPoint Widen(const POINTFIX& p)
{
    return {p.x, p.y};
}

// Writes points as their scaled pixel positions, each as its step from the one written before.
class PointWriter {
public:
    PointWriter(PDEV* pdev, LONG x, LONG y) : m_pdev(pdev), m_x(x), m_y(y) {}

    void Put(LONG x, LONG y)
    {
        PdlPrintf(m_pdev, " %d %d", Difference(x, m_x), Difference(y, m_y));
        m_x = x;
        m_y = y;
    }

    void Put(const FixPoint& p)
    {
        Put(Scale(Pixel(p.x), m_pdev->ulScale, m_pdev->xOffset), Scale(Pixel(p.y), m_pdev->ulScale, m_pdev->yOffset));
    }

private:
    PDEV* m_pdev;
    LONG m_x;
    LONG m_y;
};

POINTL ScaledPixel(PDEV* pdev, const FixPoint& p)
{
    return {Scale(Pixel(p.x), pdev->ulScale, pdev->xOffset), Scale(Pixel(p.y), pdev->ulScale, pdev->yOffset)};
}

// "mta" with the scaled point; the writer of the points that follow it.
PointWriter MoveTo(PDEV* pdev, const FixPoint& p)
{
    const POINTL at = ScaledPixel(pdev, p);
    PdlPrintf(pdev, "mta %d %d;\n", at.x, at.y);
    return PointWriter(pdev, at.x, at.y);
}

// ---- Bézier halving -----------------------------------------------------------------------------------------
// A cubic curve P0 P1 P2 P3 is halved at t = 1/2 by averaging neighbours: P01, P12, P23, then P012, P123, then
// its middle M; the halves are P0 P01 P012 M and M P123 P23 P3. The printer draws a curve from its control
// points well enough unless it bends sharply: a curve whose middle lies within 28 units (1.75 pixels) of its
// chord but of which a half does not is sent as its two halves.

FixPoint Average(const FixPoint& a, const FixPoint& b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

struct Halves {
    FixPoint p01, p012, m, p123, p23;
};

Halves Halve(const FixPoint (&c)[4])
{
    const FixPoint p01 = Average(c[0], c[1]);
    const FixPoint p12 = Average(c[1], c[2]);
    const FixPoint p23 = Average(c[2], c[3]);
    const FixPoint p012 = Average(p01, p12);
    const FixPoint p123 = Average(p12, p23);
    return {p01, p012, Average(p012, p123), p123, p23};
}

// The curve's middle lies more than 28 units from the foot of its perpendicular on the chord P0 P3.
bool Bulges(const FixPoint (&c)[4])
{
    const FixPoint m = Halve(c).m;
    if (c[0].x == c[3].x)
        return std::llabs(m.x - c[0].x) > kBulgeUnits;
    if (c[0].y == c[3].y)
        return std::llabs(m.y - c[0].y) > kBulgeUnits;
    const FLOAT dx = static_cast<FLOAT>(c[3].x - c[0].x);
    const FLOAT dy = static_cast<FLOAT>(c[3].y - c[0].y);
    const FLOAT mx = static_cast<FLOAT>(m.x - c[0].x);
    const FLOAT my = static_cast<FLOAT>(m.y - c[0].y);
    const FLOAT t = (mx * dx + my * dy) / (dx * dx + dy * dy);
    const FLOAT ex = mx - t * dx;
    const FLOAT ey = my - t * dy;
    return ex * ex + ey * ey > kBulgeUnitsSquared;
}

bool SentInHalves(const FixPoint (&c)[4])
{
    if (Bulges(c))
        return false;
    const Halves h = Halve(c);
    const FixPoint first[4] = {c[0], h.p01, h.p012, h.m};
    const FixPoint second[4] = {h.m, h.p123, h.p23, c[3]};
    return Bulges(first) || Bulges(second);
}

// The curves of a run (three points each) starting at from, as "bzr <curves written>" and their points.
void WriteCurves(PointWriter& writer, PDEV* pdev, FixPoint from, const POINTFIX* points, DWORD count)
{
    DWORD written = 0;
    FixPoint start = from;
    for (DWORD i = 0; i + 3 <= count; i += 3) {
        const FixPoint c[4] = {start, Widen(points[i]), Widen(points[i + 1]), Widen(points[i + 2])};
        written += SentInHalves(c) ? 2 : 1;
        start = c[3];
    }
    PdlPrintf(pdev, "bzr %d", static_cast<LONG>(written));
    start = from;
    for (DWORD i = 0; i + 3 <= count; i += 3) {
        const FixPoint c[4] = {start, Widen(points[i]), Widen(points[i + 1]), Widen(points[i + 2])};
        if (SentInHalves(c)) {
            const Halves h = Halve(c);
            for (const FixPoint& p : {h.p01, h.p012, h.m, h.p123, h.p23, c[3]})
                writer.Put(p);
        } else {
            for (const FixPoint& p : {c[1], c[2], c[3]})
                writer.Put(p);
        }
        start = c[3];
    }
    PdlPrintf(pdev, ";\n");
}

void WriteLines(PointWriter& writer, PDEV* pdev, const POINTFIX* points, DWORD count)
{
    PdlPrintf(pdev, "ltr %d", static_cast<LONG>(count));
    for (DWORD i = 0; i < count; ++i)
        writer.Put(Widen(points[i]));
    PdlPrintf(pdev, ";\n");
}

// ---- reading a path -----------------------------------------------------------------------------------------

// A growing array of plain records in a locked global block. Append answers false when the heap refuses or
// the array would pass 64 MiB.
template <typename T>
class BlockArray {
public:
    BlockArray() = default;
    ~BlockArray() { FreeLockedBlock(m_items); }
    BlockArray(const BlockArray&) = delete;
    BlockArray& operator=(const BlockArray&) = delete;

    bool Append(const T* items, DWORD count)
    {
        if (count > kMaxItems - m_count)
            return false;
        if (m_count + count > m_room && !Grow(m_count + count))
            return false;
        if (count != 0)
            std::memcpy(m_items + m_count, items, count * sizeof(T));
        m_count += count;
        return true;
    }

    void Clear() { m_count = 0; }
    T* Data() const { return m_items; }
    DWORD Size() const { return m_count; }

private:
    static constexpr DWORD kMaxItems = 0x4000000 / sizeof(T);

    // Room grows from 1 KB by doubling.
    bool Grow(DWORD needed)
    {
        DWORD room = m_room != 0 ? m_room : std::max<DWORD>(1, 1024 / sizeof(T));
        while (room < needed)
            room = room > kMaxItems / 2 ? kMaxItems : room * 2;
        T* items = static_cast<T*>(AllocLockedBlock(static_cast<SIZE_T>(room) * sizeof(T)));
        if (items == nullptr)
            return false;
        if (m_count != 0)
            std::memcpy(items, m_items, m_count * sizeof(T));
        FreeLockedBlock(m_items);
        m_items = items;
        m_room = room;
        return true;
    }

    T* m_items = nullptr;
    DWORD m_count = 0;
    DWORD m_room = 0;
};

// The next record of a path being enumerated. False when there is none to take: the enumeration has ended
// (more is false afterwards), the record is malformed or the enumeration has run too long.
class PathReader {
public:
    explicit PathReader(PATHOBJ* ppo) : m_ppo(ppo) { PATHOBJ_vEnumStart(ppo); }

    bool Next(PATHDATA& pd)
    {
        if (!m_more)
            return false;
        if (++m_records > kMaxPathRecords) {
            m_broken = true;
            return false;
        }
        pd = {};
        m_more = PATHOBJ_bEnum(m_ppo, &pd) != FALSE;
        if (pd.count != 0 && pd.pptfx == nullptr) {
            m_broken = true;
            m_more = false;
            return false;
        }
        return true;
    }

    bool Broken() const { return m_broken; }

private:
    PATHOBJ* m_ppo;
    bool m_more = true;
    bool m_broken = false;
    DWORD m_records = 0;
};

// "rem path bzr parameter error;": a curve record whose points are not whole curves ends the path.
BOOL CurveRecordError(PDEV* pdev)
{
    SetLastError(ERROR_INVALID_PARAMETER);
    PdlPrintf(pdev, "rem path bzr parameter error;\n");
    PdlPrintf(pdev, "phe;\n");
    PdlPrintf(pdev, "phd;\n");
    return FALSE;
}

BOOL EndPathFailed(PDEV* pdev)
{
    PdlPrintf(pdev, "phe;\n");
    return FALSE;
}

// ---- the grouped writer ---------------------------------------------------------------------------------------

// One run of a sub-path: lines or curves, cPoints points.
struct Run {
    bool bCurves;
    DWORD cPoints;
};

// A sub-path gathered whole: its start point, then its runs' points in order.
struct SubPath {
    BlockArray<POINTFIX> points;
    BlockArray<Run> runs;
    bool closed = false;
    bool curves = false;

    bool Empty() const { return points.Size() == 0; }

    void Reset()
    {
        points.Clear();
        runs.Clear();
        closed = false;
        curves = false;
    }

    bool Add(bool bCurves, const POINTFIX* pts, DWORD count)
    {
        if (count == 0)
            return true;
        if (runs.Size() != 0 && runs.Data()[runs.Size() - 1].bCurves == bCurves) {
            if (!points.Append(pts, count))
                return false;
            runs.Data()[runs.Size() - 1].cPoints += count;
            return true;
        }
        const Run run = {bCurves, count};
        curves = curves || bCurves;
        return points.Append(pts, count) && runs.Append(&run, 1);
    }
};

// A small sub-path of a fill at a reduced scale: the steps between its points are taken unscaled and scaled
// only when longer than one pixel, so that a shape thinner than the scale's step does not vanish. Three points,
// or four that come back to the start, count only when scaling would make two corners meet; any other run of
// at most eight points counts.
bool IsReducedSmallFill(PDEV* pdev, const SubPath& sp, BOOL bFill)
{
    if (!bFill || sp.curves || pdev->ulScale >= kFullScale || PdlRopReadsDestination(PdlGetRop2(pdev)))
        return false;
    const DWORD count = sp.points.Size() - 1;
    const POINTFIX* p = sp.points.Data();
    const auto same = [&](DWORD a, DWORD b) {
        const POINTL pa = ScaledPixel(pdev, Widen(p[a]));
        const POINTL pb = ScaledPixel(pdev, Widen(p[b]));
        return pa.x == pb.x && pa.y == pb.y;
    };
    const bool closesOnStart =
        count == 4 && Pixel(p[4].x) == Pixel(p[0].x) && Pixel(p[4].y) == Pixel(p[0].y);
    if (count == 3 || closesOnStart)
        return same(0, 1) || same(1, 2) || same(2, 3) || same(3, 0);
    return count <= kSmallFillPoints;
}

LONG ReducedStep(PDEV* pdev, LONG step)
{
    if (step >= -1 && step <= 1)
        return step;
    return static_cast<LONG>(static_cast<long long>(step) * pdev->ulScale / kFullScale);
}

void WriteReducedSmallFill(PDEV* pdev, const SubPath& sp)
{
    const DWORD count = sp.points.Size() - 1;
    const POINTFIX* p = sp.points.Data();
    PdlPrintf(pdev, "ltr %d", static_cast<LONG>(count));
    for (DWORD i = 1; i <= count; ++i) {
        const LONG dx = Difference(Pixel(p[i].x), Pixel(p[i - 1].x));
        const LONG dy = Difference(Pixel(p[i].y), Pixel(p[i - 1].y));
        PdlPrintf(pdev, " %d %d", ReducedStep(pdev, dx), ReducedStep(pdev, dy));
    }
    PdlPrintf(pdev, ";\n");
}

void WriteSubPath(PDEV* pdev, const SubPath& sp, BOOL bFill, BOOL* pbDrawn)
{
    const POINTFIX* p = sp.points.Data();
    PointWriter writer = MoveTo(pdev, Widen(p[0]));
    if (sp.points.Size() > 1) {
        *pbDrawn = TRUE;
        if (IsReducedSmallFill(pdev, sp, bFill)) {
            WriteReducedSmallFill(pdev, sp);
        } else {
            DWORD at = 1;
            for (DWORD i = 0; i < sp.runs.Size(); ++i) {
                const Run run = sp.runs.Data()[i];
                if (run.bCurves)
                    WriteCurves(writer, pdev, Widen(p[at - 1]), p + at, run.cPoints);
                else
                    WriteLines(writer, pdev, p + at, run.cPoints);
                at += run.cPoints;
            }
        }
    }
    if (sp.closed)
        PdlPrintf(pdev, "phc;\n");
}

BOOL WriteGroupedPath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL bFill, BOOL* pbDrawn)
{
    PdlPrintf(pdev, "phb %d;\n", kind);
    PathReader reader(ppo);
    SubPath sp;
    PATHDATA pd;
    while (reader.Next(pd)) {
        if (pd.count == 0)
            continue;
        const bool curves = (pd.flags & PD_BEZIERS) != 0;
        DWORD first = 0;
        if ((pd.flags & PD_BEGINSUBPATH) != 0 || sp.Empty()) {
            // A sub-path left open by a record that did not end it is written as it stands.
            if (!sp.Empty())
                WriteSubPath(pdev, sp, bFill, pbDrawn);
            sp.Reset();
            if (!sp.points.Append(pd.pptfx, 1))
                return EndPathFailed(pdev);
            first = 1;
        }
        if (curves && (pd.count - first) % 3 != 0)
            return CurveRecordError(pdev);
        if (!sp.Add(curves, pd.pptfx + first, pd.count - first))
            return EndPathFailed(pdev);
        if ((pd.flags & PD_ENDSUBPATH) != 0) {
            sp.closed = (pd.flags & PD_CLOSEFIGURE) != 0;
            WriteSubPath(pdev, sp, bFill, pbDrawn);
            sp.Reset();
        }
    }
    if (reader.Broken())
        return EndPathFailed(pdev);
    if (!sp.Empty())
        WriteSubPath(pdev, sp, bFill, pbDrawn);
    PdlPrintf(pdev, "phe;\n");
    return TRUE;
}

// ---- the plain writer and the path cache ------------------------------------------------------------------

struct CACHED_RECORD {
    FLONG flags;
    ULONG count;
};

// The clip path the plain writer last wrote, kept in a block of the PDEV's allocation list.
struct PATH_CACHE {
    DWORD bValid;
    LONG  lKind;
    DWORD cRecords;
    DWORD cPoints;
    CACHED_RECORD records[kPathCacheRecords];
    POINTFIX points[kPathCachePoints];
};

PATH_CACHE* PathCache(PDEV* pdev)
{
    return reinterpret_cast<PATH_CACHE*>(PdlGetContext(pdev)->pPathCache);
}

PATH_CACHE* EnsurePathCache(PDEV* pdev)
{
    if (PATH_CACHE* cache = PathCache(pdev))
        return cache;
    auto* cache = static_cast<PATH_CACHE*>(AllocListAlloc(pdev->pAllocList, sizeof(PATH_CACHE)));
    PdlGetContext(pdev)->pPathCache = reinterpret_cast<BYTE*>(cache);
    return cache;
}

// True when the cache holds this very path as the printer's path of this kind.
bool CacheHolds(PDEV* pdev, PATHOBJ* ppo, LONG kind)
{
    const PATH_CACHE* cache = PathCache(pdev);
    if (cache == nullptr || cache->bValid == 0 || cache->lKind != kind)
        return false;
    PathReader reader(ppo);
    PATHDATA pd;
    DWORD records = 0;
    DWORD points = 0;
    while (reader.Next(pd)) {
        if (records == cache->cRecords || pd.count > cache->cPoints - points)
            return false;
        const CACHED_RECORD& record = cache->records[records++];
        if (record.flags != pd.flags || record.count != pd.count)
            return false;
        if (pd.count != 0 && std::memcmp(cache->points + points, pd.pptfx, pd.count * sizeof(POINTFIX)) != 0)
            return false;
        points += pd.count;
    }
    return !reader.Broken() && records == cache->cRecords && points == cache->cPoints;
}

BOOL WritePlainPath(PDEV* pdev, PATHOBJ* ppo, LONG kind, BOOL* pbDrawn)
{
    PATH_CACHE* cache = EnsurePathCache(pdev);
    bool fits = cache != nullptr;
    if (cache != nullptr) {
        cache->bValid = 0;
        cache->cRecords = 0;
        cache->cPoints = 0;
    }
    PdlPrintf(pdev, "phb %d;\n", kind);
    PathReader reader(ppo);
    PATHDATA pd;
    FixPoint current = {0, 0};
    bool started = false;
    PointWriter writer(pdev, 0, 0);
    while (reader.Next(pd)) {
        if (fits && cache->cRecords < kPathCacheRecords && pd.count <= kPathCachePoints - cache->cPoints) {
            cache->records[cache->cRecords++] = {pd.flags, pd.count};
            if (pd.count != 0)
                std::memcpy(cache->points + cache->cPoints, pd.pptfx, pd.count * sizeof(POINTFIX));
            cache->cPoints += pd.count;
        } else {
            fits = false;
        }
        if (pd.count == 0)
            continue;
        DWORD first = 0;
        if ((pd.flags & PD_BEGINSUBPATH) != 0 || !started) {
            current = Widen(pd.pptfx[0]);
            writer = MoveTo(pdev, current);
            started = true;
            first = 1;
        }
        const DWORD rest = pd.count - first;
        if ((pd.flags & PD_BEZIERS) != 0) {
            if (rest % 3 != 0)
                return CurveRecordError(pdev);
            if (rest != 0)
                WriteCurves(writer, pdev, current, pd.pptfx + first, rest);
        } else if (rest != 0) {
            WriteLines(writer, pdev, pd.pptfx + first, rest);
        }
        if (rest != 0) {
            *pbDrawn = TRUE;
            current = Widen(pd.pptfx[pd.count - 1]);
        }
        if ((pd.flags & PD_ENDSUBPATH) != 0 && (pd.flags & PD_CLOSEFIGURE) != 0)
            PdlPrintf(pdev, "phc;\n");
    }
    if (reader.Broken())
        return EndPathFailed(pdev);
    PdlPrintf(pdev, "phe;\n");
    if (fits) {
        cache->lKind = kind;
        cache->bValid = 1;
    }
    return TRUE;
}

// ---- clips --------------------------------------------------------------------------------------------------

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

// The browser (its process name is kept by escape 0x6FFFFF07) fills each cell of a table with its own clip
// list; its 4-point fills are clipped only by the rectangles they touch.
bool IsBrowser(PDEV* pdev)
{
    WCHAR name[32];
    std::memcpy(name, PdlGetContext(pdev)->szAppName, sizeof name);
    name[31] = u'\0';
    return lstrcmpiW(name, u"iexplore.exe") == 0;
}

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

// ---- fills and strokes ---------------------------------------------------------------------------------------

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

BOOL WritePathFill(PDEV* pdev, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, MIX mix, FLONG flOptions)
{
    RECTL browserBounds;
    const bool bounded = BrowserFillBounds(pdev, ppo, browserBounds);
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
        written = WriteGroupedPath(pdev, ppo, kind, bFill, &drawn);
    } else {
        if (CacheHolds(pdev, ppo, kind))
            return TRUE;   // the printer still has this path
        written = WritePlainPath(pdev, ppo, kind, &drawn);
    }
    if (!written)
        PdlResetPathCache(pdev);
    if (pbDrawn != nullptr)
        *pbDrawn = drawn;
    return written;
}

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

void PdlOutputRop2(PDEV* pdev, ULONG mix)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lRop2 == static_cast<LONG>(mix))
        return;
    PdlPrintf(pdev, "rop 2 #%X;\n", mix & 0xFF);
    pContext->lRop2 = static_cast<LONG>(mix);
}

void PdlOutputRop3(PDEV* pdev, ULONG rop3)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lRop3 == static_cast<LONG>(rop3))
        return;
    PdlPrintf(pdev, "rop 3 #%X;\n", rop3);
    pContext->lRop3 = static_cast<LONG>(rop3);
}

BYTE PdlGetRop2(PDEV* pdev)
{
    return static_cast<BYTE>(PdlGetContext(pdev)->lRop2 & 0xFF);
}

BOOL PdlRopReadsDestination(ULONG rop2)
{
    switch (rop2) {
    case R2_BLACK:
    case R2_NOTCOPYPEN:
    case R2_COPYPEN:
    case R2_WHITE:
        return FALSE;
    default:
        return TRUE;
    }
}

BOOL PdlRop3ReadsDestination(ULONG rop3)
{
    // A rop's result ignores the page when it is the same for both values of the page's bit: its bits come
    // in equal pairs (bit 2k+1 equals bit 2k).
    if (rop3 > 0xFF)
        return TRUE;
    return ((rop3 >> 1) & 0x55) != (rop3 & 0x55) ? TRUE : FALSE;
}

BOOL PdlRop3UsesSource(ULONG rop3)
{
    // A rop ignores the source when its result is the same for both values of the source's bit.
    if (rop3 > 0xFF)
        return TRUE;
    return ((rop3 >> 2) & 0x33) != (rop3 & 0x33) ? TRUE : FALSE;
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

void PdlResetPathCache(PDEV* pdev)
{
    if (PATH_CACHE* cache = PathCache(pdev))
        cache->bValid = 0;
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

void PdlResetRopCache(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->lRop2 = -1;
    pContext->lRop3 = -1;
}

void PdlFreePathCaches(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    AllocListFree(pdev->pAllocList, pContext->pPathCache);
    pContext->pPathCache = nullptr;
    AllocListFree(pdev->pAllocList, pContext->pClipList);
    pContext->pClipList = nullptr;
    pContext->cClipListRoom = 0;
    ForgetClipList(pdev);
}
