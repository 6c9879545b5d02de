// settings_schema.cpp - linking the run-time tables of a sheet's settings model.
#include "settings/params/settings_schema.h"

#include <cstring>

namespace {

template <typename Row, typename Field>
void SetWord(Row* pRow, std::size_t offset, Field value)
{
    std::memcpy(reinterpret_cast<BYTE*>(pRow) + offset, &value, sizeof value);
}

}  // namespace

void LinkParamKeyRows(UIPARAM_RUN_ROW* pParamRows, WORD wParamCount, SETTINGS_KEY_RUN_ROW* pKeyRows, WORD wKeyCount)
{
    if (pParamRows == nullptr || pKeyRows == nullptr)
        return;
    for (WORD i = 0; i <= wParamCount; ++i) {
        SetWord(&pParamRows[i], offsetof(UIPARAM_RUN_ROW, wOwnIndex), i);
        const WORD wKeyId = pParamRows[i].wKeyId;
        WORD wKeyRow = kNoLink;
        for (WORD k = 0; wKeyId != 0 && k <= wKeyCount && wKeyRow == kNoLink; ++k)
            if (pKeyRows[k].key.wKeyId == wKeyId)
                wKeyRow = k;
        SetWord(&pParamRows[i], offsetof(UIPARAM_RUN_ROW, wKeyRow), wKeyRow);
    }
    for (WORD k = 0; k <= wKeyCount; ++k) {
        SetWord(&pKeyRows[k], offsetof(SETTINGS_KEY_RUN_ROW, wOwnIndex), k);
        const WORD wKeyId = pKeyRows[k].key.wKeyId;
        WORD wParamRow = kNoLink;
        for (WORD i = 0; wKeyId != 0 && i <= wParamCount && wParamRow == kNoLink; ++i)
            if (pParamRows[i].wKeyId == wKeyId)
                wParamRow = i;
        SetWord(&pKeyRows[k], offsetof(SETTINGS_KEY_RUN_ROW, wParamRow), wParamRow);
    }
}
