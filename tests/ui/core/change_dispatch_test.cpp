// change_dispatch_test.cpp - a changed setting goes to the page or dialog that owns it.
#include "ui/core/change_dispatch.h"

#include "ui/core/item_queries.h"
#include "ui/core/page_change_handlers.h"

#include <gtest/gtest.h>

TEST(ChangeDispatch, TheOwningPageSelectsTheHandler)
{
    InitUiTables();
    struct Case { WORD control; ITEM_CHANGED_HANDLER handler; };
    const Case cases[] = {
        {103, SetupPageOnItemChanged},      {163, SetupPageOnItemChanged},   // the view radios are page 100's
        {201, CoverPageOnItemChanged},      {301, FinishingPageOnItemChanged},
        {303, FinishingPageOnItemChanged},  // shares its list with 125 of page 100, but page 300 owns it
        {401, FormPageOnItemChanged},       {501, WatermarkPageOnItemChanged},
        {630, ImagePageOnItemChanged},      {804, OptionsPageOnItemChanged},
        {2024, OhpInterleafOnItemChanged},  {2304, BindingMarginOnItemChanged},
        {2405, InsertSheetOnItemChanged},   {2434, InsertDefaultsOnItemChanged},
        {2453, TabTextOnItemChanged},       {2802, CoverInsertOnItemChanged},
        {701, nullptr},                     // the font page is not dispatched
        {711, nullptr},
        {9999, nullptr},                    // not an item
        {134, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetItemChangedHandler(c.control), c.handler) << "control " << c.control;
    ItemChanged(nullptr, 701, 1);   // nothing to call
    ItemChanged(nullptr, 9999, 1);
}
