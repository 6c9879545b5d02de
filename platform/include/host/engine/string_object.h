#pragma once
// string_object.h - STROBJ: the glyphs of one DrvTextOut, their handles and device positions, with the glyph
// definitions the driver's glyph mode asks for, handed out whole (pgp) or in batches (STROBJ_bEnum).

#include <string>
#include <vector>
#include "host/engine/font_object.h"

namespace platform::engine {

// STROBJ_bEnum hands out at most this many glyphs a call.
constexpr ULONG kGlyphBatch = 32;

struct StringLayout {
    std::vector<HGLYPH> glyphs;
    std::vector<POINTL> positions;   // each glyph's origin on the surface
    std::u16string text;             // the characters the glyphs show, one each
    RECTL background = {};           // the text's cell box on the surface
    FLONG accel = 0;                 // SO_ flags
    ULONG charInc = 0;               // the one advance of every glyph of fixed-pitch text, else 0
};

class StringObject {
public:
    // The glyphs of the font; each GLYPHPOS gets the glyph's bitmap (FO_GLYPHBITS) or outline (FO_PATHOBJ) as
    // the glyph mode says, none for FO_HGLYPHS or a glyph too large for a bitmap.
    StringObject(FontObject& font, StringLayout layout, ULONG glyphMode);
    ~StringObject();
    StringObject(const StringObject&) = delete;
    StringObject& operator=(const StringObject&) = delete;

    STROBJ* get() { return &m_so; }
    FontObject& Font() const { return m_font; }
    const StringLayout& Layout() const { return m_layout; }

    void StartEnumeration() { m_next = 0; }
    BOOL Enumerate(ULONG* pc, PGLYPHPOS* ppgpos);

private:
    STROBJ m_so = {};
    FontObject& m_font;
    StringLayout m_layout;
    std::vector<GLYPHPOS> m_glyphs;
    size_t m_next = 0;
};

StringObject* FindString(const STROBJ* pstro);

} // namespace platform::engine
