// finishing_paper_tables.cpp - the staple, punch, fold and layout codes of the papers, and their lookups.
#include "ui/core/finishing_paper_tables.h"

#include "settings/paper/table_rows.h"
#include "ui/core/control_ids.h"
#include "ui/core/item_queries.h"
#include "ui/core/paper_rules.h"

#include <iterator>

// The staple code decides which staple positions stand on a paper; 3: no stapling on it at all. The code of
// 2061 depends on the output unit fitted.
static constexpr STAPLE_PAPER_ROW STAPLE_PAPER_TABLE[] = {
//   paper    code  cond  val chain
    {     8, { 1 },    0,  0, 0 },
    {     9, { 0 },    0,  0, 0 },
    {  2057, { 1 },    0,  0, 0 },
    {    11, { 1 },    0,  0, 0 },
    {  2059, { 3 },    0,  0, 0 },
    {    12, { 1 },    0,  0, 0 },
    {    13, { 0 },    0,  0, 0 },
    {  2061, { 1 },  804,  2, 0 },
    {  2061, { 3 },  804,  3, 0 },
    {  2061, { 1 },  804,  4, 0 },
    {  2061, { 3 },  804,  5, 0 },
    {    88, { 3 },    0,  0, 0 },
    {     1, { 0 },    0,  0, 0 },
    {  2049, { 1 },    0,  0, 0 },
    {    43, { 3 },    0,  0, 0 },
    {     3, { 1 },    0,  0, 0 },
    {     5, { 1 },    0,  0, 0 },
    {     6, { 1 },    0,  0, 0 },
    {  2054, { 3 },    0,  0, 0 },
    {  1033, { 4 },    0,  0, 0 },
    {  1025, { 4 },    0,  0, 0 },
    {    70, { 3 },    0,  0, 0 },
    {   263, { 1 },    0,  0, 0 },
    {   261, { 1 },    0,  0, 0 },
    {   262, { 0 },    0,  0, 0 },
    {  2310, { 1 },    0,  0, 0 },
    {  4104, { 1 },    0,  0, 0 },
    {  4105, { 0 },    0,  0, 0 },
    {  6153, { 1 },    0,  0, 0 },
    {  4107, { 1 },    0,  0, 0 },
    {  6155, { 3 },    0,  0, 0 },
    {  4108, { 1 },    0,  0, 0 },
    {  4109, { 0 },    0,  0, 0 },
    {  6157, { 1 },    0,  0, 0 },
    {  4184, { 3 },    0,  0, 0 },
    {  4097, { 0 },    0,  0, 0 },
    {  6145, { 1 },    0,  0, 0 },
    {  4139, { 3 },    0,  0, 0 },
    {  4099, { 1 },    0,  0, 0 },
    {  4101, { 1 },    0,  0, 0 },
    {  4102, { 1 },    0,  0, 0 },
    {  6150, { 3 },    0,  0, 0 },
    {  5129, { 4 },    0,  0, 0 },
    {  5121, { 4 },    0,  0, 0 },
    {  4166, { 3 },    0,  0, 0 },
    {  4359, { 1 },    0,  0, 0 },
    {  4357, { 1 },    0,  0, 0 },
    {  4358, { 0 },    0,  0, 0 },
    {  6406, { 1 },    0,  0, 0 },
    {  8200, { 1 },    0,  0, 0 },
    {  8201, { 0 },    0,  0, 0 },
    { 10249, { 1 },    0,  0, 0 },
    {  8203, { 1 },    0,  0, 0 },
    { 10251, { 3 },    0,  0, 0 },
    {  8204, { 1 },    0,  0, 0 },
    {  8205, { 0 },    0,  0, 0 },
    { 10253, { 1 },    0,  0, 0 },
    {  8193, { 0 },    0,  0, 0 },
    { 10241, { 1 },    0,  0, 0 },
    {  8195, { 1 },    0,  0, 0 },
    {  8198, { 1 },    0,  0, 0 },
    { 10246, { 3 },    0,  0, 0 },
    {   256, { 3 },    0,  0, 0 },
    { 0xFFFF, { 0 }, 0, 0, 0 },   // terminator
};
static_assert(std::size(STAPLE_PAPER_TABLE) == 64 && std::end(STAPLE_PAPER_TABLE)[-1].wPaper == kFinishingTableEnd);

