#pragma once
// gdi.h - looks inside the stand-in GDI: what a printer device context asked of the graphics module (its DDI
// calls) and of the interface module (its document events), in order; and how long the graphics modules took.

#include <chrono>
#include <cstddef>
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

// The fonts a device context keeps realised (one FONTOBJ each, with the driver's data in it); the least
// recently used goes first, and the driver hears DrvDestroyFont for it. Enough for the fonts of a page (body,
// headings, a turned caption, a symbol font) without keeping every size a document used.
constexpr std::size_t kMaxFontRealizationsPerDc = 8;

} // namespace host
