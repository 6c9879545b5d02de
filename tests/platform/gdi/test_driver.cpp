// test_driver.cpp - TESTDRV.DLL, a graphics module for the printer device context's tests: it enables a PDEV
// with a small monochrome page, a bitmap surface (banded when asked), answers one escape, and reports every
// hook it is called with through the debug output.
#include "test_modules.h"
#include "win/winddi.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

#define TEST_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

TestDriverOptions g_options;

struct TestPdev {
    HDEV hdev = nullptr;
    HSURF surface = nullptr;
    HPALETTE palette = nullptr;
    LONG band = 0;
};

void Report(const std::u16string& line)
{
    OutputDebugStringW((u"TESTDRV " + line + u"\n").c_str());
}

std::u16string Number(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

TestPdev* PdevOf(SURFOBJ* pso)
{
    return pso != nullptr ? reinterpret_cast<TestPdev*>(pso->dhpdev) : nullptr;
}

LONG BandHeight()
{
    return g_options.bands > 0 ? (kPageHeight + g_options.bands - 1) / g_options.bands : kPageHeight;
}

DHPDEV APIENTRY TestEnablePDEV(DEVMODEW* pdm, LPWSTR, ULONG cPat, HSURF* phsurfPatterns, ULONG cjCaps,
                               ULONG* pdevcaps, ULONG cjDevInfo, DEVINFO* pdi, HDEV hdev, LPWSTR pwszDeviceName,
                               HANDLE hDriver)
{
    Report(u"DrvEnablePDEV " + std::u16string(pwszDeviceName != nullptr ? pwszDeviceName : u"") + u" copies " +
           Number(pdm != nullptr ? pdm->dmCopies : -1) + u" printer " + Number(hDriver != nullptr));
    if (g_options.failEnablePDEV)
        return nullptr;
    GDIINFO info = {};
    info.ulVersion = 0x500;
    info.ulTechnology = DT_RASPRINTER;
    info.ulHorzSize = 5;
    info.ulVertSize = 3;
    info.ulHorzRes = kPageWidth;
    info.ulVertRes = kPageHeight;
    info.cBitsPixel = 1;
    info.cPlanes = 1;
    info.ulNumColors = 2;
    info.ulLogPixelsX = 300;
    info.ulLogPixelsY = 300;
    info.ptlPhysOffset = {3, 4};
    info.szlPhysSize = {kPageWidth + 6, kPageHeight + 8};
    std::memcpy(pdevcaps, &info, std::min<ULONG>(cjCaps, sizeof info));
    DEVINFO devinfo = {};
    ULONG mono[] = {0x000000, 0xFFFFFF};
    auto* pdev = new TestPdev();
    pdev->palette = EngCreatePalette(PAL_INDEXED, 2, mono, 0, 0, 0);
    devinfo.iDitherFormat = BMF_1BPP;
    devinfo.hpalDefault = pdev->palette;
    std::memcpy(pdi, &devinfo, std::min<ULONG>(cjDevInfo, sizeof devinfo));
    for (ULONG i = 0; i < cPat; ++i)
        phsurfPatterns[i] = nullptr;
    pdev->hdev = hdev;
    return reinterpret_cast<DHPDEV>(pdev);
}

VOID APIENTRY TestCompletePDEV(DHPDEV dhpdev, HDEV hdev)
{
    Report(u"DrvCompletePDEV " + Number(reinterpret_cast<TestPdev*>(dhpdev)->hdev == hdev));
}

VOID APIENTRY TestDisablePDEV(DHPDEV dhpdev)
{
    Report(u"DrvDisablePDEV");
    auto* pdev = reinterpret_cast<TestPdev*>(dhpdev);
    EngDeletePalette(pdev->palette);
    delete pdev;
}

BOOL APIENTRY TestResetPDEV(DHPDEV dhpdevOld, DHPDEV dhpdevNew)
{
    Report(u"DrvResetPDEV " + Number(dhpdevOld != dhpdevNew));
    return TRUE;
}

HSURF APIENTRY TestEnableSurface(DHPDEV dhpdev)
{
    Report(u"DrvEnableSurface");
    auto* pdev = reinterpret_cast<TestPdev*>(dhpdev);
    const LONG stride = (kPageWidth + 7) / 8;
    const HSURF hsurf = reinterpret_cast<HSURF>(
        EngCreateBitmap(SIZEL{kPageWidth, BandHeight()}, stride, BMF_1BPP, BMF_TOPDOWN, nullptr));
    if (hsurf == nullptr)
        return nullptr;
    if (g_options.bands > 0)
        EngMarkBandingSurface(hsurf);
    if (!EngAssociateSurface(hsurf, pdev->hdev, HOOK_BITBLT | HOOK_COPYBITS)) {
        EngDeleteSurface(hsurf);
        return nullptr;
    }
    pdev->surface = hsurf;
    return hsurf;
}

VOID APIENTRY TestDisableSurface(DHPDEV dhpdev)
{
    Report(u"DrvDisableSurface");
    auto* pdev = reinterpret_cast<TestPdev*>(dhpdev);
    EngDeleteSurface(pdev->surface);
    pdev->surface = nullptr;
}

BOOL APIENTRY TestStartDoc(SURFOBJ* pso, LPWSTR pwszDocName, DWORD dwJobId)
{
    Report(u"DrvStartDoc " + std::u16string(pwszDocName != nullptr ? pwszDocName : u"(none)") + u" " +
           Number(dwJobId) + u" pdev " + Number(PdevOf(pso) != nullptr));
    return !g_options.failStartDoc;
}

BOOL APIENTRY TestEndDoc(SURFOBJ*, FLONG fl)
{
    Report(u"DrvEndDoc " + Number(fl));
    return TRUE;
}

BOOL APIENTRY TestStartPage(SURFOBJ* pso)
{
    Report(u"DrvStartPage");
    RECTL all = {0, 0, pso->sizlBitmap.cx, pso->sizlBitmap.cy};
    return EngEraseSurface(pso, &all, 1);   // a white page: the engine works for the driver
}

BOOL APIENTRY TestSendPage(SURFOBJ*)
{
    Report(u"DrvSendPage");
    return TRUE;
}

BOOL APIENTRY TestStartBanding(SURFOBJ* pso, POINTL* pptl)
{
    Report(u"DrvStartBanding");
    PdevOf(pso)->band = 0;
    *pptl = {0, 0};
    return TRUE;
}

BOOL APIENTRY TestNextBand(SURFOBJ* pso, POINTL* pptl)
{
    TestPdev* pdev = PdevOf(pso);
    ++pdev->band;
    if (pdev->band < g_options.bands)
        *pptl = {0, pdev->band * BandHeight()};
    else
        *pptl = {-1, -1};
    Report(u"DrvNextBand " + Number(pptl->y));
    return TRUE;
}

ULONG APIENTRY TestEscape(SURFOBJ*, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    Report(u"DrvEscape " + Number(iEsc) + u" " + Number(cjIn) + u" " + Number(cjOut));
    if (iEsc != static_cast<ULONG>(kEchoEscape))
        return 0;
    const auto* in = static_cast<const BYTE*>(pvIn);
    auto* out = static_cast<BYTE*>(pvOut);
    for (ULONG i = 0; i < cjIn && i < cjOut; ++i)
        out[i] = in[cjIn - 1 - i];
    return cjIn + 1;
}

VOID APIENTRY TestDisableDriver(VOID)
{
    Report(u"DrvDisableDriver");
}

#define HOOK(index, fn) {index, reinterpret_cast<PFN>(fn)}

DRVFN g_hooks[] = {
    HOOK(INDEX_DrvEnablePDEV, TestEnablePDEV),
    HOOK(INDEX_DrvCompletePDEV, TestCompletePDEV),
    HOOK(INDEX_DrvDisablePDEV, TestDisablePDEV),
    HOOK(INDEX_DrvResetPDEV, TestResetPDEV),
    HOOK(INDEX_DrvEnableSurface, TestEnableSurface),
    HOOK(INDEX_DrvDisableSurface, TestDisableSurface),
    HOOK(INDEX_DrvDisableDriver, TestDisableDriver),
    HOOK(INDEX_DrvStartDoc, TestStartDoc),
    HOOK(INDEX_DrvEndDoc, TestEndDoc),
    HOOK(INDEX_DrvStartPage, TestStartPage),
    HOOK(INDEX_DrvSendPage, TestSendPage),
    HOOK(INDEX_DrvStartBanding, TestStartBanding),
    HOOK(INDEX_DrvNextBand, TestNextBand),
    HOOK(500, TestSendPage),   // an index GDI does not know: ignored
    HOOK(INDEX_DrvEscape, TestEscape),   // last, so it can be left out
};

} // namespace

TEST_EXPORT BOOL APIENTRY DrvEnableDriver(ULONG iEngineVersion, ULONG cj, DRVENABLEDATA* pded)
{
    Report(u"DrvEnableDriver " + Number(iEngineVersion) + u" " + Number(cj));
    if (g_options.failEnableDriver || cj < sizeof(DRVENABLEDATA))
        return FALSE;
    pded->iDriverVersion = DDI_DRIVER_VERSION_NT5;
    pded->c = static_cast<ULONG>(std::size(g_hooks)) - (g_options.hookEscape ? 0 : 1);
    pded->pdrvfn = g_hooks;
    return TRUE;
}

TEST_EXPORT void TestDriverSetup(const TestDriverOptions* options)
{
    g_options = *options;
}
