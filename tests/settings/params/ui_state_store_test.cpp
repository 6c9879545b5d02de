// ui_state_store_test.cpp - the store of a working state: its printer's lists, the insert-sheet settings
// passed to a named list, and the user-defined sizes as the pages read them.
#include "settings/params/ui_state_store.h"

#include "settings/paper/custom_size_store.h"
#include "settings/paper/paper_queries.h"
#include "settings/params/custom_size_state.h"
#include "settings/params/typed_list_fields.h"
#include "settings/store/settings_store.h"
#include "ui_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

WORD Current(UI_STATE* pState, WORD wParamId)
{
    WORD value = 0;
    DWORD cb = sizeof value;
    EXPECT_EQ(GetParamValue(wParamId, &value, &cb, 2, nullptr, nullptr, nullptr, pState, 1), 0) << wParamId;
    return value;
}

}  // namespace

TEST_F(UiStateTest, IndexPaperSettingsPassBetweenStateAndList)
{
    const INDEX_PAPER_SETTINGS settings = { 1033, 5, 34, 30, 10, -2 };
    SetIndexPaperSettings(m_state, &settings);
    EXPECT_EQ(Current(m_state, 184), 1033);
    EXPECT_EQ(Current(m_state, 185), 5);
    EXPECT_EQ(Current(m_state, 190), 0xFFFE);
    INDEX_PAPER_SETTINGS back;
    std::memset(&back, 0xAB, sizeof back);
    GetIndexPaperSettings(m_state, &back);
    EXPECT_EQ(std::memcmp(&back, &settings, sizeof back), 0);
    GetIndexPaperSettings(m_state, nullptr);
    SetIndexPaperSettings(nullptr, &settings);
}

TEST_F(UiStateTest, ResetInsertSheetsTakesTheSelectedListForEditing)
{
    const WORD list = 4;
    ASSERT_EQ(SetParamValue(114, &list, sizeof list, 2, m_state, 1), 0);
    m_state->InterSheetListData_PageListNum = 7;
    m_state->InsertEditCount = 3;
    ResetInsertSheetEntries(m_state);
    EXPECT_EQ(Current(m_state, 208), 0);
    EXPECT_EQ(Current(m_state, 207), 4);
    const WORD editCount = m_state->InsertEditCount;
    EXPECT_EQ(editCount, 0);
}

TEST_F(UiStateTest, SavedListsLoadIntoAnotherStateOfThePrinter)
{
    m_state->pStore->lpWatermark->WMarkListNum = 2;
    std::memcpy(m_state->pStore->lpWatermark->lpEntries[1].Text, u"Draft", sizeof u"Draft");
    ASSERT_TRUE(SaveUiStateStore(m_state));

    UI_STATE* pOther = BuildTestUiState(m_cell);
    ASSERT_NE(pOther, nullptr);
    pOther->hPrinter = m_hPrinter;
    EXPECT_TRUE(LoadUiStateStore(pOther));
    EXPECT_EQ(pOther->pStore->lpWatermark->WMarkListNum, 2);
    EXPECT_EQ(FieldText(&pOther->pStore->lpWatermark->lpEntries[1].Text), u"Draft");
    FreeTestUiState(pOther);
    EXPECT_FALSE(LoadUiStateStore(nullptr));
}

TEST_F(UiStateTest, CustomSizesAreReadWithinTheirTenEntries)
{
    CUSTOM_SIZE_ENTRY* pSizes = m_state->pStore->lpCustomSizes;
    ASSERT_NE(pSizes, nullptr);
    pSizes[9].width = 8267;
    pSizes[9].length = 11693;
    pSizes[9].unit = 2;
    for (WCHAR& c : pSizes[9].name)
        c = u'N';   // seventeen characters, no terminator
    EXPECT_EQ(GetCustomSizeValue(m_state, 9, u"User Defined Width", nullptr), 8267);
    EXPECT_EQ(GetCustomSizeValue(m_state, 9, u"User Defined Length", nullptr), 11693);
    EXPECT_EQ(GetCustomSizeValue(m_state, 9, u"User Defined Unit", nullptr), 0);
    EXPECT_EQ(GetCustomSizeValue(m_state, 10, u"User Defined Width", nullptr), 0);
    EXPECT_EQ(GetCustomSizeValue(nullptr, 0, u"User Defined Width", nullptr), 0);
    EXPECT_EQ(GetCustomSizeUnit(m_state, 9), 2);
    EXPECT_EQ(GetCustomSizeUnit(m_state, 10), 0);

    WCHAR name[18];
    std::memset(name, 0xAB, sizeof name);
    EXPECT_EQ(GetCustomSizeName(m_state, 9, name), 17u);
    EXPECT_EQ(std::u16string(name), std::u16string(16, u'N'));
    EXPECT_EQ(name[17], 0xABAB) << "nothing past the seventeen characters";
    EXPECT_EQ(GetCustomSizeName(m_state, 10, name), 0u);

    DWORD width = 0;
    DWORD cb = sizeof width;
    EXPECT_EQ(AccessCustomSizeFieldTyped(94, 9, &width, &cb, 16, pSizes), 0);
    EXPECT_EQ(width, 8267u);
    EXPECT_EQ(AccessCustomSizeFieldTyped(99, 9, &width, &cb, 16, pSizes), -1);
}

