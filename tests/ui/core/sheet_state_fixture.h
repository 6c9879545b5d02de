#pragma once
// sheet_state_fixture.h - the printer's resource library in a cell, the printer's document devmode as a sheet
// starts from it, and the working state built from it.

#include "settings/devmode/document_devmode.h"
#include "settings/res_library_fixture.h"
#include "settings/strings/text_copy.h"
#include "ui/core/sheet_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

// The text of a WCHAR field of a packed record: FieldTextForTest(&state->JobId).
template <std::size_t N>
std::u16string FieldTextForTest(const WCHAR (*field)[N])
{
    WCHAR copy[N + 1] = {};
    std::memcpy(copy, field, sizeof(WCHAR) * N);
    return copy;
}
inline std::u16string ToU16(unsigned value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

class SheetStateTest : public ResModuleTest {
protected:
    void SetUp() override
    {
        ResModuleTest::SetUp();
        if (HasFatalFailure())
            return;
        m_dm = std::make_unique<DRIVER_DEVMODE>();
        ASSERT_TRUE(BuildDocumentDevmode(m_cell, m_hPrinter, kPrinterName, nullptr, m_dm.get()));
    }

    void TearDown() override
    {
        FreeUiState(&m_state);
        ResModuleTest::TearDown();
    }

    void Build()
    {
        FreeUiState(&m_state);
        ASSERT_TRUE(BuildUiState(m_cell, &m_state, m_dm.get(), nullptr, m_hPrinter));
        ASSERT_NE(m_state, nullptr);
    }

    // Entry i of a named option list.
    static ITEM_LIST_ENTRY Entry(const ITEM_LIST* list, WORD i)
    {
        ITEM_LIST_ENTRY entry;
        std::memcpy(&entry, reinterpret_cast<const BYTE*>(list) + sizeof(ITEM_LIST) + i * sizeof entry, sizeof entry);
        return entry;
    }

    static std::u16string EntryName(const ITEM_LIST_ENTRY& entry)
    {
        WCHAR name[65] = {};
        std::memcpy(name, entry.szName, sizeof entry.szName);
        return name;
    }

    // Sets a list's working and committed value, as a page and the commit would.
    static void Commit(ITEM_LIST* list, WORD value)
    {
        list->wCurrent = value;
        list->wCommitted = value;
    }
    static void Commit(VALUE_RECORD& record, WORD value)
    {
        record.wCurrent = value;
        record.wCommitted = value;
    }

    std::unique_ptr<DRIVER_DEVMODE> m_dm;
    UI_STATE* m_state = nullptr;
};
