// ui_state_clone_test.cpp - clones and copies of a working state: own blocks, own lists, and a source that
// stays as it was.
#include "settings/params/ui_state_clone.h"

#include "settings/params/param_binding_table.h"
#include "settings/params/ui_state_pack.h"
#include "settings/store/settings_store.h"
#include "ui_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Bytes(const void* p, std::size_t cb)
{
    return std::string(static_cast<const char*>(p), cb);
}

WORD Current(UI_STATE* pState, WORD wParamId)
{
    WORD value = 0;
    DWORD cb = sizeof value;
    EXPECT_EQ(GetParamValue(wParamId, &value, &cb, 2, nullptr, nullptr, nullptr, pState, 1), 0);
    return value;
}

// Whether every list and data-area pointer of the state points into the state's own blocks.
bool PointsIntoItsOwnBlocks(UI_STATE* pState)
{
    const BYTE* pMain = reinterpret_cast<const BYTE*>(pState);
    const BYTE* pData = pState->pDataBlock;
    for (WORD i = 0; i < pState->wParamCount; ++i) {
        const UIPARAM_RUN_ROW row = pState->pParamRows[i];
        const PARAM_BINDING_ROW* binding = FindParamBinding(row.wParamId);
        if (binding == nullptr || binding->area == UiArea::None)
            continue;
        void* pArea = nullptr;
        CallParamBinder(row.wParamId, i, pState, &pArea, nullptr, nullptr);
        const BYTE* p = static_cast<BYTE*>(pArea);
        const bool inMain = p >= pMain + sizeof(UI_STATE) && p < pMain + pState->cbMainBlock;
        const bool inData = p >= pData && p < pData + pState->cbDataBlock;
        if (binding->area == UiArea::DataBlock ? !inData : !inMain)
            return false;
    }
    return true;
}

}  // namespace

TEST_F(UiStateTest, AFreedCloneLeavesItsSourceAsItWas)
{
    const WORD copies = 3;
    ASSERT_EQ(SetParamValue(1, &copies, sizeof copies, 2, m_state, 1), 0);
    const std::string mainBefore = Bytes(m_state, m_state->cbMainBlock);
    const std::string dataBefore = Bytes(m_state->pDataBlock, m_state->cbDataBlock);

    UI_STATE* pClone = CloneUiState(m_state);
    ASSERT_NE(pClone, nullptr);
    const BYTE* pCloneData = pClone->pDataBlock;
    const SETTINGS_STORE* pCloneStore = pClone->pStore;
    const BYTE* pSourceData = m_state->pDataBlock;
    const SETTINGS_STORE* pSourceStore = m_state->pStore;
    EXPECT_NE(pCloneData, pSourceData);
    EXPECT_NE(pCloneStore, pSourceStore);
    EXPECT_TRUE(PointsIntoItsOwnBlocks(pClone));
    EXPECT_EQ(Current(pClone, 1), 3);

    // Change a value record, a list in the main block, a data-block area and the store of the clone.
    const WORD other = 9;
    ASSERT_EQ(SetParamValue(1, &other, sizeof other, 2, pClone, 1), 0);
    ASSERT_EQ(SetParamValue(3, &other, sizeof other, 2, pClone, 1), 0);
    ASSERT_EQ(SetParamValue(204, u"other", sizeof u"other", 128, pClone, 1), 0);
    pClone->pStore->lpWatermark->WMarkListNum = 7;
    pClone->pStore->lpWatermark->lpEntries[0].Angle = 45;
    FreeUiStateClone(&pClone);
    EXPECT_EQ(pClone, nullptr);

    EXPECT_EQ(Bytes(m_state, m_state->cbMainBlock), mainBefore);
    EXPECT_EQ(Bytes(m_state->pDataBlock, m_state->cbDataBlock), dataBefore);
    EXPECT_EQ(m_state->pStore->lpWatermark->WMarkListNum, 0) << "the clone's lists are its own";
    EXPECT_EQ(m_state->pStore->lpWatermark->lpEntries[0].Angle, 0);
}

