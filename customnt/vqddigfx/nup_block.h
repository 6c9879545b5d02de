#pragma once
// nup_block.h - the N-up block of a PDEV: the sheet's cells and what the layout was computed from. It lies
// inside JOB_SETTINGS_RECORD and travels whole with the fax job state (escape 0x6FFFFE00) and with a job
// that DrvResetPDEV carries over, so its size is fixed; the fields keep the natural alignment of their widths.
//
// All fields are unaligned within the PDEV; read and write them by value.

#include "settings/devmode/driver_devmode.h"

constexpr DWORD kNupBlockSize = 1728;
constexpr DWORD kMaxNupCells = 16;

#pragma pack(push, 1)
struct NUP_CELL {                            // 32 bytes
    RECTL rcSource;                          // 0      the cell on the sheet
    RECTL rcPlacement;                       // 16     where the scaled page lands
};

struct NUP_BLOCK {                           // 1,728 bytes
    DWORD bComputed;                         // 0      1 once the cells of a begun job are computed
    DWORD ulScale;                           // 4      the cells' scale in 1/10000
    BYTE  bSavedLayout;                      // 8      lpLayout the cells were computed for
    BYTE  reserved9;                         // 9
    SHORT sSavedOrientation;                 // 10     the working orientation they were computed for
    BYTE  bSavedByte564;                     // 12     private devmode bytes 564 and 566
    BYTE  bSavedByte566;                     // 13     (5 there: no outer frame)
    SHORT cxSheet;                           // 14     the layout area's width and height in pixels
    SHORT cySheet;                           // 16
    BYTE  reserved18[2];                     // 18
    NUP_CELL cells[kMaxNupCells];            // 20
    BYTE  privateCopy[kPrivateFirstBlockSize];   // 532 the private devmode block the cells were computed from
};
#pragma pack(pop)

static_assert(sizeof(NUP_CELL) == 32);
static_assert(offsetof(NUP_CELL, rcPlacement) == 16);
static_assert(sizeof(NUP_BLOCK) == kNupBlockSize);
static_assert(offsetof(NUP_BLOCK, ulScale) == 4);
static_assert(offsetof(NUP_BLOCK, bSavedLayout) == 8);
static_assert(offsetof(NUP_BLOCK, sSavedOrientation) == 10);
static_assert(offsetof(NUP_BLOCK, bSavedByte564) == 12);
static_assert(offsetof(NUP_BLOCK, bSavedByte566) == 13);
static_assert(offsetof(NUP_BLOCK, cxSheet) == 14);
static_assert(offsetof(NUP_BLOCK, cySheet) == 16);
static_assert(offsetof(NUP_BLOCK, cells) == 20);
static_assert(offsetof(NUP_BLOCK, privateCopy) == 532);
