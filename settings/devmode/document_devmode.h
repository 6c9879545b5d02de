#pragma once
// document_devmode.h - the devmode a document prints with, built in the one order every document entry point
// uses: the defaults, the printer's own devmode, the caller's devmode, the printer-wide installed options,
// then validation.

#include "settings/devmode/driver_devmode.h"
#include "settings/strings/res_library.h"

// Builds the document devmode into pOut (2,615 bytes). pdmIn, the caller's devmode, may be null; it must
// hold at least its public header (the caller checks dmSize). FALSE, pOut untouched, when the cell holds no resource
// library, memory is short or the spooler cannot describe the printer.
BOOL BuildDocumentDevmode(const RES_MODULE_CELL* pCell, HANDLE hPrinter, LPCWSTR pDeviceName, const DEVMODEW* pdmIn,
                          DRIVER_DEVMODE* pOut);
