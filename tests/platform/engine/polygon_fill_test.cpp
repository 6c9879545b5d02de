// polygon_fill_test.cpp - the scan converter: pixel centres and the top-left rule, the fill rules, and paths
// far larger than any surface.
#include "host/engine/polygon_fill.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

using platform::engine::Figure;
using platform::engine::FillFigures;
using platform::engine::FillRule;

namespace {

// How often each pixel of the area is covered, row by row: '.' never, '1' once, '2' twice.
std::vector<std::string> Coverage(const std::vector<Figure>& figures, FillRule rule, const RECTL& area,
                                  const std::vector<RECTL>& visible = {})
{
    std::vector<std::string> rows(static_cast<size_t>(area.bottom - area.top),
                                  std::string(static_cast<size_t>(area.right - area.left), '.'));
    const std::vector<RECTL> where = visible.empty() ? std::vector<RECTL>{area} : visible;
    FillFigures(figures, rule, where, [&](LONG y, LONG left, LONG right) {
        for (LONG x = left; x < right; ++x) {
            char& c = rows.at(static_cast<size_t>(y - area.top)).at(static_cast<size_t>(x - area.left));
            c = c == '.' ? '1' : '2';
        }
    });
    return rows;
}

// A closed figure of pixel points given in sixteenths (28.4).
Figure Polygon(std::initializer_list<POINTFIX> points)
{
    return Figure{points, true};
}

} // namespace

TEST(PolygonFill, CoversPixelsWhoseCentresLieInsideTopAndLeftEdgesIncluded)
{
    struct Case { const char* name; std::vector<Figure> figures; std::vector<std::string> expected; };
    const Case cases[] = {
        {"whole pixels: the right and bottom edges stay out",
         {Polygon({{16, 16}, {48, 16}, {48, 48}, {16, 48}})},
         {"....", ".11.", ".11.", "...."}},
        {"half pixels: the centres inside decide",
         {Polygon({{8, 8}, {56, 8}, {56, 40}, {8, 40}})},
         {"....", ".111", ".111", "...."}},
        {"a sliver between two centres covers nothing",
         {Polygon({{20, 0}, {28, 0}, {28, 64}, {20, 64}})},
         {"....", "....", "....", "...."}},
        // Two triangles sharing a diagonal, and four sharing the centre point: each pixel once, none twice.
        {"shared edges paint their pixels once",
         {Polygon({{0, 0}, {64, 0}, {64, 64}}), Polygon({{0, 0}, {64, 64}, {0, 64}})},
         {"1111", "1111", "1111", "1111"}},
        {"shared edges at half pixels too",
         {Polygon({{8, 8}, {40, 8}, {24, 24}}), Polygon({{40, 8}, {40, 40}, {24, 24}}),
          Polygon({{40, 40}, {8, 40}, {24, 24}}), Polygon({{8, 40}, {8, 8}, {24, 24}})},
         {"....", ".11.", ".11.", "...."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Coverage(c.figures, FillRule::Alternate, {0, 0, 4, 4}), c.expected);
    }
}

TEST(PolygonFill, NestedOutlinesByTheFillRule)
{
    const Figure outer = Polygon({{0, 0}, {96, 0}, {96, 96}, {0, 96}});
    const Figure sameWay = Polygon({{32, 32}, {64, 32}, {64, 64}, {32, 64}});
    const Figure otherWay = Polygon({{32, 32}, {32, 64}, {64, 64}, {64, 32}});
    const std::vector<std::string> ring = {"111111", "111111", "11..11", "11..11", "111111", "111111"};
    const std::vector<std::string> solid(6, "111111");
    EXPECT_EQ(Coverage({outer, sameWay}, FillRule::Alternate, {0, 0, 6, 6}), ring);
    EXPECT_EQ(Coverage({outer, otherWay}, FillRule::Alternate, {0, 0, 6, 6}), ring);
    EXPECT_EQ(Coverage({outer, sameWay}, FillRule::Winding, {0, 0, 6, 6}), solid);
    EXPECT_EQ(Coverage({outer, otherWay}, FillRule::Winding, {0, 0, 6, 6}), ring);
    // Only the visible rectangles are painted, each span inside one of them.
    EXPECT_EQ(Coverage({outer}, FillRule::Winding, {0, 0, 6, 6}, {{0, 0, 2, 6}, {4, 2, 6, 3}}),
              (std::vector<std::string>{"11....", "11....", "11..11", "11....", "11....", "11...."}));
}

TEST(PolygonFill, PathsFarBeyondTheSurfaceFillOnlyTheVisibleArea)
{
    // The lower left half of the plane below the diagonal, its corners 2^26 pixels away (28.4: 2^30): the
    // pixels strictly below the diagonal, those on it left out (it is the shape's right edge).
    const FIX far = 1 << 30;
    const Figure wedge = Polygon({{-far, -far}, {far, far}, {-far, far}});
    EXPECT_EQ(Coverage({wedge}, FillRule::Winding, {100, 100, 105, 105}),
              (std::vector<std::string>{".....", "1....", "11...", "111..", "1111."}));
    // The largest 28.4 values there are, on a visible area at the other end of the range.
    const Figure everything = Polygon({{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX},
                                       {INT32_MIN, INT32_MAX}});
    EXPECT_EQ(Coverage({everything}, FillRule::Alternate, {-3000, 5000, -2997, 5002}),
              (std::vector<std::string>{"111", "111"}));
}
