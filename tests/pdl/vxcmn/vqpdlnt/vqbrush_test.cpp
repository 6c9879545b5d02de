// vqbrush_test.cpp - brushes realized from GDI's hatches and patterns of every depth, and the brush commands:
// solid colours and register 2, hatch brushes, the ten pattern slots with their eviction, enlarged small
// patterns, dither brushes, brush mode and colours.
#include "writer_fixture.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "pdl/vxcmn/vqpdlnt/brush_tables.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"

#include <cstring>

namespace {

using Brushes = WriterTest;

const REALIZED_BRUSH* Realized(BRUSHOBJ* pbo)
{
    return static_cast<const REALIZED_BRUSH*>(BRUSHOBJ_pvGetRbrush(pbo));
}

std::vector<BYTE> RowsOf(const REALIZED_BRUSH* rb)
{
    const BYTE* begin = reinterpret_cast<const BYTE*>(rb) + sizeof(REALIZED_BRUSH);
    return std::vector<BYTE>(begin, reinterpret_cast<const BYTE*>(rb) + rb->offColors);
}

// A one-bit pattern's "bru" command as the printer gets it.
std::string OneBitBru(int number, const char* fore, const char* back, int width, int height,
                      const std::string& rows)
{
    return "bru " + std::to_string(number) + " " + fore + " " + back + " " + std::to_string(width) + " " +
           std::to_string(height) + " " + std::to_string((width + 7) / 8) + " <!" + rows + "!>;\n";
}

TEST_F(Brushes, SolidColoursUseTheirRegistersAndWriteOnlyChanges)
{
    ASSERT_NE(Open(), nullptr);
    BRUSHOBJ* red = Solid(0x0000FF);
    EXPECT_TRUE(PdlSelectBrush(m_pdev, red));
    EXPECT_TRUE(PdlSelectBrush(m_pdev, red));
    EXPECT_EQ(Take(), "brc 2 #4C4C4C;\nbrs 2;\n");
    EXPECT_TRUE(PdlSelectBrush(m_pdev, Solid(0x000000)));
    EXPECT_TRUE(PdlSelectBrush(m_pdev, Solid(0xFFFFFF)));
    EXPECT_TRUE(PdlSelectBrush(m_pdev, nullptr));
    EXPECT_EQ(Take(), "brs 0;\nbrs 1;\nbrs -1;\n") << "black and white never touch register 2";
    EXPECT_TRUE(PdlSelectBrush(m_pdev, red));
    EXPECT_EQ(Take(), "brs 2;\n") << "register 2 still holds red";
    EXPECT_TRUE(PdlSelectBrush(m_pdev, Solid(0x00FF00)));
    EXPECT_EQ(Take(), "brc 2 #969696;\n") << "green is gray 150, and the brush number stays 2";
    PdlResetPageState(m_pdev);
    EXPECT_TRUE(PdlSelectBrush(m_pdev, red));
    EXPECT_EQ(Take(), "brc 2 #4C4C4C;\nbrs 2;\n") << "a new page forgets what the printer was told";
}

TEST_F(Brushes, EachHatchStyleGoesOutWithItsOwnCellOncePerColours)
{
    ASSERT_NE(Open(), nullptr);
    for (ULONG style = HS_HORIZONTAL; style < HS_DDI_MAX; ++style) {
        SCOPED_TRACE(testing::Message() << "style " << style);
        BRUSHOBJ* hatch = Hatch(style, 0x0000FF, 0xFFFFFF);
        const REALIZED_BRUSH* rb = Realized(hatch);
        ASSERT_NE(rb, nullptr);
        EXPECT_EQ(rb->iHatch, style);
        EXPECT_EQ(rb->offColors, static_cast<LONG>(sizeof(REALIZED_BRUSH))) << "a hatch has no bits";
        EXPECT_EQ(RealizedBrushColor(rb, 0), 0x0000FFu);
        EXPECT_EQ(RealizedBrushColor(rb, 1), 0xFFFFFFu);
        EXPECT_TRUE(PdlSelectBrush(m_pdev, hatch));
        const std::string number = std::to_string(3 + style);
        const std::string cell(reinterpret_cast<const char*>(FindHatchCell(style)), kHatchCellBytes);
        EXPECT_EQ(Take(), "bru " + number + " #FFFFFF #4C4C4C 32 32 4 <!" + cell + "!>;\nbrs " + number + ";\n");
        EXPECT_TRUE(PdlSelectBrush(m_pdev, Hatch(style, 0x0000FF, 0xFFFFFF)));
        EXPECT_EQ(Take(), "") << "the same hatch in the same colours";
        EXPECT_TRUE(PdlSelectBrush(m_pdev, Hatch(style, 0x000000, 0xFFFFFF)));
        const std::string head = "bru " + number + " #FFFFFF #00 32 32 4 <!";
        EXPECT_EQ(Take().substr(0, head.size()), head);
    }
    // The cells' lines: vertical columns 12 to 19, horizontal rows 12 to 19, the backward diagonal's band
    // starting at the right of row 0.
    const BYTE* vertical = FindHatchCell(HS_VERTICAL);
    const BYTE* horizontal = FindHatchCell(HS_HORIZONTAL);
    const BYTE* backward = FindHatchCell(HS_BDIAGONAL);
    const BYTE verticalRow[4] = {0x00, 0x0F, 0xF0, 0x00};
    EXPECT_EQ(std::memcmp(vertical + 31 * 4, verticalRow, 4), 0);
    EXPECT_EQ(horizontal[11 * 4], 0x00);
    EXPECT_EQ(horizontal[12 * 4 + 3], 0xFF);
    EXPECT_EQ(horizontal[19 * 4], 0xFF);
    EXPECT_EQ(horizontal[20 * 4], 0x00);
    const BYTE backwardRow1[4] = {0x00, 0x00, 0x00, 0x1E};
    EXPECT_EQ(std::memcmp(backward + 4, backwardRow1, 4), 0);
}

TEST_F(Brushes, PatternsOfEveryDepthAreRealizedAsOneOrThreeBytes)
{
    ASSERT_NE(Open(), nullptr);
    // Two pixels each: black then white.
    const std::vector<ULONG> twoColours = {0x000000, 0xFFFFFF};
    std::vector<ULONG> sixteen(16, 0x808080);
    sixteen[3] = 0x0000FF;
    struct Case {
        const char* name;
        ULONG iFormat;
        std::vector<BYTE> row;
        std::vector<ULONG> palette;
        LONG format;
        std::vector<BYTE> realizedRow;
    };
    const Case cases[] = {
        {"1 bit, copied", BMF_1BPP, {0x40, 0, 0, 0}, twoColours, BMF_1BPP, {0x40, 0, 0, 0}},
        {"4 bits through the palette, high nibble first", BMF_4BPP, {0x30, 0, 0, 0}, sixteen, BMF_24BPP,
         {0xFF, 0, 0, 0x80, 0x80, 0x80, 0, 0}},
        {"8 bits translated", BMF_8BPP, {0, 1, 0, 0}, twoColours, BMF_24BPP, {0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0}},
        {"24 bits copied", BMF_24BPP, {1, 2, 3, 4, 5, 6, 0, 0}, {}, BMF_24BPP, {1, 2, 3, 4, 5, 6, 0, 0}},
        {"32 bits translated", BMF_32BPP, {1, 2, 3, 0, 4, 5, 6, 0}, {}, BMF_24BPP, {1, 2, 3, 4, 5, 6, 0, 0}},
        {"16 bits translated", BMF_16BPP, {0x1F, 0, 0xE0, 0x03}, {}, BMF_24BPP, {0x1F, 0, 0, 0xE0, 0x03, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BRUSHOBJ* pbo = Pattern(c.iFormat, 2, 1, c.row, static_cast<LONG>(c.row.size()), c.palette);
        ASSERT_NE(pbo, nullptr);
        const REALIZED_BRUSH* rb = Realized(pbo);
        ASSERT_NE(rb, nullptr);
        EXPECT_EQ(rb->lFormat, c.format);
        EXPECT_EQ(rb->lWidth, 2);
        EXPECT_EQ(rb->lHeight, 1);
        EXPECT_EQ(rb->flFlags & kRowsTopDown, kRowsTopDown);
        EXPECT_EQ(RowsOf(rb), c.realizedRow);
    }
}

TEST_F(Brushes, TheOneBitPlaneModeReadsColoursItself)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    dm.dmPrivate.env.f1Plane1Bit_Check = 1;
    dm.dmPrivate.lpGraphicsMode = 2;
    ASSERT_NE(Open(dm), nullptr);
    ASSERT_TRUE(IsOneBitPlaneMode(m_pdev));
    // A 5-5-5 pixel's fields shifted by 3, an 8-bit index through the source palette, lowest byte first.
    const REALIZED_BRUSH* rb16 = Realized(Pattern(BMF_16BPP, 1, 1, {0xFF, 0x7F, 0, 0}, 4));
    ASSERT_NE(rb16, nullptr);
    EXPECT_EQ(RowsOf(rb16), (std::vector<BYTE>{0xF8, 0xF8, 0xF8, 0}));
    const REALIZED_BRUSH* rb8 = Realized(Pattern(BMF_8BPP, 1, 1, {1, 0, 0, 0}, 4, {0x000000, 0x123456}));
    ASSERT_NE(rb8, nullptr);
    EXPECT_EQ(RowsOf(rb8), (std::vector<BYTE>{0x56, 0x34, 0x12, 0}));
    // Hatch colours from the palette: C0 its entry 1, C1 its entry 0.
    const REALIZED_BRUSH* hatch = Realized(Hatch(HS_CROSS, 0x0000FF, 0x00FF00));
    ASSERT_NE(hatch, nullptr);
    EXPECT_EQ(RealizedBrushColor(hatch, 0), 0x00FF00u);
    EXPECT_EQ(RealizedBrushColor(hatch, 1), 0x0000FFu);
    // A one-bit pattern that needs no translation prints its 1 in white.
    const REALIZED_BRUSH* trivial = Realized(Pattern(BMF_1BPP, 8, 1, {0xF0, 0, 0, 0}, 4));
    ASSERT_NE(trivial, nullptr);
    EXPECT_EQ(RealizedBrushColor(trivial, 0), 0u);
    EXPECT_EQ(RealizedBrushColor(trivial, 1), 0xFFFFFFu);
    // Solid colours come from BRUSHOBJ_ulGetBrushColor, and small patterns are cached as they are.
    EXPECT_TRUE(PdlSelectBrush(m_pdev, Solid(0x0000FF)));
    EXPECT_EQ(Take(), "brc 2 #4C4C4C;\nbrs 2;\n");
    EXPECT_TRUE(PdlSelectBrush(m_pdev, Pattern(BMF_1BPP, 8, 1, {0xF0, 0, 0, 0}, 4)));
    EXPECT_EQ(Take(), OneBitBru(11, "#FFFFFF", "#00", 8, 1, "\xF0") + "brs 11;\n");
}

TEST_F(Brushes, PatternsThatCannotBeRealizedAreRefusedSafely)
{
    ASSERT_NE(Open(), nullptr);
    // A format without pixels the driver can read, and a pattern too large for any brush.
    EXPECT_EQ(Realized(Pattern(BMF_4RLE, 2, 2, std::vector<BYTE>(8), 4)), nullptr);
    SURFOBJ huge = {};
    huge.iBitmapFormat = BMF_32BPP;
    huge.sizlBitmap = {0x10000, 0x10000};
    huge.pvScan0 = &huge;
    EXPECT_FALSE(PdlRealizeBrush(Solid(0), &m_surface, &huge, nullptr, nullptr, HS_DDI_MAX));
    // An invalid PDEV: the system's debug line and ERROR_INVALID_PARAMETER.
    SURFOBJ foreign = {};
    host::ClearDebugTrace();
    SetLastError(0);
    EXPECT_FALSE(PdlRealizeBrush(Solid(0), &foreign, nullptr, nullptr, nullptr, HS_CROSS));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    const std::u16string trace = host::DebugTrace();
    EXPECT_NE(trace.find(u"vqbrush.cpp ("), std::u16string::npos);
    EXPECT_NE(trace.find(u"): _bValidatePDEV failed.\n"), std::u16string::npos);
    // A pattern brush GDI cannot realize selects no brush.
    BRUSHOBJ unrealizable = {0xFFFFFFFF, nullptr, 0};
    EXPECT_FALSE(PdlSelectBrush(m_pdev, &unrealizable));
    EXPECT_EQ(Take(), "brs -1;\n");
}

TEST_F(Brushes, TenPatternSlotsKeepTheNewestAndTheEleventhEvictsTheOldest)
{
    ASSERT_NE(Open(), nullptr);
    const auto pattern = [&](BYTE bits) { return Pattern(BMF_1BPP, 16, 16, std::vector<BYTE>(16 * 4, bits), 4,
                                                         {0x000000, 0xFFFFFF}); };
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(static_cast<BYTE>(i))));
        const std::string out = Take();
        const std::string number = std::to_string(11 + i);
        EXPECT_EQ(out.substr(0, 4 + number.size()), "bru " + number) << out;
        EXPECT_EQ(out.substr(out.size() - 6 - number.size()), "brs " + number + ";\n") << out;
    }
    ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(3)));
    EXPECT_EQ(Take(), "brs 14;\n") << "a cached pattern is a hit without its bits";
    ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(10)));
    const std::string eleventh = Take();
    EXPECT_EQ(eleventh.substr(0, 7), "bru 11 ") << "the first slot's pattern gave way";
    EXPECT_EQ(eleventh.substr(eleventh.size() - 8), "brs 11;\n");
    ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(10)));
    EXPECT_EQ(Take(), "") << "the same pattern again is a hit";
    ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(1)));
    EXPECT_EQ(Take(), "brs 12;\n") << "the second pattern is still kept";
    ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(0)));
    EXPECT_EQ(Take().substr(0, 7), "bru 12 ") << "the first is gone; the oldest now is the second";
    // The same bits in other colours are another brush: the printer keeps the colours with the slot.
    ASSERT_TRUE(PdlSelectBrush(m_pdev, Pattern(BMF_1BPP, 16, 16, std::vector<BYTE>(16 * 4, 1), 4,
                                               {0x0000FF, 0xFFFFFF})));
    EXPECT_EQ(Take().substr(0, 22), "bru 13 #FFFFFF #4C4C4C");
    // Without memory for a slot's copy the pattern still prints, as brush 9.
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    ASSERT_TRUE(PdlSelectBrush(m_pdev, pattern(0x77)));
    host::ClearFaults();
    const std::string uncached = Take();
    EXPECT_EQ(uncached.substr(0, 6), "bru 9 ");
    EXPECT_EQ(uncached.substr(uncached.size() - 7), "brs 9;\n");
}

