#pragma once
// book_mode.h - DocEventBookMode: a spreadsheet program resets its device context between the parts of one
// print job, and each reset would bring back the graphics mode and printer language of the devmode it passes.
// The job's own two values are kept per user and printer (key "BookMode") from the spreadsheet's STARTDOC to
// the job's end, and put back into the devmode of every reset in between.

#include "win/windows.h"

// RESETDCPRE: into the driver's own devmode that a 4-byte input points to (through its pointer), the stored
// graphics mode and printer language, each only when stored and a value the devmode byte allows; any other
// input is left alone. STARTDOC: stores the job's two values when the printing program is the spreadsheet
// program, else 0 to both; ABORTDOC and ENDDOCPOST: 0 to both. DOCUMENTEVENT_FAILURE when the printer's name
// cannot be had, or at the spreadsheet's STARTDOC when the job's settings cannot be fetched; the results of
// the writes are not tested. DOCUMENTEVENT_SUCCESS otherwise, and at once for a null printer handle.
INT DocEventBookMode(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);

// The stored graphics mode ("bGFXMode") and printer language ("bPDLType") of the printer. 0 when nothing (or
// a value not a REG_DWORD of 4 bytes) is stored; a key created by the read gets the asked value 0.
DWORD ReadBookModeGfx(LPCWSTR printerName);
DWORD ReadBookModePdl(LPCWSTR printerName);

// Stores the value, creating the key when needed. TRUE when it was written.
BOOL WriteBookModeGfx(LPCWSTR printerName, DWORD value);
BOOL WriteBookModePdl(LPCWSTR printerName, DWORD value);
