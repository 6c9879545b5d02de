// settings_item.cpp - locating the item behind a settings-file key.
#include "settings/params/settings_item.h"

#include "settings/params/settings_schema.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/params/ui_state_pack.h"

#include <cstring>

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

bool GetSettingsItemField(UI_STATE* pState, WORD wKeyRow, WORD, WORD, SETTINGS_ITEM_FIELD* pField)
{
    if (pState == nullptr || pField == nullptr || pState->pKeyRows == nullptr || wKeyRow >= pState->wKeyCount)
        return false;
    SETTINGS_KEY_RUN_ROW key;
    std::memcpy(&key, &pState->pKeyRows[wKeyRow], sizeof key);
    if (key.wParamRow >= pState->wParamCount)
        return false;
    // TODO: keys of the named lists (parameters with a sub-id) are walked once the settings store keeps the
    // lists in the state; until then they are neither written nor read, as a key without a parameter is.
    if (pState->pParamRows[key.wParamRow].wSubId != 0)
        return false;
    return GetParamItemField(pState, key.wParamRow, pField);
}
