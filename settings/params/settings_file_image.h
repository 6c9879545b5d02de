#pragma once
// settings_file_image.h - a saved-settings file read whole into memory, with the position of each of its
// sections, and the reading of one value from it. The file is untrusted: every read stays inside its bytes,
// and a line or value that does not fit the rules reads as absent.

#include "settings/params/settings_schema.h"
#include "win/windows.h"

#pragma pack(push, 1)
struct SETTINGS_SECTION_ENTRY {     // 136 bytes
    WCHAR       szName[64];         // 0    the section pattern formatted with its number
    const BYTE* pBody;              // 128  the first byte behind the section's line; null when absent
    WORD        wSectionRow;        // 132  key row of the section
    WORD        wSectionNumber;     // 134
};

struct SETTINGS_FILE_IMAGE {        // 536 bytes
    WCHAR                   szPath[MAX_PATH];   // 0
    BYTE*                   pBytes;             // 520
    DWORD                   cbBytes;            // 524
    DWORD                   dwSectionCount;     // 528
    SETTINGS_SECTION_ENTRY* pSections;          // 532
};
#pragma pack(pop)
static_assert(sizeof(SETTINGS_SECTION_ENTRY) == 136);
static_assert(sizeof(SETTINGS_FILE_IMAGE) == 536);

// The largest file read; a saved-settings file is a few hundred kilobytes at most.
constexpr DWORD kMaxSettingsFileBytes = 8 * 1024 * 1024;
// Characters of the value buffer: a value of more bytes than this less one reads as absent.
constexpr DWORD kSettingsValueChars = 1024;

// Formats a key or section pattern: its one "%d" replaced by the index in decimal; a pattern without one is
// copied. Cut to cchOut - 1 characters.
void FormatSettingsPattern(LPCWSTR pszPattern, LONG index, LPWSTR pszOut, UINT cchOut);

// Reads the file (no sharing, existing only) and indexes the sections of the key rows. Null for an empty,
// missing, unreadable or oversized file, or when memory is short. Freed with FreeSettingsFileImage.
SETTINGS_FILE_IMAGE* LoadSettingsFileImage(LPCWSTR pszPath, const SETTINGS_KEY_RUN_ROW* pKeyRows, WORD wKeyCount);
void FreeSettingsFileImage(SETTINGS_FILE_IMAGE* pImage);

// The first byte behind the line "[name]" + CR LF (leading blanks allowed), or null when no line matches or
// the line is the file's last.
const BYTE* FindIniSection(LPCWSTR pszName, const BYTE* pBytes, DWORD cbBytes);

// The value of key in section: the bytes after "=" up to the CR of its line, converted from the ANSI code
// page. The default (cut to the buffer) when the section or key is absent, the line has no CR, or the value
// is longer than cchOut - 1 bytes. Returns the characters in pszOut.
DWORD GetIniValueFromImage(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszDefault, LPWSTR pszOut, DWORD cchOut,
                           const SETTINGS_FILE_IMAGE* pImage);
