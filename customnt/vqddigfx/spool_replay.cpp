// spool_replay.cpp - replaying the spool file to the printer: forward, in reverse, or as a booklet, whose
// physical pages pair page i with page a - i + 1 (a the page count rounded up to a multiple of four).
#include "customnt/vqddigfx/spool.h"
#include "settings/base/global_memory.h"

namespace {

// The replay buffer: one piece of the spool file at a time.
class ReplayBuffer {
public:
    ReplayBuffer() : m_pBytes(static_cast<BYTE*>(AllocLockedBlock(kReplayPiece))) {}
    ~ReplayBuffer() { FreeLockedBlock(m_pBytes); }
    ReplayBuffer(const ReplayBuffer&) = delete;
    ReplayBuffer& operator=(const ReplayBuffer&) = delete;
    BYTE* get() const { return m_pBytes; }

private:
    BYTE* m_pBytes;
};

// Page number (from 1) of the completed pages; null beyond them.
const SPOOL_PAGE_NODE* FindPage(const SPOOL_STATE* pState, DWORD number)
{
    if (number == 0 || number > pState->cCompletedPages)
        return nullptr;
    const SPOOL_PAGE_NODE* pNode = pState->pFirstPage;
    for (DWORD i = 1; i < number && pNode != nullptr; ++i)
        pNode = pNode->pForward;
    return pNode;
}

// Copies a section found at offset; an empty section copies nothing and answers 0.
SHORT CopyAt(SPOOL_STATE* pState, LONG offset, LONG length, BYTE* pBuffer)
{
    if (length <= 0)
        return 0;
    if (SetFilePointer(pState->hFile, offset, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return kSpoolShortWrite;
    return SpoolCopySection(pState, length, pBuffer);
}

SHORT CopyHeader(SPOOL_STATE* pState, BYTE* pBuffer)
{
    return CopyAt(pState, pState->lHeaderOffset, pState->lHeaderLength, pBuffer);
}

SHORT CopyTrailer(SPOOL_STATE* pState, BYTE* pBuffer)
{
    return CopyAt(pState, pState->lTrailerOffset, pState->lTrailerLength, pBuffer);
}

// Keeps the last copy's result, and says whether the replay goes on.
bool Continue(SHORT copied, SHORT& result)
{
    result = copied;
    return copied >= 0;
}

} // namespace

SHORT SpoolCopySection(SPOOL_STATE* pState, LONG length, BYTE* pBuffer)
{
    SHORT result = 0;
    LONG remaining = length;
    while (remaining > 0) {
        const DWORD piece = remaining > static_cast<LONG>(kReplayPiece) ? kReplayPiece : static_cast<DWORD>(remaining);
        DWORD cbRead = 0;
        if (!ReadFile(pState->hFile, pBuffer, piece, &cbRead, nullptr) || cbRead == 0)
            return kSpoolShortWrite;
        DWORD cbWritten = 0;
        // The printer refusing bytes ends the replay: what it lost cannot be sent again.
        if (!pState->pfnWrite(pState->hUserData, pBuffer, cbRead, &cbWritten) || cbWritten != cbRead)
            return kSpoolShortWrite;
        result = static_cast<SHORT>(cbWritten);
        remaining -= static_cast<LONG>(cbRead);
    }
    return result;
}

SHORT SpoolReplayPage(SPOOL_STATE* pState, const SPOOL_PAGE_NODE* pNode, DWORD flags, BYTE* pBuffer)
{
    SHORT result = 1;
    if ((flags & kReplayNoPageHead) == 0 &&
        !Continue(CopyAt(pState, pNode->lHeadOffset, pNode->lHeadLength, pBuffer), result))
        return result;
    if (!Continue(CopyAt(pState, pNode->lBodyOffset, pNode->lBodyLength, pBuffer), result))
        return result;
    if ((flags & kReplayNoPageTail) == 0 &&
        !Continue(CopyAt(pState, pNode->lTailOffset, pNode->lTailLength, pBuffer), result))
        return result;
    return result;
}

SHORT SpoolReplayForward(SPOOL_STATE* pState, DWORD first, DWORD last, DWORD flags)
{
    const ReplayBuffer buffer;
    if (buffer.get() == nullptr)
        return kSpoolNoMemory;
    SHORT result = 1;
    if (pState->cCompletedPages < first || pState->cCompletedPages < last)
        return result;
    if ((flags & kReplayNoHeader) == 0 && !Continue(CopyHeader(pState, buffer.get()), result))
        return result;
    const DWORD from = first == 0 && last == 0 ? 1 : first;
    const DWORD to = first == 0 && last == 0 ? pState->cCompletedPages : last;
    const SPOOL_PAGE_NODE* pNode = FindPage(pState, from);
    for (DWORD page = from; page <= to && pNode != nullptr; ++page, pNode = pNode->pForward)
        if (!Continue(SpoolReplayPage(pState, pNode, flags, buffer.get()), result))
            return result;
    if ((flags & kReplayNoTrailer) == 0 && !Continue(CopyTrailer(pState, buffer.get()), result))
        return result;
    return result;
}

SHORT SpoolReplayReverse(SPOOL_STATE* pState, DWORD first, DWORD last, DWORD flags)
{
    const ReplayBuffer buffer;
    if (buffer.get() == nullptr)
        return kSpoolNoMemory;
    SHORT result = 1;
    if ((flags & kReplayNoHeader) == 0 && !Continue(CopyHeader(pState, buffer.get()), result))
        return result;
    const bool all = first == 0 && last == 0;
    const DWORD from = all ? pState->cCompletedPages : first;
    const DWORD to = all ? 1 : last;
    const SPOOL_PAGE_NODE* pNode = FindPage(pState, from);
    for (DWORD page = from; page >= to && page >= 1 && pNode != nullptr; --page, pNode = pNode->pBack)
        if (!Continue(SpoolReplayPage(pState, pNode, flags, buffer.get()), result))
            return result;
    if ((flags & kReplayNoTrailer) == 0 && !Continue(CopyTrailer(pState, buffer.get()), result))
        return result;
    return result;
}

SHORT SpoolReplaySection(SPOOL_STATE* pState, DWORD index, DWORD flags)
{
    const ReplayBuffer buffer;
    if (buffer.get() == nullptr)
        return kSpoolNoMemory;
    if ((flags & (kReplayWholePage | kReplayPageHead | kReplayPageTail)) == 0)
        return (flags & kReplayHeader) != 0 ? CopyHeader(pState, buffer.get()) : CopyTrailer(pState, buffer.get());
    const SPOOL_PAGE_NODE* pNode = FindPage(pState, index);
    if (pNode == nullptr)
        return kSpoolNothing;
    if ((flags & kReplayWholePage) != 0)
        return SpoolReplayPage(pState, pNode, flags, buffer.get());
    if ((flags & kReplayPageHead) != 0)
        return CopyAt(pState, pNode->lHeadOffset, pNode->lHeadLength, buffer.get());
    return CopyAt(pState, pNode->lTailOffset, pNode->lTailLength, buffer.get());
}

SHORT SpoolReplayBooklet(SPOOL_STATE* pState)
{
    constexpr DWORD kFrontHalf = kReplayNoHeader | kReplayNoTrailer | kReplayNoPageTail | 0x1;   // 0x70001
    constexpr DWORD kBackHalf = kReplayNoHeader | kReplayNoTrailer | kReplayNoPageHead | 0x1;    // 0xB0001
    constexpr DWORD kWholePage = kReplayNoHeader | kReplayNoTrailer | 0x1;                       // 0x30001
    const DWORD c = pState->cCompletedPages;
    const DWORD a = (c + 3) / 4 * 4;
    SHORT result = 1;
    if (!Continue(SpoolReplaySection(pState, 0, kReplayHeader), result))
        return result;
    for (DWORD i = 1; i <= a / 2; ++i) {
        const DWORD partner = a - i + 1;
        if (partner <= c) {
            if (!Continue(SpoolReplayForward(pState, i, i, kFrontHalf), result) ||
                !Continue(SpoolReplayForward(pState, partner, partner, kBackHalf), result))
                return result;
        } else if (!Continue(SpoolReplayForward(pState, i, i, kWholePage), result)) {
            return result;
        }
    }
    Continue(SpoolReplaySection(pState, 0, kReplayTrailer), result);
    return result;
}

SHORT SpoolReplay(SPOOL_STATE* pState)
{
    SHORT result = 1;
    if (pState->wMode == kStreamDirect)
        return result;
    for (int i = 0; i < static_cast<SHORT>(pState->wRepeatCount); ++i) {
        switch (pState->wMode) {
        case kStreamForward:
            result = SpoolReplayForward(pState, 0, 0, 0x1);
            break;
        case kStreamReverse:
            result = SpoolReplayReverse(pState, 0, 0, 0x2);
            break;
        case kStreamBooklet:
            result = SpoolReplayBooklet(pState);
            break;
        default:
            return 1;
        }
        if (result < 0)
            return result;
    }
    return result;
}
