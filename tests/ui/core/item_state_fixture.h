#pragma once
// item_state_fixture.h - a sheet's working state as the interface core sees it: laid out with the printer's
// resource library, every setting at its default, the static tables counted and the item table bound to it.

#include "settings/params/ui_state_fixture.h"
#include "settings/strings/res_strings.h"
#include "ui/core/item_queries.h"

class ItemStateTest : public UiStateTest {
protected:
    void SetUp() override
    {
        UiStateTest::SetUp();
        if (HasFatalFailure())
            return;
        InitResStrings();
        FillTestDefaults(m_state, m_cell);
        InitUiTables();
        BindItemValues(m_state);
    }

    void TearDown() override
    {
        BindItemValues(nullptr);   // the tables are process-wide: leave them pointing at nothing freed
        TermResStrings();
        UiStateTest::TearDown();
    }

    // Sets current values by control id, in order.
    void Set(std::initializer_list<std::pair<WORD, WORD>> values)
    {
        for (const auto& [control, value] : values)
            SetItemValue(control, value);
    }
};
