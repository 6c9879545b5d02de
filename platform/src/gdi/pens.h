#pragma once
// pens.h - pen objects (CreatePen, CreatePenIndirect, ExtCreatePen) and the LINEATTRS a pen gives a driver.

#include <vector>
#include "gdi/objects.h"
#include "win/winddi.h"

namespace platform {

// The line attributes of a pen, as DrvStrokePath receives them: a cosmetic pen's style in style units, a
// geometric pen's width, joins, end caps and style in device units (the only transform here is an offset).
class LineAttrs {
public:
    explicit LineAttrs(const GdiPen& pen);
    LineAttrs(const LineAttrs&) = delete;
    LineAttrs& operator=(const LineAttrs&) = delete;

    LINEATTRS* get() { return &m_la; }

private:
    LINEATTRS m_la = {};
    std::vector<FLOAT_LONG> m_style;   // what m_la.pstyle points at
};

// The miter limit of every geometric pen: GDI's default.
constexpr FLOATL kMiterLimit = 10.0f;

} // namespace platform
