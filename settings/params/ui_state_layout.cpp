// ui_state_layout.cpp - the run-time rows, the layout of the option lists and data areas, and access by id.
#include "settings/params/ui_state_layout.h"

#include "settings/base/global_memory.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/option_values.h"
#include "settings/params/param_ids.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state.h"
#include "settings/store/intersheet_lists.h"

#include <cstring>

namespace {

// Parameters with a data-block area.
constexpr WORD kSpecialParams[] = { 100, 138, 184, 185, 186, 204, 205, 206, 207, 208, 209, 214, 215, 216, 233 };

}  // namespace

UIPARAM_RUN_ROW* LoadUiParamRows()
{
    const WORD wCount = CountUiParams();
    auto* pRows = static_cast<UIPARAM_RUN_ROW*>(AllocLockedBlock((wCount + 1) * sizeof(UIPARAM_RUN_ROW)));
    if (pRows == nullptr)
        return nullptr;
    const UIPARAM_ROW* pStatic = GetUiParamRows();
    for (WORD i = 0; i <= wCount; ++i) {
        UIPARAM_RUN_ROW row = {};
        if (i < wCount) {
            row.wParamId = pStatic[i].wParamId;
            row.wFeature = pStatic[i].wFeature;
            row.wSubId = pStatic[i].wSubId;
            row.wKeyId = pStatic[i].wKeyId;
            row.dwKind = pStatic[i].dwKind;
            row.pfnBind = pStatic[i].pfnBind;
            row.wOwnIndex = kNoLink;
            row.wSchemaRow = kNoLink;
            row.wKeyRow = kNoLink;
        }
        std::memcpy(&pRows[i], &row, sizeof row);
    }
    return pRows;
}

SETTINGS_KEY_RUN_ROW* LoadSettingsKeyRows()
{
    const WORD wCount = CountSettingsKeys();
    auto* pRows = static_cast<SETTINGS_KEY_RUN_ROW*>(AllocLockedBlock((wCount + 1) * sizeof(SETTINGS_KEY_RUN_ROW)));
    if (pRows == nullptr)
        return nullptr;
    const SETTINGS_KEY_ROW* pStatic = GetSettingsKeyRows();
    for (WORD i = 0; i <= wCount; ++i) {
        SETTINGS_KEY_RUN_ROW row = {};
        if (i < wCount) {
            row.key = pStatic[i];
            row.wParamRow = kNoLink;
            row.wSchemaRow = kNoLink;
            row.wOwnIndex = kNoLink;
            for (WORD j = 0; j < wCount; ++j)
                if (pStatic[j].wParentKeyId != 0 && pStatic[j].wParentKeyId == pStatic[i].wKeyId)
                    row.dwParent = 1;
        }
        std::memcpy(&pRows[i], &row, sizeof row);
    }
    return pRows;
}

bool IsSpecialUiItem(WORD wParamId)
{
    for (WORD wSpecial : kSpecialParams)
        if (wSpecial == wParamId)
            return true;
    return false;
}

// The option count of a feature; 0 without a library or for a feature in no table.
static DWORD CountOptions(const RES_MODULE_CELL* pCell, WORD wFeature)
{
    const LONG count = QueryFeature(pCell, wFeature, FeatureQuery::OptionCount, nullptr, 0, 0);
    return count > 0 ? static_cast<DWORD>(count) : 0;
}

static void SetAreaOffset(UIPARAM_RUN_ROW* pRow, DWORD dwOffset)
{
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offsetof(UIPARAM_RUN_ROW, dwAreaOffset), &dwOffset, sizeof dwOffset);
}

DWORD LayoutUiStateTable(const RES_MODULE_CELL* pCell, PVOID, UIPARAM_RUN_ROW* pRows, WORD wCount)
{
    DWORD dwOffset = sizeof(UI_STATE);
    for (WORD i = 0; pRows != nullptr && i < wCount; ++i) {
        const WORD wParamId = pRows[i].wParamId;
        const DWORD dwKind = pRows[i].dwKind;
        if (IsSpecialUiItem(wParamId) || (dwKind != PK_NAMED_LIST && dwKind != PK_LIST))
            continue;
        const DWORD cbEntry = dwKind == PK_NAMED_LIST ? sizeof(ITEM_LIST_ENTRY) : sizeof(VALUE_LIST_ENTRY);
        SetAreaOffset(&pRows[i], dwOffset);
        dwOffset += sizeof(ITEM_LIST) + CountOptions(pCell, pRows[i].wFeature) * cbEntry;
    }
    return dwOffset;
}

DWORD LayoutUiStateDataBlock(const RES_MODULE_CELL* pCell, PVOID, UIPARAM_RUN_ROW* pRows, WORD wCount)
{
    DWORD dwOffset = 0;
    for (WORD i = 0; pRows != nullptr && i < wCount; ++i) {
        DWORD cbArea = 0;
        switch (pRows[i].wParamId) {
        case kPreviewModeParam:
            cbArea = sizeof(ITEM_LIST) + CountOptions(pCell, pRows[i].wFeature) * sizeof(VALUE_LIST_ENTRY);
            break;
        case kTabPaperSizeParam:
        case kTabIndexNumParam:
            cbArea = sizeof(ITEM_LIST) + CountOptions(pCell, pRows[i].wFeature) * sizeof(ITEM_LIST_ENTRY);
            break;
        case kPrnTabIndexNoParam:   // one entry per tab number 0..the largest
            cbArea = sizeof(ITEM_LIST) + (GetLargestOptionValue(pCell, kFeatureTabIndexNum) + 1) * sizeof(ITEM_LIST_ENTRY);
            break;
        case kPrinterNameParam:
            cbArea = kPrinterNameChars * sizeof(WCHAR);
            break;
        case kInsertEntriesParam:
            cbArea = kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY);
            break;
        case kInsertEditParam:
            cbArea = kInsertEditAreaBytes;
            break;
        default:
            continue;
        }
        SetAreaOffset(&pRows[i], dwOffset);
        dwOffset += cbArea;
    }
    return dwOffset;
}

