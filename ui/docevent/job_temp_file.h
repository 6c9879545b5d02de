#pragma once
// job_temp_file.h - DocEventJobTempFile, the document events' handler of a job's temporary files.

#include "win/windows.h"

// DOCUMENTEVENT_SUCCESS for every event.
INT DocEventJobTempFile(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