TEST_F(Brushes, SmallPatternsGoOutAtTwiceTheirSizeInTheirRowOrder)
{
    ASSERT_NE(Open(), nullptr);
    // A 4 x 4 pattern, one pixel in the top row's left corner; the bitmap is bottom-up.
    const std::vector<BYTE> bits = {0x00, 0, 0, 0, 0x00, 0, 0, 0, 0x00, 0, 0, 0, 0x80, 0, 0, 0};
    ASSERT_TRUE(PdlSelectBrush(m_pdev, Pattern(BMF_1BPP, 4, 4, bits, 4, {0x000000, 0xFFFFFF}, HS_DDI_MAX,
                                               /*bottomUp=*/true)));
    EXPECT_EQ(Take(), OneBitBru(11, "#FFFFFF", "#00", 8, 8, std::string("\xC0\xC0", 2) + std::string(6, '\0')) +
                          "brs 11;\n");
    // A three-byte pattern goes as one bit a pixel: white pixels set, black ones clear, by the 8 x 4 dither.
    std::vector<BYTE> colour(16 * 10 * 3, 0xFF);
    for (int x = 8; x < 10; ++x)
        for (int y = 0; y < 16; ++y)
            for (int b = 0; b < 3; ++b)
                colour[y * 30 + x * 3 + b] = 0;
    ASSERT_TRUE(PdlSelectBrush(m_pdev, Pattern(BMF_24BPP, 10, 16, colour, 30)));
    std::string rows;
    for (int y = 0; y < 16; ++y)
        rows += std::string("\xFF\x00", 2);
    EXPECT_EQ(Take(), OneBitBru(12, "#FFFFFF", "#00", 10, 16, rows) + "brs 12;\n");
}

