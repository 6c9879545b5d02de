#pragma once
// blit_tables.h - the constant tables of the block transfers: the ink of the default palettes of one-bit and
// four-bit sources, the bit order reversal of mirrored one-bit rows, and the rops that draw a mask in place of
// a pattern-only rop.

#include "win/windef.h"

// The ink (255 - gray) of entry index of the default palette of a source of bitsPerPixel 1 (black, white) or
// 4 (the sixteen standard colours); 0 for an index beyond it.
BYTE DefaultInk(UINT bitsPerPixel, ULONG index);

// The byte with its bits in reverse order.
BYTE ReverseBits(BYTE value);

// The rop that draws a mask as a one-bit source where a masked blit applies the pattern-only rop3 to the
// mask's background; -1 for a rop3 without one.
LONG FindMaskRop(BYTE rop3);
