// item_queries_test.cpp - settings by control id: binding onto the working state, shared lists, the absent-id
// answers, radio values and option names.
#include "ui/core/item_queries.h"

#include "ui/core/item_state_fixture.h"
#include "settings/paper/paper_queries.h"
#include "settings/params/uiparam_table.h"
#include "ui/core/item_table.h"
#include "ui/core/item_value_maps.h"

#include <gtest/gtest.h>

#include <cstring>

using ItemQueries = ItemStateTest;

// The storage a parameter's binding gives: the list itself for list kinds, the value record for the others.
static void* ParamStorage(UI_STATE* pState, WORD wParamId)
{
    void* pField = nullptr;
    DWORD cb = 0;
    WORD type = 0;
    const WORD row = FindUiParamRunRow(pState, wParamId);
    if (row == kNoLink || CallParamBinder(wParamId, row, pState, &pField, &cb, &type) == 0)
        return nullptr;
    return pField;
}

TEST_F(ItemQueries, BindsEveryValueCarryingRowToItsParameterOfTheRightKind)
{
    const UI_ITEM* pRows = GetUiItemRows();
    ASSERT_EQ(GetUiTableCounts().wItems, 138);
    for (WORD i = 0; i < 138; ++i) {
        const UI_ITEM& row = pRows[i];
        SCOPED_TRACE(testing::Message() << "control " << row.wControl);
        if (row.wKind == kItemDefaults) {
            EXPECT_EQ(row.pValue, nullptr);
            continue;
        }
        const WORD param = GetItemParamId(row.wPage, row.wControl);
        ASSERT_NE(param, 0);
        ASSERT_NE(row.pValue, nullptr);
        EXPECT_EQ(row.pValue, ParamStorage(m_state, param));
        const DWORD kind = FindUiParamRow(param)->dwKind;
        if (row.wKind == kItemList || row.wKind == kItemRadio)
            EXPECT_TRUE(kind == PK_NAMED_LIST || kind == PK_LIST) << "kind " << kind;
        else
            EXPECT_TRUE(kind == PK_VALUE || kind == PK_RANGE) << "kind " << kind;
        // Inside the state's own blocks: a value map must never point at another sheet's storage.
        const BYTE* p = static_cast<const BYTE*>(row.pValue);
        const BYTE* main = reinterpret_cast<const BYTE*>(m_state);
        const bool inMain = p >= main && p + 4 <= main + m_state->cbMainBlock;
        const bool inData = p >= m_state->pDataBlock && p + 4 <= m_state->pDataBlock + m_state->cbDataBlock;
        EXPECT_TRUE(inMain || inData);
    }
}

TEST_F(ItemQueries, SharedListsAndSeparateCheckBoxes)
{
    const std::pair<WORD, WORD> shared[] = {
        {125, 303}, {127, 304}, {129, 306}, {131, 320}, {133, 311}, {137, 322}, {156, 343}, {156, 2304},
        {163, 164}, {106, 107}, {401, 403}, {605, 607}, {844, 845}, {2021, 2022},
    };
    for (const auto& [a, b] : shared) {
        SCOPED_TRACE(testing::Message() << a << " and " << b);
        EXPECT_EQ(GetItemValuePtr(a), GetItemValuePtr(b));
        SetItemValue(a, 2);
        EXPECT_EQ(GetItemValue(b), 2);
        SetItemValue(b, 1);
        EXPECT_EQ(GetItemValue(a), 1);
    }
    const std::pair<WORD, WORD> separate[] = { {124, 302}, {130, 319}, {132, 310}, {136, 321}, {155, 342} };
    for (const auto& [a, b] : separate) {
        SCOPED_TRACE(testing::Message() << a << " and " << b);
        EXPECT_NE(GetItemValuePtr(a), GetItemValuePtr(b));
        SetItemValue(a, 1);
        SetItemValue(b, 0);
        EXPECT_EQ(GetItemValue(a), 1);
    }
}

TEST_F(ItemQueries, ValuesDefaultsAndCommittedWordsReachTheirOwnWords)
{
    SetItemValue(103, 7);                 // a number: value record
    SetItemCommittedValue(103, 5);
    SetItemValue(120, 4);                 // a list: ITEM_LIST head
    SetItemCommittedValue(120, 2);
    VALUE_RECORD copies;
    ITEM_LIST tray;
    std::memcpy(&copies, &m_state->Copies, sizeof copies);
    std::memcpy(&tray, m_state->lpMediaSource, sizeof tray);
    EXPECT_EQ(copies.wCurrent, 7);
    EXPECT_EQ(copies.wCommitted, 5);
    EXPECT_EQ(tray.wCurrent, 4);
    EXPECT_EQ(tray.wCommitted, 2);
    EXPECT_EQ(GetItemDefaultValue(103), copies.wDefault);
    EXPECT_EQ(GetItemDefaultValue(120), tray.wDefault);
    EXPECT_EQ(GetItemCommittedValue(120), 2);
}

