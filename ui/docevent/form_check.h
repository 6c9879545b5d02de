#pragma once
// form_check.h - DocEventFormCheck, the document events' handler that checks a job's form overlay before it starts.

#include "win/windows.h"

// DOCUMENTEVENT_SUCCESS for every event.
INT DocEventFormCheck(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
