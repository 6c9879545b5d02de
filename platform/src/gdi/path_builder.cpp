// path_builder.cpp - figures of lines and shapes, and their way into a path or onto the device.
#include "gdi/path_builder.h"
#include "gdi/drawing.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// A cubic Bézier curve's control points this far along the tangents (times the radius) make a quarter of an
// ellipse: 4/3 (sqrt(2) - 1).
constexpr double kQuarterArc = 0.5522847498307936;

// The corners of a shape in 28.4 device coordinates: the logical rectangle ordered, its right and bottom
// edges one pixel in, where a one-pixel outline lies on the last pixels inside. A geometric pen drawn inside
// the frame instead has its figure half its width inside the rectangle's edges, so that all of the wide
// outline lies on the pixels of the rectangle.
struct Frame {
    double left, top, right, bottom;
};

bool FrameOf(const DeviceContext& dc, int left, int top, int right, int bottom, Frame& frame)
{
    POINTL a, b;
    if (!ToDevice(dc.attrs, std::min(left, right), std::min(top, bottom), a) ||
        !ToDevice(dc.attrs, std::max(left, right), std::max(top, bottom), b))
        return false;
    const auto* pen = static_cast<const GdiPen*>(dc.attrs.pen.object.get());
    if (pen->Kind() == PS_INSIDEFRAME && pen->geometric && pen->width > 1) {
        frame = {a.x * 16.0, a.y * 16.0, b.x * 16.0, b.y * 16.0};
        const double inset =
            std::min({pen->width * 8.0, (frame.right - frame.left) / 2, (frame.bottom - frame.top) / 2});
        frame = {frame.left + inset, frame.top + inset, frame.right - inset, frame.bottom - inset};
        return true;
    }
    frame = {a.x * 16.0, a.y * 16.0, std::max(a.x, b.x - 1) * 16.0, std::max(a.y, b.y - 1) * 16.0};
    return true;
}

// Adds a quarter arc from the last point to (x, y), bulging towards the corner (cornerX, cornerY).
void AddQuarter(PathPoints& out, double cornerX, double cornerY, double x, double y)
{
    const double fromX = out.points.back().x, fromY = out.points.back().y;
    out.Add(fromX + (cornerX - fromX) * kQuarterArc, fromY + (cornerY - fromY) * kQuarterArc, PT_BEZIERTO);
    out.Add(x + (cornerX - x) * kQuarterArc, y + (cornerY - y) * kQuarterArc, PT_BEZIERTO);
    out.Add(x, y, PT_BEZIERTO);
}

// The figure of a rectangle with corners rounded by ellipses of rx by ry (28.4), clockwise on the page from
// the top edge; plain corners when either is zero.
void RoundedFrame(const Frame& f, double rx, double ry, PathPoints& out)
{
    if (rx <= 0 || ry <= 0) {
        out.Add(f.left, f.top, PT_MOVETO);
        out.Add(f.right, f.top, PT_LINETO);
        out.Add(f.right, f.bottom, PT_LINETO);
        out.Add(f.left, f.bottom, PT_LINETO);
        out.Close();
        return;
    }
    out.Add(f.left + rx, f.top, PT_MOVETO);
    out.Add(f.right - rx, f.top, PT_LINETO);
    AddQuarter(out, f.right, f.top, f.right, f.top + ry);
    out.Add(f.right, f.bottom - ry, PT_LINETO);
    AddQuarter(out, f.right, f.bottom, f.right - rx, f.bottom);
    out.Add(f.left + rx, f.bottom, PT_LINETO);
    AddQuarter(out, f.left, f.bottom, f.left, f.bottom - ry);
    out.Add(f.left, f.top + ry, PT_LINETO);
    AddQuarter(out, f.left, f.top, f.left + rx, f.top);
    out.Close();
}

// A point of the ellipse of centre (cx, cy) and radii rx, ry at parameter t, counter-clockwise on the page
// (device y grows downwards).
struct Ellipse28 {
    double cx, cy, rx, ry;
    double X(double t) const { return cx + rx * std::cos(t); }
    double Y(double t) const { return cy - ry * std::sin(t); }
};

// The parameter where the radial from the centre towards the device point (x, y) crosses the ellipse.
double CrossingOf(const Ellipse28& e, double x, double y)
{
    return std::atan2(e.rx * -(y - e.cy), e.ry * (x - e.cx));
}

} // namespace

bool PathPoints::Add(const DcAttributes& attrs, const POINT& logical, BYTE type)
{
    POINTL device;
    if (!ToDevice(attrs, logical.x, logical.y, device))
        return false;
    points.push_back({device.x * 16, device.y * 16});
    types.push_back(type);
    return true;
}

void PathPoints::Add(double x, double y, BYTE type)
{
    points.push_back({static_cast<FIX>(std::lround(x)), static_cast<FIX>(std::lround(y))});
    types.push_back(type);
}

