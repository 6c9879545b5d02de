// devmode_validate.cpp - brings a devmode into line with the option tables and computes its derived geometry.
// Pixel values are computed in 64 bits: a devmode from outside may carry any print quality and custom size,
// and the results of sizes that fit in 32 bits are the same as in 32-bit arithmetic.
#include "settings/devmode/devmode_validate.h"
#include "settings/devmode/devmode_header.h"
#include "settings/devmode/layout_table.h"
#include "settings/paper/custom_paper_geometry.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/option_values.h"
#include "settings/paper/paper_ids.h"

#include <cstring>
#include <iterator>
#include <utility>

namespace {


constexpr DWORD kValidateScratchSlots = 1024 / sizeof(DWORD);

constexpr BYTE kOutputFax = 1;
constexpr BYTE kOutputPrint = 2;
constexpr LONG kTableDpi = 300;              // the resolution of feature 22's pixel values
constexpr LONG kHundredthMmPerInch = 2540;
constexpr WORD kPaperVariantBit = 0x1000;    // the "_F" variant of a paper
constexpr BYTE kMarginModeFitZoom = 2;
constexpr BYTE kGraphicsModeRaster = 1;
constexpr BYTE kOverlayNone = 1;

// What the geometry steps write: either the paper's fields or the output paper's.
struct PaperGeometry {
    LONG widthTenths;        // 0.1 mm
    LONG lengthTenths;
    RECTL rect;              // printable area, 0.01 mm
    RECTL rectPixels;        // the same at the devmode's resolution
    LONG widthPixels;
    LONG lengthPixels;
    WORD customWidth;        // UDPaperWidth / UDMediaWidth, 0.1 mm
    WORD customLength;
};

LONG ToLong(LONGLONG value)
{
    return static_cast<LONG>(value);
}

// 300 dpi -> 0, 600 -> 1, 1200 -> 2: feature 22's pixel values shift left by the index. -1: no index.
int ResolutionIndex(SHORT dpi)
{
    switch (dpi) {
    case 300:
        return 0;
    case 600:
        return 1;
    case 1200:
        return 2;
    default:
        return -1;
    }
}

LONG ScaleTablePixels(DWORD value300, SHORT dpi)
{
    const int index = ResolutionIndex(dpi);
    if (index < 0)
        return ToLong(static_cast<LONGLONG>(value300) * dpi / kTableDpi);
    return ToLong(static_cast<LONGLONG>(value300) << index);
}

LONG HundredthMmToPixels(LONG value, SHORT dpi)
{
    return ToLong(static_cast<LONGLONG>(value) * dpi / kHundredthMmPerInch);
}

// A user-defined paper of width x length (0.01 mm), centred on what the paper source prints.
void ComputeCustomGeometry(const DRIVER_DEVMODE& dm, LONG width, LONG length, PaperGeometry& g)
{
    const DEVMODE_ENV_EXTRA& env = dm.dmPrivate.env;
    const SHORT dpi = dm.dmPublic.dmPrintQuality;
    LONG left = 0, top = 0, right = 0, bottom = 0;
    ComputeCenteringMargins(env.lpMediaSource, env.lpSourceUnit, width, length, &left, &top, &right, &bottom);
    const LONG printableWidth = width - left - right;
    const LONG printableLength = length - top - bottom;
    g.rect = {left, top, left + printableWidth, top + printableLength};
    const LONG leftPixels = ToLong((static_cast<LONGLONG>(left) * dpi + kHundredthMmPerInch / 2) / kHundredthMmPerInch);
    const LONG topPixels = ToLong((static_cast<LONGLONG>(top) * dpi + kHundredthMmPerInch / 2) / kHundredthMmPerInch);
    g.rectPixels = {leftPixels, topPixels, HundredthMmToPixels(printableWidth, dpi) + leftPixels,
                    HundredthMmToPixels(printableLength, dpi) + topPixels};
    g.widthPixels = HundredthMmToPixels(width, dpi);
    g.lengthPixels = HundredthMmToPixels(length, dpi);
}

// A user-defined paper's size (0.1 mm) is held to the custom-size range first, so that the size stored and
// the geometry computed from it agree.
void ClampCustomSize(const RES_MODULE_CELL* pCell, LONG widthTenths, LONG lengthTenths, PaperGeometry& g)
{
    g.customWidth = static_cast<WORD>(ClampFeatureValue(pCell, kFeatureCustomWidth, widthTenths));
    g.customLength = static_cast<WORD>(ClampFeatureValue(pCell, kFeatureCustomLength, lengthTenths));
    g.widthTenths = g.customWidth;
    g.lengthTenths = g.customLength;
}

// A paper of the option tables: sizes and areas from feature 0, pixels from feature 22 at the resolution.
void ComputeStandardGeometry(const RES_MODULE_CELL* pCell, SHORT paperId, SHORT dpi, PaperGeometry& g)
{
    const WORD index = GetPaperOptionIndex(pCell, paperId);
    DWORD size[2] = {};
    DWORD area[4] = {};
    QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionSize, size, index, 0);
    QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::PrintableArea, area, index, 0);
    g.widthTenths = static_cast<LONG>(size[0] / 10);
    g.lengthTenths = static_cast<LONG>(size[1] / 10);
    g.rect = {static_cast<LONG>(area[0]), static_cast<LONG>(area[1]), static_cast<LONG>(area[2]),
              static_cast<LONG>(area[3])};

    DWORD sizePixels[2] = {};
    DWORD areaPixels[4] = {};
    QueryFeature(pCell, kFeaturePaperPixels, FeatureQuery::OptionSize, sizePixels, index, 0);
    QueryFeature(pCell, kFeaturePaperPixels, FeatureQuery::PrintableArea, areaPixels, index, 0);
    g.rectPixels = {ScaleTablePixels(areaPixels[0], dpi), ScaleTablePixels(areaPixels[1], dpi),
                    ScaleTablePixels(areaPixels[2], dpi), ScaleTablePixels(areaPixels[3], dpi)};
    g.widthPixels = ScaleTablePixels(sizePixels[0], dpi);
    g.lengthPixels = ScaleTablePixels(sizePixels[1], dpi);
    g.customWidth = static_cast<WORD>(ClampFeatureValue(pCell, kFeatureCustomWidth, 0));
    g.customLength = static_cast<WORD>(ClampFeatureValue(pCell, kFeatureCustomLength, 0));
}

