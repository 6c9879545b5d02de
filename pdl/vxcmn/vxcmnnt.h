#pragma once
// vxcmnnt.h - the common layer of the page-description writer: the writer's context inside the PDEV, the
// sizes the engine reserves for it, and the text conversions every writer uses.

#include "customnt/vqddigfx/pdev.h"
#include "settings/base/job_extra_record.h"

// The PDEV's VQPDL context: PDEV + the env offset word + the env block's size. Notes that offset in the
// context's field at 4 each time.
JOB_EXTRA_RECORD* PdlGetContext(PDEV* pdev);

DWORD PdlGetContextSize();   // 28,108
DWORD PdlGetEnvExtraSize();  // 1,199

// The driver version the job header names: "04.02".
const char* GetDriverVersionString();

// The draw kind of the current sheet: 1 while nothing has been drawn on it.
void PdlSetDrawKind(PDEV* pdev, BYTE bKind);
BYTE PdlGetDrawKind(PDEV* pdev);

// Converts text (UTF-16) into cbOut bytes of the ANSI code page (932), never splitting a double-byte
// character, and always terminates. With cbOut of 0 the buffer is taken to hold the text's length + 1 bytes.
// Returns the bytes written, without the terminator.
DWORD UnicodeToAnsi(char* pOut, LPCWSTR pText, DWORD cbOut);

// Converts ANSI text (code page 932) into cchOut characters; always terminates. Returns the characters
// written, without the terminator.
DWORD AnsiToUnicode(LPWSTR pOut, const char* pText, DWORD cchOut);

// The part of a path after its last backslash (the whole path without one); null for null.
LPCWSTR FileNameFromPath(LPCWSTR pPath);
