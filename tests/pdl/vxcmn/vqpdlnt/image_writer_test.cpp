// image_writer_test.cpp - the image commands at their own size and scaled, one and eight bits, compressed or
// raw, PackBits rows, what leaves the page blank, the rectangle fills, and the driver's halftoning of
// eight-bit images.
#include "image_fixture.h"
#include "pdl/vxcmn/vqpdlnt/image_writer.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "support/job_text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Images = ImageWriterTest;

std::string Packed(const std::vector<BYTE>& row)
{
    std::vector<BYTE> code(PackBitsBound(static_cast<DWORD>(row.size())), 0xEE);
    const DWORD size = PackBitsRow(row.data(), static_cast<DWORD>(row.size()), code.data());
    EXPECT_EQ(size, PackBitsSize(row.data(), static_cast<DWORD>(row.size())));
    return std::string(code.begin(), code.begin() + size);
}

TEST(PackBits, RunsOfTwoTo128AndStretchesOfOtherBytes)
{
    std::vector<BYTE> distinct(200);
    for (size_t i = 0; i < distinct.size(); ++i)
        distinct[i] = static_cast<BYTE>(i);
    struct Case {
        const char* name;
        std::vector<BYTE> row;
        std::string code;
    };
    const Case cases[] = {
        {"empty", {}, ""},
        {"one byte", {5}, ByteText({0x00, 5})},
        {"two equal", {1, 1}, ByteText({0xFF, 1})},
        {"a stretch ends where a run begins", {1, 2, 3, 3, 3}, ByteText({0x01, 1, 2, 0xFE, 3})},
        {"a run between two singles", {1, 2, 2, 3}, ByteText({0x00, 1, 0xFF, 2, 0x00, 3})},
        {"singles and pairs: the code grows by a third", {1, 2, 2, 3, 4, 4, 5},
         ByteText({0x00, 1, 0xFF, 2, 0x00, 3, 0xFF, 4, 0x00, 5})},
        {"130 equal: 128 and 2", std::vector<BYTE>(130, 0xAA), ByteText({0x81, 0xAA, 0xFF, 0xAA})},
        {"129 equal: 128 and a single", std::vector<BYTE>(129, 0), ByteText({0x81, 0, 0x00, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Packed(c.row), c.code);
    }
    const std::string code = Packed(distinct);
    ASSERT_EQ(code.size(), 202u) << "200 different bytes: stretches of 128 and 72";
    EXPECT_EQ(static_cast<BYTE>(code[0]), 0x7F);
    EXPECT_EQ(static_cast<BYTE>(code[129]), 71);
    EXPECT_EQ(static_cast<BYTE>(code[130]), 128);
}

TEST_F(Images, EachHeadNamesSizeDepthAndCompression)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    const std::vector<BYTE> runs = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00};   // two rows of four
    const std::vector<BYTE> mixed = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};             // two rows of three
    const std::string packedRuns = ByteText({0xFD, 0xFF, 0xFD, 0x00});
    const std::string rawMixed = ByteText({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC});
    struct Case {
        const char* name;
        bool eightBit;
        const std::vector<BYTE>* rows;
        LONG width, cx, cy;
        std::string expected;
    };
    const Case cases[] = {
        {"one bit, same size, compressed", false, &runs, 32, 32, 2, "mta 5 6;\nimt 1 32 2 4 4 <!" + packedRuns},
        {"one bit, scaled, compressed", false, &runs, 32, 64, 4, "mta 5 6;\nbmt 1 32 2 64 4 4 4 <!" + packedRuns},
        {"one bit, same size, raw", false, &mixed, 24, 24, 2, "mta 5 6;\nimm 1 24 2 3 6 <!" + rawMixed},
        {"one bit, scaled, raw", false, &mixed, 24, 12, 1, "mta 5 6;\nbmm 1 24 2 12 1 3 6 <!" + rawMixed},
        {"eight bits, same size, compressed", true, &runs, 4, 4, 2, "mta 5 6;\nimt 8 4 2 4 4 <!" + packedRuns},
        {"eight bits, scaled, compressed", true, &runs, 4, 8, 8, "mta 5 6;\nbmt 8 4 2 8 8 4 4 <!" + packedRuns},
        {"eight bits, same size, raw", true, &mixed, 3, 3, 2, "mta 5 6;\nimm 8 3 2 3 6 <!" + rawMixed},
        {"eight bits, scaled, raw", true, &mixed, 3, 300, 200, "mta 5 6;\nbmm 8 3 2 300 200 3 6 <!" + rawMixed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LONG rowBytes = static_cast<LONG>(c.rows->size() / 2);
        const BOOL ok = c.eightBit ? PdlOutputImage8(m_pdev, c.rows->data(), c.width, 2, rowBytes, 5, 6, c.cx, c.cy)
                                   : PdlOutputImage1(m_pdev, c.rows->data(), c.width, 2, rowBytes, 5, 6, c.cx, c.cy);
        EXPECT_TRUE(ok);
        EXPECT_EQ(Take(), c.expected + "!>;\n");
    }
}

