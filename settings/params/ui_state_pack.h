#pragma once
// ui_state_pack.h - the packed copy of every parameter default of a UI_STATE, which a saved-settings file
// falls back to for a key it does not hold.

#include "settings/params/settings_schema.h"

struct SETTINGS_STORE;
struct UI_STATE;

// Builds the packed defaults: a 16-bit slot for every feature-backed parameter (its list's default or its
// value record's third word), a slot of the field's size for every other parameter with a default row and a
// binding function (its default text, parsed or copied), each row's slot offset and flag stored in its
// run-time row. Null when memory is short or a feature-backed default does not read back equal to its slot.
// Freed with FreeLockedBlock.
BYTE* PackUiState(UI_STATE* pState);

struct PACKED_DEFAULT {
    const BYTE* pAddress;   // null when the row has no slot
    DWORD dwFlag;
};
// The slot of run-time row wRow in a packed block.
PACKED_DEFAULT GetPackedParamDefault(const UIPARAM_RUN_ROW* pRows, WORD wRow, const BYTE* pPacked);

// Builds the packed defaults of the named-list fields: a slot of the field's size for every schema row whose
// item has a default text, parsed or copied, each row's slot offset and flag stored in its run-time row. Null
// for a null store or schema set, or when memory is short. Freed with FreeLockedBlock.
BYTE* PackSettingsStore(SETTINGS_STORE* pStore, LIST_SCHEMA_SET* pSchemas);
// The slot of schema row wRow in a packed block.
PACKED_DEFAULT GetPackedListDefault(const LIST_SCHEMA_RUN_ROW* pRows, WORD wRow, const BYTE* pPacked);
