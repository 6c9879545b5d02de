#pragma once
// printer_devmode.h - the printer-wide devmode, kept as printer data "ZTORQ NT": the installed options and
// the defaults an administrator set for everyone who prints on the printer.

#include "settings/devmode/driver_devmode.h"
#include "settings/strings/res_library.h"

// The name of the printer data value and its size.
constexpr const WCHAR* kPrinterDevmodeValue = u"ZTORQ NT";

// Reads the printer-wide devmode into pdm, with dmDeviceName set to the device name (the printer's own when
// none is given), cut to 31 characters. A value that is missing, of another size or not the driver's own is
// replaced by a new default devmode, which is stored back at once. The font-substitution list pointer is
// cleared: it never comes in from stored data. Returns TRUE; FALSE only for a null pdm.
BOOL LoadPrinterDevmode(HANDLE hPrinter, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName, const RES_MODULE_CELL* pCell);
