// device_capabilities.cpp - the answers of DrvDeviceCapabilities.
#include "ui/core/device_capabilities.h"
#include "settings/base/global_memory.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/layout_table.h"
#include "settings/devmode/printer_devmode.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/custom_size_store.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"
#include "settings/registry/printer_info.h"
#include "settings/strings/product_names.h"
#include "ui/core/trace.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

constexpr DWORD kAnswerError = static_cast<DWORD>(-1);   // GDI_ERROR: "not supported" to the caller


constexpr WORD kPaperNameChars = 64;       // DC_PAPERNAMES slot
constexpr WORD kBinNameChars = 24;         // DC_BINNAMES slot
constexpr WORD kPersonalityChars = 32;     // DC_PERSONALITY slot
constexpr WORD kMaxPaperOptions = 256;     // a longer paper list is not answered
constexpr DWORD kPrintRate = kAnswerError; // the printer reports no speed
constexpr DWORD kOrientationAngle = 90;    // landscape turns the page counter-clockwise
constexpr BYTE kNoOutputUnit = 1;
constexpr DWORD kMaxPagesPerSheetChoices = 16;

// Which papers a paper list holds: all options (the inner query of the lists) or those offered to
// applications.
enum class PaperListing {
    Offered,
    AllOptions,
};

// Rotated twins, the wide and tab variants without their "_F" form, and the spare user size are choices of
// the driver's own pages, not papers an application picks.
bool IsOfferedPaper(WORD paperId)
{
    if ((paperId & 0x2000) != 0 || (paperId & 0x800) != 0 || paperId == 512)
        return false;
    return !((paperId & 0x400) != 0 && (paperId & 0x1000) == 0);
}

// Thousandths of an inch to 0.1 mm, rounded.
LONG ThousandthInchToTenthMm(DWORD value)
{
    return static_cast<LONG>((static_cast<ULONGLONG>(value) * 254 + 500) / 1000);
}

struct CapabilityQuery {
    HANDLE hPrinter;
    LPWSTR pDeviceName;
    const DEVMODEW* pDevMode;
};

DWORD AnswerCapability(const CapabilityQuery& query, WORD iDevCap, PVOID pOutput, PaperListing listing);

// DC_PAPERS, DC_PAPERSIZE and DC_PAPERNAMES of the offered papers: from the full lists, which the general
// routine answers.
DWORD AnswerOfferedPapers(const CapabilityQuery& query, WORD iDevCap, PVOID pOutput)
{
    WORD ids[kMaxPaperOptions];
    const DWORD count = AnswerCapability(query, DC_PAPERS, ids, PaperListing::AllOptions);
    if (count == kAnswerError || count > kMaxPaperOptions)
        return 0;
    DWORD offered = 0;
    for (DWORD i = 0; i < count; ++i)
        if (IsOfferedPaper(ids[i]))
            ++offered;
    if (pOutput == nullptr)
        return offered;

    if (iDevCap == DC_PAPERS) {
        DWORD written = 0;
        for (DWORD i = 0; i < count; ++i)
            if (IsOfferedPaper(ids[i]))
                std::memcpy(static_cast<WORD*>(pOutput) + written++, &ids[i], sizeof(WORD));
        return written;
    }

    const bool names = iDevCap == DC_PAPERNAMES;
    const std::size_t cbEntry = names ? kPaperNameChars * sizeof(WCHAR) : sizeof(POINT);
    LockedBlock all(count * cbEntry);
    if (!all)
        return 0;
    if (AnswerCapability(query, iDevCap, all.get(), PaperListing::AllOptions) != count)
        return 0;
    DWORD written = 0;
    for (DWORD i = 0; i < count; ++i) {
        if (!IsOfferedPaper(ids[i]))
            continue;
        BYTE* pEntry = static_cast<BYTE*>(pOutput) + written++ * cbEntry;
        const UINT customNumber = CustomPaperIdToIndex(static_cast<SHORT>(ids[i]));
        if (customNumber == 0) {
            std::memcpy(pEntry, all.as<BYTE>() + i * cbEntry, cbEntry);
            continue;
        }
        // A user-defined paper is named and sized as the user stored it.
        DWORD width = 0, length = 0;
        WCHAR name[kPaperNameChars] = {};
        GetCustomSize(query.hPrinter, nullptr, customNumber, &width, &length, name, sizeof name);
        if (names) {
            std::memcpy(pEntry, name, sizeof name);
        } else {
            const POINT size = {ThousandthInchToTenthMm(width), ThousandthInchToTenthMm(length)};
            std::memcpy(pEntry, &size, sizeof size);
        }
    }
    return written;
}

