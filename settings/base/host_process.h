#pragma once
// host_process.h - which program the driver has been loaded into.

#include "win/windows.h"

// TRUE when the calling process's executable is the file fileName, compared without regard to case: its
// path ends in fileName, and that name starts the path or follows a "\" ("NOTEXCEL.EXE" is not
// "EXCEL.EXE"). FALSE for a null or empty name or when the path cannot be read.
BOOL IsHostProcess(LPCWSTR fileName);

// IsHostProcess("EXCEL.EXE").
BOOL IsHostExcel();
