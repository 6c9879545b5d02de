// layout_table.cpp - the layouts of lpLayout.
#include "settings/devmode/layout_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr LAYOUT_ROW kLayouts[] = {
    { 1,  1, 1, 1, false, false, true  },   // one page a sheet
    { 2,  1, 1, 1, false, false, false },
    { 3,  2, 1, 2, true,  true,  false },
    { 4,  4, 2, 2, false, true,  false },
    { 5,  6, 2, 3, true,  true,  true  },
    { 6,  9, 3, 3, false, true,  true  },
    { 7, 16, 4, 4, false, true,  true  },
    { 8,  2, 1, 2, true,  true,  true  },   // booklet, and two pages a sheet
    { 9,  2, 1, 2, true,  true,  false },   // booklet
    {10,  4, 2, 2, false, true,  true  },
    {11,  4, 2, 2, false, false, false },
    {12,  4, 2, 2, false, false, false },
    {13,  4, 2, 2, false, false, false },
    { 0,  0, 0, 0, false, false, false },   // terminator
};
static_assert(kLayouts[std::size(kLayouts) - 1].lpLayout == 0, "terminator must be last");
static_assert(std::is_sorted(std::begin(kLayouts), std::end(kLayouts) - 1,
                             [](const LAYOUT_ROW& a, const LAYOUT_ROW& b) { return a.lpLayout < b.lpLayout; }),
              "codes ascend");

} // namespace

const LAYOUT_ROW* FindLayout(BYTE lpLayout)
{
    for (const LAYOUT_ROW* row = kLayouts; row->lpLayout != 0; ++row)
        if (row->lpLayout == lpLayout)
            return row;
    return nullptr;
}

const LAYOUT_ROW* FindLayoutChoice(DWORD pages)
{
    for (const LAYOUT_ROW* row = kLayouts; row->lpLayout != 0; ++row)
        if (row->bChoice && row->cPages == pages)
            return row;
    return nullptr;
}

DWORD CellsPerSheet(BYTE lpLayout)
{
    const LAYOUT_ROW* row = FindLayout(lpLayout);
    return row != nullptr ? row->cPages : 1;
}

NUP_GRID GetNupGrid(BYTE lpLayout, bool sideBySide)
{
    const LAYOUT_ROW* row = FindLayout(lpLayout);
    NUP_GRID grid = row != nullptr ? NUP_GRID{row->cRows, row->cColumns} : NUP_GRID{1, 1};
    if (!sideBySide)
        std::swap(grid.rows, grid.columns);
    return grid;
}

bool LayoutTurnsSheet(BYTE lpLayout)
{
    const LAYOUT_ROW* row = FindLayout(lpLayout);
    return row != nullptr && row->bTurnsSheet;
}

DWORD ListPagesPerSheetChoices(DWORD* pPages, DWORD cMax)
{
    DWORD count = 0;
    for (const LAYOUT_ROW* row = kLayouts; row->lpLayout != 0; ++row) {
        if (!row->bChoice)
            continue;
        if (pPages != nullptr && count < cMax)
            pPages[count] = row->cPages;
        ++count;
    }
    if (pPages != nullptr)
        std::sort(pPages, pPages + std::min(count, cMax));
    return count;
}