TEST_F(Images, RowsAreReadAtTheirStrideAndNothingIsWrittenForAnEmptySize)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    // Rows of 4 bytes apart, of which a 12-pixel one-bit row uses two; the padding never reaches the printer.
    const std::vector<BYTE> rows = {0xA5, 0xF0, 0xEE, 0xEE, 0x5A, 0x0F, 0xEE, 0xEE};
    EXPECT_TRUE(PdlOutputImage1(m_pdev, rows.data(), 12, 2, 4, 0, 0, 12, 2));
    EXPECT_EQ(Take(), "mta 0 0;\nimm 1 12 2 2 4 <!" + ByteText({0xA5, 0xF0, 0x5A, 0x0F}) + "!>;\n");
    for (const auto& size : {std::vector<LONG>{0, 2, 12, 2}, {12, 0, 12, 2}, {12, 2, 0, 2}, {12, 2, 12, 0}}) {
        EXPECT_TRUE(PdlOutputImage1(m_pdev, rows.data(), size[0], size[1], 4, 0, 0, size[2], size[3]));
        EXPECT_TRUE(PdlOutputImage8(m_pdev, rows.data(), size[0], size[1], 4, 0, 0, size[2], size[3]));
    }
    EXPECT_EQ(Take(), "");
    EXPECT_FALSE(PdlOutputImage1(m_pdev, rows.data(), 40, 2, 4, 0, 0, 40, 2)) << "rows shorter than the width";
    EXPECT_FALSE(PdlOutputImage1(m_pdev, rows.data(), INT32_MAX, 2, 4, 0, 0, INT32_MAX, 2))
        << "a row of the widest width, rounded up to bytes without wrapping, is longer than 4 bytes";
    EXPECT_FALSE(PdlOutputImage8(m_pdev, nullptr, 4, 2, 4, 0, 0, 4, 2));
    EXPECT_FALSE(PdlOutputImage8(m_pdev, rows.data(), -4, 2, 4, 0, 0, 4, 2));
    EXPECT_EQ(Take(), "");
}

TEST_F(Images, OnlyAnImageThatPaintsMoreThanWhiteMarksThePage)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(0)), nullptr);
    const BYTE none[2] = {0x00, 0x00};
    const BYTE some[2] = {0x00, 0x40};
    const BYTE all[2] = {0xFF, 0xF0};   // a 12-pixel row: every pixel set, the bits past its end clear
    struct Case {
        const char* name;
        ULONG rop3;
        ULONG mode;
        ULONG fore, back;
        const BYTE* row;
        bool blank;
    };
    const Case cases[] = {
        {"white on a transparent background", 0xCC, TRANSPARENT, 0xFFFFFF, 0x000000, some, true},
        {"white on white", 0xCC, OPAQUE, 0xFFFFFF, 0xFFFFFF, some, true},
        {"white on black", 0xCC, OPAQUE, 0xFFFFFF, 0x000000, some, false},
        {"nothing set, transparent", 0xCC, TRANSPARENT, 0x000000, 0x000000, none, true},
        {"nothing set on white", 0xCC, OPAQUE, 0x000000, 0xFFFFFF, none, true},
        {"nothing set on black", 0xCC, OPAQUE, 0x000000, 0x000000, none, false},
        {"all set in white on black", 0xCC, OPAQUE, 0xFFFFFF, 0x000000, all, true},
        {"black set, transparent", 0xCC, TRANSPARENT, 0x000000, 0xFFFFFF, some, false},
        {"white under another rop", 0x66, TRANSPARENT, 0xFFFFFF, 0xFFFFFF, some, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PdlSetDrawKind(m_pdev, 1);
        PdlOutputRop3(m_pdev, c.rop3);
        PdlOutputBrushMode(m_pdev, c.mode);
        PdlOutputBrushColors(m_pdev, c.fore, c.back);
        EXPECT_TRUE(PdlOutputImage1(m_pdev, c.row, 12, 1, 2, 0, 0, 12, 1));
        EXPECT_EQ(PdlGetDrawKind(m_pdev), c.blank ? 1 : 0);
    }
    const BYTE white[3] = {0, 0, 0};
    const BYTE gray[3] = {0, 1, 0};
    PdlOutputRop3(m_pdev, 0xCC);
    PdlSetDrawKind(m_pdev, 1);
    EXPECT_TRUE(PdlOutputImage8(m_pdev, white, 3, 1, 3, 0, 0, 3, 1));
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 1) << "no ink";
    EXPECT_TRUE(PdlOutputImage8(m_pdev, gray, 3, 1, 3, 0, 0, 3, 1));
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 0) << "a little ink";
    PdlSetDrawKind(m_pdev, 1);
    PdlBeginPageAdditions(m_pdev, 1);
    EXPECT_TRUE(PdlOutputImage8(m_pdev, gray, 3, 1, 3, 0, 0, 3, 1));
    EXPECT_EQ(PdlGetDrawKind(m_pdev), 1) << "page additions";
    PdlEndPageAdditions(m_pdev);
}

