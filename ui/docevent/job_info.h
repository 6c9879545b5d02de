#pragma once
// job_info.h - DocEventJobInfo, the first handler of the document events: who prints, from which program,
// and the sizes of the user-defined papers the job's pages may use.

#include "win/windows.h"

// STARTDOC: the user name (255 characters at most), the cancel byte 0, so that every job starts uncancelled,
// and the file name of the printing program (30 characters at most). STARTPAGE, before every page: the ten
// user-defined paper sizes in 0.1 mm. DOCUMENTEVENT_FAILURE when the graphics module refuses one of these or
// memory is short; DOCUMENTEVENT_SUCCESS otherwise and for every other event.
INT DocEventJobInfo(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut);
