// ui_state_layout_test.cpp - the layout of a state's option lists and data areas, and access by parameter id.
#include "settings/params/ui_state_layout.h"

#include "settings/paper/feature_query.h"
#include "settings/params/typed_value.h"
#include "ui_state_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

DWORD AreaOffset(const UI_STATE* pState, WORD wParamId)
{
    const WORD row = FindUiParamRunRow(pState, wParamId);
    return row == kNoLink ? 0 : UIPARAM_RUN_ROW(pState->pParamRows[row]).dwAreaOffset;
}

// The area offset of the next laid-out parameter after wParamId in table order, or the block's end.
DWORD NextAreaOffset(const UI_STATE* pState, WORD wParamId, DWORD dwBlockEnd, bool dataBlock)
{
    const WORD row = FindUiParamRunRow(pState, wParamId);
    for (WORD i = row + 1; i < pState->wParamCount; ++i) {
        const UIPARAM_RUN_ROW next = pState->pParamRows[i];
        const bool isList = next.dwKind == PK_NAMED_LIST || next.dwKind == PK_LIST;
        const bool inData = next.wParamId == 100 || (next.wParamId >= 184 && next.wParamId <= 186) ||
                            (next.wParamId >= 204 && next.wParamId <= 206);
        if (dataBlock ? inData : (isList && !IsSpecialUiItem(next.wParamId)))
            return next.dwAreaOffset;
    }
    return dwBlockEnd;
}

}  // namespace

TEST_F(UiStateTest, GivesEachListAHeadAndItsFeaturesOptions)
{
    struct Case { WORD id; DWORD cbEntry; };
    const Case cases[] = {
        {   3, sizeof(ITEM_LIST_ENTRY)  },   // lpMediaSize, a named list
        {   2, sizeof(VALUE_LIST_ENTRY) },   // lpOrientation, a value list
        {  15, sizeof(ITEM_LIST_ENTRY)  },
        { 243, sizeof(ITEM_LIST_ENTRY)  },   // a feature without options: the head alone
    };
    for (const Case& c : cases) {
        const LONG options = QueryFeature(m_cell, FindUiParamRow(c.id)->wFeature, FeatureQuery::OptionCount,
                                          nullptr, 0, 0);
        const DWORD begin = AreaOffset(m_state, c.id);
        EXPECT_EQ(NextAreaOffset(m_state, c.id, m_state->cbMainBlock, false) - begin,
                  sizeof(ITEM_LIST) + options * c.cbEntry) << "parameter " << c.id;
    }
    EXPECT_EQ(AreaOffset(m_state, 1), 0u) << "Copies is a value record, no list";
}

TEST_F(UiStateTest, DataBlockHoldsTheTabListsAndTheInsertAreas)
{
    struct Case { WORD id; DWORD size; };
    LONG largestTab = 0;
    const LONG tabs = QueryFeature(m_cell, 155, FeatureQuery::OptionCount, nullptr, 0, 0);
    for (LONG i = 0; i < tabs; ++i)
        largestTab = std::max(largestTab, QueryFeature(m_cell, 155, FeatureQuery::OptionValue, nullptr,
                                                       static_cast<WORD>(i), 0));
    const Case cases[] = {
        { 186, static_cast<DWORD>(sizeof(ITEM_LIST) + (largestTab + 1) * sizeof(ITEM_LIST_ENTRY)) },
        { 204, 64 },
        { 205, 128 * 476 },
        { 206, 540 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextAreaOffset(m_state, c.id, m_state->cbDataBlock, true) - AreaOffset(m_state, c.id), c.size)
            << "parameter " << c.id;
    EXPECT_EQ(AreaOffset(m_state, 100), 0u) << "the data block starts with parameter 100";
}

TEST_F(UiStateTest, WithoutALibraryEveryListStillHasAHeadOfItsOwn)
{
    UI_STATE* pBare = BuildTestUiState(nullptr);
    ASSERT_NE(pBare, nullptr);
    WORD lists = 0;
    for (WORD i = 0; i < pBare->wParamCount; ++i) {
        const UIPARAM_RUN_ROW row = pBare->pParamRows[i];
        if ((row.dwKind != PK_NAMED_LIST && row.dwKind != PK_LIST) || IsSpecialUiItem(row.wParamId))
            continue;
        ++lists;
        EXPECT_GE(row.dwAreaOffset, sizeof(UI_STATE)) << "parameter " << row.wParamId << " would overwrite the fixed part";
    }
    EXPECT_EQ(lists, 94);
    const DWORD cbMain = pBare->cbMainBlock;
    EXPECT_EQ(cbMain, sizeof(UI_STATE) + 94 * sizeof(ITEM_LIST));
    FreeTestUiState(pBare);
}

TEST_F(UiStateTest, ReadsAndWritesParametersById)
{
    // A list's current and default words, a value record's, and a text field.
    const WORD current = 9, fallback = 2;
    EXPECT_EQ(SetParamValue(3, &current, sizeof current, 4, m_state, kParamCurrent), 0);
    EXPECT_EQ(SetParamValue(3, &fallback, sizeof fallback, 4, m_state, kParamDefault), 0);
    ITEM_LIST head;
    std::memcpy(&head, m_state->lpMediaSize, sizeof head);
    EXPECT_EQ(head.wCurrent, 9);
    EXPECT_EQ(head.wDefault, 2);

    const DWORD copies = 0xFFFFFFFF;
    EXPECT_EQ(SetParamValue(1, &copies, 2, 16, m_state, kParamCurrent), 0);
    DWORD read = 0;
    DWORD cbRead = sizeof read;
    EXPECT_EQ(GetParamValue(1, &read, &cbRead, 16, nullptr, nullptr, nullptr, m_state, kParamCurrent), 0);
    EXPECT_EQ(read, 0xFFFFFFFFu) << "the working word is signed";

    const WCHAR text[] = u"12-34";
    EXPECT_EQ(SetParamValue(219, text, sizeof text, 128, m_state, kParamCurrent), 0);
    EXPECT_EQ(FieldText(&m_state->szSubAddress), u"12-34");
}

TEST_F(UiStateTest, RefusesUnknownIdsAndOtherWhichValues)
{
    WORD value = 1;
    DWORD cb = sizeof value;
    EXPECT_EQ(GetParamValue(9999, &value, &cb, 4, nullptr, nullptr, nullptr, m_state, kParamCurrent), -1);
    EXPECT_EQ(SetParamValue(0, &value, sizeof value, 4, m_state, kParamCurrent), -1);
    EXPECT_EQ(SetParamValue(3, &value, sizeof value, 4, m_state, 3), -1);
    EXPECT_EQ(SetParamValue(10000, &value, sizeof value, 4, m_state, kParamCurrent), -1) << "an unbound row";
    EXPECT_EQ(GetParamValue(1, &value, &cb, 4, nullptr, nullptr, nullptr, nullptr, kParamCurrent), -1);
}
