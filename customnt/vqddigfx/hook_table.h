#pragma once
// hook_table.h - the DDI hooks the graphics module hands GDI, in their slot order.

#include "win/winddi.h"

constexpr ULONG kHookCount = 26;

extern const DRVFN kHookTable[kHookCount];
