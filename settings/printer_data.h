#pragma once
// printer_data.h - the spooler's side of a printer: its data values, its name and its driver directory.
// The second argument of the data calls is accepted and not used.

#include "win/windows.h"

// Reads printer data valueName into data (cbData bytes); *cbNeeded gets the value's size. Returns 0 on
// success, else GetPrinterDataW's error (ERROR_MORE_DATA for a value longer than cbData), or
// ERROR_INVALID_PARAMETER without asking the spooler when the printer, the name, the buffer or the size
// is missing. The value's type is not returned: callers check the size they got.
DWORD GetPrinterDataValue(HANDLE printer, PVOID unused, LPCWSTR valueName, LPVOID data, DWORD cbData,
                          LPDWORD cbNeeded);

// Writes printer data valueName; FALSE when the printer, the name, the data or the size is missing or the
// spooler refuses.
BOOL SetPrinterDataValue(HANDLE printer, PVOID unused, LPCWSTR valueName, const void* data, DWORD cbData,
                         DWORD type);

// The printer's name (GetPrinterW level 1), cut to cchOut - 1 characters and terminated; 1, or 0 for a
// missing argument or a failed call (out then untouched).
BOOL GetPrinterName(HANDLE printer, LPWSTR out, UINT cchOut);

// Characters of the block GetDriverDirectory returns.
constexpr UINT kDriverDirectoryChars = 260;

// The folder of the printer driver's data file with its trailing backslash, in a new block of
// kDriverDirectoryChars characters that the caller frees with FreeGlobalBlock; null on failure.
LPWSTR GetDriverDirectory(HANDLE printer);
