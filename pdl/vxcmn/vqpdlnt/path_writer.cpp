// path_writer.cpp - the path writer: points as scaled steps, runs of lines and curves with the Bézier halving,
// reading a path, and the grouped writer of fills and strokes.
#include "pdl/vxcmn/vqpdlnt/path_writer.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vxcmnnt.h"

#include <cstdlib>

namespace vqpath {
namespace {

constexpr LONG kSmallFillPoints = 8;        // a reduced small fill has at most this many points
constexpr LONG kBulgeUnits = 28;            // 28.4 units a curve's middle may stray from its chord
constexpr FLOAT kBulgeUnitsSquared = 784.0f;

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

} // namespace

// ---- coordinates ------------------------------------------------------------------------------------------

LONG Scale(LONG c, ULONG scale, LONG offset)
{
    return static_cast<LONG>(static_cast<long long>(c) * scale / kFullScale + offset);
}

LONG Pixel(long long fix)
{
    return static_cast<LONG>(fix >> 4);
}

LONG Difference(LONG to, LONG from)
{
    return static_cast<LONG>(static_cast<long long>(to) - from);
}

FixPoint Widen(const POINTFIX& p)
{
    return {p.x, p.y};
}

void PointWriter::Put(LONG x, LONG y)
{
    PdlPrintf(m_pdev, " %d %d", Difference(x, m_x), Difference(y, m_y));
    m_x = x;
    m_y = y;
}

void PointWriter::Put(const FixPoint& p)
{
    const POINTL at = ScaledPixel(m_pdev, p);
    Put(at.x, at.y);
}

POINTL ScaledPixel(PDEV* pdev, const FixPoint& p)
{
    return {Scale(Pixel(p.x), pdev->ulScale, pdev->xOffset), Scale(Pixel(p.y), pdev->ulScale, pdev->yOffset)};
}

PointWriter MoveTo(PDEV* pdev, const FixPoint& p)
{
    const POINTL at = ScaledPixel(pdev, p);
    PdlPrintf(pdev, "mta %d %d;\n", at.x, at.y);
    return PointWriter(pdev, at.x, at.y);
}

// ---- lines and curves ---------------------------------------------------------------------------------------

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

bool PathReader::Next(PATHDATA& pd)
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

} // namespace vqpath

using vqpath::Scale;

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
