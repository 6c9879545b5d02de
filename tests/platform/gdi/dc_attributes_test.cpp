// dc_attributes_test.cpp - the attributes of a DC: their checks, SaveDC and RestoreDC, and the origins.
#include "canvas.h"
#include "support/world_fixture.h"

using DcAttributes = WorldTest;

TEST_F(DcAttributes, SettersAnswerThePreviousValueAndRefuseUnknownOnes)
{
    Canvas canvas(2, 2);
    HDC dc = canvas.dc();
    EXPECT_EQ(SetTextColor(dc, RGB(1, 2, 3)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(SetBkColor(dc, RGB(4, 5, 6)), RGB(255, 255, 255));
    struct Case { const char* name; int (*set)(HDC, int); int (*get)(HDC); int initial; int good; int bad; };
    const Case cases[] = {
        {"background mode", SetBkMode, GetBkMode, OPAQUE, TRANSPARENT, 3},
        {"ROP2", SetROP2, GetROP2, R2_COPYPEN, R2_XORPEN, 17},
        {"fill mode", SetPolyFillMode, GetPolyFillMode, ALTERNATE, WINDING, 0},
        {"stretch mode", SetStretchBltMode, GetStretchBltMode, BLACKONWHITE, HALFTONE, 5},
        {"map mode", SetMapMode, GetMapMode, MM_TEXT, MM_TEXT, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.get(dc), c.initial);
        EXPECT_EQ(c.set(dc, c.good), c.initial);
        EXPECT_EQ(c.set(dc, c.bad), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(c.get(dc), c.good) << "a refused value changes nothing";
        EXPECT_EQ(c.set(nullptr, c.good), 0);
    }
    // Logical units are device pixels: the scaling map modes are not drawn in at all.
    EXPECT_EQ(SetMapMode(dc, MM_LOMETRIC), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    EXPECT_EQ(GetTextColor(nullptr), CLR_INVALID);
}

TEST_F(DcAttributes, RestoreDcGoesBackToASavedStateAndForgetsTheLaterOnes)
{
    Canvas canvas(6, 1);
    HDC dc = canvas.dc();
    HBRUSH gray = CreateSolidBrush(RGB(128, 128, 128));
    EXPECT_EQ(SaveDC(dc), 1);                                 // black pen, white brush, no clip
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SetROP2(dc, R2_NOT);
    IntersectClipRect(dc, 0, 0, 2, 1);
    EXPECT_EQ(SaveDC(dc), 2);
    SelectObject(dc, gray);
    SetViewportOrgEx(dc, 3, 0, nullptr);
    EXPECT_EQ(SaveDC(dc), 3);

    EXPECT_TRUE(RestoreDC(dc, -1));                            // the latest: nothing changed since
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), gray);
    EXPECT_TRUE(RestoreDC(dc, 2));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(BLACK_BRUSH));
    POINT origin;
    SetViewportOrgEx(dc, 0, 0, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(GetROP2(dc), R2_NOT);
    PatBlt(dc, 0, 0, 6, 1, PATCOPY);
    EXPECT_EQ(canvas.Picture()[0], "##....") << "the saved clip is back";
    EXPECT_FALSE(RestoreDC(dc, 2)) << "state 2 was used up";
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, -2));
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(SaveDC(dc), 1);
    EXPECT_TRUE(DeleteObject(gray));
}
