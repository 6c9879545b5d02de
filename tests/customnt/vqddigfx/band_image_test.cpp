// band_image_test.cpp - a raster page's bitmap as it is sent: the raster watermark laid into it, and the band
// made white again after it was sent.
#include "pdev_fixture.h"
#include "customnt/vqddigfx/band_image.h"

#include <cstring>
#include <vector>

namespace {

class BandImage : public PdevTest {
protected:
    void TearDown() override
    {
        Release();
        PdevTest::TearDown();
    }

    // Lets the band and the PDEV go.
    void Release()
    {
        if (m_band != nullptr) {
            EngUnlockSurface(m_band);
            EngDeleteSurface(m_hsurf);
            m_band = nullptr;
        }
        if (m_pdev != nullptr) {
            DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
            m_pdev = nullptr;
        }
    }

    // A raster PDEV and a black band bitmap of 16 x 10 one-bit pixels (two bytes a row).
    void EnableBlackBand()
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        dm.dmPrivate.lpGraphicsMode = 1;
        ASSERT_NE(Enable(dm), nullptr);
        m_hsurf = reinterpret_cast<HSURF>(EngCreateBitmap(SIZEL{16, 10}, 2, BMF_1BPP, BMF_TOPDOWN, nullptr));
        m_band = EngLockSurface(m_hsurf);
        m_band->dhpdev = reinterpret_cast<DHPDEV>(m_pdev);
        m_pdev->hsurf = m_hsurf;   // the PDEV's own band, as DrvEnableSurface keeps it
        std::memset(m_band->pvBits, 0x00, m_band->cjBits);
    }

    // The first byte of each row.
    std::vector<BYTE> Rows() const
    {
        std::vector<BYTE> rows;
        for (LONG y = 0; y < m_band->sizlBitmap.cy; ++y)
            rows.push_back(static_cast<const BYTE*>(m_band->pvScan0)[y * m_band->lDelta]);
        return rows;
    }

    HSURF m_hsurf = nullptr;
    SURFOBJ* m_band = nullptr;
};

TEST_F(BandImage, TheRasterWatermarkIsLaidIntoThePagesItIsFor)
{
    const std::vector<BYTE> untouched(10, 0x00);
    const std::vector<BYTE> pattern = {0x1E, 0x1E, 0x1E, 0xE1, 0xE1, 0xE1, 0xE1, 0x1F, 0x1E, 0x1E};
    const std::vector<BYTE> inverted(10, 0xFF);
    struct Case { BYTE index; BYTE use; BYTE firstPageOnly; BYTE order; DWORD page; std::vector<BYTE> rows; };
    const Case cases[] = {
        {1, 1, 0, 2, 3, pattern},     // row y takes the pattern's row y mod 8
        {1, 1, 0, 1, 3, inverted},    // order 1: the page inverted, laid in grey
        {1, 1, 1, 2, 1, pattern},     // the first page only: page 1 gets it...
        {1, 1, 1, 2, 2, untouched},   // ...page 2 not
        {0, 1, 0, 2, 1, untouched},   // no watermark chosen
        {1, 0, 0, 1, 1, untouched},   // watermarks off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "index " << int{c.index} << ", use " << int{c.use} << ", first only "
                                        << int{c.firstPageOnly} << ", order " << int{c.order} << ", page "
                                        << c.page);
        EnableBlackBand();
        PRIVATE_DEVMODE& dm = m_pdev->devmode.dmPrivate;
        dm.WatermarkIndex = c.index;
        dm.Watermark_Use = c.use;
        dm.FirstPageOnly = c.firstPageOnly;
        dm.lpWatermarkOrder = c.order;
        dm.graphicsCode = 4;
        m_pdev->cPagesBegun = c.page;
        SendRasterPage(m_pdev, m_band);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(static_cast<const BYTE*>(m_band->pvScan0)[1], c.rows[0]) << "every byte of the row";
        EXPECT_EQ(Copy(dm.graphicsCode), 4) << "the sheet's graphics code comes back";
        Release();
    }
}

TEST_F(BandImage, ABandSentToThePageStartsWhiteAgain)
{
    EnableBlackBand();
    SendAndClearBand(m_pdev);
    EXPECT_EQ(Rows(), std::vector<BYTE>(10, 0xFF));
    const RECTL empty = {0, 10, 16, 10};
    EXPECT_TRUE(SendBandImage(m_pdev, m_band, empty, kRopBandAnd, 0)) << "nothing to send is no failure";
}

} // namespace