TEST_F(ItemQueries, AbsentIdsAndDefaultsButtonsAnswerTheirSentinels)
{
    // 134, 159-162 and 608 are named by rules but are no items.
    for (WORD id : { 9999, 134, 159, 162, 608, 0 }) {
        SCOPED_TRACE(testing::Message() << "id " << id);
        EXPECT_EQ(GetItemValue(id), 0xFFFF);
        EXPECT_EQ(GetItemDefaultValue(id), 0xFFFF);
        EXPECT_EQ(GetItemKind(id), -1);
        EXPECT_EQ(GetItemPage(id), 0xFFFF);
        EXPECT_EQ(GetItemValuePtr(id), nullptr);
        EXPECT_EQ(GetItemFlags(id), 0xFFFFFFFFu);
        EXPECT_EQ(GetItemMessageClass(id), 0xFFFFFFFFu);
        EXPECT_EQ(GetItemExtra(id), 0u);
        EXPECT_EQ(GetItemLabel(id), nullptr);
        SetItemValue(id, 3);   // nothing to store into
    }
    for (WORD id : { 151, 237, 338, 615, 711, 815 }) {
        SCOPED_TRACE(testing::Message() << "defaults button " << id);
        EXPECT_EQ(GetItemValue(id), 0);
        EXPECT_EQ(GetItemDefaultValue(id), 0);
        EXPECT_EQ(GetItemKind(id), kItemDefaults);
        EXPECT_EQ(GetItemMessageClass(id), kItemClassDefaults);
        EXPECT_EQ(GetItemFlags(id) & 4, 4u);
        SetItemValue(id, 3);
        EXPECT_EQ(GetItemValue(id), 0);
    }
    EXPECT_EQ(std::u16string(GetItemLabel(103)), u"Copies");
    EXPECT_EQ(GetItemFlags(163), 216u);
    EXPECT_EQ(GetItemPage(2024), 2020);
}

TEST_F(ItemQueries, AnUnboundTableAnswersNoValue)
{
    BindItemValues(nullptr);
    EXPECT_EQ(GetItemValue(103), 0xFFFF);
    SetItemValue(103, 4);   // must not write through a null pointer
    EXPECT_EQ(GetItemValuePtr(103), nullptr);
}

TEST_F(ItemQueries, RadioButtonsStoreTheirGroupsValues)
{
    const std::pair<WORD, LONG> cases[] = {
        {106, 1}, {107, 2}, {603, 0}, {604, 1}, {2021, 0}, {2022, 1}, {845, 3}, {844, 1}, {164, 2},
        {2794, 4}, {2832, 2}, {611, 2}, {612, 1}, {9999, -1}, {0, -1},
    };
    for (const auto& [control, value] : cases)
        EXPECT_EQ(GetRadioButtonValue(control), value) << "control " << control;
    EXPECT_EQ(GetUiTableCounts().wRadioValues, 37);
}

TEST_F(ItemQueries, OptionNamesComeFromTheirRowsThePaperTableOrTheOptionTable)
{
    LoadPaperNames();
    struct Case { WORD control; WORD value; LPCWSTR expected; };
    const Case cases[] = {
        {348,   1, GetResString(29003)},   // first of the duplicate rows
        {348,   2, GetResString(20860)},
        {120,   4, GetResString(21537)},   // the manual-feed tray
        {2407, 4096, GetResString(21540)},
        {2024, 260, GetResString(21536)},
        {630, 65535, GetResString(20520)},
        {630,   0, GetResString(20516)},
        {625, 400, GetResString(20530)},
        {2304, 10, GetResString(21205)},
        {804,   1, GetResString(20873)},
        {142,   1, u"On"},
        {142,   0, u"Off"},
        {125,  10, GetResString(21422)},   // no row of its own: the option table's name
        {114, 257, GetPaperName(257)},     // the paper table, not the row's string
        {111,   9, GetPaperName(9)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.control << " = " << c.value);
        LPCWSTR name = GetOptionValueName(c.control, c.value);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(std::u16string(name), std::u16string(c.expected));
        EXPECT_NE(std::u16string(name), u"");
    }
    // Items without names, and values no row names.
    for (const auto& [control, value] : { std::pair<WORD, WORD>{404, 1}, {103, 1}, {504, 1}, {151, 0}, {9999, 0},
                                          {120, 99}, {142, 2} })
        EXPECT_EQ(GetOptionValueName(control, value), nullptr) << control << " = " << value;
}
