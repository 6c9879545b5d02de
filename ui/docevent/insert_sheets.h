#pragma once
// insert_sheets.h - DocEventInsertSheets, the document events' handler of the insert sheets and index-tab texts.

#include "win/windows.h"

// DOCUMENTEVENT_SUCCESS for every event.
INT DocEventInsertSheets(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
