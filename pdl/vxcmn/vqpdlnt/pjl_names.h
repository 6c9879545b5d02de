#pragma once
// pjl_names.h - the names PJL and VQPDL give a paper or an input tray. Unknown ids get the printer's
// defaults: paper "A4", tray "AUTO" (VQPDL letter "A").

#include "win/windows.h"

// The paper table's PJL name ("A4", "LETTER") / VQPDL name ("A4R", "USERDEF") of the first row with the id.
LPCWSTR GetPjlPaperName(SHORT paperId);
LPCWSTR GetPdlPaperName(SHORT paperId);

// The tray table's PJL name ("TRAY1") / VQPDL letter ("1") of the first row with the id.
LPCWSTR GetPjlTrayName(SHORT trayId);
LPCWSTR GetPdlTrayName(SHORT trayId);
