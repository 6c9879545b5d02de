#pragma once
// pdev.h - the graphics device record (PDEV): one zero-filled block per device context, holding the engine's
// state, the job's devmode and the VQPDL writer's context. Its first 9,075 bytes leave the module as
// JOB_SETTINGS_RECORD (escape 0x6FFFFF00), which the interface module reads by offset, so the layout is fixed.
//
// All fields are unaligned; read and write them by value, arrays with memcpy.

#include "customnt/vqddigfx/nup_block.h"
#include "settings/base/job_extra_record.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/devmode/job_settings_record.h"
#include "win/winddi.h"

struct ALLOC_LIST;
struct GSRD_STREAM;
struct PDEV;

constexpr DWORD kPdevMagic = 0x50584C44;
constexpr DWORD kPacketCapacity = 4092;
constexpr WORD  kPdevEnvOffset = 7876;           // where DEVMODE_ENV_EXTRA starts: the fixed part's size
constexpr DWORD kPdevSize = 37183;

// PDEV flags.
constexpr DWORD PDEVF_DOC_STARTED = 0x01;
constexpr DWORD PDEVF_OUTPUT_FAILED = 0x02;      // stays set for the rest of the PDEV's life
constexpr DWORD PDEVF_JOB_CARRIED = 0x04;        // the job was carried over by DrvResetPDEV
constexpr DWORD PDEVF_PAGE_SKIPPED = 0x08;
constexpr DWORD PDEVF_PAGE_OPEN = 0x10;
constexpr DWORD PDEVF_STREAM_OPEN = 0x40;

// Form mode of a job.
constexpr BYTE kFormNone = 1;
constexpr BYTE kFormCreate = 2;
constexpr BYTE kFormPrintOver = 3;

typedef BOOL (*PFN_SEND_PACKET)(PDEV* pdev);
typedef BOOL (*PFN_WRITE_OUTPUT)(PDEV* pdev, const BYTE* pData, WORD cb);

#pragma pack(push, 1)
struct JOB_SETTINGS_RECORD {                 // 9,075 bytes
    DWORD dwMagic;                           // 0      kPdevMagic
    DWORD dwFlags;                           // 4      PDEVF_...
    HANDLE hDriverModule;                    // 8      the printer driver file, loaded as a module
    ALLOC_LIST* pAllocList;                  // 12     every block of the PDEV, the PDEV included
    HANDLE hPrinter;                         // 16
    DWORD cbPacketCapacity;                  // 20     kPacketCapacity
    BYTE* pPacketWrite;                      // 24     next free byte of packetData
    DWORD cbPacket;                          // 28     bytes in packetData
    BYTE  packetHead[4];                     // 32     the write command's head in front of its data
    BYTE  packetData[kPacketCapacity];       // 36
    BYTE  reserved4128[8];                   // 4128
    LPWSTR pDocumentName;                    // 4136   copy of the name given to DrvStartDoc
    DWORD dwCopyCount;                       // 4140
    HDEV  hdev;                              // 4144   GDI's device (DrvCompletePDEV)
    HSURF hsurf;                             // 4148
    HPALETTE hpalDefault;                    // 4152
    DWORD cPagesBegun;                       // 4156   pages begun in the document
    BYTE  bPacketType;                       // 4160   the stream command to send next
    BYTE  reserved4161;                      // 4161   read by nothing; the fax page-state snapshot carries it
    WORD  wStreamMode;                       // 4162   for the open command
    WORD  wRepeatCount;                      // 4164   for the open command
    WORD  wSectionKind;                      // 4166   for the next set-section command
    DWORD cyPage;                            // 4168   page height in pixels (raster)
    DWORD iBand;                             // 4172   band index (raster)
    DWORD ulScale;                           // 4176   the page's drawing scale in 1/10000 (10000 = none)
    LONG  xOffset;                           // 4180   the page's drawing offset in pixels
    LONG  yOffset;                           // 4184
    NUP_BLOCK nupBlock;                      // 4188   N-up cells and the saved layout
    SHORT sOrientation;                      // 5916   working orientation: 1 portrait, 2 landscape
    BYTE  bFormMode;                         // 5918   kForm...
    BYTE  bToneMappingOff;                   // 5919   1 while page additions are drawn
    PFN_WRITE_OUTPUT pfnWriteOutput;         // 5920   EngineWriteOutput: where the writer's bytes go
    BYTE  reserved5924[520];                 // 5924
    PFN_SEND_PACKET pfnSendPacket;           // 6444   SendStreamPacket
    GSRD_STREAM* pStream;                    // 6448   the output stream
    WORD  wEnvOffset;                        // 6452   kPdevEnvOffset
    WORD  wPdevSize;                         // 6454   kPdevSize
    DWORD dwMagic2;                          // 6456   kPdevMagic
    DRIVER_DEVMODE devmode;                  // 6460   the job's devmode; its env block is at 7876
};

