#pragma once
// font_requests.h - realised fonts for the engine's text tests: a face of the stand-in at an em in pixels.

#include "host/engine/font_design.h"

inline platform::engine::FontRequest RequestOf(const char16_t* face, double em, LONG dpi = 96)
{
    platform::engine::FontRequest request;
    request.face = platform::engine::FindFontFace(face);
    request.emPixels = em;
    request.logResPpi = {dpi, dpi};
    return request;
}
