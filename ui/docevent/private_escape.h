#pragma once
// private_escape.h - how the document-event handlers reach the graphics module: private escapes on the
// application's device context.

#include "win/windows.h"

// Sends the escape with cbIn bytes in and room for cbOut bytes out. FALSE only when the graphics module
// answered 0: every other answer, a negative one included, counts as done.
BOOL SendPrivateEscape(HDC hdc, ULONG iEsc, ULONG cbIn, const void* pIn, ULONG cbOut, void* pOut);
