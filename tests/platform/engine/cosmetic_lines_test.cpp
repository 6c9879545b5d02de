// cosmetic_lines_test.cpp - one-pixel lines: the same pixels however they are clipped, styles and their
// steps, and ends anywhere in the LONG range.
#include "bitmaps.h"
#include "host/engine/cosmetic_lines.h"
#include "host/engine/brush.h"

#include <set>

using platform::engine::CosmeticStyle;
using platform::engine::Figure;
using platform::engine::TraceCosmeticFigure;
using platform::engine::TraceCosmeticLine;

namespace {

std::set<std::pair<LONG, LONG>> Pixels(POINTL from, POINTL to, const std::vector<RECTL>& visible)
{
    std::set<std::pair<LONG, LONG>> pixels;
    TraceCosmeticLine(from, to, visible, [&](LONG x, LONG y) {
        EXPECT_TRUE(pixels.insert({x, y}).second) << "pixel " << x << "," << y << " drawn twice";
    });
    return pixels;
}

} // namespace

TEST(CosmeticLines, AClippedLineKeepsThePixelsOfTheWholeLine)
{
    // Lines from far outside through a small window: the window's pixels are those of the whole line.
    const POINTL ends[][2] = {
        {{-40000, -12347}, {40000, 12351}},
        {{7001, -30000}, {-6999, 29999}},
        {{-5, 3}, {1000, 3}},
    };
    const RECTL window = {-8, -8, 9, 9};
    for (const auto& line : ends) {
        SCOPED_TRACE(testing::Message() << line[0].x << "," << line[0].y);
        const auto whole = Pixels(line[0], line[1], {{-50000, -50000, 50000, 50000}});
        std::set<std::pair<LONG, LONG>> inside;
        for (const auto& p : whole)
            if (p.first >= window.left && p.first < window.right && p.second >= window.top && p.second < window.bottom)
                inside.insert(p);
        // The window split in four, as a clip region would hand it over.
        EXPECT_EQ(Pixels(line[0], line[1], {{-8, -8, 0, 9}, {0, -8, 9, 0}, {0, 0, 9, 1}, {0, 1, 9, 9}}), inside);
        EXPECT_FALSE(inside.empty());
    }
}

TEST(CosmeticLines, StylesRunOnAcrossCornersBySteps)
{
    struct Case { const char* name; CosmeticStyle style; std::string expected; };
    CosmeticStyle dashes;
    dashes.dashes = {2, 1};   // two units on, one off; a unit per pixel
    CosmeticStyle gapFirst = dashes;
    gapFirst.startGap = true;
    CosmeticStyle halfSteps = dashes;
    halfSteps.den = 2;        // half a unit a pixel: twice as long
    CosmeticStyle alternate;
    alternate.alternate = true;
    const Case cases[] = {
        {"dash first", dashes, "##.##.##.##.##.##."},
        {"gap first", gapFirst, "..#..#..#..#..#..#"},
        {"half a unit a pixel", halfSteps, "####..####..####.."},
        {"every other pixel", alternate, "#.#.#.#.#.#.#.#.#."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Nine pixels along, then nine down: the style does not restart at the corner.
        Figure figure{{{0, 0}, {9 * 16, 0}, {9 * 16, 9 * 16}}, false};
        std::string drawn(18, '.');
        TraceCosmeticFigure(figure, c.style, {{0, 0, 20, 20}}, [&](LONG x, LONG y) {
            drawn.at(static_cast<size_t>(y == 0 ? x : 9 + y)) = '#';
        });
        EXPECT_EQ(drawn, c.expected);
    }
}

TEST(EngLineTo, DrawsLinesEndingAnywhereInTheLongRange)
{
    TestBitmap bitmap(8, 2, BMF_8BPP);
    auto brush = platform::engine::BrushObject::Solid(7, RGB(0, 0, 0));
    ASSERT_TRUE(EngLineTo(bitmap.so(), nullptr, brush->get(), INT32_MIN, 1, INT32_MAX, 1, nullptr, R2_COPYPEN));
    ASSERT_TRUE(EngLineTo(bitmap.so(), nullptr, brush->get(), 2, 0, 5, 0, nullptr, R2_COPYPEN));
    EXPECT_EQ(bitmap.Pixels(), (std::vector<ULONG>{0, 0, 7, 7, 7, 0, 0, 0, 7, 7, 7, 7, 7, 7, 7, 7}));
}
