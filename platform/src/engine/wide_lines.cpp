// wide_lines.cpp - widening polylines into polygons: line bodies, joins, caps and dashes.
#include "engine/wide_lines.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numeric>

namespace platform::engine {
namespace {

struct Vec {
    double x, y;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double Length(Vec a) { return std::hypot(a.x, a.y); }

// A polyline in pixels: the figure's points without repeats.
struct Polyline {
    std::vector<Vec> points;
    bool closed = false;
};

constexpr double kPi = 3.14159265358979323846;
constexpr double kMaxDashSteps = 1 << 20;

Polyline ToPolyline(const Figure& figure)
{
    Polyline line;
    line.closed = figure.closed;
    for (const POINTFIX& p : figure.points)
        line.points.push_back({p.x / 16.0, p.y / 16.0});
    return line;
}

// The polyline without a point that repeats the one before it; a closed one of fewer than three points is an
// open line there and back.
Polyline WithoutRepeats(const Polyline& given)
{
    Polyline line;
    line.closed = given.closed;
    for (const Vec& v : given.points)
        if (line.points.empty() || v.x != line.points.back().x || v.y != line.points.back().y)
            line.points.push_back(v);
    if (line.closed && line.points.size() > 1 && line.points.front().x == line.points.back().x &&
        line.points.front().y == line.points.back().y)
        line.points.pop_back();
    if (line.points.size() < 3)
        line.closed = false;   // a closed figure of two points is a line there and back
    return line;
}

class Outline {
public:
    explicit Outline(const WideStyle& style) : m_style(style), m_half(style.width / 2) {}

    void AddPolyline(const Polyline& given)
    {
        const Polyline line = WithoutRepeats(given);
        const size_t n = line.points.size();
        if (n == 1) {
            AddDot(line.points[0]);
            return;
        }
        const size_t segments = line.closed ? n : n - 1;
        for (size_t i = 0; i < segments; ++i) {
            Vec a = line.points[i];
            Vec b = line.points[(i + 1) % n];
            const Vec d = Unit(b - a);
            if (!line.closed && m_style.endCap == ENDCAP_SQUARE) {
                if (i == 0)
                    a = a - d * m_half;
                if (i + 1 == segments)
                    b = b + d * m_half;
            }
            const Vec normal = {-d.y, d.x};
            AddPiece({a + normal * m_half, b + normal * m_half, b - normal * m_half, a - normal * m_half});
        }
        const size_t firstJoin = line.closed ? 0 : 1;
        const size_t lastJoin = line.closed ? n : n - 1;
        for (size_t i = firstJoin; i < lastJoin; ++i)
            AddJoin(line.points[(i + n - 1) % n], line.points[i], line.points[(i + 1) % n]);
        if (!line.closed && m_style.endCap == ENDCAP_ROUND) {
            AddCircle(line.points.front());
            AddCircle(line.points.back());
        }
    }

    std::vector<Figure> Take() { return std::move(m_pieces); }

private:
    static Vec Unit(Vec v)
    {
        const double length = Length(v);
        return length == 0 ? Vec{1, 0} : v * (1 / length);
    }

    // A line of no length: a round cap leaves a dot, a square cap a square, a flat cap nothing.
    void AddDot(Vec p)
    {
        if (m_style.endCap == ENDCAP_ROUND)
            AddCircle(p);
        else if (m_style.endCap == ENDCAP_SQUARE)
            AddPiece({{p.x - m_half, p.y - m_half}, {p.x + m_half, p.y - m_half}, {p.x + m_half, p.y + m_half},
                      {p.x - m_half, p.y + m_half}});
    }

    void AddJoin(Vec before, Vec at, Vec after)
    {
        const Vec d1 = Unit(at - before), d2 = Unit(after - at);
        const double turn = Cross(d1, d2);
        if (std::fabs(turn) < 1e-12 && Dot(d1, d2) > 0)
            return;   // straight on: the two bodies meet flush
        if (m_style.join == JOIN_ROUND) {
            AddCircle(at);
            return;
        }
        // The outer side is the one the line turns away from.
        const double side = turn > 0 ? -1 : 1;
        const Vec n1 = Vec{-d1.y, d1.x} * side, n2 = Vec{-d2.y, d2.x} * side;
        const Vec a = at + n1 * m_half, b = at + n2 * m_half;
        // The miter's length over the pen's width is 1 / sin(half the angle between the lines).
        const double halfAngleSine = std::sqrt(std::max(0.0, (1 + Dot(d1, d2)) / 2));
        const double cosBetween = Dot(n1, n2);
        if (m_style.join == JOIN_MITER && halfAngleSine > 0 && 1 / halfAngleSine <= m_style.miterLimit &&
            cosBetween > -1) {
            const Vec tip = at + (n1 + n2) * (m_half / (1 + cosBetween));
            AddPiece({at, a, tip, b});
            return;
        }
        AddPiece({at, a, b});
    }

