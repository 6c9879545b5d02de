#pragma once
// paper_queries.h - sizes, names and twins of the papers in the paper table. An id the table does not hold
// leaves the outputs of a size query untouched and gives null for a name or text and -1 for a twin.

#include "win/windows.h"

// The largest width and the largest length over the rows, each taken on its own, as the rows hold them.
void GetMaxPaperSize(DWORD* width, DWORD* length);

// Size in 1/100 mm. A user-defined size is first rounded up to whole millimetres. A dimension of 0 reads
// 10000, so that no caller divides by it.
void GetPaperSize(SHORT paperId, DWORD* width, DWORD* length);

// As GetPaperSize, but a user-defined size is converted exactly (thousandths of an inch x 254 / 100).
void GetExactPaperSize(SHORT paperId, DWORD* width, DWORD* length);

// A user-defined size in its stored thousandths of an inch; any other paper in whole millimetres (the
// table's 1/100 mm / 100). A dimension of 0 reads 100.
void GetPaperSizeInch(SHORT paperId, DWORD* width, DWORD* length);

// The row's display name (at most 31 characters) and size text; null for an unknown id. The texts stay
// where they are: they change in place when names are loaded or user-defined sizes change.
LPCWSTR GetPaperName(SHORT paperId);
LPCWSTR GetPaperSizeText(SHORT paperId);

// Loads every row's display name from its resource string, cut to 31 characters. The caller holds a
// reference on the resource strings (InitResStrings); without one the names come out empty.
void LoadPaperNames();

// Whether the id stands among the rotated ids / the plain ids of the rotation pairs.
BOOL IsRotatedPaper(SHORT paperId);
BOOL HasRotatedPaper(SHORT paperId);
// The plain twin of a rotated id / the rotated twin of a plain id; -1 when the id has none.
SHORT GetPlainPaperId(SHORT rotatedId);
SHORT GetRotatedPaperId(SHORT plainId);

// Puts one user-defined size into its row: width and length in thousandths of an inch, and its name as the
// row's display name. FALSE, changing nothing, for an id that is not a user-defined size.
BOOL SetCustomPaperRow(SHORT paperId, DWORD width, DWORD length, LPCWSTR name);

// Rewrites the size text of a user-defined row from its width and length in the given display unit
// (FormatCustomSizeText). FALSE, changing nothing, for an id that is not a user-defined size.
BOOL FormatCustomPaperRowText(SHORT paperId, WORD unit);