// The punch code by hole count decides which punch positions stand on a paper; 4: no punching on it at all.
static constexpr PUNCH_PAPER_ROW PUNCH_PAPER_TABLE[] = {
//   paper    2  3  4 holes  cond val chain
    {     8, { 1, 1, 1 },    0,  0, 0 },
    {     9, { 0, 1, 1 },    0,  0, 0 },
    {  2057, { 1, 4, 4 },    0,  0, 0 },
    {    11, { 2, 4, 4 },    0,  0, 0 },
    {  2059, { 3, 4, 4 },    0,  0, 0 },
    {    12, { 1, 3, 3 },    0,  0, 0 },
    {    13, { 0, 3, 3 },    0,  0, 0 },
    {  2061, { 1, 4, 4 },    0,  0, 0 },
    {    88, { 4, 4, 4 },    0,  0, 0 },
    {     1, { 0, 1, 3 },    0,  0, 0 },
    {  2049, { 1, 4, 4 },    0,  0, 0 },
    {    43, { 4, 4, 4 },    0,  0, 0 },
    {     3, { 1, 1, 3 },    0,  0, 0 },
    {     5, { 1, 4, 4 },    0,  0, 0 },
    {     6, { 2, 4, 4 },    0,  0, 0 },
    {  2054, { 3, 4, 4 },    0,  0, 0 },
    {  1033, { 4, 4, 4 },    0,  0, 0 },
    {  1025, { 4, 4, 4 },    0,  0, 0 },
    {    70, { 4, 4, 4 },    0,  0, 0 },
    {   263, { 1, 4, 4 },    0,  0, 0 },
    {   261, { 1, 3, 3 },    0,  0, 0 },
    {   262, { 0, 3, 3 },    0,  0, 0 },
    {  2310, { 1, 4, 4 },    0,  0, 0 },
    {  4104, { 1, 1, 1 },    0,  0, 0 },
    {  4105, { 0, 1, 1 },    0,  0, 0 },
    {  6153, { 1, 1, 1 },    0,  0, 0 },
    {  4107, { 2, 4, 4 },    0,  0, 0 },
    {  6155, { 3, 4, 4 },    0,  0, 0 },
    {  4108, { 1, 3, 3 },    0,  0, 0 },
    {  4109, { 0, 3, 3 },    0,  0, 0 },
    {  6157, { 1, 4, 4 },    0,  0, 0 },
    {  4184, { 4, 4, 4 },    0,  0, 0 },
    {  4097, { 0, 1, 3 },    0,  0, 0 },
    {  6145, { 1, 4, 4 },    0,  0, 0 },
    {  4139, { 4, 4, 4 },    0,  0, 0 },
    {  4099, { 1, 1, 3 },    0,  0, 0 },
    {  4101, { 1, 4, 4 },    0,  0, 0 },
    {  4102, { 2, 4, 4 },    0,  0, 0 },
    {  6150, { 3, 4, 4 },    0,  0, 0 },
    {  5129, { 4, 4, 4 },    0,  0, 0 },
    {  5121, { 4, 4, 4 },    0,  0, 0 },
    {  4166, { 4, 4, 4 },    0,  0, 0 },
    {  4359, { 1, 4, 4 },    0,  0, 0 },
    {  4357, { 1, 3, 3 },    0,  0, 0 },
    {  4358, { 0, 3, 3 },    0,  0, 0 },
    {  6406, { 1, 4, 4 },    0,  0, 0 },
    {  8200, { 4, 4, 4 },    0,  0, 0 },
    {  8201, { 4, 4, 4 },    0,  0, 0 },
    { 10249, { 4, 4, 4 },    0,  0, 0 },
    {  8203, { 4, 4, 4 },    0,  0, 0 },
    { 10251, { 4, 4, 4 },    0,  0, 0 },
    {  8204, { 4, 4, 4 },    0,  0, 0 },
    {  8205, { 4, 4, 4 },    0,  0, 0 },
    { 10253, { 4, 4, 4 },    0,  0, 0 },
    {  8193, { 4, 4, 4 },    0,  0, 0 },
    { 10241, { 4, 4, 4 },    0,  0, 0 },
    {  8195, { 4, 4, 4 },    0,  0, 0 },
    {  8198, { 4, 4, 4 },    0,  0, 0 },
    { 10246, { 4, 4, 4 },    0,  0, 0 },
    {   256, { 4, 4, 4 },    0,  0, 0 },
    { 0xFFFF, { 0, 0, 0 }, 0, 0, 0 },   // terminator
};
static_assert(std::size(PUNCH_PAPER_TABLE) == 61 && std::end(PUNCH_PAPER_TABLE)[-1].wPaper == kFinishingTableEnd);

