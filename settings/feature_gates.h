#pragma once
// feature_gates.h - whether a feature of the driver, and the list groups and settings functions that hang
// on it, is switched on in this build.

#include "win/windows.h"

// List groups of the settings store.
constexpr WORD kListGroupInterSheet     = 0x1001;
constexpr WORD kListGroupForm           = 0x1002;
constexpr WORD kListGroupWaterMark      = 0x1003;
constexpr WORD kListGroupFontSubTbl     = 0x1004;
constexpr WORD kListGroupFaxCoverSheet  = 0x1005;
constexpr WORD kListGroupUDPaper        = 0x2006;

// The feature table's enabled word for feature 1..7; 0 for an id the table does not hold.
BOOL IsFeatureEnabled(WORD featureId);
BOOL IsFeatureIdEnabled(WORD featureId);

// The enabled word of the feature a list group (0x1001..0x1005, 0x2006) or a settings function (1..8)
// hangs on; 0 for an id the map does not hold.
BOOL IsListGroupEnabled(WORD listGroupId);
BOOL IsFunctionEnabled(WORD functionId);
