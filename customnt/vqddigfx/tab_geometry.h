#pragma once
// tab_geometry.h - where the tabs of index-tab sheets lie: the tab strip beside the sheet and the position of
// each tab's text. Sizes are in tenths of a millimetre unless said otherwise.

#include "customnt/vqddigfx/pdev.h"

constexpr WORD kTabPaperA4 = 1033;   // the A4-based tab sheet; any other code is the Letter-based one

// The tab strip of the tab sheet, in pixels at the devmode's y-resolution: for direction 1 from the sheet's
// width to the tab's outer edge along the sheet's length, (sheet width, 0, tab width, sheet length); for any
// other direction the same turned, (0, sheet width, sheet length, tab width). The tab width is rounded up.
RECTL TabStripRect(PDEV* pdev, WORD paperCode, LONG direction);

// The position (across, along) of tab index's text (0-based) of count tabs: tabs share the sheet's length
// after the start and end margins and the gaps between them (start, gap and end in millimetres); alignment 2
// centres the text on its tab and 3 puts it at the tab's end; offset (millimetres) and the text's extent
// (textExtent, in 1/144 inch) place it across, before the edge for side 1 and behind it otherwise. For
// direction 1 the point is (across, along), for any other (sheet length - along, across). FALSE with (0, 0)
// when there are no tabs (FALSE alone without pptl).
BOOL TabPosition(LONG direction, WORD paperCode, LONG count, LONG index, LONG start, LONG gap, LONG end,
                 LONG offset, LONG alignment, LONG textExtent, LONG side, POINTL* pptl);
