#pragma once
// text_fixture.h - the writer's PDEV with text to draw on it: font and string objects made as GDI makes them for
// a face of the stand-in, and the job's font substitution list sent through its escape.

#include "customnt/vqddigfx/escapes.h"
#include "customnt/vqddigfx/job_fixture.h"
#include "engine/font_object.h"
#include "engine/string_object.h"
#include "pdl/vxcmn/vqpdlnt/vqtextout.h"
#include "platform/engine/font_requests.h"
#include "writer_fixture.h"

#include <memory>
#include <string>

// What GDI draws text with: the pen's colour, whatever the DC's raster operation.
constexpr MIX kTextMix = R2_COPYPEN | R2_COPYPEN << 8;

// The colour and rop of black text on a page that has not drawn yet.
constexpr char kBlackText[] = "brm 1;\nbri #00 #FFFFFF;\nbrs 0;\nrop 2 #0D;\n";

// A font at the printer's 600 dpi: the face, its em in pixels, the baseline's angle in tenths of a degree, a
// width stretch, GDI's simulations.
inline platform::engine::FontRequest FontAt(const char16_t* face, double em, LONG escapement = 0,
                                            double widthScale = 1, bool bold = false, bool italic = false)
{
    platform::engine::FontRequest request = RequestOf(face, em, 600);
    request.escapement = escapement;
    request.widthScale = widthScale;
    request.bold = bold;
    request.italic = italic;
    return request;
}

// A realised font and a string of its glyphs: glyph i of the text at start + (i x step, 0).
class TextRun {
public:
    TextRun(const platform::engine::FontRequest& request, const std::u16string& text, POINTL start = {100, 200},
            LONG step = 50, ULONG glyphMode = FO_GLYPHBITS)
        : m_font(std::make_unique<platform::engine::FontObject>(request))
    {
        platform::engine::StringLayout layout;
        layout.text = text;
        for (size_t i = 0; i < text.size(); ++i) {
            layout.glyphs.push_back(platform::engine::GlyphOf(request, text[i]));
            layout.positions.push_back({start.x + static_cast<LONG>(i) * step, start.y});
        }
        m_string = std::make_unique<platform::engine::StringObject>(*m_font, std::move(layout), glyphMode);
    }

    FONTOBJ* font() { return m_font->get(); }
    STROBJ* string() { return m_string->get(); }
    // The font's metrics, for a test to change what GDI would report.
    IFIMETRICS* metrics() { return m_font->Metrics(); }

private:
    std::unique_ptr<platform::engine::FontObject> m_font;
    std::unique_ptr<platform::engine::StringObject> m_string;
};

class TextTest : public WriterTest {
protected:
    // The job's font substitution list (TrueType face, device font), as the interface module sends it.
    bool Substitute(std::initializer_list<std::pair<std::u16string, std::u16string>> names)
    {
        std::vector<BYTE> nodes = FontNodes(names);
        return EngineEscape(&m_surface, ESC_SET_FONT_SUBST, static_cast<ULONG>(nodes.size()), nodes.data(), 0,
                            nullptr) == 1;
    }

    // The text in the foreground brush (black when none), with the optional rectangles and clip.
    BOOL Draw(TextRun& run, BRUSHOBJ* pboFore = nullptr, RECTL* prclOpaque = nullptr, BRUSHOBJ* pboOpaque = nullptr,
              RECTL* prclExtra = nullptr, CLIPOBJ* pco = nullptr)
    {
        POINTL origin = {0, 0};
        return PdlTextOut(&m_surface, run.string(), run.font(), pco, prclExtra, prclOpaque,
                          pboFore != nullptr ? pboFore : Solid(0), pboOpaque, &origin, kTextMix);
    }

    // The bytes of one text call.
    std::string Drawn(TextRun& run, BRUSHOBJ* pboFore = nullptr)
    {
        EXPECT_TRUE(Draw(run, pboFore));
        return Take();
    }
};
