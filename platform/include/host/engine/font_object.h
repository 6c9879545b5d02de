#pragma once
// font_object.h - FONTOBJ: a realised font as GDI hands it to a driver's DrvTextOut, with its IFIMETRICS, its
// notional-to-device transform, and its glyphs as bitmaps (GLYPHBITS) or outlines (PATHOBJ) on request.

#include <map>
#include <memory>
#include <utility>
#include <vector>
#include "host/engine/font_design.h"
#include "host/engine/path.h"
#include "host/engine/xform.h"

namespace platform::engine {

// Glyph bitmaps larger than this are refused: the engine holds each in one piece.
constexpr size_t kMaxGlyphBitsBytes = size_t{8} << 20;

class FontObject {
public:
    // A font object of the request: a realization of its own, with an iUniq no other font object has had.
    explicit FontObject(const FontRequest& request);
    ~FontObject();
    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;

    FONTOBJ* get() { return &m_fo; }
    const FontRequest& Request() const { return m_request; }
    IFIMETRICS* Metrics() { return reinterpret_cast<IFIMETRICS*>(m_ifi.data()); }
    XFORMOBJ* Xform() { return m_xform->get(); }

    // The glyph's outline (see GlyphOutline), made once.
    const std::vector<Figure>& Outline(HGLYPH hg);
    // The pixels the glyph's outline may reach, from its origin: each point's pixel and the one right and below
    // it; empty for a glyph without points. Made once, with the outline.
    const RECTL& OutlineBounds(HGLYPH hg);

    // The glyph's data with its bitmap (FO_GLYPHBITS) or its outline path (FO_PATHOBJ), valid as long as the
    // font object; null with ERROR_NOT_ENOUGH_MEMORY for a bitmap larger than kMaxGlyphBitsBytes.
    GLYPHDATA* Glyph(HGLYPH hg, ULONG mode);

private:
    struct OutlineEntry {
        std::vector<Figure> figures;
        RECTL bounds = {};
    };

    const OutlineEntry& OutlineOf(HGLYPH hg);

    struct GlyphEntry {
        GLYPHDATA data = {};
        std::vector<ULONG> bits;             // the GLYPHBITS record, whole 32-bit words
        std::unique_ptr<PathObject> path;
    };

    bool MakeBits(HGLYPH hg, GlyphEntry& entry);
    void MakePath(HGLYPH hg, GlyphEntry& entry);

    FONTOBJ m_fo = {};
    FontRequest m_request;
    std::vector<ULONG> m_ifi;                // the IFIMETRICS record and its name strings
    std::unique_ptr<XformObject> m_xform;
    std::map<HGLYPH, OutlineEntry> m_outlines;
    std::map<std::pair<HGLYPH, ULONG>, GlyphEntry> m_glyphs;
};

FontObject* FindFont(const FONTOBJ* pfo);

} // namespace platform::engine