void RebindUiStatePointers(UI_STATE* pState, PVOID)
{
    if (pState == nullptr || pState->pParamRows == nullptr)
        return;
    UIPARAM_RUN_ROW* pRows = pState->pParamRows;
    const WORD wCount = pState->wParamCount;
    for (WORD i = 0; i < wCount; ++i) {
        PARAM_BINDER pfnBind = pRows[i].pfnBind;
        if (pfnBind == nullptr)
            continue;
        PARAM_BIND_REQUEST request = {};
        request.wParamId = pRows[i].wParamId;
        request.wRowIndex = i;
        request.pUiState = pState;
        request.dwFixUp = 1;
        pfnBind(&request);
    }
}

DWORD CallParamBinder(WORD wParamId, WORD wRowIndex, UI_STATE* pState, void** ppField, DWORD* pcbField,
                      WORD* pwType)
{
    if (pState == nullptr || pState->pParamRows == nullptr || wRowIndex >= pState->wParamCount)
        return 0;
    PARAM_BINDER pfnBind = pState->pParamRows[wRowIndex].pfnBind;
    if (pfnBind == nullptr)
        return 0;
    PARAM_BIND_REQUEST request = {};
    request.wParamId = wParamId;
    request.wRowIndex = wRowIndex;
    request.pUiState = pState;
    request.ppUiField = ppField;
    request.pcbUiField = pcbField;
    request.pwUiType = pwType;
    return pfnBind(&request);
}

WORD FindUiParamRunRow(const UI_STATE* pState, WORD wParamId)
{
    if (pState == nullptr || pState->pParamRows == nullptr || wParamId == 0)
        return kNoLink;
    const UIPARAM_RUN_ROW* pRows = pState->pParamRows;
    const WORD wCount = pState->wParamCount;
    for (WORD i = 0; i < wCount; ++i)
        if (pRows[i].wParamId == wParamId)
            return i;
    return kNoLink;
}

namespace {

struct ParamField {
    BYTE* pAddress;
    DWORD cbField;
    WORD wType;
};

}  // namespace

// The field that GetParamValue and SetParamValue transfer; false when there is none.
static bool LocateParamField(WORD wParamId, UI_STATE* pState, WORD wWhich, ParamField* pField)
{
    const WORD wRow = FindUiParamRunRow(pState, wParamId);
    if (wRow == kNoLink)
        return false;
    void* pAddress = nullptr;
    DWORD cbField = 0;
    WORD wType = 0;
    if (CallParamBinder(wParamId, wRow, pState, &pAddress, &cbField, &wType) == 0 || pAddress == nullptr)
        return false;

    const DWORD dwKind = pState->pParamRows[wRow].dwKind;
    BYTE* pBase = static_cast<BYTE*>(pAddress);
    switch (dwKind) {
    case PK_NAMED_LIST:
    case PK_LIST:
        if (wWhich != kParamCurrent && wWhich != kParamDefault)
            return false;
        *pField = { pBase + (wWhich == kParamCurrent ? offsetof(ITEM_LIST, wCurrent) : offsetof(ITEM_LIST, wDefault)),
                    sizeof(WORD), kTypeI16 };
        return true;
    case PK_VALUE:
    case PK_RANGE:
        if (wWhich != kParamCurrent && wWhich != kParamDefault)
            return false;
        *pField = { pBase + (wWhich == kParamCurrent ? offsetof(VALUE_RECORD, wCurrent) : offsetof(VALUE_RECORD, wDefault)),
                    sizeof(WORD), kTypeI16 };
        return true;
    case PK_TEXT:
    case PK_FIELD:
    case PK_LONG_TEXT:
    case PK_PAGE_LISTS:
    case PK_INTERNAL:
    case PK_RAW_FIELD:
        if (cbField == 0)
            return false;
        *pField = { pBase, cbField, wType };
        return true;
    default:
        return false;
    }
}

LONG GetParamValue(WORD wParamId, void* pBuffer, DWORD* pcbBuffer, WORD wBufferType, void** ppField,
                   DWORD* pcbField, WORD* pwType, UI_STATE* pState, WORD wWhich)
{
    ParamField field = {};
    if (!LocateParamField(wParamId, pState, wWhich, &field))
        return -1;
    if (ppField != nullptr)
        *ppField = field.pAddress;
    if (pcbField != nullptr)
        *pcbField = field.cbField;
    if (pwType != nullptr)
        *pwType = field.wType;
    return ConvertTypedValue(field.pAddress, field.cbField, pBuffer, pcbBuffer, field.wType, wBufferType);
}

LONG SetParamValue(WORD wParamId, const void* pBuffer, DWORD cbBuffer, WORD wBufferType, UI_STATE* pState,
                   WORD wWhich)
{
    ParamField field = {};
    if (!LocateParamField(wParamId, pState, wWhich, &field))
        return -1;
    return ConvertTypedValueSet(field.pAddress, field.cbField, pBuffer, cbBuffer, wBufferType, field.wType);
}
