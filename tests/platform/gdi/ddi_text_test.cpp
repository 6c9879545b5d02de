// ddi_text_test.cpp - text on a printer DC: the string, font and brush objects DrvTextOut receives and what the
// driver gets back from the string and font services, GDI's fall-backs when the driver has no text hook or
// declines, and a banded page's text in every band.
#include "canvas.h"
#include "printer_drawing.h"
#include "test_fonts.h"

#include <algorithm>

namespace {

constexpr FLONG kTextHooks = HOOK_BITBLT | HOOK_TEXTOUT;

} // namespace

class PrinterText : public PrinterDrawing {
protected:
    void TearDown() override
    {
        m_fonts.Clear();
        PrinterDrawing::TearDown();
    }

    // The driver's text report: its DrvTextOut line, its font line and its batch lines.
    static std::vector<std::string> TextLines()
    {
        std::vector<std::string> lines;
        for (const std::string& line : ModuleLines()) {
            const std::string text = line.substr(8);
            if (text.rfind("DrvTextOut", 0) == 0 || text.rfind("font ", 0) == 0 || text.rfind("batch ", 0) == 0)
                lines.push_back(text);
        }
        return lines;
    }

    TestFonts m_fonts;
};

TEST_F(PrinterText, DrvTextOutReceivesTheGlyphsTheirFontAndTheBrushes)
{
    HDC hdc = OpenPage(Options(kTextHooks, 0));
    m_fonts.Select(hdc, u"Arial", -10);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"Ab", 2));
    // The glyph handles of 'A' and 'b' on the baseline 9 pixels below the cell's top, 'b' after the 7-pixel 'A';
    // proportional text has no fixed increment; the opaque background is the cells in the white brush.
    EXPECT_EQ(TextLines(), (std::vector<std::string>{
                               "DrvTextOut clip 0 2,3,16,14 glyphs 2 accel 3 inc 0 bk 2,3,15,14 opaque 2,3,15,14 "
                               "extra 0 fore brush 0 back brush 1 mix d0d text Ab",
                               "font 1 cx 9 type 8004 res 300x300 size 2 family Arial face Arial charset 0 pitch 22 "
                               "weight 400 sel 40 em 1000 xform 2 10,0,0,10",
                               "batch 2 34@2,12+ 67@9,12+",
                           }));
    EXPECT_EQ(DriverLines("DrvGetGlyphMode"), (std::vector<std::string>{"DrvGetGlyphMode 1"}))
        << "asked before the glyphs are given their bitmaps";
    ClosePage(hdc);
}

