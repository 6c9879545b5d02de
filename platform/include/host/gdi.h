#pragma once
// gdi.h - looks inside the stand-in GDI: what a printer device context asked of the graphics module (its DDI
// calls) and of the interface module (its document events), in order; and how long the graphics modules took.

#include <chrono>
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

// The time spent inside graphics modules' DDI hooks that GDI called, over every device context since the world
// was created or the count was reset. A hook that runs while another one is running (the driver's work led
// through the engine back into the driver) is counted once, as part of the outer hook.
std::chrono::nanoseconds GraphicsModuleTime();
void ResetGraphicsModuleTime();

} // namespace host
