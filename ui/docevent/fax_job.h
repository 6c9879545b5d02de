#pragma once
// fax_job.h - DocEventFaxJob, the document events' handler of the fax job path, which also ends every job.

#include "win/windows.h"

// At ENDDOC the end-of-job escape for every job: without it the job's closing UEL is not written, and the
// event fails (0) when the graphics module does not take it. DOCUMENTEVENT_SUCCESS otherwise.
INT DocEventFaxJob(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
