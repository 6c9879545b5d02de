#pragma once
// ui_state_fixture.h - a sheet working state laid out as a property sheet lays it out: the run-time rows, the
// option lists behind the fixed part and the data block, with every pointer bound to its own area.

#include "settings/base/global_memory.h"
#include "settings/params/param_defaults.h"
#include "settings/params/param_ids.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/store/settings_store.h"
#include "settings/res_library_fixture.h"
#include "settings/strings/decimal_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

// The text of a WCHAR field of a packed record, which may sit at an odd address: FieldText(&state->szName).
template <std::size_t N>
std::u16string FieldText(const WCHAR (*field)[N])
{
    WCHAR copy[N + 1] = {};
    std::memcpy(copy, field, sizeof(WCHAR) * N);
    return copy;
}

// Builds a state with the given cell (null: no option lists); frees it with FreeTestUiState.
inline UI_STATE* BuildTestUiState(const RES_MODULE_CELL* pCell)
{
    UIPARAM_RUN_ROW* pRows = nullptr;
    SETTINGS_KEY_RUN_ROW* pKeys = nullptr;
    LIST_SCHEMA_SET schemas = {};
    WORD wCount = 0, wKeyCount = 0;
    if (!LoadSettingsSchema(&pRows, &wCount, &schemas, &pKeys, &wKeyCount))
        return nullptr;
    const DWORD cbMain = LayoutUiStateTable(pCell, nullptr, pRows, wCount);
    const DWORD cbData = LayoutUiStateDataBlock(pCell, nullptr, pRows, wCount);
    auto* pState = static_cast<UI_STATE*>(AllocLockedBlock(cbMain));
    auto* pData = static_cast<BYTE*>(AllocLockedBlock(cbData));
    SETTINGS_STORE* pStore = NewSettingsStore();
    if (pState == nullptr || pData == nullptr || pStore == nullptr) {
        FreeLockedBlock(pState);
        FreeLockedBlock(pData);
        FreeSettingsStore(&pStore);
        FreeSettingsSchema(&pRows, &schemas, &pKeys);
        return nullptr;
    }
    pState->cbMainBlock = cbMain;
    pState->cbDataBlock = cbData;
    pState->pDataBlock = pData;
    pState->pStore = pStore;
    pState->pParamRows = pRows;
    pState->wParamCount = wCount;
    std::memcpy(&pState->schemas, &schemas, sizeof schemas);
    pState->pKeyRows = pKeys;
    pState->wKeyCount = wKeyCount;
    RebindUiStatePointers(pState, nullptr);
    std::memcpy(pState->PrinterNameArea, u"QN-804C", sizeof u"QN-804C");
    return pState;
}

// Gives every parameter its default as a freshly built sheet has it: a feature-backed parameter its feature's
// default as working and default value, a plain field its default text.
inline void FillTestDefaults(UI_STATE* pState, const RES_MODULE_CELL* pCell)
{
    for (WORD i = 0; i < pState->wParamCount; ++i) {
        const UIPARAM_RUN_ROW row = pState->pParamRows[i];
        if (row.pfnBind == nullptr || row.wParamId == kPrinterNameParam)
            continue;   // the printer name is the sheet's own, not a default
        if (row.wFeature != kNoFeature && IsFeatureBackedKind(row.dwKind)) {
            const WORD wDefault = static_cast<WORD>(GetFeatureDefault(pCell, row.wFeature));
            SetParamValue(row.wParamId, &wDefault, sizeof wDefault, 2, pState, kParamCurrent);
            SetParamValue(row.wParamId, &wDefault, sizeof wDefault, 2, pState, kParamDefault);
            continue;
        }
        const PARAM_DEFAULT_ROW* defaults = FindParamDefault(row.wParamId);
        void* pField = nullptr;
        DWORD cbField = 0, cbBuffer = 0;
        WORD wType = 0;
        if (defaults == nullptr ||
            GetParamValue(row.wParamId, nullptr, &cbBuffer, 0, &pField, &cbField, &wType, pState, kParamCurrent) != 0)
            continue;
        if (wType == 128) {
            std::memset(pField, 0, cbField);
            std::memcpy(pField, defaults->pszDefault,
                        std::min<std::size_t>(std::char_traits<char16_t>::length(defaults->pszDefault), cbField / 2 - 1) * 2);
        } else {
            BYTE parsed[4] = {};
            ParseDecimalValue(parsed, wType, defaults->pszDefault);
            std::memcpy(pField, parsed, std::min<DWORD>(cbField, 4));
        }
    }
}

inline void FreeTestUiState(UI_STATE* pState)
{
    if (pState == nullptr)
        return;
    SETTINGS_STORE* pStore = pState->pStore;
    FreeSettingsStore(&pStore);
    UIPARAM_RUN_ROW* pRows = pState->pParamRows;
    SETTINGS_KEY_RUN_ROW* pKeys = pState->pKeyRows;
    LIST_SCHEMA_SET schemas;
    std::memcpy(&schemas, &pState->schemas, sizeof schemas);
    FreeSettingsSchema(&pRows, &schemas, &pKeys);
    FreeLockedBlock(pState->pDataBlock);
    FreeLockedBlock(pState->pPackedUiDefaults);
    FreeLockedBlock(pState->pPackedListDefaults);
    FreeLockedBlock(pState);
}

// The printer's resource library in a cell and a state laid out with it.
class UiStateTest : public ResModuleTest {
protected:
    void SetUp() override
    {
        ResModuleTest::SetUp();
        if (HasFatalFailure())
            return;
        m_state = BuildTestUiState(m_cell);
        ASSERT_NE(m_state, nullptr);
    }

    void TearDown() override
    {
        FreeTestUiState(m_state);
        ResModuleTest::TearDown();
    }

    UI_STATE* m_state = nullptr;
};
