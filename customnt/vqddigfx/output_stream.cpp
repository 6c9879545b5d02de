// output_stream.cpp - the engine's packet buffer and the packets it sends to the output stream.
// The write packet's head sits in the PDEV right in front of the buffered bytes, so a buffer goes out as
// one packet without being copied.
#include "customnt/vqddigfx/output_stream.h"

#include <algorithm>
#include <cstring>

namespace {

STREAM_PACKET_HEAD Head(BYTE bCommand, BYTE bHeadSize, WORD wLength)
{
    return STREAM_PACKET_HEAD{bCommand, bHeadSize, wLength};
}

void EmptyBuffer(PDEV* pdev)
{
    pdev->cbPacket = 0;
    pdev->pPacketWrite = pdev->packetData;
}

} // namespace

const BYTE* BuildStreamPacket(PDEV* pdev, STREAM_PACKET_SCRATCH* pScratch, DWORD* pcb)
{
    switch (pdev->bPacketType) {
    case kCmdOpen: {
        STREAM_OPEN_PACKET& open = pScratch->open;
        open = {};
        open.head = Head(kCmdOpen, 21, 0);
        open.wStreamMode = pdev->wStreamMode;
        open.wRepeatCount = pdev->wRepeatCount;
        open.bFormMode = pdev->bFormMode;
        std::memcpy(open.szFormPath, pdev->devmode.dmPrivate.FormOverlayPath, sizeof open.szFormPath);
        open.dwFormValue = pdev->devmode.dmPrivate.FormOverlayFileSize;
        *pcb = sizeof open;
        return reinterpret_cast<const BYTE*>(&open);
    }
    case kCmdSetSection:
        pScratch->section = STREAM_SECTION_PACKET{Head(kCmdSetSection, sizeof(STREAM_SECTION_PACKET), 0),
                                                  pdev->wSectionKind};
        *pcb = sizeof pScratch->section;
        return reinterpret_cast<const BYTE*>(&pScratch->section);
    case kCmdReplay:
    case kCmdClose:
    case kCmdPlayForm:
        pScratch->head = Head(pdev->bPacketType, kPacketHeadSize, 0);
        *pcb = sizeof pScratch->head;
        return reinterpret_cast<const BYTE*>(&pScratch->head);
    default: {
        // The head goes right in front of the buffered bytes: the buffer leaves as one packet, uncopied.
        const STREAM_PACKET_HEAD head = Head(kCmdWrite, kPacketHeadSize, static_cast<WORD>(pdev->cbPacket));
        std::memcpy(pdev->packetHead, &head, sizeof head);
        *pcb = kPacketHeadSize + pdev->cbPacket;
        return pdev->packetHead;
    }
    }
}

BOOL SendStreamPacket(PDEV* pdev)
{
    const BYTE bType = pdev->bPacketType;
    const bool isData = bType != kCmdOpen && bType != kCmdSetSection && bType != kCmdReplay &&
                        bType != kCmdClose && bType != kCmdPlayForm;
    if (isData && (pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0) {
        EmptyBuffer(pdev);   // nothing more is sent once the output failed
        return FALSE;
    }
    if (isData && pdev->cbPacket == 0)
        return TRUE;
    if (bType == kCmdOpen) {
        FreeOutputStream(pdev->pStream);
        pdev->pStream = CreateOutputStream(pdev->hPrinter);
        if (pdev->pStream == nullptr)
            return FALSE;
    }
    STREAM_PACKET_SCRATCH scratch;
    DWORD cbPacket = 0;
    const BYTE* pPacket = BuildStreamPacket(pdev, &scratch, &cbPacket);
    DWORD cbWritten = 0;
    const BOOL sent = StreamCommand(pdev->pStream, pPacket, cbPacket, &cbWritten) == 1 && cbWritten == cbPacket;
    if (isData)
        EmptyBuffer(pdev);
    if (!sent && (isData || bType == kCmdReplay))
        pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
    return sent;
}

BOOL EngineWriteOutput(PDEV* pdev, const BYTE* pData, WORD cb)
{
    if ((pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0)
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_SKIPPED) != 0 || cb == 0)
        return TRUE;
    if (pdev->cbPacket + cb > kPacketCapacity && pdev->cbPacket != 0 && !FlushOutput(pdev))
        return FALSE;
    if (cb <= kPacketCapacity) {
        std::memcpy(pdev->pPacketWrite, pData, cb);
        pdev->pPacketWrite += cb;
        pdev->cbPacket += cb;
        return TRUE;
    }
    for (DWORD done = 0; done < cb;) {
        const DWORD piece = std::min<DWORD>(cb - done, kPacketCapacity);
        std::memcpy(pdev->packetData, pData + done, piece);
        pdev->cbPacket = piece;
        pdev->pPacketWrite = pdev->packetData + piece;
        if (!FlushOutput(pdev))
            return FALSE;
        done += piece;
    }
    return TRUE;
}

BOOL SendStreamCommand(PDEV* pdev, BYTE bCommand)
{
    pdev->bPacketType = bCommand;
    const BOOL sent = pdev->pfnSendPacket(pdev);
    pdev->bPacketType = kCmdWrite;
    return sent;
}

BOOL FlushOutput(PDEV* pdev)
{
    return SendStreamCommand(pdev, kCmdWrite);
}

BOOL SetOutputSection(PDEV* pdev, WORD wKind)
{
    pdev->wSectionKind = wKind;
    return SendStreamCommand(pdev, kCmdSetSection);
}

void DestroyOutputStream(PDEV* pdev)
{
    FreeOutputStream(pdev->pStream);
    pdev->pStream = nullptr;
}
