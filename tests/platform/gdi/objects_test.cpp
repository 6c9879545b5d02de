// objects_test.cpp - pens, brushes and stock objects as objects: what they are made of (GetObjectW), what is
// refused when making them, and DeleteObject of stock and selected objects.
#include "canvas.h"
#include "support/world_fixture.h"

using GdiObjects = WorldTest;

TEST_F(GdiObjects, PensAnswerTheRecordTheyWereMadeFrom)
{
    HPEN plain = CreatePen(PS_DASH, -3, RGB(1, 2, 3));
    LOGPEN logpen;
    ASSERT_EQ(GetObjectW(plain, sizeof logpen, &logpen), static_cast<int>(sizeof logpen));
    EXPECT_EQ(logpen.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(logpen.lopnWidth.x, 3);
    EXPECT_EQ(logpen.lopnColor, RGB(1, 2, 3));

    const LOGBRUSH brush = {BS_SOLID, RGB(9, 9, 9), 0};
    const DWORD style[] = {4, 2, 1};
    HPEN extended = ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 5, &brush, 3, style);
    ASSERT_NE(extended, nullptr);
    EXPECT_EQ(GetObjectW(extended, 0, nullptr), static_cast<int>(offsetof(EXTLOGPEN, elpStyleEntry) + 12));
    DWORD buffer[16];
    EXPECT_EQ(GetObjectW(extended, sizeof logpen, buffer), 0) << "too small for its entries";
    ASSERT_EQ(GetObjectW(extended, sizeof buffer, buffer), static_cast<int>(offsetof(EXTLOGPEN, elpStyleEntry) + 12));
    EXTLOGPEN head;
    std::memcpy(&head, buffer, offsetof(EXTLOGPEN, elpStyleEntry));
    EXPECT_EQ(head.elpPenStyle, static_cast<DWORD>(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT));
    EXPECT_EQ(head.elpWidth, 5u);
    EXPECT_EQ(head.elpColor, RGB(9, 9, 9));
    EXPECT_EQ(head.elpNumEntries, 3u);
    EXPECT_EQ(buffer[offsetof(EXTLOGPEN, elpStyleEntry) / 4 + 2], 1u);
    DeleteObject(plain);
    DeleteObject(extended);

    struct Refusal { const char* why; HPEN pen; };
    const DWORD zeros[] = {0, 0};
    const LOGBRUSH hatch = {BS_HATCHED, 0, HS_CROSS};
    const Refusal refusals[] = {
        {"an unknown style", CreatePen(9, 1, 0)},
        {"a cosmetic pen wider than a pixel", ExtCreatePen(PS_COSMETIC, 2, &brush, 0, nullptr)},
        {"a cosmetic pen of a hatch", ExtCreatePen(PS_COSMETIC, 1, &hatch, 0, nullptr)},
        {"a user style of nothing", ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, &brush, 2, zeros)},
        {"style lengths without a user style", ExtCreatePen(PS_GEOMETRIC, 2, &brush, 3, style)},
        {"seventeen lengths", ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 2, &brush, 17, style)},
        {"an inside frame of a cosmetic pen", ExtCreatePen(PS_COSMETIC | PS_INSIDEFRAME, 1, &brush, 0, nullptr)},
        {"no brush", ExtCreatePen(PS_GEOMETRIC, 2, nullptr, 0, nullptr)},
        {"no record", CreatePenIndirect(nullptr)},
    };
    for (const Refusal& r : refusals) {
        EXPECT_EQ(r.pen, nullptr) << r.why;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER)) << r.why;
    }
}

TEST_F(GdiObjects, BrushesAnswerTheirLogBrushAndKeepTheirPattern)
{
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, nullptr);
    struct Case { HBRUSH brush; LOGBRUSH expected; };
    const Case cases[] = {
        {CreateSolidBrush(0xAB123456), {BS_SOLID, 0x123456, 0}},
        {CreateHatchBrush(HS_DIAGCROSS, RGB(1, 1, 1)), {BS_HATCHED, RGB(1, 1, 1), HS_DIAGCROSS}},
        {CreatePatternBrush(pattern), {BS_PATTERN, 0, reinterpret_cast<ULONG_PTR>(pattern)}},
        {reinterpret_cast<HBRUSH>(GetStockObject(NULL_BRUSH)), {BS_NULL, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected.lbStyle);
        LOGBRUSH record;
        ASSERT_EQ(GetObjectW(c.brush, sizeof record, &record), static_cast<int>(sizeof record));
        EXPECT_EQ(record.lbStyle, c.expected.lbStyle);
        EXPECT_EQ(record.lbColor, c.expected.lbColor);
        EXPECT_EQ(record.lbHatch, c.expected.lbHatch);
    }
    // The pattern brush paints with its copy of the bitmap, whatever becomes of the bitmap.
    EXPECT_TRUE(DeleteObject(pattern));
    Canvas canvas(2, 1);
    SelectObject(canvas.dc(), cases[2].brush);
    EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 2, 1, PATCOPY));
    EXPECT_EQ(canvas.Picture()[0], "##");
    SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH));
    for (const Case& c : cases)
        EXPECT_TRUE(DeleteObject(c.brush));

    EXPECT_EQ(CreateHatchBrush(HS_DIAGCROSS + 1, 0), nullptr);
    EXPECT_EQ(CreatePatternBrush(nullptr), nullptr);
    EXPECT_EQ(CreateDIBPatternBrushPt(nullptr, DIB_RGB_COLORS), nullptr);
    const LOGBRUSH indexed = {BS_INDEXED, 0, 0};
    EXPECT_EQ(CreateBrushIndirect(&indexed), nullptr);
}

TEST_F(GdiObjects, StockObjectsStayAndASelectedObjectGoesWhenDeselected)
{
    for (int i : {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN,
                  NULL_PEN}) {
        SCOPED_TRACE(i);
        const HGDIOBJ stock = GetStockObject(i);
        ASSERT_NE(stock, nullptr);
        EXPECT_EQ(GetStockObject(i), stock) << "the same object every time";
        EXPECT_TRUE(DeleteObject(stock));
        EXPECT_NE(GetObjectW(stock, 0, nullptr), 0) << "and never gone";
    }
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(-1), nullptr);

    Canvas canvas(3, 1);
    HBRUSH gray = CreateSolidBrush(RGB(0, 0, 0));
    SelectObject(canvas.dc(), gray);
    EXPECT_FALSE(DeleteObject(gray)) << "selected: not deleted now";
    EXPECT_TRUE(PatBlt(canvas.dc(), 0, 0, 1, 1, PATCOPY)) << "and still usable";
    EXPECT_EQ(SelectObject(canvas.dc(), GetStockObject(WHITE_BRUSH)), gray);
    EXPECT_EQ(GetObjectW(gray, 0, nullptr), 0) << "gone once deselected";
    EXPECT_FALSE(DeleteObject(gray));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(canvas.Picture()[0], "#..");

    // A pen deleted while selected goes with its DC.
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    SelectObject(dc, pen);
    EXPECT_FALSE(DeleteObject(pen));
    DeleteDC(dc);
    EXPECT_EQ(GetObjectW(pen, 0, nullptr), 0);
    EXPECT_EQ(SelectObject(canvas.dc(), reinterpret_cast<HGDIOBJ>(0x1234)), nullptr);
}
