#pragma once
// stock_objects.h - the stock objects of the world: GetStockObject's pens, brushes and system font, and the 1-by-1
// monochrome bitmap every new memory DC starts with. They are made when first asked for and never deleted.

#include "win/wingdi.h"

namespace platform {

HBITMAP DefaultBitmap();

} // namespace platform
