// settings_schema_test.cpp - the links between parameters and settings-file keys.
#include "settings/params/settings_schema.h"

#include "settings/base/global_memory.h"
#include "settings/params/ui_state_layout.h"

#include <gtest/gtest.h>

#include <string>

TEST(LinkSettingsSchema, LinksEveryStoredKeyToItsParameterAndBack)
{
    UIPARAM_RUN_ROW* pParams = nullptr;
    SETTINGS_KEY_RUN_ROW* pKeys = nullptr;
    LIST_SCHEMA_SET schemas = {};
    WORD wParams = 0, wKeys = 0;
    ASSERT_TRUE(LoadSettingsSchema(&pParams, &wParams, &schemas, &pKeys, &wKeys));

    // Every key row but the section rows and "FileName" (which no list field backs) has its parameter.
    WORD linked = 0;
    for (WORD k = 0; k < wKeys; ++k) {
        const SETTINGS_KEY_RUN_ROW key = pKeys[k];
        const std::u16string name(key.key.szKey);
        EXPECT_EQ(key.wOwnIndex, k);
        if (key.wParamRow == kNoLink) {
            EXPECT_TRUE(name.empty() || name == u"FileName") << "key id " << key.key.wKeyId;
            continue;
        }
        ++linked;
        ASSERT_LT(key.wParamRow, wParams);
        const UIPARAM_RUN_ROW param = pParams[key.wParamRow];
        EXPECT_EQ(param.wKeyId, key.key.wKeyId);
        EXPECT_EQ(param.wKeyRow, k) << "key id " << key.key.wKeyId << " links back";
    }
    EXPECT_EQ(linked, 268);
    for (WORD i = 0; i < wParams; ++i) {
        const UIPARAM_RUN_ROW param = pParams[i];
        if (param.wKeyId == 0) {
            EXPECT_EQ(param.wKeyRow, kNoLink) << "parameter " << param.wParamId;
        }
    }
    const SETTINGS_KEY_RUN_ROW end = pKeys[wKeys];
    EXPECT_EQ(end.wParamRow, kNoLink) << "the end row links nothing";

    // Counted keys mark their count key as a parent.
    WORD parents = 0;
    for (WORD k = 0; k < wKeys; ++k)
        parents += SETTINGS_KEY_RUN_ROW(pKeys[k]).dwParent != 0;
    EXPECT_EQ(parents, 3) << "ISListNum, FormListNum, WMarkListNum";

    // Every unbound parameter names a field of an enabled group's schema, and that row names it back.
    for (WORD i = 0; i < wParams; ++i) {
        const UIPARAM_RUN_ROW param = pParams[i];
        if (param.wSubId == 0 || param.wSchemaRow == kNoLink)
            continue;
        const LIST_SCHEMA_RUN_ROW row = schemas.lpRows[param.wSchemaRow];
        EXPECT_EQ(row.row.wItem, param.wSubId);
        EXPECT_EQ(row.wParamRow, i) << "item " << row.row.wItem;
        EXPECT_EQ(row.wKeyRow, param.wKeyRow) << "item " << row.row.wItem;
    }
    FreeSettingsSchema(&pParams, &schemas, &pKeys);
    EXPECT_EQ(pParams, nullptr);
    EXPECT_EQ(pKeys, nullptr);
}
