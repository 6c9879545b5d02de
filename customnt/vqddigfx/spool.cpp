// spool.cpp - writing the spool file and keeping its index of sections.
// A page is complete once its tail has begun; its head, body and tail are each one contiguous stretch of the
// file. The index lives only in memory: the file holds the bytes in the order written.
#include "customnt/vqddigfx/spool.h"
#include "settings/base/global_memory.h"

namespace {

constexpr WCHAR kSpoolPrefix[] = u"spl";

// Notes cb bytes written at position into a section: its offset is taken at its first byte.
void Record(LONG& offset, LONG& length, DWORD position, WORD cb)
{
    if (length == 0)
        offset = static_cast<LONG>(position);
    length += cb;
}

SPOOL_PAGE_NODE* NewNode()
{
    return static_cast<SPOOL_PAGE_NODE*>(AllocLockedBlock(sizeof(SPOOL_PAGE_NODE)));
}

} // namespace

SPOOL_STATE* CreateTempFileStream(HANDLE hUserData, WORD wMode, WORD wRepeatCount, PFN_STREAM_WRITE pfnWrite)
{
    auto* pState = static_cast<SPOOL_STATE*>(AllocLockedBlock(sizeof(SPOOL_STATE)));
    if (pState == nullptr)
        return nullptr;
    pState->hUserData = hUserData;
    pState->wMode = wMode;
    pState->pfnWrite = pfnWrite;
    pState->hFile = INVALID_HANDLE_VALUE;
    if (wMode == kStreamDirect)
        return pState;
    pState->lHeaderOffset = -1;
    pState->wCurrentKind = kSectionHeader;
    pState->wRepeatCount = wRepeatCount;
    pState->pFirstPage = NewNode();
    pState->pCurrentPage = pState->pFirstPage;
    WCHAR szTempDir[260] = {};
    const DWORD cchDir = GetTempPathW(260, szTempDir);
    if (pState->pFirstPage == nullptr || cchDir == 0 || cchDir >= 260 ||
        GetTempFileNameW(szTempDir, kSpoolPrefix, 0, pState->szTempName) == 0) {
        FreeLockedBlock(pState->pFirstPage);
        FreeLockedBlock(pState);
        return nullptr;
    }
    pState->hFile = CreateFileW(pState->szTempName, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (pState->hFile == INVALID_HANDLE_VALUE) {
        DeleteFileW(pState->szTempName);
        FreeLockedBlock(pState->pFirstPage);
        FreeLockedBlock(pState);
        return nullptr;
    }
    return pState;
}

void SpoolSetSection(SPOOL_STATE* pState, WORD wKind)
{
    pState->wPreviousKind = pState->wCurrentKind;
    pState->wCurrentKind = wKind;
}

SHORT SpoolWrite(SPOOL_STATE* pState, const BYTE* pData, WORD cb)
{
    if (pData == nullptr || cb == 0)
        return kSpoolNothing;
    if (pState->wMode == kStreamDirect) {
        DWORD cbWritten = 0;
        // A printer that refuses the bytes fails the write: the job would otherwise go on without them.
        if (!pState->pfnWrite(pState->hUserData, const_cast<BYTE*>(pData), cb, &cbWritten) || cbWritten != cb)
            return kSpoolShortWrite;
        return static_cast<SHORT>(cb);
    }
    DWORD cbWritten = 0;
    if (!WriteFile(pState->hFile, pData, cb, &cbWritten, nullptr) || cbWritten != cb) {
        SpoolClose(pState);
        return kSpoolShortWrite;
    }
    SPOOL_PAGE_NODE* pNode = pState->pCurrentPage;
    switch (pState->wCurrentKind) {
    case kSectionHeader:
        if (pState->lHeaderOffset == -1)
            pState->lHeaderOffset = static_cast<LONG>(pState->dwPosition);
        pState->lHeaderLength += cb;
        break;
    case kSectionPageHead:
        Record(pNode->lHeadOffset, pNode->lHeadLength, pState->dwPosition, cb);
        break;
    case kSectionPageBody:
        Record(pNode->lBodyOffset, pNode->lBodyLength, pState->dwPosition, cb);
        break;
    case kSectionPageTail:
        // A tail goes on in the page it began in, which is no longer the current node.
        if (pState->wPreviousKind == kSectionPageTail && pNode->pBack != nullptr)
            pNode = pNode->pBack;
        Record(pNode->lTailOffset, pNode->lTailLength, pState->dwPosition, cb);
        break;
    case kSectionTrailer:
        Record(pState->lTrailerOffset, pState->lTrailerLength, pState->dwPosition, cb);
        break;
    default:
        break;
    }
    pState->dwPosition += cb;

    if (pState->wCurrentKind == kSectionPageTail && pState->wPreviousKind != kSectionPageTail) {
        SPOOL_PAGE_NODE* pNext = NewNode();
        if (pNext == nullptr)
            return kSpoolNoMemory;
        pState->pCurrentPage->pForward = pNext;
        pNext->pBack = pState->pCurrentPage;
        pState->pCurrentPage = pNext;
        ++pState->cCompletedPages;
        pState->wPreviousKind = kSectionPageTail;
    } else if (pState->wCurrentKind == kSectionTrailer && pState->wPreviousKind != kSectionTrailer) {
        // The empty node after the last page goes; a job without pages keeps its only, empty node.
        SPOOL_PAGE_NODE* pEmpty = pState->pCurrentPage;
        if (pEmpty->pBack != nullptr) {
            pState->pCurrentPage = pEmpty->pBack;
            pState->pCurrentPage->pForward = nullptr;
            FreeLockedBlock(pEmpty);
        }
        pState->wPreviousKind = kSectionTrailer;
    }
    return static_cast<SHORT>(cb);
}

void SpoolClose(SPOOL_STATE* pState)
{
    if (pState == nullptr)
        return;
    if (pState->wMode != kStreamDirect) {
        SPOOL_PAGE_NODE* pNode = pState->pCurrentPage;
        while (pNode != nullptr) {
            SPOOL_PAGE_NODE* pBack = pNode->pBack;
            FreeLockedBlock(pNode);
            pNode = pBack;
        }
        if (pState->hFile != INVALID_HANDLE_VALUE)
            CloseHandle(pState->hFile);
        DeleteFileW(pState->szTempName);
    }
    FreeLockedBlock(pState);
}
