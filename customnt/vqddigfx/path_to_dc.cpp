// path_to_dc.cpp - a path object drawn into a memory device context.
#include "customnt/vqddigfx/path_to_dc.h"

#include <vector>

namespace {

POINT ScalePoint(const POINTFIX& point, const POINTFIX& origin, LONG scale)
{
    return POINT{ScalePathCoordinate(point.x, origin.x, scale), ScalePathCoordinate(point.y, origin.y, scale)};
}

// The whole bitmap selected into the DC, filled black.
BOOL FillBitmapBlack(HDC hdc)
{
    BITMAP bm = {};
    const HGDIOBJ hbm = GetCurrentObject(hdc, OBJ_BITMAP);
    if (hbm == nullptr || GetObjectW(hbm, sizeof bm, &bm) == 0)
        return FALSE;
    return PatBlt(hdc, 0, 0, bm.bmWidth, bm.bmHeight, BLACKNESS);
}

// The records of the path as GDI path calls; FALSE for a Bezier record of a wrong point count.
BOOL AddRecords(HDC hdc, PATHOBJ* ppo, LONG scale, const POINTFIX& origin)
{
    PATHOBJ_vEnumStart(ppo);
    PATHDATA pd;
    BOOL more = TRUE;
    std::vector<POINT> points;
    while (more) {
        more = PATHOBJ_bEnum(ppo, &pd);
        ULONG first = 0;
        if ((pd.flags & PD_BEGINSUBPATH) != 0 && pd.count > 0) {
            const POINT start = ScalePoint(pd.pptfx[0], origin, scale);
            if (!MoveToEx(hdc, start.x, start.y, nullptr))
                return FALSE;
            first = 1;
        }
        points.clear();
        for (ULONG i = first; i < pd.count; ++i)
            points.push_back(ScalePoint(pd.pptfx[i], origin, scale));
        if ((pd.flags & PD_BEZIERS) != 0) {
            if (points.size() % 3 != 0)
                return FALSE;
            if (!points.empty() && !PolyBezierTo(hdc, points.data(), static_cast<DWORD>(points.size())))
                return FALSE;
        } else if (!points.empty() && !PolylineTo(hdc, points.data(), static_cast<DWORD>(points.size()))) {
            return FALSE;
        }
        if ((pd.flags & PD_CLOSEFIGURE) != 0 && !CloseFigure(hdc))
            return FALSE;
    }
    return TRUE;
}

} // namespace

LONG ScalePathCoordinate(FIX value, FIX origin, LONG scale)
{
    const double real = static_cast<double>(value - origin) / 16.0 * scale * 0.0001;
    const LONG whole = static_cast<LONG>(real);
    double rest = real - whole;
    LONG fixed = whole * 16;
    for (LONG bit = 8; bit >= 1; bit /= 2) {
        const double weight = bit / 16.0;
        if (rest > weight) {
            fixed += bit;
            rest -= weight;
        }
    }
    return fixed >> 4;
}

BOOL DrawPathToDC(HDC hdc, PATHOBJ* ppo, LONG scale, POINTFIX origin)
{
    if (hdc == nullptr || ppo == nullptr || !FillBitmapBlack(hdc))
        return FALSE;
    const HGDIOBJ oldPen = SelectObject(hdc, GetStockObject(WHITE_PEN));
    const HGDIOBJ oldBrush = SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    const int oldMode = SetPolyFillMode(hdc, WINDING);
    BOOL drawn = BeginPath(hdc) && AddRecords(hdc, ppo, scale, origin) && EndPath(hdc) && StrokeAndFillPath(hdc);
    if (!drawn)
        EndPath(hdc);   // an unfinished path is not left open in the DC
    SetPolyFillMode(hdc, oldMode);
    SelectObject(hdc, oldPen);
    SelectObject(hdc, oldBrush);
    return drawn;
}
