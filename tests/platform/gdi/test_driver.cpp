// test_driver.cpp - TESTDRV.DLL, a graphics module for the printer device context's tests: it enables a PDEV
// with a small monochrome page, a bitmap surface (banded when asked) or a device surface, answers one escape,
// and reports every hook it is called with, and the arguments of its drawing hooks, through the debug output.
// On a bitmap surface its drawing hooks draw through the engine, so the page shows what GDI asked for.
#include "test_modules.h"
#include "win/winddi.h"

#include <algorithm>
#include <cstdio>
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

std::u16string Hex(ULONG value)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%lx", value);
    return std::u16string(digits, digits + std::strlen(digits));
}

std::u16string Rect(const RECTL& r)
{
    return Number(r.left) + u"," + Number(r.top) + u"," + Number(r.right) + u"," + Number(r.bottom);
}

// "clip <complexity> <bounds>", with the count of rectangles of a complex clip.
std::u16string ClipText(CLIPOBJ* pco)
{
    if (pco == nullptr)
        return u"clip none";
    std::u16string text = u"clip " + Number(pco->iDComplexity) + u" " + Rect(pco->rclBounds);
    if (pco->iDComplexity == DC_COMPLEX)
        text += u" rects " + Number(CLIPOBJ_cEnumStart(pco, TRUE, CT_RECTANGLES, CD_ANY, 1000));
    return text;
}

// The path's points in 28.4: M starts a figure, L is a line's end, C a curve's point, Z closes the figure.
std::u16string PathText(PATHOBJ* ppo)
{
    std::u16string text = u"path";
    PATHOBJ_vEnumStart(ppo);
    PATHDATA pd;
    BOOL more;
    do {
        more = PATHOBJ_bEnum(ppo, &pd);
        for (ULONG i = 0; i < pd.count; ++i) {
            const bool begins = i == 0 && (pd.flags & PD_BEGINSUBPATH);
            const char16_t* kind = begins ? u" M" : (pd.flags & PD_BEZIERS) ? u" C" : u" L";
            text += kind + Number(pd.pptfx[i].x) + u"," + Number(pd.pptfx[i].y);
        }
        if (pd.flags & PD_CLOSEFIGURE)
            text += u" Z";
    } while (more);
    return text;
}

// A solid brush by its colour value; a pattern by the hatch its realization (DrvRealizeBrush) was given.
std::u16string BrushText(BRUSHOBJ* pbo)
{
    if (pbo == nullptr)
        return u"brush none";
    if (pbo->iSolidColor != 0xFFFFFFFF)
        return u"brush " + Hex(pbo->iSolidColor);
    const auto* realized = static_cast<const ULONG*>(BRUSHOBJ_pvGetRbrush(pbo));
    return u"brush pattern " + (realized != nullptr ? Number(*realized) : u"unrealized");
}

std::u16string LineText(const LINEATTRS* la)
{
    if (la->fl & LA_GEOMETRIC)
        return u"geometric " + Number(static_cast<long long>(la->elWidth.e)) + u" join " + Number(la->iJoin) +
               u" cap " + Number(la->iEndCap) + u" style " + Number(la->cstyle);
    return u"cosmetic style " + Number(la->cstyle) + u" fl " + Hex(la->fl);
}

bool OnBitmap(SURFOBJ* pso)
{
    return pso->iType == STYPE_BITMAP;
}

