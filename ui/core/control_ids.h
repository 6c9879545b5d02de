#pragma once
// control_ids.h - the dialog control ids that code names. Every setting of the pages is addressed by the id of
// the control that shows it; the item, rule and prohibition tables carry the ids of their rows as data.

#include "win/windef.h"

// Setup page 100.
constexpr WORD kIdCopies = 103;
constexpr WORD kIdPortrait = 106;
constexpr WORD kIdLandscape = 107;
constexpr WORD kIdOriginalSize = 111;
constexpr WORD kIdOutputPaper = 114;
constexpr WORD kIdZoom = 116;
constexpr WORD kIdPaperTray = 120;
constexpr WORD kIdPaperType = 122;
constexpr WORD kIdLayoutCheck = 123;
constexpr WORD kIdNupCheck = 124;
constexpr WORD kIdNupCombo = 125;
constexpr WORD kIdOrderCombo = 127;
constexpr WORD kIdBorderCombo = 129;
constexpr WORD kIdStapleCheck = 130;
constexpr WORD kIdStaplePosition = 131;
constexpr WORD kIdDuplexCheck = 132;
constexpr WORD kIdDuplexCombo = 133;
constexpr WORD kIdPunchCheck = 136;
constexpr WORD kIdPunchPosition = 137;
constexpr WORD kIdOutputTray = 139;
constexpr WORD kIdConfidentialCheck = 144;
constexpr WORD kIdUserSettingsButton = 145;
constexpr WORD kIdSetupDefaults = 151;
// Settings of the setup page without a control of their own: the page shows them through the dialogs and
// combos that stand for them, and the rules read them by these ids.
constexpr WORD kIdBookletFlag = 134;
constexpr WORD kIdLayoutBooklet = 159;
constexpr WORD kIdLayoutFoldCheck = 161;
constexpr WORD kIdLayoutFoldKind = 162;

// Covers and inserts page 200.
constexpr WORD kIdFrontCoverCheck = 201;
constexpr WORD kIdBackCoverCheck = 205;
constexpr WORD kIdFrontCoverTray = 212;
constexpr WORD kIdBackCoverTray = 214;
constexpr WORD kIdInsertSheetCheck = 215;
constexpr WORD kIdCoverPaperType = 231;         // paper type of the bypass tray
constexpr WORD kIdNamedInsertList = 247;
constexpr WORD kIdInsertSheetList = 249;        // list view of the document and its insert sheets
constexpr WORD kIdInsertEdit = 251;             // 251-254 act on the selected insert sheet
constexpr WORD kIdInsertDown = 254;

// Finishing page 300.
constexpr WORD kIdFinishingCheck = 301;
constexpr WORD kIdFinishingNupCombo = 303;
constexpr WORD kIdFinishingOrderCombo = 304;
constexpr WORD kIdOneSheetCheck = 308;
constexpr WORD kIdOneSheetMode = 309;
constexpr WORD kIdFinishingDuplexCheck = 310;
constexpr WORD kIdFinishingDuplexCombo = 311;
constexpr WORD kIdBookletCheck = 312;
constexpr WORD kIdBookletCombo = 313;
constexpr WORD kIdChapterCheck = 314;
constexpr WORD kIdFoldCheck = 317;
constexpr WORD kIdFoldKind = 318;
constexpr WORD kIdFinishingStapleCheck = 319;
constexpr WORD kIdFinishingStaplePosition = 320;
constexpr WORD kIdFinishingPunchCheck = 321;
constexpr WORD kIdFinishingPunchPosition = 322;
constexpr WORD kIdImageSaveCheck = 326;

// Form, image and font pages.
constexpr WORD kIdCreateForm = 402;
constexpr WORD kIdDitherType = 603;             // first radio of the dither type group
constexpr WORD kIdDither = 605;                 // first of the three radios 605-607 that share one value
constexpr WORD kIdGraphicsMode = 611;           // first radio of the graphics mode group
constexpr WORD kIdRasterMode = 612;             // its raster radio
constexpr WORD kIdPdlType = 844;                // first radio of the printer language group
constexpr WORD kIdCopierHardDisk = 838;

// Device options page 800: the printer's hardware, not a job setting.
constexpr WORD kDeviceOptionsPage = 800;
constexpr WORD kIdPaperFeedUnit = 802;
constexpr WORD kIdOutputUnit = 804;

// Binding-margin dialog 2300, transparency-interleave dialog 2020 and the insert-sheet dialogs.
constexpr WORD kIdMarginMode = 2301;
constexpr WORD kIdInterleaveTray = 2024;
constexpr WORD kIdInsertPrintKind = 2405;
constexpr WORD kIdInsertTray = 2407;
constexpr WORD kIdInsertBinding = 2409;
constexpr WORD kIdInsertIndexPaper = 2411;
constexpr WORD kIdNamedListSides = 2434;        // per-page single/double-sided of a named insert list
