#pragma once
// dither_table.h - the 64 grey levels of the raster dither, each an 8 x 8 one-bit pattern: level 0 all black
// (0 bits, palette index 0), level 63 all white.

#include "win/windef.h"

constexpr unsigned kDitherLevels = 64;

// Row (0-7) of the pattern of a level; levels above 63 read as 63.
BYTE DitherRow(unsigned level, unsigned row);
