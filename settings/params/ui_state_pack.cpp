// ui_state_pack.cpp - packing the parameter defaults of a UI_STATE.
#include "settings/params/ui_state_pack.h"

#include "settings/base/global_memory.h"
#include "settings/params/list_item_defaults.h"
#include "settings/params/param_defaults.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/strings/decimal_text.h"
#include "settings/store/list_registry_walk.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kFeatureSlotBytes = sizeof(WORD);

struct SlotShape {
    DWORD cbSlot;   // 0: no slot
    WORD wType;
};

}  // namespace

// The slot a parameter gets, and its field's type code.
static SlotShape GetSlotShape(UI_STATE* pState, const UIPARAM_RUN_ROW& row)
{
    if (row.pfnBind == nullptr)
        return { 0, 0 };
    if (row.wFeature != kNoFeature && IsFeatureBackedKind(row.dwKind))
        return { kFeatureSlotBytes, kTypeI16 };
    if (FindParamDefault(row.wParamId) == nullptr)
        return { 0, 0 };
    DWORD cbField = 0;
    DWORD cbBuffer = 0;
    WORD wType = 0;
    if (GetParamValue(row.wParamId, nullptr, &cbBuffer, 0, nullptr, &cbField, &wType, pState, kParamCurrent) != 0)
        return { 0, 0 };
    return { cbField, wType };
}

static void SetPackedSlot(UIPARAM_RUN_ROW* pRow, DWORD dwOffset, DWORD dwFlag)
{
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offsetof(UIPARAM_RUN_ROW, dwPackedOffset), &dwOffset, sizeof dwOffset);
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offsetof(UIPARAM_RUN_ROW, dwPacked), &dwFlag, sizeof dwFlag);
}

// Sizes every slot and records its offset; returns the block's size.
static DWORD ComputePackedUiSize(UI_STATE* pState)
{
    DWORD dwOffset = 0;
    for (WORD i = 0; i < pState->wParamCount; ++i) {
        UIPARAM_RUN_ROW row;
        std::memcpy(&row, &pState->pParamRows[i], sizeof row);
        const SlotShape shape = GetSlotShape(pState, row);
        SetPackedSlot(&pState->pParamRows[i], shape.cbSlot != 0 ? dwOffset : 0, shape.cbSlot != 0 ? 1 : 0);
        dwOffset += shape.cbSlot;
    }
    return dwOffset;
}

// Parses or copies a default text into a slot of the field's type.
static void PutDefaultText(BYTE* pSlot, DWORD cbSlot, WORD wType, LPCWSTR pszText)
{
    if (wType == kTypeText) {
        const std::size_t cch = BoundedTextLength(pszText, cbSlot / sizeof(WCHAR));
        std::memcpy(pSlot, pszText, cch * sizeof(WCHAR));
        return;
    }
    BYTE parsed[4] = {};
    const DWORD cbWidth = wType == kTypeU8 ? 1 : (wType == kTypeU16 || wType == kTypeI16) ? 2 : 4;
    if (wType != kTypeBlock && cbSlot >= cbWidth && ParseDecimalValue(parsed, wType == kTypeU32 ? kTypeI32 : wType, pszText))
        std::memcpy(pSlot, parsed, cbWidth);
}

static void FillPackedUiDefaults(UI_STATE* pState, BYTE* pPacked)
{
    for (WORD i = 0; i < pState->wParamCount; ++i) {
        UIPARAM_RUN_ROW row;
        std::memcpy(&row, &pState->pParamRows[i], sizeof row);
        if (row.dwPacked == 0)
            continue;
        BYTE* pSlot = pPacked + row.dwPackedOffset;
        if (row.wFeature != kNoFeature && IsFeatureBackedKind(row.dwKind)) {
            DWORD cb = kFeatureSlotBytes;
            GetParamValue(row.wParamId, pSlot, &cb, kTypeI16, nullptr, nullptr, nullptr, pState, kParamDefault);
            continue;
        }
        const SlotShape shape = GetSlotShape(pState, row);
        PutDefaultText(pSlot, shape.cbSlot, shape.wType, FindParamDefault(row.wParamId)->pszDefault);
    }
}

static bool CheckPackedUiDefaults(UI_STATE* pState, const BYTE* pPacked)
{
    for (WORD i = 0; i < pState->wParamCount; ++i) {
        UIPARAM_RUN_ROW row;
        std::memcpy(&row, &pState->pParamRows[i], sizeof row);
        if (row.dwPacked == 0 || row.wFeature == kNoFeature || !IsFeatureBackedKind(row.dwKind))
            continue;
        WORD wDefault = 0;
        DWORD cb = sizeof wDefault;
        if (GetParamValue(row.wParamId, &wDefault, &cb, kTypeI16, nullptr, nullptr, nullptr, pState, kParamDefault) != 0 ||
            std::memcmp(&wDefault, pPacked + row.dwPackedOffset, sizeof wDefault) != 0)
            return false;
    }
    return true;
}

