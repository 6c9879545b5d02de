// pjl_option_table.cpp - the PJL option rows and their walk. The order is the order of the lines in the
// job header, which the printer's controller reads as they come.
#include "pdl/vxcmn/vqpdlnt/pjl_option_table.h"
#include "pdl/vxcmn/vqpdlnt/pjl_options.h"
#include "settings/paper/table_rows.h"

#include <iterator>

namespace {

// This module reads only its own model's column; the others are kept the same for every row.
constexpr PjlModelFlags kWrite = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
constexpr PjlModelFlags kSkip  = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};

constexpr PJL_OPTION_ENTRY kPjlOptionRows[] = {
//    handler                     models    phase                 row
    { PjlWriteJobName,            kWrite,   kPjlPhaseBoth  },   //  0 JOBNAME, USERNAME
    { PjlWriteResolution,         kWrite,   kPjlPhaseBoth  },   //  1 RESOLUTION
    { PjlWriteCopies,             kWrite,   kPjlPhaseBoth  },   //  2 COPIES
    { PjlWritePaper,              kWrite,   kPjlPhaseBoth  },   //  3 PAPER
    { PjlWriteOrientation,        kWrite,   kPjlPhaseBoth  },   //  4 ORIENTATION
    { PjlWritePaperTray,          kWrite,   kPjlPhaseBoth  },   //  5 PAPERTRAY
    { PjlWriteJobOffset,          kWrite,   kPjlPhaseBoth  },   //  6 JOBOFFSET
    { PjlWriteCollate,            kWrite,   kPjlPhaseBoth  },   //  7 COLLATE
    { PjlWriteOutputBin,          kWrite,   kPjlPhaseBoth  },   //  8 OUTPUTBIN
    { PjlWriteTimeout,            kWrite,   kPjlPhaseBoth  },   //  9 TIMEOUT
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhasePrint },   // 10 hold with user ID and password
    { PjlWriteStaplePosition,     kWrite,   kPjlPhasePrint },   // 11 STAPLEPOSITION
    { PjlWriteDuplex,             kWrite,   kPjlPhasePrint },   // 12 DUPLEX, BINDING
    { PjlWriteFrontCover,         kWrite,   kPjlPhasePrint },   // 13 FRONTCOVER, FRONTPRINT
    { PjlWriteBackCover,          kWrite,   kPjlPhasePrint },   // 14 BACKCOVER, BACKPRINT
    { PjlWriteFrontTray,          kWrite,   kPjlPhasePrint },   // 15 FRONTTRAY
    { PjlWriteBackTray,           kWrite,   kPjlPhasePrint },   // 16 BACKTRAY
    { PjlWriteLayout,             kWrite,   kPjlPhasePrint },   // 17 LAYOUT
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhasePrint },   // 18 media type by lpMediaType
    { PjlWriteOutputMode,         kWrite,   kPjlPhasePrint },   // 19 OUTPUTMODE
    { PjlWriteDensity,            kWrite,   kPjlPhasePrint },   // 20 DENSITY
    { PjlWritePunch,              kWrite,   kPjlPhasePrint },   // 21 PUNCH
    { PjlWritePunchHoles,         kWrite,   kPjlPhasePrint },   // 22 PUNCHHOLES
    { PjlWriteCenterFinish,       kWrite,   kPjlPhasePrint },   // 23 FOLD, STITCH, TRIM
    { PjlWriteWait,               kWrite,   kPjlPhasePrint },   // 24 WAIT
    { PjlWriteSmoothing,          kWrite,   kPjlPhasePrint },   // 25 SMOOTHING
    { PjlWriteFullBleed,          kWrite,   kPjlPhasePrint },   // 26 FULLBLEED
    { PjlWriteWideMode,           kWrite,   kPjlPhasePrint },   // 27 WIDEMODE
    { PjlWriteMediaType,          kWrite,   kPjlPhasePrint },   // 28 MEDIATYPE, OHPINTERLEAVE
    { PjlWriteFeedDirection,      kWrite,   kPjlPhasePrint },   // 29 FEEDDIRECTION
    { PjlWriteChapters,           kWrite,   kPjlPhasePrint },   // 30 CHAPTERMODE, CHAPTER
    { PjlWriteInsertSheets,       kWrite,   kPjlPhasePrint },   // 31 PIFRONT, PIBACK, INTERMODE, INTERSHEET
    { PjlWriteUserId,             kWrite,   kPjlPhasePrint },   // 32 USERID
    { PjlWriteHold,               kWrite,   kPjlPhasePrint },   // 33 JOBID, HOLD, HOLDTYPE, HOLDKEY, HOLDLOC
    { PjlWriteImageShift,         kWrite,   kPjlPhasePrint },   // 34 IMAGESHIFT
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhasePrint },   // 35 image shift details
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhasePrint },   // 36 print position
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhasePrint },   // 37 output method, box number, timer print
    { PjlWriteTandem,             kWrite,   kPjlPhasePrint },   // 38 TANDEM
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhaseFax   },   // 39 fax transmission options
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhaseFax   },   // 40
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhaseFax   },   // 41
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhaseFax   },   // 42
    { PjlWriteOtherModelOption,   kSkip,    kPjlPhaseFax   },   // 43
    { nullptr,                    kSkip,    0              },   // terminator
};

constexpr std::size_t kRowCount = std::size(kPjlOptionRows) - 1;

} // namespace

static_assert(kPjlOptionRows[kRowCount].pfnHandler == nullptr, "terminator must be last");
static_assert(kRowCount == 44, "44 option rows");

const PJL_OPTION_ENTRY* GetPjlOptionRow(std::size_t index)
{
    return index < kRowCount ? &kPjlOptionRows[index] : nullptr;
}

std::size_t CountPjlOptionRows()
{
    return CountTableRows(kPjlOptionRows, [](const PJL_OPTION_ENTRY& row) { return row.pfnHandler == nullptr; });
}

BOOL IsPjlOptionRowActive(std::size_t index, DWORD phase)
{
    const PJL_OPTION_ENTRY* row = GetPjlOptionRow(index);
    if (row == nullptr)
        return FALSE;
    return row->modelFlags[kPjlThisModel] == kPjlModelWrite && (row->phase == kPjlPhaseBoth || row->phase == phase);
}
