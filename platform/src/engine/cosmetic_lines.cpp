// cosmetic_lines.cpp - one-pixel lines stepped along their major axis, each pixel's minor coordinate computed
// directly from its step, so a line is clipped by skipping to the steps inside each visible rectangle.
#include "host/engine/cosmetic_lines.h"
#include "host/engine/devices.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace platform::engine {
namespace {

// Where the style stands, in 1/den style units and in pixels drawn (for the alternate style).
struct StyleState {
    int64_t position = 0;
    int64_t pixels = 0;
};

bool StyleIsOn(const CosmeticStyle& style, int64_t position, int64_t pixelIndex, int64_t patternLength)
{
    if (style.alternate)
        return (pixelIndex & 1) == 0;
    if (style.dashes.empty() || patternLength == 0)
        return true;
    int64_t offset = position % patternLength;
    for (size_t i = 0; i < style.dashes.size(); ++i) {
        const int64_t length = static_cast<int64_t>(style.dashes[i]) * style.den;
        if (offset < length)
            return ((i & 1) == 0) != style.startGap;
        offset -= length;
    }
    return true;
}

// Rounds a 28.4 coordinate to the nearest pixel, halves upward.
int64_t ToPixel(FIX v)
{
    return (static_cast<int64_t>(v) + 8) >> 4;
}

void TraceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, const CosmeticStyle& style, StyleState& state,
               int64_t patternLength, const std::vector<RECTL>& visible,
               const std::function<void(LONG x, LONG y)>& pixel)
{
    const int64_t adx = std::abs(x1 - x0), ady = std::abs(y1 - y0);
    const int64_t sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
    const bool flat = adx >= ady;
    const int64_t steps = flat ? adx : ady;   // pixels drawn: the last point is left out
    if (steps == 0)
        return;
    const int64_t major0 = flat ? x0 : y0, minor0 = flat ? y0 : x0;
    const int64_t majorSign = flat ? sx : sy, minorSign = flat ? sy : sx;
    const int64_t minorRun = flat ? ady : adx;
    const int64_t styleStep = flat ? style.xStep : style.yStep;
    for (const RECTL& r : visible) {
        // The steps whose major coordinate lies inside the rectangle.
        const int64_t low = flat ? r.left : r.top, high = (flat ? r.right : r.bottom) - 1;
        int64_t first = majorSign > 0 ? low - major0 : major0 - high;
        int64_t last = majorSign > 0 ? high - major0 : major0 - low;
        first = std::max<int64_t>(first, 0);
        last = std::min<int64_t>(last, steps - 1);
        for (int64_t i = first; i <= last; ++i) {
            // The minor coordinate nearest the line at this step, halves away from the start: the quotient of
            // i * minorRun / steps, rounded. Both factors are below 2^32, so the product fits 64 unsigned bits.
            const uint64_t product = static_cast<uint64_t>(i) * static_cast<uint64_t>(minorRun);
            const uint64_t quotient = product / static_cast<uint64_t>(steps);
            const uint64_t remainder = product % static_cast<uint64_t>(steps);
            const int64_t offset = static_cast<int64_t>(quotient + (2 * remainder >= static_cast<uint64_t>(steps)));
            const int64_t minor = minor0 + minorSign * offset;
            const int64_t major = major0 + majorSign * i;
            const int64_t x = flat ? major : minor, y = flat ? minor : major;
            if (x < r.left || x >= r.right || y < r.top || y >= r.bottom)
                continue;
            if (StyleIsOn(style, state.position + i * styleStep, state.pixels + i, patternLength))
                pixel(static_cast<LONG>(x), static_cast<LONG>(y));
        }
    }
    state.position += steps * styleStep;
    state.pixels += steps;
}

} // namespace

CosmeticStyle CosmeticStyleOf(const LINEATTRS& la, HDEV hdev)
{
    CosmeticStyle style;
    style.startGap = (la.fl & LA_STARTGAP) != 0;
    style.alternate = (la.fl & LA_ALTERNATE) != 0;
    if (la.pstyle != nullptr)   // a null style array is a solid line
        for (ULONG i = 0; i < la.cstyle; ++i)
            style.dashes.push_back(static_cast<ULONG>(la.pstyle[i].l));
    const auto device = FindDevice(hdev);
    // Steps beyond 16 bits are not a device's: they would only make the style arithmetic overflow.
    if (device != nullptr && device->denStyleStep != 0 && device->denStyleStep <= 0xFFFF &&
        device->xStyleStep <= 0xFFFF && device->yStyleStep <= 0xFFFF) {
        style.xStep = device->xStyleStep;
        style.yStep = device->yStyleStep;
        style.den = device->denStyleStep;
    } else {
        style.xStep = style.yStep = Device::kDefaultStyleStep;
        style.den = Device::kDefaultStyleDenominator;
    }
    return style;
}

void TraceCosmeticLine(POINTL from, POINTL to, const std::vector<RECTL>& visible,
                       const std::function<void(LONG x, LONG y)>& pixel)
{
    const CosmeticStyle solid;
    StyleState state;
    TraceLine(from.x, from.y, to.x, to.y, solid, state, 0, visible, pixel);
}

void TraceCosmeticFigure(const Figure& figure, const CosmeticStyle& style, const std::vector<RECTL>& visible,
                         const std::function<void(LONG x, LONG y)>& pixel)
{
    const size_t n = figure.points.size();
    if (n < 2)
        return;
    const int64_t patternLength =
        static_cast<int64_t>(std::accumulate(style.dashes.begin(), style.dashes.end(), int64_t{0})) * style.den;
    StyleState state;
    const size_t lines = figure.closed ? n : n - 1;
    for (size_t i = 0; i < lines; ++i) {
        const POINTFIX& a = figure.points[i];
        const POINTFIX& b = figure.points[(i + 1) % n];
        TraceLine(ToPixel(a.x), ToPixel(a.y), ToPixel(b.x), ToPixel(b.y), style, state, patternLength, visible,
                  pixel);
    }
}

} // namespace platform::engine
