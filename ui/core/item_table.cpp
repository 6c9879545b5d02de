// item_table.cpp - the item table. Rows of one page mostly stand together, but not always: the order is the
// order in which the resolve passes and the commit visit settings, so it is kept as it is.
#include "ui/core/item_table.h"

#include "settings/paper/table_rows.h"

#include <array>

// A row with its run-time columns cleared; defaults buttons carry the defaults message class.
static constexpr UI_ITEM Item(WORD wControl, WORD wKind, WORD wLabel, WORD wPage, DWORD dwPageMask)
{
    return { wControl, 0, wLabel, 0, nullptr, 0, wKind, wPage, 0, 0, dwPageMask,
             wKind == kItemDefaults ? kItemClassDefaults : kItemClassSetting };
}

constexpr auto kUiItemRows = std::to_array<UI_ITEM>({
//        control kind            label   page  mask
    // page 100
    Item(  125, kItemList,     21420,  100,  72),
    Item(  127, kItemList,     21426,  100,  72),
    Item(  129, kItemList,     21435,  100,  72),
    Item(  103, kItemNumber,   20005,  100,   8),
    Item(  116, kItemNumber,   20006,  100,   8),
    Item(  106, kItemRadio,    20000,  100,   8),
    Item(  107, kItemRadio,    20000,  100,   8),
    Item(  111, kItemList,     20007,  100,   8),
    Item(  114, kItemList,     20008,  100,   8),
    Item(  120, kItemList,     20009,  100,   8),
    Item(  122, kItemList,     20011,  100,   8),
    Item(  123, kItemCheck,    20012,  100,   8),
    Item(  131, kItemList,     21440,  100,  72),
    Item(  133, kItemList,     21450,  100,  72),
    Item(  139, kItemList,     20013,  100,   8),
    Item(  141, kItemList,     20014,  100,   8),
    Item(  142, kItemCheck,    20015,  100,   8),
    Item(  143, kItemCheck,    20016,  100,   8),
    Item(  157, kItemCheck,    20017,  100,   8),
    Item(  144, kItemCheck,    20023,  100,   8),
    Item(  124, kItemCheck,    21420,  100,  72),
    Item(  130, kItemCheck,    21440,  100,  72),
    Item(  132, kItemCheck,    21450,  100,  72),
    Item(  155, kItemCheck,    21480,  100,  72),
    Item(  156, kItemList,     21480,  100,  72),
    Item(  151, kItemDefaults, 21206,  100,  12),
    // dialog 2300
    Item( 2304, kItemList,     21481, 2300,  72),
    Item( 2306, kItemNumber,   21482, 2300,  72),
    Item( 2310, kItemNumber,   21483, 2300,  72),
    Item( 2301, kItemRadio,    21484, 2300,  72),
    Item( 2302, kItemRadio,    21484, 2300,  72),
    Item( 2315, kItemCheck,    21485, 2300,  72),
    // page 100
    Item(  163, kItemRadio,    21207,  100, 216),
    Item(  164, kItemRadio,    21208,  100, 216),
    // page 200
    Item(  201, kItemCheck,    20100,  200,  16),
    Item(  202, kItemRadio,    20102,  200,  16),
    Item(  203, kItemRadio,    20103,  200,  16),
    Item(  205, kItemCheck,    20101,  200,  16),
    Item(  206, kItemRadio,    20102,  200,  16),
    Item(  207, kItemRadio,    20103,  200,  16),
    Item(  237, kItemDefaults, 21206,  200,  20),
    // page 400
    Item(  401, kItemRadio,    20302,  400,   0),
    Item(  402, kItemRadio,    20302,  400,   0),
    Item(  403, kItemRadio,    20302,  400,   0),
    Item(  404, kItemCheck,    20303,  400,   0),
    Item(  405, kItemCheck,    20304,  400,   0),
    // page 500
    Item(  501, kItemCheck,    20400,  500,   0),
    Item(  504, kItemRadio,    20401,  500,   0),
    Item(  505, kItemRadio,    20401,  500,   0),
    Item(  506, kItemCheck,    20402,  500,   0),
    // page 600
    Item(  603, kItemRadio,    20500,  600, 128),
    Item(  604, kItemRadio,    20500,  600, 128),
    Item(  605, kItemRadio,    20510,  600, 128),
    Item(  606, kItemRadio,    20510,  600, 128),
    Item(  607, kItemRadio,    20510,  600, 128),
    Item(  611, kItemRadio,    20505,  600, 128),
    Item(  612, kItemRadio,    20505,  600, 128),
    Item(  602, kItemCheck,    20501,  600, 128),
    Item(  634, kItemCheck,    20501,  600, 128),
    Item(  625, kItemList,     20528,  600, 128),
    Item(  637, kItemCheck,    20502,  600, 128),
    Item(  638, kItemRadio,    20502,  600, 128),
    Item(  639, kItemRadio,    20502,  600, 128),
    Item(  640, kItemCheck,    20527,  600, 128),
    Item(  615, kItemDefaults, 21206,  600, 132),
    // page 700
    Item(  701, kItemCheck,    20600,  700, 512),
    Item(  711, kItemDefaults, 21206,  700, 516),
    // page 800
    Item(  844, kItemRadio,    20534,  800,  32),
    Item(  845, kItemRadio,    20534,  800,  32),
    Item(  846, kItemCheck,    20534,  800,  32),
    Item(  815, kItemDefaults, 21206,  800,  36),
    // dialog 2020
    Item( 2021, kItemRadio,    20028, 2020,   8),
    Item( 2022, kItemRadio,    20028, 2020,   8),
    Item( 2024, kItemList,     20029, 2020,   8),
    // page 100
    Item(  136, kItemCheck,    21470,  100,  72),
    Item(  137, kItemList,     21470,  100,  72),
    // page 200
    Item(  215, kItemCheck,    20156,  200,  16),
    Item(  212, kItemList,     20110,  200,  16),
    Item(  214, kItemList,     20121,  200,  16),
    Item(  233, kItemCheck,    20127,  200,  16),
    Item(  234, kItemList,     20129,  200,  16),
    Item(  235, kItemCheck,    20128,  200,  16),
    Item(  236, kItemList,     20130,  200,  16),
    Item(  240, kItemCheck,    20165,  200,  16),
    Item(  231, kItemList,     20108,  200,  16),
    Item(  247, kItemList,     20133,  200,  16),
    // dialog 2430
    Item( 2434, kItemCheck,    20134, 2430,   0),
    // dialog 2400
    Item( 2405, kItemList,     20135, 2400,   0),
    Item( 2407, kItemList,     20136, 2400,   0),
    Item( 2409, kItemList,     20137, 2400,   0),
    Item( 2411, kItemCheck,    20138, 2400,   0),
    Item( 2415, kItemList,     20139, 2400,   0),
    // dialog 2450
    Item( 2453, kItemList,     20140, 2450,   0),
    Item( 2455, kItemList,     20141, 2450,   0),
    // dialog 2800
    Item( 2802, kItemList,     20166, 2800,   0),
    // page 300
    Item(  301, kItemCheck,    20200,  300,  64),
    Item(  302, kItemCheck,    20201,  300,  72),
    Item(  303, kItemList,     20201,  300,  72),
    Item(  304, kItemList,     20202,  300,  72),
    Item(  306, kItemList,     20203,  300,  72),
    Item(  308, kItemCheck,    20206,  300,  64),
    Item(  309, kItemList,     20206,  300,  64),
    Item(  342, kItemCheck,    20208,  300,  72),
    Item(  343, kItemList,     20208,  300,  72),
    Item(  310, kItemCheck,    20209,  300,  72),
    Item(  311, kItemList,     20209,  300,  72),
    Item(  312, kItemCheck,    21500,  300,  64),
    Item(  313, kItemList,     21500,  300,  64),
    Item(  314, kItemCheck,    20210,  300,  64),
    Item(  317, kItemCheck,    20216,  300,  64),
    Item(  318, kItemList,     20216,  300,  64),
    Item(  319, kItemCheck,    20221,  300,  72),
    Item(  320, kItemList,     20221,  300,  72),
    Item(  321, kItemCheck,    20222,  300,  72),
    Item(  322, kItemList,     20222,  300,  72),
    Item(  323, kItemCheck,    20223,  300,  64),
    Item(  324, kItemRadio,    20224,  300,  64),
    Item(  325, kItemRadio,    20225,  300,  64),
    Item(  340, kItemRadio,    20229,  300,  64),
    Item(  341, kItemRadio,    20230,  300,  64),
    Item(  326, kItemCheck,    20226,  300,  64),
    Item(  328, kItemCheck,    20231,  300,  64),
    Item(  329, kItemCheck,    20872,  300,  64),
    Item(  348, kItemList,     20226,  300,  64),
    Item( 2831, kItemRadio,    20229,  300,  64),
    Item( 2832, kItemRadio,    20230,  300,  64),
    Item(  338, kItemDefaults, 21206,  300,  68),
    // page 600
    Item(  614, kItemList,     20532,  600, 128),
    Item(  630, kItemTrackbar, 20513,  600, 128),
    // page 800
    Item(  804, kItemList,     20820,  800,  32),
    Item(  802, kItemList,     20800,  800,  32),
    Item(  824, kItemList,     20809,  800,  32),
    Item(  826, kItemList,     20843,  800,  32),
    Item(  828, kItemList,     20848,  800,  32),
    Item(  830, kItemList,     20850,  800,  32),
    Item(  832, kItemList,     20845,  800,  32),
    Item(  838, kItemList,     20857,  800,  32),
    Item(  847, kItemCheck,    20857,  800,  32),
    { 0, 0, 21200, 0, nullptr, 0, 0, 0, 0, 0, 0, 0 },   // terminator
});

static_assert(kUiItemRows.size() == 139 && kUiItemRows.back().wControl == 0, "138 rows and the terminator last");

static constexpr bool ControlIdsAreUnique()
{
    for (std::size_t i = 0; i + 1 < kUiItemRows.size(); ++i)
        for (std::size_t j = i + 1; j + 1 < kUiItemRows.size(); ++j)
            if (kUiItemRows[i].wControl == kUiItemRows[j].wControl)
                return false;
    return true;
}
static_assert(ControlIdsAreUnique(), "every lookup takes the first row of an id");

// Mutable: BindItemValues and the resolve drivers write the value pointer and saved value of each row.
constinit static std::array<UI_ITEM, kUiItemRows.size()> g_uiItems = kUiItemRows;

UI_ITEM* GetUiItemRows()
{
    return g_uiItems.data();
}

WORD CountUiItemRows()
{
    return static_cast<WORD>(CountTableRows(g_uiItems.data(), [](const UI_ITEM& row) { return row.wControl == 0; }));
}
