// flatten.cpp - Bézier flattening by halving the curve until each half is flat.
#include "host/engine/flatten.h"

#include <cmath>

namespace platform::engine {
namespace {

struct PointD {
    double x, y;
};

PointD Mid(const PointD& a, const PointD& b)
{
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// The farther of the two control points' distances from the chord p0-p3 (from p0 when the chord is a point).
double Deviation(const PointD& p0, const PointD& c1, const PointD& c2, const PointD& p3)
{
    const double dx = p3.x - p0.x, dy = p3.y - p0.y;
    const double length = std::hypot(dx, dy);
    const auto distance = [&](const PointD& c) {
        if (length == 0)
            return std::hypot(c.x - p0.x, c.y - p0.y);
        return std::fabs((c.x - p0.x) * dy - (c.y - p0.y) * dx) / length;
    };
    return std::fmax(distance(c1), distance(c2));
}

// A curve is flat enough when its control points lie within a sixteenth of a pixel (one 28.4 unit) of its
// chord. Twelve halvings (4096 lines) bound the work for a curve of any size; the curves GDI makes, whose
// points lie within 2^26 pixels, are then still followed to within a few pixels.
constexpr double kFlatness = 1.0;
constexpr int kMaxDepth = 12;

void Subdivide(const PointD& p0, const PointD& c1, const PointD& c2, const PointD& p3, int depth,
               std::vector<POINTFIX>& out)
{
    if (depth >= kMaxDepth || Deviation(p0, c1, c2, p3) <= kFlatness) {
        out.push_back({static_cast<FIX>(std::lround(p3.x)), static_cast<FIX>(std::lround(p3.y))});
        return;
    }
    const PointD a = Mid(p0, c1), b = Mid(c1, c2), c = Mid(c2, p3);
    const PointD ab = Mid(a, b), bc = Mid(b, c);
    const PointD middle = Mid(ab, bc);
    Subdivide(p0, a, ab, middle, depth + 1, out);
    Subdivide(middle, bc, c, p3, depth + 1, out);
}

PointD ToPointD(const POINTFIX& p)
{
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

} // namespace

void FlattenBezier(const POINTFIX& p0, const POINTFIX& c1, const POINTFIX& c2, const POINTFIX& p3,
                   std::vector<POINTFIX>& out)
{
    Subdivide(ToPointD(p0), ToPointD(c1), ToPointD(c2), ToPointD(p3), 0, out);
    out.back() = p3;   // the end point exactly, whatever the rounding of the halves
}

std::vector<Figure> FlattenPath(const PathObject& path)
{
    std::vector<Figure> figures;
    for (const PathObject::Record& record : path.Records()) {
        size_t first = 0;
        if ((record.flags & PD_BEGINSUBPATH) || figures.empty()) {
            figures.push_back({});
            if (!record.points.empty())
                figures.back().points.push_back(record.points.front());
            first = 1;
        }
        std::vector<POINTFIX>& points = figures.back().points;
        const std::vector<POINTFIX>& in = record.points;
        size_t i = first;
        if (record.flags & PD_BEZIERS) {
            for (; i + 3 <= in.size() && !points.empty(); i += 3)
                FlattenBezier(points.back(), in[i], in[i + 1], in[i + 2], points);
        }
        for (; i < in.size(); ++i)   // lines, and any points a curve record leaves over
            points.push_back(in[i]);
        if (record.flags & PD_CLOSEFIGURE)
            figures.back().closed = true;
    }
    return figures;
}

std::unique_ptr<PathObject> PathOfFigures(const std::vector<Figure>& figures)
{
    std::vector<POINTFIX> points;
    std::vector<BYTE> types;
    for (const Figure& figure : figures) {
        for (size_t i = 0; i < figure.points.size(); ++i) {
            points.push_back(figure.points[i]);
            types.push_back(i == 0 ? PT_MOVETO : PT_LINETO);
        }
        if (figure.closed && !types.empty() && !figure.points.empty())
            types.back() |= PT_CLOSEFIGURE;
    }
    return PathObject::FromPoints(points.data(), types.data(), static_cast<ULONG>(points.size()));
}

bool HasBeziers(const PathObject& path)
{
    for (const PathObject::Record& record : path.Records())
        if (record.flags & PD_BEZIERS)
            return true;
    return false;
}

} // namespace platform::engine
