#pragma once
// page_list_text.h - page numbers to text and back ("2,4,6-10"), and the keyed text form of the page lists
// that saved-settings files keep (/C2,4,6-10/P7). Texts may come from a file as well as from the checked
// user interface: every reader is bounded by the text's terminator and by the room it is given.

#include "settings/pagelist/page_slots.h"

#include <cstddef>

// Token kinds of ReadPageToken: what ended the token.
constexpr WORD kPageTokenEnd = 1;      // the end of the text
constexpr WORD kPageTokenComma = 2;    // ","
constexpr WORD kPageTokenRange = 3;    // "-": the token starts a range

// Writes count pages (expected ascending) as text: a run of two or more consecutive numbers as "a-b", any
// other number alone, items separated by ","; equal or descending neighbours are separate items (5,5 and 3,2).
// Returns the text's length + 1; 0 for a null array or text, a count of 0 or less, or when the text would
// not fit in cchText characters (text is then empty when cchText allows).
SHORT PageNumbersToText(const WORD* pPages, SHORT count, WCHAR* pText, std::size_t cchText);

// Reads numbers separated by "," into at most max pages: each number is at most 4 characters (a fifth starts
// the next number), an empty one is skipped, and so is one that holds anything but digits. Returns the count;
// 0 for a null text or array or a max of 0 or less.
SHORT ParsePageNumbers(const WCHAR* pText, WORD* pPages, SHORT max);

// Reads the token at pText[position] up to "," or "-" or the end: *pKind says which ended it, *pValue is its
// number (its first 4 digits), or 0 when it is empty or holds anything but digits. Returns the characters
// consumed, the separator included; 0 for a null argument or a negative position.
SHORT ReadPageToken(const WCHAR* pText, SHORT position, WORD* pValue, WORD* pKind);

// Reads a list with ranges ("1,3-5"; "10-6" is 6..10; in "1-2-5" the last start wins, 2..5) into at most max
// pages, unsorted. An empty token before a separator stores 0; a range start without an end is dropped.
// Returns the count; 0 for a null argument or an empty text; -1 when the pages would pass max.
SHORT ParsePageRanges(const WCHAR* pText, WORD* pPages, SHORT max);

// The room in bytes that the keyed text form needs: over the key rows, 2 x the text length + 16.
UINT GetPageListTextSize();

// Fills the chapter and insert-sheet slots of the record from the keyed text form. A piece without a key
// before the first "/" is the chapter list; a "/" with an unknown key cuts off what follows it; a slot whose
// key is missing is cleared, and so is one whose piece holds more pages than the slot takes. The text is
// cut in place at every "/". FALSE, changing nothing, for a null argument.
BOOL ReadPageListsText(PAGE_SLOT_RECORD* pRecord, WCHAR* pText);

// Writes the keyed text form of the record: for each key in order whose slot holds pages, the key and the
// slot's page text. cchText should be GetPageListTextSize() / 2. FALSE, with an empty text, for a null
// argument or when the text does not fit.
BOOL WritePageListsText(const PAGE_SLOT_RECORD* pRecord, WCHAR* pText, std::size_t cchText);
