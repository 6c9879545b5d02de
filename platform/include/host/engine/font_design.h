#pragma once
// font_design.h - a font realised at a size on a device: its metrics, each glyph's advance, and each glyph's
// outline in device space, drawn from the glyph skeletons with the design's pen. GDI's text calls and the
// engine's font objects both measure and draw glyphs through here, so what is measured is what is drawn.

#include <vector>
#include "host/engine/flatten.h"
#include "host/engine/font_faces.h"
#include "host/engine/glyph_skeletons.h"

namespace platform::engine {

// The em of the notional space the font's metrics and transform are given in.
constexpr LONG kNotionalEm = 1000;

// The cell of every design, in design units: 18 above the baseline and 4 below it, 2 more than the em.
constexpr int kDesignCellAscent = 18;
constexpr int kDesignCellDescent = 4;
constexpr int kDesignCell = kDesignCellAscent + kDesignCellDescent;

// Realised fonts are no larger than this many pixels to the em; GDI's font mapper clamps larger requests.
constexpr double kMaxEmPixels = 16384;

struct FontRequest {
    const FontFace* face = nullptr;
    double emPixels = 0;        // the em's height in device pixels, 1 .. kMaxEmPixels
    double widthScale = 1;      // horizontal stretch, from the logical font's width
    LONG escapement = 0;        // the baseline's angle, tenths of a degree counter-clockwise, 0 .. 3599
    bool bold = false;          // emboldened: strokes wider, and every advance longer by one design unit
    bool italic = false;        // sheared to the right
    bool underline = false;
    bool strikeOut = false;
    bool emHeight = false;      // sized by its em (a negative lfHeight) rather than by its cell
    SIZE logResPpi = {96, 96};  // the device's resolution
};

// Metrics in whole device pixels, for text drawn along an unrotated baseline.
struct FontMetrics {
    LONG ascent;
    LONG descent;
    LONG internalLeading;
    LONG aveCharWidth;
    LONG maxCharWidth;
    LONG underlinePosition;    // below the baseline, positive downward
    LONG underlineThickness;
    LONG strikeOutPosition;    // above the baseline, positive upward
    LONG strikeOutThickness;
};

FontMetrics MetricsOf(const FontRequest& request);

// The average character width of the face's design, in design units.
double DesignAverageWidth(const FontFace& face);

// The glyph handle of a character in the font: 0 (the default glyph) for one its design lacks.
HGLYPH GlyphOf(const FontRequest& request, WCHAR wc);

// The last character the face has a glyph of.
WCHAR LastCharacterOf(const FontFace& face);

// The glyph's advance along the baseline, in whole device pixels.
LONG AdvanceOf(const FontRequest& request, HGLYPH hg);

// The glyph's outline in 28.4 device coordinates around its origin (on the baseline, at its left), rotated
// with the escapement: closed figures to fill with FillRule::Winding.
std::vector<Figure> GlyphOutline(const FontRequest& request, HGLYPH hg);

// The glyph's ink in design units (y upward, from its origin), the pen's reach included, as drawn along an
// unrotated baseline; all zero for a glyph without strokes.
struct DesignBox {
    double left, bottom, right, top;
};
DesignBox GlyphInkInDesign(const FontRequest& request, HGLYPH hg);

// The device vector of a distance along the baseline (x) and up from it (y), for the request's escapement.
struct Direction {
    double cosine;
    double sine;
    // Device offset of a point along (along) and above (up) the baseline; device y grows downward.
    double X(double along, double up) const { return along * cosine - up * sine; }
    double Y(double along, double up) const { return -along * sine - up * cosine; }
};
Direction DirectionOf(const FontRequest& request);

// Device pixels per design unit, vertically, and the horizontal ones with the stretch.
double DesignScale(const FontRequest& request);

} // namespace platform::engine
