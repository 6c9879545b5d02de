// devmode_merge.cpp - folds a devmode from the spooler, an application or the printer data into the driver's own.
// The incoming devmode is untrusted: its public fields are read from a copy bounded by its own dmSize.
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/option_values.h"

#include <cstring>

namespace {


// One 32-bit slot per option, and two per paper for the paper sizes.
constexpr DWORD kMergeScratchSlots = 6400 / sizeof(DWORD);

// Devmode offsets of the printer-wide fields.
constexpr std::size_t kInstalledOptionsFirst = 2324;   // lpSourceUnit
constexpr std::size_t kInstalledOptionsLast = 2340;    // lpPunchZFold
constexpr std::size_t kPrinterWideTextFirst = 2341;
constexpr std::size_t kPrinterWideTextLast = 2372;
constexpr std::size_t kCoverSheetTray = 1594;          // lpCoverSheetTray
constexpr std::size_t kPdlType = 1410;                 // lpPDLType

} // namespace

BOOL CopyPrinterWideFields(const DRIVER_DEVMODE* pSource, DRIVER_DEVMODE* pTarget)
{
    if (pSource == nullptr || pTarget == nullptr)
        return FALSE;
    const auto* from = reinterpret_cast<const BYTE*>(pSource);
    auto* to = reinterpret_cast<BYTE*>(pTarget);
    std::memcpy(to + kInstalledOptionsFirst, from + kInstalledOptionsFirst,
                kInstalledOptionsLast - kInstalledOptionsFirst + 1);
    to[kCoverSheetTray] = from[kCoverSheetTray];
    std::memcpy(to + kPrinterWideTextFirst, from + kPrinterWideTextFirst,
                kPrinterWideTextLast - kPrinterWideTextFirst + 1);
    to[kPdlType] = from[kPdlType];
    return TRUE;
}

// The dmFields bits of fields that lie wholly inside the first cbPublic bytes.
static DWORD FieldsInside(DWORD fields, WORD cbPublic)
{
    struct FieldSpan {
        DWORD bit;
        std::size_t end;   // offset just past the field
    };
    static constexpr FieldSpan kSpans[] = {
        {DM_ORIENTATION, offsetof(DEVMODEW, dmOrientation) + sizeof(SHORT)},
        {DM_PAPERSIZE, offsetof(DEVMODEW, dmPaperSize) + sizeof(SHORT)},
        {DM_PAPERLENGTH, offsetof(DEVMODEW, dmPaperLength) + sizeof(SHORT)},
        {DM_PAPERWIDTH, offsetof(DEVMODEW, dmPaperWidth) + sizeof(SHORT)},
        {DM_COPIES, offsetof(DEVMODEW, dmCopies) + sizeof(SHORT)},
        {DM_DEFAULTSOURCE, offsetof(DEVMODEW, dmDefaultSource) + sizeof(SHORT)},
        {DM_PRINTQUALITY, offsetof(DEVMODEW, dmPrintQuality) + sizeof(SHORT)},
        {DM_DUPLEX, offsetof(DEVMODEW, dmDuplex) + sizeof(SHORT)},
    };
    DWORD inside = 0;
    for (const FieldSpan& span : kSpans)
        if (span.end <= cbPublic)
            inside |= span.bit;
    return fields & inside;
}

// Steps 1-3 of the public merge: the paper id, then its dimensions, then a paper found by its dimensions.
static void MergePaper(const RES_MODULE_CELL* pCell, DWORD* pScratch, const DEVMODEW& in, DWORD fields,
                       DEVMODEW& out)
{
    LONG paperIndex = -1;
    if ((fields & DM_PAPERSIZE) != 0) {
        SHORT paper = 0;
        paperIndex = FindOptionValue(pCell, pScratch, kMergeScratchSlots, kFeaturePaperSize,
                                     static_cast<WORD>(in.dmPaperSize), &paper, OptionValueWidth::Bits16);
        if (paperIndex >= 0)
            out.dmPaperSize = paper;
    }

    const bool dimensionsGiven = (fields & (DM_PAPERLENGTH | DM_PAPERWIDTH)) != 0;
    if (dimensionsGiven) {
        out.dmPaperLength = in.dmPaperLength;
        out.dmPaperWidth = in.dmPaperWidth;
    } else if (paperIndex >= 0) {
        DWORD size[2] = {};   // width, length in 0.01 mm
        QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionSize, size, static_cast<WORD>(paperIndex), 0);
        out.dmPaperWidth = static_cast<SHORT>(size[0] / 10);
        out.dmPaperLength = static_cast<SHORT>(size[1] / 10);
    }

    if (!dimensionsGiven || (fields & DM_PAPERSIZE) != 0)
        return;
    // Only dimensions: the first paper of that size, either way round, names them.
    const LONG count = QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (count <= 0 || 2 * static_cast<DWORD>(count) > kMergeScratchSlots)
        return;
    QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::AllSizes, pScratch, 0, 0);
    const LONG width = in.dmPaperWidth;
    const LONG length = in.dmPaperLength;
    for (LONG i = 0; i < count; ++i) {
        const auto optionWidth = static_cast<LONG>(pScratch[2 * i] / 10);
        const auto optionLength = static_cast<LONG>(pScratch[2 * i + 1] / 10);
        if ((optionWidth == width && optionLength == length) || (optionWidth == length && optionLength == width)) {
            out.dmPaperSize = static_cast<SHORT>(
                QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionValue, nullptr, static_cast<WORD>(i), 0));
            return;
        }
    }
}