// The fold code decides what folding excludes on a paper: 3, folding itself.
static constexpr FOLD_PAPER_ROW FOLD_PAPER_TABLE[] = {
//   paper   1-4  7   cond val chain
    {     8, { 1, 3 },    0,  0, 0 },
    {     9, { 0, 1 },    0,  0, 0 },
    {  2057, { 0, 1 },    0,  0, 0 },
    {    11, { 2, 2 },    0,  0, 0 },
    {  2059, { 2, 2 },    0,  0, 0 },
    {    12, { 1, 3 },    0,  0, 0 },
    {    13, { 2, 3 },    0,  0, 0 },
    {  2061, { 2, 3 },    0,  0, 0 },
    {    88, { 3, 3 },    0,  0, 0 },
    {     1, { 0, 1 },    0,  0, 0 },
    {  2049, { 0, 1 },    0,  0, 0 },
    {    43, { 3, 3 },    0,  0, 0 },
    {     3, { 1, 3 },    0,  0, 0 },
    {     5, { 1, 3 },    0,  0, 0 },
    {     6, { 2, 2 },    0,  0, 0 },
    {  2054, { 2, 2 },    0,  0, 0 },
    {  1033, { 3, 3 },    0,  0, 0 },
    {  1025, { 3, 3 },    0,  0, 0 },
    {    70, { 3, 3 },    0,  0, 0 },
    {   263, { 3, 3 },    0,  0, 0 },
    {   261, { 1, 3 },    0,  0, 0 },
    {   262, { 2, 3 },    0,  0, 0 },
    {  2310, { 2, 3 },    0,  0, 0 },
    {  4104, { 1, 3 },    0,  0, 0 },
    {  4105, { 0, 1 },    0,  0, 0 },
    {  6153, { 0, 1 },    0,  0, 0 },
    {  4107, { 2, 2 },    0,  0, 0 },
    {  6155, { 2, 2 },    0,  0, 0 },
    {  4108, { 1, 3 },    0,  0, 0 },
    {  4109, { 2, 3 },    0,  0, 0 },
    {  6157, { 2, 3 },    0,  0, 0 },
    {  4184, { 3, 3 },    0,  0, 0 },
    {  4097, { 0, 1 },    0,  0, 0 },
    {  6145, { 0, 1 },    0,  0, 0 },
    {  4139, { 3, 3 },    0,  0, 0 },
    {  4099, { 1, 3 },    0,  0, 0 },
    {  4101, { 1, 3 },    0,  0, 0 },
    {  4102, { 2, 2 },    0,  0, 0 },
    {  6150, { 2, 2 },    0,  0, 0 },
    {  5129, { 3, 3 },    0,  0, 0 },
    {  5121, { 3, 3 },    0,  0, 0 },
    {  4166, { 3, 3 },    0,  0, 0 },
    {  4359, { 3, 3 },    0,  0, 0 },
    {  4357, { 1, 3 },    0,  0, 0 },
    {  4358, { 2, 3 },    0,  0, 0 },
    {  6406, { 2, 3 },    0,  0, 0 },
    {  8200, { 1, 3 },    0,  0, 0 },
    {  8201, { 0, 3 },    0,  0, 0 },
    { 10249, { 0, 3 },    0,  0, 0 },
    {  8203, { 2, 3 },    0,  0, 0 },
    { 10251, { 2, 3 },    0,  0, 0 },
    {  8204, { 1, 3 },    0,  0, 0 },
    {  8205, { 2, 3 },    0,  0, 0 },
    { 10253, { 2, 3 },    0,  0, 0 },
    {  8193, { 0, 3 },    0,  0, 0 },
    { 10241, { 0, 3 },    0,  0, 0 },
    {  8195, { 1, 3 },    0,  0, 0 },
    {  8198, { 2, 3 },    0,  0, 0 },
    { 10246, { 2, 3 },    0,  0, 0 },
    {   256, { 3, 3 },    0,  0, 0 },
    { 0xFFFF, { 0, 0 }, 0, 0, 0 },   // terminator
};
static_assert(std::size(FOLD_PAPER_TABLE) == 61 && std::end(FOLD_PAPER_TABLE)[-1].wPaper == kFinishingTableEnd);