void PathPoints::Close()
{
    if (!types.empty())
        types.back() |= PT_CLOSEFIGURE;
}

BOOL EmitFigures(DeviceContext& dc, const PathPoints& figures, FigureUse use, bool continues)
{
    PathRecord& record = dc.attrs.path;
    if (record.stage == PathRecord::Stage::Open) {
        // A call that starts at the current position carries on the figure a line call left open there.
        const size_t first = continues && record.figureOpen ? 1 : 0;
        record.points.insert(record.points.end(), figures.points.begin() + first, figures.points.end());
        record.types.insert(record.types.end(), figures.types.begin() + first, figures.types.end());
        record.figureOpen = continues;
        return TRUE;
    }
    PathDrawing path;
    path.points = figures.points;
    path.types = figures.types;
    path.stroke = true;
    path.fill = use == FigureUse::Shape;
    path.pen = std::static_pointer_cast<const GdiPen>(dc.attrs.pen.object);
    path.brush = static_cast<const GdiBrush&>(*dc.attrs.brush.object).brush;
    return SubmitDrawing(dc, {dc.attrs.draw, std::move(path)});
}

bool RectangleFigure(const DeviceContext& dc, int left, int top, int right, int bottom, PathPoints& out)
{
    Frame frame;
    if (!FrameOf(dc, left, top, right, bottom, frame))
        return false;
    RoundedFrame(frame, 0, 0, out);
    return true;
}

bool EllipseFigure(const DeviceContext& dc, int left, int top, int right, int bottom, PathPoints& out)
{
    Frame f;
    if (!FrameOf(dc, left, top, right, bottom, f))
        return false;
    // Four quarters, clockwise on the page from the rightmost point.
    const double cx = (f.left + f.right) / 2, cy = (f.top + f.bottom) / 2;
    out.Add(f.right, cy, PT_MOVETO);
    AddQuarter(out, f.right, f.bottom, cx, f.bottom);
    AddQuarter(out, f.left, f.bottom, f.left, cy);
    AddQuarter(out, f.left, f.top, cx, f.top);
    AddQuarter(out, f.right, f.top, f.right, cy);
    out.Close();
    return true;
}

bool ArcFigure(const DeviceContext& dc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
               int yEnd, ArcShape shape, PathPoints& out)
{
    Frame f;
    POINTL start, end;
    if (!FrameOf(dc, left, top, right, bottom, f) || !ToDevice(dc.attrs, xStart, yStart, start) ||
        !ToDevice(dc.attrs, xEnd, yEnd, end))
        return false;
    const Ellipse28 e = {(f.left + f.right) / 2, (f.top + f.bottom) / 2, (f.right - f.left) / 2,
                         (f.bottom - f.top) / 2};
    constexpr double kTwoPi = 6.283185307179586;
    const double from = CrossingOf(e, start.x * 16.0, start.y * 16.0);
    double sweep = CrossingOf(e, end.x * 16.0, end.y * 16.0) - from;
    while (sweep <= 1e-9)
        sweep += kTwoPi;   // the same radial twice is the whole ellipse
    const int pieces = static_cast<int>(std::ceil(sweep / (kTwoPi / 4) - 1e-9));
    const double step = sweep / pieces;
    const double handle = 4.0 / 3.0 * std::tan(step / 4);   // a piece's tangents this long make it elliptic
    if (shape == ArcShape::Pie) {
        out.Add(e.cx, e.cy, PT_MOVETO);
        out.Add(e.X(from), e.Y(from), PT_LINETO);
    } else {
        out.Add(e.X(from), e.Y(from), PT_MOVETO);
    }
    for (int i = 0; i < pieces; ++i) {
        const double t0 = from + i * step, t1 = t0 + step;
        out.Add(e.X(t0) - handle * e.rx * std::sin(t0), e.Y(t0) - handle * e.ry * std::cos(t0), PT_BEZIERTO);
        out.Add(e.X(t1) + handle * e.rx * std::sin(t1), e.Y(t1) + handle * e.ry * std::cos(t1), PT_BEZIERTO);
        out.Add(e.X(t1), e.Y(t1), PT_BEZIERTO);
    }
    if (shape != ArcShape::Arc)
        out.Close();
    return true;
}

bool RoundRectFigure(const DeviceContext& dc, int left, int top, int right, int bottom, int width, int height,
                     PathPoints& out)
{
    Frame frame;
    if (!FrameOf(dc, left, top, right, bottom, frame))
        return false;
    // The corner ellipse is width by height logical units, no larger than the rectangle.
    const double rx = std::min(std::abs(static_cast<double>(width)) * 16, frame.right - frame.left) / 2;
    const double ry = std::min(std::abs(static_cast<double>(height)) * 16, frame.bottom - frame.top) / 2;
    RoundedFrame(frame, rx, ry, out);
    return true;
}

} // namespace platform
