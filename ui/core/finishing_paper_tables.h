#pragma once
// finishing_paper_tables.h - per paper, what stapling, punching, folding and the layouts can do on it. Each row
// gives a paper's codes; a row may hold only while a control has a value, or while every row of a chain does.

#include "win/windows.h"

#pragma pack(push, 1)
template <int N>
struct FINISHING_PAPER_ROW {        // 2 x N + 8 bytes
    WORD wPaper;                    // 0   kFinishingTableEnd ends a table; 0: the paper of the row above
    WORD wCodes[N];                 // 2   one code per column the query chooses
    WORD wCondition;                // the row holds while this control has the value; 0 always holds
    WORD wConditionValue;
    WORD wChain;                    // kChainSingle, kChainFirst or kChainLast
};
#pragma pack(pop)

using STAPLE_PAPER_ROW = FINISHING_PAPER_ROW<1>;   // the staple code
using PUNCH_PAPER_ROW = FINISHING_PAPER_ROW<3>;    // codes for 2, 3 and 4 holes
using FOLD_PAPER_ROW = FINISHING_PAPER_ROW<2>;     // codes for the fold kinds 1 to 4, and for kind 7
using LAYOUT_PAPER_ROW = FINISHING_PAPER_ROW<4>;   // codes for the layout queries 4, 5, 6 and 7
static_assert(sizeof(STAPLE_PAPER_ROW) == 10);
static_assert(sizeof(PUNCH_PAPER_ROW) == 14);
static_assert(offsetof(PUNCH_PAPER_ROW, wCondition) == 8);
static_assert(offsetof(PUNCH_PAPER_ROW, wChain) == 12);
static_assert(sizeof(FOLD_PAPER_ROW) == 12);
static_assert(sizeof(LAYOUT_PAPER_ROW) == 16);

constexpr WORD kFinishingTableEnd = 0xFFFF;

constexpr WORD kChainSingle = 0;    // the row stands alone
constexpr WORD kChainFirst = 1;     // the row and the rows up to the next kChainLast must all hold
constexpr WORD kChainLast = 2;

// The four tables as the lookups read them, each ending with its terminator row.
struct FINISHING_PAPER_TABLES {
    const STAPLE_PAPER_ROW* pStaple;
    const PUNCH_PAPER_ROW*  pPunch;
    const FOLD_PAPER_ROW*   pFold;
    const LAYOUT_PAPER_ROW* pLayout;
};

// Points the lookups at other tables (null: the product's own). Their rows count from the next InitUiTables
// on; the caller keeps them alive until it points the lookups back.
void UseFinishingPaperTables(const FINISHING_PAPER_TABLES* pTables);

// The rows the lookups read.
const STAPLE_PAPER_ROW* GetStaplePaperRows();
const PUNCH_PAPER_ROW* GetPunchPaperRows();
const FOLD_PAPER_ROW* GetFoldPaperRows();
const LAYOUT_PAPER_ROW* GetLayoutPaperRows();

// Rows before the terminators: 63, 60, 60 and 60 in the product's tables.
WORD CountStaplePaperRows();
WORD CountPunchPaperRows();
WORD CountFoldPaperRows();
WORD CountLayoutPaperRows();
