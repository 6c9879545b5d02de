// lines_test.cpp - LineTo, Polyline, PolylineTo, PolyBezier and PolyBezierTo on a memory DC, pixel by pixel:
// one-pixel lines without their last pixel, styles, wide pens' caps and joins, ROP2, and the current position.
#include "canvas.h"
#include "support/world_fixture.h"

#include <functional>

using Lines = WorldTest;

namespace {

// Draws with the pen selected for the call, then deletes the pen.
void DrawWith(HDC dc, HPEN pen, const std::function<void(HDC)>& draw)
{
    HGDIOBJ old = SelectObject(dc, pen);
    draw(dc);
    SelectObject(dc, old);
    EXPECT_TRUE(DeleteObject(pen));
}

HPEN WidePen(DWORD style, DWORD width)
{
    const LOGBRUSH black = {BS_SOLID, RGB(0, 0, 0), 0};
    return ExtCreatePen(PS_GEOMETRIC | style, width, &black, 0, nullptr);
}

} // namespace

TEST_F(Lines, DrawEachLineAsGdiDoes)
{
    struct Case {
        const char* name;
        std::function<HPEN()> pen;
        std::function<void(HDC)> draw;
        std::vector<std::string> expected;
    };
    const auto corner = [](HDC dc) {
        const POINT points[] = {{1, 5}, {5, 5}, {5, 1}};
        Polyline(dc, points, 3);
    };
    const Case cases[] = {
        {"a line leaves out its last pixel", [] { return CreatePen(PS_SOLID, 1, RGB(0, 0, 0)); },
         [](HDC dc) { MoveToEx(dc, 1, 1, nullptr); LineTo(dc, 6, 1); },
         {"..........",
          ".#####....",
          ".........."}},
        {"a flat line takes the nearest pixel in each column, halves away from its start",
         [] { return CreatePen(PS_SOLID, 0, RGB(0, 0, 0)); },
         [](HDC dc) { MoveToEx(dc, 0, 0, nullptr); LineTo(dc, 8, 3); },
         {"##........",
          "..##......",
          "....###...",
          ".......#.."}},
        {"a steep line, drawn backwards", [] { return CreatePen(PS_SOLID, 1, RGB(0, 0, 0)); },
         [](HDC dc) { MoveToEx(dc, 3, 3, nullptr); LineTo(dc, 1, 0); },
         {"..........",
          "..#.......",
          "..#.......",
          "...#......"}},
        {"a closed polyline draws each corner once", [] { return CreatePen(PS_SOLID, 1, RGB(0, 0, 0)); },
         [](HDC dc) {
             const POINT box[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}, {1, 1}};
             Polyline(dc, box, 5);
         },
         {"..........",
          ".#####....",
          ".#...#....",
          ".#...#....",
          ".#####....",
          ".........."}},
        {"dashes of nine pixels and gaps of three on a memory DC", [] { return CreatePen(PS_DASH, 1, RGB(0, 0, 0)); },
         [](HDC dc) { MoveToEx(dc, 0, 0, nullptr); LineTo(dc, 24, 0); },
         {"#########...#########...."}},
        {"a wide pen with flat caps covers its rectangle", [] { return WidePen(PS_ENDCAP_FLAT, 3); },
         [](HDC dc) { MoveToEx(dc, 1, 2, nullptr); LineTo(dc, 7, 2); },
         {"..........",
          ".######...",
          ".######...",
          ".######...",
          ".........."}},
        {"square caps reach half the width past each end", [] { return WidePen(PS_ENDCAP_SQUARE, 3); },
         [](HDC dc) { MoveToEx(dc, 1, 2, nullptr); LineTo(dc, 7, 2); },
         {"..........",
          "#########.",   // from -0.5 to 8.5: the centres 0 to 8
          "#########.",
          "#########.",
          ".........."}},
        {"a miter join fills the outer corner", [] { return WidePen(PS_ENDCAP_FLAT | PS_JOIN_MITER, 3); }, corner,
         {"..........",
          "....###...",
          "....###...",
          "....###...",
          ".######...",
          ".######...",
          ".######...",
          ".........."}},
        {"a bevel join cuts it", [] { return WidePen(PS_ENDCAP_FLAT | PS_JOIN_BEVEL, 3); }, corner,
         {"..........",
          "....###...",
          "....###...",
          "....###...",
          ".######...",
          ".######...",
          ".#####....",
          ".........."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LONG width = static_cast<LONG>(c.expected.front().size());
        Canvas canvas(width, static_cast<LONG>(c.expected.size()));
        DrawWith(canvas.dc(), c.pen(), c.draw);
        EXPECT_EQ(canvas.Picture(), c.expected);
    }
}

TEST_F(Lines, MixWithTheDestinationByTheRop2)
{
    Canvas canvas(6, 2);
    HDC dc = canvas.dc();
    PatBlt(dc, 0, 1, 6, 1, BLACKNESS);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HGDIOBJ old = SelectObject(dc, red);
    struct Case { int rop2; int passes; std::vector<std::string> expected; };
    const Case cases[] = {
        {R2_XORPEN,  1, {"cccc..", "rrrr##"}},   // red on white gives cyan, on black red
        {R2_XORPEN,  2, {"......", "######"}},   // twice: what was there before
        {R2_NOT,     1, {"####..", "....##"}},
        {R2_MASKPEN, 1, {"rrrr..", "######"}},
        {R2_NOP,     1, {"......", "######"}},
        {R2_WHITE,   1, {"......", "....##"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ROP2 " << c.rop2 << ", " << c.passes << " passes");
        PatBlt(dc, 0, 0, 6, 1, WHITENESS);
        PatBlt(dc, 0, 1, 6, 1, BLACKNESS);
        SetROP2(dc, c.rop2);
        EXPECT_EQ(GetROP2(dc), c.rop2);
        for (int pass = 0; pass < c.passes; ++pass)
            for (int y = 0; y < 2; ++y) {
                MoveToEx(dc, 0, y, nullptr);
                LineTo(dc, 4, y);
            }
        EXPECT_EQ(canvas.Picture({{RGB(255, 0, 0), 'r'}, {RGB(0, 255, 255), 'c'}}), c.expected);
    }
    SelectObject(dc, old);
    DeleteObject(red);
}

TEST_F(Lines, TheToCallsStartAtTheCurrentPositionAndMoveIt)
{
    Canvas canvas(10, 3);
    HDC dc = canvas.dc();
    POINT previous;
    EXPECT_TRUE(MoveToEx(dc, 1, 0, &previous));
    EXPECT_EQ(previous.x, 0);
    const POINT run[] = {{4, 0}, {4, 2}};
    EXPECT_TRUE(PolylineTo(dc, run, 2));
    const POINT curve[] = {{5, 2}, {7, 2}, {8, 2}};   // a curve that is a straight line
    EXPECT_TRUE(PolyBezierTo(dc, curve, 3));
    EXPECT_TRUE(LineTo(dc, 8, 0));
    MoveToEx(dc, 0, 0, &previous);
    EXPECT_EQ(previous.x, 8);
    EXPECT_EQ(previous.y, 0);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
        ".####.....",   // (1,0) to (4,0), then down from (4,0); (8,0) is the last line's end
        "....#...#.",
        "....#####.",
    }));

    // Counts that make no line or no whole curve are refused, and draw nothing.
    struct Refusal { const char* call; BOOL result; };
    const POINT points[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}};
    const Refusal refusals[] = {
        {"Polyline of one point", Polyline(dc, points, 1)},
        {"Polyline of none", Polyline(dc, nullptr, 2)},
        {"PolylineTo of none", PolylineTo(dc, points, 0)},
        {"PolyBezier of a curve and a point", PolyBezier(dc, points, 5)},
        {"PolyBezierTo of two points", PolyBezierTo(dc, points, 2)},
        {"LineTo on no DC", LineTo(nullptr, 1, 1)},
    };
    for (const Refusal& r : refusals)
        EXPECT_FALSE(r.result) << r.call;
    EXPECT_EQ(canvas.Picture()[0], ".####.....");
}
