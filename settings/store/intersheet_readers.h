#pragma once
// intersheet_readers.h - one value of a named insert list, read straight from the user's stored settings for
// the printer, for the document events of a job. Each call reads the lists afresh and keeps nothing.

#include "settings/store/list_group_records.h"

// The entry count of list n (1..10) as stored, sign-extended: a damaged count is answered as it is, so that
// the caller can refuse it. 1; 0, output untouched, for a null name or output, a list outside 1..10, or when
// the lists cannot be read (memory, or the group disabled).
BOOL ReadInterSheetCount(LPCWSTR printerName, UINT listNumber, DWORD* count);

// A copy of entry index (from 0) of list n. 0, output untouched, also when the index is at or beyond the
// list's count or beyond the entries a list holds.
BOOL ReadInterSheetRecord(LPCWSTR printerName, UINT listNumber, UINT index, INTERSHEET_ENTRY* entry);

// A copy of the index-paper settings of list n.
BOOL ReadInterSheetIndexPaper(LPCWSTR printerName, UINT listNumber, INDEX_PAPER_SETTINGS* indexPaper);

// The mixed-duplex value of list n, sign-extended.
BOOL ReadInterSheetValue(LPCWSTR printerName, UINT listNumber, DWORD* mixplex);
