#pragma once
// registry_tree.h - deletes a registry key with everything below it.

#include "win/windows.h"

// Deletes root\path and all its sub-keys; 1 on success, 0 when the key (or a sub-key that could not be
// deleted) remains.
BOOL DeleteRegTree(HKEY root, LPCWSTR path);

// DeleteRegTree for a path inside one printer's per-user key only: the path must be that key or lie below
// it (the key path followed by "\"), so that printer "P1" never deletes the settings of "P10". 0, deleting
// nothing, for a null or empty printer name or a path outside the printer's key.
BOOL DeletePrinterRegTree(HKEY root, LPCWSTR printerName, LPCWSTR path);
