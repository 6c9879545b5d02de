#pragma once
// font_sub_list.h - the FontSubTbl list group: which printer font replaces each TrueType face.

#include "settings/base/font_sub_node.h"

struct LIST_SCHEMA_SET;

#pragma pack(push, 1)
// One pair; also a row of the default table, which ends in a pair of two empty names.
struct FONT_SUB_PAIR {                          // 128 bytes
    WCHAR TTFaceName[kFontSubFaceChars];        // 0
    WCHAR DevFaceName[kFontSubFaceChars];       // 64
};

struct FONT_SUB_LIST {                          // 8 bytes
    SHORT FontSubTblNum;                        // 0  pairs in use; read as stored, see LoadFontSubList
    SHORT Index;                                // 2  the pair selected on the font page
    FONT_SUB_PAIR* lpPairs;                     // 4  kMaxFontSubNodes pairs
};
#pragma pack(pop)
static_assert(sizeof(FONT_SUB_PAIR) == 128);
static_assert(offsetof(FONT_SUB_PAIR, DevFaceName) == 64);
static_assert(sizeof(FONT_SUB_LIST) == 8);

// The default table (32 pairs before its end row) and the number of its pairs.
const FONT_SUB_PAIR* GetDefaultFontSubTable();
UINT GetDefaultFontSubCount();

// A zeroed list (no pairs) with its block; null when the group is disabled or memory runs short.
FONT_SUB_LIST* NewFontSubList();
// Frees the list in *cell with its block and clears the cell; null is ignored.
void FreeFontSubList(FONT_SUB_LIST** cell);
// Copies source into target, keeping the target's own block. 0 for a null list, else 1.
BOOL CopyFontSubList(FONT_SUB_LIST* target, const FONT_SUB_LIST* source);

// Reads (a count beyond kMaxFontSubNodes is taken as the capacity), writes, or writes the defaults of a
// fresh list. 1, also while the group is disabled; 0 for a null list, schema or printer name.
BOOL LoadFontSubList(FONT_SUB_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL SaveFontSubList(FONT_SUB_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL WriteDefaultFontSubs(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);

// The pairs of the default table, selection 0. 0 for a null list.
BOOL SetDefaultFontSubs(FONT_SUB_LIST* list);

// Where the item lies for pair valueIndex. 0, outputs untouched, for an unknown item, an index outside the
// block or a null argument.
BOOL GetFontSubFieldInfo(WORD wItem, WORD keyIndex, WORD valueIndex, void** address, DWORD* size, DWORD* type,
                         FONT_SUB_LIST* list);
