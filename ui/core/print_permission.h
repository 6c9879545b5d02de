#pragma once
// print_permission.h - the spooler's questions whether a job may print and whether the printer's properties
// may be shown by the older interface.

#include "win/winddiui.h"

// Every job may print: nothing in a devmode keeps this printer from printing it. TRUE; writes no message.
BOOL QueryPrintAllowed(PDEVQUERYPRINT_INFO pDQPInfo);

// The older printer-properties call: the printer's properties are the device property sheet's, so this shows
// nothing. TRUE.
BOOL PrinterPropertiesImpl(HWND hWnd, HANDLE hPrinter);
