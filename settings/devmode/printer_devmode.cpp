// printer_devmode.cpp - loads the printer-wide devmode from the printer data, rebuilding it when it is not ours.
#include "settings/devmode/printer_devmode.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_header.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/registry/printer_data.h"
#include "settings/registry/printer_info.h"

BOOL LoadPrinterDevmode(HANDLE hPrinter, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName, const RES_MODULE_CELL* pCell)
{
    if (pdm == nullptr)
        return FALSE;
    WCHAR printerName[CCHDEVICENAME] = {};
    if (pDeviceName == nullptr && GetPrinterName(hPrinter, printerName, CCHDEVICENAME))
        pDeviceName = printerName;

    DWORD cbNeeded = 0;
    const DWORD result = GetPrinterDataValue(hPrinter, nullptr, kPrinterDevmodeValue, pdm, kDriverDevmodeSize,
                                             &cbNeeded);
    if (pDeviceName != nullptr) {
        CopyDeviceName(&pdm->dmPublic.dmDeviceName, pDeviceName, sizeof pdm->dmPublic.dmDeviceName);
        pdm->dmPublic.dmDeviceName[CCHDEVICENAME - 1] = u'\0';
    }
    if (result == ERROR_SUCCESS && cbNeeded == kDriverDevmodeSize && IsOwnDevmode(&pdm->dmPublic)) {
        pdm->dmPrivate.fontSubstitutionList = nullptr;
        return TRUE;
    }
    BuildDefaultDevmode(pCell, pdm, pDeviceName, hPrinter);
    SetPrinterDataValue(hPrinter, nullptr, kPrinterDevmodeValue, pdm, kDriverDevmodeSize, REG_BINARY);
    return TRUE;
}
