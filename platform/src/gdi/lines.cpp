// lines.cpp - LineTo, Polyline, PolylineTo, PolyBezier, PolyBezierTo and Arc: figures stroked with the pen, or
// added to the path being recorded.
#include "gdi/path_builder.h"

namespace platform {
namespace {

BOOL Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// The figure of points after a first one: lines, or Bézier curves in threes.
bool AddRun(const DcAttributes& attrs, const POINT* apt, size_t count, BYTE type, PathPoints& figure)
{
    for (size_t i = 0; i < count; ++i)
        if (!figure.Add(attrs, apt[i], type))
            return false;
    return true;
}

// Lines or curves from a first point: the current position for the ...To calls (which then move it to their
// last point), the first of the points otherwise.
BOOL DrawRun(HDC hdc, const POINT* apt, size_t count, BYTE type, bool fromCurrent)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    PathPoints figure;
    const POINT first = fromCurrent ? dc->attrs.position : apt[0];
    const POINT* rest = fromCurrent ? apt : apt + 1;
    const size_t restCount = fromCurrent ? count : count - 1;
    if (!figure.Add(dc->attrs, first, PT_MOVETO) || !AddRun(dc->attrs, rest, restCount, type, figure))
        return FALSE;
    if (!EmitFigures(*dc, figure, FigureUse::Line, fromCurrent))
        return FALSE;
    if (fromCurrent)
        dc->attrs.position = apt[count - 1];
    return TRUE;
}

} // namespace
} // namespace platform

BOOL WINAPI LineTo(HDC hdc, int x, int y)
{
    const POINT to = {x, y};
    return platform::DrawRun(hdc, &to, 1, PT_LINETO, /*fromCurrent=*/true);
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt)
{
    if (apt == nullptr || cpt < 2)
        return platform::Refuse();
    return platform::DrawRun(hdc, apt, static_cast<size_t>(cpt), PT_LINETO, /*fromCurrent=*/false);
}

BOOL WINAPI PolylineTo(HDC hdc, const POINT* apt, DWORD cpt)
{
    if (apt == nullptr || cpt == 0)
        return platform::Refuse();
    return platform::DrawRun(hdc, apt, cpt, PT_LINETO, /*fromCurrent=*/true);
}

BOOL WINAPI PolyBezier(HDC hdc, const POINT* apt, DWORD cpt)
{
    // A start point and three points (two control points and an end) per curve.
    if (apt == nullptr || cpt < 4 || (cpt - 1) % 3 != 0)
        return platform::Refuse();
    return platform::DrawRun(hdc, apt, cpt, PT_BEZIERTO, /*fromCurrent=*/false);
}

BOOL WINAPI PolyBezierTo(HDC hdc, const POINT* apt, DWORD cpt)
{
    if (apt == nullptr || cpt < 3 || cpt % 3 != 0)
        return platform::Refuse();
    return platform::DrawRun(hdc, apt, cpt, PT_BEZIERTO, /*fromCurrent=*/true);
}

BOOL WINAPI Arc(HDC hdc, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    platform::PathPoints figure;
    if (!platform::ArcFigure(*dc, x1, y1, x2, y2, x3, y3, x4, y4, platform::ArcShape::Arc, figure))
        return FALSE;
    return platform::EmitFigures(*dc, figure, platform::FigureUse::Line, /*continues=*/false);
}
