// path_render_test.cpp - EngFillPath, EngStrokePath and EngLineTo on bitmap surfaces: mixes with the
// destination, a hatch's background mix, geometric lines and their dashes, clips, and what they refuse.
#include "bitmaps.h"
#include "host/engine/brush.h"
#include "host/engine/clip.h"
#include "host/engine/path.h"
#include "host/engine/xlate.h"

using platform::engine::BrushObject;
using platform::engine::PathObject;

namespace {

std::unique_ptr<PathObject> Square(FIX left, FIX top, FIX right, FIX bottom)
{
    const POINTFIX points[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    const BYTE types[] = {PT_MOVETO, PT_LINETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE};
    return PathObject::FromPoints(points, types, 4);
}

} // namespace

TEST(EngFillPath, MixesTheBrushWithTheDestinationAndKeepsAHatchsBackgroundByItsOwnMix)
{
    TestBitmap bitmap(4, 2, BMF_8BPP);
    for (LONG x = 0; x < 4; ++x)
        bitmap.Set(x, 0, 0x0F);
    auto path = Square(0, 0, 64, 16);
    auto brush = BrushObject::Solid(0x3C, RGB(0, 0, 0));
    ASSERT_TRUE(EngFillPath(bitmap.so(), path->get(), nullptr, brush->get(), nullptr, R2_XORPEN | R2_XORPEN << 8,
                            FP_ALTERNATEMODE));
    EXPECT_EQ(bitmap.Pixels(), (std::vector<ULONG>{0x33, 0x33, 0x33, 0x33, 0, 0, 0, 0}));

    // A two-colour pattern: where it shows its background (1), the background mix (here: leave it) applies.
    TestBitmap pattern(2, 1, BMF_1BPP);
    pattern.Set(1, 0, 1);
    platform::engine::Palette twoColours;
    twoColours.iMode = PAL_INDEXED;
    twoColours.entries = {RGB(255, 0, 0), RGB(0, 0, 255)};
    platform::engine::Palette direct;
    auto hatch = BrushObject::Pattern(pattern.handle(), nullptr,
                                      std::make_unique<platform::engine::XlateObject>(twoColours, direct), nullptr,
                                      HS_CROSS);
    TestBitmap target(4, 1, BMF_32BPP);
    auto row = Square(0, 0, 64, 16);
    ASSERT_TRUE(EngFillPath(target.so(), row->get(), nullptr, hatch->get(), nullptr, R2_COPYPEN | R2_NOP << 8,
                            FP_WINDINGMODE));
    EXPECT_EQ(target.Pixels(), (std::vector<ULONG>{RGB(255, 0, 0), 0, RGB(255, 0, 0), 0}));
}

TEST(EngStrokePath, WidensGeometricLinesAndCutsThemIntoCappedDashes)
{
    TestBitmap bitmap(12, 3, BMF_8BPP);
    const POINTFIX points[] = {{0, 16}, {12 * 16, 16}};
    const BYTE types[] = {PT_MOVETO, PT_LINETO};
    auto path = PathObject::FromPoints(points, types, 2);
    auto brush = BrushObject::Solid(9, RGB(0, 0, 0));
    FLOAT_LONG style[2];
    style[0].e = 3;   // three on, two off, in world units
    style[1].e = 2;
    LINEATTRS la = {};
    la.fl = LA_GEOMETRIC | LA_STYLED;
    la.iJoin = JOIN_MITER;
    la.iEndCap = ENDCAP_BUTT;
    la.elWidth.e = 3;
    la.eMiterLimit = 10;
    la.cstyle = 2;
    la.pstyle = style;
    auto clip = platform::engine::ClipObject::FromRectangles({{0, 0, 12, 2}});   // the last row clipped away
    ASSERT_TRUE(EngStrokePath(bitmap.so(), path->get(), clip->get(), nullptr, brush->get(), nullptr, &la,
                              R2_COPYPEN));
    const std::vector<ULONG> dashRow = {9, 9, 9, 0, 0, 9, 9, 9, 0, 0, 9, 9};
    std::vector<ULONG> expected = dashRow;
    expected.insert(expected.end(), dashRow.begin(), dashRow.end());
    expected.insert(expected.end(), 12, 0);
    EXPECT_EQ(bitmap.Pixels(), expected);

    // What is refused: a foreign path, no attributes, a style longer than GDI makes, an unknown mix, a device
    // surface.
    FLOAT_LONG longStyle[17] = {};
    LINEATTRS tooLong = la;
    tooLong.cstyle = 17;
    tooLong.pstyle = longStyle;
    PATHOBJ foreign = {};
    EXPECT_FALSE(EngStrokePath(bitmap.so(), &foreign, nullptr, nullptr, brush->get(), nullptr, &la, R2_COPYPEN));
    EXPECT_FALSE(EngStrokePath(bitmap.so(), path->get(), nullptr, nullptr, brush->get(), nullptr, nullptr,
                               R2_COPYPEN));
    EXPECT_FALSE(EngStrokePath(bitmap.so(), path->get(), nullptr, nullptr, brush->get(), nullptr, &tooLong,
                               R2_COPYPEN));
    EXPECT_FALSE(EngStrokePath(bitmap.so(), path->get(), nullptr, nullptr, brush->get(), nullptr, &la, 0));
    EXPECT_FALSE(EngFillPath(bitmap.so(), path->get(), nullptr, brush->get(), nullptr, R2_LAST + 1, 0));
    const HSURF device = EngCreateDeviceSurface(nullptr, SIZEL{4, 4}, BMF_8BPP);
    SURFOBJ* so = EngLockSurface(device);
    EXPECT_FALSE(EngFillPath(so, path->get(), nullptr, brush->get(), nullptr, R2_COPYPEN, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EngUnlockSurface(so);
    EngDeleteSurface(device);
}

TEST(EngStrokePath, ALineOfNoLengthLeavesItsCapsOnly)
{
    // A pen three pixels wide at (1.5, 1.5): its round dot reaches the four centres within 1.5 pixels, its
    // square the nine from 0 to 2.
    struct Case { ULONG cap; std::vector<ULONG> expected; };
    const Case cases[] = {
        {ENDCAP_ROUND,  {0, 0, 0, 0,  0, 1, 1, 0,  0, 1, 1, 0,  0, 0, 0, 0}},
        {ENDCAP_SQUARE, {1, 1, 1, 0,  1, 1, 1, 0,  1, 1, 1, 0,  0, 0, 0, 0}},
        {ENDCAP_BUTT,   std::vector<ULONG>(16, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cap);
        TestBitmap bitmap(4, 4, BMF_8BPP);
        const POINTFIX points[] = {{24, 24}, {24, 24}};
        const BYTE types[] = {PT_MOVETO, PT_LINETO};
        auto path = PathObject::FromPoints(points, types, 2);
        auto brush = BrushObject::Solid(1, RGB(0, 0, 0));
        LINEATTRS la = {};
        la.fl = LA_GEOMETRIC;
        la.iEndCap = c.cap;
        la.elWidth.e = 3;
        ASSERT_TRUE(EngStrokePath(bitmap.so(), path->get(), nullptr, nullptr, brush->get(), nullptr, &la, R2_COPYPEN));
        EXPECT_EQ(bitmap.Pixels(), c.expected);
    }
}
