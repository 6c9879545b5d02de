#pragma once
// brush_tables.h - the constant patterns of the brush writer: the printer's 32 x 32 hatch cells, the 8 x 8
// dither cells of one gray level each, the 8 x 4 dither of a pattern's pixels, and the default palette of
// 8-bit patterns.

#include "win/winddi.h"

constexpr UINT kHatchCellSize = 32;                 // pixels a side
constexpr UINT kHatchCellBytes = 32 * 4;            // 4 bytes a row, the leftmost pixel in the highest bit
constexpr UINT kDitherCellCount = 33;               // 0 empty to 32 full
constexpr UINT kPatternDitherLevels = 17;           // 0 black to 16 white
constexpr UINT kPatternDitherRows = 4;
constexpr UINT kDefaultPaletteSize = 256;

// The cell of a hatch style (HS_HORIZONTAL to HS_DIAGCROSS): its lines set. Null for another style.
const BYTE* FindHatchCell(ULONG iHatch);

// The eight rows of dither cell index (0-32), top first: set bits grow as clustered dots from the cell's
// centres, two bits a step. Null beyond 32.
const BYTE* FindDitherCell(UINT index);

// The four rows of pattern-dither level (0-16): a pixel of that level is set where its row's bit is. Null
// beyond 16.
const BYTE* FindPatternDitherLevel(UINT level);

// The default palette, red in the low byte: ten system colours, a colour cube and greys, ten system colours.
const ULONG* GetDefaultPalette();