// Layout codes: 1 where the paper takes no one sheet per two pages (queries 4 and 5) or no booklet (6).
static constexpr LAYOUT_PAPER_ROW LAYOUT_PAPER_TABLE[] = {
//   paper    4  5  6  7    cond val chain
    {     8, { 1, 1, 1, 0 },    0,  0, 0 },
    {     9, { 0, 0, 0, 0 },    0,  0, 0 },
    {  2057, { 0, 0, 0, 0 },    0,  0, 0 },
    {    11, { 0, 0, 0, 0 },    0,  0, 0 },
    {  2059, { 0, 0, 0, 0 },    0,  0, 0 },
    {    12, { 1, 1, 1, 0 },    0,  0, 0 },
    {    13, { 0, 0, 0, 0 },    0,  0, 0 },
    {  2061, { 0, 0, 0, 0 },    0,  0, 0 },
    {    88, { 1, 1, 1, 0 },    0,  0, 0 },
    {     1, { 0, 0, 0, 0 },    0,  0, 0 },
    {  2049, { 0, 0, 0, 0 },    0,  0, 0 },
    {    43, { 1, 1, 1, 0 },    0,  0, 0 },
    {     3, { 1, 1, 1, 0 },    0,  0, 0 },
    {     5, { 1, 1, 1, 0 },    0,  0, 0 },
    {     6, { 0, 0, 0, 0 },    0,  0, 0 },
    {  2054, { 0, 0, 0, 0 },    0,  0, 0 },
    {  1033, { 1, 1, 1, 0 },    0,  0, 0 },
    {  1025, { 1, 1, 1, 0 },    0,  0, 0 },
    {    70, { 1, 1, 1, 0 },    0,  0, 0 },
    {   263, { 1, 1, 1, 0 },    0,  0, 0 },
    {   261, { 1, 1, 1, 0 },    0,  0, 0 },
    {   262, { 1, 1, 1, 0 },    0,  0, 0 },
    {  2310, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4104, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4105, { 0, 0, 0, 0 },    0,  0, 0 },
    {  6153, { 0, 0, 0, 0 },    0,  0, 0 },
    {  4107, { 0, 0, 0, 0 },    0,  0, 0 },
    {  6155, { 0, 0, 0, 0 },    0,  0, 0 },
    {  4108, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4109, { 0, 0, 0, 0 },    0,  0, 0 },
    {  6157, { 0, 0, 0, 0 },    0,  0, 0 },
    {  4184, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4097, { 0, 0, 0, 0 },    0,  0, 0 },
    {  6145, { 0, 0, 0, 0 },    0,  0, 0 },
    {  4139, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4099, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4101, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4102, { 0, 0, 0, 0 },    0,  0, 0 },
    {  6150, { 0, 0, 0, 0 },    0,  0, 0 },
    {  5129, { 1, 1, 1, 0 },    0,  0, 0 },
    {  5121, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4166, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4359, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4357, { 1, 1, 1, 0 },    0,  0, 0 },
    {  4358, { 1, 1, 1, 0 },    0,  0, 0 },
    {  6406, { 1, 1, 1, 0 },    0,  0, 0 },
    {  8200, { 1, 1, 1, 0 },    0,  0, 0 },
    {  8201, { 0, 0, 0, 0 },    0,  0, 0 },
    { 10249, { 0, 0, 0, 0 },    0,  0, 0 },
    {  8203, { 0, 0, 0, 0 },    0,  0, 0 },
    { 10251, { 0, 0, 0, 0 },    0,  0, 0 },
    {  8204, { 1, 1, 1, 0 },    0,  0, 0 },
    {  8205, { 0, 0, 0, 0 },    0,  0, 0 },
    { 10253, { 0, 0, 0, 0 },    0,  0, 0 },
    {  8193, { 0, 0, 0, 0 },    0,  0, 0 },
    { 10241, { 0, 0, 0, 0 },    0,  0, 0 },
    {  8195, { 1, 1, 1, 0 },    0,  0, 0 },
    {  8198, { 0, 0, 0, 0 },    0,  0, 0 },
    { 10246, { 0, 0, 0, 0 },    0,  0, 0 },
    {   256, { 1, 1, 1, 0 },    0,  0, 0 },
    { 0xFFFF, { 0, 0, 0, 0 }, 0, 0, 0 },   // terminator
};
static_assert(std::size(LAYOUT_PAPER_TABLE) == 61 && std::end(LAYOUT_PAPER_TABLE)[-1].wPaper == kFinishingTableEnd);

