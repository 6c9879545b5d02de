// pens.cpp - the pen commands.
#include "pdl/vxcmn/vqpdlnt/pens.h"
#include "pdl/vxcmn/streamnt.h"
#include "pdl/vxcmn/vqpdlnt/tone_mapping.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"

namespace {

constexpr int kLineColorRegister = 10;
constexpr LONG kNoLine = -1;
constexpr LONG kSolidLine = 0;
constexpr LONG kUnknownStyle = -2;
constexpr int kAlternateKind = 8;    // every other pixel
constexpr int kStyledKind = 7;       // dashes of the style array
constexpr int kStateUnits = 128;     // style units of an alternate line's state
constexpr int kStyleUnitDpi = 25;    // a cosmetic style unit is 1/25 inch of the page's resolution

enum class PenColor { Register10, BrushNumber };

void SelectLineStyle(PDEV* pdev, LONG style)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->lLineStyle == style)
        return;
    PdlPrintf(pdev, "lns %d;\n", style);
    pContext->lLineStyle = style;
}

// The line colour of a solid brush in colour register 10; a pattern brush has none.
void LineColor(PDEV* pdev, BRUSHOBJ* pbo)
{
    if (pbo->iSolidColor == 0xFFFFFFFF)
        return;
    const ULONG device = PdlDeviceColor(pdev, PdlBrushColor(pdev, pbo));
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->dwLineColor == device)
        return;
    PdlPrintf(pdev, "brc %d #%X;\n", kLineColorRegister, device);
    pContext->dwLineColor = device;
}

// The 24 low bits of the style state with their sign.
LONG SignExtend24(LONG value)
{
    const ULONG low = static_cast<ULONG>(value) & 0x00FFFFFF;
    return (low & 0x00800000) != 0 ? static_cast<LONG>(low | 0xFF000000) : static_cast<LONG>(low);
}

BOOL OutputPen(PDEV* pdev, BRUSHOBJ* pbo, LINEATTRS* pla, PenColor color)
{
    if (pbo == nullptr || pla == nullptr) {
        SelectLineStyle(pdev, kNoLine);
        return TRUE;
    }
    if (color == PenColor::BrushNumber)
        PdlSelectBrush(pdev, pbo);
    LineColor(pdev, pbo);
    if ((pla->fl & LA_GEOMETRIC) != 0) {
        PdlPrintf(pdev, "rem geometric pen;\n");
        SelectLineStyle(pdev, kSolidLine);
        return FALSE;
    }
    const int source = color == PenColor::Register10 ? kLineColorRegister : PdlGetContext(pdev)->lBrushNumber;
    const LONG width = pla->elWidth.l;
    const LONG miter = static_cast<LONG>(pla->eMiterLimit * 256);   // 24.8
    if (pbo->iSolidColor == 0xFFFFFFFF)
        PdlPrintf(pdev, "rem cosmetic line with user defined pattern brush;\n");
    if ((pla->fl & LA_ALTERNATE) != 0) {
        PdlPrintf(pdev, "lnp %d %d %%%d %d %s %s %%%f %d %d;\n", 0, source, width, kAlternateKind, "F", "M", miter,
                  SignExtend24(pla->elStyleState.l), kStateUnits);
    } else if (pla->pstyle != nullptr && pla->cstyle != 0) {
        // Style entries are in style units; the printer takes dots.
        const LONG k = pdev->devmode.dmPrivate.dmPublicCopy.dmPrintQuality / kStyleUnitDpi;
        LONG sum = 0;
        for (ULONG i = 0; i < pla->cstyle; ++i)
            sum += pla->pstyle[i].l * k;
        PdlPrintf(pdev, "lnp %d %d %%%d %d %s %s %%%f %d %d %d", 0, source, width, kStyledKind, "F", "M", miter,
                  pla->elStyleState.l * k * 256, sum, static_cast<int>(pla->cstyle));
        for (ULONG i = 0; i < pla->cstyle; ++i)
            PdlPrintf(pdev, " %d", pla->pstyle[i].l * k);
        PdlPrintf(pdev, ";\n");
    } else {
        PdlPrintf(pdev, "lnc %d %d %%%d %s %s %%%f 0;\n", 0, source, width, "F", "M", miter);
    }
    SelectLineStyle(pdev, kSolidLine);
    return TRUE;
}

} // namespace

BOOL PdlOutputPen(PDEV* pdev, BRUSHOBJ* pbo, LINEATTRS* pla)
{
    return OutputPen(pdev, pbo, pla, PenColor::Register10);
}

BOOL PdlOutputPenWithBrush(PDEV* pdev, BRUSHOBJ* pbo, LINEATTRS* pla)
{
    return OutputPen(pdev, pbo, pla, PenColor::BrushNumber);
}

void PdlResetPenState(PDEV* pdev)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    pContext->lLineStyle = kUnknownStyle;
    pContext->dwLineColor = 0xFFFFFFFF;
}
