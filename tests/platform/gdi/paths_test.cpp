// paths_test.cpp - paths on a memory DC: recording between BeginPath and EndPath, filling a glyph-like outline
// of curves by the fill mode, stroking, closing figures, clipping to a path, and calls out of turn.
#include "canvas.h"
#include "support/world_fixture.h"

using Paths = WorldTest;

namespace {

// A square outline of four Bézier curves whose control points lie on its sides, clockwise or not on the page.
void SquareOfCurves(HDC dc, LONG left, LONG top, LONG right, LONG bottom, bool clockwise)
{
    const POINT a = {left, top}, b = {right, top}, c = {right, bottom}, d = {left, bottom};
    const POINT corners[] = {a, clockwise ? b : d, c, clockwise ? d : b, a};
    std::vector<POINT> points = {corners[0]};
    for (int i = 0; i < 4; ++i) {
        const POINT from = corners[i], to = corners[i + 1];
        points.push_back({from.x + (to.x - from.x) / 3, from.y + (to.y - from.y) / 3});
        points.push_back({from.x + 2 * (to.x - from.x) / 3, from.y + 2 * (to.y - from.y) / 3});
        points.push_back(to);
    }
    ASSERT_TRUE(PolyBezier(dc, points.data(), static_cast<DWORD>(points.size())));
}

} // namespace

TEST_F(Paths, FillAnOutlineOfCurvesByTheFillMode)
{
    struct Case { int mode; bool innerClockwise; std::vector<std::string> expected; };
    const std::vector<std::string> ring = {
        "..........", ".########.", ".########.", ".##....##.", ".##....##.",
        ".##....##.", ".##....##.", ".########.", ".########.", ".........."};
    const std::vector<std::string> solid = {
        "..........", ".########.", ".########.", ".########.", ".########.",
        ".########.", ".########.", ".########.", ".########.", ".........."};
    const Case cases[] = {
        {WINDING,   false, ring},    // a glyph's counter runs against its outline: the windings cancel
        {WINDING,   true,  solid},   // the same way round: wound twice, still inside
        {ALTERNATE, false, ring},
        {ALTERNATE, true,  ring},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << (c.innerClockwise ? ", inner clockwise" : ""));
        Canvas canvas(10, 10);
        HDC dc = canvas.dc();
        SelectObject(dc, GetStockObject(BLACK_BRUSH));
        SetPolyFillMode(dc, c.mode);
        ASSERT_TRUE(BeginPath(dc));
        SquareOfCurves(dc, 1, 1, 9, 9, /*clockwise=*/true);
        SquareOfCurves(dc, 3, 3, 7, 7, c.innerClockwise);
        ASSERT_TRUE(EndPath(dc));
        EXPECT_EQ(canvas.Picture(), std::vector<std::string>(10, "..........")) << "nothing drawn while recording";
        ASSERT_TRUE(FillPath(dc));
        EXPECT_EQ(canvas.Picture(), c.expected);
    }
}

TEST_F(Paths, FillARoundGlyphWithItsCounter)
{
    // An "O": the outline clockwise, the counter anticlockwise, both quarter curves of a circle.
    Canvas canvas(12, 12);
    HDC dc = canvas.dc();
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SetPolyFillMode(dc, WINDING);
    BeginPath(dc);
    const POINT outer[] = {{11, 6}, {11, 9}, {9, 11}, {6, 11}, {3, 11}, {1, 9}, {1, 6},
                           {1, 3},  {3, 1},  {6, 1},  {9, 1},  {11, 3}, {11, 6}};
    const POINT inner[] = {{8, 6}, {8, 4}, {7, 3}, {6, 3}, {5, 3}, {4, 4}, {4, 6},
                           {4, 8}, {5, 9}, {6, 9}, {7, 9}, {8, 8}, {8, 6}};
    PolyBezier(dc, outer, 13);
    PolyBezier(dc, inner, 13);
    EndPath(dc);
    ASSERT_TRUE(FillPath(dc));
    // The top and bottom rows touch the curves at one point only, and a centre on the counter's left side
    // belongs to the counter: left edges are in, right edges out.
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
        "............",
        "............",
        "...#######..",
        "..#########.",
        "..###...###.",
        "..###...###.",
        ".###....###.",
        "..###...###.",
        "..###...###.",
        "..#########.",
        "...#######..",
        "............",
    }));
}

TEST_F(Paths, StrokeCloseAndClipToAPath)
{
    Canvas canvas(8, 6);
    HDC dc = canvas.dc();
    // A triangle of two lines, closed by CloseFigure: the closing line is stroked too.
    BeginPath(dc);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 6, 1);
    LineTo(dc, 6, 4);
    ASSERT_TRUE(CloseFigure(dc));
    EndPath(dc);
    ASSERT_TRUE(StrokePath(dc));
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
        "........",
        ".######.",
        "..##..#.",   // the closing line back from (6,4) to (1,1)
        "....###.",
        "......#.",
        "........",
    }));
    EXPECT_FALSE(StrokePath(dc)) << "the path went with the stroke";

    // A figure that Polyline started is open too: the same triangle, closed the same way.
    PatBlt(dc, 0, 0, 8, 6, WHITENESS);
    const POINT corners[] = {{1, 1}, {6, 1}, {6, 4}};
    BeginPath(dc);
    Polyline(dc, corners, 3);
    ASSERT_TRUE(CloseFigure(dc));
    EXPECT_FALSE(CloseFigure(dc)) << "already closed";
    EndPath(dc);
    ASSERT_TRUE(StrokePath(dc));
    EXPECT_EQ(canvas.Picture()[2], "..##..#.");

    // The region a path fills becomes the clip: the blit below reaches its inside only.
    PatBlt(dc, 0, 0, 8, 6, WHITENESS);
    BeginPath(dc);
    Rectangle(dc, 2, 1, 7, 5);
    EndPath(dc);
    ASSERT_TRUE(SelectClipPath(dc, RGN_COPY));
    PatBlt(dc, 0, 0, 8, 6, BLACKNESS);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
        "........",
        "..####..",
        "..####..",
        "..####..",
        "........",
        "........",
    }));
}

TEST_F(Paths, RefuseCallsOutOfTurnAndForgetAnAbortedPath)
{
    Canvas canvas(4, 4);
    HDC dc = canvas.dc();
    EXPECT_FALSE(EndPath(dc)) << "no path begun";
    EXPECT_FALSE(FillPath(dc));
    EXPECT_FALSE(SelectClipPath(dc, RGN_COPY));
    ASSERT_TRUE(BeginPath(dc));
    EXPECT_FALSE(CloseFigure(dc)) << "no figure yet";
    EXPECT_FALSE(StrokeAndFillPath(dc)) << "the path is still open";
    Rectangle(dc, 0, 0, 4, 4);
    EXPECT_TRUE(AbortPath(dc));
    EXPECT_FALSE(EndPath(dc)) << "the aborted path is gone";
    BeginPath(dc);
    Rectangle(dc, 0, 0, 3, 3);
    EndPath(dc);
    EXPECT_FALSE(SelectClipPath(dc, 0)) << "an unknown mode";
    EXPECT_TRUE(StrokeAndFillPath(dc)) << "the path stayed after the refused call";
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{"###.", "#.#.", "###.", "...."}));
}
