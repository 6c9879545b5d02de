#pragma once
// fax_job_state.h - FAX_JOB_STATE, a snapshot of the graphics module's page state for one job: the interface
// module takes it from the JOB_SETTINGS_RECORD before it changes the page setup for a fax cover page, and sends
// it back with escape 0x6FFFFE00, after which the graphics module puts every field back where it came from.
// Both modules read it by offset, so the layout is fixed.
//
// "Device" fields are page-state fields of the graphics module's device record, "private" ones are fields of
// the private part of its devmode copy, "env" ones of that copy's DEVMODE_ENV_EXTRA. The device record's
// 16-bit values travel widened to 32 bits.
//
// All fields are unaligned; read and write them by value, arrays with memcpy.

#include "win/wingdi.h"

constexpr DWORD kFaxJobStateSize = 1972;
constexpr DWORD kFaxNupBlockSize = 1728;

#pragma pack(push, 1)

// The ten paper values of one copy of the public devmode fields, each widened to 32 bits.
struct FAX_PAPER_VALUES {                    // 40 bytes
    LONG dmOrientation;                      // 0
    LONG dmPaperSize;                        // 4
    LONG dmPaperLength;                      // 8
    LONG dmPaperWidth;                       // 12
    LONG dmScale;                            // 16
    LONG dmCopies;                           // 20
    LONG dmDefaultSource;                    // 24
    LONG dmDuplex;                           // 28
    LONG dmCollate;                          // 32
    LONG dmYResolution;                      // 36
};

struct FAX_JOB_STATE {                       // 1,972 bytes
    DWORD dwMagic;                           // 0      the device record's first word; not written back
    DWORD dwFlags;                           // 4      device flags
    DWORD cPagesBegun;                       // 8      device: pages begun in the document
    DWORD dwRepeatCount;                     // 12     device: repeat count of the stream's open command
    LONG  xOffset;                           // 16     device: the page's drawing offset
    LONG  yOffset;                           // 20
    BYTE  bFormMode;                         // 24     device: form mode of the job
    BYTE  bPacketType;                       // 25     device: the stream packet to send next
    WORD  wStreamMode;                       // 26     device: stream mode of the open command
    DWORD dwSectionKind;                     // 28     device: section kind of the next set-section command
    DWORD ulScale;                           // 32     device: the page's drawing scale in 1/10000
    FAX_PAPER_VALUES publicValues;           // 36     the public part of the devmode copy
    BYTE  bDeviceByte;                       // 76     device: the byte behind the packet type
    BYTE  bToneMappingOff;                   // 77     device: 1 while page additions (the watermark layer) are drawn
    BYTE  bOrientation;                      // 78     device: the working orientation
    BYTE  reserved79;                        // 79
    FAX_PAPER_VALUES privateValues;          // 80     private: its copy of the public part; the vertical
                                             //        resolution (116) is not written back
    RECTL PaperAreaRect;                     // 120    private: the paper's printable area, 0.01 mm
    RECTL customPaperRectPixels;             // 136    env: the custom paper's pixel rectangle
    RECTL ImageAreaRect;                     // 152    private: the printable area in pixels
    RECTL layoutAreaRect;                    // 168    private: the layout area in pixels
    RECTL outputPrintableRect;               // 184    env: the output paper's printable area, 0.01 mm
    WORD  lpOutputPaper;                     // 200    private
    WORD  lpMediaSource;                     // 202    env: the paper tray
    LONG  paperWidthPixels;                  // 204    private: physical page width and length in pixels
    LONG  paperLengthPixels;                 // 208
    LONG  outputWidthPixels;                 // 212    private: the layout area's width and length for zooming
    LONG  outputLengthPixels;                // 216
    WORD  lpOutputTray;                      // 220    env
    WORD  outputPaperWidth;                  // 222    env: 0.1 mm
    WORD  outputPaperLength;                 // 224    env: 0.1 mm
    BYTE  Layout_Check;                      // 226    private
    BYTE  lpLayout;                          // 227    private
    BYTE  lpOrder;                           // 228    private
    BYTE  bOutputMode;                       // 229    private: the output mode (4 booklet)
    BYTE  lpOutput;                          // 230    env: 1 fax transmission, 2 print
    BYTE  ZoomCheck;                         // 231    private
    SHORT Zoom;                              // 232    private: percent
    BYTE  CoverSheet;                        // 234    env
    BYTE  lpOverlay;                         // 235    private
    BYTE  bOverlayIndex;                     // 236    private
    BYTE  OverlayPrompt;                     // 237    private
    BYTE  lpWatermarkOrder;                  // 238    private
    BYTE  Watermark_Use;                     // 239    private
    BYTE  WatermarkIndex;                    // 240    private
    BYTE  FirstPageOnly;                     // 241    private
    BYTE  bPDLType;                          // 242    private: the output language (lpPDLType)
    BYTE  reserved243;                       // 243    0
    BYTE  nupBlock[kFaxNupBlockSize];        // 244    device: the N-up block, 432 u32
};

#pragma pack(pop)

