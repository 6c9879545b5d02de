#pragma once
// settings_key_table.h - the sections and keys of a saved-settings file, and the keys whose values span
// several lines.

#include "win/windows.h"

#pragma pack(push, 1)
struct SETTINGS_KEY_ROW {           // 268 bytes
    WORD  wKeyId;                   // 0    1..317; 0 ends the table
    WCHAR szSection[64];            // 2    set on section rows; may hold one "%d"
    WCHAR szKey[64];                // 130  set on key rows; may hold one "%d"
    WORD  wFirst;                   // 258  index range of the pattern's "%d"
    WORD  wLast;                    // 260
    WORD  wParentKeyId;             // 262  the key whose value counts this key's entries; 0 none
    WORD  wFunction;                // 264  walked only while this saved-settings function (1..8) is enabled
    WORD  wRecallGroup;             // 266  0..8; 0: never recalled by group
};

struct MULTILINE_KEY_ROW {          // 16 bytes
    WORD  wKeyId;                   // 0    0 ends the table
    WORD  wReserved;                // 2
    DWORD dwSplitLines;             // 4    line k goes to the key named k in decimal
    DWORD dwTabsToSpaces;           // 8
    WORD  wQuoteKind;               // 12   kQuoteLeading, kQuoteTrailing or kQuoteBoth
    WORD  wReserved2;               // 14
};
#pragma pack(pop)
static_assert(sizeof(SETTINGS_KEY_ROW) == 268);
static_assert(offsetof(SETTINGS_KEY_ROW, szSection) == 2);
static_assert(offsetof(SETTINGS_KEY_ROW, szKey) == 130);
static_assert(offsetof(SETTINGS_KEY_ROW, wFirst) == 258);
static_assert(offsetof(SETTINGS_KEY_ROW, wParentKeyId) == 262);
static_assert(offsetof(SETTINGS_KEY_ROW, wRecallGroup) == 266);
static_assert(sizeof(MULTILINE_KEY_ROW) == 16);

// Quote marks put around a multi-line key's lines, so that blanks at either end survive the profile API.
constexpr WORD kQuoteLeading  = 2;   // "*" before
constexpr WORD kQuoteTrailing = 3;   // "*" after
constexpr WORD kQuoteBoth     = 4;

// The rows in table order, ending with the terminator; CountSettingsKeys gives the rows before it (310).
const SETTINGS_KEY_ROW* GetSettingsKeyRows();
WORD CountSettingsKeys();
// The multi-line row of a key id; null for an ordinary key.
const MULTILINE_KEY_ROW* FindMultiLineKey(WORD wKeyId);
