// memory_dc_test.cpp - memory DCs: their default bitmap, the one-DC rule of bitmaps, compatible bitmaps, and
// what DeleteDC gives back.
#include "canvas.h"
#include "dc_fixture.h"

using MemoryDcs = WorldTest;

TEST_F(MemoryDcs, StartWithAOnePixelMonochromeBitmapAndHandBackTheOneReplaced)
{
    HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_NE(dc, nullptr);
    const HGDIOBJ initial = GetCurrentObject(dc, OBJ_BITMAP);
    BITMAP record;
    ASSERT_EQ(GetObjectW(initial, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmWidth, 1);
    EXPECT_EQ(record.bmBitsPixel, 1);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));

    // A new memory DC's compatible bitmap is monochrome: its format is that of the bitmap it holds.
    HBITMAP compatible = CreateCompatibleBitmap(dc, 8, 8);
    ASSERT_EQ(GetObjectW(compatible, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmBitsPixel, 1);
    HBITMAP colour = CreateBitmap(4, 4, 1, 24, nullptr);
    EXPECT_EQ(SelectObject(dc, colour), initial);
    HBITMAP second = CreateCompatibleBitmap(dc, 8, 8);
    ASSERT_EQ(GetObjectW(second, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmBitsPixel, 24);
    EXPECT_EQ(record.bmWidth, 8);

    // A bitmap is in one DC at a time, and free again once its DC lets go of it.
    HDC other = CreateCompatibleDC(dc);
    EXPECT_EQ(SelectObject(other, colour), nullptr);
    EXPECT_EQ(SelectObject(other, initial), initial) << "the stock default bitmap may be in any number";
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_NE(SelectObject(other, colour), nullptr);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));

    EXPECT_EQ(CreateCompatibleBitmap(other, -1, 4), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 4, 4), nullptr);
    EXPECT_EQ(CreateCompatibleDC(reinterpret_cast<HDC>(compatible)), nullptr) << "a bitmap is no DC";
    DeleteDC(other);
    for (HBITMAP bitmap : {compatible, colour, second})
        EXPECT_TRUE(DeleteObject(bitmap));
}

using PrinterMemoryDcs = PrinterDcTest;

TEST_F(PrinterMemoryDcs, APrintersCompatibleBitmapHasItsFormatAndBitmapsStayOutOfPrinterDcs)
{
    HDC printer = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
    ASSERT_NE(printer, nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(printer, 16, 4);
    BITMAP record;
    ASSERT_EQ(GetObjectW(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmBitsPixel, 1);   // the test driver's monochrome page
    EXPECT_EQ(SelectObject(printer, bitmap), nullptr) << "a printer DC draws on its page, not a bitmap";
    HDC memory = CreateCompatibleDC(printer);
    EXPECT_NE(SelectObject(memory, bitmap), nullptr);
    DeleteDC(memory);
    DeleteDC(printer);
    DeleteObject(bitmap);
}
