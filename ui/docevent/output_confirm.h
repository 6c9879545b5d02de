#pragma once
// output_confirm.h - DocEventOutputConfirm, the document events' handler that confirms the job's output
// method with the user.

#include "win/windows.h"

// DOCUMENTEVENT_SUCCESS for every event.
INT DocEventOutputConfirm(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
