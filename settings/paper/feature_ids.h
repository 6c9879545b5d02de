#pragma once
// feature_ids.h - the ids of the option-table features that code names. A feature is named for the
// parameter that uses it; the tables themselves (option_table.cpp, paper_option_table.cpp,
// range_option_table.cpp, devmode_feature_fields.cpp) hold the ids as data.

#include "win/windef.h"

constexpr WORD kFeaturePaperSize = 0;          // papers with their sizes and printable areas in 0.01 mm
constexpr WORD kFeatureCopies = 2;
constexpr WORD kFeatureOrientation = 3;
constexpr WORD kFeatureResolution = 5;
constexpr WORD kFeatureOutputPaper = 11;
constexpr WORD kFeatureLayout = 12;            // pages per sheet (lpLayout)
constexpr WORD kFeaturePaperPixels = 22;       // the same papers in dots at 300 dpi
constexpr WORD kFeatureZoomCheck = 25;
constexpr WORD kFeatureZoom = 26;
constexpr WORD kFeatureMediaSource = 27;
constexpr WORD kFeatureFrontCheck = 41;
constexpr WORD kFeatureFrontCover = 42;
constexpr WORD kFeatureBackCheck = 43;
constexpr WORD kFeatureBackCover = 44;
constexpr WORD kFeatureEcmTab = 69;           // the phone book's per-entry switches
constexpr WORD kFeatureIntlComTab = 70;
constexpr WORD kFeatureColor = 87;
constexpr WORD kFeatureCustomWidth = 164;      // 0.1 mm
constexpr WORD kFeatureCustomLength = 165;
constexpr WORD kFeatureTabIndexNum = 155;     // tabs in one set of index paper
constexpr WORD kFeatureFaxV34Tab = 183;
