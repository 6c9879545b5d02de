// driver_version.cpp - the driver version that wrote a printer's per-user settings.
#include "settings/registry/driver_version.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/registry/reg_key_guard.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/store/stored_lists_reseed.h"

#include <cstring>

// The watermark keys "WMarkListData%d" are counted up to this many; the list itself holds at most 51.
constexpr UINT kMaxWatermarkKeys = 10000;

DriverVersionStatus ReadDriverVersionStatus(LPCWSTR printerName, WORD version)
{
    WCHAR path[kRegPathChars];
    DWORD stored = 0;
    if (!BuildPrinterRegPath(path, kRegPathChars, printerName, nullptr, nullptr)
        || !QueryRegValue(GetUserRegRoot(), path, REG_DWORD, u"DriverVersion", &stored, sizeof stored))
        return DriverVersionStatus::Unreadable;
    return IsCompatibleDriverVersion(static_cast<WORD>(stored), version) ? DriverVersionStatus::Compatible
                                                                         : DriverVersionStatus::Changed;
}

// Creates the printer's key and writes the version value; false when the key cannot be created.
static bool WriteDriverVersionValue(LPCWSTR printerName, WORD version)
{
    WCHAR path[kRegPathChars];
    if (!BuildPrinterRegPath(path, kRegPathChars, printerName, nullptr, nullptr))
        return false;
    RegKeyGuard key;
    if (RegCreateKeyExW(GetUserRegRoot(), path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        key.out(), nullptr)
        != ERROR_SUCCESS)
        return false;
    const DWORD value = version;
    RegSetValueExW(key.get(), u"DriverVersion", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    return true;
}

BOOL WriteDriverVersion(LPCWSTR printerName, WORD version)
{
    if (!WriteDriverVersionValue(printerName, version))
        return FALSE;
    ReseedStoredLists(printerName, /*cleanFirst=*/FALSE);
    return TRUE;
}

// The number of keys "WMarkListData0", "WMarkListData1", ... under the printer's "WaterMark" key, counted up
// to the first that does not open.
static UINT CountWatermarkKeys(LPCWSTR printerName)
{
    UINT count = 0;
    for (; count < kMaxWatermarkKeys; ++count) {
        WCHAR keyName[32];
        wsprintfW(keyName, u"WMarkListData%d", static_cast<int>(count));
        WCHAR path[kRegPathChars];
        if (!BuildPrinterRegPath(path, kRegPathChars, printerName, u"WaterMark", keyName))
            break;
        RegKeyGuard key;
        if (RegOpenKeyExW(GetUserRegRoot(), path, 0, KEY_ALL_ACCESS, key.out()) != ERROR_SUCCESS)
            break;
    }
    return count;
}

void CheckDriverVersion(PRIVATE_DEVMODE* pdmPrivate)
{
    if (pdmPrivate == nullptr)
        return;
    // The name and the version come from the private copy of the public part, which the devmode's owner
    // refreshes before it asks; the name may fill its field without a NUL.
    DEVMODEW publicCopy;
    std::memcpy(&publicCopy, &pdmPrivate->dmPublicCopy, sizeof publicCopy);
    WCHAR printerName[CCHDEVICENAME + 1] = {};
    std::memcpy(printerName, publicCopy.dmDeviceName, sizeof publicCopy.dmDeviceName);
    if (printerName[0] == u'\0')
        return;

    const DriverVersionStatus status = ReadDriverVersionStatus(printerName, publicCopy.dmDriverVersion);
    if (status != DriverVersionStatus::Compatible) {
        // The version is written first; the clean-up only removes sub-keys, so the value stays.
        if (WriteDriverVersionValue(printerName, publicCopy.dmDriverVersion))
            ReseedStoredLists(printerName, /*cleanFirst=*/status == DriverVersionStatus::Changed);
        pdmPrivate->lpOverlay = 1;
        pdmPrivate->bOverlayIndex = 0;
        pdmPrivate->WatermarkIndex = 0;
    }
    const BYTE watermarkIndex = pdmPrivate->WatermarkIndex;
    if (watermarkIndex != 0 && watermarkIndex >= CountWatermarkKeys(printerName))
        pdmPrivate->WatermarkIndex = 0;
}
