// built_sheet_items_test.cpp - the item table over a working state built from a devmode, as a sheet has it.
#include "ui/core/constraint_index.h"
#include "ui/core/item_queries.h"
#include "ui/core/item_table.h"
#include "ui/core/sheet_state_fixture.h"

#include <gtest/gtest.h>

using BuiltSheetItems = SheetStateTest;

TEST_F(BuiltSheetItems, EveryValueCarryingRowIsBoundAndReadsTheDevmodesSettings)
{
    m_dm->dmPublic.dmCopies = 7;
    m_dm->dmPublic.dmOrientation = 2;
    Build();
    const CONSTRAINT_INDEX* index = m_state->pConstraintIndex;
    EXPECT_NE(index, nullptr) << "built with the state";
    EXPECT_EQ(GetUiTableCounts().wItems, 138);

    BindItemValues(m_state);
    const UI_ITEM* rows = GetUiItemRows();
    for (WORD i = 0; i < GetUiTableCounts().wItems; ++i) {
        if (rows[i].wKind == kItemDefaults)
            continue;
        EXPECT_NE(rows[i].pValue, nullptr) << "control " << rows[i].wControl;
    }
    EXPECT_EQ(GetItemValue(103), 7);
    EXPECT_EQ(GetItemValue(106), 2);
    EXPECT_EQ(GetItemValue(107), 2);
    BindItemValues(nullptr);
}