// Step 2: output mode and resolution. Returns whether the resolution changed since the last validation.
bool ValidateOutputAndResolution(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE& dm)
{
    DEVMODEW& pub = dm.dmPublic;
    DEVMODE_ENV_EXTRA& env = dm.dmPrivate.env;
    const SHORT incoming = pub.dmPrintQuality;
    if (env.lpOutput != kOutputFax) {
        env.lpOutput = kOutputPrint;
        pub.dmPrintQuality = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureResolution));
        DWORD scratch[kValidateScratchSlots];
        SHORT quality = 0;
        if (FindOptionValue(pCell, scratch, kValidateScratchSlots, kFeatureResolution, static_cast<WORD>(incoming),
                            &quality, OptionValueWidth::Bits16) >= 0)
            pub.dmPrintQuality = quality;
    } else if (env.phoneBookCount != 0) {
        pub.dmPrintQuality = static_cast<SHORT>(env.lpQuality);
    } else {
        env.lpOutput = kOutputPrint;   // a fax without numbers prints
    }
    pub.dmYResolution = pub.dmPrintQuality;

    if (env.lpOutput != kOutputPrint) {
        env.lpResolution = static_cast<WORD>(incoming);
        return false;
    }
    return pub.dmPrintQuality != static_cast<SHORT>(env.lpResolution);
}

