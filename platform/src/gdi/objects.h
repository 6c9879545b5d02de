#pragma once
// objects.h - the GDI's table of objects behind HGDIOBJ values: bitmaps, pens, brushes, regions and fonts. Each
// object bears its kind, so a call given an object of another kind (a pen where a bitmap is expected) finds it
// and refuses it.

#include <memory>
#include <vector>
#include "host/engine/palettes.h"
#include "host/engine/surfaces.h"
#include "win/wingdi.h"

namespace platform {

enum class GdiObjectKind {
    Bitmap,
    Pen,
    Brush,
    Region,
    Font,
};

struct GdiObject {
    explicit GdiObject(GdiObjectKind objectKind) : kind(objectKind) {}
    virtual ~GdiObject() = default;
    const GdiObjectKind kind;
    bool stock = false;           // a stock object: DeleteObject leaves it be
    bool deletePending = false;   // DeleteObject came while it was selected: it goes when it is deselected
};

// A bitmap: its pixels live in an engine bitmap surface, so the engine draws on it and a driver can read it.
// A device-dependent bitmap keeps its rows top-down, each widthBytes long (the row's bits rounded up to whole
// 16-bit words); a DIB keeps them as its header says (bottom-up unless biHeight is negative, rows of whole
// 32-bit words). Pixels of 1, 4 or 8 bits index the colour table (0x00RRGGBB); 16-bit pixels are 5-5-5 unless
// masks say otherwise; 24 and 32-bit pixels are B, G, R(, unused) bytes.
struct GdiBitmap final : GdiObject {
    GdiBitmap() : GdiObject(GdiObjectKind::Bitmap) {}
    ~GdiBitmap() override;
    GdiBitmap(const GdiBitmap&) = delete;
    GdiBitmap& operator=(const GdiBitmap&) = delete;

    LONG width = 0;
    LONG height = 0;
    WORD bitsPerPixel = 0;
    LONG widthBytes = 0;
    std::vector<DWORD> colorTable;
    DWORD masks[3] = {0, 0, 0};    // red, green, blue of a BI_BITFIELDS DIB; zero for the default layout
    bool isDib = false;            // a DIB section (or a DIB's copy): its colour table always applies
    BITMAPINFOHEADER dibHeader = {};
    HSURF hsurf = nullptr;
    std::shared_ptr<engine::Surface> surface;
    HDC selectedInto = nullptr;    // the memory DC it is selected into

    SURFOBJ* so() const { return &surface->so; }
    // What its pixel values mean as colours.
    engine::Palette Palette() const;
    // A monochrome device-dependent bitmap: blits give its 0 and 1 the text and background colours.
    bool IsMonochromeDdb() const { return bitsPerPixel == 1 && !isDib; }
};

// What a brush paints with, as GDI keeps it for every kind of brush.
struct LogicalBrush {
    UINT style = BS_SOLID;         // BS_SOLID, BS_NULL, BS_HATCHED or BS_PATTERN (a bitmap or DIB pattern)
    COLORREF color = 0;
    ULONG hatch = 0;               // HS_*
    std::shared_ptr<const GdiBitmap> pattern;   // a copy of the pattern, made when the brush was
};

struct GdiBrush final : GdiObject {
    GdiBrush() : GdiObject(GdiObjectKind::Brush) {}
    LogicalBrush brush;
    LOGBRUSH described = {};       // what GetObjectW answers
};

struct GdiPen final : GdiObject {
    GdiPen() : GdiObject(GdiObjectKind::Pen) {}
    DWORD style = PS_SOLID;        // the PS_ style with its end cap, join and type bits
    DWORD width = 0;               // in logical units; 0 and 1 make a cosmetic one-pixel pen
    LogicalBrush brush;            // the colour (or brush) it draws with
    std::vector<DWORD> userStyle;  // PS_USERSTYLE dash and gap lengths
    bool geometric = false;        // a geometric pen: widened by its width, with its joins and end caps
    bool extended = false;         // made by ExtCreatePen: GetObjectW answers an EXTLOGPEN
    ULONG_PTR hatchGiven = 0;      // the lbHatch ExtCreatePen was given, answered back by GetObjectW

    DWORD Kind() const { return style & PS_STYLE_MASK; }
};

// A region: canonical rectangles (see engine/regions.h), in device coordinates when selected for clipping.
struct GdiRegion final : GdiObject {
    GdiRegion() : GdiObject(GdiObjectKind::Region) {}
    std::vector<RECTL> rects;
};

// A logical font: what the application asked for; the font it gets is chosen when a DC draws or measures.
struct GdiFont final : GdiObject {
    GdiFont() : GdiObject(GdiObjectKind::Font) {}
    LOGFONTW logFont = {};
};

HGDIOBJ                    AddGdiObject(std::shared_ptr<GdiObject> object);
std::shared_ptr<GdiObject> FindGdiObject(HGDIOBJ handle);

// The object behind the handle when it is of that kind; null otherwise.
template <typename Object>
std::shared_ptr<Object> FindGdiObjectOf(HGDIOBJ handle, GdiObjectKind kind)
{
    auto object = FindGdiObject(handle);
    if (object == nullptr || object->kind != kind)
        return nullptr;
    return std::static_pointer_cast<Object>(object);
}

// Removes a pending deletion's object from the table once no device context holds it selected.
void FinishPendingDeletion(HGDIOBJ handle);

} // namespace platform
