// item_value_maps.cpp - the value maps, one per page or dialog. The combo boxes that pages 100 and 300 both show
// name the same parameter and so share one list; their check boxes are separate settings. Storage is found
// through the parameter's own binding function, the one place where a parameter id becomes an address.
#include "ui/core/item_value_maps.h"

#include "settings/params/ui_state_layout.h"
#include "settings/params/uiparam_table.h"

namespace {

struct ITEM_PARAM_ROW {
    WORD wControl;                  // 0 ends the map
    WORD wParamId;
};

struct PAGE_VALUE_MAP {
    WORD wPage;
    const ITEM_PARAM_ROW* pRows;
};

} // namespace

constexpr ITEM_PARAM_ROW kPage100Params[] = {
    {  125,  11 },   // lpLayout
    {  127,  10 },   // lpOrder
    {  129, 103 },   // lpBorder2
    {  103,   1 },   // Copies
    {  116,   6 },   // Zoom
    {  106,   2 },   // lpOrientation
    {  107,   2 },   // lpOrientation
    {  111,   3 },   // lpMediaSize
    {  114,   4 },   // lpOutputPaper
    {  120,   7 },   // lpMediaSource
    {  122,  26 },   // lpMediaType
    {  123,  61 },   // Layout_Check2
    {  131,  14 },   // lpStaple
    {  133,  15 },   // lpDuplex
    {  139,  16 },   // lpOutputTray
    {  141, 107 },   // lpOutputOrder
    {  142,  17 },   // Sort_Check
    {  143,  18 },   // Collate_Check
    {  157,  64 },   // PaperLess_Check
    {  144,  19 },   // Password_Check
    {  124,  56 },   // Nup_Check
    {  130,  59 },   // Staple_Check
    {  132,  60 },   // Duplex_Check
    {  155,  63 },   // BindMargin_Check
    {  156, 108 },   // lpBindMargin
    {  163, 100 },   // param100
    {  164, 100 },   // param100
    {  136,  62 },   // Punch_Check
    {  137, 106 },   // lpPunch
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage200Params[] = {
    {  201,  20 },   // Front_Check
    {  202,  21 },   // lpFrontCover
    {  203,  21 },   // lpFrontCover
    {  205,  22 },   // Back_Check
    {  206,  23 },   // lpBackCover
    {  207,  23 },   // lpBackCover
    {  215,  66 },   // InterSheet_Check
    {  212, 109 },   // lpFrontCoverTray
    {  214, 110 },   // lpBackCoverTray
    {  233,  67 },   // FrontCoverSheet_Check
    {  234, 111 },   // lpFrontPITray
    {  235,  68 },   // BackCoverSheet_Check
    {  236, 112 },   // lpBackPITray
    {  240,  69 },   // InsertCoverSheet_Check
    {  231,  25 },   // lpCoverMediaType
    {  247, 114 },   // lpInterSheetList
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage300Params[] = {
    {  301,  70 },   // POD_Check
    {  302,  71 },   // POD_Nup_Check
    {  303,  11 },   // lpLayout
    {  304,  10 },   // lpOrder
    {  306, 103 },   // lpBorder2
    {  308,  72 },   // POD_OnePerSheet_Check
    {  309, 115 },   // lpPOD_OnePerSheet
    {  342,  73 },   // POD_BindMargin_Check
    {  343, 108 },   // lpBindMargin
    {  310,  74 },   // POD_Duplex_Check
    {  311,  15 },   // lpDuplex
    {  312,  75 },   // POD_Booklet_Check
    {  313, 116 },   // lpPOD_Booklet
    {  314,  76 },   // Chapter_Check
    {  317,  77 },   // CenterFinish_Check
    {  318, 117 },   // lpCenterFinish
    {  319,  78 },   // POD_Staple_Check
    {  320,  14 },   // lpStaple
    {  321,  79 },   // POD_Punch_Check
    {  322, 106 },   // lpPunch
    {  323,  80 },   // WaitMode_Check
    {  324,  93 },   // lpWaitMode
    {  325,  93 },   // lpWaitMode
    {  340,  95 },   // lpJobMode
    {  341,  95 },   // lpJobMode
    {  326,  81 },   // JobComb_Check
    {  328,  82 },   // ImageShift_Check
    {  329,  83 },   // TandemMode_Check
    {  348, 236 },   // lpJobCombType
    { 2831, 237 },   // lpJobModeSpl
    { 2832, 237 },   // lpJobModeSpl
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage400Params[] = {
    {  401,  35 },   // lpOverlay
    {  402,  35 },   // lpOverlay
    {  403,  35 },   // lpOverlay
    {  404,  36 },   // OverlayPrompt
    {  405,  86 },   // OverlayOrder_Check
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage500Params[] = {
    {  501,  37 },   // Watermark_Use
    {  504,  39 },   // lpWatermarkOrder
    {  505,  39 },   // lpWatermarkOrder
    {  506,  38 },   // FirstPageOnly
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage600Params[] = {
    {  603,  29 },   // lpDitherType
    {  604,  29 },   // lpDitherType
    {  605,  30 },   // lpDither
    {  606,  30 },   // lpDither
    {  607,  30 },   // lpDither
    {  611,  33 },   // lpGraphicsMode
    {  612,  33 },   // lpGraphicsMode
    {  602,  31 },   // SaveToner
    {  634,  84 },   // EngSaveToner_Check
    {  625, 130 },   // lpResolution
    {  637,  85 },   // PrintCAD_Check
    {  638,  97 },   // lpPrintCADMode
    {  639,  97 },   // lpPrintCADMode
    {  640,  90 },   // f1Plane1Bit_Check
    {  614,  34 },   // lpSmoothing
    {  630, 145 },   // Density
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage700Params[] = {
    {  701, 203 },   // FontUseFlg
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage800Params[] = {
    {  844,  98 },   // lpPDLType
    {  845,  98 },   // lpPDLType
    {  846, 234 },   // param234
    {  804,  41 },   // lpOutputUnit
    {  802,  40 },   // lpSourceUnit
    {  824, 121 },   // lpCoverSheetTray
    {  826, 122 },   // lpTrimmer
    {  828, 123 },   // lpPunchKit
    {  830, 124 },   // lpPunchZFold
    {  832, 125 },   // lpFoldUnit
    {  838, 127 },   // lpCopierHardDisk
    {  847, 238 },   // param238
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage2020Params[] = {
    { 2021,  96 },   // lpOhpIntlvType
    { 2022,  96 },   // lpOhpIntlvType
    { 2024, 132 },   // lpOIPaperTray
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage2300Params[] = {
    { 2304, 108 },   // lpBindMargin
    { 2306, 146 },   // fMargin
    { 2310, 147 },   // bMargin
    { 2301,  99 },   // lpMarginMode
    { 2302,  99 },   // lpMarginMode
    { 2315,  89 },   // MarginEqual_Check
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage2400Params[] = {
    { 2405, 133 },   // lpInterSheetListPRNType
    { 2407, 135 },   // lpInterSheetListTray
    { 2409, 134 },   // lpInterSheetListBinding
    { 2411,  91 },   // PrnTabIndex
    { 2415, 186 },   // lpPrnTabIndexNo
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage2430Params[] = {
    { 2434,  92 },   // Mixplex_Check
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage2450Params[] = {
    { 2453, 136 },   // lpTabTextOrient
    { 2455, 137 },   // lpTabTextAlign
    {    0,   0 },
};
constexpr ITEM_PARAM_ROW kPage2800Params[] = {
    { 2802, 113 },   // lpInsertPITray
    {    0,   0 },
};

static constexpr PAGE_VALUE_MAP kPageValueMaps[] = {
    {  100, kPage100Params  },
    {  200, kPage200Params  },
    {  300, kPage300Params  },
    {  400, kPage400Params  },
    {  500, kPage500Params  },
    {  600, kPage600Params  },
    {  700, kPage700Params  },
    {  800, kPage800Params  },
    { 2020, kPage2020Params },
    { 2300, kPage2300Params },
    { 2400, kPage2400Params },
    { 2430, kPage2430Params },
    { 2450, kPage2450Params },
    { 2800, kPage2800Params },
};

WORD GetItemParamId(WORD wPage, WORD wControl)
{
    for (const PAGE_VALUE_MAP& map : kPageValueMaps) {
        if (map.wPage != wPage)
            continue;
        for (const ITEM_PARAM_ROW* row = map.pRows; row->wControl != 0; ++row)
            if (row->wControl == wControl)
                return row->wParamId;
        return 0;
    }
    return 0;
}

void* MapItemValue(UI_STATE* pState, WORD wPage, WORD wControl)
{
    const WORD wParamId = GetItemParamId(wPage, wControl);
    if (pState == nullptr || wParamId == 0)
        return nullptr;
    const WORD wRow = FindUiParamRunRow(pState, wParamId);
    if (wRow == kNoLink)
        return nullptr;
    const DWORD dwKind = pState->pParamRows[wRow].dwKind;
    if ((dwKind & (PK_NAMED_LIST | PK_LIST | PK_VALUE | PK_RANGE)) == 0)
        return nullptr;   // only option lists and value records carry a control's value
    void* pField = nullptr;
    if (CallParamBinder(wParamId, wRow, pState, &pField, nullptr, nullptr) == 0)
        return nullptr;
    return pField;
}
