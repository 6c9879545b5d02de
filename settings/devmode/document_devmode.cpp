// document_devmode.cpp - the merge order of a document's devmode.
#include "settings/devmode/document_devmode.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_merge.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/base/global_memory.h"
#include "settings/devmode/printer_devmode.h"
#include "settings/registry/printer_info.h"

#include <cstring>

// The spooler's stored devmode lies inside the PRINTER_INFO_2W block; it is used only when the sizes it
// claims lie inside that block too.
static const DEVMODEW* PrinterDevmodeInBlock(const PRINTER_INFO_2W* pInfo, DWORD cbInfo)
{
    const auto* pDevmode = reinterpret_cast<const BYTE*>(pInfo->pDevMode);
    const auto* pBegin = reinterpret_cast<const BYTE*>(pInfo);
    const BYTE* pEnd = pBegin + cbInfo;
    if (pDevmode == nullptr || pDevmode < pBegin || pEnd - pDevmode < kMinDevmodeHeaderSize)
        return nullptr;
    const auto* pdm = reinterpret_cast<const DEVMODEW*>(pDevmode);
    const DWORD cbClaimed = static_cast<DWORD>(pdm->dmSize) + pdm->dmDriverExtra;
    if (pdm->dmSize < kMinDevmodeHeaderSize || static_cast<DWORD>(pEnd - pDevmode) < cbClaimed)
        return nullptr;
    return pdm;
}

BOOL BuildDocumentDevmode(const RES_MODULE_CELL* pCell, HANDLE hPrinter, LPCWSTR pDeviceName, const DEVMODEW* pdmIn,
                          DRIVER_DEVMODE* pOut)
{
    if (pOut == nullptr || !HasResModule(pCell))
        return FALSE;
    // The work devmode and the printer-wide one, in one block.
    LockedBlock pair(2 * sizeof(DRIVER_DEVMODE));
    if (!pair)
        return FALSE;
    DRIVER_DEVMODE* pWork = &pair.as<DRIVER_DEVMODE>()[0];
    DRIVER_DEVMODE* pPrinterWide = &pair.as<DRIVER_DEVMODE>()[1];

    BuildDefaultDevmode(pCell, pWork, pDeviceName, hPrinter);
    DWORD cbInfo = 0;
    PRINTER_INFO_2W* pInfo = GetPrinterInfo2(hPrinter, &cbInfo);
    if (pInfo == nullptr)
        return FALSE;
    LoadPrinterDevmode(hPrinter, pPrinterWide, pDeviceName, pCell);
    if (const DEVMODEW* pPrinterDm = PrinterDevmodeInBlock(pInfo, cbInfo))
        MergeIncomingDevmode(pCell, pPrinterDm, pWork);
    FreeLockedBlock(pInfo);
    if (pdmIn != nullptr)
        MergeIncomingDevmode(pCell, pdmIn, pWork);
    // Installed options are the printer's: no document or application devmode decides them.
    CopyPrinterWideFields(pPrinterWide, pWork);
    if (!ValidateDevmode(pCell, pWork, hPrinter))
        return FALSE;
    std::memcpy(pOut, pWork, sizeof *pOut);
    return TRUE;
}
