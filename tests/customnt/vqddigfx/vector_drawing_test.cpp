// vector_drawing_test.cpp - an application's paths, clip regions and images on a printer device context of
// "QN-804C", through the platform's GDI to the graphics module's hooks and out as VQPDL.
#include "job_fixture.h"
#include "support/job_text.h"

#include <functional>

namespace {

class VectorDrawing : public GraphicsJobTest {
protected:
    // One page drawn by draw on a printer DC of the devmode; the page's drawing commands as the job has them,
    // from after its setup to its eject. The DC's driver calls in calls, when asked for.
    std::string DrawPage(const DRIVER_DEVMODE& dm, const std::function<void(HDC)>& draw,
                         std::vector<std::string>* calls = nullptr)
    {
        InstallWithSilentInterface();
        HDC hdc = OpenDc(&dm.dmPublic);
        if (hdc == nullptr)
            return "<no DC>";
        DOCINFOW di = {sizeof di, u"Drawing", nullptr, nullptr, 0};
        if (StartDocW(hdc, &di) <= 0 || StartPage(hdc) <= 0)
            return "<no page>";
        host::ClearDeviceContextCalls(hdc);
        draw(hdc);
        if (calls != nullptr)
            *calls = host::DeviceContextCalls(hdc);
        if (EndPage(hdc) <= 0 || EndDoc(hdc) <= 0)
            return "<page failed>";
        const std::string job = JobBytes();
        const std::string setup = "cpc 0 0 0 4768 6822;\ncps 0;\n";
        const size_t begin = job.find(setup);
        const size_t end = job.rfind("prn;\n");
        if (begin == std::string::npos || end == std::string::npos || end < begin)
            return job;
        return job.substr(begin + setup.size(), end - begin - setup.size());
    }

