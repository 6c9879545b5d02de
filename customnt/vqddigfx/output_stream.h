#pragma once
// output_stream.h - the engine's side of the output: the packet buffer in the PDEV and the packets it sends
// to the stream.

#include "customnt/vqddigfx/pdev.h"

// The PDEV's write callback: buffers the writer's bytes and sends them as write packets of at most
// kPacketCapacity bytes. FALSE when the output has failed (or fails now); TRUE without sending on a skipped
// page.
BOOL EngineWriteOutput(PDEV* pdev, const BYTE* pData, WORD cb);

// Sends the command named by the PDEV's packet type (kCmd...): open builds the output stream first; write
// sends the buffered bytes, if any, and empties the buffer. FALSE when the stream refuses; a refused write
// or replay also sets PDEVF_OUTPUT_FAILED.
BOOL SendStreamPacket(PDEV* pdev);

// The packet type set and sent, then the type set back to write, as the engine's page steps use them.
BOOL SendStreamCommand(PDEV* pdev, BYTE bCommand);

// Sends the buffered bytes.
BOOL FlushOutput(PDEV* pdev);

// Starts a section of the stream (kSection...).
BOOL SetOutputSection(PDEV* pdev, WORD wKind);

// Frees the PDEV's output stream with whatever it still has open; its spool file is deleted unplayed.
void DestroyOutputStream(PDEV* pdev);
