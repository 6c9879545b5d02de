// gradient.cpp - EngGradientFill: rectangles shaded from one side to the other and Gouraud-shaded triangles.
// Each covered pixel takes the colour at its centre, interpolated from the vertices' 16-bit channels, as an
// RGB value (red in the lowest byte) that pxlo turns into a destination value.
#include "host/engine/clip.h"
#include "engine/pixels.h"
#include "engine/raster.h"
#include "host/engine/surfaces.h"
#include "host/engine/xlate.h"

#include <algorithm>
#include <cmath>

namespace platform::engine {
namespace {

// Vertices further out than this are refused; no device surface comes near it.
constexpr LONG kMaxCoordinate = 1L << 27;

struct Channels {
    double r, g, b;
};

Channels ChannelsOf(const TRIVERTEX& v)
{
    return {static_cast<double>(v.Red), static_cast<double>(v.Green), static_cast<double>(v.Blue)};
}

ULONG RgbOf(const Channels& c)
{
    const auto byte = [](double channel) {
        const double v = std::clamp(channel, 0.0, 65535.0);
        return static_cast<ULONG>(static_cast<ULONG>(v + 0.5) >> 8);
    };
    return byte(c.r) | (byte(c.g) << 8) | (byte(c.b) << 16);
}

// The parts of the clip rectangles inside both the drawing's area and the shape's bounding box.
std::vector<RECTL> VisibleParts(const std::vector<RECTL>& clipRects, const RECTL& area, const RECTL& box)
{
    std::vector<RECTL> visible;
    for (const RECTL& c : clipRects) {
        const RECTL part = {std::max({c.left, box.left, area.left}), std::max({c.top, box.top, area.top}),
                            std::min({c.right, box.right, area.right}), std::min({c.bottom, box.bottom, area.bottom})};
        if (part.left < part.right && part.top < part.bottom)
            visible.push_back(part);
    }
    return visible;
}

// Paints every pixel of the visible rectangles that colourAt gives a colour for.
template <typename ColourAt>
void Paint(const PixelAccess& dest, const std::vector<RECTL>& visible, XLATEOBJ* pxlo, ColourAt colourAt)
{
    const ULONG valueMask = PixelValueMask(dest.Format());
    for (const RECTL& r : visible) {
        for (LONG y = r.top; y < r.bottom; ++y) {
            for (LONG x = r.left; x < r.right; ++x) {
                Channels c;
                if (colourAt(x + 0.5, y + 0.5, c))
                    dest.Set(x, y, TranslateValue(pxlo, RgbOf(c)) & valueMask);
            }
        }
    }
}

void FillRectangle(const PixelAccess& dest, const RECTL& area, const std::vector<RECTL>& clipRects,
                   XLATEOBJ* pxlo, const TRIVERTEX& a, const TRIVERTEX& b, bool vertical)
{
    const RECTL rect = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    const Channels ca = ChannelsOf(a);
    const Channels cb = ChannelsOf(b);
    const std::vector<RECTL> visible = VisibleParts(clipRects, area, rect);
    // The colour runs from vertex a's side to vertex b's side, whichever order they lie in.
    const double from = vertical ? a.y : a.x;
    const double to = vertical ? b.y : b.x;
    Paint(dest, visible, pxlo, [&](double x, double y, Channels& out) {
        const double t = to == from ? 0.0 : std::clamp(((vertical ? y : x) - from) / (to - from), 0.0, 1.0);
        out = {ca.r + (cb.r - ca.r) * t, ca.g + (cb.g - ca.g) * t, ca.b + (cb.b - ca.b) * t};
        return true;
    });
}

// Twice a cross product, exactly: coordinates are limited to kMaxCoordinate, so every product fits 64 bits.
int64_t Cross(int64_t ux, int64_t uy, int64_t vx, int64_t vy)
{
    return ux * vy - uy * vx;
}

// A pixel whose centre lies exactly on an edge belongs to the triangle only when the edge is a top or a left
// edge, so two triangles sharing an edge paint each such pixel once.
void FillTriangle(const PixelAccess& dest, const RECTL& area, const std::vector<RECTL>& clipRects,
                  XLATEOBJ* pxlo, const TRIVERTEX& a, TRIVERTEX b, TRIVERTEX c)
{
    int64_t det = Cross(b.x - a.x, b.y - a.y, c.x - a.x, c.y - a.y);
    if (det == 0)
        return;   // a degenerate triangle covers no pixel
    if (det < 0) {
        std::swap(b, c);   // interior on the positive side of every edge a-b, b-c, c-a
        det = -det;
    }
    const RECTL box = {std::min({a.x, b.x, c.x}), std::min({a.y, b.y, c.y}), std::max({a.x, b.x, c.x}),
                       std::max({a.y, b.y, c.y})};
    const std::vector<RECTL> visible = VisibleParts(clipRects, area, box);
    const TRIVERTEX* v[3] = {&a, &b, &c};
    const Channels ca = ChannelsOf(a), cb = ChannelsOf(b), cc = ChannelsOf(c);
    Paint(dest, visible, pxlo, [&](double x, double y, Channels& out) {
        // In doubled coordinates the pixel centre is whole.
        const int64_t px = static_cast<int64_t>(2 * x), py = static_cast<int64_t>(2 * y);
        int64_t w[3];
        for (int e = 0; e < 3; ++e) {
            const TRIVERTEX& p0 = *v[e];
            const TRIVERTEX& p1 = *v[(e + 1) % 3];
            const int64_t ux = p1.x - p0.x, uy = p1.y - p0.y;
            w[e] = Cross(ux, uy, px - 2 * p0.x, py - 2 * p0.y);
            const bool topOrLeft = uy < 0 || (uy == 0 && ux > 0);
            if (w[e] < 0 || (w[e] == 0 && !topOrLeft))
                return false;
        }
        // w[e] is twice the area opposite the vertex after edge e's end: edge b-c weighs a, c-a weighs b.
        const double wa = static_cast<double>(w[1]) / (2.0 * det);
        const double wb = static_cast<double>(w[2]) / (2.0 * det);
        const double wc = static_cast<double>(w[0]) / (2.0 * det);
        out = {ca.r * wa + cb.r * wb + cc.r * wc, ca.g * wa + cb.g * wb + cc.g * wc,
               ca.b * wa + cb.b * wb + cc.b * wc};
        return true;
    });
}

} // namespace
} // namespace platform::engine

