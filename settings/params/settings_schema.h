#pragma once
// settings_schema.h - the run-time tables of a sheet's settings model: the parameter rows and the
// settings-file key rows copied from their static tables, with the offsets the layout gives them and the
// links between parameters, list-schema rows and settings-file keys.

#include "settings/params/settings_key_table.h"
#include "settings/params/uiparam_table.h"
#include "settings/store/list_schema.h"

constexpr WORD kNoLink = 0xFFFF;

#pragma pack(push, 1)
struct UIPARAM_RUN_ROW {            // 38 bytes
    WORD         wParamId;          // 0
    WORD         wFeature;          // 2
    WORD         wSubId;            // 4
    WORD         wKeyId;            // 6
    DWORD        dwKind;            // 8
    DWORD        dwReserved;        // 12
    PARAM_BINDER pfnBind;           // 16
    DWORD        dwAreaOffset;      // 20  in the main block, or in the data block for special parameters
    DWORD        dwPackedOffset;    // 24
    DWORD        dwPacked;          // 28  1 when the packed defaults hold a slot for it
    WORD         wOwnIndex;         // 32
    WORD         wSchemaRow;        // 34  kNoLink when none
    WORD         wKeyRow;           // 36  kNoLink when none
};

struct SETTINGS_KEY_RUN_ROW {       // 286 bytes
    SETTINGS_KEY_ROW key;           // 0
    DWORD            dwParent;      // 268  1 when a row names this key as the parent of its range
    DWORD            dwCountRead;   // 272  walk state: this count was read
    DWORD            dwCountKnown;  // 276  walk state: the parent's count bounds this row
    WORD             wParamRow;     // 280  kNoLink when none
    WORD             wSchemaRow;    // 282
    WORD             wOwnIndex;     // 284
};
#pragma pack(pop)
static_assert(sizeof(UIPARAM_RUN_ROW) == 38);
static_assert(offsetof(UIPARAM_RUN_ROW, dwAreaOffset) == 20);
static_assert(offsetof(UIPARAM_RUN_ROW, wOwnIndex) == 32);
static_assert(sizeof(SETTINGS_KEY_RUN_ROW) == 286);
static_assert(offsetof(SETTINGS_KEY_RUN_ROW, dwParent) == 268);
static_assert(offsetof(SETTINGS_KEY_RUN_ROW, wParamRow) == 280);

// Builds the run-time tables of a sheet: the parameter rows, the list schemas of the enabled groups and the
// settings-key rows, linked (LinkSettingsSchema). FALSE, with every output null or empty, when memory is short.
BOOL LoadSettingsSchema(UIPARAM_RUN_ROW** ppParamRows, WORD* pwParamCount, LIST_SCHEMA_SET* pSchemas,
                        SETTINGS_KEY_RUN_ROW** ppKeyRows, WORD* pwKeyCount);
// Frees the three tables and clears their cells; null cells are ignored.
void FreeSettingsSchema(UIPARAM_RUN_ROW** ppParamRows, LIST_SCHEMA_SET* pSchemas, SETTINGS_KEY_RUN_ROW** ppKeyRows);

// Links the tables both ways, each walked up to and including its end row: every row's own index; each
// parameter's list-schema row (the first with its sub-id as item) and key row (the first with its key id);
// each schema row's parameter (the first with the row's item as sub-id) and that parameter's key row; each
// key row's parameter (the first with its key id) and that parameter's schema row. Ids of 0 link nothing;
// a null or empty schema set links only parameters and keys.
void LinkSettingsSchema(UIPARAM_RUN_ROW* pParamRows, WORD wParamCount, LIST_SCHEMA_SET* pSchemas,
                        SETTINGS_KEY_RUN_ROW* pKeyRows, WORD wKeyCount);
