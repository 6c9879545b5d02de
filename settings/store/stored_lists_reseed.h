#pragma once
// stored_lists_reseed.h - puts a printer's per-user named lists back to their defaults, when the driver
// version that wrote them is not the running one.

#include "win/windows.h"

// With cleanFirst, deletes every sub-key of the printer's per-user key except the ones kept across versions;
// then writes the default lists of every list group. TRUE when done.
BOOL ReseedStoredLists(LPCWSTR printerName, BOOL cleanFirst);
