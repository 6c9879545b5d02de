// ddi_output_test.cpp - drawing on a printer DC: the DDI calls the test driver receives with their arguments
// (paths in 28.4, clip complexity, brushes, mixes, rops), GDI's fall-backs when the driver has no hook or
// declines, and a banded page drawn again into every band.
#include "canvas.h"
#include "printer_drawing.h"

#include <functional>
#include <map>

namespace {

constexpr FLONG kPathHooks = HOOK_FILLPATH | HOOK_STROKEPATH | HOOK_STROKEANDFILLPATH | HOOK_BITBLT | HOOK_COPYBITS |
                             HOOK_STRETCHBLT;
constexpr FLONG kAllCaps = GCAPS_BEZIERS | GCAPS_ALTERNATEFILL | GCAPS_WINDINGFILL | GCAPS_GEOMETRICWIDE;

} // namespace

TEST_F(PrinterDrawing, FillsGoToDrvFillPathWithTheirClipBrushMixAndMode)
{
    struct Case {
        const char* name;
        std::function<void(HDC)> setup;
        std::string expected;
    };
    const std::string path = "path M32,48 L144,48 L144,112 L32,112 Z";   // (2,3) to (9,7): 10 and 8 less one
    const Case cases[] = {
        {"unclipped: trivial", [](HDC) {}, "DrvFillPath clip 0 2,3,9,7 brush 0 mix d0d mode 1 " + path},
        {"one clip rectangle", [](HDC dc) { IntersectClipRect(dc, 0, 0, 6, 40); },
         "DrvFillPath clip 1 2,3,6,7 brush 0 mix d0d mode 1 " + path},
        {"a hole in the clip", [](HDC dc) { ExcludeClipRect(dc, 4, 4, 6, 6); },
         "DrvFillPath clip 3 2,3,9,7 rects 4 brush 0 mix d0d mode 1 " + path},
        {"a clip around it all: trivial again", [](HDC dc) { IntersectClipRect(dc, 0, 0, 30, 30); },
         "DrvFillPath clip 0 2,3,9,7 brush 0 mix d0d mode 1 " + path},
        {"winding, XOR, white", [](HDC dc) {
             SetPolyFillMode(dc, WINDING);
             SetROP2(dc, R2_XORPEN);
             SelectObject(dc, GetStockObject(WHITE_BRUSH));
         }, "DrvFillPath clip 0 2,3,9,7 brush 1 mix 707 mode 2 " + path},
        {"moved by the window origin", [](HDC dc) { SetWindowOrgEx(dc, 1, -1, nullptr); },
         "DrvFillPath clip 0 1,4,8,8 brush 0 mix d0d mode 1 path M16,64 L128,64 L128,128 L16,128 Z"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC hdc = OpenPage(Options(kPathHooks, kAllCaps));
        SelectObject(hdc, GetStockObject(NULL_PEN));
        SelectObject(hdc, GetStockObject(BLACK_BRUSH));
        c.setup(hdc);
        EXPECT_TRUE(Rectangle(hdc, 2, 3, 10, 8));
        EXPECT_EQ(DriverLines(), std::vector<std::string>{c.expected});
        EXPECT_EQ(host::DeviceContextCalls(hdc), std::vector<std::string>{"DrvFillPath"});
        ClosePage(hdc);
    }
}

TEST_F(PrinterDrawing, StrokesAndShapesGoToTheirPathHooksWithTheirLineAttributes)
{
    struct Case {
        const char* name;
        std::function<HPEN()> pen;
        std::function<void(HDC)> draw;
        std::string expected;
    };
    const Case cases[] = {
        {"a cosmetic line", [] { return CreatePen(PS_SOLID, 0, 0); },
         [](HDC dc) { MoveToEx(dc, 1, 1, nullptr); LineTo(dc, 5, 2); },
         "DrvStrokePath clip 0 1,1,6,3 brush 0 mix d0d cosmetic style 0 fl 0 path M16,16 L80,32"},
        {"a dashed cosmetic line", [] { return CreatePen(PS_DASH, 1, 0); },
         [](HDC dc) { MoveToEx(dc, 1, 1, nullptr); LineTo(dc, 5, 2); },
         "DrvStrokePath clip 0 1,1,6,3 brush 0 mix d0d cosmetic style 2 fl 8 path M16,16 L80,32"},
        {"a wide pen: round joins and caps", [] { return CreatePen(PS_SOLID, 4, 0); },
         [](HDC dc) { MoveToEx(dc, 10, 10, nullptr); LineTo(dc, 20, 10); },
         "DrvStrokePath clip 0 6,6,25,15 brush 0 mix d0d geometric 4 join 0 cap 0 style 0 path M160,160 L320,160"},
        {"a shape with pen and brush at once", [] { return CreatePen(PS_SOLID, 1, 0); },
         [](HDC dc) { Rectangle(dc, 1, 1, 4, 3); },
         "DrvStrokeAndFillPath clip 0 1,1,4,3 stroke brush 0 fill brush 1 mix d0d mode 1 cosmetic style 0 fl 0 "
         "path M16,16 L48,16 L48,32 L16,32 Z"},
        {"curves as curves", [] { return CreatePen(PS_SOLID, 1, 0); },
         [](HDC dc) {
             const POINT curve[] = {{0, 0}, {4, 0}, {4, 4}, {8, 4}};
             PolyBezier(dc, curve, 4);
         },
         "DrvStrokePath clip 0 0,0,9,5 brush 0 mix d0d cosmetic style 0 fl 0 path M0,0 C64,0 C64,64 C128,64"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC hdc = OpenPage(Options(kPathHooks, kAllCaps));
        HPEN pen = c.pen();
        SelectObject(hdc, pen);
        c.draw(hdc);
        EXPECT_EQ(DriverLines(), std::vector<std::string>{c.expected});
        ClosePage(hdc);
        DeleteObject(pen);
    }
}

TEST_F(PrinterDrawing, ArcsChordsAndPiesAreBezierCurvesCounterClockwise)
{
    // The ellipse of (0, 0, 17, 17) has its centre at pixel (8, 8) and a radius of 8 pixels; from the radial
    // towards (16, 8) to the one towards (8, 0) is a quarter, counter-clockwise on the page.
    const std::string quarter = "M256,128 C256,57 C199,0 C128,0";
    struct Case {
        const char* name;
        std::function<BOOL(HDC)> draw;
        std::string hook;
        std::string path;
    };
    const Case cases[] = {
        {"an arc is stroked and left open", [](HDC dc) { return Arc(dc, 0, 0, 17, 17, 16, 8, 8, 0); },
         "DrvStrokePath", quarter},
        {"a chord is closed by its line", [](HDC dc) { return Chord(dc, 0, 0, 17, 17, 16, 8, 8, 0); },
         "DrvStrokeAndFillPath", quarter + " Z"},
        {"a pie runs from the centre", [](HDC dc) { return Pie(dc, 0, 0, 17, 17, 16, 8, 8, 0); },
         "DrvStrokeAndFillPath", "M128,128 L256,128 C256,57 C199,0 C128,0 Z"},
        {"the other way round is three quarters", [](HDC dc) { return Arc(dc, 0, 0, 17, 17, 8, 0, 16, 8); },
         "DrvStrokePath", "M128,0 C57,0 C0,57 C0,128 C0,199 C57,256 C128,256 C199,256 C256,199 C256,128"},
        {"one radial twice is the whole ellipse", [](HDC dc) { return Arc(dc, 0, 0, 17, 17, 20, 8, 30, 8); },
         "DrvStrokePath", quarter + " C57,0 C0,57 C0,128 C0,199 C57,256 C128,256 C199,256 C256,199 C256,128"},
        {"a radial point inside the ellipse counts by its direction",
         [](HDC dc) { return Arc(dc, 0, 0, 17, 17, 9, 8, 8, 7); }, "DrvStrokePath", quarter},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC hdc = OpenPage(Options(kPathHooks, kAllCaps));
        SelectObject(hdc, GetStockObject(BLACK_PEN));
        SelectObject(hdc, GetStockObject(WHITE_BRUSH));
        EXPECT_TRUE(c.draw(hdc));
        const std::vector<std::string> lines = DriverLines();
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0].substr(0, lines[0].find(' ')), c.hook);
        EXPECT_EQ(lines[0].substr(lines[0].find(" path ") + 6), c.path);
        ClosePage(hdc);
    }
}

