#pragma once
// layout_cells.h - the cells of each layout (lpLayout): how many pages one sheet takes and how they are
// arranged in rows and columns.

#include "win/windows.h"

struct NUP_GRID {
    LONG rows;
    LONG columns;
};

// Pages per sheet of a layout; 1 for layouts 1 and 2 and for any the table does not hold.
DWORD CellsPerSheet(BYTE lpLayout);

// The rows and columns of a layout's cells. Side by side, two cells are one row of two columns and six are
// two rows of three; otherwise those grids stand the other way. One row and column for a single cell.
NUP_GRID GetNupGrid(BYTE lpLayout, bool sideBySide);
