#pragma once
// stream.h - the output stream: the small command packets the engine sends (open, set section, write,
// replay, close, play a form file) and the stream record that carries them out, straight to WritePrinter or
// through the spool file.

#include "customnt/vqddigfx/spool.h"

constexpr DWORD kStreamMagic = 0x44525347;   // "GSRD"

// Stream commands, the first byte of every packet.
constexpr BYTE kCmdOpen = 1;
constexpr BYTE kCmdSetSection = 2;
constexpr BYTE kCmdWrite = 3;
constexpr BYTE kCmdReplay = 4;
constexpr BYTE kCmdClose = 5;
constexpr BYTE kCmdPlayForm = 6;

constexpr DWORD kPacketHeadSize = 4;
constexpr DWORD kFormPlayPiece = 16384;

#pragma pack(push, 1)
struct STREAM_PACKET_HEAD {                  // 4 bytes: every packet starts with it
    BYTE bCommand;
    BYTE bHeadSize;                          // 21 for open, 6 for set section, else 4
    WORD wLength;                            // data bytes of a write command, else 0
};

struct STREAM_OPEN_PACKET {                  // 533 bytes
    STREAM_PACKET_HEAD head;                 // 0
    WORD  wStreamMode;                       // 4      kStream...
    WORD  wRepeatCount;                      // 6
    BYTE  bFormMode;                         // 8      1 none, 2 create a form file, 3 print over one
    WCHAR szFormPath[260];                   // 9
    DWORD dwFormValue;                       // 529
};

struct STREAM_SECTION_PACKET {               // 6 bytes
    STREAM_PACKET_HEAD head;                 // 0
    WORD  wSectionKind;                      // 4      kSection...
};

// The output record kept in the PDEV while its document is open.
struct GSRD_STREAM {
    DWORD dwMagic;                           // 0      kStreamMagic
    HANDLE hUserData;                        // 4      the printer; the form file while one is created
    DWORD dwReserved;                        // 8      0
    SPOOL_STATE* pSpool;                     // 12
    PFN_STREAM_WRITE pfnWrite;               // 16     WritePrinter, or a WriteFile wrapper for a form file
    HANDLE hFormFile;                        // 20     the form file played into the job; 0 when none
};
#pragma pack(pop)

static_assert(sizeof(STREAM_PACKET_HEAD) == 4);
static_assert(sizeof(STREAM_OPEN_PACKET) == 533);
static_assert(offsetof(STREAM_OPEN_PACKET, wStreamMode) == 4);
static_assert(offsetof(STREAM_OPEN_PACKET, wRepeatCount) == 6);
static_assert(offsetof(STREAM_OPEN_PACKET, bFormMode) == 8);
static_assert(offsetof(STREAM_OPEN_PACKET, szFormPath) == 9);
static_assert(offsetof(STREAM_OPEN_PACKET, dwFormValue) == 529);
static_assert(sizeof(STREAM_SECTION_PACKET) == 6);
static_assert(sizeof(GSRD_STREAM) == 24);

// A new output record writing to the printer userData with WritePrinter; null when memory is short.
GSRD_STREAM* CreateOutputStream(HANDLE hUserData);

// Closes what the record still has open (spool file, form files) and frees it; null is ignored.
void FreeOutputStream(GSRD_STREAM* pStream);

// Carries out one packet: 1 with *pcbWritten = cbPacket on success, 0 on failure (a malformed packet, a
// command the stream's state does not allow, a failed write or replay).
DWORD StreamCommand(GSRD_STREAM* pStream, const BYTE* pPacket, DWORD cbPacket, DWORD* pcbWritten);
