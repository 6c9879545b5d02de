// device_caps.cpp - GDIINFO, DEVINFO, the palettes and the default fonts of a PDEV.
#include "customnt/vqddigfx/device_caps.h"

#include <cstring>
#include <utility>

namespace {

constexpr ULONG kGdiInfoVersion = 0x500;
constexpr ULONG kTextCaps = 0x1817;
constexpr FLONG kCapsMonoRaster = 0x80253F;
constexpr FLONG kCapsColorRaster = 0x211F;
// Vector mode's answer here is provisional: the VQPDL writer's enable replaces it with its own
// (kCapsWriterVector in vxientnt.cpp).
constexpr FLONG kCapsVectorProvisional = 0xA11F;
constexpr ULONG kWhite = 0xFFFFFF;

// The halftone pattern size GDI uses, by resolution: finer screens for finer devices.
struct HALFTONE_ROW {
    LONG  minDpi;      // -1 ends the table
    ULONG patternSize;
};

constexpr HALFTONE_ROW kHalftoneRows[] = {
    {2400, 15},
    {1800, 13},
    {1200, 11},
    { 900,  9},
    { 400,  7},
    { 180,  5},
    {  -1,  3},   // terminator: below 180 dpi
};

ULONG HalftonePatternSize(LONG dpi)
{
    const HALFTONE_ROW* row = kHalftoneRows;
    while (row->minDpi != -1 && dpi < row->minDpi)
        ++row;
    return row->patternSize;
}

CIECHROMA Chroma(LDECI4 x, LDECI4 y)
{
    return CIECHROMA{x, y, 0};
}

} // namespace

BOOL IsRasterMode(PDEV* pdev)
{
    return pdev->devmode.dmPrivate.lpGraphicsMode == 1;
}

BOOL IsMonochromeRaster(PDEV* pdev)
{
    return IsRasterMode(pdev) && pdev->devmode.dmPrivate.dmPublicCopy.dmColor == DMCOLOR_MONOCHROME;
}

HPALETTE CreateMonochromePalette()
{
    ULONG colors[2] = {0x000000, kWhite};
    return EngCreatePalette(PAL_INDEXED, 2, colors, 0, 0, 0);
}

void BuildGdiInfo(PDEV* pdev, GDIINFO* pGdiInfo)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    const LONG dpi = dm.dmPublicCopy.dmPrintQuality;
    const RECTL paper = dm.printableRect;
    const RECTL printable = dm.printableRectPixels;

    GDIINFO gi = {};
    gi.ulVersion = kGdiInfoVersion;
    gi.ulTechnology = DT_RASPRINTER;
    gi.ulHorzSize = (paper.right - paper.left) / 100;
    gi.ulVertSize = (paper.bottom - paper.top) / 100;
    gi.ulHorzRes = printable.right - printable.left;
    gi.ulVertRes = printable.bottom - printable.top;
    const bool mono = IsMonochromeRaster(pdev);
    gi.cBitsPixel = mono ? 1 : 24;
    gi.cPlanes = 1;
    gi.ulNumColors = mono ? 2 : 8;
    gi.ulLogPixelsX = dpi;
    gi.ulLogPixelsY = dm.dmPublicCopy.dmYResolution;
    gi.flTextCaps = kTextCaps;
    gi.ulAspectX = dpi;
    gi.ulAspectY = dpi;
    gi.ulAspectXY = dpi * 1414 / 1000;
    gi.xStyleStep = 1;
    gi.yStyleStep = 1;
    gi.denStyleStep = dpi / 25;
    gi.ptlPhysOffset = POINTL{printable.left, printable.top};
    gi.szlPhysSize = SIZEL{dm.paperWidthPixels, dm.paperLengthPixels};
    COLORINFO& ci = gi.ciDevice;
    ci.Red = Chroma(6380, 3350);
    ci.Green = Chroma(2345, 6075);
    ci.Blue = Chroma(1410, 932);
    ci.Cyan = Chroma(2000, 2450);
    ci.Magenta = Chroma(5210, 2100);
    ci.Yellow = Chroma(4750, 5100);
    ci.AlignmentWhite = Chroma(3127, 3290);
    ci.RedGamma = ci.GreenGamma = ci.BlueGamma = 10000;
    ci.MagentaInCyanDye = 585;
    ci.YellowInCyanDye = 120;
    ci.MagentaInYellowDye = 10000;
    gi.ulHTPatternSize = HalftonePatternSize(dpi);
    gi.ulHTOutputFormat = dm.dmPublicCopy.dmColor == DMCOLOR_COLOR ? 2 : 0;
    gi.flHTFlags = 2;
    if (dm.dmPublicCopy.dmOrientation == DMORIENT_LANDSCAPE) {
        std::swap(gi.ulHorzSize, gi.ulVertSize);
        std::swap(gi.ulHorzRes, gi.ulVertRes);
        std::swap(gi.ptlPhysOffset.x, gi.ptlPhysOffset.y);
        std::swap(gi.szlPhysSize.cx, gi.szlPhysSize.cy);
    }
    *pGdiInfo = gi;
}

BOOL BuildDevInfo(PDEV* pdev, DEVINFO* pDevInfo)
{
    DEVINFO di = {};
    HPALETTE hpal = nullptr;
    if (!IsRasterMode(pdev)) {
        di.flGraphicsCaps = kCapsVectorProvisional;
    } else if (IsMonochromeRaster(pdev)) {
        di.flGraphicsCaps = kCapsMonoRaster;
    } else {
        di.flGraphicsCaps = kCapsColorRaster;
    }
    if (IsMonochromeRaster(pdev)) {
        di.iDitherFormat = BMF_1BPP;
        di.cxDither = 8;
        di.cyDither = 8;
        hpal = CreateMonochromePalette();
    } else {
        di.iDitherFormat = BMF_24BPP;
        hpal = EngCreatePalette(PAL_RGB, 0, nullptr, 0, 0, 0);
    }
    if (hpal == nullptr)
        return FALSE;
    if (pdev->hpalDefault != nullptr)
        EngDeletePalette(pdev->hpalDefault);
    pdev->hpalDefault = hpal;
    di.hpalDefault = hpal;
    *pDevInfo = di;
    return TRUE;
}

void FillDefaultFonts(PDEV* pdev, DEVINFO* pDevInfo)
{
    const LONG dpi = pdev->devmode.dmPrivate.dmPublicCopy.dmPrintQuality;
    const LONG height = (dpi * 10 + 36) / 72;   // a 10-point font

    LOGFONTW font = {};
    font.lfHeight = height;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_ROMAN;
    if (!IsRasterMode(pdev)) {
        static constexpr WCHAR kFace[] = u"HG明朝L";
        font.lfWidth = height / 2;
        font.lfWeight = FW_NORMAL;
        font.lfOutPrecision = OUT_CHARACTER_PRECIS;
        font.lfClipPrecision = CLIP_CHARACTER_PRECIS;
        std::memcpy(font.lfFaceName, kFace, sizeof kFace);
    }
    pDevInfo->lfDefaultFont = font;

    LOGFONTW variable = {};
    variable.lfHeight = height;
    variable.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    pDevInfo->lfAnsiVarFont = variable;

    LOGFONTW fixed = variable;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    pDevInfo->lfAnsiFixFont = fixed;
}
