#pragma once
// printer_event.h - DrvPrinterEvent: what the driver does when the spooler adds or sets up a printer.

#include "win/windows.h"

// The worker of DrvPrinterEvent. PRINTER_EVENT_INITIALIZE stores a new default printer-wide devmode
// ("ZTORQ NT"); PRINTER_EVENT_ADD_CONNECTION only opens and closes the printer; every other event is
// accepted as it is. TRUE, also when the printer cannot be opened; FALSE only when the resource library,
// without which no default devmode can be built, is not there at INITIALIZE.
BOOL PrinterEventImpl(LPWSTR pPrinterName, INT DriverEvent, DWORD Flags, LPARAM lParam);
