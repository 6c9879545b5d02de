#pragma once
// margin_limits.h - how wide the binding margins may be. With automatic reduction on, the margins are narrowed
// so that the original still fits the output paper at the smallest zoom.

#include "settings/params/ui_state.h"
#include "win/windows.h"

// Flags of GetMarginLimits.
constexpr DWORD kMarginFrontMaxNarrowed = 0x1;
constexpr DWORD kMarginBackMaxNarrowed = 0x4;
constexpr DWORD kMarginFrontCollapsed = 0x10;     // the front range shrank to one value
constexpr DWORD kMarginBackCollapsed = 0x20;
constexpr DWORD kMarginFrontMoved = 0x100;        // the front value had to move into its range
constexpr DWORD kMarginBackMoved = 0x200;
constexpr DWORD kMarginBackEqualised = 0x400;
constexpr DWORD kMarginZoomAboveMaximum = 0x1000;
constexpr DWORD kMarginZoomBelowMinimum = 0x2000;
// Any of these: the settings do not fit, and the margin mode must give way.
constexpr DWORD kMarginLimitsExceeded = kMarginFrontCollapsed | kMarginBackCollapsed | kMarginFrontMoved |
                                        kMarginBackMoved;

// The front and back ranges (any out pointer may be null) and the given values bounded to them; the flags say
// what was narrowed or moved.
DWORD GetMarginLimits(UI_STATE* pState, WORD* pFrontMax, WORD* pFrontMin, WORD* pBackMax, WORD* pBackMin,
                      WORD* pFront, WORD* pBack);