// The full paper lists, in option order: ids, names or sizes (0.1 mm).
DWORD AnswerAllPapers(const RES_MODULE_CELL* pCell, WORD iDevCap, PVOID pOutput)
{
    const LONG count = QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (count <= 0 || count > kMaxPaperOptions)
        return 0;
    if (pOutput == nullptr)
        return static_cast<DWORD>(count);
    if (iDevCap == DC_PAPERS) {
        QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::AllValues, pOutput, 0, sizeof(WORD));
    } else if (iDevCap == DC_PAPERNAMES) {
        QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::AllNames, pOutput, 0, kPaperNameChars);
    } else {
        DWORD sizes[2 * kMaxPaperOptions];
        QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::AllSizes, sizes, 0, 0);
        for (LONG i = 0; i < count; ++i) {
            const POINT size = {static_cast<LONG>(sizes[2 * i] / 10), static_cast<LONG>(sizes[2 * i + 1] / 10)};
            std::memcpy(static_cast<POINT*>(pOutput) + i, &size, sizeof size);
        }
    }
    return static_cast<DWORD>(count);
}

// DC_MINEXTENT and DC_MAXEXTENT: the smallest or largest width and length over all paper options, each on
// its own, in 0.1 mm.
DWORD AnswerExtent(const RES_MODULE_CELL* pCell, bool largest, PVOID pOutput)
{
    const LONG count = QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (count <= 0 || count > kMaxPaperOptions)
        return 0;
    if (pOutput == nullptr)
        return static_cast<DWORD>(count);
    DWORD sizes[2 * kMaxPaperOptions];
    QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::AllSizes, sizes, 0, 0);
    DWORD width = sizes[0];
    DWORD length = sizes[1];
    for (LONG i = 1; i < count; ++i) {
        const DWORD w = sizes[2 * i];
        const DWORD l = sizes[2 * i + 1];
        width = largest ? (w > width ? w : width) : (w < width ? w : width);
        length = largest ? (l > length ? l : length) : (l < length ? l : length);
    }
    const POINT extent = {static_cast<LONG>(width / 10), static_cast<LONG>(length / 10)};
    std::memcpy(pOutput, &extent, sizeof extent);
    return static_cast<DWORD>(count);
}

