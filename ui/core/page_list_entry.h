#pragma once
// page_list_entry.h - the checks and messages of page numbers a user types on a page (2,4,6-10): the grammar
// of the text, the message for each fault, the page numbers entered twice, and the list of them shown.
// Typed text is untrusted: every reader is bounded by the length or count it is given.

#include "win/windows.h"

// Fault codes of ParsePageList, and the callers' own code for a list of too many page numbers.
constexpr int kPageListValid = 0;
constexpr int kPageListBadDigits = 1;      // a character other than digits, ',' and '-', or too long a number
constexpr int kPageListBadComma = 2;       // ',' first or right after a separator
constexpr int kPageListLeadingZero = 3;    // a number starting with 0
constexpr int kPageListBadHyphen = 4;      // '-' first, right after a separator, or a second '-' in a range
constexpr int kPageListTooMany = 5;

// 0 when the first length characters of text are a valid list with numbers of at most maxDigits digits, else
// the first fault's code. A trailing ',' or '-' is valid here. No text or a length below 1 is valid.
int ParsePageList(const WCHAR* text, int length, int maxDigits);

// Shows the message of a fault code in a box captioned by a string id. The kind is the caller's: 1 insert-sheet
// pages, 2 the count of chapter pages, 3 the entry of chapter pages or the count of cover pages, 4 a range
// while pages carry their own sides, 5 the entry of cover pages. 1 shown, 0 when its texts could not be
// allocated (no box).
int ShowPageListError(HWND hwnd, UINT captionId, int code, int kind);

// Each value that occurs more than once, once, in the order of first occurrence, into out (at most max).
// Returns the count.
int CollectDuplicateValues(const WORD* values, int count, WORD* out, int max);

// Appends the values to out as "1,2,3" (six or more: the first five, each followed by ',', then the "more
// follow" text). Never writes past room characters, terminator included: a piece (a number with its comma)
// that does not fit ends the list, and the closing text is appended only when it fits. 1, or 0 when values or
// out is null or room is below 1.
int FormatPageList(const WORD* values, int count, WCHAR* out, int room);

// Shows the page numbers entered twice, sorted, in a box captioned by a string id. 1 shown, 0 when its texts
// could not be allocated (no box).
int CheckPageListInput(HWND hwnd, UINT captionId, WORD* duplicates, int count);
