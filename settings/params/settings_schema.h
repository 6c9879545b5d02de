#pragma once
// settings_schema.h - the run-time tables of a sheet's settings model: the parameter rows and the
// settings-file key rows copied from their static tables, with the offsets the layout gives them and the
// links between parameters, list-schema rows and settings-file keys.

#include "settings/params/settings_key_table.h"
#include "settings/params/uiparam_table.h"

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

// Links parameter rows and settings-key rows both ways: each row's own index, each parameter's key row (the
// first key row of its key id) and each key row's parameter (the first parameter with its key id). Both
// tables are walked up to and including their end rows; a key id of 0 links nothing.
void LinkParamKeyRows(UIPARAM_RUN_ROW* pParamRows, WORD wParamCount, SETTINGS_KEY_RUN_ROW* pKeyRows, WORD wKeyCount);
