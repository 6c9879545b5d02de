// font_realizations_test.cpp - font realizations as a driver sees them: one FONTOBJ per device context, logical
// font and size, whose iUniq and pvConsumer data last from one text call to the next, and one DrvDestroyFont
// when the realization goes (its font deleted, its device context deleted or reset, or pushed out by newer ones).
#include "host/gdi.h"
#include "printer_drawing.h"

#include <map>

namespace {

constexpr FLONG kTextHooks = HOOK_BITBLT | HOOK_TEXTOUT;

HFONT MakeFont(LONG height, const char16_t* face = u"Arial")
{
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
}

} // namespace

class FontRealizations : public PrinterDrawing {
protected:
    TestDriverOptions KeepingOptions(LONG bands = 0)
    {
        TestDriverOptions options = Options(kTextHooks, 0);
        options.keepFontData = true;
        options.bands = bands;
        return options;
    }

    // The driver's font lines and the page and PDEV calls between them, each iUniq named by a letter in the
    // order the driver first saw it ("fontdata A calls 1 new"), so that lines read the same whatever the count
    // of realizations made before the test.
    std::vector<std::string> FontLines()
    {
        std::vector<std::string> lines;
        for (const std::string& line : DriverLines("")) {
            const bool font = line.rfind("fontdata ", 0) == 0 || line.rfind("DrvDestroyFont ", 0) == 0;
            if (!font) {
                if (line.rfind("DrvGetGlyphMode", 0) == 0 || line == "DrvSendPage" || line == "DrvDisablePDEV" ||
                    line.rfind("DrvNextBand", 0) == 0 || line.rfind("DrvResetPDEV", 0) == 0)
                    lines.push_back(line.substr(0, line.find(' ')));
                continue;
            }
            const size_t at = line.find(' ') + 1;
            const size_t end = line.find(' ', at);
            const std::string uniq = line.substr(at, end - at);
            const auto named = m_names.try_emplace(uniq, std::string(1, static_cast<char>('A' + m_names.size())));
            lines.push_back(line.substr(0, at) + named.first->second + line.substr(end));
        }
        host::ClearDebugTrace();
        return lines;
    }

    std::map<std::string, std::string> m_names;
};

TEST_F(FontRealizations, OneRealizationServesEveryCallInTheFontAndGoesOnceWithTheDc)
{
    HDC hdc = OpenPage(KeepingOptions());
    const HFONT font = MakeFont(-10);
    SelectObject(hdc, font);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"Ab", 2));
    ASSERT_TRUE(TextOutW(hdc, 2, 20, u"bA", 2));
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_GT(StartPage(hdc), 0);
    ASSERT_TRUE(ExtTextOutW(hdc, 2, 3, 0, nullptr, u"A", 1, nullptr));
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_GT(EndDoc(hdc), 0);
    // The driver's data for the font outlives each call and each page; the glyph mode is asked once.
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvGetGlyphMode", "fontdata A calls 1 new", "fontdata A calls 2",
                                                     "DrvSendPage", "fontdata A calls 3", "DrvSendPage"}));
    ASSERT_TRUE(DeleteDC(hdc));
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvDestroyFont A calls 3", "DrvDisablePDEV"}))
        << "the realization goes before the PDEV it was made for";
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(FontLines().empty()) << "told once only";
}

TEST_F(FontRealizations, ADeletedFontTakesItsRealizationAlongAndItsLikenessGetsANewOne)
{
    HDC hdc = OpenPage(KeepingOptions());
    const HFONT font = MakeFont(-10);
    SelectObject(hdc, font);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A", 1));
    EXPECT_FALSE(DeleteObject(font)) << "still selected: it goes when let go";
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvGetGlyphMode", "fontdata A calls 1 new"}));
    SelectObject(hdc, GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvDestroyFont A calls 1"}));

    const HFONT again = MakeFont(-10);
    SelectObject(hdc, again);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A", 1));
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvGetGlyphMode", "fontdata B calls 1 new"}));
    SelectObject(hdc, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(again));
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvDestroyFont B calls 1"}));
    ClosePage(hdc);
}

TEST_F(FontRealizations, TwoDcsNeverShareARealization)
{
    HDC first = OpenPage(KeepingOptions());
    HDC second = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(second, nullptr);
    DOCINFOW di = {sizeof di, u"Second", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(second, &di), 0);
    ASSERT_GT(StartPage(second), 0);
    host::ClearDebugTrace();

    const HFONT font = MakeFont(-10);   // one logical font, selected into both
    SelectObject(first, font);
    SelectObject(second, font);
    ASSERT_TRUE(TextOutW(first, 2, 3, u"A", 1));
    ASSERT_TRUE(TextOutW(second, 2, 3, u"A", 1));
    ASSERT_TRUE(TextOutW(first, 2, 3, u"A", 1));
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvGetGlyphMode", "fontdata A calls 1 new", "DrvGetGlyphMode",
                                                     "fontdata B calls 1 new", "fontdata A calls 2"}));
    ClosePage(first);
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvSendPage", "DrvDestroyFont A calls 2", "DrvDisablePDEV"}))
        << "the first DC's realization goes with it, and only that one";
    ASSERT_TRUE(TextOutW(second, 2, 3, u"A", 1));
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"fontdata B calls 2"}));
    ClosePage(second);
    EXPECT_TRUE(DeleteObject(font));
}

