// band_image.cpp - bands of a raster page, and black rectangles, drawn onto the page as images.
#include "customnt/vqddigfx/band_image.h"
#include "customnt/vqddigfx/surfaces.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"

#include <iterator>

namespace {

constexpr FLONG kHooksBandSurface = 0x4EB;
constexpr ROP4  kRopBlack = 0;

// The raster watermark's rows: row y of the page is ORed with entry y mod 8.
constexpr BYTE kWatermarkRows[] = {0x1E, 0x1E, 0x1E, 0xE1, 0xE1, 0xE1, 0xE1, 0x1F};
static_assert(std::size(kWatermarkRows) == 8);

// Every row of the bitmap, by its first byte and its length in bytes; nothing for a bitmap without bits.
template <typename Row>
void ForEachRow(SURFOBJ* pso, Row row)
{
    if (pso == nullptr || pso->pvScan0 == nullptr || pso->lDelta == 0)
        return;
    const LONG stride = pso->lDelta < 0 ? -pso->lDelta : pso->lDelta;
    auto* pScan = static_cast<BYTE*>(pso->pvScan0);
    for (LONG y = 0; y < pso->sizlBitmap.cy; ++y)
        row(pScan + static_cast<ptrdiff_t>(y) * pso->lDelta, static_cast<size_t>(stride), y);
}

// The devmode asks for the raster watermark on this page.
bool WatermarkApplies(PDEV* pdev)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    return dm.WatermarkIndex != 0 && dm.Watermark_Use != 0 && (dm.FirstPageOnly == 0 || pdev->cPagesBegun < 2);
}

} // namespace

BOOL SendBandImage(PDEV* pdev, SURFOBJ* psoBand, const RECTL& rcPage, ROP4 rop4, ULONG colour)
{
    const SIZEL size = {rcPage.right - rcPage.left, rcPage.bottom - rcPage.top};
    if (size.cx <= 0 || size.cy <= 0)
        return TRUE;
    const HSURF hsurf = EngCreateDeviceSurface(reinterpret_cast<DHSURF>(pdev), size, BMF_24BPP);
    if (hsurf == nullptr)
        return FALSE;
    BOOL drawn = FALSE;
    // The writer finds the PDEV through the surface, so only an associated surface can carry the image.
    if (EngAssociateSurface(hsurf, pdev->hdev, kHooksBandSurface)) {
        if (SURFOBJ* psoTarget = EngLockSurface(hsurf); psoTarget != nullptr) {
            RECTL rcTarget = rcPage;
            POINTL ptlSource = {0, 0};
            BRUSHOBJ brush = {colour, nullptr, 0};
            drawn = PdlBitBlt(psoTarget, psoBand, nullptr, nullptr, nullptr, &rcTarget, &ptlSource, nullptr, &brush,
                              nullptr, rop4);
            EngUnlockSurface(psoTarget);
        }
    }
    EngDeleteSurface(hsurf);
    return drawn;
}

BOOL FillRectBlack(PDEV* pdev, SURFOBJ* /*pso: the rectangle has no source*/, const RECTL& rcPage)
{
    return SendBandImage(pdev, nullptr, rcPage, kRopBlack, 0);
}

BOOL SendRasterPage(PDEV* pdev, SURFOBJ* psoBand)
{
    const RECTL rcPage = {0, 0, psoBand->sizlBitmap.cx, psoBand->sizlBitmap.cy};
    if (!WatermarkApplies(pdev))
        return SendBandImage(pdev, psoBand, rcPage, kRopBandAnd, 0);
    PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    if (dm.lpWatermarkOrder != 1) {
        ForEachRow(psoBand, [](BYTE* p, size_t cb, LONG y) {
            for (size_t i = 0; i < cb; ++i)
                p[i] |= kWatermarkRows[y % 8];
        });
        return SendBandImage(pdev, psoBand, rcPage, kRopBandAnd, 0);
    }
    ForEachRow(psoBand, [](BYTE* p, size_t cb, LONG) {
        for (size_t i = 0; i < cb; ++i)
            p[i] = static_cast<BYTE>(~p[i]);
    });
    // The graphics code reads 2 while the watermark band is drawn, whatever the sheet chose, and comes back
    // afterwards.
    const BYTE graphicsCode = dm.graphicsCode;
    dm.graphicsCode = 2;
    const BOOL sent = SendBandImage(pdev, psoBand, rcPage, kRopWatermarkBand, kWatermarkGrey);
    dm.graphicsCode = graphicsCode;
    return sent;
}

BOOL SendAndClearBand(PDEV* pdev)
{
    SURFOBJ* psoBand = EngLockSurface(pdev->hsurf);
    if (psoBand == nullptr)
        return FALSE;
    const RECTL rcBand = {0, 0, psoBand->sizlBitmap.cx, psoBand->sizlBitmap.cy};
    const BOOL sent = SendBandImage(pdev, psoBand, rcBand, kRopBandAnd, 0);
    EngUnlockSurface(psoBand);
    WhitenBandBitmap(pdev);
    return sent;
}
