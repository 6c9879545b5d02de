// drawing_test.cpp - the drawing dispatch: invalid PDEVs, failed output and skipped pages; the raster
// fall-backs drawing real pixels; the stretch in strips; the dither.
#include "pdev_fixture.h"
#include "customnt/vqddigfx/dither_table.h"
#include "customnt/vqddigfx/drawing.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

// A one-bit engine bitmap, top-down, all white, that the test draws from or reads.
class MonoBitmap {
public:
    MonoBitmap(LONG cx, LONG cy)
        : m_hsurf(reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{cx, cy}, (cx + 7) / 8, BMF_1BPP, BMF_TOPDOWN,
                                                          nullptr)))
    {
        m_pso = EngLockSurface(m_hsurf);
        std::memset(m_pso->pvBits, 0xFF, m_pso->cjBits);
    }
    ~MonoBitmap()
    {
        EngUnlockSurface(m_pso);
        EngDeleteSurface(m_hsurf);
    }
    MonoBitmap(const MonoBitmap&) = delete;
    MonoBitmap& operator=(const MonoBitmap&) = delete;

    SURFOBJ* get() const { return m_pso; }
    BYTE* Row(LONG y) const { return static_cast<BYTE*>(m_pso->pvScan0) + y * m_pso->lDelta; }
    bool IsBlack(LONG x, LONG y) const { return (Row(y)[x / 8] & (0x80 >> (x % 8))) == 0; }
    void SetBlack(LONG x, LONG y) { Row(y)[x / 8] &= static_cast<BYTE>(~(0x80 >> (x % 8))); }

private:
    HSURF m_hsurf;
    SURFOBJ* m_pso;
};

class Drawing : public PdevTest {
protected:
    void TearDown() override
    {
        if (m_band != nullptr) {
            EngUnlockSurface(m_band);
            DisableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev));
        }
        PdevTest::TearDown();
    }

    // A raster PDEV of a monochrome page of the given size, with its band bitmap as the device surface.
    SURFOBJ* EnableRaster(LONG width, LONG height)
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.lpGraphicsMode = 1;
        dm.dmPrivate.dmPublicCopy.dmColor = DMCOLOR_MONOCHROME;
        dm.dmPrivate.printableRectPixels = RECTL{0, 0, width, height};
        GDIINFO gi;
        DEVINFO di;
        if (!EngineEnablePDEV(&dm, m_hPrinter, 0, nullptr, &gi, &di, &m_pdev))
            return nullptr;
        const HSURF hsurf = EnableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_band = EngLockSurface(hsurf);
        m_band->dhpdev = reinterpret_cast<DHPDEV>(m_pdev);   // as GDI's association would have set it
        std::memset(m_band->pvBits, 0xFF, m_band->cjBits);
        return m_band;
    }

    bool BandIsBlack(LONG x, LONG y) const
    {
        const BYTE* row = static_cast<const BYTE*>(m_band->pvScan0) + y * m_band->lDelta;
        return (row[x / 8] & (0x80 >> (x % 8))) == 0;
    }

    SURFOBJ* m_band = nullptr;
};

// Every drawing hook's worker on a surface, with harmless arguments.
std::vector<std::pair<const char*, std::function<BOOL(SURFOBJ*)>>> DrawingCalls()
{
    static BRUSHOBJ brush = {0, nullptr, 0};
    static RECTL rect = {0, 0, 8, 8};
    static POINTL origin = {0, 0};
    static STROBJ string = {};
    static FONTOBJ font = {};
    static PATHOBJ path = {};
    static BYTE bits[8 * 4] = {};
    static SURFOBJ source = {};   // an 8 x 8 one-bit bitmap in memory
    source.sizlBitmap = {8, 8};
    source.cjBits = sizeof bits;
    source.pvBits = bits;
    source.pvScan0 = bits;
    source.lDelta = 4;
    source.iBitmapFormat = BMF_1BPP;
    source.iType = STYPE_BITMAP;
    return {
        {"BitBlt", [](SURFOBJ* pso) { return BitBltImpl(pso, nullptr, nullptr, nullptr, nullptr, &rect, nullptr,
                                                        nullptr, &brush, &origin, 0xF0F0); }},
        {"StretchBlt", [](SURFOBJ* pso) { return StretchBltImpl(pso, &source, nullptr, nullptr, nullptr, nullptr,
                                                                nullptr, &rect, &rect, nullptr, HALFTONE); }},
        {"StrokePath", [](SURFOBJ* pso) { return StrokePathImpl(pso, &path, nullptr, nullptr, &brush, &origin,
                                                                nullptr, 0x0D0D); }},
        {"FillPath", [](SURFOBJ* pso) { return FillPathImpl(pso, &path, nullptr, &brush, &origin, 0x0D0D,
                                                            FP_WINDINGMODE); }},
        {"StrokeAndFillPath", [](SURFOBJ* pso) { return StrokeAndFillPathImpl(pso, &path, nullptr, nullptr,
                                                                              &brush, nullptr, &brush, &origin,
                                                                              0x0D0D, FP_WINDINGMODE); }},
        {"TextOut", [](SURFOBJ* pso) { return TextOutImpl(pso, &string, &font, nullptr, nullptr, nullptr, &brush,
                                                          nullptr, &origin, 0x0D0D); }},
    };
}