// The columns the queries choose.
constexpr int kNoColumn = -1;
constexpr WORD kFirstLayoutQuery = 4;
constexpr WORD kLastLayoutQuery = 7;

template <int N>
static bool RowConditionHolds(const FINISHING_PAPER_ROW<N>& row)
{
    return row.wCondition == 0 || GetItemValue(row.wCondition) == row.wConditionValue;
}

// The code in the column of the first row that applies to the paper: a row of the paper (or of no paper of
// its own, below a row of it) that holds no condition, holds its condition, or opens a chain whose rows all
// hold theirs. A chain that does not hold is passed over whole; one that never closes does not hold.
template <int N>
static WORD FindPaperCode(const FINISHING_PAPER_ROW<N>* pRows, WORD count, WORD wPaper, int column)
{
    if (column < 0 || column >= N)
        return 0;
    wPaper = CanonicalPaperId(wPaper);          // never kFinishingTableEnd
    WORD rowPaper = kFinishingTableEnd;         // rows before the first named one belong to no paper
    for (WORD i = 0; i < count; ++i) {
        const FINISHING_PAPER_ROW<N>& row = pRows[i];
        if (row.wPaper != 0)
            rowPaper = row.wPaper;
        if (rowPaper != wPaper)
            continue;
        const WORD code = row.wCodes[column];
        if (row.wCondition == 0)
            return code;
        if (row.wChain == kChainFirst) {
            bool holds = true;
            bool closed = false;
            WORD last = i;
            for (WORD j = i; j < count; ++j) {
                last = j;
                if (!RowConditionHolds(pRows[j]))
                    holds = false;
                if (j > i && pRows[j].wChain == kChainLast) {
                    closed = true;
                    break;
                }
            }
            if (holds && closed)
                return code;
            // Rows inside the chain that name another paper still set the paper of the rows after them.
            for (WORD j = i + 1; j <= last; ++j)
                if (pRows[j].wPaper != 0)
                    rowPaper = pRows[j].wPaper;
            i = last;
            continue;
        }
        if (RowConditionHolds(row))
            return code;
    }
    return 0;
}

