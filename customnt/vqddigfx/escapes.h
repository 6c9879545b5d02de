#pragma once
// escapes.h - DrvEscape and DrvDrawEscape: the private escapes the interface module sends while a job prints,
// answered by a fixed chain of handlers (each answers 2 for a code that is not its own), then the engine's
// own escapes.

#include "customnt/vqddigfx/pdev.h"

// Runs the private handlers in their order when the surface carries a PDEV, and answers the first answer that
// is not kEscNotMine; otherwise (or without a PDEV) EngineEscape's answer.
ULONG PrivateEscapeDispatch(SURFOBJ* pso, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

// QUERYESCSUPPORT (answered without a PDEV), SETCOPYCOUNT and the second private family; other codes go to
// the VQPDL writer when it supports them, and are answered 0 otherwise. An invalid PDEV answers 0 with
// ERROR_INVALID_PARAMETER.
ULONG EngineEscape(SURFOBJ* pso, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

// TRUE for the codes EngineEscape answers itself: 8, 17 and 0x7FFFFFF7 to 0x7FFFFFFF.
BOOL IsEngineEscape(ULONG iEsc);

// DrvDrawEscape: QUERYESCSUPPORT is answered TRUE for itself; other codes go to the VQPDL writer when it
// supports them (it answers 0 to every draw escape).
ULONG EngineDrawEscape(SURFOBJ* pso, ULONG iEsc, CLIPOBJ* pco, RECTL* prcl, ULONG cjIn, PVOID pvIn);