TEST_F(UiStateTest, CopyFromACloneRestoresTheSource)
{
    const WORD copies = 3;
    ASSERT_EQ(SetParamValue(1, &copies, sizeof copies, 2, m_state, 1), 0);
    ASSERT_EQ(SetParamValue(3, &copies, sizeof copies, 2, m_state, 1), 0);
    UI_STATE* pClone = CloneUiState(m_state);
    ASSERT_NE(pClone, nullptr);
    BYTE* pOwnData = m_state->pDataBlock;
    SETTINGS_STORE* pOwnStore = m_state->pStore;

    const WORD other = 9;
    ASSERT_EQ(SetParamValue(1, &other, sizeof other, 2, m_state, 1), 0);
    ASSERT_EQ(SetParamValue(3, &other, sizeof other, 2, m_state, 1), 0);
    m_state->pStore->lpFontSub->FontSubTblNum = 9;
    CopyUiState(m_state, pClone);
    EXPECT_EQ(Current(m_state, 1), 3);
    EXPECT_EQ(Current(m_state, 3), 3);
    EXPECT_EQ(m_state->pStore->lpFontSub->FontSubTblNum, 0) << "the lists are copied back too";
    const BYTE* pDataAfter = m_state->pDataBlock;
    const SETTINGS_STORE* pStoreAfter = m_state->pStore;
    EXPECT_EQ(pDataAfter, pOwnData) << "the target keeps its own data block";
    EXPECT_EQ(pStoreAfter, pOwnStore) << "and its own store";
    EXPECT_TRUE(PointsIntoItsOwnBlocks(m_state));
    FreeUiStateClone(&pClone);
}

// A sheet may copy between two states it built apart (same layout, each with its own tables and packed
// defaults): each keeps its own, so that freeing both frees each table once.
TEST_F(UiStateTest, CopyBetweenStatesBuiltApartLeavesEachItsOwnTables)
{
    UI_STATE* pOther = BuildTestUiState(m_cell);
    ASSERT_NE(pOther, nullptr);
    for (UI_STATE* pState : { m_state, pOther }) {
        FillTestDefaults(pState, m_cell);
        BYTE* pPacked = PackUiState(pState);
        ASSERT_NE(pPacked, nullptr);
        pState->pPackedUiDefaults = pPacked;
    }
    const WORD copies = 6;
    ASSERT_EQ(SetParamValue(1, &copies, sizeof copies, 2, pOther, 1), 0);
    pOther->pStore->lpWatermark->WMarkListNum = 2;
    const UIPARAM_RUN_ROW* pOwnRows = m_state->pParamRows;
    const SETTINGS_KEY_RUN_ROW* pOwnKeys = m_state->pKeyRows;
    const BYTE* pOwnPacked = m_state->pPackedUiDefaults;
    const LIST_SCHEMA_RUN_ROW* pOwnSchemas = m_state->schemas.lpRows;

    CopyUiState(m_state, pOther);
    EXPECT_EQ(Current(m_state, 1), 6);
    EXPECT_EQ(m_state->pStore->lpWatermark->WMarkListNum, 2);
    const UIPARAM_RUN_ROW* pRowsAfter = m_state->pParamRows;
    const SETTINGS_KEY_RUN_ROW* pKeysAfter = m_state->pKeyRows;
    const BYTE* pPackedAfter = m_state->pPackedUiDefaults;
    const LIST_SCHEMA_RUN_ROW* pSchemasAfter = m_state->schemas.lpRows;
    EXPECT_EQ(pRowsAfter, pOwnRows);
    EXPECT_EQ(pKeysAfter, pOwnKeys);
    EXPECT_EQ(pPackedAfter, pOwnPacked);
    EXPECT_EQ(pSchemasAfter, pOwnSchemas);
    EXPECT_TRUE(PointsIntoItsOwnBlocks(m_state));
    FreeTestUiState(pOther);   // the fixture frees m_state: the sanitizer sees any table freed twice
}
