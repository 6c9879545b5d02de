// nup_cell_order.cpp - the cell order table of N-up sheets.
#include "customnt/vqddigfx/nup_cell_order.h"

#include <iterator>

namespace {

using enum NupSheetKind;

constexpr NUP_CELL_ORDER_ROW kNupCellOrders[] = {
    { 4, Any,       4, {1, 0, 3, 2}},
    { 4, Any,       5, {0, 2, 1, 3}},
    { 4, Any,       6, {1, 3, 0, 2}},
    { 6, Landscape, 4, {2, 1, 0, 5, 4, 3}},
    { 6, Landscape, 5, {0, 3, 1, 4, 2, 5}},
    { 6, Landscape, 6, {2, 5, 1, 4, 0, 3}},
    { 6, Other,     4, {1, 0, 3, 2, 5, 4}},
    { 6, Other,     5, {0, 2, 4, 1, 3, 5}},
    { 6, Other,     6, {1, 3, 5, 0, 2, 4}},
    { 9, Any,       4, {2, 1, 0, 5, 4, 3, 8, 7, 6}},
    { 9, Any,       5, {0, 3, 6, 1, 4, 7, 2, 5, 8}},
    { 9, Any,       6, {2, 5, 8, 1, 4, 7, 0, 3, 6}},
    {16, Any,       4, {3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12}},
    {16, Any,       5, {0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15}},
    {16, Any,       6, {3, 7, 11, 15, 2, 6, 10, 14, 1, 5, 9, 13, 0, 4, 8, 12}},
    { 0, Any,       0, {}},   // terminator
};
static_assert(kNupCellOrders[std::size(kNupCellOrders) - 1].cells == 0, "terminator must be last");

// Every row is a permutation of its sheet's cells: a page never lands outside the sheet or on another page.
constexpr bool IsPermutation(const NUP_CELL_ORDER_ROW& row)
{
    unsigned seen = 0;
    for (BYTE i = 0; i < row.cells; ++i) {
        if (row.cell[i] >= row.cells || (seen & (1u << row.cell[i])) != 0)
            return false;
        seen |= 1u << row.cell[i];
    }
    return row.cells <= 16;
}

constexpr bool AllRowsArePermutations()
{
    for (const NUP_CELL_ORDER_ROW& row : kNupCellOrders)
        if (!IsPermutation(row))
            return false;
    return true;
}
static_assert(AllRowsArePermutations(), "each order places every page of a sheet in its own cell");

bool Serves(NupSheetKind kind, bool landscape)
{
    switch (kind) {
    case Any:
        return true;
    case Landscape:
        return landscape;
    case Other:
        return !landscape;
    }
    return false;
}

} // namespace

const NUP_CELL_ORDER_ROW* FindNupCellOrder(DWORD cells, BYTE lpOrder, bool landscape)
{
    for (const NUP_CELL_ORDER_ROW* row = kNupCellOrders; row->cells != 0; ++row)
        if (row->cells == cells && row->lpOrder == lpOrder && Serves(row->sheet, landscape))
            return row;
    return nullptr;
}
