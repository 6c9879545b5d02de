// polygon_fill.cpp - an edge-list scan converter with exact integer crossings.
#include "host/engine/polygon_fill.h"
#include "host/engine/regions.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace platform::engine {
namespace {

struct Point64 {
    int64_t x, y;
};

// An edge with y0 < y1 and the sense it had in its figure: +1 downward, -1 upward.
struct Edge {
    int64_t x0, y0, x1, y1;
    int winding;
};

// Coordinates within this bound (28.4) keep every product of the crossing formula inside 63 bits. The paths
// GDI makes stay far within it; larger ones are first cut to a box just around the visible area.
constexpr int64_t kExactBound = int64_t{1} << 29;

// Sutherland-Hodgman against one side of a box: keeps the part of the polygon where inside(p) holds, with the
// boundary crossings computed in floating point. The points a crossing moves lie outside the visible area, so
// a rounding there cannot change a visible pixel; the winding number of every point inside the box is kept.
template <typename Inside, typename Cross>
std::vector<Point64> ClipSide(const std::vector<Point64>& in, Inside inside, Cross cross)
{
    std::vector<Point64> out;
    for (size_t i = 0; i < in.size(); ++i) {
        const Point64& a = in[i];
        const Point64& b = in[(i + 1) % in.size()];
        const bool inA = inside(a);
        const bool inB = inside(b);
        if (inA)
            out.push_back(a);
        if (inA != inB)
            out.push_back(cross(a, b));
    }
    return out;
}

Point64 CrossAtX(const Point64& a, const Point64& b, int64_t x)
{
    const double t = static_cast<double>(x - a.x) / static_cast<double>(b.x - a.x);
    return {x, a.y + static_cast<int64_t>(std::llround(t * static_cast<double>(b.y - a.y)))};
}

Point64 CrossAtY(const Point64& a, const Point64& b, int64_t y)
{
    const double t = static_cast<double>(y - a.y) / static_cast<double>(b.y - a.y);
    return {a.x + static_cast<int64_t>(std::llround(t * static_cast<double>(b.x - a.x))), y};
}

std::vector<Point64> ClipToBox(std::vector<Point64> polygon, int64_t left, int64_t top, int64_t right,
                               int64_t bottom)
{
    polygon = ClipSide(polygon, [&](const Point64& p) { return p.x >= left; },
                       [&](const Point64& a, const Point64& b) { return CrossAtX(a, b, left); });
    polygon = ClipSide(polygon, [&](const Point64& p) { return p.x <= right; },
                       [&](const Point64& a, const Point64& b) { return CrossAtX(a, b, right); });
    polygon = ClipSide(polygon, [&](const Point64& p) { return p.y >= top; },
                       [&](const Point64& a, const Point64& b) { return CrossAtY(a, b, top); });
    return ClipSide(polygon, [&](const Point64& p) { return p.y <= bottom; },
                    [&](const Point64& a, const Point64& b) { return CrossAtY(a, b, bottom); });
}

// Floor and ceiling of n / d for d > 0.
int64_t FloorDiv(int64_t n, int64_t d)
{
    return n >= 0 ? n / d : -((-n + d - 1) / d);
}

int64_t CeilDiv(int64_t n, int64_t d)
{
    return -FloorDiv(-n, d);
}

std::vector<Edge> BuildEdges(const std::vector<Figure>& figures, const RECTL& area)
{
    // The box: the visible area's pixel centres with a pixel to spare on every side.
    const int64_t boxLeft = (static_cast<int64_t>(area.left) - 1) * 16;
    const int64_t boxTop = (static_cast<int64_t>(area.top) - 1) * 16;
    const int64_t boxRight = static_cast<int64_t>(area.right) * 16;
    const int64_t boxBottom = static_cast<int64_t>(area.bottom) * 16;
    std::vector<Edge> edges;
    for (const Figure& figure : figures) {
        if (figure.points.size() < 2)
            continue;
        std::vector<Point64> polygon;
        bool large = false;
        for (const POINTFIX& p : figure.points) {
            polygon.push_back({p.x, p.y});
            large = large || std::abs(static_cast<int64_t>(p.x)) > kExactBound ||
                    std::abs(static_cast<int64_t>(p.y)) > kExactBound;
        }
        if (large)
            polygon = ClipToBox(std::move(polygon), boxLeft, boxTop, boxRight, boxBottom);
        for (size_t i = 0; i < polygon.size(); ++i) {
            const Point64& a = polygon[i];
            const Point64& b = polygon[(i + 1) % polygon.size()];
            if (a.y == b.y)
                continue;   // a horizontal edge crosses no row's centre line
            if (a.y < b.y)
                edges.push_back({a.x, a.y, b.x, b.y, 1});
            else
                edges.push_back({b.x, b.y, a.x, a.y, -1});
        }
    }
    return edges;
}

// Pixels beyond 2^26 in any direction are never filled: no surface reaches them, and below that bound the
// crossing formula cannot overflow.
constexpr LONG kFillLimit = 1L << 26;
constexpr RECTL kFillableArea = {-kFillLimit, -kFillLimit, kFillLimit, kFillLimit};

struct Crossing {
    int64_t pixel;   // the first pixel whose centre lies right of (or on) the crossing
    int winding;
};

// An edge crossing the rows' centre lines, followed from row to row without a division: at the row whose centre
// line is Y, x = x0 + (Y - y0) * (x1 - x0) / dy, and the first pixel centre at or right of it is
// ceil(n / d) with n = x0 * dy + (Y - y0) * (x1 - x0) and d = 16 * dy. The quotient and remainder of n / d are
// kept exactly and stepped by those of the change of n from one row to the next, 16 * (x1 - x0).
struct ActiveEdge {
    int64_t quotient, remainder;   // floor(n / d) and n - quotient * d, for the current row
    int64_t stepQuotient, stepRemainder;
    int64_t divisor;
    int64_t y1;                    // the edge ends before the row whose centre line reaches this
    int winding;

