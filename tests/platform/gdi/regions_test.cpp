// regions_test.cpp - region objects and the clip region of a DC: CombineRgn's modes, SelectClipRgn,
// IntersectClipRect and ExcludeClipRect in logical coordinates, GetClipBox, and drawing kept inside the clip.
#include "canvas.h"
#include "support/world_fixture.h"

using Regions = WorldTest;

TEST_F(Regions, CombineRegionsByEachMode)
{
    // Two overlapping rectangles: (0,0)-(4,4) and (2,2)-(6,6).
    struct Case { int mode; int complexity; std::vector<std::string> expected; };
    const Case cases[] = {
        {RGN_AND,  SIMPLEREGION,  {"......", "......", "..##..", "..##..", "......", "......"}},
        {RGN_OR,   COMPLEXREGION, {"####..", "####..", "######", "######", "..####", "..####"}},
        {RGN_XOR,  COMPLEXREGION, {"####..", "####..", "##..##", "##..##", "..####", "..####"}},
        {RGN_DIFF, COMPLEXREGION, {"####..", "####..", "##....", "##....", "......", "......"}},
        {RGN_COPY, SIMPLEREGION,  {"####..", "####..", "####..", "####..", "......", "......"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        HRGN a = CreateRectRgn(0, 0, 4, 4);
        const RECT second = {6, 6, 2, 2};   // corners in any order
        HRGN b = CreateRectRgnIndirect(&second);
        HRGN result = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(CombineRgn(result, a, b, c.mode), c.complexity);
        Canvas canvas(6, 6);
        EXPECT_EQ(SelectClipRgn(canvas.dc(), result), c.complexity);
        DeleteObject(result);   // the DC keeps a copy
        PatBlt(canvas.dc(), 0, 0, 6, 6, BLACKNESS);
        EXPECT_EQ(canvas.Picture(), c.expected);
        DeleteObject(a);
        DeleteObject(b);
    }

    HRGN a = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(CombineRgn(a, a, a, RGN_DIFF), NULLREGION) << "a region may be its own operand";
    EXPECT_EQ(CombineRgn(a, a, a, 9), ERROR);
    EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_OR), ERROR);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(CombineRgn(a, nullptr, nullptr, RGN_COPY), ERROR);
    DeleteObject(a);
}

TEST_F(Regions, ClipRectanglesAreLogicalAndStayWhereTheyWereSet)
{
    Canvas canvas(8, 5);
    HDC dc = canvas.dc();
    SetWindowOrgEx(dc, -1, 0, nullptr);   // logical x + 1 is the device x
    EXPECT_EQ(IntersectClipRect(dc, 0, 1, 5, 4), SIMPLEREGION);   // device (1,1)-(6,4)
    EXPECT_EQ(ExcludeClipRect(dc, 2, 2, 3, 3), COMPLEXREGION);     // device (3,2)
    RECT box;
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 1);
    EXPECT_EQ(box.right, 5);
    EXPECT_EQ(box.bottom, 4);
    SetWindowOrgEx(dc, 0, 0, nullptr);    // the clip does not move with the origin
    PatBlt(dc, 0, 0, 8, 5, BLACKNESS);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{
        "........",
        ".#####..",
        ".##.##..",
        ".#####..",
        "........",
    }));

    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box.right, 8) << "without a clip region, the whole bitmap";
    EXPECT_EQ(IntersectClipRect(dc, 5, 5, 2, 2), SIMPLEREGION) << "corners in any order";
    EXPECT_EQ(IntersectClipRect(dc, 0, 0, 1, 1), NULLREGION);
    EXPECT_EQ(GetClipBox(dc, &box), NULLREGION);
    EXPECT_EQ(box.right, 0);
    EXPECT_EQ(GetClipBox(dc, nullptr), ERROR);
    EXPECT_EQ(SelectClipRgn(dc, reinterpret_cast<HRGN>(GetStockObject(BLACK_PEN))), ERROR) << "not a region";
    EXPECT_EQ(IntersectClipRect(nullptr, 0, 0, 1, 1), ERROR);
}

TEST_F(Regions, SelectingARegionClipsAndAnswersItsComplexity)
{
    Canvas canvas(4, 2);
    HRGN region = CreateRectRgn(1, 0, 3, 1);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(SelectObject(canvas.dc(), region)), static_cast<ULONG_PTR>(SIMPLEREGION));
    EXPECT_TRUE(DeleteObject(region)) << "a region is copied into the DC, never selected";
    PatBlt(canvas.dc(), 0, 0, 4, 2, BLACKNESS);
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{".##.", "...."}));
}

TEST_F(Regions, APolygonRegionHoldsThePixelsItsFillWould)
{
    // A square with a square hole traced the same way round: winding keeps the hole filled, alternate not.
    const POINT ring[] = {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 0}, {2, 2}, {4, 2}, {4, 4}, {2, 4}, {2, 2}};
    const POINT triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    struct Case { const char* name; const POINT* points; int count; int mode; std::vector<std::string> expected; };
    const Case cases[] = {
        {"alternate", ring, 10, ALTERNATE, {"######", "######", "##..##", "##..##", "######", "######"}},
        {"winding", ring, 10, WINDING, {"######", "######", "######", "######", "######", "######"}},
        {"a triangle", triangle, 3, ALTERNATE, {"######", "#####.", "####..", "###...", "##....", "#....."}},
        {"two points enclose nothing", triangle, 2, ALTERNATE, {"......", "......", "......", "......", "......",
                                                                 "......"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HRGN region = CreatePolygonRgn(c.points, c.count, c.mode);
        ASSERT_NE(region, nullptr);
        Canvas canvas(6, 6);
        SelectClipRgn(canvas.dc(), region);
        PatBlt(canvas.dc(), 0, 0, 6, 6, BLACKNESS);
        EXPECT_EQ(canvas.Picture(), c.expected);
        DeleteObject(region);
    }
    SetLastError(0);
    EXPECT_EQ(CreatePolygonRgn(triangle, 3, 3), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CreatePolygonRgn(nullptr, 3, ALTERNATE), nullptr);
    // A corner beyond the device's reach has no 28.4 value: refused, not wrapped.
    for (const POINT far : {POINT{1 << 28, 0}, POINT{0, -(1 << 28)}}) {
        SCOPED_TRACE(testing::Message() << "corner " << far.x << ", " << far.y);
        const POINT reaching[] = {{0, 0}, far, {0, 6}};
        SetLastError(0);
        EXPECT_EQ(CreatePolygonRgn(reaching, 3, ALTERNATE), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    }
}
