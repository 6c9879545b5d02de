#pragma once
// probe_res_library.h - what the probe resource library QNRESPRB.DLL holds. The settings tests link it into
// the world's driver folder as Q73MZRT3.DLL to drive the string cache to its limits.

#include <string>
#include "win/windef.h"

inline constexpr UINT kProbeBelowRangeId = 19999;
inline constexpr UINT kProbeFirstId = 20000;
inline constexpr UINT kProbeAlwaysEmptyId = 21200;
inline constexpr UINT kProbeLastId = 64000;
inline constexpr UINT kProbeAboveRangeId = 64001;
inline constexpr UINT kProbeLongestId = 30000;     // 999 characters, the longest text the cache takes
inline constexpr UINT kProbeTooLongId = 30001;     // 1,000 characters
inline constexpr UINT kProbeBulkFirstId = 40000;   // kProbeBulkCount texts of 999 characters each
inline constexpr UINT kProbeBulkCount = 120;       // 240,000 bytes in the pool: more than twice its first size
inline constexpr UINT kProbeBitmapId = 10000;      // a 2 x 2 picture
inline constexpr UINT kProbeIconId = 10001;
inline constexpr UINT kProbeCursorId = 10002;

// The text the probe library holds for id ("" for an id it does not hold).
inline std::u16string ProbeText(UINT id)
{
    switch (id) {
    case kProbeBelowRangeId: return u"below the range";
    case kProbeFirstId: return u"first id";
    case kProbeAlwaysEmptyId: return u"never shown";
    case kProbeLastId: return u"last id";
    case kProbeAboveRangeId: return u"above the range";
    case kProbeLongestId: return std::u16string(999, u'x');
    case kProbeTooLongId: return std::u16string(1000, u'y');
    default: break;
    }
    if (id >= kProbeBulkFirstId && id < kProbeBulkFirstId + kProbeBulkCount) {
        std::u16string text(999, static_cast<char16_t>(u'A' + (id - kProbeBulkFirstId) % 26));
        text[0] = static_cast<char16_t>(u'0' + (id - kProbeBulkFirstId) % 10);   // neighbours differ at once
        return text;
    }
    return u"";
}
