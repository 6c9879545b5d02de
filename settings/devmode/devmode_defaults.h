#pragma once
// devmode_defaults.h - a new DRIVER_DEVMODE holding the default of every setting, as the option tables give
// them. Every merge starts from it.

#include "settings/devmode/driver_devmode.h"
#include "settings/strings/res_library.h"

// Fills all 2,615 bytes of pdm. Without a device name the printer's name is asked of the spooler (left empty
// when it cannot tell). Returns TRUE; FALSE only for a null pdm. Without a cell holding the resource library
// every feature default reads 0.
BOOL BuildDefaultDevmode(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName, HANDLE hPrinter);

// The graphics module's builder, which has no printer handle: without a device name, dmDeviceName stays empty.
BOOL BuildDefaultDevmodeGfx(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, LPCWSTR pDeviceName);
