// stream.cpp - the stream side of the output: carrying out the engine's packets.
#include "customnt/vqddigfx/stream.h"
#include "settings/base/global_memory.h"
#include "win/winspool.h"

#include <cstring>

namespace {

BOOL WritePrinterOutput(HANDLE hPrinter, LPVOID pData, DWORD cb, LPDWORD pcbWritten)
{
    return WritePrinter(hPrinter, pData, cb, pcbWritten);
}

// While a form file is made, the job's bytes go to the file instead of the printer.
BOOL WriteFormFile(HANDLE hFile, LPVOID pData, DWORD cb, LPDWORD pcbWritten)
{
    return WriteFile(hFile, pData, cb, pcbWritten, nullptr);
}

bool IsOpenHandle(HANDLE h)
{
    return h != nullptr && h != INVALID_HANDLE_VALUE;
}

void CloseFormFiles(GSRD_STREAM* pStream)
{
    if (pStream->pfnWrite == WriteFormFile && IsOpenHandle(pStream->hUserData))
        CloseHandle(pStream->hUserData);
    if (IsOpenHandle(pStream->hFormFile))
        CloseHandle(pStream->hFormFile);
    pStream->hFormFile = nullptr;
}

DWORD Open(GSRD_STREAM* pStream, const BYTE* pPacket, DWORD cbPacket)
{
    if (cbPacket < sizeof(STREAM_OPEN_PACKET) || pStream->pSpool != nullptr)
        return 0;
    STREAM_OPEN_PACKET open;
    std::memcpy(&open, pPacket, sizeof open);
    WCHAR szPath[261] = {};
    std::memcpy(szPath, open.szFormPath, sizeof open.szFormPath);   // terminated even when the field is full
    HANDLE hUserData = pStream->hUserData;
    PFN_STREAM_WRITE pfnWrite = pStream->pfnWrite;
    if (open.bFormMode == 2) {
        DeleteFileW(szPath);
        const HANDLE hFile = CreateFileW(szPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                         nullptr);
        if (hFile == INVALID_HANDLE_VALUE)
            return 0;
        hUserData = hFile;
        pfnWrite = WriteFormFile;
    } else if (open.bFormMode == 3) {
        pStream->hFormFile = CreateFileW(szPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    pStream->hUserData = hUserData;
    pStream->pfnWrite = pfnWrite;
    pStream->pSpool = CreateTempFileStream(hUserData, open.wStreamMode, open.wRepeatCount, pfnWrite);
    return pStream->pSpool != nullptr ? 1 : 0;
}

DWORD PlayFormFile(GSRD_STREAM* pStream)
{
    if (pStream->pSpool == nullptr || !IsOpenHandle(pStream->hFormFile))
        return 0;
    BYTE* pBuffer = static_cast<BYTE*>(AllocLockedBlock(kFormPlayPiece));
    if (pBuffer == nullptr)
        return 0;
    const DWORD cbFile = GetFileSize(pStream->hFormFile, nullptr);
    SetFilePointer(pStream->hFormFile, 0, nullptr, FILE_BEGIN);
    DWORD cbCopied = 0;
    while (cbCopied < cbFile) {
        const DWORD piece = cbFile - cbCopied < kFormPlayPiece ? cbFile - cbCopied : kFormPlayPiece;
        DWORD cbRead = 0;
        if (!ReadFile(pStream->hFormFile, pBuffer, piece, &cbRead, nullptr) || cbRead != piece)
            break;
        // A piece goes on in 16-bit counts, as every spool write does.
        DWORD cbPieceDone = 0;
        while (cbPieceDone < piece) {
            const WORD cb = static_cast<WORD>(piece - cbPieceDone < 0x7FFF ? piece - cbPieceDone : 0x7FFF);
            if (SpoolWrite(pStream->pSpool, pBuffer + cbPieceDone, cb) != static_cast<SHORT>(cb))
                break;
            cbPieceDone += cb;
        }
        if (cbPieceDone != piece)
            break;
        cbCopied += piece;
    }
    FreeLockedBlock(pBuffer);
    return cbCopied == cbFile ? 1 : 0;
}

} // namespace

GSRD_STREAM* CreateOutputStream(HANDLE hUserData)
{
    auto* pStream = static_cast<GSRD_STREAM*>(AllocLockedBlock(sizeof(GSRD_STREAM)));
    if (pStream == nullptr)
        return nullptr;
    pStream->dwMagic = kStreamMagic;
    pStream->hUserData = hUserData;
    pStream->pfnWrite = WritePrinterOutput;
    return pStream;
}

void FreeOutputStream(GSRD_STREAM* pStream)
{
    if (pStream == nullptr)
        return;
    SpoolClose(pStream->pSpool);
    pStream->pSpool = nullptr;
    CloseFormFiles(pStream);
    FreeLockedBlock(pStream);
}

DWORD StreamCommand(GSRD_STREAM* pStream, const BYTE* pPacket, DWORD cbPacket, DWORD* pcbWritten)
{
    if (pStream == nullptr || pStream->dwMagic != kStreamMagic || pPacket == nullptr ||
        cbPacket < kPacketHeadSize || pcbWritten == nullptr)
        return 0;
    *pcbWritten = 0;
    STREAM_PACKET_HEAD head;
    std::memcpy(&head, pPacket, sizeof head);
    DWORD result = 1;
    switch (head.bCommand) {
    case kCmdOpen:
        result = Open(pStream, pPacket, cbPacket);
        break;
    case kCmdSetSection: {
        if (pStream->pSpool == nullptr || cbPacket < sizeof(STREAM_SECTION_PACKET))
            return 0;
        STREAM_SECTION_PACKET section;
        std::memcpy(&section, pPacket, sizeof section);
        SpoolSetSection(pStream->pSpool, section.wSectionKind);
        break;
    }
    case kCmdWrite: {
        const WORD cb = head.wLength;
        if (pStream->pSpool == nullptr || cb == 0 || cb > cbPacket - kPacketHeadSize)
            return 0;
        const bool spooled = pStream->pSpool->wMode != kStreamDirect;
        const SHORT written = SpoolWrite(pStream->pSpool, pPacket + kPacketHeadSize, cb);
        if (written != static_cast<SHORT>(cb)) {
            if (written == kSpoolShortWrite && spooled)
                pStream->pSpool = nullptr;   // the failed spool write closed the spool and freed its state
            return 0;
        }
        break;
    }
    case kCmdReplay:
        // A replay the printer did not take fails the document instead of passing for a printed job.
        if (pStream->pSpool == nullptr || SpoolReplay(pStream->pSpool) < 0)
            return 0;
        break;
    case kCmdClose:
        if (pStream->pSpool == nullptr)
            return 0;
        SpoolClose(pStream->pSpool);
        pStream->pSpool = nullptr;
        CloseFormFiles(pStream);
        break;
    case kCmdPlayForm:
        result = PlayFormFile(pStream);
        break;
    default:
        break;
    }
    if (result == 1)
        *pcbWritten = cbPacket;
    return result;
}
