#pragma once
// convert_devmode.h - DrvConvertDevMode: devmodes between the driver's and older layouts, and the driver's
// default devmode for the spooler.

#include "win/windows.h"

// The worker of DrvConvertDevMode. CDM_CONVERT copies pdmIn into the layout pdmOut already has; CDM_CONVERT351
// writes the 188-byte layout of version 3.51 without a private part; CDM_DRIVER_DEFAULT writes the printer's
// default devmode (2,615 bytes). A buffer that is too small gets the size needed in *pcbNeeded and
// ERROR_INSUFFICIENT_BUFFER; a missing or malformed argument gets ERROR_INVALID_PARAMETER. FALSE on failure,
// and then nothing is written but the size needed.
BOOL ConvertDevModeImpl(LPWSTR pPrinterName, PDEVMODEW pdmIn, PDEVMODEW pdmOut, PLONG pcbNeeded, DWORD fMode);

// Copies the public part (the shorter of the two) and the private part (the shorter of the two) of pdmIn into
// pdmOut, keeping pdmOut's driver version and sizes and giving it the dmSpecVersion its size stands for.
// Returns the bytes copied, or -1 when either devmode's dmSpecVersion is 0.
LONG ConvertDevmodeCopy(const DEVMODEW* pdmIn, DEVMODEW* pdmOut);
