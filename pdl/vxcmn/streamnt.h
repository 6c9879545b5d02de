#pragma once
// streamnt.h - the only ways bytes enter the job stream, and the sink that decides where each byte goes:
// dropped, captured, or passed to the engine's packet buffer.

#include "customnt/vqddigfx/pdev.h"

constexpr DWORD kPdlLineSize = 256;       // a formatted line is shorter than this
constexpr DWORD kMaxSinkWrite = 65535;    // the write callback counts in 16 bits

// Formats a line (PdlFormat) into a 256-byte buffer and writes it. Returns its length; a line of length 0
// is not written. A line that would not fit is cut at 255 bytes.
int PdlPrintf(PDEV* pdev, const char* pszFormat, ...);

// Passes cb bytes to the sink, in pieces of at most kMaxSinkWrite bytes. Returns 1; failures stay in the
// PDEV's flags.
BOOL PdlWrite(PDEV* pdev, const void* pData, DWORD cb);

// The sink, in this order: dropped after a cancel or for a fax transmission without recipients; else the
// paperless capture while it is on; else the fax capture of a fax job with a cover sheet; else the tab-text
// capture while it is on; else the PDEV's write callback.
void PdlRouteOutput(PDEV* pdev, const BYTE* pData, WORD cb);
