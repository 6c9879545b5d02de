#pragma once
// job_escapes.h - the private escape handlers of the job records, the job queries and the holding file, and
// the handler that owns no code. Each answers kEscNotMine for a call that is not its own.

#include "customnt/vqddigfx/pdev.h"

// 0x6FFFFF00-0x6FFFFF07: the job records handed out, and the job's identity and control.
ULONG EscapeJobRecords(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

// Owns no code.
ULONG EscapeReserved(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

// 0x6FFFFC00-0x6FFFFC02 and 0x6FFFFE18: the stored-name comparison, values of the job's settings, and the
// send-time stamp.
ULONG EscapeJobQuery(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);

// 0x6FFFFB00, 0x6FFFFB01: the path of the paperless capture's holding file.
ULONG EscapeEcoPath(PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut);