DWORD AnswerBins(const RES_MODULE_CELL* pCell, WORD iDevCap, PVOID pOutput)
{
    const LONG count = QueryFeature(pCell, kFeatureMediaSource, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (pOutput != nullptr && count > 0) {
        if (iDevCap == DC_BINS)
            QueryFeature(pCell, kFeatureMediaSource, FeatureQuery::AllValues, pOutput, 0, sizeof(WORD));
        else
            QueryFeature(pCell, kFeatureMediaSource, FeatureQuery::AllNames, pOutput, 0, kBinNameChars);
    }
    return static_cast<DWORD>(count);
}

DWORD AnswerResolutions(const RES_MODULE_CELL* pCell, PVOID pOutput)
{
    const LONG count = QueryFeature(pCell, kFeatureResolution, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (pOutput == nullptr || count <= 0)
        return static_cast<DWORD>(count);
    for (LONG i = 0; i < count; ++i) {
        // Both axes print at the option's dots per inch.
        const LONG dpi = QueryFeature(pCell, kFeatureResolution, FeatureQuery::OptionValue, nullptr,
                                      static_cast<WORD>(i), 0);
        const LONG pair[2] = {dpi, dpi};
        std::memcpy(static_cast<BYTE*>(pOutput) + i * sizeof pair, pair, sizeof pair);
    }
    return static_cast<DWORD>(count);
}

// The answers read from the work devmode or the option tables.
DWORD AnswerFromDevmode(const RES_MODULE_CELL* pCell, const DRIVER_DEVMODE& dm, WORD iDevCap, PVOID pOutput)
{
    switch (iDevCap) {
    case DC_FIELDS:
        return dm.dmPublic.dmFields;
    case DC_PAPERS:
    case DC_PAPERSIZE:
    case DC_PAPERNAMES:
        return AnswerAllPapers(pCell, iDevCap, pOutput);
    case DC_MINEXTENT:
    case DC_MAXEXTENT:
        return AnswerExtent(pCell, iDevCap == DC_MAXEXTENT, pOutput);
    case DC_BINS:
    case DC_BINNAMES:
        return AnswerBins(pCell, iDevCap, pOutput);
    case DC_DUPLEX:
        return static_cast<DWORD>(dm.dmPublic.dmDuplex);
    case DC_SIZE:
        return kPublicDevmodeSize;
    case DC_EXTRA:
        return kDriverExtraSize;
    case DC_VERSION:
        return kDevmodeSpecVersion;
    case DC_DRIVER:
        return kDevmodeDriverVersion;
    case DC_ENUMRESOLUTIONS:
        return AnswerResolutions(pCell, pOutput);
    case DC_FILEDEPENDENCIES:
        return 0;
    case DC_TRUETYPE:
        return static_cast<DWORD>(dm.dmPublic.dmTTOption);
    case DC_ORIENTATION:
        return kOrientationAngle;
    case DC_COPIES:
        return dm.dmPrivate.maxCopies;
    case DC_EMF_COMPLIANT:
        return 1;
    default:   // DC_BINADJUST, DC_DATATYPE_PRODUCED, DC_COLLATE, DC_MANUFACTURER, DC_MODEL and unknown codes
        return kAnswerError;
    }
}

// The general answering routine: a devmode for the call, then the answer.
DWORD AnswerCapability(const CapabilityQuery& query, WORD iDevCap, PVOID pOutput, PaperListing listing)
{
    TraceCalled(u"DrvDeviceCapabilities");
    const bool paperList = iDevCap == DC_PAPERS || iDevCap == DC_PAPERSIZE || iDevCap == DC_PAPERNAMES;
    if (paperList && listing == PaperListing::Offered)
        return AnswerOfferedPapers(query, iDevCap, pOutput);

    WCHAR printerName[CCHDEVICENAME] = {};
    LPCWSTR pDeviceName = query.pDeviceName;
    if (pDeviceName == nullptr && GetPrinterName(query.hPrinter, printerName, CCHDEVICENAME))
        pDeviceName = printerName;
    RES_MODULE_CELL* pCell = OpenResModule();
    LockedBlock work(sizeof(DRIVER_DEVMODE));
    DWORD answer = kAnswerError;
    if (pCell != nullptr && work) {
        auto* pWork = work.as<DRIVER_DEVMODE>();
        LoadPrinterDevmode(query.hPrinter, pWork, pDeviceName, pCell);
        if (query.pDevMode != nullptr)
            MergeIncomingDevmode(pCell, query.pDevMode, pWork);
        answer = AnswerFromDevmode(pCell, *pWork, iDevCap, pOutput);
    }
    CloseResModule(pCell);
    return answer;
}

// DC_STAPLE asks the printer-wide devmode whether an output unit is installed.
DWORD AnswerStaple(HANDLE hPrinter)
{
    RES_MODULE_CELL* pCell = OpenResModule();
    LockedBlock printerWide(sizeof(DRIVER_DEVMODE));
    DWORD answer = kAnswerError;
    if (pCell != nullptr && printerWide) {
        LoadPrinterDevmode(hPrinter, printerWide.as<DRIVER_DEVMODE>(), nullptr, pCell);
        answer = printerWide.as<DRIVER_DEVMODE>()->dmPrivate.env.lpOutputUnit != kNoOutputUnit ? 1 : 0;
    }
    CloseResModule(pCell);
    return answer;
}

// The capabilities of later system versions, answered without a devmode and without a trace.
DWORD AnswerLaterCapability(HANDLE hPrinter, WORD iDevCap, PVOID pOutput)
{
    switch (iDevCap) {
    case DC_PERSONALITY:
        if (pOutput != nullptr) {
            WCHAR personality[kPersonalityChars] = {};
            const LPCWSTR pdlName = GetPdlName();
            for (std::size_t i = 0; i + 1 < std::size(personality) && pdlName[i] != u'\0'; ++i)
                personality[i] = pdlName[i];
            std::memcpy(pOutput, personality, sizeof personality);
        }
        return 1;
    case DC_PRINTRATE:
    case DC_PRINTRATEPPM:
        return kPrintRate;
    case DC_PRINTRATEUNIT:
        return 1;
    case DC_PRINTERMEM:
    case DC_MEDIAREADY:
        return kAnswerError;
    case DC_STAPLE:
        return AnswerStaple(hPrinter);
    case DC_COLORDEVICE:
        return 0;
    case DC_NUP: {
        // The pages per sheet of the layout choices, ascending.
        DWORD pages[kMaxPagesPerSheetChoices];
        const DWORD count = ListPagesPerSheetChoices(pages, kMaxPagesPerSheetChoices);
        if (pOutput != nullptr)
            std::memcpy(pOutput, pages, std::min(count, kMaxPagesPerSheetChoices) * sizeof(DWORD));
        return count;
    }
    default:
        return kAnswerError;
    }
}

} // namespace

DWORD DeviceCapabilitiesImpl(HANDLE hPrinter, LPWSTR pDeviceName, WORD iDevCap, PVOID pOutput, PDEVMODEW pDevMode)
{
    if (iDevCap >= DC_PERSONALITY && iDevCap <= DC_NUP)
        return AnswerLaterCapability(hPrinter, iDevCap, pOutput);
    if (pDevMode != nullptr && pDevMode->dmSize < kMinDevmodeHeaderSize) {
        TraceCalled(u"DrvDeviceCapabilities");
        SetLastError(ERROR_INVALID_PARAMETER);
        return kAnswerError;
    }
    return AnswerCapability({hPrinter, pDeviceName, pDevMode}, iDevCap, pOutput, PaperListing::Offered);
}
