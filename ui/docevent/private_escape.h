#pragma once
// private_escape.h - how the document-event handlers reach the graphics module: private escapes on the
// application's device context.

#include "win/windows.h"

// Sends the escape with cbIn bytes in and room for cbOut bytes out. FALSE only when the graphics module
// answered 0: every other answer, a negative one included, counts as done.
BOOL SendPrivateEscape(HDC hdc, ULONG iEsc, ULONG cbIn, const void* pIn, ULONG cbOut, void* pOut);

// Cancels the job the user turned down: the cancel byte 1 (the graphics module drops every further byte of
// the job), then the form overlay switched off in its devmode. The job still runs to its end. FALSE when the
// graphics module refused either escape (the second is not sent when the first was refused).
BOOL CancelJobOutput(HDC hdc);