TEST_F(PrinterDrawing, WhatTheDriverCannotTakeIsMadeSimpler)
{
    struct Case {
        const char* name;
        TestDriverOptions options;
        std::function<void(HDC)> draw;
        std::vector<std::string> calls;       // the driver calls GDI made, in order
        std::string firstLine;                // the first of the driver's lines
    };
    const auto curve = [](HDC dc) {
        const POINT points[] = {{0, 0}, {4, 0}, {4, 4}, {8, 4}};
        PolyBezier(dc, points, 4);
    };
    const auto widePen = [](HDC dc) {
        SelectObject(dc, CreatePen(PS_SOLID, 3, 0));
        MoveToEx(dc, 2, 2, nullptr);
        LineTo(dc, 6, 2);
        DeleteObject(SelectObject(dc, GetStockObject(BLACK_PEN)));
    };
    TestDriverOptions declining = Options(kPathHooks, kAllCaps);
    declining.declinePaths = true;
    const Case cases[] = {
        {"curves flattened for a driver without GCAPS_BEZIERS",
         Options(kPathHooks, kAllCaps & ~GCAPS_BEZIERS), curve, {"DrvStrokePath"},
         "DrvStrokePath clip 0 0,0,9,5 brush 0 mix d0d cosmetic style 0 fl 0 path M0,0 L"},
        {"declined curves tried again flattened, then drawn by the engine", declining, curve,
         {"DrvStrokePath", "DrvStrokePath"},
         "DrvStrokePath clip 0 0,0,9,5 brush 0 mix d0d cosmetic style 0 fl 0 path M0,0 C"},
        {"a wide line filled for a driver without GCAPS_GEOMETRICWIDE",
         Options(kPathHooks, kAllCaps & ~GCAPS_GEOMETRICWIDE), widePen, {"DrvFillPath"},
         "DrvFillPath clip 1 0,0,11,7 brush 0 mix d0d mode 2 path"},
        {"a declined wide line filled, the fill declined, the engine", declining, widePen,
         {"DrvStrokePath", "DrvFillPath"}, "DrvStrokePath clip 1 0,0,11,7 brush 0 mix d0d geometric 3"},
        {"no path hooks: the engine draws on the bitmap", Options(HOOK_BITBLT, kAllCaps), curve, {}, ""},
        {"a fill mode the driver lacks goes to the engine", Options(kPathHooks, GCAPS_WINDINGFILL),
         [](HDC dc) {
             SelectObject(dc, GetStockObject(NULL_PEN));
             SelectObject(dc, GetStockObject(BLACK_BRUSH));
             Rectangle(dc, 0, 0, 4, 4);
         }, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDriverOptions options = c.options;
        options.reportPixels = true;
        HDC hdc = OpenPage(options);
        c.draw(hdc);
        EXPECT_EQ(host::DeviceContextCalls(hdc), c.calls);
        const std::vector<std::string> lines = DriverLines();
        if (!c.firstLine.empty()) {
            ASSERT_FALSE(lines.empty());
            EXPECT_EQ(lines.front().substr(0, c.firstLine.size()), c.firstLine);
            EXPECT_EQ(lines.back().find(" C"), std::string::npos) << "the last try has no curves: " << lines.back();
        }
        // Whoever drew it, the page shows it.
        EndPage(hdc);
        size_t black = 0;
        for (const std::string& row : ReportedPage())
            black += static_cast<size_t>(std::count(row.begin(), row.end(), '#'));
        EXPECT_GT(black, 0u);
        ClosePage(hdc);
    }
}

TEST_F(PrinterDrawing, BlitsGoToDrvCopyBitsDrvBitBltAndDrvStretchBlt)
{
    HDC hdc = OpenPage(Options(kPathHooks, kAllCaps));
    HDC memory = CreateCompatibleDC(hdc);
    HBITMAP bitmap = CreateCompatibleBitmap(hdc, 4, 2);
    HGDIOBJ old = SelectObject(memory, bitmap);
    HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(0, 0, 0));
    SelectObject(hdc, hatch);

    EXPECT_TRUE(BitBlt(hdc, 5, 6, 4, 2, memory, 0, 0, SRCCOPY));
    EXPECT_TRUE(BitBlt(hdc, 5, 6, 4, 2, memory, 1, 0, SRCAND));
    EXPECT_TRUE(PatBlt(hdc, 0, 0, 8, 8, PATCOPY));
    EXPECT_TRUE(PatBlt(hdc, 60, 0, 8, 8, DSTINVERT));   // half of it beyond the page
    EXPECT_TRUE(StretchBlt(hdc, 0, 0, 8, 4, memory, 0, 0, 4, 2, SRCCOPY));
    EXPECT_TRUE(StretchBlt(hdc, 10, 0, 8, 4, memory, 0, 0, 4, 2, NOTSRCCOPY));
    const std::vector<std::string> expected = {
        "DrvCopyBits clip 0 5,6,9,8 dest 5,6,9,8 src 0,0",
        "DrvBitBlt clip 0 5,6,9,8 dest 5,6,9,8 src 1,0 rop 8888 brush none",
        "DrvRealizeBrush hatch 4 size 8x8 colors 0,1",   // the hatch's lines black, between them white
        "DrvBitBlt clip 0 0,0,8,8 dest 0,0,8,8 src none rop f0f0 brush pattern 4",
        "DrvBitBlt clip 1 60,0,64,8 dest 60,0,68,8 src none rop 5555 brush none",
        "DrvStretchBlt clip 0 0,0,8,4 dest 0,0,8,4 src 0,0,4,2 mode 1",
        // A stretch with another rop: the source scaled first, then blitted as is.
        "DrvBitBlt clip 0 10,0,18,4 dest 10,0,18,4 src 0,0 rop 3333 brush none",
    };
    EXPECT_EQ(DriverLines(), expected);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    DeleteObject(hatch);
    ClosePage(hdc);
}

