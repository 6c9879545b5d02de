#pragma once
// palettes.h - engine palettes: what a surface's pixel values mean as colours. Colours are COLORREF-ordered
// (red in the lowest byte) wherever the engine passes them between palettes.

#include <memory>
#include <vector>
#include "win/winddi.h"

namespace platform::engine {

struct Palette {
    ULONG iMode = PAL_RGB;              // PAL_INDEXED, PAL_BITFIELDS, PAL_RGB or PAL_BGR
    std::vector<ULONG> entries;         // PAL_INDEXED: the colours, red in the lowest byte
    FLONG masks[3] = {0, 0, 0};         // PAL_BITFIELDS: red, green, blue
};

std::shared_ptr<Palette> FindPalette(HPALETTE hpal);

// A palette's conversions between pixel values and colours, its bit fields worked out once for the many values
// of one drawing. It refers to the palette, which must outlive it.
class ColorCodec {
public:
    explicit ColorCodec(const Palette& palette);

    // The colour of a pixel value; an index past the palette's end is black.
    COLORREF ColorOf(ULONG value) const;
    // The pixel value that shows a colour best: the exact packing for the direct modes, the nearest entry (the
    // first of equals) for an indexed palette.
    ULONG ValueOf(COLORREF color) const;

private:
    // Where a colour channel lies in a bit-field pixel: the shift to its lowest bit and its widest value.
    struct Field {
        int shift = 0;
        ULONG max = 0;
        int width = 0;
        FLONG mask = 0;
    };
    static Field FieldOf(FLONG mask);
    static BYTE Extract(ULONG value, const Field& field);
    static ULONG Pack(BYTE channel, const Field& field);

    const Palette* m_palette;
    Field m_fields[3];   // red, green, blue, for PAL_BITFIELDS
};

// One value through a codec made for it.
COLORREF ColorOfValue(const Palette& palette, ULONG value);
ULONG ValueOfColor(const Palette& palette, COLORREF color);

} // namespace platform::engine
