// range_option_table.cpp - the range table, one row per numeric feature.
#include "settings/paper/range_option_table.h"
#include "settings/paper/table_rows.h"

#include <iterator>

constexpr RANGE_OPTION_ROW kRangeOptionRows[] = {
//    feature   max    min  step  default
    {   2,     9999,     1,  1,     1 },   // Copies
    { 164,     5000,     0,  1,  2100 },   // UDPaperWidth, UDMediaWidth (0.1 mm)
    { 165,     5000,     0,  1,  2100 },   // UDPaperLength, UDMediaLength (0.1 mm)
    { 166,      500,     0,  1,     0 },
    { 167,      500,     0,  1,     0 },
    { 168,      500,     0,  1,     0 },
    { 169,      500,     0,  1,     0 },
    {  26,      400,    25,  1,   100 },   // Zoom (percent)
    {  56,        2,    -2,  1,     0 },   // Intensity
    {  73,     9999,     1,  1,     1 },
    {  75,     2540,   330,  1,   500 },
    {  77,     2540,   330,  1,   500 },
    {  79,     2540,   330,  1,   500 },
    {  81,     2540,   330,  1,   500 },
    {  76,      100,    13,  1,    20 },
    {  78,      100,    13,  1,    20 },
    {  80,      100,    13,  1,    20 },
    {  82,      100,    13,  1,    20 },
    { 170,        2,    -2,  1,     0 },   // Density
    { 171,       50,     0,  1,    10 },   // fMargin (mm)
    { 172,       50,     0,  1,    10 },   // bMargin (mm)
    { 219,       32,     8,  1,    12 },   // TabTextFontSize (points)
    { 220,       50,     0,  1,    34 },   // TabTopMargin
    { 221,       50,     0,  1,    34 },   // TabBottomMargin
    { 222,       20,     0,  1,    10 },   // TabIndexSpace
    { 223,       10,   -10,  1,     0 },   // TabTextPosition
    { kOptionTableEnd, 0, 0, 0, 0 },       // terminator
};

namespace {

constexpr std::size_t kRowCount = std::size(kRangeOptionRows) - 1;

constexpr bool FeaturesAreUnique()
{
    for (std::size_t i = 0; i < kRowCount; ++i)
        for (std::size_t j = i + 1; j < kRowCount; ++j)
            if (kRangeOptionRows[i].wFeature == kRangeOptionRows[j].wFeature)
                return false;
    return true;
}

constexpr bool DefaultsLieInTheirRanges()
{
    for (std::size_t i = 0; i < kRowCount; ++i) {
        const RANGE_OPTION_ROW& row = kRangeOptionRows[i];
        if (row.sMinimum > row.sMaximum || row.wDefault < row.sMinimum || row.wDefault > row.sMaximum)
            return false;
    }
    return true;
}

} // namespace

static_assert(kRangeOptionRows[kRowCount].wFeature == kOptionTableEnd, "terminator must be last");
static_assert(kRowCount == 26, "one row for each of the 26 numeric features");
static_assert(FeaturesAreUnique(), "a numeric feature has one row");
static_assert(DefaultsLieInTheirRanges());

const RANGE_OPTION_ROW* FindRangeOptionRow(WORD wFeature)
{
    for (const RANGE_OPTION_ROW* row = kRangeOptionRows; row->wFeature != kOptionTableEnd; ++row)
        if (row->wFeature == wFeature)
            return row;
    return nullptr;
}

std::size_t CountRangeOptionRows()
{
    return CountTableRows(kRangeOptionRows,
                          [](const RANGE_OPTION_ROW& row) { return row.wFeature == kOptionTableEnd; });
}
