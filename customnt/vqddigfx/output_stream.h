#pragma once
// output_stream.h - the engine's side of the output: the packet buffer in the PDEV and the packets it sends
// to the stream.

#include "customnt/vqddigfx/pdev.h"
#include "customnt/vqddigfx/stream.h"

// The PDEV's write callback: buffers the writer's bytes and sends them as write packets of at most
// kPacketCapacity bytes. FALSE when the output has failed (or fails now); TRUE without sending on a skipped
// page.
BOOL EngineWriteOutput(PDEV* pdev, const BYTE* pData, WORD cb);

// Room for any packet but a write one, which is sent from the PDEV's own buffer.
union STREAM_PACKET_SCRATCH {
    STREAM_OPEN_PACKET open;
    STREAM_SECTION_PACKET section;
    STREAM_PACKET_HEAD head;
};

// The bytes of the packet named by the PDEV's packet type (kCmd...): for a write packet the buffered bytes
// behind their head in the PDEV, for the others a packet built in scratch. *pcb gets its size.
const BYTE* BuildStreamPacket(PDEV* pdev, STREAM_PACKET_SCRATCH* pScratch, DWORD* pcb);

// Sends the packet named by the PDEV's packet type: open makes the output stream first; write sends the
// buffered bytes, if any, and empties the buffer. FALSE when the stream refuses; a refused write or replay
// also sets PDEVF_OUTPUT_FAILED, and after that no write is sent.
BOOL SendStreamPacket(PDEV* pdev);

// The packet type set and sent through the PDEV's packet sender, then the type set back to write.
BOOL SendStreamCommand(PDEV* pdev, BYTE bCommand);

// Sends the buffered bytes.
BOOL FlushOutput(PDEV* pdev);

// Starts a section of the stream (kSection...).
BOOL SetOutputSection(PDEV* pdev, WORD wKind);

// Frees the PDEV's output stream with whatever it still has open; its spool file is deleted unplayed.
void DestroyOutputStream(PDEV* pdev);
