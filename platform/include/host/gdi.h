#pragma once
// gdi.h - looks inside the stand-in GDI: what a printer device context asked of the graphics module (its DDI
// calls) and of the interface module (its document events), in order.

#include <string>
#include <vector>
#include "win/windef.h"

namespace host {

// The DDI calls and document events of the device context, in order, by name: "DrvEnableDriver" (when the
// context enabled its module), "DrvEnablePDEV", "DrvStartDoc", ..., "DOCUMENTEVENT_STARTDOC", .... Kept after
// DeleteDC until the next world. For a null hdc: those of the last CreateDCW that failed.
std::vector<std::string> DeviceContextCalls(HDC hdc);

// Forgets the device context's record so far.
void ClearDeviceContextCalls(HDC hdc);

} // namespace host
