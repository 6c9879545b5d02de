#pragma once
// trace.h - the graphics module's debug output, through DbgPrint.

#include "win/windows.h"

// Writes "<file> (<line>): <step> failed.\n" with the source file's name (its path up to the last slash or
// backslash removed).
void TraceFailed(const char* pszFile, int line, const char* pszStep);

// Writes "<file> (<line>): <text>" with the source file's name as above; the text carries its own line end.
void TraceAt(const char* pszFile, int line, const char* pszText);

// Writes a fixed line of text as it is.
void TraceLine(const char* pszText);

// A failed step of the calling source file, at the calling line.
#define TRACE_FAILED(step) TraceFailed(__FILE__, __LINE__, step)

// The kind of a stroke's transform, as "  GX_OFFSET\n", "  GX_SCALE\n" or "  GX_GENERAL\n"; nothing for any
// other kind.
void TraceTransformKind(ULONG iKind);

// The two colours of a one-bit image: "        FgColor <fore> BgColor <back>\n" in lower-case hexadecimal.
void TraceImageColors(ULONG rgbFore, ULONG rgbBack);
