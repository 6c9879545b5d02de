// devmode_defaults.cpp - builds the default devmode from the option tables.
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_feature_fields.h"
#include "settings/devmode/devmode_header.h"
#include "settings/devmode/devmode_switches.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/paper_ids.h"
#include "settings/registry/printer_info.h"

#include <cstring>

namespace {

// A cover byte of 1 means "no cover"; the cover options themselves are 2 and 3.
constexpr BYTE kNoCover = 1;

} // namespace

static void StoreFeatureDefaults(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm)
{
    auto* pBytes = reinterpret_cast<BYTE*>(pdm);
    for (const DEVMODE_FEATURE_FIELD* field = GetDevmodeFeatureFields(); field->wOffset != 0; ++field) {
        // Little-endian: the value's low bytes are the field's bytes.
        const DWORD value = static_cast<DWORD>(GetFeatureDefault(pCell, field->wFeature));
        std::memcpy(pBytes + field->wOffset, &value, field->cbWidth);
    }
}

static void FillDefaultDevmode(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName)
{
    std::memset(pdm, 0, sizeof *pdm);
    std::memcpy(&pdm->dmPrivate.env.startMarker, "4321", sizeof pdm->dmPrivate.env.startMarker);
    std::memcpy(&pdm->dmPrivate.env.endMarker, "1234", sizeof pdm->dmPrivate.env.endMarker);
    InitDevmodeHeader(pdm, pDeviceName);

    DEVMODEW& dm = pdm->dmPublic;
    PRIVATE_DEVMODE& priv = pdm->dmPrivate;
    DEVMODE_ENV_EXTRA& env = priv.env;

    dm.dmCopies = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureCopies));
    dm.dmOrientation = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureOrientation));
    dm.dmPaperSize = static_cast<SHORT>(GetFeatureDefault(pCell, kFeaturePaperSize));
    env.lastFitPaperSize = static_cast<WORD>(dm.dmPaperSize);
    DWORD paperSize[2] = {};   // width, length in 0.01 mm
    QueryFeature(pCell, kFeaturePaperSize, FeatureQuery::DefaultSize, paperSize, 0, 0);
    dm.dmPaperWidth = static_cast<SHORT>(paperSize[0] / 10);
    dm.dmPaperLength = static_cast<SHORT>(paperSize[1] / 10);

    const auto outputPaper = static_cast<WORD>(GetFeatureDefault(pCell, kFeatureOutputPaper));
    if (outputPaper == kPaperSameAsPaper) {
        priv.lpOutputPaper = static_cast<WORD>(dm.dmPaperSize);
        priv.ZoomCheck = 0;
        priv.Zoom = 100;
    } else {
        priv.lpOutputPaper = outputPaper;
        priv.ZoomCheck = static_cast<BYTE>(GetFeatureDefault(pCell, kFeatureZoomCheck));
        priv.Zoom = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureZoom));
    }

    env.lpMediaSource = static_cast<WORD>(GetFeatureDefault(pCell, kFeatureMediaSource));
    dm.dmDefaultSource = static_cast<SHORT>(env.lpMediaSource);

    StoreFeatureDefaults(pCell, pdm);
    priv.graphicsCode = 2;
    priv.layoutSelectCode = 1;
    dm.dmPrintQuality = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureResolution));
    dm.dmYResolution = dm.dmPrintQuality;
    dm.dmColor = static_cast<SHORT>(GetFeatureDefault(pCell, kFeatureColor));
    priv.maxCopies = static_cast<WORD>(QueryFeature(pCell, kFeatureCopies, FeatureQuery::Maximum, nullptr, 0, 0));

    env.lpFrontCover = kNoCover;
    if (GetFeatureDefault(pCell, kFeatureFrontCheck) == 1)
        env.lpFrontCover = static_cast<BYTE>(GetFeatureDefault(pCell, kFeatureFrontCover));
    env.lpBackCover = kNoCover;
    if (GetFeatureDefault(pCell, kFeatureBackCheck) == 1)
        env.lpBackCover = static_cast<BYTE>(GetFeatureDefault(pCell, kFeatureBackCover));

    // Duplex is chosen on the layout path when that path is on, else on the print-on-demand path.
    dm.dmDuplex = IsDuplexOn(env) ? env.lpDuplex : DMDUP_SIMPLEX;
}

BOOL BuildDefaultDevmode(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName, HANDLE hPrinter)
{
    if (pdm == nullptr)
        return FALSE;
    WCHAR printerName[CCHDEVICENAME] = {};
    if (pDeviceName == nullptr && GetPrinterName(hPrinter, printerName, CCHDEVICENAME))
        pDeviceName = printerName;
    FillDefaultDevmode(pCell, pdm, pDeviceName);
    return TRUE;
}

BOOL BuildDefaultDevmodeGfx(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName)
{
    if (pdm == nullptr)
        return FALSE;
    FillDefaultDevmode(pCell, pdm, pDeviceName);
    return TRUE;
}