TEST_F(Drawing, FailedOutputFailsEveryCallAndASkippedPageSwallowsIt)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    struct Case { DWORD flags; BOOL result; };
    for (const Case c : {Case{0, TRUE}, Case{PDEVF_OUTPUT_FAILED, FALSE}, Case{PDEVF_PAGE_SKIPPED, TRUE},
                         Case{PDEVF_OUTPUT_FAILED | PDEVF_PAGE_SKIPPED, FALSE}}) {
        m_pdev->dwFlags = c.flags;
        for (const auto& [name, call] : DrawingCalls()) {
            SCOPED_TRACE(testing::Message() << name << " with flags " << c.flags);
            EXPECT_EQ(call(&m_surface), c.result);
        }
    }
}

TEST_F(Drawing, AnInvalidPdevOrAMissingObjectFailsWithInvalidParameter)
{
    ASSERT_NE(Enable(DefaultDevmode()), nullptr);
    std::vector<BYTE> stale(sizeof(PDEV));
    std::memcpy(stale.data(), m_pdev, sizeof(PDEV));
    reinterpret_cast<PDEV*>(stale.data())->dwMagic2 = 0;
    SURFOBJ staleSurface = m_surface;
    staleSurface.dhpdev = reinterpret_cast<DHPDEV>(stale.data());
    SURFOBJ noPdev = m_surface;
    noPdev.dhpdev = nullptr;
    for (SURFOBJ* pso : {&staleSurface, &noPdev}) {
        for (const auto& [name, call] : DrawingCalls()) {
            SCOPED_TRACE(name);
            SetLastError(0);
            EXPECT_FALSE(call(pso));
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        }
    }
    BRUSHOBJ brush = {0, nullptr, 0};
    FONTOBJ font = {};
    SetLastError(0);
    EXPECT_FALSE(TextOutImpl(&m_surface, nullptr, &font, nullptr, nullptr, nullptr, &brush, nullptr, nullptr, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    SetLastError(0);
    EXPECT_FALSE(CopyBitsImpl(&m_surface, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    ULONG dither[8] = {};
    EXPECT_EQ(DitherColorImpl(reinterpret_cast<DHPDEV>(stale.data()), DM_DEFAULT, 0x808080, dither), 0u);
}

TEST_F(Drawing, RasterBlitsDrawIntoTheBand)
{
    ASSERT_NE(EnableRaster(64, 32), nullptr);
    BRUSHOBJ black = {0, nullptr, 0};
    RECTL rect = {8, 4, 16, 6};
    POINTL origin = {0, 0};
    ASSERT_TRUE(BitBltImpl(m_band, nullptr, nullptr, nullptr, nullptr, &rect, nullptr, nullptr, &black, &origin,
                           0xF0F0));
    EXPECT_TRUE(BandIsBlack(8, 4));
    EXPECT_TRUE(BandIsBlack(15, 5));
    EXPECT_FALSE(BandIsBlack(16, 5));
    EXPECT_FALSE(BandIsBlack(8, 6));
}

TEST_F(Drawing, RasterCopyBitsCopiesAWholeSourceAndCutsOneThatReachesOutside)
{
    ASSERT_NE(EnableRaster(64, 32), nullptr);
    MonoBitmap source(16, 8);
    source.SetBlack(0, 0);
    source.SetBlack(15, 7);

    RECTL whole = {0, 0, 16, 8};
    POINTL zero = {0, 0};
    ASSERT_TRUE(CopyBitsImpl(m_band, source.get(), nullptr, nullptr, &whole, &zero));
    EXPECT_TRUE(BandIsBlack(0, 0));
    EXPECT_TRUE(BandIsBlack(15, 7));
    EXPECT_FALSE(BandIsBlack(1, 0));

    // The source offset puts the rectangle's first 4 columns and rows before the source: only the rest is
    // drawn, moved by the same amount.
    std::memset(m_band->pvBits, 0xFF, m_band->cjBits);
    RECTL moved = {20, 20, 40, 32};
    POINTL before = {-4, -4};
    ASSERT_TRUE(CopyBitsImpl(m_band, source.get(), nullptr, nullptr, &moved, &before));
    EXPECT_TRUE(BandIsBlack(24, 24)) << "source (0, 0)";
    EXPECT_TRUE(BandIsBlack(39, 31)) << "source (15, 7)";
    EXPECT_FALSE(BandIsBlack(20, 20));

    RECTL outside = {0, 0, 8, 8};
    POINTL far = {100, 100};
    std::memset(m_band->pvBits, 0xFF, m_band->cjBits);
    EXPECT_TRUE(CopyBitsImpl(m_band, source.get(), nullptr, nullptr, &outside, &far));
    EXPECT_FALSE(BandIsBlack(0, 0));
}

TEST_F(Drawing, LargeStretchesGoInStripsThatCoverEveryRow)
{
    struct Case { LONG w; LONG h; LONG strips; };
    for (const Case c : {Case{1000, 400, 1}, Case{1000, 401, 2}, Case{100, 12001, 4}, Case{500000, 3, 3}}) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        EXPECT_EQ(StretchStripCount(c.w, c.h), c.strips);
    }
    EXPECT_EQ(StretchStripStart(0, 401, 2, 1), 201) << "the first strip takes the odd row";
    EXPECT_EQ(StretchStripStart(0, 401, 2, 2), 401);

    ASSERT_NE(EnableRaster(1000, 401), nullptr);
    MonoBitmap source(1000, 401);
    for (LONG y = 0; y < 401; y += 3)
        source.SetBlack(y, y);
    RECTL rect = {0, 0, 1000, 401};
    ASSERT_TRUE(StretchBltROPImpl(m_band, source.get(), nullptr, nullptr, nullptr, nullptr, nullptr, &rect, &rect,
                                  nullptr, COLORONCOLOR, nullptr, 0xCCCC));
    for (LONG y = 0; y < 401; ++y)
        ASSERT_EQ(BandIsBlack(y, y), y % 3 == 0) << "row " << y;
}

TEST_F(Drawing, RasterDitherFillsTheLowBytesAndLeavesPureBlackAndWhiteToGdi)
{
    ASSERT_NE(EnableRaster(8, 8), nullptr);
    const DHPDEV dhpdev = reinterpret_cast<DHPDEV>(m_pdev);
    for (const ULONG rgb : {0x000000ul, 0xFFFFFFul}) {
        ULONG rows[8];
        std::fill(std::begin(rows), std::end(rows), 0xA5A5A5A5);
        EXPECT_EQ(DitherColorImpl(dhpdev, DM_DEFAULT, rgb, rows), static_cast<ULONG>(DCR_HALFTONE));
        for (const ULONG row : rows)
            EXPECT_EQ(row, 0xA5A5A5A5u);
    }
    // grey = (5 R + 9 G + 2 B) / 16 with R in the low byte: (5 x 0x40 + 9 x 0x80 + 2 x 0xC0) / 16 = 116.
    ULONG rows[8];
    std::fill(std::begin(rows), std::end(rows), 0xA5A5A5A5);
    EXPECT_EQ(DitherColorImpl(dhpdev, DM_DEFAULT, 0xC08040, rows), static_cast<ULONG>(DCR_DRIVER));
    for (unsigned i = 0; i < 8; ++i) {
        EXPECT_EQ(rows[i] & 0xFFFFFF00u, 0xA5A5A500u) << "row " << i;
        EXPECT_EQ(rows[i] & 0xFFu, DitherRow(116 / 4, i)) << "row " << i;
    }
    EXPECT_EQ(DitherRow(0, 3), 0x00);
    EXPECT_EQ(DitherRow(63, 3), 0xFF);
}

TEST_F(Drawing, VectorDitherAsksGdiToHalftoneOnlyForAOneBitPlane)
{
    DRIVER_DEVMODE dm = DefaultDevmode();
    for (const BYTE oneBit : {BYTE{0}, BYTE{1}}) {
        dm.dmPrivate.env.f1Plane1Bit_Check = oneBit;
        ASSERT_NE(Enable(dm), nullptr);
        ULONG rows[8] = {};
        EXPECT_EQ(DitherColorImpl(reinterpret_cast<DHPDEV>(m_pdev), DM_DEFAULT, 0x808080, rows),
                  oneBit ? static_cast<ULONG>(DCR_HALFTONE) : 0u);
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
    }
}

} // namespace
