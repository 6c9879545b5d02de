// stretchblt_test.cpp - EngStretchBlt and EngStretchBltROP: scaling, mirroring, masks and the ROP form.
#include "bitmaps.h"
#include "host/engine/brush.h"

TEST(EngStretchBlt, SamplesTheSourcePixelUnderEachDestinationCentre)
{
    TestBitmap source(3, 2, BMF_8BPP);
    for (LONG y = 0; y < 2; ++y)
        for (LONG x = 0; x < 3; ++x)
            source.Set(x, y, 10 * y + x + 1);
    struct Case { RECTL dest; RECTL src; std::vector<ULONG> expected; };   // a 6 x 2 destination
    const Case cases[] = {
        {{0, 0, 6, 2}, {0, 0, 3, 2}, {1, 1, 2, 2, 3, 3, 11, 11, 12, 12, 13, 13}},   // doubled across
        {{6, 0, 0, 2}, {0, 0, 3, 2}, {3, 3, 2, 2, 1, 1, 13, 13, 12, 12, 11, 11}},   // mirrored by the destination
        {{0, 0, 6, 2}, {3, 0, 0, 2}, {3, 3, 2, 2, 1, 1, 13, 13, 12, 12, 11, 11}},   // mirrored by the source
        {{0, 2, 6, 0}, {0, 0, 3, 2}, {11, 11, 12, 12, 13, 13, 1, 1, 2, 2, 3, 3}},   // upside down
        {{0, 0, 2, 1}, {0, 0, 3, 2}, {11, 13, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},       // shrunk: centres fall on row 1
    };
    for (const Case& c : cases) {
        for (ULONG mode : {ULONG{BLACKONWHITE}, ULONG{WHITEONBLACK}, ULONG{COLORONCOLOR}, ULONG{HALFTONE}}) {
            SCOPED_TRACE(testing::Message() << "case " << (&c - cases) << " mode " << mode);
            TestBitmap dest(6, 2, BMF_8BPP);
            RECTL d = c.dest;
            RECTL s = c.src;
            ASSERT_TRUE(EngStretchBlt(dest.so(), source.so(), nullptr, nullptr, nullptr, nullptr, nullptr, &d, &s,
                                      nullptr, mode));
            EXPECT_EQ(dest.Pixels(), c.expected);
        }
    }
}

TEST(EngStretchBlt, LeavesPixelsWhoseSourceLiesOutsideTheBitmap)
{
    TestBitmap source(2, 1, BMF_8BPP);
    source.Set(0, 0, 5);
    source.Set(1, 0, 6);
    TestBitmap dest(4, 1, BMF_8BPP);
    RECTL d = {0, 0, 4, 1};
    RECTL s = {-1, 0, 3, 1};   // one column too many on each side
    ASSERT_TRUE(EngStretchBlt(dest.so(), source.so(), nullptr, nullptr, nullptr, nullptr, nullptr, &d, &s, nullptr,
                              COLORONCOLOR));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{0, 5, 6, 0}));
    EXPECT_FALSE(
        EngStretchBlt(dest.so(), source.so(), nullptr, nullptr, nullptr, nullptr, nullptr, &d, &s, nullptr, 9));
    EXPECT_FALSE(EngStretchBlt(dest.so(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &d, &s, nullptr,
                               COLORONCOLOR));
}

TEST(EngStretchBlt, AMaskOverTheSourceKeepsTheDestinationWhereItIsZero)
{
    TestBitmap source(2, 1, BMF_8BPP);
    source.Set(0, 0, 7);
    source.Set(1, 0, 8);
    TestBitmap mask(3, 1, BMF_1BPP);
    mask.Set(2, 0, 1);   // with the mask origin at 1: source column 1 only
    TestBitmap dest(4, 1, BMF_8BPP);
    RECTL d = {0, 0, 4, 1};
    RECTL s = {0, 0, 2, 1};
    POINTL maskOrigin = {1, 0};
    ASSERT_TRUE(EngStretchBlt(dest.so(), source.so(), mask.so(), nullptr, nullptr, nullptr, nullptr, &d, &s,
                              &maskOrigin, COLORONCOLOR));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{0, 0, 8, 8}));
}

TEST(EngStretchBltROP, CombinesTheStretchedSourceWithTheBrushAndDestination)
{
    TestBitmap source(1, 1, BMF_1BPP);
    source.Set(0, 0, 1);
    TestBitmap dest(3, 2, BMF_1BPP);
    dest.Set(0, 0, 1);
    auto brush = platform::engine::BrushObject::Solid(0, RGB(0, 0, 0));
    RECTL d = {0, 0, 2, 2};
    RECTL s = {0, 0, 1, 1};
    // 0xE2: where the source is 1 take the brush, elsewhere keep the destination.
    ASSERT_TRUE(EngStretchBltROP(dest.so(), source.so(), nullptr, nullptr, nullptr, nullptr, nullptr, &d, &s, nullptr,
                                 COLORONCOLOR, brush->get(), 0xE2E2));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{0, 0, 0, 0, 0, 0}));
    auto white = platform::engine::BrushObject::Solid(1, RGB(255, 255, 255));
    ASSERT_TRUE(EngStretchBltROP(dest.so(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &d, nullptr, nullptr,
                                 COLORONCOLOR, white->get(), 0xF0F0));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{1, 1, 0, 1, 1, 0}));
}

TEST(EngStretchBlt, SamplesOnlyTheDestinationOnTheSurfaceAndRefusesExtentsBeyondTwoToThe30)
{
    TestBitmap source(2, 1, BMF_8BPP);
    source.Set(0, 0, 5);
    source.Set(1, 0, 6);
    TestBitmap dest(4, 1, BMF_8BPP);
    // A destination a billion pixels wide, of which the surface shows the first four of the left half.
    RECTL d = {0, 0, 1 << 30, 1};
    RECTL s = {0, 0, 2, 1};
    ASSERT_TRUE(EngStretchBlt(dest.so(), source.so(), nullptr, nullptr, nullptr, nullptr, nullptr, &d, &s, nullptr,
                              COLORONCOLOR));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{5, 5, 5, 5}));
    RECTL tooWide = {-1, 0, 1 << 30, 1};
    EXPECT_FALSE(EngStretchBlt(dest.so(), source.so(), nullptr, nullptr, nullptr, nullptr, nullptr, &tooWide, &s,
                               nullptr, COLORONCOLOR));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}
