// path_to_dc_test.cpp - a path object drawn into a memory device context: its pixels, its scaling around an
// origin, and the device context left as it was found.
#include "customnt/vqddigfx/path_to_dc.h"
#include "host/engine/path.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <vector>

namespace {

using PathToDc = WorldTest;

// A one-bit bitmap selected into a new memory DC; the DC, bitmap and the DC's first bitmap go with it.
class MemoryBitmap {
public:
    MemoryBitmap(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        m_hdc = CreateCompatibleDC(nullptr);
        m_hbm = CreateCompatibleBitmap(m_hdc, cx, cy);
        m_old = SelectObject(m_hdc, m_hbm);
    }
    ~MemoryBitmap()
    {
        SelectObject(m_hdc, m_old);
        DeleteObject(m_hbm);
        DeleteDC(m_hdc);
    }
    MemoryBitmap(const MemoryBitmap&) = delete;
    MemoryBitmap& operator=(const MemoryBitmap&) = delete;

    HDC dc() const { return m_hdc; }

    // The pixels as rows of '#' (white, drawn) and '.' (black).
    std::vector<std::string> Rows() const
    {
        struct { BITMAPINFOHEADER header; RGBQUAD colors[2]; } info = {};
        info.header.biSize = sizeof info.header;
        info.header.biWidth = m_cx;
        info.header.biHeight = -m_cy;   // top-down
        info.header.biPlanes = 1;
        info.header.biBitCount = 1;
        const int stride = (m_cx + 31) / 32 * 4;
        std::vector<BYTE> bits(static_cast<size_t>(stride * m_cy));
        GetDIBits(m_hdc, m_hbm, 0, m_cy, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
        std::vector<std::string> rows;
        for (int y = 0; y < m_cy; ++y) {
            std::string row;
            for (int x = 0; x < m_cx; ++x)
                row += (bits[static_cast<size_t>(y * stride + x / 8)] & (0x80 >> (x % 8))) ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }

private:
    int m_cx;
    int m_cy;
    HDC m_hdc = nullptr;
    HBITMAP m_hbm = nullptr;
    HGDIOBJ m_old = nullptr;
};

// A closed square figure in 28.4 units.
std::unique_ptr<platform::engine::PathObject> Square(LONG left, LONG top, LONG size)
{
    const POINTFIX points[] = {{left * 16, top * 16},
                               {(left + size) * 16, top * 16},
                               {(left + size) * 16, (top + size) * 16},
                               {left * 16, (top + size) * 16}};
    const BYTE types[] = {PT_MOVETO, PT_LINETO, PT_LINETO, PT_LINETO | PT_CLOSEFIGURE};
    return platform::engine::PathObject::FromPoints(points, types, 4);
}

TEST(PathToDcScale, ConvertsThroughTwentyEightFourAndDropsTheFraction)
{
    struct Case { FIX value; FIX origin; LONG scale; LONG expected; };
    const Case cases[] = {
        {5 * 16,      0,      10000, 5},
        {5 * 16 + 15, 0,      10000, 5},
        {5 * 16,      16,     5000,  2},
        {3 * 16,      0,      15000, 4},    // 4.5
        {-24,         0,      10000, -1},   // -1.5: the integer part, toward zero
        {0,           0,      0,     0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " around " << c.origin << " at " << c.scale);
        EXPECT_EQ(ScalePathCoordinate(c.value, c.origin, c.scale), c.expected);
    }
}

TEST_F(PathToDc, FillsTheBitmapBlackAndDrawsThePathWhite)
{
    MemoryBitmap bitmap(16, 16);
    PatBlt(bitmap.dc(), 0, 0, 16, 16, WHITENESS);   // whatever was there goes
    const auto path = Square(4, 4, 6);
    ASSERT_NE(path, nullptr);
    ASSERT_TRUE(DrawPathToDC(bitmap.dc(), path->get(), 10000, POINTFIX{0, 0}));
    const auto rows = bitmap.Rows();
    EXPECT_EQ(rows[0], "................");
    EXPECT_EQ(rows[7].substr(0, 4), "....");
    EXPECT_EQ(rows[7][7], '#');
    EXPECT_EQ(rows[7].substr(12), "....");
    EXPECT_EQ(rows[15], "................");
}

TEST_F(PathToDc, ScalesAroundTheOriginAndRestoresTheContext)
{
    MemoryBitmap bitmap(16, 16);
    const HGDIOBJ pen = GetCurrentObject(bitmap.dc(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(bitmap.dc(), OBJ_BRUSH);
    const auto path = Square(10, 10, 4);
    // (10, 10)-(14, 14) moved by the origin (8, 8) and doubled: (4, 4)-(12, 12).
    ASSERT_TRUE(DrawPathToDC(bitmap.dc(), path->get(), 20000, POINTFIX{8 * 16, 8 * 16}));
    const auto rows = bitmap.Rows();
    EXPECT_EQ(rows[8][8], '#');
    EXPECT_EQ(rows[2][2], '.');
    EXPECT_EQ(rows[14][14], '.');
    EXPECT_EQ(GetCurrentObject(bitmap.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(bitmap.dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(SetPolyFillMode(bitmap.dc(), ALTERNATE), ALTERNATE) << "the fill mode came back";
}

TEST_F(PathToDc, RefusesAMissingDcOrPath)
{
    MemoryBitmap bitmap(8, 8);
    const auto path = Square(1, 1, 2);
    EXPECT_FALSE(DrawPathToDC(nullptr, path->get(), 10000, POINTFIX{0, 0}));
    EXPECT_FALSE(DrawPathToDC(bitmap.dc(), nullptr, 10000, POINTFIX{0, 0}));
}

} // namespace