void MergePublicDevmodeFields(const RES_MODULE_CELL* pCell, const DEVMODEW* pSource, DRIVER_DEVMODE* pTarget)
{
    if (!HasResModule(pCell) || pSource == nullptr || pTarget == nullptr)
        return;
    const WORD cbSource = pSource->dmSize;
    if (cbSource < kMinDevmodeHeaderSize)
        return;
    // dmSize first: a devmode from an older application is shorter than ours, and every later read is bounded by it.
    DEVMODEW in = {};
    std::memcpy(&in, pSource, cbSource < sizeof in ? cbSource : sizeof in);
    const DWORD fields = FieldsInside(in.dmFields, cbSource);

    DWORD scratch[kMergeScratchSlots];
    DEVMODEW& out = pTarget->dmPublic;
    MergePaper(pCell, scratch, in, fields, out);

    if ((fields & DM_PRINTQUALITY) != 0) {
        SHORT quality = 0;
        if (FindOptionValue(pCell, scratch, kMergeScratchSlots, kFeatureResolution,
                            static_cast<WORD>(in.dmPrintQuality), &quality, OptionValueWidth::Bits16) >= 0) {
            out.dmPrintQuality = quality;
            out.dmYResolution = quality;
        }
    }
    if ((fields & DM_ORIENTATION) != 0) {
        SHORT orientation = 0;
        if (FindOptionValue(pCell, scratch, kMergeScratchSlots, kFeatureOrientation,
                            static_cast<WORD>(in.dmOrientation), &orientation, OptionValueWidth::Bits16) >= 0)
            out.dmOrientation = orientation;
    }
    if ((fields & DM_COPIES) != 0) {
        LONG copies = 0;
        if (AcceptFeatureRange(pCell, kFeatureCopies, in.dmCopies, &copies))
            out.dmCopies = static_cast<SHORT>(copies);
    }
    if ((fields & DM_DUPLEX) != 0 && in.dmDuplex >= DMDUP_SIMPLEX && in.dmDuplex <= DMDUP_HORIZONTAL)
        out.dmDuplex = in.dmDuplex;
    if ((fields & DM_DEFAULTSOURCE) != 0) {
        SHORT source = 0;
        if (FindOptionValue(pCell, scratch, kMergeScratchSlots, kFeatureMediaSource,
                            static_cast<WORD>(in.dmDefaultSource), &source, OptionValueWidth::Bits16) >= 0)
            out.dmDefaultSource = source;
    }
}

BOOL MergeDevmode(const RES_MODULE_CELL* pCell, const DEVMODEW* pSource, DRIVER_DEVMODE* pTarget)
{
    if (pCell == nullptr || pSource == nullptr || pTarget == nullptr)
        return FALSE;
    MergePublicDevmodeFields(pCell, pSource, pTarget);
    // A compatible source has our sizes; the copy is still bounded by our private part.
    const WORD cbPrivate = pSource->dmDriverExtra < kDriverExtraSize ? pSource->dmDriverExtra : kDriverExtraSize;
    std::memcpy(&pTarget->dmPrivate, reinterpret_cast<const BYTE*>(pSource) + kPublicDevmodeSize, cbPrivate);
    // The list belongs to the print job that built it; an address from another process means nothing here.
    pTarget->dmPrivate.fontSubstitutionList = nullptr;
    return TRUE;
}

void MergeIncomingDevmode(const RES_MODULE_CELL* pCell, const DEVMODEW* pSource, DRIVER_DEVMODE* pTarget)
{
    if (IsCompatibleDevmodePair(pSource, &pTarget->dmPublic))
        MergeDevmode(pCell, pSource, pTarget);
    else
        MergePublicDevmodeFields(pCell, pSource, pTarget);
}
