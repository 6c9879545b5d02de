// font_design.cpp - realised fonts: metrics, advances and glyph outlines from the skeletons.
//
// A design point (x, y), y upward from the glyph's origin, reaches the device in four steps: a full-width glyph
// of a vertical-writing face is turned a quarter counter-clockwise about the em's centre (so it stands upright
// when the text runs down the page); a half-width glyph of a fixed-pitch design is centred in the fixed cell,
// squeezed when it is wider; an italic one is sheared; and the point is scaled to pixels and turned with the
// baseline. The skeleton's strokes, so placed, are widened by the design's pen into the outline.
#include "host/engine/font_design.h"
#include "host/engine/glyph_skeletons.h"
#include "engine/wide_lines.h"

#include <algorithm>
#include <cmath>

namespace platform::engine {
namespace {

struct DesignPoint {
    double x, y;
};

struct Segment {
    bool curve;
    DesignPoint control;   // of a quadratic curve
    DesignPoint to;
};

struct Stroke {
    DesignPoint start;
    std::vector<Segment> segments;
    bool closed = false;
};

// Design metrics, in design units: the em's box reaches 16 above the baseline and 4 below it.
constexpr double kEmBoxCentreY = 6;
constexpr double kProportionalAverage = 10;
constexpr double kWidestLatin = 18;
constexpr double kUnderlineDepth = 2;
constexpr double kStrikeOutHeight = 5;
constexpr double kItalicSlant = 0.2126;   // tan 12 degrees
constexpr double kBoldPen = 1.7;          // an emboldened stroke's width against the design's

// Reads a decimal number (an optional sign, digits, an optional fraction) after any spaces and commas; the
// text is our own table's.
double ReadNumber(const char*& text)
{
    while (*text == ' ' || *text == ',')
        ++text;
    bool negative = false;
    if (*text == '-') {
        negative = true;
        ++text;
    }
    double value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = value * 10 + (*text - '0');
    if (*text == '.') {
        double scale = 0.1;
        for (++text; *text >= '0' && *text <= '9'; ++text, scale /= 10)
            value += (*text - '0') * scale;
    }
    return negative ? -value : value;
}

DesignPoint ReadPoint(const char*& text)
{
    const double x = ReadNumber(text);
    return {x, ReadNumber(text)};
}

std::vector<Stroke> ParseStrokes(const char* text)
{
    std::vector<Stroke> strokes;
    while (*text != '\0') {
        const char command = *text++;
        switch (command) {
        case 'M':
            strokes.push_back({ReadPoint(text), {}, false});
            break;
        case 'L':
            if (!strokes.empty())
                strokes.back().segments.push_back({false, {0, 0}, ReadPoint(text)});
            break;
        case 'Q':
            if (!strokes.empty()) {
                const DesignPoint control = ReadPoint(text);
                strokes.back().segments.push_back({true, control, ReadPoint(text)});
            }
            break;
        case 'Z':
            if (!strokes.empty())
                strokes.back().closed = true;
            break;
        default:
            break;   // the spaces between commands
        }
    }
    return strokes;
}

bool IsFullWidth(const GlyphSkeleton& skeleton)
{
    return skeleton.advance >= kDesignEm;
}

// The glyph's advance in design units, before emboldening.
double DesignAdvance(const FontRequest& request, const GlyphSkeleton& skeleton)
{
    const BYTE fixed = request.face->design->fixedAdvance;
    return fixed != 0 && !IsFullWidth(skeleton) ? fixed : skeleton.advance;
}

// The first three steps: a design point placed as the font draws it, still in design units.
DesignPoint Place(const FontRequest& request, const GlyphSkeleton& skeleton, DesignPoint p)
{
    if (IsVerticalFace(*request.face) && IsFullWidth(skeleton)) {
        const double cx = kDesignEm / 2.0;
        p = {cx - (p.y - kEmBoxCentreY), kEmBoxCentreY + (p.x - cx)};
    }
    const BYTE fixed = request.face->design->fixedAdvance;
    if (fixed != 0 && !IsFullWidth(skeleton)) {
        const double squeeze = std::min(1.0, static_cast<double>(fixed) / std::max<double>(skeleton.advance, 1));
        p.x = fixed / 2.0 + (p.x - skeleton.advance / 2.0) * squeeze;
    }
    if (request.italic)
        p.x += p.y * kItalicSlant;
    return p;
}

double PenWidth(const FontRequest& request)
{
    return request.face->design->pen * (request.bold ? kBoldPen : 1.0);
}

} // namespace

double DesignScale(const FontRequest& request)
{
    return request.emPixels / kDesignEm;
}

Direction DirectionOf(const FontRequest& request)
{
    // Quarter turns exactly, so that upright and turned text land on whole pixels.
    switch (request.escapement) {
    case 0: return {1, 0};
    case 900: return {0, 1};
    case 1800: return {-1, 0};
    case 2700: return {0, -1};
    default: break;
    }
    const double radians = request.escapement * 3.14159265358979323846 / 1800.0;
    return {std::cos(radians), std::sin(radians)};
}

FontMetrics MetricsOf(const FontRequest& request)
{
    const double scale = DesignScale(request);
    const double across = scale * request.widthScale;
    const FontDesign& design = *request.face->design;
    FontMetrics m = {};
    m.ascent = std::lround(kDesignCellAscent * scale);
    m.descent = std::lround(kDesignCellDescent * scale);
    m.internalLeading = std::max(0L, m.ascent + m.descent - static_cast<LONG>(std::lround(request.emPixels)));
    const LONG boldExtra = request.bold ? std::max(1L, std::lround(across)) : 0;
    const double average = DesignAverageWidth(*request.face);
    const double widest = design.japanese ? kDesignEm : design.fixedAdvance != 0 ? design.fixedAdvance : kWidestLatin;
    m.aveCharWidth = std::lround(average * across) + boldExtra;
    m.maxCharWidth = std::lround(widest * across) + boldExtra;
    m.underlinePosition = std::lround(kUnderlineDepth * scale);
    m.strikeOutPosition = std::lround(kStrikeOutHeight * scale);
    m.underlineThickness = m.strikeOutThickness = std::max(1L, std::lround(scale * (request.bold ? kBoldPen : 1.0)));
    return m;
}

double DesignAverageWidth(const FontFace& face)
{
    const BYTE fixed = face.design->fixedAdvance;
    return fixed != 0 ? fixed : kProportionalAverage;
}

HGLYPH GlyphOf(const FontRequest& request, WCHAR wc)
{
    const HGLYPH hg = GlyphHandleOf(wc);
    if (hg != 0 && IsFullWidth(GlyphSkeletonOf(hg)) && !request.face->design->japanese)
        return 0;
    return hg;
}

WCHAR LastCharacterOf(const FontFace& face)
{
    return face.design->japanese ? u'\u8A9E' : u'~';   // the last of the skeletons, or of printable ASCII
}

LONG AdvanceOf(const FontRequest& request, HGLYPH hg)
{
    const double across = DesignScale(request) * request.widthScale;
    const LONG advance = std::lround(DesignAdvance(request, GlyphSkeletonOf(hg)) * across);
    return advance + (request.bold ? std::max(1L, std::lround(across)) : 0);
}

std::vector<Figure> GlyphOutline(const FontRequest& request, HGLYPH hg)
{
    const GlyphSkeleton& skeleton = GlyphSkeletonOf(hg);
    const double scale = DesignScale(request);
    const double across = scale * request.widthScale;
    const Direction direction = DirectionOf(request);
    const auto device = [&](DesignPoint p) {
        p = Place(request, skeleton, p);
        const double along = p.x * across, up = p.y * scale;
        return POINTFIX{static_cast<FIX>(std::lround(direction.X(along, up) * 16)),
                        static_cast<FIX>(std::lround(direction.Y(along, up) * 16))};
    };
    std::vector<Figure> centreLines;
    for (const Stroke& stroke : ParseStrokes(skeleton.strokes)) {
        Figure figure;
        figure.closed = stroke.closed;
        figure.points.push_back(device(stroke.start));
        DesignPoint from = stroke.start;
        for (const Segment& segment : stroke.segments) {
            if (!segment.curve) {
                figure.points.push_back(device(segment.to));
            } else {
                // The quadratic curve as the cubic with control points two thirds of the way to its own.
                const DesignPoint c1 = {from.x + 2.0 / 3 * (segment.control.x - from.x),
                                        from.y + 2.0 / 3 * (segment.control.y - from.y)};
                const DesignPoint c2 = {segment.to.x + 2.0 / 3 * (segment.control.x - segment.to.x),
                                        segment.to.y + 2.0 / 3 * (segment.control.y - segment.to.y)};
                const POINTFIX start = figure.points.back();
                FlattenBezier(start, device(c1), device(c2), device(segment.to), figure.points);
            }
            from = segment.to;
        }
        centreLines.push_back(std::move(figure));
    }
    if (centreLines.empty())
        return {};
    WideStyle style;
    // A stroke never thinner than a pixel, so small text keeps every stroke.
    style.width = std::max(1.0, PenWidth(request) * scale);
    style.join = request.face->design->join;
    style.endCap = request.face->design->endCap;
    return WidenFigures(centreLines, style);
}

DesignBox GlyphInkInDesign(const FontRequest& request, HGLYPH hg)
{
    const GlyphSkeleton& skeleton = GlyphSkeletonOf(hg);
    const std::vector<Stroke> strokes = ParseStrokes(skeleton.strokes);
    if (strokes.empty())
        return {0, 0, 0, 0};
    DesignBox box = {1e9, 1e9, -1e9, -1e9};
    const auto take = [&](DesignPoint p) {
        p = Place(request, skeleton, p);
        box = {std::min(box.left, p.x), std::min(box.bottom, p.y), std::max(box.right, p.x), std::max(box.top, p.y)};
    };
    for (const Stroke& stroke : strokes) {
        take(stroke.start);
        for (const Segment& segment : stroke.segments) {
            if (segment.curve)
                take(segment.control);
            take(segment.to);
        }
    }
    const double reach = PenWidth(request) / 2;
    return {box.left - reach, box.bottom - reach, box.right + reach, box.top + reach};
}

} // namespace platform::engine
