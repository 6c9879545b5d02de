#pragma once
// built_sheet_fixture.h - a working state built from the printer's devmode as a sheet builds it, with its
// option lists filled, the item table bound to it and the control rules worked out once.

#include "ui/core/control_rules.h"
#include "ui/core/constraint_index.h"
#include "ui/core/item_queries.h"
#include "ui/core/prohibition_tables.h"
#include "ui/core/sheet_state_fixture.h"

#include <initializer_list>
#include <utility>

class BuiltSheetTest : public SheetStateTest {
protected:
    void SetUp() override
    {
        SheetStateTest::SetUp();
        if (HasFatalFailure())
            return;
        Build();
        if (HasFatalFailure())
            return;
        BindItemValues(m_state);
        UpdateControlRules(nullptr, m_state);
    }

    void TearDown() override
    {
        UseProhibitionTables(nullptr);
        InitUiTables();
        BindItemValues(nullptr);   // the tables are process-wide: leave them pointing at nothing freed
        SheetStateTest::TearDown();
    }

    // Sets current values by control id, in order.
    void Set(std::initializer_list<std::pair<WORD, WORD>> values)
    {
        for (const auto& [control, value] : values)
            SetItemValue(control, value);
    }

    ITEM_LIST* List(WORD control) { return static_cast<ITEM_LIST*>(GetItemValuePtr(control)); }

    // Points the engine at prohibition tables of the test's own and indexes them for the sheet; the product's
    // tables come back at TearDown.
    void Use(const PROHIBITION_TABLES& tables)
    {
        m_tables = tables;
        UseProhibitionTables(&m_tables);
        InitUiTables();
        BuildConstraintIndex(m_state);
    }

    PROHIBITION_TABLES m_tables = {};
};
