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
        bool pen;                                  // the black pen, else the null pen
        std::function<BOOL(HDC)> draw;
        std::vector<std::string> expected;         // 'r' is the red brush
    };
    const POINT star[] = {{5, 0}, {8, 9}, {0, 3}, {10, 3}, {2, 9}};   // a pentagram, crossing itself
    const Case cases[] = {
        {"rectangle: the pen's outline takes the last column and row inside", ALTERNATE, true,
         [](HDC dc) { return Rectangle(dc, 1, 1, 7, 5); },
         {"..........",
          ".######...",
          ".#rrrr#...",
          ".#rrrr#...",
          ".######...",
          ".........."}},
        {"rectangle without a pen: one pixel smaller, as GDI draws it", ALTERNATE, false,
         [](HDC dc) { return Rectangle(dc, 7, 5, 1, 1); },   // any corner order
         {"..........",
          ".rrrrr....",
          ".rrrrr....",
          ".rrrrr....",
          "..........",
          ".........."}},
        {"pentagram, alternate: the middle stays empty", ALTERNATE, false,
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
        {"pentagram, winding: the middle is filled", WINDING, false,
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
        {"ellipse of a circle", ALTERNATE, true,
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
        {"round rectangle", ALTERNATE, true,
         [](HDC dc) { return RoundRect(dc, 0, 0, 10, 6, 4, 4); },
         {".########.",
          "##rrrrrr##",
          "#rrrrrrrr#",
          "#rrrrrrrr#",
          "##rrrrrr##",
          ".########."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(10, static_cast<LONG>(c.expected.size()));
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        HGDIOBJ oldBrush = SelectObject(canvas.dc(), red);
        SelectObject(canvas.dc(), GetStockObject(c.pen ? BLACK_PEN : NULL_PEN));
        SetPolyFillMode(canvas.dc(), c.fillMode);
        ASSERT_TRUE(c.draw(canvas.dc()));
        EXPECT_EQ(canvas.Picture({{RGB(255, 0, 0), 'r'}}), c.expected);
        SelectObject(canvas.dc(), oldBrush);
        DeleteObject(red);
    }
}
