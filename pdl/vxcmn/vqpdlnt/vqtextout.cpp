// vqtextout.cpp - text as VQPDL: background box, colour, characters in resident fonts or as glyph images, and
// the underline and strike-out boxes.
#include "pdl/vxcmn/vqpdlnt/vqtextout.h"
#include "customnt/vqddigfx/trace.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/blank_page.h"
#include "pdl/vxcmn/vqpdlnt/clip_writer.h"
#include "pdl/vxcmn/vqpdlnt/font_choice.h"
#include "pdl/vxcmn/vqpdlnt/font_commands.h"
#include "pdl/vxcmn/vqpdlnt/glyph_image.h"
#include "pdl/vxcmn/vqpdlnt/image_writer.h"
#include "pdl/vxcmn/vqpdlnt/page_setup.h"
#include "pdl/vxcmn/vqpdlnt/path_writer.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vqpdlnt/vqpath.h"
#include "pdl/vxcmn/vqpdlnt/vxientnt.h"
#include "pdl/vxcmn/vxcmnnt.h"

namespace {

constexpr ULONG kFullScale = 10000;
constexpr ULONG kWhite = 0xFFFFFF;
constexpr LONG kRopSourceCopy = 0xCC;
constexpr LONG kBrushModeTransparent = 1;   // what the brush writer keeps for "brm 1"
constexpr LONG kBrushModeOpaque = 0;        // and for "brm 0"
constexpr BYTE kRopAdditionsMode2 = 0xA8;   // page additions drawn in mode 2
constexpr BYTE kRopAdditions = 0x74;        // page additions drawn in mode 1
constexpr ULONG kAdditionsMode2 = 2;
constexpr WORD kSpace = 0x20;
constexpr WORD kFullWidthSpace = 0x8140;   // in code page 932
constexpr UINT kMaxExtraRects = 16;        // underline and strike-out: GDI hands at most a few

// What every character of one call shares.
struct TEXT_CALL {
    PDEV* pdev;
    FONTOBJ* pfo;
    const WCHAR* pwszChars;   // the characters the glyphs show, one each; cChars of them
    ULONG cChars;
    bool capturing;           // tab text is captured: it is placed later, at full scale
    ULONG scale;              // the page's N-up scale, 10000 while tab text is captured
    bool deviceFont;
    DEVICE_FONT_CHOICE font;
    bool additions;           // page additions: characters are drawn with a dither brush
    bool clipUnbounded;       // tab capture: the clip is set once for the call's glyph images
    bool lost;                // a glyph image could not be written: the call fails
};

// The characters of the string as far as it holds them: its own glyph count, ended early by a terminator.
ULONG CountCharacters(const STROBJ* pstro)
{
    if (pstro->pwszOrg == nullptr)
        return 0;
    ULONG n = 0;
    while (n < pstro->cGlyphs && pstro->pwszOrg[n] != u'\0')
        ++n;
    return n;
}

// The text colour: the foreground brush's own colour (0 for a pattern), RGB in the one-bit plane mode.
ULONG TextColor(PDEV* pdev, BRUSHOBJ* pboFore)
{
    return pboFore != nullptr ? PdlBrushColor(pdev, pboFore) : 0;
}

// The page has ink now, unless the box cannot put any there.
void MarkDrawnUnlessBlank(PDEV* pdev, BRUSHOBJ* pbo)
{
    if (!PdlLeavesPageBlank(pdev, pbo, nullptr))
        PdlSetDrawKind(pdev, 0);
}

// A box of the page's drawing as "sba", scaled to the N-up cell; a box without area writes nothing.
void WriteBox(PDEV* pdev, const RECTL& rect)
{
    const RECTL box = PdlScaleRect(pdev, rect);
    PdlOutputRectBlank(pdev, box.left, box.top, box.right, box.bottom);
}

void OutputOpaqueBox(PDEV* pdev, const RECTL& rect, BRUSHOBJ* pboOpaque, MIX mix)
{
    PdlOutputRop2(pdev, mix);
    PdlSelectBrush(pdev, pboOpaque);
    WriteBox(pdev, rect);
    MarkDrawnUnlessBlank(pdev, pboOpaque);
}

// The colour and rop the characters are drawn with. Page additions (watermarks, tab texts) are drawn in a
// dither of their colour through a rop of their own mode.
void OutputTextColor(PDEV* pdev, BRUSHOBJ* pboFore, ULONG color, MIX mix)
{
    PdlOutputBrushMode(pdev, TRANSPARENT);
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bPageAdditions != 0) {
        PdlOutputBrushColors(pdev, 0, kWhite);
        PdlOutputColorDither(pdev, color);
        const BYTE rop = pContext->dwAdditionsMode == kAdditionsMode2 ? kRopAdditionsMode2 : kRopAdditions;
        PdlPrintf(pdev, "rop 3 #%X;\n", rop);
        // Written past the rop writer, so its memory is told: a later rop 3 of the page must not be taken for
        // one the printer already has.
        pContext->lRop3 = rop;
        return;
    }
    PdlOutputBrushColors(pdev, color, kWhite);
    PdlOutputRop3(pdev, kRopSourceCopy);
    if (IsOneBitPlaneMode(pdev)) {
        PdlSelectBrush(pdev, pboFore);
    } else {
        BRUSHOBJ solid = {color, nullptr, 0};
        PdlSelectBrush(pdev, &solid);
    }
    PdlOutputRop2(pdev, mix);
}

