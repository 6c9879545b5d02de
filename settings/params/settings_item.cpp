// settings_item.cpp - locating the item behind a settings-file key.
#include "settings/params/settings_item.h"

#include "settings/params/settings_schema.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/params/ui_state_pack.h"
#include "settings/paper/custom_size_defaults.h"
#include "settings/strings/res_strings.h"
#include "settings/store/fax_cover_data.h"
#include "settings/store/intersheet_lists.h"
#include "settings/store/list_registry_walk.h"

#include <cstring>
#include <string_view>

namespace {

// Keys whose default is a resource text rather than a packed default: the name of user-defined size n and
// of insert list n, and the fixed form text of the fax cover sheet, as their groups' defaults name them.
constexpr WORD kCustomSizeNameKey = 248;
constexpr WORD kInsertListNameKey = 256;
constexpr WORD kFaxFixedFormKey = 209;

LPCWSTR GetResourceDefault(WORD wKeyId, WORD wKeyIndex)
{
    switch (wKeyId) {
    case kCustomSizeNameKey: {
        const DEFAULT_CUSTOM_SIZE* pSize = FindDefaultCustomSize(wKeyIndex);
        return pSize != nullptr ? GetResString(pSize->nameStringId) : nullptr;
    }
    case kInsertListNameKey:
        return GetResString(kIdsListNameBase + wKeyIndex);
    case kFaxFixedFormKey:
        return GetResString(kIdsFixedForm);
    default:
        return nullptr;
    }
}

}  // namespace

// The working word of a parameter, or its field, with its packed default.
static bool GetParamItemField(UI_STATE* pState, WORD wParamRow, SETTINGS_ITEM_FIELD* pField)
{
    UIPARAM_RUN_ROW row;
    std::memcpy(&row, &pState->pParamRows[wParamRow], sizeof row);
    void* pAddress = nullptr;
    DWORD cbField = 0;
    WORD wType = 0;
    DWORD cbBuffer = 0;
    if (GetParamValue(row.wParamId, nullptr, &cbBuffer, 0, &pAddress, &cbField, &wType, pState, kParamCurrent) != 0)
        return false;
    const PACKED_DEFAULT packed = GetPackedParamDefault(pState->pParamRows, wParamRow, pState->pPackedUiDefaults);
    *pField = { static_cast<BYTE*>(pAddress), cbField, wType, packed.pAddress, nullptr };
    return true;
}

// A field of a named list in the state's store. The section's number names the list when the section has
// one ("ISListData %d"); otherwise the key index does ("Name%d", a watermark or an overlay path).
static bool GetListItemField(UI_STATE* pState, const SETTINGS_KEY_RUN_ROW& key, WORD wSchemaRow, bool numberedSection,
                             WORD wSection, WORD wKeyIndex, SETTINGS_ITEM_FIELD* pField)
{
    const LIST_SCHEMA_RUN_ROW* pRows = pState->schemas.lpRows;
    if (pRows == nullptr || wSchemaRow >= pState->schemas.wRowCount || pState->pStore == nullptr)
        return false;
    LIST_SCHEMA_RUN_ROW row;
    std::memcpy(&row, &pRows[wSchemaRow], sizeof row);
    LIST_WALK_PATH path = {};
    path.wKeyIndex = numberedSection ? wSection : wKeyIndex;
    path.wValueIndex = wKeyIndex;
    void* pAddress = nullptr;
    DWORD cbField = 0;
    DWORD dwType = 0;
    if (!GetListFieldInfo(row.row.wItem, row.row.wGroup, &path, &pAddress, &cbField, &dwType, pState->pStore) ||
        pAddress == nullptr)
        return false;
    const PACKED_DEFAULT packed = GetPackedListDefault(pRows, wSchemaRow, pState->pPackedListDefaults);
    *pField = { static_cast<BYTE*>(pAddress), cbField, static_cast<WORD>(dwType), packed.pAddress,
                GetResourceDefault(key.key.wKeyId, wKeyIndex) };
    return true;
}

bool GetSettingsItemField(UI_STATE* pState, WORD wKeyRow, WORD wSection, WORD wKeyIndex, SETTINGS_ITEM_FIELD* pField)
{
    if (pState == nullptr || pField == nullptr || pState->pKeyRows == nullptr || wKeyRow >= pState->wKeyCount ||
        pState->pParamRows == nullptr)
        return false;
    SETTINGS_KEY_RUN_ROW key;
    std::memcpy(&key, &pState->pKeyRows[wKeyRow], sizeof key);
    if (key.wParamRow >= pState->wParamCount)
        return false;
    UIPARAM_RUN_ROW param;
    std::memcpy(&param, &pState->pParamRows[key.wParamRow], sizeof param);
    if (param.wSubId == 0)
        return GetParamItemField(pState, key.wParamRow, pField);
    if (param.wSchemaRow == kNoLink)
        return false;
    // The section row of the key: the nearest row at or above it with a section pattern.
    bool numberedSection = false;
    for (WORD i = wKeyRow + 1; i-- > 0;) {
        SETTINGS_KEY_ROW row;
        std::memcpy(&row, &pState->pKeyRows[i].key, sizeof row);
        if (row.szSection[0] != u'\0') {
            numberedSection = std::u16string_view(row.szSection).find(u"%d") != std::u16string_view::npos;
            break;
        }
    }
    return GetListItemField(pState, key, param.wSchemaRow, numberedSection, wSection, wKeyIndex, pField);
}
