#pragma once
// text_fixture.h - the writer's PDEV with text to draw on it: font and string objects made as GDI makes them for
// a face of the stand-in, and the job's font substitution list sent through its escape.

#include "customnt/vqddigfx/escapes.h"
#include "customnt/vqddigfx/job_fixture.h"
#include "host/engine/font_object.h"
#include "host/engine/string_object.h"
#include "pdl/vxcmn/vqpdlnt/font_commands.h"
#include "pdl/vxcmn/vqpdlnt/vqtextout.h"
#include "platform/engine/font_requests.h"
#include "writer_fixture.h"

#include <cstdio>
#include <memory>
#include <string>

// What GDI draws text with: the pen's colour, whatever the DC's raster operation.
constexpr MIX kTextMix = R2_COPYPEN | R2_COPYPEN << 8;

// The colour and rops of black text on a page that has not drawn yet.
constexpr char kBlackText[] = "brm 1;\nbri #00 #FFFFFF;\nrop 3 #CC;\nbrs 0;\nrop 2 #0D;\n";

// One image the writer wrote: its place, its size and its rows (unpacked), from "mta" to "!>;".
struct WrittenImage {
    LONG x = 0, y = 0, width = 0, height = 0;
    std::vector<BYTE> rows;   // (width + 7) / 8 bytes a row

    // The pixels set, for comparing pictures of one glyph.
    size_t Ink() const
    {
        size_t n = 0;
        for (BYTE b : rows)
            n += static_cast<size_t>(__builtin_popcount(b));
        return n;
    }
};

// The one-bit images at their own size ("imt 1", "imm 1") in the bytes, in order.
inline std::vector<WrittenImage> ImagesIn(const std::string& bytes)
{
    std::vector<WrittenImage> images;
    for (size_t at = bytes.find("mta "); at != std::string::npos; at = bytes.find("mta ", at + 1)) {
        WrittenImage image;
        char kind[4] = {};
        long cbRow = 0, cbData = 0;
        int used = 0;
        if (std::sscanf(bytes.c_str() + at, "mta %ld %ld;\n%3s 1 %ld %ld %ld %ld <!%n", &image.x, &image.y, kind,
                        &image.width, &image.height, &cbRow, &cbData, &used) != 7 || used == 0)
            continue;
        const std::string data = bytes.substr(at + used, static_cast<size_t>(cbData));
        if (std::string(kind) == "imm") {
            image.rows.assign(data.begin(), data.end());
        } else {   // PackBits, row after row
            for (size_t i = 0; i < data.size();) {
                const auto control = static_cast<signed char>(data[i++]);
                if (control >= 0) {
                    image.rows.insert(image.rows.end(), data.begin() + i, data.begin() + i + control + 1);
                    i += static_cast<size_t>(control) + 1;
                } else {
                    image.rows.insert(image.rows.end(), static_cast<size_t>(1 - control), data[i++]);
                }
            }
        }
        images.push_back(image);
    }
    return images;
}

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
    // The job's font substitution list (TrueType face, device font), as the interface module sends it. The
    // escape takes a job's first list only: a list the test sent before is dropped first (its block stays
    // with the PDEV's other blocks).
    bool Substitute(std::initializer_list<std::pair<std::u16string, std::u16string>> names)
    {
        m_pdev->devmode.dmPrivate.fontSubstitutionList = nullptr;
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