// The glyph origin on the page: the N-up placement's scale and offset, none at full scale (and so none while
// tab text is captured).
POINTL PagePoint(const TEXT_CALL& call, const POINTL& at)
{
    if (call.scale == kFullScale)
        return at;
    const RECTL point = PdlScaleRect(call.pdev, {at.x, at.y, at.x, at.y});
    return {point.left, point.top};
}

// A space of page additions, or a character in white under the source copy where the background does not
// paint or is white too, puts no ink on the page.
bool CharacterLeavesPageBlank(const TEXT_CALL& call, WORD code)
{
    if (call.additions)
        return code == kSpace || code == kFullWidthSpace;
    const JOB_EXTRA_RECORD* pContext = PdlGetContext(call.pdev);
    if (pContext->lRop3 != kRopSourceCopy || (pContext->dwBrushFore & kWhite) != kWhite)
        return false;
    return pContext->lBrushMode == kBrushModeTransparent ||
           (pContext->lBrushMode == kBrushModeOpaque && (pContext->dwBrushBack & kWhite) == kWhite);
}

// Writes the character in the resident font; false when the font has no such character and it must go as an
// image. Shift-JIS fonts take code page 932 forms of one or two bytes; the others bytes below 256.
bool OutputDeviceCharacter(const TEXT_CALL& call, WCHAR wc, const POINTL& at)
{
    WORD code = 0;
    if (call.font.bShiftJis) {
        char mb[2] = {};
        ULONG cb = 0;
        EngUnicodeToMultiByteN(mb, sizeof mb, &cb, &wc, sizeof wc);
        const BYTE lead = static_cast<BYTE>(mb[0]);
        const BYTE trail = static_cast<BYTE>(mb[1]);
        if (cb == 0 || (cb == 1 && lead == '?' && wc != u'?'))
            return false;   // no code page 932 form
        if (cb == 2) {
            PdlPrintf(call.pdev, "txo #%x%x %d %d;\n", lead, trail, at.x, at.y);
            code = static_cast<WORD>(lead << 8 | trail);
        } else {
            PdlPrintf(call.pdev, "txo #%x %d %d;\n", lead, at.x, at.y);
            code = lead;
        }
    } else {
        if (wc >= 256)
            return false;
        PdlPrintf(call.pdev, "txo #%x %d %d;\n", wc, at.x, at.y);
        code = wc;
    }
    if (!CharacterLeavesPageBlank(call, code))
        PdlSetDrawKind(call.pdev, 0);
    return true;
}

void OutputGlyphImage(TEXT_CALL& call, HGLYPH hg, const POINTL& at)
{
    if (call.capturing && !call.clipUnbounded) {
        // Captured tab text is played on another sheet later, in the tab beside the page: it carries its own
        // state and a clip that reaches past the page.
        PdlResetPageState(call.pdev);
        PdlOutputClip(call.pdev, kClipUnbounded, nullptr);
        call.clipUnbounded = true;
    }
    if (!PdlOutputGlyphImage(call.pdev, call.pfo, hg, at, call.scale))
        call.lost = true;
}