TEST_F(PrinterDrawing, OnADeviceSurfaceFillsAndLinesBecomeBlitsThroughTheirPixels)
{
    TestDriverOptions options = Options(HOOK_BITBLT, 0);
    options.deviceSurface = true;
    HDC hdc = OpenPage(options);
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    EXPECT_TRUE(Rectangle(hdc, 2, 3, 10, 8));
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    MoveToEx(hdc, 0, 0, nullptr);
    EXPECT_TRUE(LineTo(hdc, 3, 3));
    // A hatch in the transparent background mode: its lines only.
    HBRUSH hatch = CreateHatchBrush(HS_HORIZONTAL, RGB(0, 0, 0));
    SelectObject(hdc, hatch);
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SetBkMode(hdc, TRANSPARENT);
    EXPECT_TRUE(Rectangle(hdc, 0, 0, 5, 5));
    const std::vector<std::string> expected = {
        "DrvBitBlt clip 1 2,3,9,7 dest 2,3,9,7 src none rop f0f0 brush 0",
        "DrvBitBlt clip 3 0,0,3,3 rects 3 dest 0,0,3,3 src none rop f0f0 brush 0",
        "DrvRealizeBrush hatch 0 size 8x8 colors 0,1",
        "DrvBitBlt clip 1 0,0,4,1 dest 0,0,4,1 src none rop f0f0 brush pattern 0",
    };
    EXPECT_EQ(DriverLines(), expected);
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    DeleteObject(hatch);
    ClosePage(hdc);

    // Without a hook that could take it, a device surface cannot be drawn on.
    options.hooks = 0;
    hdc = OpenPage(options);
    EXPECT_FALSE(PatBlt(hdc, 0, 0, 4, 4, BLACKNESS));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
    ClosePage(hdc);
}

