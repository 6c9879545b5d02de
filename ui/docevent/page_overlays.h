#pragma once
// page_overlays.h - DocEventPageOverlays, the last handler of the document events: the job's font
// substitution list at STARTDOC, and what is added to each page.

#include "win/windows.h"

// The event code is compared whole. Always DOCUMENTEVENT_SUCCESS: nothing it adds is needed to print the job.
INT DocEventPageOverlays(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