// Step 3: a duplex mode the devmode can hold, copied into the finishing path that is on.
void ValidateDuplex(DRIVER_DEVMODE& dm)
{
    DEVMODEW& pub = dm.dmPublic;
    DEVMODE_ENV_EXTRA& env = dm.dmPrivate.env;
    if (pub.dmDuplex < DMDUP_SIMPLEX || pub.dmDuplex > DMDUP_HORIZONTAL)
        pub.dmDuplex = DMDUP_SIMPLEX;
    const BYTE twoSided = pub.dmDuplex != DMDUP_SIMPLEX ? 1 : 0;
    if (env.Layout_Check2 == 1 && env.Booklet_Check == 0 && env.EngBooklet_Check == 0) {
        env.lpDuplex = static_cast<BYTE>(pub.dmDuplex);
        env.Duplex_Check = twoSided;
    } else if (env.POD_Check == 1 && env.POD_Booklet_Check == 0) {
        env.lpDuplex = static_cast<BYTE>(pub.dmDuplex);
        env.POD_Duplex_Check = twoSided;
    }
}

// Step 5: the paper's size, printable area and pixels.
void ValidatePaperGeometry(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE& dm, HANDLE hPrinter)
{
    DEVMODEW& pub = dm.dmPublic;
    PRIVATE_DEVMODE& priv = dm.dmPrivate;
    PaperGeometry g = {};
    if (IsCustomPaperId(pub.dmPaperSize)) {
        LONG width = pub.dmPaperWidth;
        LONG length = pub.dmPaperLength;
        if (pub.dmPaperSize != kTenthCustomPaperId)
            GetCustomSizeTenthsMm(pub.dmPaperSize, &width, &length, hPrinter);
        ClampCustomSize(pCell, width, length, g);
        ComputeCustomGeometry(dm, g.widthTenths * 10, g.lengthTenths * 10, g);
        priv.env.customPaperRectPixels = g.rectPixels;
        pub.dmFields |= DM_PAPERLENGTH | DM_PAPERWIDTH;
    } else {
        ComputeStandardGeometry(pCell, pub.dmPaperSize, pub.dmPrintQuality, g);
        pub.dmFields &= ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);
    }
    pub.dmPaperWidth = static_cast<SHORT>(g.widthTenths);
    pub.dmPaperLength = static_cast<SHORT>(g.lengthTenths);
    priv.env.UDPaperWidth = g.customWidth;
    priv.env.UDPaperLength = g.customLength;
    priv.printableRect = g.rect;
    priv.printableRectPixels = g.rectPixels;
    priv.paperWidthPixels = g.widthPixels;
    priv.paperLengthPixels = g.lengthPixels;
}

// Step 6: the output paper's size, printable area and pixels.
void ValidateOutputPaperGeometry(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE& dm, HANDLE hPrinter)
{
    const DEVMODEW& pub = dm.dmPublic;
    PRIVATE_DEVMODE& priv = dm.dmPrivate;
    DEVMODE_ENV_EXTRA& env = priv.env;
    PaperGeometry g = {};
    if (priv.ZoomCheck == 0 || priv.lpOutputPaper == 0) {
        priv.lpOutputPaper = static_cast<WORD>(pub.dmPaperSize);
        g = {pub.dmPaperWidth, pub.dmPaperLength, priv.printableRect, priv.printableRectPixels,
             priv.paperWidthPixels, priv.paperLengthPixels, env.UDPaperWidth, env.UDPaperLength};
    } else if (IsCustomPaperId(static_cast<SHORT>(priv.lpOutputPaper))) {
        // Here the tenth size is the stored one too: an output paper has no dimensions of its own.
        LONG width = 0, length = 0;
        GetCustomSizeTenthsMm(static_cast<SHORT>(priv.lpOutputPaper), &width, &length, hPrinter);
        ClampCustomSize(pCell, width, length, g);
        ComputeCustomGeometry(dm, g.widthTenths * 10, g.lengthTenths * 10, g);
    } else {
        priv.lpOutputPaper = static_cast<WORD>((priv.lpOutputPaper & ~kPaperVariantBit) |
                                               (static_cast<WORD>(pub.dmPaperSize) & kPaperVariantBit));
        ComputeStandardGeometry(pCell, static_cast<SHORT>(priv.lpOutputPaper), pub.dmPrintQuality, g);
    }
    env.outputPaperWidth = static_cast<WORD>(g.widthTenths);
    env.outputPaperLength = static_cast<WORD>(g.lengthTenths);
    env.outputPrintableRect = g.rect;
    priv.outputPrintableRectPixels = g.rectPixels;
    priv.outputWidthPixels = g.widthPixels;
    priv.outputLengthPixels = g.lengthPixels;
    env.UDMediaWidth = g.customWidth;
    env.UDMediaLength = g.customLength;
}

