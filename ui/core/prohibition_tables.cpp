// prohibition_tables.cpp - the prohibition tables. They hold no rules yet: every option stays available and no
// resolve finds a conflict until the product's rows are added here.
#include "ui/core/prohibition_tables.h"

#include "settings/paper/table_rows.h"

static constexpr PROHIBITION_RULE<2> kProhibitions2[] = { {} };   // terminator only
static constexpr PROHIBITION_RULE<3> kProhibitions3[] = { {} };
static constexpr PROHIBITION_RULE<4> kProhibitions4[] = { {} };
static constexpr PROHIBITION_RULE<5> kProhibitions5[] = { {} };

const BYTE* GetProhibitionRows(int k, WORD* pcbRow)
{
    switch (k) {
    case 0: *pcbRow = sizeof kProhibitions2[0]; return reinterpret_cast<const BYTE*>(kProhibitions2);
    case 1: *pcbRow = sizeof kProhibitions3[0]; return reinterpret_cast<const BYTE*>(kProhibitions3);
    case 2: *pcbRow = sizeof kProhibitions4[0]; return reinterpret_cast<const BYTE*>(kProhibitions4);
    case 3: *pcbRow = sizeof kProhibitions5[0]; return reinterpret_cast<const BYTE*>(kProhibitions5);
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
    case 0: return CountRows(kProhibitions2);
    case 1: return CountRows(kProhibitions3);
    case 2: return CountRows(kProhibitions4);
    case 3: return CountRows(kProhibitions5);
    default: return 0;
    }
}