BYTE* PackUiState(UI_STATE* pState)
{
    if (pState == nullptr || pState->pParamRows == nullptr)
        return nullptr;
    const DWORD cbPacked = ComputePackedUiSize(pState);
    LockedBlock packed(std::max<DWORD>(cbPacked, 1));
    if (!packed)
        return nullptr;
    FillPackedUiDefaults(pState, packed.as<BYTE>());
    if (!CheckPackedUiDefaults(pState, packed.as<BYTE>()))
        return nullptr;
    return static_cast<BYTE*>(packed.release());
}

PACKED_DEFAULT GetPackedParamDefault(const UIPARAM_RUN_ROW* pRows, WORD wRow, const BYTE* pPacked)
{
    if (pRows == nullptr || pPacked == nullptr)
        return { nullptr, 0 };
    UIPARAM_RUN_ROW row;
    std::memcpy(&row, &pRows[wRow], sizeof row);
    if (row.dwPacked == 0)
        return { nullptr, 0 };
    return { pPacked + row.dwPackedOffset, row.dwPacked };
}

// Where a schema row's field lies in the store, for the first list, entry and size of its group.
static bool GetSchemaRowField(SETTINGS_STORE* pStore, const LIST_SCHEMA_RUN_ROW& row, void** ppField, DWORD* pcbField,
                              DWORD* pdwType)
{
    LIST_WALK_PATH path = {};
    path.wKeyIndex = 1;
    path.wValueIndex = 1;
    return GetListFieldInfo(row.row.wItem, row.row.wGroup, &path, ppField, pcbField, pdwType, pStore) != FALSE &&
           *pcbField != 0;
}

static void SetPackedListSlot(LIST_SCHEMA_RUN_ROW* pRow, DWORD dwOffset, DWORD dwFlag)
{
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offsetof(LIST_SCHEMA_RUN_ROW, dwPackedDefaultOffset), &dwOffset,
                sizeof dwOffset);
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offsetof(LIST_SCHEMA_RUN_ROW, dwPackedDefaultFlag), &dwFlag,
                sizeof dwFlag);
}

// Sizes the slot of every schema row whose item has a default text and records its offset; returns the
// block's size.
static DWORD ComputePackedListSize(SETTINGS_STORE* pStore, LIST_SCHEMA_RUN_ROW* pRows, WORD wCount)
{
    DWORD cbPacked = 0;
    for (WORD i = 0; i < wCount; ++i) {
        LIST_SCHEMA_RUN_ROW row;
        std::memcpy(&row, &pRows[i], sizeof row);
        void* pField = nullptr;
        DWORD cbField = 0;
        DWORD dwType = 0;
        const bool slot = FindListItemDefault(row.row.wItem) != nullptr &&
                          GetSchemaRowField(pStore, row, &pField, &cbField, &dwType);
        SetPackedListSlot(&pRows[i], slot ? cbPacked : 0, slot ? 1 : 0);
        if (slot)
            cbPacked += cbField;
    }
    return cbPacked;
}

static void FillPackedListDefaults(SETTINGS_STORE* pStore, const LIST_SCHEMA_RUN_ROW* pRows, WORD wCount, BYTE* pPacked)
{
    for (WORD i = 0; i < wCount; ++i) {
        LIST_SCHEMA_RUN_ROW row;
        std::memcpy(&row, &pRows[i], sizeof row);
        void* pField = nullptr;
        DWORD cbField = 0;
        DWORD dwType = 0;
        if (row.dwPackedDefaultFlag == 0 || !GetSchemaRowField(pStore, row, &pField, &cbField, &dwType))
            continue;
        PutDefaultText(pPacked + row.dwPackedDefaultOffset, cbField, static_cast<WORD>(dwType),
                       FindListItemDefault(row.row.wItem)->pszDefault);
    }
}

BYTE* PackSettingsStore(SETTINGS_STORE* pStore, LIST_SCHEMA_SET* pSchemas)
{
    if (pStore == nullptr || pSchemas == nullptr || pSchemas->lpRows == nullptr)
        return nullptr;
    LIST_SCHEMA_RUN_ROW* pRows = pSchemas->lpRows;
    const WORD wCount = pSchemas->wRowCount;
    LockedBlock packed(std::max<DWORD>(ComputePackedListSize(pStore, pRows, wCount), 1));
    if (!packed)
        return nullptr;
    FillPackedListDefaults(pStore, pRows, wCount, packed.as<BYTE>());
    return static_cast<BYTE*>(packed.release());
}

PACKED_DEFAULT GetPackedListDefault(const LIST_SCHEMA_RUN_ROW* pRows, WORD wRow, const BYTE* pPacked)
{
    if (pRows == nullptr || pPacked == nullptr)
        return { nullptr, 0 };
    LIST_SCHEMA_RUN_ROW row;
    std::memcpy(&row, &pRows[wRow], sizeof row);
    if (row.dwPackedDefaultFlag == 0)
        return { nullptr, 0 };
    return { pPacked + row.dwPackedDefaultOffset, row.dwPackedDefaultFlag };
}
