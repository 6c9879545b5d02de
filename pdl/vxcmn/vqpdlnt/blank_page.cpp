// blank_page.cpp - the blank-page test.
#include "pdl/vxcmn/vqpdlnt/blank_page.h"
#include "pdl/vxcmn/vqpdlnt/rop_writer.h"
#include "pdl/vxcmn/vqpdlnt/vqbrush.h"
#include "pdl/vxcmn/vxcmnnt.h"

namespace {

constexpr ULONG kWhite = 0xFFFFFF;

// A call that can put ink marks the sheet; others leave it as it is. Only a tracked sheet on which nothing
// has been drawn is still blank.
void Apply(PDEV* pdev, bool keepsBlank)
{
    JOB_EXTRA_RECORD* pContext = PdlGetContext(pdev);
    if (pContext->bPageBlank == 0)
        return;
    if (pContext->bPageAdditions != 0)
        return;   // the interface module's page additions never make a sheet worth printing
    if (pContext->bDrawKind != 1 || !keepsBlank)
        pContext->bPageBlank = 0;
}

} // namespace

BOOL IsWhiteBrush(BRUSHOBJ* pbo)
{
    if (pbo == nullptr)
        return TRUE;
    if (pbo->iSolidColor != 0xFFFFFFFF)
        return (pbo->iSolidColor & kWhite) == kWhite;
    const auto* rb = static_cast<const REALIZED_BRUSH*>(BRUSHOBJ_pvGetRbrush(pbo));
    if (rb == nullptr)
        return TRUE;   // a brush that cannot be realized prints nothing
    const bool whiteC0 = (RealizedBrushColor(rb, 0) & kWhite) == kWhite;
    const bool whiteC1 = (RealizedBrushColor(rb, 1) & kWhite) == kWhite;
    if (rb->iHatch < HS_DDI_MAX)
        return whiteC0 && whiteC1 ? TRUE : FALSE;
    return rb->iHatch == HS_DDI_MAX && whiteC1 ? TRUE : FALSE;
}

void BlankTestBlt(PDEV* pdev, const SURFOBJ* psoSrc, BRUSHOBJ* pbo, ROP4 rop4)
{
    const BYTE foreground = static_cast<BYTE>(rop4 & 0xFF);
    const BYTE background = static_cast<BYTE>((rop4 >> 8) & 0xFF);
    bool keepsBlank = false;
    if (psoSrc == nullptr && foreground == background && !PdlRop3UsesSource(foreground))
        keepsBlank = foreground == 0xFF || (foreground == 0xF0 && IsWhiteBrush(pbo));
    Apply(pdev, keepsBlank);
}

void BlankTestText(PDEV* pdev, BRUSHOBJ* pboFore, const RECTL* prclOpaque, BRUSHOBJ* pboOpaque)
{
    Apply(pdev, IsWhiteBrush(pboFore) && (prclOpaque == nullptr || IsWhiteBrush(pboOpaque)));
}

void BlankTestPath(PDEV* pdev, BRUSHOBJ* pboStroke, BRUSHOBJ* pboFill)
{
    Apply(pdev, IsWhiteBrush(pboStroke) && IsWhiteBrush(pboFill));
}

void BlankTestImage(PDEV* pdev)
{
    Apply(pdev, false);
}