TEST_F(PrinterDrawing, NothingIsDrawnOutsideAPage)
{
    SetDriver(Options(kPathHooks, kAllCaps));
    HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(hdc, nullptr);
    host::ClearDebugTrace();
    EXPECT_FALSE(Rectangle(hdc, 0, 0, 4, 4));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_TRUE(DriverLines().empty());
    EXPECT_EQ(GetPixel(hdc, 0, 0), CLR_INVALID) << "a printer's page is not read back";
    DeleteDC(hdc);
}

namespace {

// The same picture drawn on any DC: shapes, lines, a hatch and a bitmap, in black and white.
void DrawScene(HDC dc, HDC source)
{
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 0, 0));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 10, 10, 21, 21);
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    Ellipse(dc, 30, 5, 60, 35);
    const POINT zigzag[] = {{0, 39}, {8, 0}, {16, 39}, {24, 0}};
    Polyline(dc, zigzag, 4);
    SelectObject(dc, hatch);
    PatBlt(dc, 40, 12, 12, 20, PATCOPY);
    BitBlt(dc, 2, 30, 8, 8, source, 0, 0, SRCCOPY);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(hatch);
}

} // namespace

TEST_F(PrinterDrawing, ABandedPageIsDrawnIntoEveryBandAsIfWhole)
{
    // The picture as a memory DC of the page's size and depth draws it.
    Canvas expected(kPageWidth, kPageHeight, 1);
    Canvas source(8, 8, 1);
    Ellipse(source.dc(), 0, 0, 8, 8);
    DrawScene(expected.dc(), source.dc());

    for (LONG bands : {0, 3}) {
        SCOPED_TRACE(testing::Message() << bands << " bands");
        TestDriverOptions options = Options(kPathHooks, kAllCaps);
        options.bands = bands;
        options.reportPixels = true;
        HDC hdc = OpenPage(options);
        DrawScene(hdc, source.dc());
        if (bands != 0) {
            EXPECT_TRUE(DriverLines().empty()) << "a banded page draws nothing before it ends";
        }
        ASSERT_GT(EndPage(hdc), 0);
        EXPECT_EQ(ReportedPage(), expected.Picture());
        ClosePage(hdc);
    }
}

