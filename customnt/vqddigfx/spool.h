#pragma once
// spool.h - the spool file: a job written to a temporary file while an index of its sections is kept in
// memory (the job header, per page a head, a body and a tail, then the trailer), and replayed to the printer
// at the end of the document forward, in reverse or in booklet order.

#include "win/windows.h"

typedef BOOL (*PFN_STREAM_WRITE)(HANDLE hUserData, LPVOID pData, DWORD cb, LPDWORD pcbWritten);

// Stream modes.
constexpr WORD kStreamDirect = 1;
constexpr WORD kStreamForward = 2;
constexpr WORD kStreamReverse = 3;
constexpr WORD kStreamBooklet = 4;

// Section kinds.
constexpr WORD kSectionHeader = 1;
constexpr WORD kSectionPageHead = 2;
constexpr WORD kSectionPageBody = 3;
constexpr WORD kSectionPageTail = 4;
constexpr WORD kSectionTrailer = 5;

// Spool results are 16-bit values; these are the failures.
constexpr SHORT kSpoolNothing = -1;      // nothing to write, or a page index beyond the pages
constexpr SHORT kSpoolShortWrite = -4;   // the spool file or the printer took fewer bytes than given
constexpr SHORT kSpoolNoMemory = -5;

// Replay flags.
constexpr DWORD kReplayWholePage = 0x04;
constexpr DWORD kReplayHeader = 0x08;
constexpr DWORD kReplayPageHead = 0x10;
constexpr DWORD kReplayPageTail = 0x20;
constexpr DWORD kReplayTrailer = 0x40;
constexpr DWORD kReplayNoHeader = 0x10000;
constexpr DWORD kReplayNoTrailer = 0x20000;
constexpr DWORD kReplayNoPageTail = 0x40000;
constexpr DWORD kReplayNoPageHead = 0x80000;

constexpr DWORD kReplayPiece = 0x7FFF;

struct SPOOL_PAGE_NODE {
    LONG lHeadOffset;
    LONG lHeadLength;
    LONG lBodyOffset;
    LONG lBodyLength;
    LONG lTailOffset;
    LONG lTailLength;
    SPOOL_PAGE_NODE* pBack;
    SPOOL_PAGE_NODE* pForward;
};

struct SPOOL_STATE {
    HANDLE hUserData;                        // what the write function writes to
    WCHAR szTempName[260];                   // the spool file ("spl" temporary file)
    HANDLE hFile;
    DWORD dwPosition;                        // bytes written to the spool file so far
    DWORD cCompletedPages;
    LONG lHeaderOffset;                      // -1 until the first header byte
    LONG lHeaderLength;
    LONG lTrailerOffset;
    LONG lTrailerLength;
    SPOOL_PAGE_NODE* pFirstPage;
    SPOOL_PAGE_NODE* pCurrentPage;           // the page being written; after the last page an empty one
    WORD wPreviousKind;
    WORD wCurrentKind;
    WORD wMode;                              // kStream...
    WORD wRepeatCount;
    PFN_STREAM_WRITE pfnWrite;
};

// A spool state for the mode; for every mode but direct, also its first page node and a new "spl" temporary
// file. Null when memory or the file is missing (nothing is left behind).
SPOOL_STATE* CreateTempFileStream(HANDLE hUserData, WORD wMode, WORD wRepeatCount, PFN_STREAM_WRITE pfnWrite);

// Starts a section of the given kind.
void SpoolSetSection(SPOOL_STATE* pState, WORD wKind);

// Writes cb bytes (straight to the write function in direct mode, else to the spool file, indexed by the
// current section). cb, or kSpoolNothing for no data, kSpoolShortWrite for a failed write (a spooled stream
// is closed then, and the state freed), kSpoolNoMemory when the next page's node cannot be made.
SHORT SpoolWrite(SPOOL_STATE* pState, const BYTE* pData, WORD cb);

// Replays the spool file to the write function as the mode asks, repeat count times. 1, or the first
// negative result. Direct mode does nothing.
SHORT SpoolReplay(SPOOL_STATE* pState);

// Frees the page nodes, closes and deletes the spool file and frees the state; null is ignored.
void SpoolClose(SPOOL_STATE* pState);

// The replay helpers: pages are numbered from 1.
SHORT SpoolReplayForward(SPOOL_STATE* pState, DWORD first, DWORD last, DWORD flags);
SHORT SpoolReplayReverse(SPOOL_STATE* pState, DWORD first, DWORD last, DWORD flags);
SHORT SpoolReplayBooklet(SPOOL_STATE* pState);
SHORT SpoolReplaySection(SPOOL_STATE* pState, DWORD index, DWORD flags);
SHORT SpoolReplayPage(SPOOL_STATE* pState, const SPOOL_PAGE_NODE* pNode, DWORD flags, BYTE* pBuffer);
SHORT SpoolCopySection(SPOOL_STATE* pState, LONG length, BYTE* pBuffer);