// The rows of the surface, each "#" (black, 0) or "." (white, 1) per pixel, as page rows from pageTop.
void ReportPixels(SURFOBJ* pso, LONG pageTop)
{
    for (LONG y = 0; y < pso->sizlBitmap.cy && pageTop + y < kPageHeight; ++y) {
        const BYTE* line = static_cast<const BYTE*>(pso->pvScan0) + y * pso->lDelta;
        std::u16string row;
        for (LONG x = 0; x < pso->sizlBitmap.cx; ++x)
            row += ((line[x / 8] >> (7 - x % 8)) & 1) ? u'.' : u'#';
        Report(u"rows " + Number(pageTop + y) + u" " + row);
    }
    RECTL all = {0, 0, pso->sizlBitmap.cx, pso->sizlBitmap.cy};
    EngEraseSurface(pso, &all, 1);
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
    devinfo.flGraphicsCaps = g_options.graphicsCaps;
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
    const SIZEL size = {kPageWidth, BandHeight()};
    const HSURF hsurf = g_options.deviceSurface
                            ? EngCreateDeviceSurface(reinterpret_cast<DHSURF>(pdev), size, BMF_1BPP)
                            : reinterpret_cast<HSURF>(EngCreateBitmap(size, stride, BMF_1BPP, BMF_TOPDOWN, nullptr));
    if (hsurf == nullptr)
        return nullptr;
    if (g_options.bands > 0)
        EngMarkBandingSurface(hsurf);
    if (!EngAssociateSurface(hsurf, pdev->hdev, g_options.hooks)) {
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
    if (g_options.failEndDoc) {
        SetLastError(ERROR_DISK_FULL);
        return FALSE;
    }
    return TRUE;
}

BOOL APIENTRY TestStartPage(SURFOBJ* pso)
{
    Report(u"DrvStartPage");
    if (!OnBitmap(pso))
        return TRUE;
    RECTL all = {0, 0, pso->sizlBitmap.cx, pso->sizlBitmap.cy};
    return EngEraseSurface(pso, &all, 1);   // a white page: the engine works for the driver
}

BOOL APIENTRY TestSendPage(SURFOBJ* pso)
{
    if (g_options.reportPixels && OnBitmap(pso) && g_options.bands == 0)
        ReportPixels(pso, 0);
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
    if (g_options.reportPixels && OnBitmap(pso))
        ReportPixels(pso, pdev->band * BandHeight());
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
        return iEsc == g_options.refusedEscape ? 0 : g_options.escapeAnswer;
    const auto* in = static_cast<const BYTE*>(pvIn);
    auto* out = static_cast<BYTE*>(pvOut);
    for (ULONG i = 0; i < cjIn && i < cjOut; ++i)
        out[i] = in[cjIn - 1 - i];
    return cjIn + 1;
}

BOOL APIENTRY TestRealizeBrush(BRUSHOBJ* pbo, SURFOBJ*, SURFOBJ* psoPattern, SURFOBJ*, XLATEOBJ* pxlo, ULONG iHatch)
{
    Report(u"DrvRealizeBrush hatch " + Number(iHatch) + u" size " + Number(psoPattern->sizlBitmap.cx) + u"x" +
           Number(psoPattern->sizlBitmap.cy) + u" colors " + Hex(XLATEOBJ_iXlate(pxlo, 0)) + u"," +
           Hex(XLATEOBJ_iXlate(pxlo, 1)));
    auto* block = static_cast<ULONG*>(BRUSHOBJ_pvAllocRbrush(pbo, sizeof(ULONG)));
    if (block == nullptr)
        return FALSE;
    *block = iHatch;
    return TRUE;
}

BOOL APIENTRY TestFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, BRUSHOBJ* pbo, POINTL* pptlBrushOrg, MIX mix,
                           FLONG flOptions)
{
    Report(u"DrvFillPath " + ClipText(pco) + u" " + BrushText(pbo) + u" mix " + Hex(mix) + u" mode " +
           Number(flOptions) + u" " + PathText(ppo));
    if (g_options.declinePaths)
        return FALSE;
    return !OnBitmap(pso) || EngFillPath(pso, ppo, pco, pbo, pptlBrushOrg, mix, flOptions);
}

BOOL APIENTRY TestStrokePath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pbo,
                             POINTL* pptlBrushOrg, LINEATTRS* plineattrs, MIX mix)
{
    Report(u"DrvStrokePath " + ClipText(pco) + u" " + BrushText(pbo) + u" mix " + Hex(mix) + u" " +
           LineText(plineattrs) + u" " + PathText(ppo));
    if (g_options.declinePaths)
        return FALSE;
    return !OnBitmap(pso) || EngStrokePath(pso, ppo, pco, pxo, pbo, pptlBrushOrg, plineattrs, mix);
}

BOOL APIENTRY TestStrokeAndFillPath(SURFOBJ* pso, PATHOBJ* ppo, CLIPOBJ* pco, XFORMOBJ* pxo, BRUSHOBJ* pboStroke,
                                    LINEATTRS* plineattrs, BRUSHOBJ* pboFill, POINTL* pptlBrushOrg, MIX mixFill,
                                    FLONG flOptions)
{
    Report(u"DrvStrokeAndFillPath " + ClipText(pco) + u" stroke " + BrushText(pboStroke) + u" fill " +
           BrushText(pboFill) + u" mix " + Hex(mixFill) + u" mode " + Number(flOptions) + u" " +
           LineText(plineattrs) + u" " + PathText(ppo));
    if (g_options.declinePaths)
        return FALSE;
    return !OnBitmap(pso) || (EngFillPath(pso, ppo, pco, pboFill, pptlBrushOrg, mixFill, flOptions) &&
                              EngStrokePath(pso, ppo, pco, pxo, pboStroke, pptlBrushOrg, plineattrs, mixFill));
}

