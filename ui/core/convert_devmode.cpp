// convert_devmode.cpp - devmode conversion for the spooler.
// Both devmodes come from the caller: each is read only as far as its own dmSize and dmDriverExtra say.
#include "ui/core/convert_devmode.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/base/global_memory.h"
#include "ui/core/trace.h"
#include "ui/core/user_mode_driver_value.h"
#include "win/winddiui.h"

#include <cstring>

namespace {

// The layouts the driver converts to: its own, and that of version 3.51 (no private part).
struct DevmodeVersion {
    WORD wDriverVersion;
    WORD cbDriverExtra;
};
constexpr DevmodeVersion kCurrentVersion = {kDevmodeDriverVersion, kDriverExtraSize};
constexpr DevmodeVersion kVersion351 = {0x0351, 0};
constexpr WORD kSize351 = 188;
constexpr WORD kSpecVersion351 = 0x0320;

// The dmSpecVersion a public part of this size stands for; other sizes keep the version they carry.
WORD SpecVersionForSize(const DEVMODEW* pdm)
{
    switch (pdm->dmSize) {
    case 188:
        return 0x0320;
    case 212:
        return 0x0400;
    case 220:
        return 0x0401;
    default:
        return pdm->dmSpecVersion;
    }
}

BOOL FailWith(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

BOOL AskForSize(PLONG pcbNeeded, LONG cbNeeded)
{
    *pcbNeeded = cbNeeded;
    return FailWith(ERROR_INSUFFICIENT_BUFFER);
}

bool HasHeader(const DEVMODEW* pdm)
{
    return pdm != nullptr && pdm->dmSize >= kMinDevmodeHeaderSize;
}

BOOL ConvertToCallersLayout(PDEVMODEW pdmIn, PDEVMODEW pdmOut, PLONG pcbNeeded)
{
    // The output's header says the layout the caller wants; it is read only where the output's size holds it.
    if (!HasHeader(pdmIn) || *pcbNeeded < static_cast<LONG>(kMinDevmodeHeaderSize) || !HasHeader(pdmOut))
        return FailWith(ERROR_INVALID_PARAMETER);
    const LONG cbOut = static_cast<LONG>(pdmOut->dmSize) + pdmOut->dmDriverExtra;
    if (*pcbNeeded < cbOut || ConvertDevmodeCopy(pdmIn, pdmOut) <= 0)
        return FailWith(ERROR_INVALID_PARAMETER);
    *pcbNeeded = cbOut;
    return TRUE;
}

BOOL ConvertTo351(PDEVMODEW pdmIn, PDEVMODEW pdmOut, PLONG pcbNeeded)
{
    if (!HasHeader(pdmIn))
        return FailWith(ERROR_INVALID_PARAMETER);
    const LONG cbNeeded = kSize351 + kVersion351.cbDriverExtra;
    if (*pcbNeeded < cbNeeded || pdmOut == nullptr)
        return AskForSize(pcbNeeded, cbNeeded);
    // Built aside, so that a failed copy leaves the caller's buffer as it was.
    DEVMODEW converted = {};
    converted.dmSpecVersion = kSpecVersion351;
    converted.dmSize = kSize351;
    converted.dmDriverVersion = kVersion351.wDriverVersion;
    converted.dmDriverExtra = kVersion351.cbDriverExtra;
    if (ConvertDevmodeCopy(pdmIn, &converted) < 1)
        return FailWith(ERROR_INVALID_PARAMETER);
    std::memcpy(pdmOut, &converted, kSize351);
    *pcbNeeded = cbNeeded;
    return TRUE;
}

// TRUE when the spooler can describe the printer's driver.
bool HasPrinterDriver(HANDLE hPrinter)
{
    DWORD cbNeeded = 0;
    GetPrinterDriverW(hPrinter, nullptr, 2, nullptr, 0, &cbNeeded);
    if (cbNeeded < sizeof(DRIVER_INFO_2W))
        return false;
    LockedBlock info(cbNeeded);
    return info && GetPrinterDriverW(hPrinter, nullptr, 2, info.as<BYTE>(), cbNeeded, &cbNeeded);
}

BOOL WriteDriverDefault(LPWSTR pPrinterName, PDEVMODEW pdmOut, PLONG pcbNeeded)
{
    const LONG cbNeeded = static_cast<LONG>(kPublicDevmodeSize) + kCurrentVersion.cbDriverExtra;
    if (*pcbNeeded < cbNeeded || pdmOut == nullptr)
        return AskForSize(pcbNeeded, cbNeeded);
    *pcbNeeded = cbNeeded;
    HANDLE hPrinter = nullptr;
    if (!OpenPrinterW(pPrinterName, &hPrinter, nullptr))
        return FALSE;
    UpdateUserModeDriverValue(hPrinter);
    BOOL built = FALSE;
    if (HasPrinterDriver(hPrinter)) {
        RES_MODULE_CELL* pCell = OpenResModule();
        // Without the option tables every setting would read 0: no devmode is better than that one.
        if (HasResModule(pCell))
            built = BuildDefaultDevmode(pCell, reinterpret_cast<DRIVER_DEVMODE*>(pdmOut), pPrinterName, hPrinter);
        CloseResModule(pCell);
    }
    ClosePrinter(hPrinter);
    return built;
}

} // namespace

LONG ConvertDevmodeCopy(const DEVMODEW* pdmIn, DEVMODEW* pdmOut)
{
    const WORD inVersion = SpecVersionForSize(pdmIn);
    const WORD outVersion = SpecVersionForSize(pdmOut);
    if (inVersion == 0 || outVersion == 0)
        return -1;
    const WORD wDriverVersion = pdmOut->dmDriverVersion;
    const WORD cbOutPublic = pdmOut->dmSize;
    const WORD cbOutPrivate = pdmOut->dmDriverExtra;
    const WORD cbInPublic = pdmIn->dmSize;
    const WORD cbInPrivate = pdmIn->dmDriverExtra;

    const WORD cbPublic = cbInPublic < cbOutPublic ? cbInPublic : cbOutPublic;
    std::memmove(pdmOut, pdmIn, cbPublic);
    pdmOut->dmSpecVersion = outVersion;
    pdmOut->dmDriverVersion = wDriverVersion;
    pdmOut->dmSize = cbOutPublic;
    pdmOut->dmDriverExtra = cbOutPrivate;

    const WORD cbPrivate = cbInPrivate < cbOutPrivate ? cbInPrivate : cbOutPrivate;
    auto* pOutPrivate = reinterpret_cast<BYTE*>(pdmOut) + cbOutPublic;
    std::memmove(pOutPrivate, reinterpret_cast<const BYTE*>(pdmIn) + cbInPublic, cbPrivate);
    // In the driver's own layout, the font-substitution list pointer never comes in from outside.
    constexpr std::size_t kFontListPrivateOffset = offsetof(PRIVATE_DEVMODE, fontSubstitutionList);
    if (cbOutPublic == kPublicDevmodeSize && cbPrivate > kFontListPrivateOffset) {
        const std::size_t cbClear = cbPrivate - kFontListPrivateOffset < sizeof(DWORD)
                                        ? cbPrivate - kFontListPrivateOffset
                                        : sizeof(DWORD);
        std::memset(pOutPrivate + kFontListPrivateOffset, 0, cbClear);
    }
    return static_cast<LONG>(cbPublic) + cbPrivate;
}

BOOL ConvertDevModeImpl(LPWSTR pPrinterName, PDEVMODEW pdmIn, PDEVMODEW pdmOut, PLONG pcbNeeded, DWORD fMode)
{
    TraceCalled(u"DrvConvertDevMode");
    if (pcbNeeded == nullptr)
        return FailWith(ERROR_INVALID_PARAMETER);
    switch (fMode) {
    case CDM_CONVERT:
        return ConvertToCallersLayout(pdmIn, pdmOut, pcbNeeded);
    case CDM_CONVERT351:
        return ConvertTo351(pdmIn, pdmOut, pcbNeeded);
    case CDM_DRIVER_DEFAULT:
        return WriteDriverDefault(pPrinterName, pdmOut, pcbNeeded);
    default:
        return FALSE;
    }
}
