// paper_rules.cpp - the doubled papers and the short-edge papers.
#include "ui/core/paper_rules.h"

#include "settings/paper/table_rows.h"

#include <algorithm>
#include <array>

// The same pairs for both one-sheet modes: a paper and the paper that holds two of it.
static constexpr std::array<std::pair<WORD, WORD>, 42> kDoubledPairs = { {
    { 9, 8 },       { 2057, 8 },     { 11, 2057 },    { 2059, 2057 },  { 70, 2059 },    { 13, 12 },
    { 2061, 12 },   { 88, 2061 },    { 1, 3 },        { 2049, 3 },     { 6, 2049 },     { 2054, 2049 },
    { 262, 261 },   { 2310, 261 },   { 4105, 4104 },  { 6153, 4104 },  { 4107, 6153 },  { 6155, 6153 },
    { 4166, 6155 }, { 4109, 4108 },  { 6157, 4108 },  { 4184, 6157 },  { 4097, 4099 },  { 6145, 4099 },
    { 4102, 6145 }, { 6150, 6145 },  { 4358, 4357 },  { 6406, 4357 },  { 8201, 8200 },  { 10249, 8200 },
    { 8203, 10249 },{ 10251, 10249 },{ 8262, 10251 }, { 8205, 8204 },  { 10253, 8204 }, { 8280, 10253 },
    { 8193, 8195 }, { 10241, 8195 }, { 8198, 10241 }, { 10246, 10241 },{ 8454, 8453 },  { 10502, 8453 },
} };

static constexpr auto kDoubledPaperRows = [] {
    std::array<DOUBLED_PAPER_ROW, 2 * kDoubledPairs.size() + 1> rows {};
    for (std::size_t mode = 0; mode < 2; ++mode) {
        for (std::size_t i = 0; i < kDoubledPairs.size(); ++i) {
            rows[mode * kDoubledPairs.size() + i] = { static_cast<WORD>(mode + 1), kDoubledPairs[i].first,
                                                      kDoubledPairs[i].second };
        }
    }
    return rows;   // the last row stays zero: the terminator
}();

static constexpr WORD kShortEdgePapers[] = {
    8,    2057, 2059, 70,    12,    2061,  88,   2049, 43,   3,    5,    2054, 263,   261,   2310, 4104,
    6153, 6155, 4166, 4108,  6157,  4184,  6145, 4139, 4099, 4101, 6150, 4359, 4357,  6406,  8200, 10249,
    10251, 8262, 8204, 10253, 8280, 10241, 8235, 8195, 8197, 10246, 8455, 8453, 10502, 256,  0,
};

WORD CanonicalPaperId(WORD wPaper)
{
    return (wPaper & kUserSizeBit) != 0 ? static_cast<WORD>(DMPAPER_USER) : wPaper;
}

WORD GetDoubledPaper(WORD wMode, WORD wPaper)
{
    for (const DOUBLED_PAPER_ROW* pRow = kDoubledPaperRows.data(); pRow->wMode != 0; ++pRow) {
        if (pRow->wMode == wMode && pRow->wPaper == wPaper)
            return pRow->wDoubled;
    }
    return wPaper;
}

BOOL IsShortEdgePaper(WORD wPaper)
{
    for (const WORD* p = kShortEdgePapers; *p != 0; ++p) {
        if (*p == wPaper)
            return TRUE;
    }
    return FALSE;
}

const DOUBLED_PAPER_ROW* GetDoubledPaperRows()
{
    return kDoubledPaperRows.data();
}

WORD CountDoubledPaperRows()
{
    return static_cast<WORD>(
        CountTableRows(kDoubledPaperRows.data(), [](const DOUBLED_PAPER_ROW& row) { return row.wMode == 0; }));
}
