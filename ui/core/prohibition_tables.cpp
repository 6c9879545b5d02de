// prohibition_tables.cpp - the prohibition tables of this model. A rule is written once for each of its members
// that must find it, with that member's condition first.
#include "ui/core/prohibition_tables.h"

#include "settings/paper/table_rows.h"

#include <cstring>

// Output paper 257 follows the original size; raster graphics is the value 1 of the graphics mode (612), vector
// the value 2. Paper 8 is A3.
static constexpr PROHIBITION_RULE<2> kProhibitions2[] = {
    // Simple finishing on the setup page and finishing on the finishing page exclude each other.
    { { { 123, 1 }, { 301, 1 } }, 301, 0 },
    { { { 301, 1 }, { 123, 1 } }, 123, 0 },
    // The large output papers cannot be printed in raster graphics.
    { { { 114, 8 }, { 612, 1 } }, 612, 2 },
    { { { 114, 9 }, { 612, 1 } }, 612, 2 },
    { { { 114, 2057 }, { 612, 1 } }, 612, 2 },
    { { { 114, 11 }, { 612, 1 } }, 612, 2 },
    { { { 114, 2059 }, { 612, 1 } }, 612, 2 },
    { { { 114, 12 }, { 612, 1 } }, 612, 2 },
    { { { 114, 13 }, { 612, 1 } }, 612, 2 },
    { { { 114, 2061 }, { 612, 1 } }, 612, 2 },
    { { { 114, 88 }, { 612, 1 } }, 612, 2 },
    { { { 114, 1 }, { 612, 1 } }, 612, 2 },
    { { { 612, 1 }, { 114, 8 } }, 114, 257 },
    { { { 612, 1 }, { 114, 9 } }, 114, 257 },
    { { { 612, 1 }, { 114, 2057 } }, 114, 257 },
    { { { 612, 1 }, { 114, 11 } }, 114, 257 },
    { { { 612, 1 }, { 114, 2059 } }, 114, 257 },
    { { { 612, 1 }, { 114, 12 } }, 114, 257 },
    { { { 612, 1 }, { 114, 13 } }, 114, 257 },
    { { { 612, 1 }, { 114, 2061 } }, 114, 257 },
    { { { 612, 1 }, { 114, 88 } }, 114, 257 },
    { { { 612, 1 }, { 114, 1 } }, 114, 257 },
    {},
};

static constexpr PROHIBITION_RULE<3> kProhibitions3[] = {
    // An A3 original printed at its own size cannot come from tray 1, nor its transparency interleaves.
    { { { 111, 8 }, { 114, 257 }, { 120, 1 } }, 120, 7 },
    { { { 114, 257 }, { 111, 8 }, { 120, 1 } }, 120, 7 },
    { { { 120, 1 }, { 114, 257 }, { 111, 8 } }, 120, 7 },
    { { { 111, 8 }, { 114, 257 }, { 2024, 1 } }, 2024, 258 },
    {},
};

static constexpr PROHIBITION_RULE<4> kProhibitions4[] = {
    // Nor from tray 260 while the paper feed unit holds its option 2.
    { { { 111, 8 }, { 114, 257 }, { 120, 260 }, { 802, 2 } }, 120, 7 },
    { { { 114, 257 }, { 111, 8 }, { 120, 260 }, { 802, 2 } }, 120, 7 },
    { { { 120, 260 }, { 111, 8 }, { 114, 257 }, { 802, 2 } }, 120, 7 },
    { { { 802, 2 }, { 111, 8 }, { 114, 257 }, { 120, 260 } }, 120, 7 },
    {},
};

static constexpr PROHIBITION_RULE<5> kProhibitions5[] = {
    // Nor can an insert sheet without index paper.
    { { { 2407, 260 }, { 114, 257 }, { 111, 8 }, { 2411, 0 }, { 802, 2 } }, 2407, 1 },
    { { { 2411, 0 }, { 2407, 260 }, { 114, 257 }, { 111, 8 }, { 802, 2 } }, 2407, 1 },
    {},
};

static constexpr PROHIBITION_TABLES kProductTables = { kProhibitions2, kProhibitions3, kProhibitions4,
                                                       kProhibitions5 };
static const PROHIBITION_TABLES* g_pTables = &kProductTables;

void UseProhibitionTables(const PROHIBITION_TABLES* pTables)
{
    g_pTables = pTables != nullptr ? pTables : &kProductTables;
}

const BYTE* GetProhibitionRows(int k, WORD* pcbRow)
{
    switch (k) {
    case 0: *pcbRow = sizeof(PROHIBITION_RULE<2>); return reinterpret_cast<const BYTE*>(g_pTables->pRows2);
    case 1: *pcbRow = sizeof(PROHIBITION_RULE<3>); return reinterpret_cast<const BYTE*>(g_pTables->pRows3);
    case 2: *pcbRow = sizeof(PROHIBITION_RULE<4>); return reinterpret_cast<const BYTE*>(g_pTables->pRows4);
    case 3: *pcbRow = sizeof(PROHIBITION_RULE<5>); return reinterpret_cast<const BYTE*>(g_pTables->pRows5);
    default: *pcbRow = 0; return nullptr;
    }
}

template <int N>
static WORD CountRows(const PROHIBITION_RULE<N>* pRows)
{
    return static_cast<WORD>(
        CountTableRows(pRows, [](const PROHIBITION_RULE<N>& row) { return row.conditions[0].wControl == 0; }));
}

WORD CountProhibitionRows(int k)
{
    switch (k) {
    case 0: return CountRows(g_pTables->pRows2);
    case 1: return CountRows(g_pTables->pRows3);
    case 2: return CountRows(g_pTables->pRows4);
    case 3: return CountRows(g_pTables->pRows5);
    default: return 0;
    }
}

const PROHIBITION_CONDITION* GetProhibitionRow(int k, WORD r, WORD* pwYieldControl, WORD* pwYieldValue)
{
    WORD cbRow = 0;
    const BYTE* pRows = GetProhibitionRows(k, &cbRow);
    if (pRows == nullptr)
        return nullptr;
    const BYTE* pRow = pRows + static_cast<std::size_t>(r) * cbRow;
    const int n = k + 2;
    WORD yield[2];
    std::memcpy(yield, pRow + n * sizeof(PROHIBITION_CONDITION), sizeof yield);
    *pwYieldControl = yield[0];
    *pwYieldValue = yield[1];
    return reinterpret_cast<const PROHIBITION_CONDITION*>(pRow);
}