    int64_t Pixel() const { return quotient + (remainder != 0 ? 1 : 0); }

    void Step()
    {
        quotient += stepQuotient;
        remainder += stepRemainder;
        if (remainder >= divisor) {
            ++quotient;
            remainder -= divisor;
        }
    }
};

ActiveEdge StartEdge(const Edge& e, int64_t Y)
{
    ActiveEdge a;
    const int64_t dy = e.y1 - e.y0;
    a.divisor = 16 * dy;
    const int64_t numerator = e.x0 * dy + (Y - e.y0) * (e.x1 - e.x0);
    a.quotient = FloorDiv(numerator, a.divisor);
    a.remainder = numerator - a.quotient * a.divisor;
    const int64_t step = 16 * (e.x1 - e.x0);
    a.stepQuotient = FloorDiv(step, a.divisor);
    a.stepRemainder = step - a.stepQuotient * a.divisor;
    a.y1 = e.y1;
    a.winding = e.winding;
    return a;
}

} // namespace

void FillFigures(const std::vector<Figure>& figures, FillRule rule, const std::vector<RECTL>& allVisible,
                 const std::function<void(LONG y, LONG left, LONG right)>& span)
{
    std::vector<RECTL> visible;
    for (const RECTL& r : allVisible)
        if (const RECTL part = IntersectRects(r, kFillableArea); !IsEmptyRect(part))
            visible.push_back(part);
    const RECTL area = RegionBounds(visible);
    if (IsEmptyRect(area))
        return;
    // Edges by the first row whose centre line they reach (the top end counts, the bottom end belongs to the
    // next edge), so that each row looks only at the edges it crosses.
    std::vector<Edge> edges = BuildEdges(figures, area);
    const auto firstRow = [](const Edge& e) { return CeilDiv(e.y0, 16); };
    std::sort(edges.begin(), edges.end(), [&](const Edge& a, const Edge& b) { return firstRow(a) < firstRow(b); });
    std::vector<ActiveEdge> active;
    std::vector<Crossing> crossings;
    size_t next = 0;
    for (int64_t y = area.top; y < area.bottom; ++y) {
        const int64_t Y = y * 16;
        // Edges that end before this row go; those that start by it come in.
        active.erase(std::remove_if(active.begin(), active.end(), [&](const ActiveEdge& a) { return Y >= a.y1; }),
                     active.end());
        for (; next < edges.size() && firstRow(edges[next]) <= y; ++next)
            if (Y < edges[next].y1)
                active.push_back(StartEdge(edges[next], Y));
        if (active.empty()) {
            if (next == edges.size())
                break;
            y = std::max(y, firstRow(edges[next]) - 1);   // no edge until then: nothing to fill
            continue;
        }
        crossings.clear();
        for (ActiveEdge& a : active) {
            crossings.push_back({a.Pixel(), a.winding});
            a.Step();
        }
        if (crossings.size() < 2)
            continue;
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.pixel < b.pixel; });
        int winding = 0;
        for (size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += rule == FillRule::Winding ? crossings[i].winding : 1;
            const bool inside = rule == FillRule::Winding ? winding != 0 : (winding & 1) != 0;
            if (!inside || crossings[i].pixel >= crossings[i + 1].pixel)
                continue;
            for (const RECTL& r : visible) {
                if (y < r.top || y >= r.bottom)
                    continue;
                const int64_t left = std::max<int64_t>(crossings[i].pixel, r.left);
                const int64_t right = std::min<int64_t>(crossings[i + 1].pixel, r.right);
                if (left < right)
                    span(static_cast<LONG>(y), static_cast<LONG>(left), static_cast<LONG>(right));
            }
        }
    }
}

} // namespace platform::engine
