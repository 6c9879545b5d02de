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
constexpr WORD kIdOutputTray = 139;
constexpr WORD kIdConfidentialCheck = 144;
constexpr WORD kIdUserSettingsButton = 145;
constexpr WORD kIdSetupDefaults = 151;

// Covers and inserts page 200.
constexpr WORD kIdFrontCoverCheck = 201;
constexpr WORD kIdBackCoverCheck = 205;
constexpr WORD kIdFrontCoverTray = 212;
constexpr WORD kIdBackCoverTray = 214;
constexpr WORD kIdInsertSheetCheck = 215;
constexpr WORD kIdCoverPaperType = 231;
constexpr WORD kIdInsertSheetList = 249;        // list view of the document and its insert sheets
constexpr WORD kIdInsertEdit = 251;             // 251-254 act on the selected insert sheet
constexpr WORD kIdInsertDown = 254;

// Finishing page 300.
constexpr WORD kIdFinishingCheck = 301;
constexpr WORD kIdImageSaveCheck = 326;

// Form, image and font pages.
constexpr WORD kIdCreateForm = 402;
constexpr WORD kIdDitherType = 603;             // first radio of the dither type group
constexpr WORD kIdGraphicsMode = 611;           // first radio of the graphics mode group
constexpr WORD kIdPdlType = 844;                // first radio of the printer language group
constexpr WORD kIdCopierHardDisk = 838;
