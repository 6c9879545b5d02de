// vqtextout_test.cpp - text as VQPDL: the opaque box, the text colour and rops (also for page additions),
// characters in a resident font ("txo") of one and two bytes, the glyph images of everything a resident font
// cannot show, and underline boxes, and the checks of the call.
#include "text_fixture.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"

#include <limits>

namespace {

using Text = TextTest;

// The lines of the font state Arial at 6 points (50 pixels at 600 dpi) selects on a fresh sheet.
constexpr char kArialState[] = "fos 5;\nfop %6 %1;\nfor %0;\nfob 0;\nfoi 0;\n";

TEST_F(Text, AResidentFontWritesItsStateOnceAndEachCharacterAtItsOrigin)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    TextRun first(FontAt(u"Arial", 50), u"Ab");
    EXPECT_EQ(Drawn(first), std::string(kBlackText) + kArialState + "txo #41 100 200;\ntxo #62 150 200;\n");
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 0) << "black characters put ink on the page";

    TextRun again(FontAt(u"Arial", 50), u"c", {300, 400});
    EXPECT_EQ(Drawn(again), "txo #63 300 400;\n") << "the printer still has the colour, rops and font";

    TextRun larger(FontAt(u"Arial", 100), u"d", {300, 400});
    EXPECT_EQ(Drawn(larger), "fop %12 %1;\ntxo #64 300 400;\n") << "only the size changed";

    PdlResetPageState(m_pdev);
    EXPECT_EQ(Drawn(again), std::string(kBlackText) + kArialState + "txo #63 300 400;\n")
        << "a new sheet forgets what the printer was told";
}

TEST_F(Text, EachCharacterGoesOutInTheResidentFontOnlyWhereItHasAFormThere)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}, {u"ＭＳ 明朝", u"HG明朝L"}}));
    struct Case {
        const char16_t* face;
        char16_t character;
        const char* txo;   // null: a glyph image
    };
    const Case cases[] = {
        {u"Arial",     u'A',    "txo #41 100 200;\n"},
        {u"Arial",     u'\xE9', "txo #E9 100 200;\n"},   // single bytes below 256 as they are
        {u"Arial",     u'\x0F', "txo #0F 100 200;\n"},   // at least two digits
        {u"Arial",     u'一',   nullptr},                // no byte of a Western font
        {u"ＭＳ 明朝", u'A',    "txo #41 100 200;\n"},   // one byte of code page 932
        {u"ＭＳ 明朝", u'一',   "txo #88EA 100 200;\n"}, // lead and trail byte
        {u"ＭＳ 明朝", u'ｱ',    "txo #B1 100 200;\n"},   // a half-width kana is one byte
        {u"ＭＳ 明朝", u'?',    "txo #3F 100 200;\n"},   // a question mark is itself
        {u"ＭＳ 明朝", u'\xE9', nullptr},                // no form in code page 932: the converter's "?"
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        PdlResetPageState(m_pdev);
        TextRun run(FontAt(c.face, 50), std::u16string(1, c.character));
        const std::string bytes = Drawn(run);
        EXPECT_NE(bytes.find("fos "), std::string::npos) << "the call is in the resident font: " << bytes;
        if (c.txo != nullptr) {
            EXPECT_EQ(bytes.substr(bytes.find("txo ")), c.txo);
            EXPECT_TRUE(ImagesIn(bytes).empty());
        } else {
            EXPECT_EQ(bytes.find("txo "), std::string::npos) << bytes;
            EXPECT_EQ(ImagesIn(bytes).size(), 1u) << bytes;
        }
    }
}

TEST_F(Text, AStringWithoutItsGlyphArrayIsReadInBatchesThatKeepTheirCharacters)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    std::u16string text;
    std::string expected;
    for (int i = 0; i < 40; ++i) {   // more than one batch of STROBJ_bEnum
        text += static_cast<char16_t>(u'A' + i % 26);
        char line[32];
        std::snprintf(line, sizeof line, "txo #%02X %d 200;\n", 'A' + i % 26, 100 + 10 * i);
        expected += line;
    }
    TextRun run(FontAt(u"Arial", 50), text, {100, 200}, 10);
    run.string()->pgp = nullptr;   // the driver enumerates
    EXPECT_EQ(Drawn(run), std::string(kBlackText) + kArialState + expected);
}

TEST_F(Text, ACharacterWithoutAShiftJisFormIsAnImageBetweenItsNeighbours)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"ＭＳ 明朝", u"HG明朝L"}}));
    TextRun run(FontAt(u"ＭＳ 明朝", 50), u"A\xE9一");
    const std::string bytes = Drawn(run);
    const size_t image = bytes.find("mta ");
    ASSERT_NE(image, std::string::npos) << bytes;
    EXPECT_LT(bytes.find("txo #41 100 200;\n"), image);
    EXPECT_GT(bytes.find("txo #88EA 200 200;\n"), image) << "the image keeps its place in the string";
    ASSERT_EQ(ImagesIn(bytes).size(), 1u);
}

