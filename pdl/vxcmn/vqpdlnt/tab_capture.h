#pragma once
// tab_capture.h - the tab texts of index-tab sheets. The interface module draws each tab text with ordinary
// GDI calls between two escapes; the writer's output meanwhile goes into a capture buffer instead of the job,
// and is then kept in a tab record as that tab's first or second version (one per orientation of the sheet).
// The page setup replays a version onto the tab sheet when the plan puts one into the job.

#include "customnt/vqddigfx/pdev.h"

constexpr LONG kMaxTabRecords = 128;
constexpr DWORD kMaxTabTextPiece = 65535;   // the largest piece written to the output at once

#pragma pack(push, 1)
struct TAB_RECORD {               // 20 bytes
    LONG  lKey;                   // 0    the tab number the interface module gave it
    DWORD cbVersion1;             // 4
    DWORD cbVersion2;             // 8
    BYTE* pVersion1;              // 12   job blocks; null when the version is empty
    BYTE* pVersion2;              // 16
};
#pragma pack(pop)
static_assert(sizeof(TAB_RECORD) == 20);
static_assert(offsetof(TAB_RECORD, cbVersion1) == 4);
static_assert(offsetof(TAB_RECORD, cbVersion2) == 8);
static_assert(offsetof(TAB_RECORD, pVersion1) == 12);
static_assert(offsetof(TAB_RECORD, pVersion2) == 16);

// Makes count (1 to 128) zeroed tab records and the capture buffer, the current record the first. FALSE,
// changing nothing, for a count out of range, while records exist, or when memory is short.
BOOL CreateTabRecords(PDEV* pdev, LONG count);

// Frees the capture buffer, both versions of every tab record and the records; capture is off.
void FreeTabCaptures(PDEV* pdev);

// Moves the tab records, their versions and the capture buffer from the old PDEV's allocation list to the
// new one's, whose context holds a copy of the old one's fields.
void MoveTabCaptures(PDEV* pOld, PDEV* pNew);

// Starts or ends the capture. Either way the writer forgets what it told the printer (colours, font, clip):
// the captured commands are replayed on another sheet, and the printer never saw them on this one.
void StartTabTextCapture(PDEV* pdev);
void StopTabTextCapture(PDEV* pdev);

// Keeps bytes the writer produced while the capture is on. A chunk that would pass the buffer's 307,200 bytes
// is dropped and spoils the whole capture: the next StoreTabVersion keeps nothing of it.
void CaptureTabText(PDEV* pdev, const BYTE* pData, WORD cb);

// Moves the captured bytes into the current record as its version (1 or 2), freeing the version held before,
// and empties the capture. A spoilt or empty capture leaves the version empty. FALSE, changing nothing, without
// records or a current record, or when memory is short.
BOOL StoreTabVersion(PDEV* pdev, int version);

// Sets the current record's key. FALSE without records or a current record.
BOOL SetTabKey(PDEV* pdev, LONG key);

// Moves to the next record while one is left.
void NextTabRecord(PDEV* pdev);

// Whether a tab record with the key exists / writes its version 1 (version 1) or 2 (any other) into the output
// in pieces of at most 65,535 bytes; nothing when no record has the key.
BOOL HasTabTextForPage(PDEV* pdev, int key);
void WriteTabTextForPage(PDEV* pdev, int version, int key);
