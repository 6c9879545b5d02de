#pragma once
// feature_query.h - the one way to ask the option tables about a feature: its options, their names and
// values, its default, its range, and for papers their sizes and printable areas. Option names are loaded
// from the resource library held by the caller's cell each time they are asked for.

#include "settings/paper/option_table.h"
#include "settings/paper/paper_option_table.h"
#include "settings/paper/range_option_table.h"
#include "settings/strings/res_library.h"

// What a query asks. Values are the query codes other parts of the driver pass on.
enum class FeatureQuery : int {
    OptionCount = 1,           // number of options (1 for a range)
    AllNames = 2,              // every option's name into slots of `size` characters; returns count x size
    OptionName = 3,            // name of option `index` (at most size - 1 characters); returns its length
    DefaultName = 4,           // name of the default option
    AllValues = 5,             // every value: DWORD entries, or WORD entries when size is 2; returns 0
    OptionValue = 6,           // value of option `index`; also stored as a DWORD when out is given
    DefaultValue = 7,          // value of the default option, or a range's default; also stored when out is given
    Minimum = 8,               // a range's minimum; also stored when out is given
    Maximum = 9,               // a range's maximum
    Step = 10,                 // a range's step
    AllSizes = 14,             // papers: width and length of every option (DWORD pairs); returns the count
    OptionSize = 15,           // papers: width and length of option `index`; returns the index
    DefaultSize = 16,          // papers: as OptionSize for the default; returns the default's index
    AllPrintableAreas = 17,    // papers: left, top, right, bottom of every option; returns the count
    PrintableArea = 18,        // papers: printable area of option `index`; returns the index
    DefaultPrintableArea = 19, // papers: as PrintableArea for the default
};

// Which table holds a feature; the numbers are those other parts of the driver know the tables by.
enum class OptionTable : int {
    None = 0,
    Option = 1,
    Paper = 2,
    Range = 3,
};

// Where a feature's rows start: the pointer of its table is set, the others are null.
struct FEATURE_ROWS {
    const OPTION_ROW* pOption;
    const PAPER_OPTION_ROW* pPaper;
    const RANGE_OPTION_ROW* pRange;
};

// Finds the feature in the option table, then the paper option table, then the range table; fills rows and
// answers the table, or OptionTable::None (rows all null) when no table holds it.
OptionTable FindFeatureOptions(WORD wFeature, FEATURE_ROWS* pRows);

// The number of consecutive rows of the feature found by FindFeatureOptions (1 for a range), and, when
// pDefaultIndex is given, the index of its default row (0 for a range or when no row is marked).
WORD CountFeatureOptions(const FEATURE_ROWS& rows, WORD* pDefaultIndex);

// Answers query about the feature. 0 for a null cell or one whose library did not load, a feature in no
// table, a query code that does not exist, a missing out for a query that writes into it, a table the query
// does not apply to, or an index at or beyond the option count (out then stays untouched).
LONG QueryFeatureOptions(const RES_MODULE_CELL* pCell, WORD wFeature, FeatureQuery query, void* pOut,
                         WORD wIndex, WORD wSize);

// QueryFeatureOptions behind a test of the cell.
LONG QueryFeature(const RES_MODULE_CELL* pCell, WORD wFeature, FeatureQuery query, void* pOut, WORD wIndex,
                  WORD wSize);

// The feature's default value (FeatureQuery::DefaultValue); 0 for a feature in no table.
LONG GetFeatureDefault(const RES_MODULE_CELL* pCell, WORD wFeature);
