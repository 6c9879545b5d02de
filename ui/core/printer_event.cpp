// printer_event.cpp - printer events from the spooler.
#include "ui/core/printer_event.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/registry/printer_data.h"
#include "settings/devmode/printer_devmode.h"
#include "ui/core/trace.h"
#include "win/winddiui.h"

// Stores the default devmode of the printer as the printer-wide devmode; FALSE when it cannot be built.
static BOOL StoreDefaultPrinterDevmode(HANDLE hPrinter, LPCWSTR pPrinterName)
{
    RES_MODULE_CELL* pCell = OpenResModule();
    // Without the option tables every setting would read 0, and the stored devmode would pass for ours.
    if (!HasResModule(pCell)) {
        CloseResModule(pCell);
        return FALSE;
    }
    DRIVER_DEVMODE dm;
    BuildDefaultDevmode(pCell, &dm, pPrinterName, hPrinter);
    SetPrinterDataValue(hPrinter, nullptr, kPrinterDevmodeValue, &dm, kDriverDevmodeSize, REG_BINARY);
    CloseResModule(pCell);
    return TRUE;
}

BOOL PrinterEventImpl(LPWSTR pPrinterName, INT DriverEvent, DWORD, LPARAM)
{
    TraceCalled(u"DrvPrinterEvent");
    if (DriverEvent != PRINTER_EVENT_ADD_CONNECTION && DriverEvent != PRINTER_EVENT_INITIALIZE)
        return TRUE;
    PRINTER_DEFAULTSW defaults = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE hPrinter = nullptr;
    if (!OpenPrinterW(pPrinterName, &hPrinter, &defaults))
        return TRUE;
    BOOL result = TRUE;
    if (DriverEvent == PRINTER_EVENT_INITIALIZE)
        result = StoreDefaultPrinterDevmode(hPrinter, pPrinterName);
    ClosePrinter(hPrinter);
    return result;
}
