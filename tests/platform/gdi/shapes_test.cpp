// shapes_test.cpp - Polygon, PolyPolygon, Rectangle, Ellipse and RoundRect on a memory DC, pixel by pixel: the
// fill convention (right and bottom edges left out), the fill modes, and pens and brushes together.
#include "canvas.h"
#include "support/world_fixture.h"

#include <functional>

using Shapes = WorldTest;

TEST_F(Shapes, DrawEachShapeAsGdiDoes)
{
    struct Case {
        const char* name;
        int fillMode;
        std::function<HGDIOBJ()> pen;
        std::function<BOOL(HDC)> draw;
        std::vector<std::string> expected;         // 'r' is the red brush
    };
    const POINT star[] = {{5, 0}, {8, 9}, {0, 3}, {10, 3}, {2, 9}};   // a pentagram, crossing itself
    const auto black = [] { return GetStockObject(BLACK_PEN); };
    const auto none = [] { return GetStockObject(NULL_PEN); };
    const auto insideFrame = [] {
        const LOGBRUSH brush = {BS_SOLID, RGB(0, 0, 0), 0};
        return ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_JOIN_MITER, 3, &brush, 0, nullptr);
    };
    const Case cases[] = {
        {"rectangle: the pen's outline takes the last column and row inside", ALTERNATE, black,
         [](HDC dc) { return Rectangle(dc, 1, 1, 7, 5); },
         {"..........",
          ".######...",
          ".#rrrr#...",
          ".#rrrr#...",
          ".######...",
          ".........."}},
        {"rectangle without a pen: one pixel smaller, as GDI draws it", ALTERNATE, none,
         [](HDC dc) { return Rectangle(dc, 7, 5, 1, 1); },   // any corner order
         {"..........",
          ".rrrrr....",
          ".rrrrr....",
          ".rrrrr....",
          "..........",
          ".........."}},
        {"pentagram, alternate: the middle stays empty", ALTERNATE, none,
         [&](HDC dc) { return Polygon(dc, star, 5); },
         {"..........",   // the apex is a point: no pixel centre lies strictly inside
          ".....r....",
          ".....r....",
          "rrrr..rrrr",   // the top edge's row is in; the inner pentagon is not
          "..rr...rr.",
          "...r...r..",
          "...r..r...",
          "...rr.rr..",
          "...r...r..",
          ".........."}},  // the bottom points' row is out
        {"pentagram, winding: the middle is filled", WINDING, none,
         [&](HDC dc) { return Polygon(dc, star, 5); },
         {"..........",
          ".....r....",
          ".....r....",
          "rrrrrrrrrr",
          "..rrrrrrr.",
          "...rrrrr..",
          "...rrrr...",
          "...rr.rr..",   // between the two lower points the outline does not wind
          "...r...r..",
          ".........."}},
        {"ellipse of a circle", ALTERNATE, black,
         [](HDC dc) { return Ellipse(dc, 1, 1, 9, 9); },
         {"..........",   // eight pixels across: the right and bottom edges are left out
          "...####...",
          "..##rr##..",
          ".##rrrr##.",
          ".#rrrrrr#.",
          ".#rrrrrr#.",
          ".##rrrr##.",
          "..##rr##..",
          "...####...",
          ".........."}},
        {"round rectangle", ALTERNATE, black,
         [](HDC dc) { return RoundRect(dc, 0, 0, 10, 6, 4, 4); },
         {".########.",
          "##rrrrrr##",
          "#rrrrrrrr#",
          "#rrrrrrrr#",
          "##rrrrrr##",
          ".########."}},
        {"two polygons as one fill: alternate leaves the inner one out", ALTERNATE, none,
         [](HDC dc) {
             const POINT squares[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {2, 2}, {4, 2}, {4, 4}, {2, 4}};
             const INT counts[] = {4, 4};
             return PolyPolygon(dc, squares, counts, 2);
         },
         {"rrrrrr....",
          "rrrrrr....",
          "rr..rr....",
          "rr..rr....",
          "rrrrrr....",
          "rrrrrr...."}},
        {"a wide pen drawn inside the frame stays on the rectangle's pixels", ALTERNATE, insideFrame,
         [](HDC dc) { return Rectangle(dc, 0, 0, 10, 8); },
         {"##########",
          "##########",
          "##########",
          "###rrrr###",
          "###rrrr###",
          "##########",
          "##########",
          "##########"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(10, static_cast<LONG>(c.expected.size()));
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        HGDIOBJ oldBrush = SelectObject(canvas.dc(), red);
        const HGDIOBJ pen = c.pen();
        SelectObject(canvas.dc(), pen);
        SetPolyFillMode(canvas.dc(), c.fillMode);
        ASSERT_TRUE(c.draw(canvas.dc()));
        EXPECT_EQ(canvas.Picture({{RGB(255, 0, 0), 'r'}}), c.expected);
        SelectObject(canvas.dc(), oldBrush);
        SelectObject(canvas.dc(), GetStockObject(BLACK_PEN));
        DeleteObject(red);
        DeleteObject(pen);
    }
    const POINT pair[] = {{0, 0}, {1, 1}};
    const INT counts[] = {2, 1};
    Canvas canvas(2, 2);
    EXPECT_FALSE(PolyPolygon(canvas.dc(), pair, counts, 2)) << "a polygon of one point";
    EXPECT_FALSE(Polygon(canvas.dc(), pair, 1));
    EXPECT_FALSE(Rectangle(canvas.dc(), 0, 0, 1 << 30, 2)) << "beyond the device's coordinates";
}
