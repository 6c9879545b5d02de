// path_render.cpp - EngFillPath, EngStrokePath and EngLineTo: paths drawn in software on bitmap surfaces, the
// drivers' fall-back and the rendering of memory device contexts. Every pixel a path covers becomes the ROP2 of
// the brush and the destination that the mix names: the low byte for the brush's foreground, the next byte for
// the background of a hatch.
#include "host/engine/clip.h"
#include "host/engine/cosmetic_lines.h"
#include "host/engine/polygon_fill.h"
#include "engine/raster.h"
#include "host/engine/surfaces.h"
#include "engine/wide_lines.h"
#include "host/engine/xform.h"

#include <cmath>

namespace platform::engine {
namespace {

// A style array longer than this is refused: GDI never makes one, and a driver's count is not trusted.
constexpr ULONG kMaxStyleEntries = 16;

class MixPainter {
public:
    // False for a mix whose ROP2 is unknown or a brush the ROP2 needs but that cannot be read.
    bool Init(SURFOBJ* pso, BRUSHOBJ* pbo, const POINTL* origin, MIX mix)
    {
        const ULONG fore = mix & 0xFF;
        ULONG back = (mix >> 8) & 0xFF;
        if (back == 0)
            back = fore;   // a mix of one ROP2 uses it for both
        if (fore < R2_BLACK || fore > R2_WHITE || back < R2_BLACK || back > R2_WHITE)
            return false;
        m_fore = Rop3FromRop2(fore);
        m_back = Rop3FromRop2(back);
        m_dest = PixelAccess(pso);
        m_valueMask = PixelValueMask(m_dest.Format());
        m_needPattern = Rop3UsesPattern(m_fore) || Rop3UsesPattern(m_back);
        return m_dest.Valid() &&
               (!m_needPattern || m_pattern.Init(pbo, origin != nullptr ? *origin : POINTL{0, 0}));
    }

    void Pixel(LONG x, LONG y) const
    {
        const ULONG p = m_needPattern ? m_pattern.At(x, y) : 0;
        const BYTE rop3 = m_needPattern && m_pattern.IsBackground(x, y) ? m_back : m_fore;
        m_dest.Set(x, y, ApplyRop3(rop3, p, 0, m_dest.Get(x, y)) & m_valueMask);
    }

    void Span(LONG y, LONG left, LONG right) const
    {
        for (LONG x = left; x < right; ++x)
            Pixel(x, y);
    }

private:
    PixelAccess m_dest{nullptr};
    PatternReader m_pattern;
    BYTE m_fore = 0;
    BYTE m_back = 0;
    bool m_needPattern = false;
    ULONG m_valueMask = 0;
};

// The rectangles of the surface a drawing call may touch; false (with the last error set) when the surface
// has no bits the engine can draw on or the clip cannot be read.
bool Prepare(SURFOBJ* pso, CLIPOBJ* pco, std::vector<RECTL>& visible)
{
    if (pso == nullptr || SurfaceOf(pso) == nullptr || !PixelAccess(pso).Valid() ||
        !VisibleRectangles(pco, RECTL{0, 0, pso->sizlBitmap.cx, pso->sizlBitmap.cy}, visible)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

BOOL Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// How much longer a world length is in device pixels: the square root of the transform's area scale.
double WorldToDeviceScale(XFORMOBJ* pxo)
{
    const XformObject* xform = FindXform(pxo);
    if (xform == nullptr)
        return 1;
    const XFORML& m = xform->Matrix();
    const double det = static_cast<double>(m.eM11) * m.eM22 - static_cast<double>(m.eM12) * m.eM21;
    return std::sqrt(std::fabs(det));
}

} // namespace
} // namespace platform::engine

BOOL APIENTRY EngFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlBrushOrg, MIX mix,
                          FLONG flOptions)
{
    using namespace platform::engine;
    std::vector<RECTL> visible;
    const PathObject* path = FindPath(ppo);
    MixPainter painter;
    if (path == nullptr || !Prepare(pso, pco, visible) || !painter.Init(pso, pbo, pptlBrushOrg, mix))
        return Refuse();
    const FillRule rule = (flOptions & FP_WINDINGMODE) ? FillRule::Winding : FillRule::Alternate;
    FillFigures(FlattenPath(*path), rule, visible,
                [&](LONG y, LONG left, LONG right) { painter.Span(y, left, right); });
    return TRUE;
}

BOOL APIENTRY EngStrokePath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo,
                            POINTL* pptlBrushOrg, LINEATTRS* plineattrs, MIX mix)
{
    using namespace platform::engine;
    std::vector<RECTL> visible;
    const PathObject* path = FindPath(ppo);
    MixPainter painter;
    if (path == nullptr || plineattrs == nullptr || plineattrs->cstyle > kMaxStyleEntries ||
        !Prepare(pso, pco, visible) || !painter.Init(pso, pbo, pptlBrushOrg, mix))
        return Refuse();
    const std::vector<Figure> figures = FlattenPath(*path);
    if (plineattrs->fl & LA_GEOMETRIC) {
        FillFigures(WidenFigures(figures, WideStyleOf(*plineattrs, WorldToDeviceScale(pxo))), FillRule::Winding,
                    visible, [&](LONG y, LONG left, LONG right) { painter.Span(y, left, right); });
        return TRUE;
    }
    const CosmeticStyle style = CosmeticStyleOf(*plineattrs, pso->hdev);
    for (const Figure& figure : figures)
        TraceCosmeticFigure(figure, style, visible, [&](LONG x, LONG y) { painter.Pixel(x, y); });
    return TRUE;
}

BOOL APIENTRY EngLineTo(SURFOBJ* pso, CLIPOBJ* pco, BRUSHOBJ* pbo, LONG x1, LONG y1, LONG x2, LONG y2,
                        RECTL* /*prclBounds: only a hint, the line is clipped exactly*/, MIX mix)
{
    using namespace platform::engine;
    std::vector<RECTL> visible;
    MixPainter painter;
    if (!Prepare(pso, pco, visible) || !painter.Init(pso, pbo, nullptr, mix))
        return Refuse();
    TraceCosmeticLine({x1, y1}, {x2, y2}, visible, [&](LONG x, LONG y) { painter.Pixel(x, y); });
    return TRUE;
}