TEST_F(Text, AFaceTheListDoesNotSubstituteGoesOutAsGlyphImages)
{
    ASSERT_NE(Open(), nullptr);
    struct Case {
        const char* what;
        std::u16string face;     // an entry of the list
        std::u16string device;
        BYTE fontUse;
    };
    const Case cases[] = {
        {"no entry for the face",            u"Times New Roman", u"Times New Roman", 1},
        {"the entry names no resident font", u"Arial",           u"",                1},
        {"a name no resident font bears",    u"Arial",           u"Arial Black",     1},
        {"substitution switched off",        u"Arial",           u"Arial",           0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PdlSetDrawKind(m_pdev, 1);
        ASSERT_TRUE(Substitute({{c.face, c.device}}));
        m_pdev->devmode.dmPrivate.FontUseFlg = c.fontUse;
        TextRun run(FontAt(u"Arial", 50), u"Ab");
        const std::string bytes = Drawn(run);
        EXPECT_EQ(bytes.find("fos "), std::string::npos) << bytes;
        EXPECT_EQ(bytes.find("txo "), std::string::npos) << bytes;
        const std::vector<WrittenImage> images = ImagesIn(bytes);
        ASSERT_EQ(images.size(), 2u) << bytes;
        GLYPHDATA* pgd = nullptr;
        HGLYPH hg = run.string()->pgp[0].hg;
        ASSERT_EQ(FONTOBJ_cGetGlyphs(run.font(), FO_GLYPHBITS, 1, &hg, reinterpret_cast<PVOID*>(&pgd)), 1u);
        const GLYPHBITS* pgb = pgd->gdf.pgb;
        EXPECT_EQ(images[0].x, 100 + pgb->ptlOrigin.x) << "the bitmap's corner from the glyph origin";
        EXPECT_EQ(images[0].y, 200 + pgb->ptlOrigin.y);
        EXPECT_EQ(images[0].width, pgb->sizlBitmap.cx);
        EXPECT_EQ(images[0].height, pgb->sizlBitmap.cy);
        const size_t cb = static_cast<size_t>((pgb->sizlBitmap.cx + 7) / 8 * pgb->sizlBitmap.cy);
        EXPECT_EQ(images[0].rows, std::vector<BYTE>(pgb->aj, pgb->aj + cb)) << "set bits are the glyph's ink";
        EXPECT_EQ(PdlGetDrawKind(m_pdev), 0);
    }
}

TEST_F(Text, AtAReducedScaleGlyphsAreDrawnFromTheirOutlinesAtThatScale)
{
    ASSERT_NE(Open(), nullptr);
    TextRun run(FontAt(u"Arial", 200), u"W", {400, 800});
    const std::vector<WrittenImage> full = ImagesIn(Drawn(run));
    ASSERT_EQ(full.size(), 1u);

    m_pdev->ulScale = 5000;   // a cell of a 2-up sheet, at its place on the sheet
    m_pdev->xOffset = 1000;
    m_pdev->yOffset = 30;
    const std::vector<WrittenImage> half = ImagesIn(Drawn(run));
    ASSERT_EQ(half.size(), 1u);
    EXPECT_NEAR(half[0].width, full[0].width / 2.0, 2.0);
    EXPECT_NEAR(half[0].height, full[0].height / 2.0, 2.0);
    EXPECT_NEAR(half[0].x, 1000 + 400 / 2 + (full[0].x - 400) / 2.0, 2.0) << "the origin is placed, then the corner";
    EXPECT_NEAR(half[0].y, 30 + 800 / 2 + (full[0].y - 800) / 2.0, 2.0);
    EXPECT_NEAR(static_cast<double>(half[0].Ink()), full[0].Ink() / 4.0, full[0].Ink() / 8.0)
        << "the glyph's ink, not its background";
}

TEST_F(Text, AGlyphWhoseSizeOrPlaceIsBeyondReachIsLeftOutAndItsNeighboursDrawn)
{
    ASSERT_NE(Open(), nullptr);
    constexpr LONG kHighest = std::numeric_limits<LONG>::max();
    constexpr LONG kLowest = std::numeric_limits<LONG>::min();
    struct Case {
        const char* what;
        SIZEL size;          // the first glyph's bitmap as the font object reports it; {0, 0}: as made
        POINTL offset;       // its corner from the glyph origin; {0, 0}: as made
        ULONG scale;         // 10000: from its bitmap; else from its outline
        LONG yOffset;        // the N-up cell's place on the sheet
    };
    const Case cases[] = {
        {"a bitmap of 16 MB, more than any glyph",     {32768, 4096}, {0, 0},        10000, 0},
        {"a width whose row bytes pass 32 bits",       {kHighest, 1}, {0, 0},        10000, 0},
        {"a corner past the coordinates",              {0, 0},        {kHighest, 0}, 10000, 0},
        {"an outline above a cell at the sheet's top", {0, 0},        {0, 0},        5000,  kLowest + 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_pdev->ulScale = c.scale;
        m_pdev->yOffset = c.yOffset;
        TextRun run(FontAt(u"Arial", 200), u"WA", {100, 0}, 200);   // two glyphs: the font keeps one each
        GLYPHDATA* pgd = nullptr;
        HGLYPH hg = run.string()->pgp[0].hg;
        ASSERT_EQ(FONTOBJ_cGetGlyphs(run.font(), FO_GLYPHBITS, 1, &hg, reinterpret_cast<PVOID*>(&pgd)), 1u);
        GLYPHBITS* pgb = pgd->gdf.pgb;
        if (c.size.cx != 0)
            pgb->sizlBitmap = c.size;
        if (c.offset.x != 0)
            pgb->ptlOrigin = c.offset;
        if (c.scale != 10000)
            run.string()->pgp[1].ptl.y = 1000000;   // the second glyph well inside the cell
        host::ClearDebugTrace();
        const std::string bytes = Drawn(run);
        EXPECT_EQ(ImagesIn(bytes).size(), 1u) << "the other glyph only: " << bytes.substr(0, 300);
        EXPECT_NE(host::DebugTrace().find(u"glyph_image.cpp ("), std::u16string::npos) << "the glyph's failed step";
    }
}

TEST_F(Text, AGlyphImageThatCannotBeWrittenFailsTheCallWhileItsNeighboursAreDrawn)
{
    ASSERT_NE(Open(), nullptr);
    // Every allocation of the call in turn fails, both scales: a call answers TRUE only with both glyphs drawn.
    for (ULONG scale : {10000u, 5000u}) {
        m_pdev->ulScale = scale;
        bool whole = false;
        for (unsigned nth = 1; nth < 200 && !whole; ++nth) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << ", allocation " << nth);
            TextRun run(FontAt(u"Arial", 100), u"AB", {100, 300}, 200);
            Take();
            host::InjectFault(host::Fault::GlobalAlloc, nth);
            SetLastError(0);
            const BOOL drawn = Draw(run);
            const DWORD error = GetLastError();
            host::ClearFaults();
            const size_t images = ImagesIn(Take()).size();
            whole = images == 2;
            EXPECT_EQ(drawn != FALSE, whole) << images << " of 2 glyphs";
            if (!drawn)
                EXPECT_NE(error, 0u) << "the failure has its reason";
        }
        EXPECT_TRUE(whole) << "the sweep reached a call the fault missed";
    }
}