BOOL APIENTRY EngGradientFill(SURFOBJ* psoDest, CLIPOBJ* pco, XLATEOBJ* pxlo, TRIVERTEX* pVertex, ULONG nVertex,
                              PVOID pMesh, ULONG nMesh, RECTL* prclExtents, POINTL* /*pptlDitherOrg: no dither*/,
                              ULONG ulMode)
{
    using namespace platform::engine;
    const PixelAccess dest(SurfaceOf(psoDest) != nullptr ? psoDest : nullptr);
    const bool triangles = ulMode == GRADIENT_FILL_TRIANGLE;
    if (!dest.Valid() || pVertex == nullptr || pMesh == nullptr || prclExtents == nullptr ||
        (!triangles && ulMode != GRADIENT_FILL_RECT_H && ulMode != GRADIENT_FILL_RECT_V)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Every vertex index is checked before anything is drawn: a bad mesh draws nothing.
    const ULONG perMesh = triangles ? 3 : 2;
    const auto* indices = static_cast<const ULONG*>(pMesh);
    for (ULONG i = 0; i < nVertex; ++i) {
        if (std::abs(pVertex[i].x) > kMaxCoordinate || std::abs(pVertex[i].y) > kMaxCoordinate) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    for (ULONG i = 0; i < nMesh * perMesh; ++i) {
        if (indices[i] >= nVertex) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    const RECTL area = ClipToSurface(*prclExtents, psoDest);
    std::vector<RECTL> clipRects;
    if (!VisibleRectangles(pco, area, clipRects)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    for (ULONG m = 0; m < nMesh; ++m) {
        const ULONG* v = indices + m * perMesh;
        if (triangles)
            FillTriangle(dest, area, clipRects, pxlo, pVertex[v[0]], pVertex[v[1]], pVertex[v[2]]);
        else
            FillRectangle(dest, area, clipRects, pxlo, pVertex[v[0]], pVertex[v[1]],
                          ulMode == GRADIENT_FILL_RECT_V);
    }
    return TRUE;
}
