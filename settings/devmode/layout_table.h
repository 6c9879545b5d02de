#pragma once
// layout_table.h - the layouts of lpLayout in one table: how many pages a sheet takes, how its cells stand in
// rows and columns, whether the cells turn the sheet against the page, whether pages fill the cells in order,
// and which layouts stand behind the pages-per-sheet choices. The capability answers, devmode validation, the
// N-up placement and the sample tools all read it.

#include "win/windef.h"

// Layout codes of lpLayout that code names.
constexpr BYTE kLayoutSinglePage = 1;   // one page a sheet, no N-up
constexpr BYTE kLayoutFitToSheet = 2;   // one zoomed page fitted to a sheet of another paper or orientation
constexpr BYTE kLayoutBooklet = 8;      // the booklet's two pages a sheet; also the two-pages choice
constexpr BYTE kLayoutBookletBound = 9; // the booklet with lpBooklet set

struct LAYOUT_ROW {
    BYTE lpLayout;      // 0 ends the table
    BYTE cPages;        // pages (cells) a sheet takes
    BYTE cRows;         // the grid with its cells side by side
    BYTE cColumns;
    bool bTurnsSheet;   // the cells turn the sheet against the page
    bool bOrdered;      // pages fill the cells in lpOrder; otherwise every page stands in cell 0
    bool bChoice;       // the layout of a pages-per-sheet choice (DC_NUP, the pages list, the sample tools)
};

struct NUP_GRID {
    LONG rows;
    LONG columns;
};

// The row of a layout; null for a code the table does not hold.
const LAYOUT_ROW* FindLayout(BYTE lpLayout);

// The choice's row for a number of pages a sheet; null when no choice puts that many pages on a sheet.
const LAYOUT_ROW* FindLayoutChoice(DWORD pages);

// Pages per sheet of a layout; 1 for a code the table does not hold.
DWORD CellsPerSheet(BYTE lpLayout);

// The rows and columns of a layout's cells: as the table has them side by side, swapped otherwise; one row
// and column for a code the table does not hold.
NUP_GRID GetNupGrid(BYTE lpLayout, bool sideBySide);

// The layout's cells turn the sheet against the page (FALSE for a code the table does not hold).
bool LayoutTurnsSheet(BYTE lpLayout);

// The pages per sheet of the choices, ascending, into pPages (room for cMax); returns how many there are.
DWORD ListPagesPerSheetChoices(DWORD* pPages, DWORD cMax);
