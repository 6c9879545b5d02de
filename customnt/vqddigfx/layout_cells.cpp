// layout_cells.cpp - the cells of each layout.
#include "customnt/vqddigfx/layout_cells.h"

#include <iterator>
#include <utility>

namespace {

struct LAYOUT_CELLS_ROW {
    BYTE lpLayout;   // 0 ends the table
    LONG rows;       // the grid with its cells side by side
    LONG columns;
};

constexpr LAYOUT_CELLS_ROW kLayoutCells[] = {
    { 3, 1, 2},
    { 4, 2, 2},
    { 5, 2, 3},
    { 6, 3, 3},
    { 7, 4, 4},
    { 8, 1, 2},   // booklet
    { 9, 1, 2},   // booklet
    {10, 2, 2},
    {11, 2, 2},
    {12, 2, 2},
    {13, 2, 2},
    { 0, 1, 1},   // terminator: layouts 1 and 2, and any other, put one page on a sheet
};
static_assert(kLayoutCells[std::size(kLayoutCells) - 1].lpLayout == 0, "terminator must be last");

const LAYOUT_CELLS_ROW& FindLayoutCells(BYTE lpLayout)
{
    const LAYOUT_CELLS_ROW* row = kLayoutCells;
    while (row->lpLayout != 0 && row->lpLayout != lpLayout)
        ++row;
    return *row;
}

} // namespace

DWORD CellsPerSheet(BYTE lpLayout)
{
    const LAYOUT_CELLS_ROW& row = FindLayoutCells(lpLayout);
    return static_cast<DWORD>(row.rows * row.columns);
}

NUP_GRID GetNupGrid(BYTE lpLayout, bool sideBySide)
{
    const LAYOUT_CELLS_ROW& row = FindLayoutCells(lpLayout);
    NUP_GRID grid = {row.rows, row.columns};
    if (!sideBySide)
        std::swap(grid.rows, grid.columns);
    return grid;
}
