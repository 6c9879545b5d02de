#pragma once
// fax_escapes.h - the private escape handler of the fax job path (0x6FFFFE00-0x6FFFFE1D), which also carries
// the end of every job (0x6FFFFE15).

#include "customnt/vqddigfx/pdev.h"

// Answers kEscNotMine for a call that is not its own.
ULONG EscapeFaxJob(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);
