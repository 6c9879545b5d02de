#pragma once
// printer_data.h - the printer's data values, kept by the spooler. The second argument of each call is
// accepted and not used.

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