    void AddCircle(Vec c)
    {
        // One pen makes every round join and cap of the outline: its corners are worked out once.
        if (m_circle.empty()) {
            // Enough corners that no chord strays a tenth of a pixel from the circle.
            const double r = m_half;
            int corners = 8;
            if (r > 0.1)
                corners = std::clamp(static_cast<int>(std::ceil(kPi / std::acos(1 - 0.1 / r))), 8, 256);
            for (int i = 0; i < corners; ++i) {
                const double angle = 2 * kPi * i / corners;
                m_circle.push_back({r * std::cos(angle), r * std::sin(angle)});
            }
        }
        m_corners.clear();   // kept between circles: an outline has a round join at every corner of a curve
        for (const Vec& corner : m_circle)
            m_corners.push_back({c.x + corner.x, c.y + corner.y});
        AddPiece(m_corners.data(), m_corners.size());
    }

    void AddPiece(std::initializer_list<Vec> points) { AddPiece(points.begin(), points.size()); }

    // Every piece is wound the same way (positive area), so where pieces overlap their windings add up.
    void AddPiece(const Vec* points, size_t count)
    {
        double area = 0;
        for (size_t i = 0; i < count; ++i)
            area += Cross(points[i], points[(i + 1) % count]);
        Figure figure;
        figure.closed = true;
        figure.points.reserve(count);
        const auto fixed = [](const Vec& p) {
            return POINTFIX{static_cast<FIX>(std::lround(p.x * 16)), static_cast<FIX>(std::lround(p.y * 16))};
        };
        if (area < 0)
            for (size_t i = count; i-- > 0;)
                figure.points.push_back(fixed(points[i]));
        else
            for (size_t i = 0; i < count; ++i)
                figure.points.push_back(fixed(points[i]));
        m_pieces.push_back(std::move(figure));
    }

    const WideStyle& m_style;
    const double m_half;
    std::vector<Vec> m_circle;   // the pen's corners around its centre, made at the first round join or cap
    std::vector<Vec> m_corners;  // a circle's corners where it stands
    std::vector<Figure> m_pieces;
};

// The dashes of a polyline: open polylines along it where the style is on. The pattern runs on across the
// polyline's corners and starts afresh with each figure.
std::vector<Polyline> Dashes(const Polyline& line, const WideStyle& style)
{
    const double pattern = std::accumulate(style.dashes.begin(), style.dashes.end(), 0.0);
    const size_t n = line.points.size();
    const size_t segments = line.closed ? n : n - 1;
    double total = 0;
    for (size_t i = 0; i < segments; ++i)
        total += Length(line.points[(i + 1) % n] - line.points[i]);
    // A pattern shorter than a quarter pixel, or one that would cut the line into more dashes than any page
    // shows, is drawn solid: the loop below makes one step per dash and gap.
    if (n < 2 || pattern < 0.25 || total / pattern * style.dashes.size() > kMaxDashSteps)
        return {line};
    std::vector<Polyline> out;
    size_t entry = 0;
    double left = style.dashes[0];
    bool on = !style.startGap;
    Polyline current;
    for (size_t i = 0; i < segments; ++i) {
        Vec a = line.points[i];
        const Vec b = line.points[(i + 1) % n];
        double length = Length(b - a);
        const Vec d = length == 0 ? Vec{0, 0} : (b - a) * (1 / length);
        if (on && current.points.empty())
            current.points.push_back(a);
        while (length > left) {
            a = a + d * left;
            length -= left;
            if (on) {
                current.points.push_back(a);
                out.push_back(std::move(current));
                current = {};
            } else {
                current.points = {a};
            }
            on = !on;
            entry = (entry + 1) % style.dashes.size();
            left = style.dashes[entry];
        }
        left -= length;
        if (on)
            current.points.push_back(b);
    }
    if (on && current.points.size() > 1)
        out.push_back(std::move(current));
    return out;
}

} // namespace

WideStyle WideStyleOf(const LINEATTRS& la, double scale)
{
    WideStyle style;
    style.width = std::fabs(static_cast<double>(la.elWidth.e)) * scale;
    style.join = la.iJoin;
    style.endCap = la.iEndCap;
    style.miterLimit = la.eMiterLimit;
    style.startGap = (la.fl & LA_STARTGAP) != 0;
    if (la.pstyle != nullptr)   // a null style array is a solid line
        for (ULONG i = 0; i < la.cstyle; ++i)
            style.dashes.push_back(std::fabs(static_cast<double>(la.pstyle[i].e)) * scale);
    return style;
}

std::vector<Figure> WidenFigures(const std::vector<Figure>& figures, const WideStyle& style)
{
    Outline outline(style);
    for (const Figure& figure : figures) {
        const Polyline line = ToPolyline(figure);
        if (line.points.empty())
            continue;
        if (style.dashes.empty()) {
            outline.AddPolyline(line);
            continue;
        }
        for (const Polyline& dash : Dashes(line, style))
            outline.AddPolyline(dash);
    }
    return outline.Take();
}

} // namespace platform::engine
