// bitmaps_test.cpp - bitmap objects and DIBs: CreateBitmap's depths, DIB sections and their records, and
// GetDIBits / SetDIBits in 1 and 24 bits per pixel, both row orders.
#include "canvas.h"
#include "support/world_fixture.h"

using Bitmaps = WorldTest;

namespace {

struct DibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

DibInfo Header(LONG width, LONG height, WORD bits)
{
    DibInfo info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = bits;
    return info;
}

} // namespace

TEST_F(Bitmaps, GetDIBitsReadsEveryDepthAndRowOrder)
{
    // A 3-by-2 picture: red, white, black over black, black, blue.
    Canvas canvas(3, 2);
    HDC dc = canvas.dc();
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    SetPixel(dc, 2, 0, RGB(0, 0, 0));
    PatBlt(dc, 0, 1, 2, 1, BLACKNESS);
    SetPixel(dc, 2, 1, RGB(0, 0, 255));

    struct Case { WORD bits; LONG height; std::vector<BYTE> expected; };
    const Case cases[] = {
        // 24 bits: B, G, R, rows of whole 32-bit words with zero padding; bottom-up puts the last row first.
        {24, -2, {0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 0, 0,
                  0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0}},
        {24, 2,  {0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 0, 0,
                  0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 0, 0}},
        // 1 bit: the nearest of black and white, the leftmost pixel in the highest bit.
        {1, -2, {0x40, 0, 0, 0, 0x00, 0, 0, 0}},
        {1, 2,  {0x00, 0, 0, 0, 0x40, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, height " << c.height);
        DibInfo info = Header(3, c.height, c.bits);
        std::vector<BYTE> bits(c.expected.size() + 4, 0xAB);
        EXPECT_EQ(GetDIBits(dc, canvas.bitmap(), 0, 2, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                            DIB_RGB_COLORS), 2);
        EXPECT_EQ(std::vector<BYTE>(bits.begin(), bits.end() - 4), c.expected);
        EXPECT_EQ(bits.back(), 0xAB) << "nothing written past the image";
        EXPECT_EQ(info.header.biSizeImage, c.expected.size());
        if (c.bits == 1) {
            EXPECT_EQ(info.colors[0].rgbRed, 0);
            EXPECT_EQ(info.colors[1].rgbRed, 255);
            EXPECT_EQ(info.colors[1].rgbBlue, 255);
        }
    }

    // One scan line from the second: in a bottom-up DIB, that is the picture's top row.
    DibInfo info = Header(3, 2, 24);
    BYTE line[12] = {};
    EXPECT_EQ(GetDIBits(dc, canvas.bitmap(), 1, 5, line, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS), 1);
    EXPECT_EQ(line[2], 255);   // the red pixel's red byte

    // Without bits, the bitmap's own format is answered.
    DibInfo query = {};
    query.header.biSize = sizeof query.header;
    EXPECT_NE(GetDIBits(dc, canvas.bitmap(), 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&query), DIB_RGB_COLORS), 0);
    EXPECT_EQ(query.header.biWidth, 3);
    EXPECT_EQ(query.header.biHeight, 2);
    EXPECT_EQ(query.header.biBitCount, 24);
    EXPECT_EQ(query.header.biSizeImage, 24u);
}

TEST_F(Bitmaps, SetDIBitsWritesWhatGetDIBitsReads)
{
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 24, nullptr);
    // A top-down 1-bit DIB whose colour table is red and blue: 10 over 01.
    DibInfo info = Header(2, -2, 1);
    info.colors[0] = {0, 0, 255, 0};
    info.colors[1] = {255, 0, 0, 0};
    const BYTE bits[8] = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
    EXPECT_EQ(SetDIBits(nullptr, bitmap, 0, 2, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS), 2);
    EXPECT_EQ(Canvas::Picture(bitmap, 2, 2, {{RGB(255, 0, 0), 'r'}, {RGB(0, 0, 255), 'b'}}),
              (std::vector<std::string>{"br", "rb"}));
    // Refusals: a compressed DIB, palette indexes, an unknown bitmap.
    info.header.biCompression = BI_RLE8;
    EXPECT_EQ(SetDIBits(nullptr, bitmap, 0, 2, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS), 0);
    info.header.biCompression = BI_RGB;
    EXPECT_EQ(SetDIBits(nullptr, bitmap, 0, 2, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_PAL_COLORS), 0);
    EXPECT_EQ(SetDIBits(nullptr, nullptr, 0, 2, bits, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    DeleteObject(bitmap);
}

TEST_F(Bitmaps, ADibSectionsBitsAreItsPixels)
{
    DibInfo info = Header(4, 2, 24);   // bottom-up: the bits start with the bottom row
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                       nullptr, 0);
    ASSERT_NE(section, nullptr);
    ASSERT_NE(bits, nullptr);
    static_cast<BYTE*>(bits)[2] = 255;   // red, bottom left
    EXPECT_EQ(Canvas::Picture(section, 4, 2, {{RGB(255, 0, 0), 'r'}}), (std::vector<std::string>{"####", "r###"}));

    DIBSECTION record;
    ASSERT_EQ(GetObjectW(section, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.dsBm.bmBits, bits);
    EXPECT_EQ(record.dsBm.bmWidthBytes, 12);
    EXPECT_EQ(record.dsBmih.biHeight, 2);
    EXPECT_EQ(record.dsBmih.biSizeImage, 24u);
    BITMAP plain;
    EXPECT_EQ(GetObjectW(section, sizeof plain, &plain), static_cast<int>(sizeof plain));
    EXPECT_EQ(plain.bmBits, bits);

    // Drawing through a memory DC lands in the same bits.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, section);
    SetPixel(dc, 3, 0, RGB(0, 255, 0));   // top right: the second row in memory
    EXPECT_EQ(static_cast<BYTE*>(bits)[12 + 9 + 1], 255);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(section);

    info.header.biBitCount = 3;
    EXPECT_EQ(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0),
              nullptr);
    EXPECT_EQ(bits, nullptr);
}

TEST_F(Bitmaps, CreateBitmapRoundsItsDepthAndRefusesNegativeSizes)
{
    struct Case { int width; int height; UINT planes; UINT bits; WORD depth; LONG widthBytes; };
    const Case cases[] = {
        {17, 2, 1, 1,  1,  4},    // rows of whole 16-bit words
        {3,  2, 1, 2,  4,  2},
        {3,  2, 1, 5,  8,  4},
        {3,  2, 3, 8,  24, 10},
        {3,  2, 1, 32, 32, 12},
        {0,  5, 1, 24, 1,  2},    // no size: one monochrome pixel
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.planes << " x " << c.bits << " bits");
        HBITMAP bitmap = CreateBitmap(c.width, c.height, c.planes, c.bits, nullptr);
        ASSERT_NE(bitmap, nullptr);
        BITMAP record;
        ASSERT_EQ(GetObjectW(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
        EXPECT_EQ(record.bmBitsPixel, c.depth);
        EXPECT_EQ(record.bmWidthBytes, c.widthBytes);
        DeleteObject(bitmap);
    }
    const BYTE rows[] = {0xA0, 0x00, 0x50, 0x00};   // 1-bit rows of two bytes: x.x. over .x.x
    HBITMAP mono = CreateBitmap(4, 2, 1, 1, rows);
    EXPECT_EQ(Canvas::Picture(mono, 4, 2), (std::vector<std::string>{".#.#", "#.#."}));
    DeleteObject(mono);
    EXPECT_EQ(CreateBitmap(-1, 2, 1, 1, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(2, 2, 1, 33, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(0x7FFFFFFF, 0x7FFFFFFF, 1, 32, nullptr), nullptr) << "too large to hold";
}