BOOL APIENTRY TestBitBlt(SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                         RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush,
                         ROP4 rop4)
{
    Report(u"DrvBitBlt " + ClipText(pco) + u" dest " + Rect(*prclTrg) + u" src " +
           (pptlSrc != nullptr ? Number(pptlSrc->x) + u"," + Number(pptlSrc->y) : u"none") + u" rop " + Hex(rop4) +
           u" " + BrushText(pbo));
    return !OnBitmap(psoTrg) ||
           EngBitBlt(psoTrg, psoSrc, psoMask, pco, pxlo, prclTrg, pptlSrc, pptlMask, pbo, pptlBrush, rop4);
}

BOOL APIENTRY TestCopyBits(SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                           POINTL* pptlSrc)
{
    Report(u"DrvCopyBits " + ClipText(pco) + u" dest " + Rect(*prclDest) + u" src " + Number(pptlSrc->x) + u"," +
           Number(pptlSrc->y));
    return !OnBitmap(psoDest) || EngCopyBits(psoDest, psoSrc, pco, pxlo, prclDest, pptlSrc);
}

BOOL APIENTRY TestStretchBlt(SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                             COLORADJUSTMENT* pca, POINTL* pptlHTOrg, RECTL* prclDest, RECTL* prclSrc,
                             POINTL* pptlMask, ULONG iMode)
{
    Report(u"DrvStretchBlt " + ClipText(pco) + u" dest " + Rect(*prclDest) + u" src " + Rect(*prclSrc) + u" mode " +
           Number(iMode));
    return !OnBitmap(psoDest) ||
           EngStretchBlt(psoDest, psoSrc, psoMask, pco, pxlo, pca, pptlHTOrg, prclDest, prclSrc, pptlMask, iMode);
}

std::u16string Text(const WCHAR* text)
{
    return text != nullptr ? std::u16string(text) : u"(null)";
}

// "font <face number> cx <cxMax> type <flFontType> res <x>x<y> size <points> family <name> face <name> charset <n>
// pitch <n> weight <n> sel <fsSelection> em <units> xform <kind> <m11>,<m12>,<m21>,<m22>", the transform's
// entries in thousandths.
std::u16string FontText(FONTOBJ* pfo)
{
    const IFIMETRICS* ifi = FONTOBJ_pifi(pfo);
    if (ifi == nullptr)
        return u"font unknown";
    const auto* base = reinterpret_cast<const BYTE*>(ifi);
    XFORML m = {};
    const ULONG kind = XFORMOBJ_iGetXform(FONTOBJ_pxoGetXform(pfo), &m);
    const auto milli = [](FLOATL v) { return Number(static_cast<long long>(v * 1000 + (v < 0 ? -0.5f : 0.5f))); };
    return u"font " + Number(pfo->iFace) + u" cx " + Number(pfo->cxMax) + u" type " + Hex(pfo->flFontType) +
           u" res " + Number(pfo->sizLogResPpi.cx) + u"x" + Number(pfo->sizLogResPpi.cy) + u" size " +
           Number(pfo->ulStyleSize) + u" family " +
           Text(reinterpret_cast<const WCHAR*>(base + ifi->dpwszFamilyName)) + u" face " +
           Text(reinterpret_cast<const WCHAR*>(base + ifi->dpwszFaceName)) + u" charset " +
           Number(ifi->jWinCharSet) + u" pitch " + Hex(ifi->jWinPitchAndFamily) + u" weight " +
           Number(ifi->usWinWeight) + u" sel " + Hex(ifi->fsSelection) + u" em " + Number(ifi->fwdUnitsPerEm) +
           u" xform " + Number(kind) + u" " + milli(m.eM11) + u"," + milli(m.eM12) + u"," + milli(m.eM21) + u"," +
           milli(m.eM22);
}

// Each glyph's bitmap ("bits <hg> at <x>,<y> size <cx>x<cy>" and its rows, '#' for a set bit) and outline.
void ReportGlyph(FONTOBJ* pfo, HGLYPH hg)
{
    GLYPHDATA* data = nullptr;
    if (FONTOBJ_cGetGlyphs(pfo, FO_GLYPHBITS, 1, &hg, reinterpret_cast<PVOID*>(&data)) != 1) {
        Report(u"bits " + Number(hg) + u" refused " + Number(GetLastError()));
        return;
    }
    const GLYPHBITS* pgb = data->gdf.pgb;
    Report(u"bits " + Number(hg) + u" at " + Number(pgb->ptlOrigin.x) + u"," + Number(pgb->ptlOrigin.y) + u" size " +
           Number(pgb->sizlBitmap.cx) + u"x" + Number(pgb->sizlBitmap.cy) + u" advance " + Number(data->fxD / 16));
    const LONG stride = (pgb->sizlBitmap.cx + 7) / 8;
    for (LONG y = 0; y < pgb->sizlBitmap.cy; ++y) {
        std::u16string row;
        for (LONG x = 0; x < pgb->sizlBitmap.cx; ++x)
            row += ((pgb->aj[y * stride + x / 8] >> (7 - x % 8)) & 1) ? u'#' : u'.';
        Report(u"row " + row);
    }
    if (FONTOBJ_cGetGlyphs(pfo, FO_PATHOBJ, 1, &hg, reinterpret_cast<PVOID*>(&data)) == 1) {
        RECTFX bounds;
        PATHOBJ_vGetBounds(data->gdf.ppo, &bounds);
        Report(u"outline " + Number(hg) + u" bounds " + Number(bounds.xLeft) + u"," + Number(bounds.yTop) + u"," +
               Number(bounds.xRight) + u"," + Number(bounds.yBottom));
    }
}

