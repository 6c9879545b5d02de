// gradient_test.cpp - EngGradientFill: shaded rectangles and triangles, clipping, and bad meshes.
#include "bitmaps.h"
#include "host/engine/clip.h"
#include "host/engine/xlate.h"

namespace {

TRIVERTEX Vertex(LONG x, LONG y, BYTE r, BYTE g, BYTE b)
{
    return {x, y, static_cast<COLOR16>(r << 8), static_cast<COLOR16>(g << 8), static_cast<COLOR16>(b << 8), 0};
}

} // namespace

TEST(EngGradientFill, ShadesRectanglesAcrossOrDown)
{
    TestBitmap dest(4, 4, BMF_32BPP);
    TRIVERTEX v[] = {Vertex(0, 0, 0, 0, 0), Vertex(4, 4, 0, 0, 200)};
    GRADIENT_RECT mesh = {0, 1};
    RECTL extents = {0, 0, 4, 4};
    ASSERT_TRUE(EngGradientFill(dest.so(), nullptr, nullptr, v, 2, &mesh, 1, &extents, nullptr, GRADIENT_FILL_RECT_H));
    // Pixel centres lie at 0.5, 1.5, 2.5, 3.5 of 4: blue 25, 75, 125, 175; without a translation, RGB values.
    for (LONG y = 0; y < 4; ++y)
        for (LONG x = 0; x < 4; ++x)
            EXPECT_EQ(dest.Get(x, y), static_cast<ULONG>(25 + 50 * x) << 16) << x << "," << y;
    ASSERT_TRUE(EngGradientFill(dest.so(), nullptr, nullptr, v, 2, &mesh, 1, &extents, nullptr, GRADIENT_FILL_RECT_V));
    for (LONG y = 0; y < 4; ++y)
        EXPECT_EQ(dest.Get(0, y), static_cast<ULONG>(25 + 50 * y) << 16) << y;
}

TEST(EngGradientFill, FillsTrianglesWithinTheClipThroughTheTranslation)
{
    TestBitmap dest(6, 6, BMF_24BPP);
    TRIVERTEX v[] = {Vertex(0, 0, 255, 0, 0), Vertex(6, 0, 255, 0, 0), Vertex(0, 6, 255, 0, 0)};
    GRADIENT_TRIANGLE mesh = {0, 1, 2};
    RECTL extents = {0, 0, 6, 6};
    platform::engine::Palette rgb, bgr;
    rgb.iMode = PAL_RGB;
    bgr.iMode = PAL_BGR;
    platform::engine::XlateObject xlate(rgb, bgr);
    auto clip = platform::engine::ClipObject::FromRectangles({{0, 0, 6, 3}});
    ASSERT_TRUE(EngGradientFill(dest.so(), clip->get(), xlate.get(), v, 3, &mesh, 1, &extents, nullptr,
                                GRADIENT_FILL_TRIANGLE));
    for (LONG y = 0; y < 6; ++y)
        for (LONG x = 0; x < 6; ++x) {
            // Centres strictly under the diagonal and above the clip; a centre on the diagonal (x + y = 5) lies on the
            // triangle's right edge, which does not own its pixels.
            const bool inside = y < 3 && x + y < 5;
            EXPECT_EQ(dest.Get(x, y), inside ? 0xFF0000u : 0u) << x << "," << y;
        }
}

TEST(EngGradientFill, ABadMeshDrawsNothing)
{
    TestBitmap dest(2, 2, BMF_8BPP);
    TRIVERTEX v[] = {Vertex(0, 0, 9, 9, 9), Vertex(2, 2, 9, 9, 9)};
    GRADIENT_RECT meshes[] = {{0, 1}, {0, 2}};   // the second names a vertex that does not exist
    RECTL extents = {0, 0, 2, 2};
    EXPECT_FALSE(
        EngGradientFill(dest.so(), nullptr, nullptr, v, 2, meshes, 2, &extents, nullptr, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(dest.Pixels(), (std::vector<ULONG>{0, 0, 0, 0}));
    EXPECT_FALSE(EngGradientFill(dest.so(), nullptr, nullptr, v, 2, meshes, 1, &extents, nullptr, 7));
    TRIVERTEX far[] = {Vertex(0, 0, 9, 9, 9), Vertex(0x10000000, 2, 9, 9, 9)};
    EXPECT_FALSE(
        EngGradientFill(dest.so(), nullptr, nullptr, far, 2, meshes, 1, &extents, nullptr, GRADIENT_FILL_RECT_H));
    EXPECT_FALSE(EngGradientFill(dest.so(), nullptr, nullptr, v, 2, meshes, 1, nullptr, nullptr, GRADIENT_FILL_RECT_H));
}