TEST_F(Text, TheOpaqueBoxIsWrittenInItsBrushBeforeTheTextColour)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    struct Case {
        RECTL box;
        ULONG color;
        const char* written;   // the box, then the white text's colour up to its brush
        BYTE drawKind;
    };
    const Case cases[] = {
        {{10, 20, 110, 50}, 0x000000, "rop 2 #0D;\nbrs 0;\nsba 10 20 100 30;\nbri #FFFFFF #FFFFFF;\nbrs 1;\n", 0},
        {{10, 20, 110, 21}, 0x000000, "rop 2 #0D;\nbrs 0;\nsba 10 20 100;\nbri #FFFFFF #FFFFFF;\nbrs 1;\n", 0},
        // A box without area writes nothing, yet the call counts as drawing, as every box in black does.
        {{10, 20, 10, 50},  0x000000, "rop 2 #0D;\nbrs 0;\nbri #FFFFFF #FFFFFF;\nbrs 1;\n", 0},
        // White on white leaves the page blank; the text's brush is the box's already.
        {{10, 20, 110, 50}, 0xFFFFFF, "rop 2 #0D;\nbrs 1;\nsba 10 20 100 30;\nbri #FFFFFF #FFFFFF;\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        PdlResetPageState(m_pdev);
        PdlOutputBrushMode(m_pdev, TRANSPARENT);
        PdlOutputRop3(m_pdev, 0xCC);
        PdlSetDrawKind(m_pdev, 1);
        Take();
        TextRun run(FontAt(u"Arial", 50), u" ");
        RECTL box = c.box;
        ASSERT_TRUE(Draw(run, Solid(0xFFFFFF), &box, Solid(c.color)));
        EXPECT_EQ(Take(), std::string(c.written) + kArialState + "txo #20 100 200;\n");
        EXPECT_EQ(PdlGetDrawKind(m_pdev), c.drawKind) << "white text adds no ink";
    }

    m_pdev->ulScale = 5000;   // a cell of an N-up sheet
    m_pdev->xOffset = 1000;
    m_pdev->yOffset = 30;
    TextRun run(FontAt(u"Arial", 50), u"");
    RECTL box = {10, 20, 110, 50};
    ASSERT_TRUE(Draw(run, Solid(0xFFFFFF), &box, Solid(0)));
    EXPECT_NE(Take().find("sba 1005 40 50 15;\n"), std::string::npos) << "the box is placed in its cell";
}

