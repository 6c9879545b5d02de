// text_out.cpp - TextOutW and ExtTextOutW, and the text attributes of device contexts (SetTextAlign,
// SetTextCharacterExtra): a string laid out in the DC's font as glyphs at device positions, then drawn.
#include "gdi/fonts.h"
#include "gdi/font_realizations.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {
namespace {

BOOL Refuse()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// A point a distance along the baseline and up from it, from the baseline's start, in device pixels.
struct Baseline {
    double x, y;
    engine::Direction d;

    POINTFIX Fix(double along, double up) const
    {
        const auto fix = [](double v) {
            return static_cast<FIX>(std::clamp(std::llround(v * 16), -(kDeviceLimit * 16), kDeviceLimit * 16));
        };
        return {fix(x + d.X(along, up)), fix(y + d.Y(along, up))};
    }

    POINTL Pixel(double along) const
    {
        const auto pixel = [](double v) {
            return static_cast<LONG>(std::clamp(std::llround(v), -kDeviceLimit, kDeviceLimit));
        };
        return {pixel(x + d.X(along, 0)), pixel(y + d.Y(along, 0))};
    }

    // The four corners of the area from along 0 to length, between up and down.
    std::array<POINTFIX, 4> Area(double length, double top, double bottom) const
    {
        return {Fix(0, top), Fix(length, top), Fix(length, bottom), Fix(0, bottom)};
    }
};

RECTL BoundsOf(const std::array<POINTFIX, 4>& corners)
{
    FIX left = corners[0].x, top = corners[0].y, right = corners[0].x, bottom = corners[0].y;
    for (const POINTFIX& p : corners) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    const auto pixel = [](FIX v) { return static_cast<LONG>(std::lround(v / 16.0)); };
    return {pixel(left), pixel(top), pixel(right), pixel(bottom)};
}

RECTL OrderedDeviceRect(const DcAttributes& attrs, const RECT& r)
{
    const RECTL d = ToDeviceRect(attrs, r.left, r.top, r.right, r.bottom);
    return {std::min(d.left, d.right), std::min(d.top, d.bottom), std::max(d.left, d.right),
            std::max(d.top, d.bottom)};
}

// The SO_ flags and fixed character increment of a string: default placement without a dx array, horizontal
// along an unturned baseline, and the increment when every glyph of fixed-pitch text advances alike.
void Accelerators(const engine::FontRequest& request, const std::vector<LONG>& advances, bool dxGiven, int charExtra,
                  engine::StringLayout& layout)
{
    layout.accel = (dxGiven ? 0 : SO_FLAG_DEFAULT_PLACEMENT) | (request.escapement == 0 ? SO_HORIZONTAL : 0) |
                   (!dxGiven && charExtra != 0 ? SO_CHARACTER_EXTRA : 0);
    const bool even = !advances.empty() && std::all_of(advances.begin(), advances.end(),
                                                       [&](LONG a) { return a == advances.front(); });
    if (!dxGiven && request.escapement == 0 && request.face->design->fixedAdvance != 0 && even && advances.front() > 0)
        layout.charInc = static_cast<ULONG>(advances.front());
}

BOOL ExtTextOutImpl(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                    const INT* lpDx)
{
    const auto dc = DcOrFail(hdc);
    if (dc == nullptr)
        return FALSE;
    if (c > kMaxTextChars || (c > 0 && lpString == nullptr))
        return Refuse();
    DcAttributes& attrs = dc->attrs;
    const bool updateCp = (attrs.textAlign & TA_UPDATECP) != 0;
    const POINT reference = updateCp ? attrs.position : POINT{x, y};
    POINTL start;
    if (!ToDevice(attrs, reference.x, reference.y, start))
        return FALSE;

    TextDrawing text;
    text.font = RealizeFont(*dc);
    text.realization = RealizationFor(dc, text.font);
    const engine::FontMetrics metrics = engine::MetricsOf(text.font);
    std::vector<LONG> advances = CharacterAdvances(text.font, lpString, c, attrs.charExtra);
    if (lpDx != nullptr)
        std::copy_n(lpDx, c, advances.begin());
    double total = 0;
    for (const LONG advance : advances)
        total += advance;

    // The reference point is the cell's corner or middle, on its top, baseline or bottom, as the alignment says.
    const UINT align = attrs.textAlign;
    const double shift = (align & TA_CENTER) == TA_CENTER ? total / 2 : (align & TA_RIGHT) ? total : 0;
    const double rise = (align & TA_BASELINE) == TA_BASELINE ? 0
                        : (align & TA_BOTTOM)                ? metrics.descent
                                                             : -static_cast<double>(metrics.ascent);
    const engine::Direction d = engine::DirectionOf(text.font);
    const Baseline baseline = {start.x + d.X(-shift, rise), start.y + d.Y(-shift, rise), d};

    engine::StringLayout& layout = text.layout;
    layout.text.assign(lpString != nullptr ? lpString : u"", c);
    double along = 0;
    for (UINT i = 0; i < c; ++i) {
        layout.glyphs.push_back(engine::GlyphOf(text.font, lpString[i]));
        layout.positions.push_back(baseline.Pixel(along));
        along += advances[i];
    }
    Accelerators(text.font, advances, lpDx != nullptr, attrs.charExtra, layout);
    text.background = baseline.Area(total, metrics.ascent, -static_cast<double>(metrics.descent));
    layout.background = BoundsOf(text.background);
    const double underline = -static_cast<double>(metrics.underlinePosition);
    const double strikeOut = metrics.strikeOutPosition;
    if (text.font.underline)
        text.lines.push_back(baseline.Area(total, underline, underline - metrics.underlineThickness));
    if (text.font.strikeOut)
        text.lines.push_back(baseline.Area(total, strikeOut, strikeOut - metrics.strikeOutThickness));
    if ((options & ETO_OPAQUE) && lprect != nullptr)
        text.opaque = OrderedDeviceRect(attrs, *lprect);
    if ((options & ETO_CLIPPED) && lprect != nullptr)
        text.clip = OrderedDeviceRect(attrs, *lprect);

    if (!SubmitDrawing(*dc, {attrs.draw, std::move(text)}))
        return FALSE;
    // The current position moves past the text, the way it was drawn from it.
    if (updateCp) {
        const double moved = (align & TA_CENTER) == TA_CENTER ? 0 : (align & TA_RIGHT) ? -total : total;
        attrs.position.x += static_cast<LONG>(std::lround(d.X(moved, 0)));
        attrs.position.y += static_cast<LONG>(std::lround(d.Y(moved, 0)));
    }
    return TRUE;
}

} // namespace
} // namespace platform

BOOL WINAPI TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c)
{
    if (c < 0)
        return platform::Refuse();
    return platform::ExtTextOutImpl(hdc, x, y, 0, nullptr, lpString, static_cast<UINT>(c), nullptr);
}

BOOL WINAPI ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                        const INT* lpDx)
{
    return platform::ExtTextOutImpl(hdc, x, y, options, lprect, lpString, c, lpDx);
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return GDI_ERROR;
    return std::exchange(dc->attrs.textAlign, align & TA_MASK);
}

UINT WINAPI GetTextAlign(HDC hdc)
{
    const auto dc = platform::DcOrFail(hdc);
    return dc != nullptr ? dc->attrs.textAlign : GDI_ERROR;
}

int WINAPI SetTextCharacterExtra(HDC hdc, int extra)
{
    const auto dc = platform::DcOrFail(hdc);
    if (dc == nullptr)
        return static_cast<int>(0x80000000);
    return std::exchange(dc->attrs.charExtra, extra);
}

int WINAPI GetTextCharacterExtra(HDC hdc)
{
    const auto dc = platform::DcOrFail(hdc);
    return dc != nullptr ? dc->attrs.charExtra : static_cast<int>(0x80000000);
}
