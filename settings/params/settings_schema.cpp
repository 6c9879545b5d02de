// settings_schema.cpp - loading and linking the run-time tables of a sheet's settings model.
#include "settings/params/settings_schema.h"

#include "settings/base/global_memory.h"
#include "settings/params/ui_state_layout.h"

#include <cstring>

namespace {

template <typename Row, typename Field>
void SetField(Row* pRow, std::size_t offset, Field value)
{
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offset, &value, sizeof value);
}

WORD FindParamBySubId(const UIPARAM_RUN_ROW* pParamRows, WORD wParamCount, WORD wSubId)
{
    for (WORD i = 0; wSubId != 0 && i <= wParamCount; ++i)
        if (pParamRows[i].wSubId == wSubId)
            return i;
    return kNoLink;
}

WORD FindParamByKeyId(const UIPARAM_RUN_ROW* pParamRows, WORD wParamCount, WORD wKeyId)
{
    for (WORD i = 0; wKeyId != 0 && i <= wParamCount; ++i)
        if (pParamRows[i].wKeyId == wKeyId)
            return i;
    return kNoLink;
}

}  // namespace

void LinkSettingsSchema(UIPARAM_RUN_ROW* pParamRows, WORD wParamCount, LIST_SCHEMA_SET* pSchemas,
                        SETTINGS_KEY_RUN_ROW* pKeyRows, WORD wKeyCount)
{
    if (pParamRows == nullptr || pKeyRows == nullptr)
        return;
    LIST_SCHEMA_RUN_ROW* pSchemaRows = pSchemas != nullptr ? pSchemas->lpRows : nullptr;
    const WORD wSchemaCount = pSchemaRows != nullptr ? pSchemas->wRowCount : 0;

    for (WORD i = 0; i <= wParamCount; ++i) {
        SetField(&pParamRows[i], offsetof(UIPARAM_RUN_ROW, wOwnIndex), i);
        const WORD wSubId = pParamRows[i].wSubId;
        WORD wSchemaRow = kNoLink;
        for (WORD s = 0; pSchemaRows != nullptr && wSubId != 0 && s <= wSchemaCount && wSchemaRow == kNoLink; ++s)
            if (pSchemaRows[s].row.wItem == wSubId)
                wSchemaRow = s;
        SetField(&pParamRows[i], offsetof(UIPARAM_RUN_ROW, wSchemaRow), wSchemaRow);
        const WORD wKeyId = pParamRows[i].wKeyId;
        WORD wKeyRow = kNoLink;
        for (WORD k = 0; wKeyId != 0 && k <= wKeyCount && wKeyRow == kNoLink; ++k)
            if (pKeyRows[k].key.wKeyId == wKeyId)
                wKeyRow = k;
        SetField(&pParamRows[i], offsetof(UIPARAM_RUN_ROW, wKeyRow), wKeyRow);
    }
    for (WORD s = 0; pSchemaRows != nullptr && s <= wSchemaCount; ++s) {
        SetField(&pSchemaRows[s], offsetof(LIST_SCHEMA_RUN_ROW, wOwnIndex), s);
        const WORD wParamRow = FindParamBySubId(pParamRows, wParamCount, pSchemaRows[s].row.wItem);
        SetField(&pSchemaRows[s], offsetof(LIST_SCHEMA_RUN_ROW, wParamRow), wParamRow);
        SetField(&pSchemaRows[s], offsetof(LIST_SCHEMA_RUN_ROW, wKeyRow),
                 wParamRow != kNoLink ? WORD(pParamRows[wParamRow].wKeyRow) : kNoLink);
    }
    for (WORD k = 0; k <= wKeyCount; ++k) {
        SetField(&pKeyRows[k], offsetof(SETTINGS_KEY_RUN_ROW, wOwnIndex), k);
        const WORD wParamRow = FindParamByKeyId(pParamRows, wParamCount, pKeyRows[k].key.wKeyId);
        SetField(&pKeyRows[k], offsetof(SETTINGS_KEY_RUN_ROW, wParamRow), wParamRow);
        SetField(&pKeyRows[k], offsetof(SETTINGS_KEY_RUN_ROW, wSchemaRow),
                 wParamRow != kNoLink ? WORD(pParamRows[wParamRow].wSchemaRow) : kNoLink);
    }
}

BOOL LoadSettingsSchema(UIPARAM_RUN_ROW** ppParamRows, WORD* pwParamCount, LIST_SCHEMA_SET* pSchemas,
                        SETTINGS_KEY_RUN_ROW** ppKeyRows, WORD* pwKeyCount)
{
    if (ppParamRows == nullptr || pwParamCount == nullptr || pSchemas == nullptr || ppKeyRows == nullptr ||
        pwKeyCount == nullptr)
        return FALSE;
    *ppParamRows = LoadUiParamRows();
    const BOOL schemas = LoadListSchemas(pSchemas);
    *ppKeyRows = LoadSettingsKeyRows();
    if (*ppParamRows == nullptr || !schemas || *ppKeyRows == nullptr) {
        FreeSettingsSchema(ppParamRows, pSchemas, ppKeyRows);
        *pwParamCount = 0;
        *pwKeyCount = 0;
        return FALSE;
    }
    *pwParamCount = CountUiParams();
    *pwKeyCount = CountSettingsKeys();
    LinkSettingsSchema(*ppParamRows, *pwParamCount, pSchemas, *ppKeyRows, *pwKeyCount);
    return TRUE;
}

void FreeSettingsSchema(UIPARAM_RUN_ROW** ppParamRows, LIST_SCHEMA_SET* pSchemas, SETTINGS_KEY_RUN_ROW** ppKeyRows)
{
    if (ppParamRows != nullptr) {
        FreeLockedBlock(*ppParamRows);
        *ppParamRows = nullptr;
    }
    FreeListSchemas(pSchemas);
    if (ppKeyRows != nullptr) {
        FreeLockedBlock(*ppKeyRows);
        *ppKeyRows = nullptr;
    }
}
