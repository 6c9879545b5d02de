#pragma once
// trace.h - the interface module's debug output.

#include "win/windows.h"

// Writes "UI:ZT_<entryPoint>() Called\n" through OutputDebugStringW: each worker's first act.
void TraceCalled(LPCWSTR entryPoint);