void OutputGlyphs(TEXT_CALL& call, const GLYPHPOS* pgp, ULONG count, ULONG first)
{
    for (ULONG i = 0; i < count; ++i) {
        const ULONG index = first + i;
        const POINTL at = PagePoint(call, pgp[i].ptl);
        if (call.deviceFont && index < call.cChars && OutputDeviceCharacter(call, call.pwszChars[index], at))
            continue;
        OutputGlyphImage(call, pgp[i].hg, at);
    }
}

// Every glyph of the string, from its own array or in the batches of STROBJ_bEnum, no more than it says it
// holds.
void OutputCharacters(TEXT_CALL& call, STROBJ* pstro)
{
    const ULONG total = pstro->cGlyphs;
    if (pstro->pgp != nullptr) {
        OutputGlyphs(call, pstro->pgp, total, 0);
        return;
    }
    STROBJ_vEnumStart(pstro);
    ULONG done = 0;
    for (ULONG batch = 0; done < total && batch <= total; ++batch) {
        ULONG count = 0;
        GLYPHPOS* pgp = nullptr;
        const BOOL more = STROBJ_bEnum(pstro, &count, &pgp);
        if (more == static_cast<BOOL>(DDI_ERROR) || pgp == nullptr)
            break;
        if (count > total - done)
            count = total - done;
        OutputGlyphs(call, pgp, count, done);
        done += count;
        if (!more)
            break;
    }
}

// Underline and strike-out: each box of the list up to its all-zero end, in the text's brush.
void OutputExtraBoxes(PDEV* pdev, const RECTL* prclExtra, BRUSHOBJ* pboFore)
{
    for (UINT i = 0; prclExtra != nullptr && i < kMaxExtraRects; ++i) {
        const RECTL& r = prclExtra[i];
        if (r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0)
            return;
        WriteBox(pdev, r);
        MarkDrawnUnlessBlank(pdev, pboFore);
    }
}

} // namespace

BOOL PdlTextOut(SURFOBJ* pso, STROBJ* pstro, FONTOBJ* pfo, CLIPOBJ* pco, RECTL* prclExtra, RECTL* prclOpaque,
                BRUSHOBJ* pboFore, BRUSHOBJ* pboOpaque, POINTL* /*pptlOrg*/, MIX mix)
{
    if (pso == nullptr || pstro == nullptr || pfo == nullptr) {
        TraceAt(__FILE__, __LINE__, "Invalid parameters.\n");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PDEV* pdev = PdevFromSurface(pso);
    if (!bValidatePDEV(pdev)) {
        TRACE_FAILED("_bValidatePDEV");
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if ((pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0)
        return FALSE;

    PdlBeginDrawing(pdev, kObjectText);
    BlankTestText(pdev, pboFore, prclOpaque, pboOpaque);
    // Text the printer cannot clip would show where the application hid it: the call fails instead.
    if (pco != nullptr && !PdlOutputClip(pdev, pco, nullptr)) {
        PdlBeginDrawing(pdev, kObjectNone);
        return FALSE;
    }
    if (prclOpaque != nullptr)
        OutputOpaqueBox(pdev, *prclOpaque, pboOpaque, mix);
    const ULONG color = TextColor(pdev, pboFore);
    OutputTextColor(pdev, pboFore, color, mix);

    TEXT_CALL call = {};
    call.pdev = pdev;
    call.pfo = pfo;
    call.pwszChars = pstro->pwszOrg;
    call.cChars = CountCharacters(pstro);
    call.capturing = PdlIsCapturingTabText(pdev) != FALSE;
    call.scale = call.capturing ? kFullScale : pdev->ulScale;
    call.additions = PdlGetContext(pdev)->bPageAdditions != 0;
    call.deviceFont = ChooseDeviceFont(pdev, pstro, pfo, &call.font) != FALSE;
    if (call.deviceFont)
        PdlSelectDeviceFont(pdev, call.font);
    OutputCharacters(call, pstro);
    OutputExtraBoxes(pdev, prclExtra, pboFore);
    PdlBeginDrawing(pdev, kObjectNone);
    // The other characters are drawn, but a glyph the page lacks must not pass as printed: GDI fails the
    // application's call.
    if (call.lost) {
        if (GetLastError() == ERROR_SUCCESS)
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    return TRUE;
}
