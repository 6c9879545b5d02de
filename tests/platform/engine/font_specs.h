#pragma once
// font_specs.h - realised fonts for the engine's text tests: a face of the stand-in at an em in pixels.

#include "engine/font_design.h"

inline platform::engine::FontSpec SpecOf(const char16_t* face, double em, LONG dpi = 96)
{
    platform::engine::FontSpec spec;
    spec.face = platform::engine::FindFontFace(face);
    spec.emPixels = em;
    spec.logResPpi = {dpi, dpi};
    return spec;
}