TEST_F(Images, RectangleFillsCoverTheirEdgesOrNot)
{
    ASSERT_NE(OpenPage(), nullptr);
    PdlOutputRectRop(m_pdev, 1, 2, 5, 7);
    PdlOutputRectRop(m_pdev, 5, 2, 5, 7);
    PdlOutputRectRop(m_pdev, 1, 7, 5, 7);
    PdlOutputRectBlank(m_pdev, 1, 2, 5, 3);
    PdlOutputRectBlank(m_pdev, 1, 2, 5, 7);
    PdlOutputRectBlank(m_pdev, 5, 2, 4, 7);
    EXPECT_EQ(Take(), "rcr 1 2 5 6;\nsba 1 2 4;\nsba 1 2 4 5;\n");
}

TEST_F(Images, AnEightBitImageIsHalftonedByTheMatrixAtItsPlaceOnThePage)
{
    ASSERT_NE(OpenPage(DevmodeWithDither(3)), nullptr);
    const std::vector<BYTE> gray(8, 128);   // one row of ink 128
    // Row 0 of the 8 x 8 matrix from column 0 is 226 170 70 22 30 94 202 234: ink 128 sets columns 2 to 5.
    EXPECT_TRUE(PdlOutputImage8(m_pdev, gray.data(), 8, 1, 8, 0, 0, 8, 1));
    EXPECT_EQ(Take(), "bri #00 #FFFFFF;\nmta 0 0;\nimm 1 8 1 1 1 <!" + ByteText({0x3C}) + "!>;\n");
    // At (3, 3) the image meets row 3 from column 3: 254 246 166 34 2 10 58 214.
    EXPECT_TRUE(PdlOutputImage8(m_pdev, gray.data(), 8, 1, 8, 3, 3, 8, 1));
    EXPECT_EQ(Take(), "mta 3 3;\nimm 1 8 1 1 1 <!" + ByteText({0x1E}) + "!>;\n");
    // Scaled down, the one-bit image at the target size is smaller: halftoned there.
    const std::vector<BYTE> big(100 * 100, 255);
    EXPECT_TRUE(PdlOutputImage8(m_pdev, big.data(), 100, 100, 100, 0, 0, 50, 50));
    // Each row of 50 set pixels: six full bytes as a run, the last two pixels as a single byte.
    EXPECT_EQ(Take().substr(0, 33), "mta 0 0;\nimt 1 50 50 7 200 <!" + ByteText({0xFB, 0xFF, 0x00, 0xC0}));
    // Scaled up, it would not be: the eight-bit image goes to the printer.
    EXPECT_TRUE(PdlOutputImage8(m_pdev, gray.data(), 2, 2, 2, 0, 0, 100, 100));
    EXPECT_EQ(Take(), "mta 0 0;\nbmm 8 2 2 100 100 2 4 <!" + ByteText({128, 128, 128, 128}) + "!>;\n");
    // So is one stretched across the widest target: its one-bit row size is reckoned without wrapping.
    EXPECT_TRUE(PdlOutputImage8(m_pdev, gray.data(), 1, 1, 1, 0, 0, INT32_MAX, 1));
    EXPECT_EQ(Take(), "mta 0 0;\nbmm 8 1 1 2147483647 1 1 1 <!" + ByteText({128}) + "!>;\n");
}

TEST_F(Images, ThePrintersOwnHalftoningTakesTheEightBitImage)
{
    for (const bool errorDiffusion : {false, true}) {
        SCOPED_TRACE(errorDiffusion ? "error diffusion" : "no matrix chosen");
        DRIVER_DEVMODE dm = DevmodeWithDither(errorDiffusion ? 4 : 2);
        dm.dmPrivate.env.lpDitherType = errorDiffusion ? 1 : 0;
        ASSERT_NE(OpenPage(dm), nullptr);
        const std::vector<BYTE> gray(8, 128);
        EXPECT_TRUE(PdlOutputImage8(m_pdev, gray.data(), 8, 1, 8, 0, 0, 8, 1));
        EXPECT_EQ(Take(), "mta 0 0;\nimt 8 8 1 8 2 <!" + ByteText({0xF9, 128}) + "!>;\n");
        FinishJob();
        NextCase();
    }
}

} // namespace
