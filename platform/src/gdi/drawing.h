#pragma once
// drawing.h - one drawing call as GDI hands it on: everything it needs, in device coordinates and apart from
// the device context that made it, so that a banded page can draw it again into every band. A memory DC and a
// printer DC without bands draw it at once; a banded printer DC keeps it in its page's journal.

#include <array>
#include <memory>
#include <optional>
#include <variant>
#include <vector>
#include "host/engine/string_object.h"
#include "gdi/objects.h"

namespace platform {

struct DeviceContext;
struct PrinterDc;
class FontRealization;

// The DC attributes a drawing depends on, kept by the DC and copied into each drawing as they are when it is
// made.
struct DrawAttributes {
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int fillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    std::optional<std::vector<RECTL>> clip;   // device coordinates; none: the whole device
};

// A path to fill, stroke or both: points in 28.4 device coordinates with their PT_ types.
struct PathDrawing {
    std::vector<POINTFIX> points;
    std::vector<BYTE> types;
    bool fill = false;
    bool stroke = false;
    std::shared_ptr<const GdiPen> pen;
    LogicalBrush brush;
};

// A block transfer: a pattern, a source bitmap or both combined with the destination by a ROP3.
struct BlitDrawing {
    RECTL dest = {};                          // device; a stretch mirrors when left > right or top > bottom
    RECTL source = {};                        // in the source bitmap's pixels, likewise
    std::shared_ptr<const GdiBitmap> bitmap;  // the source; null when the ROP3 reads none
    COLORREF sourceBkColor = 0xFFFFFF;        // the source DC's: its pixels of that colour become white on a
                                              // monochrome destination, all others black
    LogicalBrush brush;
    DWORD rop = PATCOPY;                      // the ternary raster operation, its index in bits 16-23
};

// A run of text: the realised font, the glyphs at their device positions, and what goes around them. The
// background and the lines (underline, strike-out) are the device corners of four-sided areas in 28.4, so that
// turned text keeps them along its baseline; along an unturned baseline they are rectangles.
struct TextDrawing {
    engine::FontRequest font;
    std::shared_ptr<FontRealization> realization;   // the DC's realization of the font, kept with the drawing
    engine::StringLayout layout;                 // positions and background box in device coordinates
    std::array<POINTFIX, 4> background = {};     // the text's cells: filled in the background colour when opaque
    std::vector<std::array<POINTFIX, 4>> lines;  // underline and strike-out, in the text colour
    std::optional<RECTL> opaque;                 // ETO_OPAQUE: a device rectangle filled in the background colour
    std::optional<RECTL> clip;                   // ETO_CLIPPED: nothing drawn outside this device rectangle
};

struct Drawing {
    DrawAttributes attrs;
    std::variant<PathDrawing, BlitDrawing, TextDrawing> what;
};

// Draws on the DC, or keeps the drawing for its bands; FALSE (with the last error set) when the DC cannot
// draw (a printer DC outside a page, a memory DC with no bitmap to draw on) or a call it needed failed.
BOOL SubmitDrawing(DeviceContext& dc, Drawing drawing);

// Draws the printer DC's journal into the band whose top left pixel is the page's bandOrigin; false when a
// drawing failed (the others are drawn all the same).
bool PlayJournal(PrinterDc& dc, POINTL bandOrigin);

} // namespace platform
