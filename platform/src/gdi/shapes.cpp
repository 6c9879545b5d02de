// shapes.cpp - Polygon, PolyPolygon, Rectangle, Ellipse, RoundRect, Chord and Pie: closed figures filled with the brush
// (by the DC's fill mode) and outlined with the pen, or added to the path being recorded.
#include "gdi/path_builder.h"

#include <cstdint>

namespace platform {
namespace {

// PolyPolygon's figures hold no more points than this in all.
constexpr int64_t kMaxPolyPolygonPoints = int64_t{1} << 24;

BOOL Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

bool AddPolygon(const DcAttributes& attrs, const POINT* apt, int count, PathPoints& figures)
{
    for (int i = 0; i < count; ++i)
        if (!figures.Add(attrs, apt[i], i == 0 ? PT_MOVETO : PT_LINETO))
            return false;
    figures.Close();
    return true;
}

template <typename MakeFigure>
BOOL DrawShape(HDC hdc, MakeFigure makeFigure)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    PathPoints figure;
    if (!makeFigure(*dc, figure))
        return FALSE;
    return EmitFigures(*dc, figure, FigureUse::Shape, /*continues=*/false);
}

} // namespace
} // namespace platform

using platform::DeviceContext;
using platform::PathPoints;

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt)
{
    if (apt == nullptr || cpt < 2)
        return platform::Refuse();
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figure) {
        return platform::AddPolygon(dc.attrs, apt, cpt, figure);
    });
}

BOOL WINAPI PolyPolygon(HDC hdc, const POINT* apt, const INT* asz, int csz)
{
    if (apt == nullptr || asz == nullptr || csz <= 0)
        return platform::Refuse();
    int64_t total = 0;
    for (int i = 0; i < csz; ++i) {
        if (asz[i] < 2)
            return platform::Refuse();
        total += asz[i];
    }
    if (total > platform::kMaxPolyPolygonPoints)
        return platform::Refuse();
    // All polygons are one fill, so that the fill mode decides where they overlap.
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figures) {
        const POINT* next = apt;
        for (int i = 0; i < csz; next += asz[i], ++i)
            if (!platform::AddPolygon(dc.attrs, next, asz[i], figures))
                return false;
        return true;
    });
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figure) {
        return platform::RectangleFigure(dc, left, top, right, bottom, figure);
    });
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figure) {
        return platform::EllipseFigure(dc, left, top, right, bottom, figure);
    });
}

BOOL WINAPI Chord(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figure) {
        return platform::ArcFigure(dc, x1, y1, x2, y2, x3, y3, x4, y4, platform::ArcShape::Chord, figure);
    });
}

BOOL WINAPI Pie(HDC hdc, int left, int top, int right, int bottom, int xr1, int yr1, int xr2, int yr2)
{
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figure) {
        return platform::ArcFigure(dc, left, top, right, bottom, xr1, yr1, xr2, yr2, platform::ArcShape::Pie, figure);
    });
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height)
{
    return platform::DrawShape(hdc, [&](DeviceContext& dc, PathPoints& figure) {
        return platform::RoundRectFigure(dc, left, top, right, bottom, width, height, figure);
    });
}
