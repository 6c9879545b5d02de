// image_blit.cpp - the block transfers on the page and their common worker.
#include "pdl/vxcmn/vqpdlnt/image_blit.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/vqpdlnt/blit_tables.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/image_writer.h"
#include "pdl/vxcmn/vqpdlnt/ink_rows.h"
#include "pdl/vxcmn/vqpdlnt/pens.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "pdl/vxcmn/vxcmnnt.h"
#include "settings/base/global_memory.h"

#include <algorithm>

namespace {

constexpr BYTE kSourceCopy = 0xCC;
constexpr BYTE kSourceInvert = 0x66;     // source XOR page: twice over leaves the page as it was
constexpr BYTE kLeavePage = 0xAA;
constexpr ROP4 kMaskedCopy = 0xCCAA;
constexpr ROP4 kTransparentPattern = 0xAAF0;
constexpr BYTE kPatternAndPage = 0xA0;
constexpr BYTE kPatternOrPage = 0xFA;
constexpr ULONG kWhite = 0xFFFFFF;
constexpr ULONG kBlack = 0x000000;
constexpr unsigned long long kMaxInkBytes = 0x10000000;
constexpr BYTE kRasterMode = 1;
constexpr BYTE kCreatingForm = 2;

// One call of the worker: the source's rectangle drawn over the target's by the rop3, or the target filled
// when the rop3 reads no source.
struct BLIT_CALL {
    SURFOBJ* pso;
    XLATEOBJ* pxlo;
    RECTL source;
    RECTL target;
    BYTE rop3;
    ULONG mode;          // TRANSPARENT or OPAQUE background of one-bit images
    BRUSHOBJ* pbo;
    CLIPOBJ* pco;
};

// Where a source lands: both rectangles ordered, the source within its bitmap, and which way it is turned.
struct PLACEMENT {
    RECTL source;
    RECTL target;
    BOOL mirrorX;
    BOOL mirrorY;
};

// One axis of a placement: [s0, s1) of the source onto [t0, t1) of the target, mirrored when they run in
// opposite directions. The source is cut to [0, limit) and the target by the same share of its length.
bool PlaceAxis(long long s0, long long s1, long long t0, long long t1, LONG limit, LONG& source0, LONG& source1,
               LONG& target0, LONG& target1, BOOL& mirror)
{
    mirror = (s1 < s0) != (t1 < t0);
    if (s1 < s0)
        std::swap(s0, s1);
    if (t1 < t0)
        std::swap(t0, t1);
    const long long sourceLength = s1 - s0;
    const long long targetLength = t1 - t0;
    if (sourceLength == 0 || targetLength == 0)
        return false;
    const long long cutLow = std::max(0LL, -s0);
    const long long cutHigh = std::max(0LL, s1 - limit);
    if (cutLow + cutHigh >= sourceLength)
        return false;
    // The target edge that shows the source's low edge is the low one, or the high one when mirrored.
    t0 += (mirror ? cutHigh : cutLow) * targetLength / sourceLength;
    t1 -= (mirror ? cutLow : cutHigh) * targetLength / sourceLength;
    if (t1 <= t0)
        return false;
    source0 = static_cast<LONG>(s0 + cutLow);
    source1 = static_cast<LONG>(s1 - cutHigh);
    target0 = static_cast<LONG>(t0);
    target1 = static_cast<LONG>(t1);
    return true;
}

// False when nothing of the source is drawn: an empty rectangle, or a source wholly off its bitmap.
bool Place(const BLIT_CALL& call, PLACEMENT& out)
{
    const RECTL& s = call.source;
    const RECTL& t = call.target;
    const SIZEL bitmap = call.pso->sizlBitmap;
    return PlaceAxis(s.left, s.right, t.left, t.right, bitmap.cx, out.source.left, out.source.right,
                     out.target.left, out.target.right, out.mirrorX) &&
           PlaceAxis(s.top, s.bottom, t.top, t.bottom, bitmap.cy, out.source.top, out.source.bottom,
                     out.target.top, out.target.bottom, out.mirrorY);
}

// The two colours of a one-bit source, its 0 and its 1: the translation's first two entries, in the one-bit
// plane mode the source palette's; black and white without them.
void OneBitColors(PDEV* pdev, XLATEOBJ* pxlo, ULONG& fore, ULONG& back)
{
    fore = kBlack;
    back = kWhite;
    if (pxlo == nullptr)
        return;
    if (IsOneBitPlaneMode(pdev)) {
        ULONG entries[2] = {};
        if (XLATEOBJ_cGetPalette(pxlo, XO_SRCPALETTE, 2, entries) >= 2) {
            fore = entries[0] & kWhite;
            back = entries[1] & kWhite;
        }
        return;
    }
    if ((pxlo->flXlate & XO_TABLE) != 0 && pxlo->pulXlate != nullptr && pxlo->cEntries >= 2) {
        fore = pxlo->pulXlate[0] & kWhite;
        back = pxlo->pulXlate[1] & kWhite;
    }
}

// Ink levels through the job's tone table: the ink of a gray is the ink of its mapped gray.
void MapTones(PDEV* pdev, BYTE* ink, size_t count)
{
    BYTE levels[256];
    for (UINT b = 0; b < 256; ++b)
        levels[b] = static_cast<BYTE>(255 - PdlToneLookup(pdev, static_cast<BYTE>(255 - b)));
    for (size_t i = 0; i < count; ++i)
        ink[i] = levels[ink[i]];
}

// The two-operand code (1-16) of a rop3 that reads no source: its bits for pattern and page.
ULONG Rop2OfSourceFree(BYTE rop3)
{
    return ((rop3 >> 6) & 3) * 4 + (rop3 & 3) + 1;
}

// Black, not page, leave page and white need no brush: without one they are a blank box.
bool FillsWithoutBrush(ULONG rop2)
{
    return rop2 == R2_BLACK || rop2 == R2_NOT || rop2 == R2_NOP || rop2 == R2_WHITE;
}

BOOL FillTarget(PDEV* pdev, const BLIT_CALL& call)
{
    const RECTL& target = call.target;
    if (target.right <= target.left || target.bottom <= target.top)
        return TRUE;
    if (!PdlOutputClip(pdev, call.pco, nullptr))
        return FALSE;
    PdlOutputPen(pdev, nullptr, nullptr);
    const bool usable = PdlSelectBrush(pdev, call.pbo) && call.pbo != nullptr;
    const ULONG rop2 = Rop2OfSourceFree(call.rop3);
    PdlOutputRop2(pdev, rop2 * 257);   // the code in both bytes
    if (!usable && FillsWithoutBrush(rop2))
        PdlOutputScaledRectBlank(pdev, target);
    else
        PdlOutputScaledRectRop(pdev, target);
    if (!PdlLeavesPageBlank(pdev, call.pbo, nullptr))
        PdlSetDrawKind(pdev, 0);
    return TRUE;
}

BOOL DrawSource(PDEV* pdev, const BLIT_CALL& call)
{
    SURFOBJ* pso = call.pso;
    if (pso == nullptr || pso->iType != STYPE_BITMAP || pso->pvScan0 == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const UINT bits = SourceBitsPerPixel(pso->iBitmapFormat);
    if (bits == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PLACEMENT at;
    if (!Place(call, at))
        return TRUE;
    const LONG width = at.source.right - at.source.left;
    const LONG height = at.source.bottom - at.source.top;
    const LONG rowBytes = InkRowBytes(bits, width);
    const unsigned long long bytes = static_cast<unsigned long long>(rowBytes) * static_cast<ULONG>(height);
    if (bytes >= kMaxInkBytes) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    LockedBlock ink(static_cast<SIZE_T>(bytes));
    if (!ink || !ReadInkRows(pdev, pso, call.pxlo, at.source, at.mirrorX, at.mirrorY, ink.as<BYTE>()))
        return FALSE;

    if (!PdlOutputClip(pdev, call.pco, nullptr))
        return FALSE;
    PdlSelectBrush(pdev, call.pbo);
    PdlOutputRop3(pdev, call.rop3);
    PdlOutputBrushMode(pdev, call.mode);
    if (bits == 1) {
        ULONG fore, back;
        OneBitColors(pdev, call.pxlo, fore, back);
        TraceImageColors(fore, back);
        PdlOutputBrushColors(pdev, fore, back);
        return PdlOutputScaledImage1(pdev, ink.as<BYTE>(), width, height, rowBytes, at.target);
    }
    if (PdlToneActive(pdev))
        MapTones(pdev, ink.as<BYTE>(), static_cast<size_t>(bytes));
    return PdlOutputScaledImage8(pdev, ink.as<BYTE>(), width, height, rowBytes, at.target);
}

BOOL Blit(PDEV* pdev, const BLIT_CALL& call)
{
    return PdlRop3UsesSource(call.rop3) ? DrawSource(pdev, call) : FillTarget(pdev, call);
}

bool IsMemoryBitmap(const SURFOBJ* pso)
{
    return pso != nullptr && pso->iType == STYPE_BITMAP;
}

LONG Clamped(long long value)
{
    return static_cast<LONG>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

// The source rectangle of a target drawn at its own size from the point.
RECTL SourceAt(const POINTL& from, const RECTL& target)
{
    return {from.x, from.y, Clamped(static_cast<long long>(from.x) + target.right - target.left),
            Clamped(static_cast<long long>(from.y) + target.bottom - target.top)};
}

BOOL InvalidParameter()
{
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

// A masked copy: the source XORed onto the page, the mask's 0 pixels painted black where they fall, and the
// source XORed again. Where the mask is 1 the two XORs cancel; where it is 0 the page became black first, so
// the second XOR leaves the source.
BOOL MaskedCopy(PDEV* pdev, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo, const RECTL& source,
                const RECTL& target, const POINTL& maskAt)
{
    const RECTL mask = {maskAt.x, maskAt.y, Clamped(static_cast<long long>(maskAt.x) + source.right - source.left),
                        Clamped(static_cast<long long>(maskAt.y) + source.bottom - source.top)};
    const BOOL first = Blit(pdev, {psoSrc, pxlo, source, target, kSourceInvert, OPAQUE, nullptr, pco});
    const BOOL second = Blit(pdev, {psoMask, nullptr, mask, target, kSourceCopy, TRANSPARENT, nullptr, pco});
    const BOOL third = Blit(pdev, {psoSrc, pxlo, source, target, kSourceInvert, OPAQUE, nullptr, pco});
    return first && second && third;
}

// A hatch over a transparent background, in two passes: the page ANDed with the hatch in black on white
// (blackens the lines), then ORed with it in its colour on black (colours them, leaving the rest).
BOOL TransparentHatch(PDEV* pdev, REALIZED_BRUSH* rb, const BLIT_CALL& call)
{
    const ULONG c0 = RealizedBrushColor(rb, 0);
    const ULONG c1 = RealizedBrushColor(rb, 1);
    SetRealizedBrushColor(rb, 1, kBlack);
    SetRealizedBrushColor(rb, 0, kWhite);
    BLIT_CALL pass = call;
    pass.rop3 = kPatternAndPage;
    const BOOL first = Blit(pdev, pass);
    SetRealizedBrushColor(rb, 1, c1);
    if (!first) {
        SetRealizedBrushColor(rb, 0, c0);
        return FALSE;
    }
    SetRealizedBrushColor(rb, 0, kBlack);
    pass.rop3 = kPatternOrPage;
    const BOOL second = Blit(pdev, pass);
    SetRealizedBrushColor(rb, 0, c0);
    return second;
}

REALIZED_BRUSH* HatchOf(BRUSHOBJ* pbo)
{
    if (pbo == nullptr || pbo->iSolidColor != 0xFFFFFFFF)
        return nullptr;
    auto* rb = static_cast<REALIZED_BRUSH*>(BRUSHOBJ_pvGetRbrush(pbo));
    return rb != nullptr && rb->iHatch < HS_DDI_MAX ? rb : nullptr;
}

} // namespace

BOOL WriteCopyBits(PDEV* pdev, SURFOBJ* psoDest, SURFOBJ* psoSrc, CLIPOBJ* pco, XLATEOBJ* pxlo, RECTL* prclDest,
                   POINTL* pptlSrc)
{
    if (prclDest == nullptr)
        return InvalidParameter();
    if (!IsMemoryBitmap(psoSrc))
        return EngEraseSurface(psoDest, prclDest, 0xFFFFFFFF);
    if (pptlSrc == nullptr)
        return InvalidParameter();
    RECTL source = SourceAt(*pptlSrc, *prclDest);
    if (SourceBitsPerPixel(psoSrc->iBitmapFormat) == 0)
        return EngStretchBlt(psoDest, psoSrc, nullptr, pco, pxlo, nullptr, nullptr, prclDest, &source, nullptr,
                             COLORONCOLOR);
    return Blit(pdev, {psoSrc, pxlo, source, *prclDest, kSourceCopy, OPAQUE, nullptr, pco});
}

BOOL WriteStretchBlt(PDEV* pdev, SURFOBJ* psoDest, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco,
                     XLATEOBJ* pxlo, RECTL* prclDest, RECTL* prclSrc, POINTL* pptlMask)
{
    if (prclDest == nullptr)
        return InvalidParameter();
    if (!IsMemoryBitmap(psoSrc))
        return EngEraseSurface(psoDest, prclDest, 0xFFFFFFFF);
    const RECTL source = prclSrc != nullptr ? *prclSrc : RECTL{0, 0, psoSrc->sizlBitmap.cx, psoSrc->sizlBitmap.cy};
    if (psoMask == nullptr)
        return Blit(pdev, {psoSrc, pxlo, source, *prclDest, kSourceCopy, OPAQUE, nullptr, pco});
    const POINTL maskAt = pptlMask != nullptr ? *pptlMask : POINTL{0, 0};
    return MaskedCopy(pdev, psoSrc, psoMask, pco, pxlo, source, *prclDest, maskAt);
}

BOOL WriteBitBlt(PDEV* pdev, SURFOBJ* psoTrg, SURFOBJ* psoSrc, SURFOBJ* psoMask, CLIPOBJ* pco, XLATEOBJ* pxlo,
                 RECTL* prclTrg, POINTL* pptlSrc, POINTL* pptlMask, BRUSHOBJ* pbo, POINTL* pptlBrush, ROP4 rop4)
{
    const PRIVATE_DEVMODE& dm = pdev->devmode.dmPrivate;
    if (dm.lpGraphicsMode == kRasterMode && dm.lpOverlay == kCreatingForm && pdev->cPagesBegun > 1)
        return TRUE;   // a form file holds one sheet
    if (prclTrg == nullptr)
        return InvalidParameter();
    const RECTL target = *prclTrg;
    const RECTL source = SourceAt(pptlSrc != nullptr ? *pptlSrc : POINTL{0, 0}, target);
    const BYTE foreground = static_cast<BYTE>(rop4 & 0xFF);
    const BYTE background = static_cast<BYTE>((rop4 >> 8) & 0xFF);
    if (psoMask != nullptr) {
        const POINTL maskAt = pptlMask != nullptr ? *pptlMask : POINTL{0, 0};
        if (foreground == background)
            return Blit(pdev, {psoSrc, pxlo, source, target, foreground, OPAQUE, pbo, pco});
        const LONG maskRop = FindMaskRop(background);
        if (foreground == kLeavePage && !PdlRop3UsesSource(background) && maskRop >= 0)
            return Blit(pdev, {psoMask, nullptr, SourceAt(maskAt, target), target, static_cast<BYTE>(maskRop),
                               TRANSPARENT, pbo, pco});
        if ((rop4 & 0xFFFF) == kMaskedCopy)
            return MaskedCopy(pdev, psoSrc, psoMask, pco, pxlo, source, target, maskAt);
        return EngBitBlt(psoTrg, psoSrc, psoMask, pco, pxlo, prclTrg, pptlSrc, pptlMask, pbo, pptlBrush, rop4);
    }
    const BLIT_CALL call = {psoSrc, pxlo, source, target, background, OPAQUE, pbo, pco};
    if (psoSrc == nullptr && (rop4 & 0xFFFF) == kTransparentPattern)
        if (REALIZED_BRUSH* rb = HatchOf(pbo))
            return TransparentHatch(pdev, rb, call);
    return Blit(pdev, call);
}
