// pixels_test.cpp - SetPixel and GetPixel: the colour a device shows for the one asked, and where a pixel
// cannot be set or read.
#include "canvas.h"
#include "support/world_fixture.h"

using Pixels = WorldTest;

TEST_F(Pixels, SetPixelAnswersTheColourTheBitmapShows)
{
    struct Case { UINT bits; COLORREF asked; COLORREF shown; };
    const Case cases[] = {
        {24, RGB(12, 34, 56), RGB(12, 34, 56)},
        {1,  RGB(200, 0, 0),  RGB(0, 0, 0)},         // the nearer of black and white
        {1,  RGB(200, 200, 200), RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        Canvas canvas(3, 2, c.bits);
        EXPECT_EQ(SetPixel(canvas.dc(), 2, 1, c.asked), c.shown);
        EXPECT_EQ(GetPixel(canvas.dc(), 2, 1), c.shown);
    }
}

TEST_F(Pixels, NothingIsSetOrReadOutsideTheBitmapOrTheClip)
{
    Canvas canvas(3, 2);
    HDC dc = canvas.dc();
    IntersectClipRect(dc, 0, 0, 2, 2);
    EXPECT_EQ(SetPixel(dc, 2, 0, RGB(0, 0, 0)), static_cast<COLORREF>(-1)) << "clipped away";
    EXPECT_EQ(GetPixel(dc, 2, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, -1, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc, 0, 2), CLR_INVALID);
    SetViewportOrgEx(dc, 1, 0, nullptr);
    EXPECT_EQ(SetPixel(dc, 0, 0, RGB(0, 0, 0)), RGB(0, 0, 0)) << "logical (0,0) is device (1,0)";
    SetViewportOrgEx(dc, 0, 0, nullptr);
    EXPECT_EQ(GetPixel(dc, 1, 0), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{".#.", "..."}));
    EXPECT_EQ(GetPixel(nullptr, 0, 0), CLR_INVALID);
}