// Steps 7 and 8: the zoom after a change of resolution, a new paper and a binding margin, held to its range.
void ValidateZoom(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE& dm, bool resolutionChanged)
{
    const DEVMODEW& pub = dm.dmPublic;
    PRIVATE_DEVMODE& priv = dm.dmPrivate;
    DEVMODE_ENV_EXTRA& env = priv.env;
    if (resolutionChanged) {
        // Zoom is kept relative to 300 dpi pixels: leaving or entering 300 dpi halves or doubles it.
        if (pub.dmPrintQuality == kTableDpi) {
            priv.ZoomCheck = 1;
            priv.Zoom = static_cast<SHORT>(priv.Zoom * 2);
        } else if (env.lpResolution == kTableDpi) {
            priv.ZoomCheck = env.zoomFitFlag;
            priv.Zoom = static_cast<SHORT>(priv.Zoom / 2);
        }
        env.lpResolution = static_cast<WORD>(pub.dmPrintQuality);
    }

    if (priv.ZoomCheck == 0) {
        priv.Zoom = 100;
        return;
    }
    if (pub.dmPaperSize != static_cast<SHORT>(env.lastFitPaperSize)) {
        priv.Zoom = static_cast<SHORT>(ComputeFitZoom(priv.printableRect, env.outputPrintableRect));
        env.lastFitPaperSize = static_cast<WORD>(pub.dmPaperSize);
        env.zoomFitFlag = 1;
    }
    const bool bindingMargin = (env.BindMargin_Check == 1 && env.Layout_Check2 == 1) ||
                               (env.POD_BindMargin_Check == 1 && env.POD_Check == 1);
    if (bindingMargin && env.lpMarginMode == kMarginModeFitZoom)
        priv.Zoom = static_cast<SHORT>(ComputeMarginFitZoom(&dm));
    const LONG maximum = QueryFeature(pCell, kFeatureZoom, FeatureQuery::Maximum, nullptr, 0, 0);
    const LONG minimum = QueryFeature(pCell, kFeatureZoom, FeatureQuery::Minimum, nullptr, 0, 0);
    if (priv.Zoom > maximum || priv.Zoom < minimum)
        priv.Zoom = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureZoom));
}

// An overlay mode without a form to use (no name, or the placeholder) means no overlay.
bool HasFormOverlayName(const PRIVATE_DEVMODE& priv)
{
    static constexpr WCHAR kPlaceholder[] = u"ZT_DEFAULT";
    WCHAR name[sizeof priv.FormOverlayPath / sizeof(WCHAR)];
    std::memcpy(name, &priv.FormOverlayPath, sizeof name);
    if (name[0] == u'\0')
        return false;
    for (std::size_t i = 0; i < std::size(kPlaceholder); ++i)
        if (name[i] != kPlaceholder[i])
            return true;
    return false;
}

} // namespace

LONG ComputeFitZoom(RECTL paper, RECTL output)
{
    const LONGLONG paperWidth = static_cast<LONGLONG>(paper.right) - paper.left;
    const LONGLONG paperHeight = static_cast<LONGLONG>(paper.bottom) - paper.top;
    if (paperWidth == 0 || paperHeight == 0)
        return 100;
    const LONGLONG byWidth = 100 * (static_cast<LONGLONG>(output.right) - output.left) / paperWidth;
    const LONGLONG byHeight = 100 * (static_cast<LONGLONG>(output.bottom) - output.top) / paperHeight;
    return ToLong(byWidth < byHeight ? byWidth : byHeight);
}

