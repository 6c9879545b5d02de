// text_out_test.cpp - EngTextOut on bitmap surfaces: the glyphs of an engine string object land as their glyph
// bitmaps show them, with the opaque and extra rectangles and the clip; another's glyph bitmaps are drawn too.
#include "bitmaps.h"
#include "host/engine/brush.h"
#include "host/engine/clip.h"
#include "host/engine/string_object.h"
#include "font_requests.h"

#include <string>

using platform::engine::BrushObject;
using platform::engine::ClipObject;
using platform::engine::FontObject;
using platform::engine::FontRequest;
using platform::engine::StringLayout;
using platform::engine::StringObject;

namespace {

StringLayout LayoutAt(const FontRequest& request, const std::u16string& text, POINTL origin)
{
    StringLayout layout;
    layout.text = text;
    for (const char16_t c : text) {
        const HGLYPH hg = platform::engine::GlyphOf(request, c);
        layout.glyphs.push_back(hg);
        layout.positions.push_back(origin);
        origin.x += platform::engine::AdvanceOf(request, hg);
    }
    return layout;
}

std::string Row(const TestBitmap& bitmap, LONG y)
{
    std::string row;
    for (LONG x = 0; x < bitmap.cx(); ++x)
        row += bitmap.Get(x, y) ? '#' : '.';
    return row;
}

} // namespace

TEST(EngTextOut, GlyphsLandAsTheirGlyphBitmapsShowThem)
{
    // Every glyph of a mixed string, at its position, is exactly its bitmap from FONTOBJ_cGetGlyphs.
    const FontRequest request = RequestOf(u"ＭＳ Ｐ明朝", 16);
    FontObject font(request);
    StringObject string(font, LayoutAt(request, u"Ag日本?", {2, 15}), FO_GLYPHBITS);
    TestBitmap drawn(100, 24, BMF_1BPP);
    auto ink = BrushObject::Solid(1, RGB(0, 0, 0));
    ASSERT_TRUE(EngTextOut(drawn.so(), string.get(), font.get(), nullptr, nullptr, nullptr, ink->get(), nullptr,
                           nullptr, R2_COPYPEN | R2_COPYPEN << 8));
    TestBitmap expected(100, 24, BMF_1BPP);
    for (ULONG i = 0; i < string.get()->cGlyphs; ++i) {
        const GLYPHPOS& pos = string.get()->pgp[i];
        const GLYPHBITS* pgb = pos.pgdf->pgb;
        const LONG stride = (pgb->sizlBitmap.cx + 7) / 8;
        for (LONG y = 0; y < pgb->sizlBitmap.cy; ++y)
            for (LONG x = 0; x < pgb->sizlBitmap.cx; ++x)
                if ((pgb->aj[y * stride + x / 8] >> (7 - x % 8)) & 1)
                    expected.Set(pos.ptl.x + pgb->ptlOrigin.x + x, pos.ptl.y + pgb->ptlOrigin.y + y, 1);
    }
    for (LONG y = 0; y < 24; ++y)
        EXPECT_EQ(Row(drawn, y), Row(expected, y)) << "row " << y;
}

TEST(EngTextOut, OpaqueRectangleFirstThenGlyphsThenExtraRectanglesAllInTheClip)
{
    // An 'l' of a one-pixel pen from the baseline (row 9) up; the underline over the opaque rectangle's last row;
    // nothing right of the clip's column 6.
    const FontRequest request = RequestOf(u"Arial", 10);
    FontObject font(request);
    StringObject string(font, LayoutAt(request, u"l", {1, 9}), FO_HGLYPHS);
    TestBitmap bitmap(8, 12, BMF_8BPP);
    auto text = BrushObject::Solid(7, RGB(0, 0, 0));
    auto background = BrushObject::Solid(3, RGB(255, 255, 255));
    RECTL opaque = {0, 0, 8, 11};
    RECTL extra[] = {{0, 10, 8, 11}, {0, 0, 0, 0}};
    auto clip = ClipObject::FromRectangles({{0, 0, 6, 12}});
    ASSERT_TRUE(EngTextOut(bitmap.so(), string.get(), font.get(), clip->get(), extra, &opaque, text->get(),
                           background->get(), nullptr, R2_COPYPEN | R2_COPYPEN << 8));
    std::vector<std::string> rows;
    for (LONG y = 0; y < 12; ++y) {
        std::string row;
        for (LONG x = 0; x < 8; ++x)
            row += static_cast<char>('0' + bitmap.Get(x, y));
        rows.push_back(row);
    }
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "33333300",
                        "33333300",
                        "33733300",
                        "33733300",
                        "33733300",
                        "33733300",
                        "33733300",
                        "33733300",
                        "33733300",
                        "33733300",
                        "77777700",
                        "00000000",
                    }));
}

TEST(EngTextOut, GlyphBitmapsOfAnotherStringObjectAreDrawn)
{
    // A string object the engine did not make: its glyph list carries the bitmaps.
    BYTE bits[sizeof(GLYPHBITS) + 4] = {};
    auto* pgb = reinterpret_cast<GLYPHBITS*>(bits);
    pgb->ptlOrigin = {0, -2};
    pgb->sizlBitmap = {3, 2};
    pgb->aj[0] = 0xA0;   // #.#
    pgb->aj[1] = 0x40;   // .#.
    GLYPHDEF def = {};
    def.pgb = pgb;
    GLYPHPOS pos = {1, &def, {1, 3}};
    STROBJ stro = {};
    stro.cGlyphs = 1;
    stro.pgp = &pos;
    TestBitmap bitmap(5, 4, BMF_1BPP);
    auto ink = BrushObject::Solid(1, RGB(0, 0, 0));
    ASSERT_TRUE(EngTextOut(bitmap.so(), &stro, nullptr, nullptr, nullptr, nullptr, ink->get(), nullptr, nullptr,
                           R2_COPYPEN | R2_COPYPEN << 8));
    EXPECT_EQ(Row(bitmap, 1), ".#.#.");
    EXPECT_EQ(Row(bitmap, 2), "..#..");
    EXPECT_EQ(Row(bitmap, 3), ".....");
}
