// image_blit_test.cpp - block transfers on the page: sources of every depth at their own size and stretched,
// mirrored and cut to their bitmap, masks, the transparent hatch, fills without a source, copies that cannot
// be read, N-up scaling and tone mapping.
#include "image_fixture.h"
#include "pdl/vxcmn/vqpdlnt/image_blit.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "support/job_text.h"

#include <string>
#include <vector>

namespace {

using Blits = ImageWriterTest;

constexpr ULONG kRed = 0x0000FF;   // red in the low byte: gray 76, ink 179

// The commands of a source copy to (10, 20), before the image's own.
const std::string kCopyState = "brs -1;\nrop 3 #CC;\nbrm 0;\n";

TEST_F(Blits, EachSourceDepthBecomesInkRows)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    std::vector<ULONG> palette(256, 0x808080);
    palette[0] = 0x000000;
    palette[1] = 0xFFFFFF;
    palette[2] = kRed;
    const std::vector<ULONG> sixteen(palette.begin(), palette.begin() + 16);
    struct Case {
        const char* name;
        SURFOBJ* source;
        XLATEOBJ* xlate;
        std::string image;
    };
    // Three pixels: black, white, red (or what the format makes of them).
    const Case cases[] = {
        {"one bit: a set bit where the source has 0", Source(BMF_1BPP, 3, 1, {0x40, 0, 0, 0}, 4),
         IndexedXlate({0x000000, 0xFFFFFF}), "bri #00 #FFFFFF;\nmta 10 20;\nimm 1 3 1 1 1 <!" + ByteText({0xA0})},
        {"four bits through the palette", Source(BMF_4BPP, 3, 1, {0x01, 0x20, 0, 0}, 4), IndexedXlate(sixteen),
         "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        {"four bits without a palette: the sixteen standard colours", Source(BMF_4BPP, 3, 1, {0x0F, 0x90, 0, 0}, 4),
         nullptr, "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        {"eight bits through the palette", Source(BMF_8BPP, 3, 1, {0, 1, 2, 0}, 4), IndexedXlate(palette),
         "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        {"eight bits without a translation: inverted", Source(BMF_8BPP, 3, 1, {0, 1, 2, 0}, 4), nullptr,
         "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 254, 253})},
        {"16 bits through 5-5-5 fields", Source(BMF_16BPP, 3, 1, {0, 0, 0xFF, 0x7F, 0x00, 0x7C, 0, 0}, 8),
         DirectXlate(PAL_BITFIELDS), "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        // Each field weighed as it is, eight times its gray weight: white is gray 248.
        {"16 bits without a translation: the fields weighed", Source(BMF_16BPP, 3, 1, {0, 0, 0xFF, 0x7F, 0x00, 0x7C,
                                                                                       0, 0}, 8),
         nullptr, "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 7, 181})},
        {"24 bits in blue-green-red order", Source(BMF_24BPP, 3, 1, {0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0},
                                                   12),
         DirectXlate(PAL_BGR), "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        {"32 bits in blue-green-red order", Source(BMF_32BPP, 3, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0},
                                                   12),
         DirectXlate(PAL_BGR), "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        {"32 bits that are the device's own values", Source(BMF_32BPP, 3, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF,
                                                                              0, 0, 0}, 12),
         nullptr, "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.source, nullptr);
        PdlResetPageState(m_pdev);   // each case's state written afresh: the page clip, brush, rop and mode
        RECTL target = {10, 20, 13, 21};
        POINTL from = {0, 0};
        EXPECT_TRUE(PdlCopyBits(&m_surface, c.source, nullptr, c.xlate, &target, &from));
        EXPECT_EQ(Take(), "cpc 0 0 0 4768 6822;\ncps 0;\n" + kCopyState + c.image + "!>;\n");
    }
}

TEST_F(Blits, TheOneBitPlaneModeReadsTheSourcesColoursItself)
{
    DRIVER_DEVMODE dm = DevmodeWithDither(0);
    dm.dmPrivate.env.f1Plane1Bit_Check = 1;
    dm.dmPrivate.lpGraphicsMode = 2;
    ASSERT_NE(OpenPage(dm), nullptr);
    ASSERT_TRUE(IsOneBitPlaneMode(m_pdev));
    // The device is one bit deep: GDI's translations lead there, and the writer reads the source's own colours.
    struct Case {
        const char* name;
        SURFOBJ* source;
        XLATEOBJ* xlate;
        std::string image;
    };
    const Case cases[] = {
        {"one bit in its palette's colours", Source(BMF_1BPP, 3, 1, {0x40, 0, 0, 0}, 4),
         IndexedXlate({kRed, 0xFFFFFF}), "bri #4C4C4C #FFFFFF;\nmta 10 20;\nimm 1 3 1 1 1 <!" + ByteText({0xA0})},
        {"eight bits through its palette", Source(BMF_8BPP, 3, 1, {0, 1, 2, 0}, 4),
         IndexedXlate({0x000000, 0xFFFFFF, kRed}), "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
        {"24 bits in blue-green-red order", Source(BMF_24BPP, 3, 1, {0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0},
                                                   12),
         DirectXlate(PAL_BGR), "mta 10 20;\nimm 8 3 1 3 3 <!" + ByteText({255, 0, 179})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECTL target = {10, 20, 13, 21};
        POINTL from = {0, 0};
        EXPECT_TRUE(PdlCopyBits(&m_surface, c.source, nullptr, c.xlate, &target, &from));
        const std::string written = Take();
        EXPECT_EQ(written.substr(written.find(c.image.substr(0, 4))), c.image + "!>;\n");
    }
}

TEST_F(Blits, MirroredTargetsTurnTheRowsAndCutSourcesMoveTheTarget)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    // Two rows of three eight-bit pixels, and two rows of ten one-bit pixels.
    SURFOBJ* eight = Source(BMF_8BPP, 3, 2, {1, 2, 3, 0, 4, 5, 6, 0}, 4);
    SURFOBJ* one = Source(BMF_1BPP, 10, 2, {0x0F, 0x3F, 0, 0, 0xF0, 0xFF, 0, 0}, 4);
    struct Case {
        const char* name;
        SURFOBJ* source;
        RECTL from, to;
        std::string image;
    };
    const Case cases[] = {
        {"as it is", eight, {0, 0, 3, 2}, {10, 20, 13, 22},
         "mta 10 20;\nimm 8 3 2 3 6 <!" + ByteText({254, 253, 252, 251, 250, 249})},
        {"turned left to right", eight, {0, 0, 3, 2}, {13, 20, 10, 22},
         "mta 10 20;\nimm 8 3 2 3 6 <!" + ByteText({252, 253, 254, 249, 250, 251})},
        {"turned upside down", eight, {0, 2, 3, 0}, {10, 20, 13, 22},
         "mta 10 20;\nimm 8 3 2 3 6 <!" + ByteText({251, 250, 249, 254, 253, 252})},
        {"both ways", eight, {3, 0, 0, 2}, {10, 22, 13, 20},
         "mta 10 20;\nimm 8 3 2 3 6 <!" + ByteText({249, 250, 251, 252, 253, 254})},
        {"one bit turned: the bits past the width stay clear", one, {0, 0, 10, 2}, {20, 20, 10, 22},
         "mta 10 20;\nimm 1 10 2 2 4 <!" + ByteText({0xC3, 0xC0, 0x3C, 0x00})},
        {"one bit from its third pixel", one, {2, 0, 10, 2}, {10, 20, 18, 22},
         "mta 10 20;\nimm 1 8 2 1 2 <!" + ByteText({0xC3, 0x3C})},
        {"cut where it leaves the bitmap on the left", eight, {-1, 0, 3, 2}, {10, 20, 14, 22},
         "mta 11 20;\nimm 8 3 2 3 6 <!" + ByteText({254, 253, 252, 251, 250, 249})},
        {"cut below, mirrored: the target loses its top", eight, {0, 0, 3, 3}, {10, 23, 13, 20},
         "mta 10 21;\nimm 8 3 2 3 6 <!" + ByteText({251, 250, 249, 254, 253, 252})},
        {"stretched", eight, {0, 0, 3, 2}, {10, 20, 16, 24},
         "mta 10 20;\nbmm 8 3 2 6 4 3 6 <!" + ByteText({254, 253, 252, 251, 250, 249})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECTL from = c.from, to = c.to;
        EXPECT_TRUE(PdlStretchBlt(&m_surface, c.source, nullptr, nullptr, nullptr, nullptr, nullptr, &to, &from,
                                  nullptr, COLORONCOLOR));
        std::string written = Take();
        const size_t image = written.find("mta ");
        ASSERT_NE(image, std::string::npos) << written;
        EXPECT_EQ(written.substr(image), c.image + "!>;\n");
    }
    // Wholly off its bitmap: nothing.
    RECTL off = {5, 0, 8, 2}, to = {10, 20, 13, 22};
    EXPECT_TRUE(PdlStretchBlt(&m_surface, eight, nullptr, nullptr, nullptr, nullptr, nullptr, &to, &off, nullptr,
                              COLORONCOLOR));
    EXPECT_EQ(Take(), "");
}

TEST_F(Blits, FillsWithoutASourceUseTheBrushOrABlankBox)
{
    ASSERT_NE(OpenPage(), nullptr);
    struct Case {
        const char* name;
        BRUSHOBJ* brush;
        ROP4 rop4;
        std::string expected;
    };
    const Case cases[] = {
        // Pattern copy is code 13: the rectangle's right and bottom edges are covered too.
        {"a pattern copy", Solid(kRed), 0xF0F0, "lns -1;\nbrc 2 #4C4C4C;\nbrs 2;\nrop 2 #0D;\nrcr 10 20 31 41;\n"},
        {"blackness without a brush", nullptr, 0x0000, "brs -1;\nrop 2 #01;\nsba 10 20 30 40;\n"},
        {"destination inverted without a brush", nullptr, 0x5555, "rop 2 #06;\nsba 10 20 30 40;\n"},
        {"whiteness with a brush", Solid(0), 0xFFFF, "brs 0;\nrop 2 #10;\nrcr 10 20 31 41;\n"},
        {"pattern inverted without a brush", nullptr, 0x5A5A, "brs -1;\nrop 2 #07;\nrcr 10 20 31 41;\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RECTL target = {10, 20, 40, 60};
        EXPECT_TRUE(PdlBitBlt(&m_surface, nullptr, nullptr, nullptr, nullptr, &target, nullptr, nullptr, c.brush,
                              nullptr, c.rop4));
        EXPECT_EQ(Take(), c.expected);
    }
    RECTL empty = {10, 20, 10, 60};
    EXPECT_TRUE(PdlBitBlt(&m_surface, nullptr, nullptr, nullptr, nullptr, &empty, nullptr, nullptr, Solid(0),
                          nullptr, 0xF0F0));
    EXPECT_EQ(Take(), "") << "an empty rectangle";
}

TEST_F(Blits, AHatchOnATransparentBackgroundTakesTwoPassesAndKeepsItsColours)
{
    ASSERT_NE(OpenPage(), nullptr);
    BRUSHOBJ* hatch = Hatch(HS_CROSS, kRed, 0x00FF00);
    RECTL target = {10, 20, 40, 60};
    EXPECT_TRUE(PdlBitBlt(&m_surface, nullptr, nullptr, nullptr, nullptr, &target, nullptr, nullptr, hatch, nullptr,
                          0xAAF0));
    const std::string written = Take();
    // First C1 black and C0 white, ANDed with the page; then C1 as it was and C0 black, ORed.
    const size_t first = written.find("bru 7 #00 #FFFFFF 32 32 4 <!");
    const size_t and1 = written.find("rop 2 #09;\nrcr 10 20 31 41;\n");
    const size_t second = written.find("bru 7 #969696 #00 32 32 4 <!");
    const size_t or2 = written.find("rop 2 #0F;\nrcr 10 20 31 41;\n");
    EXPECT_TRUE(first != std::string::npos && first < and1 && and1 < second && second < or2) << written;
    const auto* rb = static_cast<const REALIZED_BRUSH*>(BRUSHOBJ_pvGetRbrush(hatch));
    EXPECT_EQ(RealizedBrushColor(rb, 0), kRed);
    EXPECT_EQ(RealizedBrushColor(rb, 1), 0x00FF00u);
}

TEST_F(Blits, MaskedCopiesTakeThreePassesAndMaskedPatternsDrawTheMask)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    SURFOBJ* source = Source(BMF_8BPP, 2, 1, {0, 0xFF, 0, 0}, 4);
    SURFOBJ* mask = Source(BMF_1BPP, 2, 1, {0x80, 0, 0, 0}, 4);
    RECTL target = {10, 20, 12, 21};
    POINTL origin = {0, 0};
    EXPECT_TRUE(PdlBitBlt(&m_surface, source, mask, nullptr, nullptr, &target, &origin, &origin, nullptr, nullptr,
                          0xCCAA));
    const std::string xorImage = "mta 10 20;\nimm 8 2 1 2 2 <!" + ByteText({255, 0}) + "!>;\n";
    EXPECT_EQ(Take(), "brs -1;\nrop 3 #66;\nbrm 0;\n" + xorImage +
                          "rop 3 #CC;\nbrm 1;\nbri #00 #FFFFFF;\nmta 10 20;\nimm 1 2 1 1 1 <!" + ByteText({0x40}) +
                          "!>;\nrop 3 #66;\nbrm 0;\n" + xorImage);
    // A pattern where the mask is 0, the page left alone where it is 1: the mask drawn with the pattern.
    EXPECT_TRUE(PdlBitBlt(&m_surface, nullptr, mask, nullptr, nullptr, &target, nullptr, &origin, Solid(0), nullptr,
                          0xF0AA));
    EXPECT_EQ(Take(), "brs 0;\nrop 3 #FC;\nbrm 1;\nmta 10 20;\nimm 1 2 1 1 1 <!" + ByteText({0x40}) + "!>;\n");
    // The same rop in both halves needs no mask.
    EXPECT_TRUE(PdlBitBlt(&m_surface, source, mask, nullptr, nullptr, &target, &origin, &origin, nullptr, nullptr,
                          0xCCCC));
    EXPECT_EQ(Take(), "brs -1;\nrop 3 #CC;\nbrm 0;\n" + xorImage);
    // The masked copy of a stretch.
    RECTL from = {0, 0, 2, 1};
    EXPECT_TRUE(PdlStretchBlt(&m_surface, source, mask, nullptr, nullptr, nullptr, nullptr, &target, &from, &origin,
                              COLORONCOLOR));
    EXPECT_EQ(CountOf(Take(), "<!"), 3u);
}

TEST_F(Blits, ASourceThatCannotBeReadIsErasedToWhite)
{
    ASSERT_NE(OpenPage(), nullptr);
    // The target as the engine's bitmap of this PDEV, so that the erasing shows.
    std::vector<BYTE> pixels(4 * 4 * 4, 0);
    SURFOBJ* target = Source(BMF_32BPP, 4, 4, pixels, 16);
    target->dhpdev = reinterpret_cast<DHPDEV>(m_pdev);
    RECTL rect = {1, 1, 3, 2};
    POINTL from = {0, 0};
    EXPECT_TRUE(PdlCopyBits(target, &m_surface, nullptr, nullptr, &rect, &from));
    const auto* row = static_cast<const BYTE*>(target->pvScan0) + target->lDelta;
    EXPECT_EQ(std::vector<BYTE>(row, row + 16), std::vector<BYTE>({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                                    0xFF, 0xFF, 0, 0, 0, 0}));
    EXPECT_TRUE(PdlStretchBlt(target, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr,
                              COLORONCOLOR));
    EXPECT_EQ(Take(), "") << "nothing goes to the printer";
}

TEST_F(Blits, AFormFileMadeInRasterModeHoldsOneSheet)
{
    DRIVER_DEVMODE dm = DevmodeWithDither(0);
    dm.dmPrivate.lpGraphicsMode = 1;
    ASSERT_NE(Open(dm), nullptr);
    m_pdev->devmode.dmPrivate.lpOverlay = 2;   // a form is being made (validation keeps it only with a name)
    m_pdev->cPagesBegun = 2;
    RECTL target = {10, 20, 40, 60};
    EXPECT_TRUE(PdlBitBlt(&m_surface, nullptr, nullptr, nullptr, nullptr, &target, nullptr, nullptr, Solid(0),
                          nullptr, 0xF0F0));
    EXPECT_EQ(Take(), "");
}

TEST_F(Blits, AtAReducedScaleTheImageMovesAndShrinksAndKeepsAPixel)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    m_pdev->ulScale = 5000;
    m_pdev->xOffset = 100;
    m_pdev->yOffset = 200;
    SURFOBJ* dot = Source(BMF_8BPP, 1, 1, {0, 0, 0, 0}, 4);
    RECTL target = {10, 20, 11, 21};
    POINTL from = {0, 0};
    EXPECT_TRUE(PdlCopyBits(&m_surface, dot, nullptr, nullptr, &target, &from));
    EXPECT_EQ(Take(), kCopyState + "mta 105 210;\nimm 8 1 1 1 1 <!" + ByteText({255}) + "!>;\n");
}

TEST_F(Blits, EightBitInkIsToneMapped)
{
    DRIVER_DEVMODE dm = DevmodeWithDither(0);
    dm.dmPrivate.env.Intensity = 1;   // darker: gray 128 prints as 102
    ASSERT_NE(OpenPage(dm), nullptr);
    SURFOBJ* gray = Source(BMF_8BPP, 2, 1, {128, 255, 0, 0}, 4);   // inverted: ink 127 (gray 128) and 0
    RECTL target = {0, 0, 2, 1};
    POINTL from = {0, 0};
    EXPECT_TRUE(PdlCopyBits(&m_surface, gray, nullptr, nullptr, &target, &from));
    EXPECT_EQ(Take(), kCopyState + "mta 0 0;\nimm 8 2 1 2 2 <!" + ByteText({255 - 102, 0}) + "!>;\n");
}

} // namespace
