// font_choice_test.cpp - which text calls go out in a resident font, and in which size, width and angle: the
// substitution list, the character sets that fit, glyph-index text, the printer's size limit, the baseline
// angle read against the tangent table, and the N-up scale.
#include "text_fixture.h"
#include "pdl/vxcmn/vqpdlnt/font_choice.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"

namespace {

using FontChoice = TextTest;

// The row a call's "fos" names, or -1 when the call went out as glyph images.
int ChosenRow(const std::string& bytes)
{
    const size_t at = bytes.find("fos ");
    return at == std::string::npos ? -1 : std::atoi(bytes.c_str() + at + 4);
}

TEST_F(FontChoice, TheResidentFontsCharacterSetMustFitTheFonts)
{
    ASSERT_NE(Open(), nullptr);
    struct Case {
        BYTE metricsSet;       // what the TrueType font says it holds
        const char16_t* device;
        int row;               // -1: glyph images
    };
    const Case cases[] = {
        {DEFAULT_CHARSET,  u"Arial",   5},  {DEFAULT_CHARSET,  u"Symbol", 81}, {DEFAULT_CHARSET,  u"HG明朝L", 88},
        {SHIFTJIS_CHARSET, u"Arial",  -1},  {SHIFTJIS_CHARSET, u"Symbol", -1}, {SHIFTJIS_CHARSET, u"HG明朝L", 88},
        {ANSI_CHARSET,     u"Arial",   5},  {ANSI_CHARSET,     u"Symbol", -1}, {ANSI_CHARSET,     u"HG明朝L", -1},
        {SYMBOL_CHARSET,   u"Arial",  -1},  {SYMBOL_CHARSET,   u"Symbol", 81}, {SYMBOL_CHARSET,   u"HG明朝L", -1},
        {OEM_CHARSET,      u"Arial",  -1},  {OEM_CHARSET,      u"Symbol", -1}, {OEM_CHARSET,      u"HG明朝L", -1},
        {134 /*GB2312*/,   u"Arial",  -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_TRUE(Substitute({{u"Arial", c.device}}));
        PdlResetPageState(m_pdev);
        TextRun run(FontAt(u"Arial", 50), u"a");
        run.metrics()->jWinCharSet = c.metricsSet;
        const std::string bytes = Drawn(run);
        EXPECT_EQ(ChosenRow(bytes), c.row) << bytes;
        EXPECT_EQ(ImagesIn(bytes).size(), c.row < 0 ? 1u : 0u) << bytes;
    }
}

TEST_F(FontChoice, AVerticalFaceTakesTheVerticalFormOfTheResidentFace)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"ＭＳ 明朝", u"HG明朝L"}, {u"ＭＳ ゴシック", u"HGゴシックB"}}));
    struct Case { const char16_t* face; int row; };
    for (const Case c : {Case{u"ＭＳ 明朝", 88}, Case{u"@ＭＳ 明朝", 90}, Case{u"@ＭＳ ゴシック", 91}}) {
        SCOPED_TRACE(testing::Message() << "row " << c.row);
        TextRun run(FontAt(c.face, 50), u"一");
        const std::string bytes = Drawn(run);
        EXPECT_EQ(ChosenRow(bytes), c.row) << bytes;
        EXPECT_NE(bytes.find("txo #88EA 100 200;\n"), std::string::npos) << bytes;
    }
}

TEST_F(FontChoice, SizeWidthAndAngleGoOutAsTwentyFourEightNumbers)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    struct Case {
        double em;             // pixels at 600 dpi
        double widthScale;
        LONG escapement;       // tenths of a degree, counter-clockwise
        const char* state;     // the "fop" and "for" lines
    };
    const Case cases[] = {
        {50,  1,   0,    "fop %6 %1;\nfor %0;\n"},
        {100, 1,   0,    "fop %12 %1;\nfor %0;\n"},
        {7,   1,   0,    "fop %0.813 %1;\nfor %0;\n"},     // 7 px = 0.84 pt, carried in 28.4 units: 13/16
        {50,  2,   0,    "fop %6 %2;\nfor %0;\n"},
        {50,  0.5, 0,    "fop %6 %0.5;\nfor %0;\n"},
        {50,  1,   450,  "fop %6 %1;\nfor %45;\n"},        // the eight exact directions
        {50,  1,   900,  "fop %6 %1;\nfor %90;\n"},
        {50,  1,   1350, "fop %6 %1;\nfor %135;\n"},
        {50,  1,   1800, "fop %6 %1;\nfor %180;\n"},
        {50,  1,   2250, "fop %6 %1;\nfor %225;\n"},
        {50,  1,   2700, "fop %6 %1;\nfor %270;\n"},
        {50,  1,   3150, "fop %6 %1;\nfor %315;\n"},
        {50,  2,   900,  "fop %6 %2;\nfor %90;\n"},        // turned by a right angle: the other diagonal
        {50,  1,   300,  "fop %6 %1;\nfor %30;\n"},        // tenths of a degree from the tangents, per quadrant
        {50,  1,   123,  "fop %6 %1;\nfor %12.297;\n"},    // 123 x 256 / 10, truncated
        {50,  1,   1000, "fop %6 %1;\nfor %100;\n"},
        {50,  1,   2000, "fop %6 %1;\nfor %200;\n"},
        {50,  1,   3500, "fop %6 %1;\nfor %350;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        PdlResetPageState(m_pdev);
        TextRun run(FontAt(u"Arial", c.em, c.escapement, c.widthScale), u"a");
        const std::string bytes = Drawn(run);
        EXPECT_NE(bytes.find(std::string("fos 5;\n") + c.state + "fob 0;\nfoi 0;\n"), std::string::npos) << bytes;
    }
}

TEST_F(FontChoice, AnNupCellScalesTheHeightButCapturedTabTextKeepsIt)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    m_pdev->ulScale = 5000;
    TextRun run(FontAt(u"Arial", 50), u"a");
    EXPECT_NE(Drawn(run).find("fop %3 %1;\n"), std::string::npos);

    Context()->bTabCapture = 1;
    DEVICE_FONT_CHOICE choice = {};
    ASSERT_TRUE(ChooseDeviceFont(m_pdev, run.string(), run.font(), &choice));
    EXPECT_EQ(choice.lHeight, 6 * 256) << "tab text is played at full scale";
    Context()->bTabCapture = 0;
}

TEST_F(FontChoice, TextThePrinterCannotBuildOrThatIsNoCharactersGoesOutAsImages)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    struct Case {
        const char* what;
        double em;
        double widthScale;
        bool glyphIndices;
        int row;
    };
    // The printer builds a character as a bitmap at 600 dpi: its rows times its bytes must stay below 1,389,861.
    const Case cases[] = {
        {"3,300 rows of 412 bytes",        3300, 1, false, 5},
        {"3,400 rows of 425 bytes",        3400, 1, false, -1},
        {"2,300 rows of 575 bytes",        2300, 2, false, 5},
        {"2,400 rows of 600 bytes",        2400, 2, false, -1},
        {"glyph indices, not characters",  50,   1, true,  -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PdlResetPageState(m_pdev);
        TextRun run(FontAt(u"Arial", c.em, 0, c.widthScale), u" ");
        if (c.glyphIndices)
            run.string()->flAccel |= SO_GLYPHINDEX_TEXTOUT;
        const std::string bytes = Drawn(run);
        EXPECT_EQ(ChosenRow(bytes), c.row) << bytes.substr(0, 200);
        EXPECT_EQ(ImagesIn(bytes).size(), c.row < 0 ? 1u : 0u);
    }
}

} // namespace
