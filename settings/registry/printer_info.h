#pragma once
// printer_info.h - what the driver asks the spooler about the printer it serves.

#include "win/windows.h"

// The printer's name, cut to cchOut - 1 characters and terminated. 1, or 0 (out untouched) for a missing
// argument or when the spooler cannot tell.
BOOL GetPrinterName(HANDLE hPrinter, LPWSTR pOut, DWORD cchOut);

// Characters of the block GetDriverDirectory returns.
constexpr UINT kDriverDirectoryChars = 260;

// The folder of the printer driver's data file with its trailing backslash, in a new block of
// kDriverDirectoryChars characters that the caller frees with FreeLockedBlock; null on failure.
LPWSTR GetDriverDirectory(HANDLE hPrinter);

// The printer's PRINTER_INFO_2W (GetPrinterW level 2) in a new locked block that the caller frees with
// FreeLockedBlock; *pcbInfo (when given) gets the block's size. Null when the spooler cannot tell or memory
// is short.
PRINTER_INFO_2W* GetPrinterInfo2(HANDLE hPrinter, DWORD* pcbInfo);
