// tab_geometry.cpp - index-tab sheets: their sizes and the places of their tabs.
#include "customnt/vqddigfx/tab_geometry.h"

namespace {

struct TAB_SHEET {
    LONG width;        // the sheet without its tab
    LONG length;
    LONG tabWidth;     // the sheet with its tab
    LONG textInset;    // from the sheet's edge to where the tab's text starts
};

constexpr TAB_SHEET kTabSheetA4 = {2100, 2970, 2220, 60};
constexpr TAB_SHEET kTabSheetLetter = {2159, 2794, 2286, 63};

const TAB_SHEET& FindTabSheet(WORD paperCode)
{
    return paperCode == kTabPaperA4 ? kTabSheetA4 : kTabSheetLetter;
}

} // namespace

RECTL TabStripRect(PDEV* pdev, WORD paperCode, LONG direction)
{
    const TAB_SHEET& sheet = FindTabSheet(paperCode);
    const LONGLONG dpi = pdev->devmode.dmPrivate.dmPublicCopy.dmYResolution;
    const auto pixels = [dpi](LONG size) { return static_cast<LONG>(dpi * size / 254); };
    const LONG width = pixels(sheet.width);
    const LONG length = pixels(sheet.length);
    const auto tabWidth = static_cast<LONG>((dpi * sheet.tabWidth + 253) / 254);
    if (direction == 1)
        return RECTL{width, 0, tabWidth, length};
    return RECTL{0, width, length, tabWidth};
}

BOOL TabPosition(LONG direction, WORD paperCode, LONG count, LONG index, LONG start, LONG gap, LONG end,
                 LONG offset, LONG alignment, LONG textExtent, LONG side, POINTL* pptl)
{
    if (pptl == nullptr)
        return FALSE;
    if (count <= 0) {
        *pptl = POINTL{0, 0};
        return FALSE;
    }
    const TAB_SHEET& sheet = FindTabSheet(paperCode);
    const LONGLONG length = sheet.length;
    // Each tab's length: what the margins and gaps leave of the sheet's length, shared out and rounded.
    const LONGLONG tab = (length + count / 2 - 10LL * start - 10LL * end - (count - 1LL) * 10 * gap) / count;
    LONGLONG along = 10LL * start + index * (10LL * gap + tab);
    if (alignment == 2)
        along += tab / 2;
    else if (alignment == 3)
        along += tab;
    const LONGLONG inset = 10LL * offset + sheet.textInset;
    const LONGLONG extent = LONGLONG{textExtent} * 254 / 144;
    const LONGLONG across = sheet.width + (side == 1 ? inset - extent : inset + extent);
    if (direction == 1)
        *pptl = POINTL{static_cast<LONG>(across), static_cast<LONG>(along)};
    else
        *pptl = POINTL{static_cast<LONG>(length - along), static_cast<LONG>(across)};
    return TRUE;
}
