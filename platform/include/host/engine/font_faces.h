#pragma once
// font_faces.h - the fonts the stand-in carries: a few designs (a pen drawing the glyph skeletons, and the
// spacing of the glyphs) and the face names applications and drivers know them by, several names to a design.

#include <cstddef>
#include <string_view>
#include "win/winddi.h"

namespace platform::engine {

struct FontDesign {
    double pen;          // stroke width, in design units
    ULONG  join;         // JOIN_ROUND, JOIN_BEVEL or JOIN_MITER, where strokes bend
    ULONG  endCap;       // ENDCAP_ROUND, ENDCAP_SQUARE or ENDCAP_BUTT, where they end
    BYTE   fixedAdvance; // 0: proportional; else the advance of every half-width glyph (wider ones squeezed)
    bool   japanese;     // holds the kana and kanji; the others show the default glyph for them
    BYTE   serifStyle;   // the PANOSE serif style the metrics give
};

struct FontFace {
    const WCHAR*      faceName;         // null ends the table; a leading '@' names the vertical-writing face
    BYTE              charSet;          // ANSI_CHARSET or SHIFTJIS_CHARSET
    BYTE              pitchAndFamily;   // FIXED_PITCH or VARIABLE_PITCH with the FF_ family
    const FontDesign* design;
};

// The face of that name, compared without regard to case; null when the stand-in has none.
const FontFace* FindFontFace(std::u16string_view faceName);

// The faces in table order, for enumeration; null past the last.
const FontFace* FontFaceAt(size_t index);

// The face's position in the table + 1: the face number drivers see in FONTOBJ.iFace.
ULONG FaceNumberOf(const FontFace& face);

inline bool IsVerticalFace(const FontFace& face)
{
    return face.faceName[0] == u'@';
}

} // namespace platform::engine