TEST_F(PrinterText, JapaneseFontIsDoubleByteWithAFixedIncrementAndTurnedTextItsTransform)
{
    struct Case {
        const char* name;
        LONG escapement, weight;
        BYTE italic;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"upright", 0, FW_NORMAL, 0,
         {"DrvTextOut clip 0 20,20,41,31 glyphs 2 accel 3 inc 10 bk 20,20,40,31 opaque none extra 0 fore brush 0 "
          "back brush none mix d0d text 日本",
          "font 26 cx 10 type 1008004 res 300x300 size 2 family ＭＳ 明朝 face ＭＳ 明朝 charset 128 pitch 11 "
          "weight 400 sel 40 em 1000 xform 2 10,0,0,10",
          "batch 2 111@20,29+ 112@30,29+"}},
        // Up the page, emboldened and slanted by the flags alone (the metrics stay the regular design's); the
        // cells reach past the page's top, so the clip is the page's part of them.
        {"turned", 900, FW_BOLD, 1,
         {"DrvTextOut clip 1 20,0,31,20 glyphs 2 accel 1 inc 0 bk 20,-2,31,20 opaque none extra 0 fore brush 0 "
          "back brush none mix d0d text 日本",
          "font 26 cx 11 type 100e004 res 300x300 size 2 family ＭＳ 明朝 face ＭＳ 明朝 charset 128 pitch 11 "
          "weight 400 sel 40 em 1000 xform 3 0,-10,10,0",
          "batch 2 111@29,20+ 112@29,9+"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC hdc = OpenPage(Options(kTextHooks, 0));
        m_fonts.Select(hdc, u"ＭＳ 明朝", -10, c.escapement, c.weight, c.italic);
        SetBkMode(hdc, TRANSPARENT);
        ASSERT_TRUE(TextOutW(hdc, 20, 20, u"日本", 2));
        EXPECT_EQ(TextLines(), c.lines);
        ClosePage(hdc);
    }
}

TEST_F(PrinterText, DriverGetsGlyphBitmapsAndOutlinesIncludingTheDefaultGlyph)
{
    TestDriverOptions options = Options(kTextHooks, 0);
    options.reportGlyphs = true;
    HDC hdc = OpenPage(options);
    m_fonts.Select(hdc, u"Arial", -10);
    SetBkMode(hdc, TRANSPARENT);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A日", 2));
    std::vector<std::string> glyphs;
    for (const std::string& line : ModuleLines())
        if (line.rfind("TESTDRV bits", 0) == 0 || line.rfind("TESTDRV row", 0) == 0 ||
            line.rfind("TESTDRV outline", 0) == 0)
            glyphs.push_back(line.substr(8));
    // The outline's bounds are in 28.4 around the origin; the bitmap is its filled pixels.
    EXPECT_EQ(glyphs, (std::vector<std::string>{
                          "bits 34 at 0,-7 size 7x8 advance 7",
                          "row ...#...",
                          "row ...##..",
                          "row ..#.#..",
                          "row ..#.#..",
                          "row ..####.",
                          "row .#...#.",
                          "row .#....#",
                          "row ##....#",
                          "outline 34 bounds 0,-120,104,8",
                          "bits 0 at 1,-7 size 5x8 advance 6",
                          "row #####",
                          "row #...#",
                          "row #...#",
                          "row #...#",
                          "row #...#",
                          "row #...#",
                          "row #...#",
                          "row #####",
                          "outline 0 bounds 8,-120,88,8",
                      }));
    ClosePage(hdc);
}

TEST_F(PrinterText, WithoutTheDriverTheEngineDrawsWhatAMemoryDcWould)
{
    // The same text on a memory DC of the page's size and format.
    Canvas canvas(kPageWidth, kPageHeight, 1);
    const HFONT font = m_fonts.Select(canvas.dc(), u"Times New Roman", -12, 0, FW_NORMAL, 0, /*underline=*/1);
    SetBkMode(canvas.dc(), TRANSPARENT);
    ASSERT_TRUE(TextOutW(canvas.dc(), 3, 5, u"Text日", 5));
    const std::vector<std::string> expected = canvas.Picture();
    ASSERT_NE(std::count(expected.begin(), expected.end(), std::string(kPageWidth, '.')), kPageHeight);

    struct Case {
        const char* name;
        FLONG hooks;
        bool decline;
        size_t textCalls;
    };
    const Case cases[] = {
        {"no text hook", HOOK_BITBLT, false, 0},
        {"declined", kTextHooks, true, 1},
        {"drawn by the driver through the engine", kTextHooks, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDriverOptions options = Options(c.hooks, 0);
        options.declineText = c.decline;
        options.reportPixels = true;
        HDC hdc = OpenPage(options);
        SelectObject(hdc, font);
        SetBkMode(hdc, TRANSPARENT);
        ASSERT_TRUE(TextOutW(hdc, 3, 5, u"Text日", 5));
        ASSERT_GT(EndPage(hdc), 0);
        EXPECT_EQ(DriverLines("DrvTextOut").size(), c.textCalls);
        EXPECT_EQ(ReportedPage(), expected);
        ClosePage(hdc);
    }
}

TEST_F(PrinterText, OnADeviceSurfaceDeclinedTextBecomesBlitsOfItsPixels)
{
    TestDriverOptions options = Options(kTextHooks, 0);
    options.deviceSurface = true;
    options.declineText = true;
    HDC hdc = OpenPage(options);
    m_fonts.Select(hdc, u"Arial", -10);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"l", 1));
    // The background (the 'l' cell, two pixels wide) in the white brush, then the glyph's stem in the black one.
    std::vector<std::string> calls;
    for (const std::string& line : DriverLines())
        calls.push_back(line.substr(0, line.find(' ')) + (line.rfind("DrvBitBlt", 0) == 0 ? " " + line.substr(10) : ""));
    EXPECT_EQ(calls, (std::vector<std::string>{
                         "DrvGetGlyphMode",
                         "DrvTextOut",
                         "DrvBitBlt clip 1 2,3,4,14 dest 2,3,4,14 src none rop f0f0 brush 1",
                         "DrvBitBlt clip 1 3,5,4,13 dest 3,5,4,13 src none rop f0f0 brush 0",
                     }));
    ClosePage(hdc);
}

TEST_F(PrinterText, EachBandGetsTheTextMovedToItsOrigin)
{
    TestDriverOptions options = Options(kTextHooks, 0);
    options.bands = 2;   // bands of 20 rows
    HDC hdc = OpenPage(options);
    m_fonts.Select(hdc, u"Arial", -10);
    SetBkMode(hdc, TRANSPARENT);
    ASSERT_TRUE(TextOutW(hdc, 4, 15, u"l", 1));
    EXPECT_TRUE(DriverLines("DrvTextOut").empty()) << "kept for the bands until the page ends";
    ASSERT_GT(EndPage(hdc), 0);
    std::vector<std::string> batches;
    for (const std::string& line : TextLines())
        if (line.rfind("batch", 0) == 0)
            batches.push_back(line);
    EXPECT_EQ(batches, (std::vector<std::string>{"batch 1 77@4,24+", "batch 1 77@4,4+"}));
    ClosePage(hdc);
}
