#pragma once
// enable_driver.h - what GDI asks of the graphics module before any device context: whether it runs in user
// mode, and its table of DDI hooks.

#include "win/winddi.h"

constexpr ULONG kDriverVersion = 0x20000;

// DRVQUERY_USERMODE: writes 4 into pcbNeeded and TRUE into pBuffer when it holds 4 bytes; FALSE with
// ERROR_INSUFFICIENT_BUFFER when it does not, ERROR_INVALID_PARAMETER for any other query.
BOOL QueryDriverInfoImpl(DWORD dwMode, PVOID pBuffer, DWORD cbBuf, PDWORD pcbNeeded);

// Hands GDI the driver version and the hook table; FALSE with ERROR_BAD_DRIVER_LEVEL for an engine older
// than 0x20000 or a record smaller than DRVENABLEDATA.
BOOL EnableDriverImpl(ULONG iEngineVersion, ULONG cj, DRVENABLEDATA* pded);

// Nothing to undo.
VOID DisableDriverImpl();
