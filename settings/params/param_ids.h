#pragma once
// param_ids.h - the ids of the parameters that code names (rather than only the parameter table's rows):
// parameters with a data-block area of their own, and the insert-sheet and tab-paper values the sheet's store
// passes to and from a named insert list.

#include "win/windef.h"

constexpr WORD kPreviewModeParam = 100;
constexpr WORD kInterSheetListParam = 114;
constexpr WORD kTabPaperSizeParam = 184;
constexpr WORD kTabIndexNumParam = 185;
constexpr WORD kPrnTabIndexNoParam = 186;
constexpr WORD kTabTopMarginParam = 187;
constexpr WORD kTabBottomMarginParam = 188;
constexpr WORD kTabIndexSpaceParam = 189;
constexpr WORD kTabTextPositionParam = 190;
constexpr WORD kPrinterNameParam = 204;
constexpr WORD kInsertEntriesParam = 205;
constexpr WORD kInsertEditParam = 206;