TEST_F(Text, PageAdditionsAreDrawnInADitherThroughTheirOwnRopWhichTheRopWriterThenKnows)
{
    ASSERT_NE(Open(), nullptr);
    ASSERT_TRUE(Substitute({{u"Arial", u"Arial"}}));
    for (BYTE mode : {1, 2}) {
        SCOPED_TRACE(testing::Message() << "drawing mode " << int{mode});
        PdlResetPageState(m_pdev);
        PdlOutputRop3(m_pdev, 0xCC);   // the page's text so far
        Take();
        PdlSetDrawKind(m_pdev, 1);
        PdlBeginPageAdditions(m_pdev, mode);
        TextRun run(FontAt(u"Arial", 50), u" A");
        const std::string bytes = Drawn(run, Solid(0x808080));
        const std::string rop = mode == 2 ? "rop 3 #A8;\n" : "rop 3 #74;\n";
        EXPECT_EQ(bytes.find("brm 1;\nbri #00 #FFFFFF;\nbru "), 0u) << "black and white, then the dither: " << bytes;
        const size_t ropAt = bytes.find("brs ");
        ASSERT_NE(ropAt, std::string::npos) << bytes;
        EXPECT_EQ(bytes.find(rop + kArialState + "txo #20 100 200;\ntxo #41 150 200;\n"),
                  bytes.find(";\n", ropAt) + 2)
            << "the rop right after the dither brush: " << bytes;
        EXPECT_EQ(bytes.find("rop 2"), std::string::npos) << "nothing else of the text colour: " << bytes;
        EXPECT_EQ(PdlGetDrawKind(m_pdev), 0) << "the letter marks the page, the space alone would not";
        PdlEndPageAdditions(m_pdev);

        PdlOutputRop3(m_pdev, 0xCC);
        EXPECT_EQ(Take(), "rop 3 #CC;\n") << "the printer has the additions' rop, not the source copy";
    }
    PdlBeginPageAdditions(m_pdev, 1);
    PdlSetDrawKind(m_pdev, 1);
    TextRun spaces(FontAt(u"Arial", 50), u" 　");
    Drawn(spaces);
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 1) << "spaces of page additions leave the page blank";
}

TEST_F(Text, UnderlineAndStrikeOutAreBoxesInTheTextColourUpToTheEmptyOne)
{
    ASSERT_NE(Open(), nullptr);
    TextRun run(FontAt(u"Arial", 50), u"");
    RECTL extra[] = {{100, 210, 200, 213}, {100, 180, 200, 181}, {0, 0, 0, 0}, {5, 5, 50, 50}};
    ASSERT_TRUE(Draw(run, nullptr, nullptr, nullptr, extra));
    EXPECT_EQ(Take(), std::string(kBlackText) + "sba 100 210 100 3;\nsba 100 180 100;\n")
        << "nothing after the all-zero box";
}

TEST_F(Text, ACallWithoutItsObjectsOrAfterAFailedOutputWritesNothing)
{
    ASSERT_NE(Open(), nullptr);
    TextRun run(FontAt(u"Arial", 50), u"A");
    POINTL origin = {0, 0};
    host::ClearDebugTrace();
    SetLastError(0);
    EXPECT_FALSE(PdlTextOut(&m_surface, nullptr, run.font(), nullptr, nullptr, nullptr, Solid(0), nullptr, &origin,
                            kTextMix));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_NE(host::DebugTrace().find(u"vqtextout.cpp ("), std::u16string::npos);
    EXPECT_NE(host::DebugTrace().find(u"): Invalid parameters.\n"), std::u16string::npos);
    EXPECT_FALSE(PdlTextOut(&m_surface, run.string(), nullptr, nullptr, nullptr, nullptr, Solid(0), nullptr, &origin,
                            kTextMix));

    m_pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
    EXPECT_FALSE(Draw(run));
    EXPECT_EQ(Take(), "");
}

} // namespace