// The punch column: the hole count of the punch settings.
static int PunchColumn(const UI_STATE* pState)
{
    if (pState == nullptr)
        return kNoColumn;
    const ITEM_LIST* pHoles = pState->lpPunchHoles;
    if (pHoles == nullptr)
        return kNoColumn;
    const WORD holes = pHoles->wCurrent;
    return holes >= 2 && holes <= 4 ? holes - 2 : kNoColumn;
}

// The fold column: kinds 1 to 4 share the first, kind 7 has the second; other kinds have none.
static int FoldColumn(WORD wFoldKind)
{
    if (wFoldKind >= 1 && wFoldKind <= 4)
        return 0;
    return wFoldKind == 7 ? 1 : kNoColumn;
}

static WORD LookUpFinishingCode(UI_STATE* pState, WORD wPaper, int table, WORD wFoldKind)
{
    const UI_TABLE_COUNTS& counts = GetUiTableCounts();
    switch (table) {
    case kStapleTable:
        return FindPaperCode(GetStaplePaperRows(), counts.wStaplePapers, wPaper, 0);
    case kPunchTable:
        return FindPaperCode(GetPunchPaperRows(), counts.wPunchPapers, wPaper, PunchColumn(pState));
    case kFoldTable:
        return FindPaperCode(GetFoldPaperRows(), counts.wFoldPapers, wPaper, FoldColumn(wFoldKind));
    default:
        return 0;
    }
}

WORD GetFinishingPaperCode(UI_STATE* pState, WORD wPaper, int table)
{
    return LookUpFinishingCode(pState, wPaper, table, GetItemValue(kIdFoldKind));
}

WORD GetFinishingPaperCode(UI_STATE* pState, WORD wPaper, int table, WORD wCandidateControl, WORD wCandidateItem)
{
    const bool foldKindCandidate = wCandidateControl == kIdFoldKind || wCandidateControl == kIdLayoutFoldKind;
    const WORD foldKind = foldKindCandidate ? GetItemOptionValue(wCandidateControl, wCandidateItem)
                                            : GetItemValue(kIdFoldKind);
    return LookUpFinishingCode(pState, wPaper, table, foldKind);
}

WORD GetLayoutPaperCode(UI_STATE* /*pState*/, WORD wPaper, int query)
{
    if (query < kFirstLayoutQuery || query > kLastLayoutQuery)
        return 0;
    return FindPaperCode(GetLayoutPaperRows(), GetUiTableCounts().wLayoutPapers, wPaper, query - kFirstLayoutQuery);
}

static constexpr FINISHING_PAPER_TABLES kProductTables = {
    STAPLE_PAPER_TABLE, PUNCH_PAPER_TABLE, FOLD_PAPER_TABLE, LAYOUT_PAPER_TABLE,
};
static const FINISHING_PAPER_TABLES* g_pTables = &kProductTables;

void UseFinishingPaperTables(const FINISHING_PAPER_TABLES* pTables)
{
    g_pTables = pTables != nullptr ? pTables : &kProductTables;
}

const STAPLE_PAPER_ROW* GetStaplePaperRows()
{
    return g_pTables->pStaple;
}

const PUNCH_PAPER_ROW* GetPunchPaperRows()
{
    return g_pTables->pPunch;
}

const FOLD_PAPER_ROW* GetFoldPaperRows()
{
    return g_pTables->pFold;
}

const LAYOUT_PAPER_ROW* GetLayoutPaperRows()
{
    return g_pTables->pLayout;
}

template <int N>
static WORD CountPaperRows(const FINISHING_PAPER_ROW<N>* pRows)
{
    return static_cast<WORD>(
        CountTableRows(pRows, [](const FINISHING_PAPER_ROW<N>& row) { return row.wPaper == kFinishingTableEnd; }));
}

WORD CountStaplePaperRows()
{
    return CountPaperRows(GetStaplePaperRows());
}

WORD CountPunchPaperRows()
{
    return CountPaperRows(GetPunchPaperRows());
}

WORD CountFoldPaperRows()
{
    return CountPaperRows(GetFoldPaperRows());
}

WORD CountLayoutPaperRows()
{
    return CountPaperRows(GetLayoutPaperRows());
}
