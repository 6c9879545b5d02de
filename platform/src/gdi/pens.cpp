// pens.cpp - CreatePen, CreatePenIndirect, ExtCreatePen, and the line attributes of a pen.
#include "gdi/pens.h"
#include "gdi/brushes.h"

#include <algorithm>
#include <iterator>
#include <numeric>

namespace platform {
namespace {

// The dash and gap lengths of the dashed pen styles: in style units for a cosmetic pen, in pen widths for a
// geometric one.
struct DashRow {
    DWORD style;        // PS_SOLID (which has no dashes) ends the table
    DWORD lengths[6];
    UINT count;
};

constexpr DashRow kDashRows[] = {
    {PS_DASH,       {3, 1},             2},
    {PS_DOT,        {1, 1},             2},
    {PS_DASHDOT,    {3, 1, 1, 1},       4},
    {PS_DASHDOTDOT, {3, 1, 1, 1, 1, 1}, 6},
    {PS_SOLID,      {},                 0},
};
static_assert(kDashRows[std::size(kDashRows) - 1].style == PS_SOLID, "terminator must be last");

const DashRow* FindDashRow(DWORD style)
{
    for (const DashRow* row = kDashRows; row->style != PS_SOLID; ++row)
        if (row->style == style)
            return row;
    return nullptr;
}

// A user style has at most this many entries, as GDI allows.
constexpr DWORD kMaxUserStyle = 16;

ULONG JoinOf(DWORD style)
{
    switch (style & PS_JOIN_MASK) {
    case PS_JOIN_BEVEL: return JOIN_BEVEL;
    case PS_JOIN_MITER: return JOIN_MITER;
    default: return JOIN_ROUND;
    }
}

ULONG EndCapOf(DWORD style)
{
    switch (style & PS_ENDCAP_MASK) {
    case PS_ENDCAP_SQUARE: return ENDCAP_SQUARE;
    case PS_ENDCAP_FLAT: return ENDCAP_BUTT;
    default: return ENDCAP_ROUND;
    }
}

HPEN Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

HPEN AddPen(std::shared_ptr<GdiPen> pen)
{
    return reinterpret_cast<HPEN>(AddGdiObject(std::move(pen)));
}

} // namespace

LineAttrs::LineAttrs(const GdiPen& pen)
{
    const DWORD kind = pen.Kind();
    std::vector<DWORD> lengths = pen.userStyle;
    if (const DashRow* row = FindDashRow(kind))
        lengths.assign(row->lengths, row->lengths + row->count);
    if (pen.geometric) {
        const FLOATL width = static_cast<FLOATL>(std::max<DWORD>(pen.width, 1));
        m_la.fl = LA_GEOMETRIC;
        m_la.iJoin = JoinOf(pen.style);
        m_la.iEndCap = EndCapOf(pen.style);
        m_la.elWidth.e = width;
        m_la.eMiterLimit = kMiterLimit;
        const FLOATL unit = kind == PS_USERSTYLE ? 1.0f : width;   // a user style is in logical units already
        for (const DWORD length : lengths) {
            FLOAT_LONG entry;
            entry.e = static_cast<FLOATL>(length) * unit;
            m_style.push_back(entry);
        }
    } else {
        m_la.fl = kind == PS_ALTERNATE ? LA_ALTERNATE : 0;
        m_la.iJoin = JOIN_ROUND;
        m_la.iEndCap = ENDCAP_ROUND;
        m_la.elWidth.l = 1;
        for (const DWORD length : lengths) {
            FLOAT_LONG entry;
            entry.l = static_cast<LONG>(length);
            m_style.push_back(entry);
        }
    }
    if (!m_style.empty()) {
        m_la.fl |= LA_STYLED;
        m_la.cstyle = static_cast<ULONG>(m_style.size());
        m_la.pstyle = m_style.data();
    }
}

} // namespace platform

using platform::GdiPen;

HPEN WINAPI CreatePen(int iStyle, int cWidth, COLORREF color)
{
    // The plain styles only; end caps, joins and the pen types are ExtCreatePen's.
    if (iStyle < PS_SOLID || iStyle > PS_INSIDEFRAME)
        return platform::Refuse();
    auto pen = std::make_shared<GdiPen>();
    pen->style = static_cast<DWORD>(iStyle);
    pen->width = static_cast<DWORD>(cWidth < 0 ? -static_cast<int64_t>(cWidth) : cWidth);
    pen->brush.color = color & 0x00FFFFFF;
    pen->geometric = pen->width > 1;   // wider than a pixel: round joins and end caps
    return platform::AddPen(std::move(pen));
}

HPEN WINAPI CreatePenIndirect(const LOGPEN* plpen)
{
    if (plpen == nullptr)
        return platform::Refuse();
    return CreatePen(static_cast<int>(plpen->lopnStyle), static_cast<int>(plpen->lopnWidth.x), plpen->lopnColor);
}

HPEN WINAPI ExtCreatePen(DWORD iPenStyle, DWORD cWidth, const LOGBRUSH* plbrush, DWORD cStyle, const DWORD* pstyle)
{
    const DWORD kind = iPenStyle & PS_STYLE_MASK;
    const DWORD type = iPenStyle & PS_TYPE_MASK;
    const DWORD cap = iPenStyle & PS_ENDCAP_MASK;
    const DWORD join = iPenStyle & PS_JOIN_MASK;
    const bool geometric = type == PS_GEOMETRIC;
    const DWORD known = PS_STYLE_MASK | PS_ENDCAP_MASK | PS_JOIN_MASK | PS_TYPE_MASK;
    if (plbrush == nullptr || (iPenStyle & ~known) != 0 || (type != PS_COSMETIC && !geometric) ||
        kind > PS_ALTERNATE || (kind == PS_INSIDEFRAME && !geometric) || (kind == PS_ALTERNATE && geometric) ||
        cap > PS_ENDCAP_FLAT || join > PS_JOIN_MITER || cWidth > 0x7FFFFFFF)
        return platform::Refuse();
    // A cosmetic pen is one pixel wide and of one colour.
    if (!geometric && (cWidth != 1 || plbrush->lbStyle != BS_SOLID))
        return platform::Refuse();
    // Style lengths come with PS_USERSTYLE only: at least one, at most sixteen, not all zero.
    const bool user = kind == PS_USERSTYLE;
    if (user ? (cStyle == 0 || cStyle > platform::kMaxUserStyle || pstyle == nullptr ||
                std::accumulate(pstyle, pstyle + cStyle, uint64_t{0}) == 0)
             : (cStyle != 0 || pstyle != nullptr))
        return platform::Refuse();
    auto pen = std::make_shared<GdiPen>();
    if (!platform::ReadLogBrush(*plbrush, pen->brush))
        return nullptr;
    pen->style = iPenStyle;
    pen->width = cWidth;
    pen->geometric = geometric;
    pen->extended = true;
    pen->hatchGiven = plbrush->lbHatch;
    if (user)
        pen->userStyle.assign(pstyle, pstyle + cStyle);
    return platform::AddPen(std::move(pen));
}
