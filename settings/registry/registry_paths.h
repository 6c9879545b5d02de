#pragma once
// registry_paths.h - the per-user registry key paths of the driver and of one printer, below
// HKEY_CURRENT_USER (GetUserRegRoot).

#include "win/windows.h"

// Characters of a buffer that holds any per-user key path the settings core builds.
constexpr UINT kRegPathChars = MAX_PATH;

// Characters of a buffer that holds a fitted printer name with its NUL.
constexpr UINT kFittedNameChars = 31;

// The printer name as it appears in key paths and device names: converted to code page 932 and cut to
// 31 bytes without splitting a double-byte character, converted back, and cut to 30 characters
// (and to cchOut - 1). Returns the bytes written to out without the NUL; out is empty for a null name.
UINT FitAnsiString(LPCWSTR name, LPWSTR out, UINT cchOut);

// "Software\ORVANE TESSALY\VQPDL2 V\ORVANE TESSALY QN-804CJ\", with the trailing backslash so that a
// printer name can follow. FALSE, with out empty, when it does not fit in cchOut characters.
BOOL BuildDriverRegPath(LPWSTR out, UINT cchOut);

// The driver path followed by the fitted printer name (two leading backslashes of a server printer's name
// dropped) and, when given, "\" subKey1 and "\" subKey2. FALSE, with out empty, for a null or empty
// (fitted) name or when the path does not fit in cchOut characters.
BOOL BuildPrinterRegPath(LPWSTR out, UINT cchOut, LPCWSTR printerName, LPCWSTR subKey1, LPCWSTR subKey2);
