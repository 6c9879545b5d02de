#pragma once
// table_rows.h - counting the rows of a static table that ends in a terminator row.

#include <cstddef>

// The number of rows before the terminator; isEnd(row) names the terminator.
template <typename Row, typename IsEnd>
constexpr std::size_t CountTableRows(const Row* pRows, IsEnd isEnd)
{
    std::size_t count = 0;
    while (!isEnd(pRows[count]))
        ++count;
    return count;
}