LONG ComputeMarginFitZoom(const DRIVER_DEVMODE* pdm)
{
    const DEVMODEW& pub = pdm->dmPublic;
    const PRIVATE_DEVMODE& priv = pdm->dmPrivate;
    const DEVMODE_ENV_EXTRA& env = priv.env;
    const RECTL paper = priv.printableRect;
    const RECTL output = env.outputPrintableRect;
    LONGLONG pw = static_cast<LONGLONG>(paper.right) - paper.left;
    LONGLONG ph = static_cast<LONGLONG>(paper.bottom) - paper.top;
    LONGLONG ow = static_cast<LONGLONG>(output.right) - output.left;
    LONGLONG oh = static_cast<LONGLONG>(output.bottom) - output.top;

    const bool layoutTwoSided = env.Layout_Check2 == 1 &&
                                (env.Duplex_Check == 1 || env.Booklet_Check == 1 || env.EngBooklet_Check == 1);
    const bool podTwoSided = env.POD_Check == 1 && (env.POD_Duplex_Check == 1 || env.POD_Booklet_Check == 1);
    const bool twoSided = !(pub.dmDuplex == DMDUP_SIMPLEX && !layoutTwoSided && !podTwoSided);

    // A pages-per-sheet choice whose cells turn the sheet (two or six pages): the margin then binds along the
    // other side.
    SHORT orientation = pub.dmOrientation;
    const bool pagesPerSheet = (env.Layout_Check2 == 1 && env.Nup_Check == 1) ||
                               (env.POD_Check == 1 && env.POD_Nup_Check == 1);
    const LAYOUT_ROW* layout = FindLayout(priv.lpLayout);
    if (pagesPerSheet && layout != nullptr && layout->bChoice && layout->bTurnsSheet)
        orientation = orientation == DMORIENT_PORTRAIT ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (orientation == DMORIENT_LANDSCAPE) {
        std::swap(pw, ph);
        std::swap(ow, oh);
    }

    const LONGLONG margin = (!twoSided || env.fMargin >= env.bMargin) ? env.fMargin * 100LL : env.bMargin * 100LL;
    if (env.lpBindMargin == 1 || env.lpBindMargin == 2)
        ow -= margin;
    else if (env.lpBindMargin == 3 || env.lpBindMargin == 4)
        oh -= margin;

    if (pw == 0 || ph == 0)
        return 100;
    const LONGLONG byWidth = 100 * ow / pw;
    const LONGLONG byHeight = 100 * oh / ph;
    return ToLong(byWidth < byHeight ? byWidth : byHeight);
}

BOOL ValidateDevmode(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, HANDLE hPrinter)
{
    if (pdm == nullptr)
        return FALSE;
    InitDevmodeHeader(pdm, nullptr);
    if (!HasResModule(pCell))
        return FALSE;
    DEVMODEW& pub = pdm->dmPublic;
    PRIVATE_DEVMODE& priv = pdm->dmPrivate;
    DEVMODE_ENV_EXTRA& env = priv.env;

    const bool resolutionChanged = ValidateOutputAndResolution(pCell, *pdm);
    ValidateDuplex(*pdm);
    // The output paper follows a changed paper while its default is "the paper's own size".
    if (pub.dmPaperSize != static_cast<SHORT>(env.lastFitPaperSize) && env.VQOutputPaperSize == kPaperSameAsPaper)
        priv.lpOutputPaper = static_cast<WORD>(pub.dmPaperSize);
    ValidatePaperGeometry(pCell, *pdm, hPrinter);
    ValidateOutputPaperGeometry(pCell, *pdm, hPrinter);
    ValidateZoom(pCell, *pdm, resolutionChanged);

    std::memcpy(&priv.dmPublicCopy, &pub, sizeof pub);
    priv.byte786 = priv.byte784;
    priv.graphicsModeCode = priv.lpGraphicsMode == kGraphicsModeRaster ? 3 : 2;
    priv.byte785 = 1;
    priv.byte787 = 1;
    priv.maxCopies = static_cast<WORD>(QueryFeature(pCell, kFeatureCopies, FeatureQuery::Maximum, nullptr, 0, 0));
    if (priv.lpOverlay != kOverlayNone && !HasFormOverlayName(priv))
        priv.lpOverlay = kOverlayNone;
    env.lpMediaSource = static_cast<WORD>(pub.dmDefaultSource);
    return TRUE;
}