static_assert(sizeof(FAX_PAPER_VALUES) == 40);
static_assert(offsetof(FAX_PAPER_VALUES, dmOrientation) == 0);
static_assert(offsetof(FAX_PAPER_VALUES, dmPaperSize) == 4);
static_assert(offsetof(FAX_PAPER_VALUES, dmPaperLength) == 8);
static_assert(offsetof(FAX_PAPER_VALUES, dmPaperWidth) == 12);
static_assert(offsetof(FAX_PAPER_VALUES, dmScale) == 16);
static_assert(offsetof(FAX_PAPER_VALUES, dmCopies) == 20);
static_assert(offsetof(FAX_PAPER_VALUES, dmDefaultSource) == 24);
static_assert(offsetof(FAX_PAPER_VALUES, dmDuplex) == 28);
static_assert(offsetof(FAX_PAPER_VALUES, dmCollate) == 32);
static_assert(offsetof(FAX_PAPER_VALUES, dmYResolution) == 36);

static_assert(sizeof(FAX_JOB_STATE) == kFaxJobStateSize);
static_assert(offsetof(FAX_JOB_STATE, dwMagic) == 0);
static_assert(offsetof(FAX_JOB_STATE, dwFlags) == 4);
static_assert(offsetof(FAX_JOB_STATE, cPagesBegun) == 8);
static_assert(offsetof(FAX_JOB_STATE, dwRepeatCount) == 12);
static_assert(offsetof(FAX_JOB_STATE, xOffset) == 16);
static_assert(offsetof(FAX_JOB_STATE, yOffset) == 20);
static_assert(offsetof(FAX_JOB_STATE, bFormMode) == 24);
static_assert(offsetof(FAX_JOB_STATE, bPacketType) == 25);
static_assert(offsetof(FAX_JOB_STATE, wStreamMode) == 26);
static_assert(offsetof(FAX_JOB_STATE, dwSectionKind) == 28);
static_assert(offsetof(FAX_JOB_STATE, ulScale) == 32);
static_assert(offsetof(FAX_JOB_STATE, publicValues) == 36);
static_assert(offsetof(FAX_JOB_STATE, bDeviceByte) == 76);
static_assert(offsetof(FAX_JOB_STATE, bToneMappingOff) == 77);
static_assert(offsetof(FAX_JOB_STATE, bOrientation) == 78);
static_assert(offsetof(FAX_JOB_STATE, reserved79) == 79);
static_assert(offsetof(FAX_JOB_STATE, privateValues) == 80);
static_assert(offsetof(FAX_JOB_STATE, PaperAreaRect) == 120);
static_assert(offsetof(FAX_JOB_STATE, customPaperRectPixels) == 136);
static_assert(offsetof(FAX_JOB_STATE, ImageAreaRect) == 152);
static_assert(offsetof(FAX_JOB_STATE, layoutAreaRect) == 168);
static_assert(offsetof(FAX_JOB_STATE, outputPrintableRect) == 184);
static_assert(offsetof(FAX_JOB_STATE, lpOutputPaper) == 200);
static_assert(offsetof(FAX_JOB_STATE, lpMediaSource) == 202);
static_assert(offsetof(FAX_JOB_STATE, paperWidthPixels) == 204);
static_assert(offsetof(FAX_JOB_STATE, paperLengthPixels) == 208);
static_assert(offsetof(FAX_JOB_STATE, outputWidthPixels) == 212);
static_assert(offsetof(FAX_JOB_STATE, outputLengthPixels) == 216);
static_assert(offsetof(FAX_JOB_STATE, lpOutputTray) == 220);
static_assert(offsetof(FAX_JOB_STATE, outputPaperWidth) == 222);
static_assert(offsetof(FAX_JOB_STATE, outputPaperLength) == 224);
static_assert(offsetof(FAX_JOB_STATE, Layout_Check) == 226);
static_assert(offsetof(FAX_JOB_STATE, lpLayout) == 227);
static_assert(offsetof(FAX_JOB_STATE, lpOrder) == 228);
static_assert(offsetof(FAX_JOB_STATE, bOutputMode) == 229);
static_assert(offsetof(FAX_JOB_STATE, lpOutput) == 230);
static_assert(offsetof(FAX_JOB_STATE, ZoomCheck) == 231);
static_assert(offsetof(FAX_JOB_STATE, Zoom) == 232);
static_assert(offsetof(FAX_JOB_STATE, CoverSheet) == 234);
static_assert(offsetof(FAX_JOB_STATE, lpOverlay) == 235);
static_assert(offsetof(FAX_JOB_STATE, bOverlayIndex) == 236);
static_assert(offsetof(FAX_JOB_STATE, OverlayPrompt) == 237);
static_assert(offsetof(FAX_JOB_STATE, lpWatermarkOrder) == 238);
static_assert(offsetof(FAX_JOB_STATE, Watermark_Use) == 239);
static_assert(offsetof(FAX_JOB_STATE, WatermarkIndex) == 240);
static_assert(offsetof(FAX_JOB_STATE, FirstPageOnly) == 241);
static_assert(offsetof(FAX_JOB_STATE, bPDLType) == 242);
static_assert(offsetof(FAX_JOB_STATE, reserved243) == 243);
static_assert(offsetof(FAX_JOB_STATE, nupBlock) == 244);