TEST_F(FontRealizations, ADcKeepsItsMostRecentlyUsedRealizationsOnly)
{
    HDC hdc = OpenPage(KeepingOptions());
    std::vector<HFONT> fonts;
    for (size_t i = 0; i <= host::kMaxFontRealizationsPerDc; ++i)
        fonts.push_back(MakeFont(-10 - static_cast<LONG>(i)));   // A, B, C, ... by size
    std::vector<std::string> expected;
    for (size_t i = 0; i < host::kMaxFontRealizationsPerDc; ++i) {
        SelectObject(hdc, fonts[i]);
        ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A", 1));
        expected.push_back("DrvGetGlyphMode");
        expected.push_back(std::string("fontdata ") + static_cast<char>('A' + i) + " calls 1 new");
    }
    // The first is used again, so the second is the least recently used when one more comes.
    SelectObject(hdc, fonts[0]);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A", 1));
    SelectObject(hdc, fonts.back());
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A", 1));
    const std::string last(1, static_cast<char>('A' + host::kMaxFontRealizationsPerDc));
    // The one pushed out goes as the new one is made, before the driver draws in it.
    expected.insert(expected.end(), {"fontdata A calls 2", "DrvDestroyFont B calls 1", "DrvGetGlyphMode",
                                     "fontdata " + last + " calls 1 new"});
    EXPECT_EQ(FontLines(), expected);

    // The second font used again is realised anew; everything left goes with the DC, each once.
    SelectObject(hdc, fonts[1]);
    ASSERT_TRUE(TextOutW(hdc, 2, 3, u"A", 1));
    const std::vector<std::string> again = FontLines();
    ASSERT_EQ(again.size(), 3u);
    EXPECT_EQ(again[0], "DrvDestroyFont C calls 1");
    EXPECT_EQ(again[2], "fontdata " + std::string(1, static_cast<char>('B' + host::kMaxFontRealizationsPerDc)) +
                            " calls 1 new");
    ClosePage(hdc);
    size_t destroyed = 0;
    for (const std::string& line : FontLines())
        destroyed += line.rfind("DrvDestroyFont", 0) == 0;
    EXPECT_EQ(destroyed, host::kMaxFontRealizationsPerDc);
    for (const HFONT font : fonts)
        DeleteObject(font);
}

TEST_F(FontRealizations, AResetDcStartsAfreshAndABandedPageKeepsItsFontUntilItsBandsAreDrawn)
{
    HDC hdc = OpenPage(KeepingOptions(/*bands=*/2));
    const HFONT font = MakeFont(-10);
    SelectObject(hdc, font);
    ASSERT_TRUE(TextOutW(hdc, 4, 15, u"l", 1));
    // Deleted before the page ends: the bands still draw in it, and it goes once they are done.
    SelectObject(hdc, GetStockObject(SYSTEM_FONT));
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(FontLines().empty());
    ASSERT_GT(EndPage(hdc), 0);
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvGetGlyphMode", "fontdata A calls 1 new", "DrvNextBand",
                                                     "fontdata A calls 2", "DrvNextBand", "DrvDestroyFont A calls 2",
                                                     "DrvSendPage"}));

    const HFONT other = MakeFont(-12);
    SelectObject(hdc, other);
    ASSERT_GT(StartPage(hdc), 0);
    ASSERT_TRUE(TextOutW(hdc, 4, 15, u"l", 1));
    ASSERT_GT(EndPage(hdc), 0);
    FontLines();
    ASSERT_NE(ResetDCW(hdc, nullptr), nullptr);
    EXPECT_EQ(FontLines(), (std::vector<std::string>{"DrvResetPDEV", "DrvDestroyFont B calls 2", "DrvDisablePDEV"}));
    ASSERT_GT(StartPage(hdc), 0);
    ASSERT_TRUE(TextOutW(hdc, 4, 15, u"l", 1));
    ASSERT_GT(EndPage(hdc), 0);
    const std::vector<std::string> after = FontLines();
    ASSERT_GE(after.size(), 2u);
    EXPECT_EQ(after[1], "fontdata C calls 1 new") << "the new PDEV's realization is a new one";
    ClosePage(hdc);
    EXPECT_TRUE(DeleteObject(other));
}
