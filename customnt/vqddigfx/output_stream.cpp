// output_stream.cpp - the engine's packet buffer and the packets it sends to the output stream.
// The write packet's head sits in the PDEV right in front of the buffered bytes, so a buffer goes out as
// one packet without being copied.
#include "customnt/vqddigfx/output_stream.h"
#include "customnt/vqddigfx/stream.h"

#include <algorithm>
#include <cstring>

namespace {

BOOL Send(PDEV* pdev, const void* pPacket, DWORD cbPacket)
{
    DWORD cbWritten = 0;
    return StreamCommand(pdev->pStream, static_cast<const BYTE*>(pPacket), cbPacket, &cbWritten) == 1 &&
           cbWritten == cbPacket;
}

STREAM_PACKET_HEAD Head(BYTE bCommand, BYTE bHeadSize, WORD wLength)
{
    return STREAM_PACKET_HEAD{bCommand, bHeadSize, wLength};
}

// Sends the buffered bytes as one write packet and empties the buffer.
BOOL SendBuffer(PDEV* pdev)
{
    const DWORD cb = pdev->cbPacket;
    const STREAM_PACKET_HEAD head = Head(kCmdWrite, kPacketHeadSize, static_cast<WORD>(cb));
    std::memcpy(pdev->packetHead, &head, sizeof head);
    pdev->cbPacket = 0;
    pdev->pPacketWrite = pdev->packetData;
    if (Send(pdev, pdev->packetHead, kPacketHeadSize + cb))
        return TRUE;
    pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
    return FALSE;
}

BOOL SendOpen(PDEV* pdev)
{
    FreeOutputStream(pdev->pStream);
    pdev->pStream = CreateOutputStream(pdev->hPrinter);
    if (pdev->pStream == nullptr)
        return FALSE;
    STREAM_OPEN_PACKET open = {};
    open.head = Head(kCmdOpen, 21, 0);
    open.wStreamMode = pdev->wStreamMode;
    open.wRepeatCount = pdev->wRepeatCount;
    open.bFormMode = pdev->bFormMode;
    std::memcpy(open.szFormPath, pdev->devmode.dmPrivate.FormOverlayPath, sizeof open.szFormPath);
    open.dwFormValue = pdev->devmode.dmPrivate.FormOverlayFileSize;
    return Send(pdev, &open, sizeof open);
}

} // namespace

BOOL EngineWriteOutput(PDEV* pdev, const BYTE* pData, WORD cb)
{
    if ((pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0)
        return FALSE;
    if ((pdev->dwFlags & PDEVF_PAGE_SKIPPED) != 0 || cb == 0)
        return TRUE;
    if (pdev->cbPacket + cb > kPacketCapacity && pdev->cbPacket != 0 && !SendBuffer(pdev))
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
        if (!SendBuffer(pdev))
            return FALSE;
        done += piece;
    }
    return TRUE;
}

BOOL SendStreamPacket(PDEV* pdev)
{
    switch (pdev->bPacketType) {
    case kCmdOpen:
        return SendOpen(pdev);
    case kCmdSetSection: {
        STREAM_SECTION_PACKET section = {Head(kCmdSetSection, sizeof(STREAM_SECTION_PACKET), 0),
                                         pdev->wSectionKind};
        return Send(pdev, &section, sizeof section);
    }
    case kCmdReplay:
    case kCmdClose:
    case kCmdPlayForm: {
        const STREAM_PACKET_HEAD head = Head(pdev->bPacketType, kPacketHeadSize, 0);
        if (Send(pdev, &head, sizeof head))
            return TRUE;
        if (pdev->bPacketType == kCmdReplay)
            pdev->dwFlags |= PDEVF_OUTPUT_FAILED;
        return FALSE;
    }
    default:
        if ((pdev->dwFlags & PDEVF_OUTPUT_FAILED) != 0) {
            pdev->cbPacket = 0;   // nothing more is sent once the output failed
            pdev->pPacketWrite = pdev->packetData;
            return FALSE;
        }
        return pdev->cbPacket == 0 ? TRUE : SendBuffer(pdev);
    }
}

BOOL SendStreamCommand(PDEV* pdev, BYTE bCommand)
{
    pdev->bPacketType = bCommand;
    const BOOL sent = SendStreamPacket(pdev);
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