// The PDEV is the job settings followed by the VQPDL context, which only the writer reads, through
// PdlGetContext.
struct PDEV : JOB_SETTINGS_RECORD {
    BYTE vqpdlContext[kVqpdlContextSize];    // 9075   JOB_EXTRA_RECORD
};
#pragma pack(pop)

// The interface module finds the devmode in the record by the settings core's offsets: they must be these.
static_assert(sizeof(JOB_SETTINGS_RECORD) == kJobSettingsRecordSize);
static_assert(offsetof(JOB_SETTINGS_RECORD, dwMagic) == 0);
static_assert(offsetof(JOB_SETTINGS_RECORD, dwFlags) == 4);
static_assert(offsetof(JOB_SETTINGS_RECORD, hDriverModule) == 8);
static_assert(offsetof(JOB_SETTINGS_RECORD, pAllocList) == 12);
static_assert(offsetof(JOB_SETTINGS_RECORD, hPrinter) == 16);
static_assert(offsetof(JOB_SETTINGS_RECORD, cbPacketCapacity) == 20);
static_assert(offsetof(JOB_SETTINGS_RECORD, pPacketWrite) == 24);
static_assert(offsetof(JOB_SETTINGS_RECORD, cbPacket) == 28);
static_assert(offsetof(JOB_SETTINGS_RECORD, packetHead) == 32);
static_assert(offsetof(JOB_SETTINGS_RECORD, packetData) == 36);
static_assert(offsetof(JOB_SETTINGS_RECORD, reserved4128) == 4128);
static_assert(offsetof(JOB_SETTINGS_RECORD, pDocumentName) == 4136);
static_assert(offsetof(JOB_SETTINGS_RECORD, dwCopyCount) == 4140);
static_assert(offsetof(JOB_SETTINGS_RECORD, hdev) == 4144);
static_assert(offsetof(JOB_SETTINGS_RECORD, hsurf) == 4148);
static_assert(offsetof(JOB_SETTINGS_RECORD, hpalDefault) == 4152);
static_assert(offsetof(JOB_SETTINGS_RECORD, cPagesBegun) == 4156);
static_assert(offsetof(JOB_SETTINGS_RECORD, bPacketType) == 4160);
static_assert(offsetof(JOB_SETTINGS_RECORD, wStreamMode) == 4162);
static_assert(offsetof(JOB_SETTINGS_RECORD, wRepeatCount) == 4164);
static_assert(offsetof(JOB_SETTINGS_RECORD, wSectionKind) == 4166);
static_assert(offsetof(JOB_SETTINGS_RECORD, cyPage) == 4168);
static_assert(offsetof(JOB_SETTINGS_RECORD, iBand) == 4172);
static_assert(offsetof(JOB_SETTINGS_RECORD, ulScale) == 4176);
static_assert(offsetof(JOB_SETTINGS_RECORD, xOffset) == 4180);
static_assert(offsetof(JOB_SETTINGS_RECORD, yOffset) == 4184);
static_assert(offsetof(JOB_SETTINGS_RECORD, nupBlock) == 4188);
static_assert(offsetof(JOB_SETTINGS_RECORD, sOrientation) == 5916);
static_assert(offsetof(JOB_SETTINGS_RECORD, bFormMode) == 5918);
static_assert(offsetof(JOB_SETTINGS_RECORD, bToneMappingOff) == 5919);
static_assert(offsetof(JOB_SETTINGS_RECORD, pfnSendPacket) == 6444);
static_assert(offsetof(JOB_SETTINGS_RECORD, pStream) == 6448);
static_assert(offsetof(JOB_SETTINGS_RECORD, wEnvOffset) == kJobEnvOffsetWord);
static_assert(offsetof(JOB_SETTINGS_RECORD, wPdevSize) == 6454);
static_assert(offsetof(JOB_SETTINGS_RECORD, dwMagic2) == 6456);
static_assert(offsetof(JOB_SETTINGS_RECORD, devmode) == kJobDevmodeOffset);
static_assert(offsetof(JOB_SETTINGS_RECORD, devmode) + offsetof(DRIVER_DEVMODE, dmPrivate) == 6680);
static_assert(offsetof(JOB_SETTINGS_RECORD, devmode) + kPublicDevmodeSize + kPrivateFirstBlockSize ==
              kPdevEnvOffset);
static_assert(sizeof(PDEV) == kPdevSize);
static_assert(kPdevSize == kPdevEnvOffset + kEnvExtraSize + kVqpdlContextSize);

// TRUE when pdev is not null and both magic fields hold kPdevMagic.
BOOL bValidatePDEV(const PDEV* pdev);

// The PDEV of a surface (its dhpdev); null for a null surface.
PDEV* PdevFromSurface(const SURFOBJ* pso);

// The private part of the PDEV's devmode copy.
PRIVATE_DEVMODE* PdevGetPrivateDevmode(PDEV* pdev);

// The PDEV's DEVMODE_ENV_EXTRA, found through its offset word.
DEVMODE_ENV_EXTRA* PdevGetEnvExtra(PDEV* pdev);