TEST_F(Brushes, DitherBrushesAndTheBrushModeAndColours)
{
    ASSERT_NE(Open(), nullptr);
    EXPECT_TRUE(PdlOutputColorDither(m_pdev, 0xFFFFFF));
    EXPECT_EQ(Take(), OneBitBru(11, "#00", "#FFFFFF", 8, 8, std::string(8, '\0')) + "brs 11;\n")
        << "white is the empty cell";
    EXPECT_TRUE(PdlOutputColorDither(m_pdev, 0x000000));
    EXPECT_EQ(Take(), OneBitBru(12, "#00", "#FFFFFF", 8, 8, std::string(8, '\xFF')) + "brs 12;\n")
        << "black is the full cell";
    EXPECT_TRUE(PdlOutputColorDither(m_pdev, 0xFFFFFF));
    EXPECT_EQ(Take(), "brs 11;\n");
    // Gray 128: index 32 - 132 / 8 = 16.
    EXPECT_TRUE(PdlOutputColorDither(m_pdev, 0x808080));
    EXPECT_EQ(Take().substr(0, 28),
              OneBitBru(13, "#00", "#FFFFFF", 8, 8, std::string(reinterpret_cast<const char*>(FindDitherCell(16)), 8))
                  .substr(0, 28));
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    EXPECT_FALSE(PdlOutputColorDither(m_pdev, 0x404040));
    host::ClearFaults();
    EXPECT_EQ(Take(), "rem error: output dither brush;\n");

    PdlOutputBrushMode(m_pdev, OPAQUE);
    PdlOutputBrushMode(m_pdev, OPAQUE);
    PdlOutputBrushMode(m_pdev, TRANSPARENT);
    PdlOutputBrushColors(m_pdev, 0x0000FF, 0xFFFFFF);
    PdlOutputBrushColors(m_pdev, 0x0000FF, 0xFFFFFF);
    PdlOutputBrushColors(m_pdev, 0x0000FF, 0x000000);
    EXPECT_EQ(Take(), "brm 0;\nbrm 1;\nbri #4C4C4C #FFFFFF;\nbri #4C4C4C #00;\n");
}

} // namespace