    DRIVER_DEVMODE Devmode(BYTE dither = 0)
    {
        DRIVER_DEVMODE dm = DriverDevmode();
        dm.dmPrivate.env.lpDither = dither;
        return dm;
    }
};

TEST_F(VectorDrawing, PathsReachThePrinterAsPathsWithTheirCurves)
{
    std::vector<std::string> calls;
    const std::string page = DrawPage(Devmode(), [](HDC hdc) {
        HBRUSH gray = CreateSolidBrush(RGB(128, 128, 128));
        HGDIOBJ oldBrush = SelectObject(hdc, gray);
        BeginPath(hdc);
        MoveToEx(hdc, 100, 100, nullptr);
        const POINT s[] = {{100, 50}, {300, 150}, {300, 100}};
        PolyBezierTo(hdc, s, 3);
        LineTo(hdc, 200, 300);
        CloseFigure(hdc);
        EndPath(hdc);
        StrokeAndFillPath(hdc);
        // A wide pen: the driver did not ask for wide lines, so GDI fills the area the line covers.
        HPEN wide = CreatePen(PS_SOLID, 10, RGB(0, 0, 0));
        HGDIOBJ oldPen = SelectObject(hdc, wide);
        MoveToEx(hdc, 400, 400, nullptr);
        LineTo(hdc, 500, 400);
        SelectObject(hdc, oldPen);
        SelectObject(hdc, oldBrush);
        DeleteObject(wide);
        DeleteObject(gray);
    }, &calls);
    EXPECT_EQ(calls, (std::vector<std::string>{"DrvStrokeAndFillPath", "DrvFillPath"}));
    // The S-shaped curve lies flat but its halves bend: it goes in halves. Its outline in the black pen.
    const std::string path = "phb 1;\nmta 100 100;\nbzr 2 0 -25 50 12 50 13 50 12 50 13 0 -25;\nltr 1 -100 200;\n"
                             "phc;\nphe;\n";
    const std::string strokeAndFill = "rop 2 #0D;\n" + path + "brc 2 #808080;\nbrs 2;\nphf e 2 1;\nbrc 10 #00;\n"
                                      "lnc 0 10 %1 F M %0 0;\nlns 0;\nphs 0 1;\n";
    EXPECT_EQ(page.substr(0, strokeAndFill.size()), strokeAndFill);
    // The line's body and its round ends, filled in black by the winding rule.
    const std::string wide = page.substr(strokeAndFill.size());
    const std::string body = "brs 0;\nphb 1;\nmta 400 395;\nltr 3 100 0 0 10 -100 0;\nphc;\n";
    EXPECT_EQ(wide.substr(0, body.size()), body) << wide;
    EXPECT_NE(wide.find("phe;\nphf n 0 1;\n"), std::string::npos) << wide;
}

TEST_F(VectorDrawing, ClipRegionsAreSentOnceAndSelectedAsTheyChange)
{
    const std::string page = DrawPage(Devmode(), [](HDC hdc) {
        // Two separate rectangles: a rectangle list. The same region for a second drawing is not sent again.
        HRGN region = CreateRectRgn(0, 0, 200, 200);
        HRGN second = CreateRectRgn(300, 0, 400, 200);
        CombineRgn(region, region, second, RGN_OR);
        SelectClipRgn(hdc, region);
        PatBlt(hdc, 50, 50, 400, 100, BLACKNESS);
        SaveDC(hdc);
        IntersectClipRect(hdc, 10, 10, 100, 100);
        PatBlt(hdc, 0, 0, 400, 400, BLACKNESS);
        RestoreDC(hdc, -1);
        PatBlt(hdc, 60, 60, 400, 100, BLACKNESS);
        // A drawing inside one rectangle of the region needs no clip of its own beyond the page.
        PatBlt(hdc, 20, 20, 10, 10, BLACKNESS);
        // A triangle's region: one band a row.
        const POINT triangle[] = {{0, 0}, {3, 0}, {0, 3}};
        HRGN corner = CreatePolygonRgn(triangle, 3, ALTERNATE);
        SelectClipRgn(hdc, corner);
        PatBlt(hdc, 0, 0, 10, 10, BLACKNESS);
        SelectClipRgn(hdc, nullptr);
        PatBlt(hdc, 0, 0, 10, 10, BLACKNESS);
        // The same triangle as a path made the clip: an equal region, which the printer still holds.
        BeginPath(hdc);
        Polygon(hdc, triangle, 3);
        EndPath(hdc);
        SelectClipPath(hdc, RGN_COPY);
        PatBlt(hdc, 0, 0, 10, 10, BLACKNESS);
        SelectClipRgn(hdc, nullptr);
        DeleteObject(corner);
        DeleteObject(second);
        DeleteObject(region);
    });
    EXPECT_EQ(page, "cpb 4 0 0 400 200;\ncsr 0 0 200 200;\ncsr 300 0 100 200;\ncpe;\ncps 4;\n"
                    "lns -1;\nbrs -1;\nrop 2 #01;\nsba 50 50 400 100;\n"
                    "cpc 1 10 10 100 100;\ncps 1;\nsba 0 0 400 400;\n"
                    "cps 4;\nsba 60 60 400 100;\n"
                    "cps 0;\nsba 20 20 10 10;\n"
                    "cpb 4 0 0 3 3;\ncsr 0 0 3;\ncsr 0 1 2;\ncsr 0 1 1;\ncpe;\ncps 4;\nsba 0 0 10 10;\n"
                    "cps 0;\nsba 0 0 10 10;\ncps 4;\nsba 0 0 10 10;\n");
}

TEST_F(VectorDrawing, WhatTheWriterRemembersMovesWithAResetDeviceContext)
{
    InstallWithSilentInterface();
    DRIVER_DEVMODE dm = Devmode();
    HDC hdc = OpenDc(&dm.dmPublic);
    ASSERT_NE(hdc, nullptr);
    DOCINFOW di = {sizeof di, u"Drawing", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(hdc, &di), 0);
    // Each page: a rectangle list, a clip path and a pattern brush, all kept in blocks of the PDEV.
    const auto draw = [&](LONG shift) {
        HRGN region = CreateRectRgn(0, 0, 100 + shift, 100);
        HRGN second = CreateRectRgn(200, 0, 300, 100);
        CombineRgn(region, region, second, RGN_OR);
        SelectClipRgn(hdc, region);
        PatBlt(hdc, 0, 0, 400, 50, BLACKNESS);
        SelectClipRgn(hdc, nullptr);
        WORD mode = CLIP_SAVE;
        ExtEscape(hdc, CLIP_TO_PATH, sizeof mode, reinterpret_cast<LPCSTR>(&mode), 0, nullptr);
        MoveToEx(hdc, 10, 10, nullptr);
        LineTo(hdc, 50 + shift, 10);
        mode = CLIP_RESTORE;
        ExtEscape(hdc, CLIP_TO_PATH, sizeof mode, reinterpret_cast<LPCSTR>(&mode), 0, nullptr);
        HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(hdc, hatch);
        PatBlt(hdc, 0, 0, 20, 20, PATCOPY);
        SelectObject(hdc, old);
        DeleteObject(hatch);
        DeleteObject(second);
        DeleteObject(region);
    };
    ASSERT_GT(StartPage(hdc), 0);
    draw(0);
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_NE(ResetDCW(hdc, &dm.dmPublic), nullptr);
    ASSERT_GT(StartPage(hdc), 0);
    draw(10);   // a longer list and another path, written into the blocks that came over
    ASSERT_GT(EndPage(hdc), 0);
    ASSERT_GT(EndDoc(hdc), 0);
    const std::string job = JobBytes();
    EXPECT_EQ(CountOf(job, "cpb 4 "), 2u) << job;
    EXPECT_EQ(CountOf(job, "phb 3;\n"), 2u) << job;
    EXPECT_EQ(CountOf(job, "prn;\n"), 2u) << job;
}

TEST_F(VectorDrawing, ImagesOfEachKindBecomeImageCommands)
{
    std::vector<std::string> calls;
    const std::string page = DrawPage(Devmode(), [](HDC hdc) {
        // A 24-bit DIB of two pixels, black over red (bottom-up: the red row first in memory).
        BYTE bits[8] = {0, 0, 0xFF, 0, 0, 0, 0, 0};
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        StretchDIBits(hdc, 10, 10, 1, 2, 0, 0, 1, 2, bits, &bmi, DIB_RGB_COLORS, SRCCOPY);
        StretchDIBits(hdc, 10, 10, 4, 4, 0, 0, 1, 2, bits, &bmi, DIB_RGB_COLORS, SRCCOPY);
        StretchDIBits(hdc, 10, 14, 1, -2, 0, 0, 1, 2, bits, &bmi, DIB_RGB_COLORS, SRCCOPY);   // upside down
        // A monochrome bitmap of a memory DC, its 0 in the text colour.
        HDC memory = CreateCompatibleDC(hdc);
        HBITMAP mono = CreateBitmap(12, 1, 1, 1, nullptr);
        HGDIOBJ old = SelectObject(memory, mono);
        PatBlt(memory, 0, 0, 12, 1, WHITENESS);
        PatBlt(memory, 2, 0, 3, 1, BLACKNESS);
        BitBlt(hdc, 30, 40, 12, 1, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteObject(mono);
        DeleteDC(memory);
    }, &calls);
    EXPECT_EQ(calls, (std::vector<std::string>{"DrvCopyBits", "DrvStretchBlt", "DrvStretchBlt", "DrvCopyBits"}));
    EXPECT_EQ(page, "brs -1;\nrop 3 #CC;\nbrm 0;\nmta 10 10;\nimm 8 1 2 1 2 <!" + ByteText({255, 179}) + "!>;\n"
                    "mta 10 10;\nbmm 8 1 2 4 4 1 2 <!" + ByteText({255, 179}) + "!>;\n"
                    "mta 10 12;\nimm 8 1 2 1 2 <!" + ByteText({179, 255}) + "!>;\n"
                    "bri #00 #FFFFFF;\nmta 30 40;\nimm 1 12 1 2 2 <!" + ByteText({0x38, 0x00}) + "!>;\n");
}

TEST_F(VectorDrawing, DibsOfEveryDepthPrintTheirColours)
{
    // One row of two pixels, black then red, in each depth a DIB can have; the palettes hold black and red.
    struct Case {
        WORD bits;
        std::vector<BYTE> row;
        std::string image;
    };
    const std::string eightBit = "mta 0 0;\nimm 8 2 1 2 2 <!" + ByteText({255, 179}) + "!>;\n";
    const Case cases[] = {
        {1, {0x40, 0, 0, 0}, "bri #00 #4C4C4C;\nmta 0 0;\nimm 1 2 1 1 1 <!" + ByteText({0x80}) + "!>;\n"},
        {4, {0x01, 0, 0, 0}, eightBit},
        {8, {0, 1, 0, 0}, eightBit},
        {16, {0x00, 0x00, 0x00, 0x7C}, eightBit},
        {24, {0, 0, 0, 0, 0, 0xFF, 0, 0}, eightBit},
        {32, {0, 0, 0, 0, 0, 0, 0xFF, 0}, eightBit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits a pixel");
        std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 16 * sizeof(RGBQUAD), 0);
        auto* bmi = reinterpret_cast<BITMAPINFO*>(info.data());
        const DWORD colours = c.bits <= 8 ? 2 : 0;   // a table of two, where the depth has one
        bmi->bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 1, 1, c.bits, BI_RGB, 0, 0, 0, colours, 0};
        bmi->bmiColors[1] = {0, 0, 0xFF, 0};   // red
        std::vector<std::string> calls;
        const std::string page = DrawPage(Devmode(), [&](HDC hdc) {
            StretchDIBits(hdc, 0, 0, 2, 1, 0, 0, 2, 1, c.row.data(), bmi, DIB_RGB_COLORS, SRCCOPY);
        }, &calls);
        EXPECT_EQ(calls, std::vector<std::string>{"DrvCopyBits"});
        EXPECT_EQ(page, "brs -1;\nrop 3 #CC;\nbrm 0;\n" + c.image);
        for (const auto& file : host::JobFiles(u"QN-804C"))
            std::filesystem::remove(file);
        DeleteDC(m_hdc);
        m_hdc = nullptr;
    }
}

TEST_F(VectorDrawing, AGrayPhotoIsHalftonedByThePageMatrix)
{
    std::vector<BYTE> bits(16 * 16, 0);   // an 8-bit DIB of gray 127 (ink 128): half the matrix's cells
    BITMAPINFO* bmi = static_cast<BITMAPINFO*>(calloc(1, sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD)));
    bmi->bmiHeader = {sizeof(BITMAPINFOHEADER), 16, 16, 1, 8, BI_RGB, 0, 0, 0, 1, 0};
    bmi->bmiColors[0] = {127, 127, 127, 0};
    const std::string page = DrawPage(Devmode(3), [&](HDC hdc) {
        StretchDIBits(hdc, 0, 0, 16, 16, 0, 0, 16, 16, bits.data(), bmi, DIB_RGB_COLORS, SRCCOPY);
    });
    free(bmi);
    // Rows 0 and 1 of the 8 x 8 matrix set columns 2 to 5 at ink 128, row 2 columns 0, 1, 6 and 7; each row of
    // the image holds the matrix twice. Two-byte rows do not shrink: raw.
    const std::string head = "brs -1;\nrop 3 #CC;\nbrm 0;\nbri #00 #FFFFFF;\nmta 0 0;\nimm 1 16 16 2 32 <!";
    ASSERT_EQ(page.substr(0, head.size()), head) << page;
    EXPECT_EQ(page.substr(head.size(), 6), ByteText({0x3C, 0x3C, 0x3C, 0x3C, 0xC3, 0xC3}));
}

} // namespace
