#pragma once
// fonts.h - logical fonts (CreateFontW, CreateFontIndirectW) and GDI's font mapper: the font a device context
// draws in, chosen from the stand-in's faces for the logical font selected into it.

#include <string>
#include <vector>
#include "host/engine/font_design.h"
#include "gdi/device_context.h"

namespace platform {

// Text calls take no more characters than this; a longer count is refused, never read.
constexpr UINT kMaxTextChars = 1u << 16;

// The font the DC's selected logical font maps to on its device: the face of its name (any case), or the
// default face of its character set, pitch and family; its size in the device's pixels (a negative height is
// the em's, a positive one the cell's, 0 a 12-point em), clamped to what the rasteriser draws. A printer DC
// still holding the stock system font draws in the driver's default font.
engine::FontRequest RealizeFont(const DeviceContext& dc);

// The device's resolution in pixels per inch: the printer's, or the screen's 96 for a memory DC.
SIZE DeviceResolution(const DeviceContext& dc);

// The face name of a logical font: at most its field, whether or not a terminator ends it there.
std::u16string_view FaceNameOf(const LOGFONTW& lf);

// The TEXTMETRICW of a realised font.
TEXTMETRICW TextMetricsOf(const engine::FontRequest& request);

// The advance of each character (its glyph's, plus the DC's character extra), in device pixels, each held
// within the device range.
std::vector<LONG> CharacterAdvances(const engine::FontRequest& request, const WCHAR* text, UINT count, int charExtra);

} // namespace platform
