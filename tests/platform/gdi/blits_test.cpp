// blits_test.cpp - PatBlt, BitBlt, StretchBlt, StretchDIBits, SetDIBitsToDevice and FillRect on memory DCs:
// raster operations, stretching and mirroring, monochrome and colour meeting by the DC colours, hatches.
#include "canvas.h"
#include "support/world_fixture.h"

using Blits = WorldTest;

namespace {

const std::vector<std::pair<COLORREF, char>> kColours = {
    {RGB(255, 0, 0), 'r'}, {RGB(0, 0, 255), 'b'}, {RGB(0, 255, 0), 'g'}, {RGB(0, 255, 255), 'c'}};

// A 3-by-2 source: red, green, white over white, blue, black.
void PaintSource(HDC dc)
{
    SetPixel(dc, 0, 0, RGB(255, 0, 0));
    SetPixel(dc, 1, 0, RGB(0, 255, 0));
    SetPixel(dc, 1, 1, RGB(0, 0, 255));
    SetPixel(dc, 2, 1, RGB(0, 0, 0));
}

} // namespace

TEST_F(Blits, CopyAndStretchFromAMemoryDc)
{
    Canvas source(3, 2);
    PaintSource(source.dc());
    struct Case {
        const char* name;
        int x, y, w, h, xs, ys, ws, hs;
        DWORD rop;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"a copy", 1, 1, 3, 2, 0, 0, 3, 2, SRCCOPY, {"......", ".rg...", "..b#..", "......"}},
        {"a part beyond the source is left alone", 0, 0, 3, 2, 1, 1, 3, 2, SRCCOPY,
         {"b#....", "......", "......", "......"}},
        {"twice as wide", 0, 0, 6, 2, 0, 0, 3, 2, SRCCOPY, {"rrgg..", "..bb##", "......", "......"}},
        {"mirrored left to right", 3, 0, -3, 2, 0, 0, 3, 2, SRCCOPY, {".gr...", "#b....", "......", "......"}},
        {"upside down and halved", 0, 4, 6, -4, 0, 0, 3, 2, SRCCOPY,
         {"..bb##", "..bb##", "rrgg..", "rrgg.."}},
        {"inverted source", 0, 0, 3, 2, 0, 0, 3, 2, NOTSRCCOPY, {"c?#...", "#?....", "......", "......"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas dest(6, 4);
        EXPECT_TRUE(StretchBlt(dest.dc(), c.x, c.y, c.w, c.h, source.dc(), c.xs, c.ys, c.ws, c.hs, c.rop));
        EXPECT_EQ(dest.Picture(kColours), c.expected);
    }
    Canvas dest(2, 2);
    EXPECT_FALSE(BitBlt(dest.dc(), 0, 0, 2, 2, nullptr, 0, 0, SRCCOPY)) << "a source blit without a source";
    EXPECT_TRUE(BitBlt(dest.dc(), 0, 0, 2, 2, nullptr, 0, 0, BLACKNESS)) << "no source needed";
    EXPECT_EQ(dest.Picture()[0], "##");
}

TEST_F(Blits, MonochromeAndColourMeetByTheDcColours)
{
    // A monochrome bitmap on colour: its 0 bits take the destination's text colour, its 1 bits its background.
    const BYTE rows[] = {0x50, 0, 0xA0, 0};   // .#.# over #.#. in 1 bits
    HDC mono = CreateCompatibleDC(nullptr);
    HBITMAP bits = CreateBitmap(4, 2, 1, 1, rows);
    HGDIOBJ old = SelectObject(mono, bits);
    Canvas colour(4, 2);
    SetTextColor(colour.dc(), RGB(255, 0, 0));
    SetBkColor(colour.dc(), RGB(0, 0, 255));
    BitBlt(colour.dc(), 0, 0, 4, 2, mono, 0, 0, SRCCOPY);
    EXPECT_EQ(colour.Picture(kColours), (std::vector<std::string>{"rbrb", "brbr"}));

    // Colour on a monochrome bitmap: the source's background colour becomes white, every other colour black.
    Canvas source(3, 2);
    PaintSource(source.dc());
    SetBkColor(source.dc(), RGB(0, 255, 0));
    BitBlt(mono, 0, 0, 3, 2, source.dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(Canvas::Picture(bits, 4, 2), (std::vector<std::string>{"#.#.", "####"})) << "the last column kept";
    SelectObject(mono, old);
    DeleteObject(bits);
    DeleteDC(mono);
}

TEST_F(Blits, PatternsTileFromTheOriginAndHatchesUseTheBackground)
{
    Canvas canvas(10, 9);
    HDC dc = canvas.dc();
    HBRUSH cross = CreateHatchBrush(HS_CROSS, RGB(255, 0, 0));
    SelectObject(dc, cross);
    SetBkColor(dc, RGB(0, 0, 255));
    PatBlt(dc, 0, 0, 10, 9, PATCOPY);
    EXPECT_EQ(canvas.Picture(kColours), (std::vector<std::string>{
        "rrrrrrrrrr", "rbbbbbbbrb", "rbbbbbbbrb", "rbbbbbbbrb", "rbbbbbbbrb",
        "rbbbbbbbrb", "rbbbbbbbrb", "rbbbbbbbrb", "rrrrrrrrrr"}));

    // A hatch filled in a transparent background mode leaves what lies between its lines.
    PatBlt(dc, 0, 0, 10, 9, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Rectangle(dc, 0, 0, 11, 10);
    EXPECT_EQ(canvas.Picture(kColours)[1], "r.......r.");
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(cross);

    // FillRect paints with the brush it is given, whatever the ROP2, up to the right and bottom edges.
    SetROP2(dc, R2_NOT);
    const RECT r = {1, 1, 3, 2};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    EXPECT_EQ(FillRect(dc, &r, green), 1);
    const RECT backwards = {3, 3, 1, 4};
    EXPECT_EQ(FillRect(dc, &backwards, green), 1);
    EXPECT_EQ(canvas.Picture(kColours)[1], "rgg.....r.");
    EXPECT_EQ(canvas.Picture(kColours)[3], "r.......r.") << "a backwards rectangle fills nothing";
    EXPECT_EQ(FillRect(dc, &r, nullptr), 0);
    DeleteObject(green);
    EXPECT_FALSE(PatBlt(dc, 0, 0, 1, 1, SRCCOPY)) << "PatBlt has no source";
}

TEST_F(Blits, DibsDrawTheirRowsFromTheirOwnOrigin)
{
    // A bottom-up 2-by-3 DIB of 24 bits: rows in memory bottom first: black, blue over green, red.
    struct {
        BITMAPINFOHEADER header;
        BYTE bits[3][8];
    } dib = {{sizeof(BITMAPINFOHEADER), 2, 3, 1, 24, BI_RGB, 0, 0, 0, 0, 0},
             {{0, 0, 0, 255, 0, 0, 0, 0},                // bottom: black, blue
              {0, 255, 0, 0, 0, 255, 0, 0},              // middle: green, red
              {255, 255, 255, 255, 255, 255, 0, 0}}};    // top: white, white
    const auto* info = reinterpret_cast<const BITMAPINFO*>(&dib.header);
    Canvas canvas(4, 3);
    // The source rectangle starts from the DIB's bottom left: its lower two rows.
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 4, 2, 0, 0, 2, 2, dib.bits, info, DIB_RGB_COLORS, SRCCOPY), 2);
    EXPECT_EQ(canvas.Picture(kColours), (std::vector<std::string>{"ggrr", "##bb", "...."}));

    // SetDIBitsToDevice with the scan lines from the second: only the rows given are drawn.
    PatBlt(canvas.dc(), 0, 0, 4, 3, WHITENESS);
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 1, 0, 2, 3, 0, 0, 1, 2, dib.bits[1], info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(canvas.Picture(kColours), (std::vector<std::string>{"....", ".gr.", "...."}));
    EXPECT_EQ(SetDIBitsToDevice(canvas.dc(), 0, 0, 2, 3, 0, 0, 0, 3, nullptr, info, DIB_RGB_COLORS), 0);
}

TEST_F(Blits, ThirtyTwoBitDibsHaveNoColourTable)
{
    // One row of two pixels in blue-green-red-unused order: red, blue.
    struct {
        BITMAPINFOHEADER header;
        BYTE bits[8];
    } dib = {{sizeof(BITMAPINFOHEADER), 2, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {0, 0, 255, 0, 255, 0, 0, 0}};
    Canvas canvas(2, 1);
    EXPECT_EQ(StretchDIBits(canvas.dc(), 0, 0, 2, 1, 0, 0, 2, 1, dib.bits,
                            reinterpret_cast<const BITMAPINFO*>(&dib.header), DIB_RGB_COLORS, SRCCOPY),
              1);
    EXPECT_EQ(canvas.Picture(kColours), (std::vector<std::string>{"rb"}));
}

TEST_F(Blits, HugeRectanglesCostNoMoreThanTheBitmap)
{
    Canvas source(2, 2);
    Canvas canvas(4, 2);
    const int huge = 1 << 25;
    EXPECT_TRUE(PatBlt(canvas.dc(), -huge, 1, 2 * huge, huge, BLACKNESS));
    EXPECT_TRUE(StretchBlt(canvas.dc(), -huge, 0, 2 * huge, 1, source.dc(), 0, 0, 2, 2, NOTSRCCOPY));
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{"####", "####"}));
    EXPECT_FALSE(PatBlt(canvas.dc(), 0, 0, 0x7FFFFFFF, 1, BLACKNESS)) << "beyond the device's coordinates";
}