TEST_F(UiStateTest, OnlyANetworkSheetSetUpByItsHostKeepsTheSizesAsStored)
{
    struct Case { const char16_t* name; DWORD hostFlag; BOOL local; };
    const Case cases[] = {
        { u"QN-804C",           1, TRUE  },
        { u"\\\\server\\QN-804C", 0, TRUE  },
        { u"\\\\server\\QN-804C", 1, FALSE },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "host flag " << c.hostFlag);
        WCHAR name[kPrinterNameChars] = {};
        std::memcpy(name, c.name, std::char_traits<char16_t>::length(c.name) * sizeof(WCHAR));
        std::memcpy(m_state->PrinterNameArea, name, sizeof name);
        m_state->HostFlag = c.hostFlag;
        EXPECT_EQ(IsLocalPrinterSettings(m_state), c.local);
    }
}

// Saving a sheet's lists writes the sizes the user changed into the printer's data, unless the sheet belongs to
// a network printer set up by its host, which keeps them as stored.
TEST_F(UiStateTest, SavingWritesChangedSizesToThePrinterOnlyFromALocalSheet)
{
    struct Case { const char16_t* printer; DWORD hostFlag; DWORD width; bool written; };
    const Case cases[] = {
        { u"\\\\server\\QN-804C", 1, 5000, false },
        { u"QN-804C",             0, 6000, true  },
        { u"\\\\server\\QN-804C", 0, 7000, true  },
    };
    m_state->hPrinter = m_hPrinter;
    ASSERT_TRUE(LoadUiStateStore(m_state));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width);
        WCHAR name[kPrinterNameChars] = {};
        std::memcpy(name, c.printer, std::char_traits<char16_t>::length(c.printer) * sizeof(WCHAR));
        std::memcpy(m_state->PrinterNameArea, name, sizeof name);
        m_state->HostFlag = c.hostFlag;
        DWORD before = 0, length = 0;
        WCHAR stored[17] = {};
        ASSERT_TRUE(GetCustomSize(m_hPrinter, nullptr, 3, &before, &length, stored, sizeof stored));

        m_state->pStore->lpCustomSizes[2].width = c.width;
        EXPECT_TRUE(SaveUiStateStore(m_state));
        DWORD width = 0;
        ASSERT_TRUE(GetCustomSize(m_hPrinter, nullptr, 3, &width, &length, stored, sizeof stored));
        EXPECT_EQ(width, c.written ? c.width : before);
    }
}

TEST_F(UiStateTest, PaperTableShowsTheStatesSizesInTheirUnits)
{
    CUSTOM_SIZE_ENTRY* pSizes = m_state->pStore->lpCustomSizes;
    ASSERT_NE(pSizes, nullptr);
    const CUSTOM_SIZE_ENTRY sizes[] = {
        { 8267, 11693, 2, u"Poster" },
        { 8267, 11693, 1, u"Sheet" },
    };
    std::memcpy(&pSizes[0], &sizes[0], sizeof sizes[0]);
    std::memcpy(&pSizes[9], &sizes[1], sizeof sizes[1]);
    LoadCustomPaperSizes(m_state);
    FormatCustomPaperSizeTexts(m_state);
    EXPECT_EQ(std::u16string(GetPaperName(513)), u"Poster");
    EXPECT_EQ(std::u16string(GetPaperSizeText(513)), u"8.27x11.69inch");
    EXPECT_EQ(std::u16string(GetPaperName(256)), u"Sheet") << "size 10 is paper 256";
    EXPECT_EQ(std::u16string(GetPaperSizeText(256)), u"(210x297mm)");
}
