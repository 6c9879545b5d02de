// halftone_test.cpp - repeat tables, the threshold matrices and halftoning anchored to the page.
#include "pdl/vxcmn/vqpdlnt/halftone.h"
#include "pdl/vxcmn/vqpdlnt/halftone_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <vector>

namespace {

TEST(RepeatTables, SpreadTargetPixelsOverSourcePixelsRoundedWhenEnlarging)
{
    struct Case {
        LONG n, m;
        std::vector<LONG> copies;
    };
    const Case cases[] = {
        {3, 7, {2, 3, 2}},               // shares 2.33, 4.67, 7 rounded: 2, 5, 7
        {2, 5, {3, 2}},                  // 2.5 rounds up
        {7, 3, {0, 0, 1, 0, 1, 0, 1}},   // reducing: shares taken down, dropped pixels get 0
        {4, 4, {1, 1, 1, 1}},
        {1, 5, {5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.n << " to " << c.m);
        std::vector<LONG> copies(c.n, -1);
        BuildRepeatTable(c.n, c.m, copies.data());
        EXPECT_EQ(copies, c.copies);
        EXPECT_EQ(std::accumulate(copies.begin(), copies.end(), 0L), c.m);
    }
}

TEST(ThresholdMatrices, TheLargeMatrixRepeatsItsTopHalfWithItsHalvesSwapped)
{
    const BYTE* m16 = FindThresholdMatrix(16);
    ASSERT_NE(m16, nullptr);
    for (int row = 0; row < 8; ++row) {
        EXPECT_EQ(std::memcmp(m16 + (row + 8) * 16, m16 + row * 16 + 8, 8), 0) << "row " << row + 8;
        EXPECT_EQ(std::memcmp(m16 + (row + 8) * 16 + 8, m16 + row * 16, 8), 0) << "row " << row + 8;
    }
    EXPECT_EQ(m16[0], 199);
    EXPECT_EQ(m16[7 * 16 + 11], 255);
    EXPECT_EQ(m16[15 * 16 + 3], 255);
    const BYTE* m8 = FindThresholdMatrix(8);
    ASSERT_NE(m8, nullptr);
    EXPECT_EQ(m8[0], 226);
    EXPECT_EQ(m8[63], 250);
    EXPECT_EQ(FindThresholdMatrix(4), nullptr);
}

// Halftones the ink image at (x, y) into rows of (cx + 7) / 8 bytes.
std::vector<BYTE> Halftone(const std::vector<BYTE>& ink, LONG width, LONG height, LONG x, LONG y, LONG cx, LONG cy,
                           UINT n)
{
    std::vector<BYTE> out(static_cast<size_t>((cx + 7) / 8) * cy, 0);
    EXPECT_TRUE(HalftoneInk(ink.data(), width, height, width, x, y, cx, cy, n, out.data()));
    return out;
}

TEST(Halftoning, NeighbouringImagesMeetWithoutASeam)
{
    // A ramp of ink, 16 x 4, halftoned whole and as two images of 8 x 4 side by side, at two page positions
    // (one left of and above the page): each pixel gets the same bit either way.
    std::vector<BYTE> ramp(16 * 4);
    for (size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<BYTE>(i * 4);
    for (const UINT n : {8u, 16u}) {
        for (const POINTL at : {POINTL{5, 7}, POINTL{-3, -2}}) {
            SCOPED_TRACE(testing::Message() << n << " at " << at.x << ", " << at.y);
            const std::vector<BYTE> whole = Halftone(ramp, 16, 4, at.x, at.y, 16, 4, n);
            std::vector<BYTE> left, right;
            for (int row = 0; row < 4; ++row) {
                left.insert(left.end(), ramp.begin() + row * 16, ramp.begin() + row * 16 + 8);
                right.insert(right.end(), ramp.begin() + row * 16 + 8, ramp.begin() + row * 16 + 16);
            }
            const std::vector<BYTE> a = Halftone(left, 8, 4, at.x, at.y, 8, 4, n);
            const std::vector<BYTE> b = Halftone(right, 8, 4, at.x + 8, at.y, 8, 4, n);
            for (int row = 0; row < 4; ++row) {
                EXPECT_EQ(whole[row * 2], a[row]) << "row " << row;
                EXPECT_EQ(whole[row * 2 + 1], b[row]) << "row " << row;
            }
        }
    }
}

TEST(Halftoning, AScaledImageRepeatsItsPixelsBeforeThresholding)
{
    // Full ink then none, two pixels to five: 3 copies and 2; full ink passes every threshold, none none.
    EXPECT_EQ(Halftone({255, 0}, 2, 1, 0, 0, 5, 1, 8), std::vector<BYTE>({0xE0}));
    // Two rows to three: the first row twice.
    EXPECT_EQ(Halftone({255, 0}, 1, 2, 0, 0, 1, 3, 8), std::vector<BYTE>({0x80, 0x80, 0x00}));
    std::vector<BYTE> out(1, 0);
    EXPECT_FALSE(HalftoneInk(out.data(), 1, 1, 1, 0, 0, 1, 1, 5, out.data())) << "no matrix of 5";
}

TEST(Halftoning, ATargetTooWideForItsColumnTableIsRefusedBeforeAnyPixel)
{
    // Four bytes a target column: 2^30 + 1 columns, or as many source columns, need more than a 32-bit size
    // can say. Refused before the table is filled or a row written, so a one-byte buffer stands for the rows.
    struct Case {
        LONG width, cx;
    };
    const Case cases[] = {
        {1, 0x40000001},
        {0x40000001, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " to " << c.cx);
        BYTE ink = 255;
        BYTE out = 0;
        EXPECT_FALSE(HalftoneInk(&ink, c.width, 1, 1, 0, 0, c.cx, 1, 8, &out));
        EXPECT_EQ(out, 0);
    }
}

} // namespace
