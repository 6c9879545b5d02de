#pragma once
// settings_item.h - the item a settings-file key stands for in a UI_STATE: a parameter's working value or a
// field of a named list, with the default it falls back to.

#include "win/windows.h"

struct UI_STATE;

struct SETTINGS_ITEM_FIELD {
    BYTE*   pAddress;          // the field
    DWORD   cbField;
    WORD    wType;             // value type code
    const BYTE* pDefault;      // packed default of the field's size; null when none
    LPCWSTR pszDefaultText;    // a resource text that serves as the default instead; null when none
};

// The item of key row wKeyRow for section number wSection and key index wKeyIndex. A list, value or range
// parameter gives its current working word (2 bytes, type 4); other parameters their field. False when the
// key has no linked parameter or the field cannot be located.
bool GetSettingsItemField(UI_STATE* pState, WORD wKeyRow, WORD wSection, WORD wKeyIndex, SETTINGS_ITEM_FIELD* pField);
