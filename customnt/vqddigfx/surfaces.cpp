// surfaces.cpp - DrvEnableSurface and DrvDisableSurface.
#include "customnt/vqddigfx/surfaces.h"
#include "customnt/vqddigfx/device_caps.h"
#include "customnt/vqddigfx/trace.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr FLONG kHooksRaster = 0x40B;
constexpr FLONG kHooksVector = 0x4EB;
constexpr FLONG kHooksDrawing = 0x24EB;   // what every surface finally hooks

// The lines are the system's own, in the ANSI code page: "EngAssociateSurface()" followed by "error" and by
// "retry error" in Japanese.
constexpr char kAssociateError[] = "EngAssociateSurface()\x83\x47\x83\x89\x81\x5B\n";
constexpr char kAssociateRetryError[] =
    "EngAssociateSurface()\x8D\xC4\x83\x67\x83\x89\x83\x43\x83\x47\x83\x89\x81\x5B\n";

// The page in pixels: the printable area, turned for a landscape page.
SIZEL PageSize(PDEV* pdev)
{
    const RECTL printable = pdev->devmode.dmPrivate.printableRectPixels;
    SIZEL size = {printable.right - printable.left, printable.bottom - printable.top};
    if (pdev->sOrientation == DMORIENT_LANDSCAPE)
        std::swap(size.cx, size.cy);
    return size;
}

// The band bitmap of a raster page; the surface is marked for banding when the page does not fit in one band.
HSURF CreateBandBitmap(PDEV* pdev, SIZEL page)
{
    const bool mono = IsMonochromeRaster(pdev);
    const LONG stride = mono ? (page.cx + 7) / 8 : 3 * page.cx;
    if (stride <= 0 || page.cy <= 0)
        return nullptr;
    const LONG bandRows = std::min<LONG>(page.cy, kMaxBandBytes / stride);
    if (bandRows <= 0)
        return nullptr;
    const HSURF hsurf = reinterpret_cast<HSURF>(
        EngCreateBitmap(SIZEL{page.cx, bandRows}, stride, mono ? BMF_1BPP : BMF_24BPP, BMF_TOPDOWN, nullptr));
    if (hsurf == nullptr)
        return nullptr;
    if (bandRows < page.cy)
        EngMarkBandingSurface(hsurf);
    pdev->cyPage = page.cy;
    return hsurf;
}

// Associates the surface for the drawing hooks; one retry through the locked surface object.
void AssociateForDrawing(HSURF hsurf, HDEV hdev)
{
    if (EngAssociateSurface(hsurf, hdev, kHooksDrawing))
        return;
    TraceLine(kAssociateError);
    SURFOBJ* pso = EngLockSurface(hsurf);
    const BOOL retried = pso != nullptr && EngAssociateSurface(pso->hsurf, hdev, kHooksDrawing);
    if (pso != nullptr)
        EngUnlockSurface(pso);
    if (!retried)
        TraceLine(kAssociateRetryError);
}

} // namespace

HSURF EnableSurfaceImpl(DHPDEV dhpdev)
{
    PDEV* pdev = reinterpret_cast<PDEV*>(dhpdev);
    if (!bValidatePDEV(pdev)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const SIZEL page = PageSize(pdev);
    const HDEV hdev = pdev->hdev;
    if (!IsRasterMode(pdev) && pdev->devmode.dmPrivate.env.f1Plane1Bit_Check == 1) {
        const HSURF hsurf = EngCreateDeviceSurface(reinterpret_cast<DHSURF>(pdev), page, BMF_1BPP);
        if (hsurf == nullptr) {
            TRACE_FAILED("EngCreateDeviceSurface");
            return nullptr;
        }
        EngAssociateSurface(hsurf, hdev, kHooksDrawing);
        pdev->hsurf = hsurf;
        return hsurf;
    }
    HSURF hsurf = nullptr;
    FLONG hooks = 0;
    if (IsRasterMode(pdev)) {
        hsurf = CreateBandBitmap(pdev, page);
        hooks = kHooksRaster;
    } else {
        hsurf = EngCreateDeviceSurface(reinterpret_cast<DHSURF>(pdev), page, BMF_24BPP);
        hooks = kHooksVector;
    }
    if (hsurf == nullptr)
        return nullptr;
    EngAssociateSurface(hsurf, hdev, hooks);
    AssociateForDrawing(hsurf, hdev);
    pdev->hsurf = hsurf;
    return hsurf;
}

VOID DisableSurfaceImpl(DHPDEV dhpdev)
{
    PDEV* pdev = reinterpret_cast<PDEV*>(dhpdev);
    if (!bValidatePDEV(pdev)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return;
    }
    if (pdev->hsurf != nullptr)
        EngDeleteSurface(pdev->hsurf);
    pdev->hsurf = nullptr;
}

void WhitenBandBitmap(PDEV* pdev)
{
    SURFOBJ* pso = EngLockSurface(pdev->hsurf);
    if (pso == nullptr)
        return;
    if (pso->pvBits != nullptr)
        std::memset(pso->pvBits, 0xFF, pso->cjBits);
    EngUnlockSurface(pso);
}
