#pragma once
// nup_cell_order.h - the orders in which the pages of an N-up sheet fill its cells (lpOrder 4, 5 and 6 on
// sheets of 4, 6, 9 and 16 cells). Cells are numbered row by row from the sheet's top left.

#include "win/windows.h"

// Which sheets a row of the table serves: 6-cell sheets run differently when the layout was computed for a
// landscape working orientation.
enum class NupSheetKind : BYTE { Any, Landscape, Other };

struct NUP_CELL_ORDER_ROW {
    BYTE         cells;       // 0 ends the table
    NupSheetKind sheet;
    BYTE         lpOrder;
    BYTE         cell[16];    // the cell of the sheet's page i (0-based); the first `cells` entries count
};

// The row for a sheet of that many cells, the lpOrder, and whether the layout's working orientation was
// landscape; null when no row holds them.
const NUP_CELL_ORDER_ROW* FindNupCellOrder(DWORD cells, BYTE lpOrder, bool landscape);