ULONG APIENTRY TestGetGlyphMode(DHPDEV, FONTOBJ* pfo)
{
    Report(u"DrvGetGlyphMode " + Number(pfo != nullptr));
    return g_options.glyphMode;
}

// What the driver keeps for a font between its text calls.
struct FontData {
    ULONG calls = 0;
};

VOID APIENTRY TestDestroyFont(FONTOBJ* pfo)
{
    auto* data = static_cast<FontData*>(pfo->pvConsumer);
    Report(u"DrvDestroyFont " + Number(pfo->iUniq) + u" calls " + Number(data != nullptr ? data->calls : 0));
    delete data;
    pfo->pvConsumer = nullptr;
}

BOOL APIENTRY TestTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra, RECTL* prclOpaque,
                          BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* pptlOrg, MIX mix)
{
    ULONG extras = 0;
    for (const RECTL* r = prclExtra; r != nullptr && (r->left | r->top | r->right | r->bottom) != 0; ++r)
        ++extras;
    Report(u"DrvTextOut " + ClipText(pco) + u" glyphs " + Number(pstro->cGlyphs) + u" accel " + Hex(pstro->flAccel) +
           u" inc " + Number(pstro->ulCharInc) + u" bk " + Rect(pstro->rclBkGround) + u" opaque " +
           (prclOpaque != nullptr ? Rect(*prclOpaque) : u"none") + u" extra " + Number(extras) + u" fore " +
           BrushText(pboFore) + u" back " + BrushText(pboOpaque) + u" mix " + Hex(mix) + u" text " +
           std::u16string(pstro->pwszOrg, pstro->cGlyphs));
    Report(FontText(pfo));
    // The glyphs as STROBJ_bEnum hands them out, batch by batch.
    STROBJ_vEnumStart(pstro);
    BOOL more;
    do {
        ULONG count = 0;
        GLYPHPOS* pgp = nullptr;
        more = STROBJ_bEnum(pstro, &count, &pgp);
        std::u16string line = u"batch " + Number(count);
        for (ULONG i = 0; i < count; ++i)
            line += u" " + Number(pgp[i].hg) + u"@" + Number(pgp[i].ptl.x) + u"," + Number(pgp[i].ptl.y) +
                    (pgp[i].pgdf != nullptr ? u"+" : u"");
        Report(line);
    } while (more == TRUE);
    if (g_options.reportGlyphs)
        for (ULONG i = 0; i < pstro->cGlyphs; ++i)
            ReportGlyph(pfo, pstro->pgp[i].hg);
    if (g_options.keepFontData) {
        const bool made = pfo->pvConsumer == nullptr;
        if (made)
            pfo->pvConsumer = new FontData();
        auto* data = static_cast<FontData*>(pfo->pvConsumer);
        ++data->calls;
        Report(u"fontdata " + Number(pfo->iUniq) + u" calls " + Number(data->calls) + (made ? u" new" : u""));
    }
    if (g_options.declineText)
        return FALSE;
    return !OnBitmap(pso) ||
           EngTextOut(pso, pstro, pfo, pco, prclExtra, prclOpaque, pboFore, pboOpaque, pptlOrg, mix);
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
    HOOK(INDEX_DrvRealizeBrush, TestRealizeBrush),
    HOOK(INDEX_DrvFillPath, TestFillPath),
    HOOK(INDEX_DrvStrokePath, TestStrokePath),
    HOOK(INDEX_DrvStrokeAndFillPath, TestStrokeAndFillPath),
    HOOK(INDEX_DrvBitBlt, TestBitBlt),
    HOOK(INDEX_DrvCopyBits, TestCopyBits),
    HOOK(INDEX_DrvStretchBlt, TestStretchBlt),
    HOOK(INDEX_DrvTextOut, TestTextOut),
    HOOK(INDEX_DrvGetGlyphMode, TestGetGlyphMode),
    HOOK(INDEX_DrvDestroyFont, TestDestroyFont),
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
