#pragma once
// paper_option_table.h - the paper option table: the papers a document may use, with their sizes and
// printable areas, once in 1/100 mm (feature 0) and once in dots at 300 dots per inch (feature 22), with the
// same paper ids in the same order. Read only through the feature query.

#include "settings/paper/option_table.h"

struct PAPER_OPTION_ROW {           // 36 bytes
    WORD  wFeature;                 // kOptionTableEnd ends the table
    WORD  idsName;                  // string id of the paper's name
    WORD  wPaperId;                 // the option value: the devmode's paper id
    WORD  wReserved;                // 0
    DWORD dwWidth;
    DWORD dwLength;
    DWORD dwLeft;                   // printable area
    DWORD dwTop;
    DWORD dwRight;
    DWORD dwBottom;
    DWORD dwDefault;                // 1 in exactly one row of each feature
};
static_assert(sizeof(PAPER_OPTION_ROW) == 36);

// The first row of the feature (its papers follow while the id stays the same); null when the table has none.
const PAPER_OPTION_ROW* FindPaperOptionRows(WORD wFeature);

// The number of rows before the terminator.
std::size_t CountPaperOptionRows();
