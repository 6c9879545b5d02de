#pragma once
// insert_sheet_escapes.h - the private escape handler of the page plan (0x6FFFFD00-0x6FFFFD13).

#include "customnt/vqddigfx/pdev.h"

// Answers kEscNotMine for a call that is not its own: a code it lacks (0x6FFFFD07 among them), or sizes and
// pointers other than the code's.
ULONG EscapeInsertSheets(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);
