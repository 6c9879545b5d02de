// surfaces_test.cpp - DrvEnableSurface: banded bitmaps in raster mode, device surfaces in vector mode, the
// page turned for landscape, and the association GDI needs.
#include "pdev_fixture.h"
#include "host/text.h"

namespace {

class Surfaces : public PdevTest {
protected:
    void TearDown() override
    {
        if (m_hsurf != nullptr)
            DisableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev));
        PdevTest::TearDown();
    }

    // A PDEV of the given mode and page in pixels, built without validation so the page is exactly that.
    PDEV* EnableWithPage(BYTE graphicsMode, SHORT color, LONG width, LONG height, SHORT orientation = 1,
                         BYTE oneBitPlane = 0)
    {
        DRIVER_DEVMODE dm = DefaultDevmode();
        PRIVATE_DEVMODE& priv = dm.dmPrivate;
        priv.lpGraphicsMode = graphicsMode;
        priv.dmPublicCopy.dmColor = color;
        priv.dmPublicCopy.dmOrientation = orientation;
        priv.env.f1Plane1Bit_Check = oneBitPlane;
        priv.printableRectPixels = RECTL{0, 0, width, height};
        GDIINFO gi;
        DEVINFO di;
        PDEV* pdev = nullptr;
        if (!EngineEnablePDEV(&dm, m_hPrinter, 0, nullptr, &gi, &di, &pdev))
            return nullptr;
        m_pdev = pdev;
        return pdev;
    }

    SURFOBJ* EnableAndLock()
    {
        m_hsurf = EnableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev));
        if (m_hsurf == nullptr)
            return nullptr;
        SURFOBJ* pso = EngLockSurface(m_hsurf);
        if (pso != nullptr) {
            m_locked = *pso;
            EngUnlockSurface(pso);
            return &m_locked;
        }
        return nullptr;
    }

    HSURF m_hsurf = nullptr;
    SURFOBJ m_locked = {};
};

TEST_F(Surfaces, RasterBandsHoldAtMostTheBandBytesOfTheirFormat)
{
    struct Case { SHORT color; LONG width; LONG height; ULONG format; LONG stride; LONG rows; };
    const Case cases[] = {
        {DMCOLOR_MONOCHROME, 4960, 7000,  BMF_1BPP,  620,   7000},    // 14,058 rows fit: one band
        {DMCOLOR_MONOCHROME, 4960, 20000, BMF_1BPP,  620,   14058},
        {DMCOLOR_COLOR,      4960, 7000,  BMF_24BPP, 14880, 585},
        {DMCOLOR_COLOR,      10,   3,     BMF_24BPP, 30,    3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_NE(EnableWithPage(1, c.color, c.width, c.height), nullptr);
        const SURFOBJ* pso = EnableAndLock();
        ASSERT_NE(pso, nullptr);
        EXPECT_EQ(pso->iType, STYPE_BITMAP);
        EXPECT_EQ(pso->iBitmapFormat, c.format);
        EXPECT_EQ(pso->lDelta, c.stride);
        EXPECT_EQ(pso->sizlBitmap.cx, c.width);
        EXPECT_EQ(pso->sizlBitmap.cy, c.rows);
        EXPECT_EQ(Copy(m_pdev->cyPage), static_cast<DWORD>(c.height));
        EXPECT_EQ(Copy(m_pdev->hsurf), m_hsurf);
        DisableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_hsurf = nullptr;
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
    }
}

TEST_F(Surfaces, VectorPagesGetADeviceSurfaceAndLandscapeTurnsThePage)
{
    struct Case { SHORT orientation; BYTE oneBit; ULONG format; SIZEL size; };
    const Case cases[] = {
        {DMORIENT_PORTRAIT,  0, BMF_24BPP, {4800, 6600}},
        {DMORIENT_LANDSCAPE, 0, BMF_24BPP, {6600, 4800}},
        {DMORIENT_PORTRAIT,  1, BMF_1BPP,  {4800, 6600}},
        {DMORIENT_LANDSCAPE, 1, BMF_1BPP,  {6600, 4800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        ASSERT_NE(EnableWithPage(2, DMCOLOR_COLOR, 4800, 6600, c.orientation, c.oneBit), nullptr);
        const SURFOBJ* pso = EnableAndLock();
        ASSERT_NE(pso, nullptr);
        EXPECT_EQ(pso->iType, STYPE_DEVICE);
        EXPECT_EQ(pso->iBitmapFormat, c.format);
        EXPECT_EQ(pso->sizlBitmap.cx, c.size.cx);
        EXPECT_EQ(pso->sizlBitmap.cy, c.size.cy);
        EXPECT_EQ(pso->dhsurf, reinterpret_cast<DHSURF>(m_pdev));
        DisableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_hsurf = nullptr;
        DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
    }
}

TEST_F(Surfaces, AFailedAssociationIsRetriedOnceAndReported)
{
    // Without DrvCompletePDEV there is no GDI device to associate the surface with.
    ASSERT_NE(EnableWithPage(1, DMCOLOR_MONOCHROME, 100, 100), nullptr);
    host::ClearDebugTrace();
    ASSERT_NE(EnableAndLock(), nullptr);
    EXPECT_EQ(host::DebugTrace(), u"EngAssociateSurface()エラー\nEngAssociateSurface()再トライエラー\n");
}

TEST_F(Surfaces, APageWiderThanTheBandBytesGetsNoSurface)
{
    ASSERT_NE(EnableWithPage(1, DMCOLOR_COLOR, 0x850000 / 3 + 1, 10), nullptr);
    EXPECT_EQ(EnableSurfaceImpl(reinterpret_cast<DHPDEV>(m_pdev)), nullptr);
}

} // namespace
