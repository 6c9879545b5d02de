#pragma once
// user_mode_driver_value.h - the printer data value that names the driver's user-mode companion library.

#include "win/windows.h"

// Makes sure printer data "SPLUserModePrinterDriver" holds "Q73MZRF1.DLL": when it does not, writes it
// (REG_SZ) straight into the printer's key, which a user without administrator rights on the printer may
// still reach. Every failure is silent.
void UpdateUserModeDriverValue(HANDLE hPrinter);