TEST_F(PrinterDrawing, EachBandGetsTheDrawingsThatReachItMovedToItsOrigin)
{
    TestDriverOptions options = Options(kPathHooks, kAllCaps);
    options.bands = 3;   // rows 0-13, 14-27, 28-39
    HDC hdc = OpenPage(options);
    SelectObject(hdc, GetStockObject(NULL_PEN));
    SelectObject(hdc, GetStockObject(BLACK_BRUSH));
    Rectangle(hdc, 10, 10, 21, 21);
    EndPage(hdc);
    const auto banding = [](const std::string& line) {
        for (const char* call : {"DrvFillPath", "DrvNextBand", "DrvStartBanding"})
            if (line.rfind(call, 0) == 0)
                return true;
        return false;
    };
    std::vector<std::string> lines;
    for (const std::string& line : DriverLines())
        if (banding(line))
            lines.push_back(line);
    const std::vector<std::string> expected = {
        "DrvStartBanding",
        "DrvFillPath clip 1 10,10,20,14 brush 0 mix d0d mode 1 path M160,160 L320,160 L320,320 L160,320 Z",
        "DrvNextBand 14",
        "DrvFillPath clip 1 10,0,20,6 brush 0 mix d0d mode 1 path M160,-64 L320,-64 L320,96 L160,96 Z",
        "DrvNextBand 28",
        "DrvNextBand -1",   // the last band: nothing reaches it
    };
    EXPECT_EQ(lines, expected);
    ClosePage(hdc);
}
