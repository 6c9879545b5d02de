#pragma once
// intersheet_lists.h - the InterSheet list group: the user's ten named insert-sheet lists, each with its
// entries, its index paper and the last tab-text settings of its dialog.

#include "settings/store/list_group_records.h"

struct LIST_SCHEMA_SET;
struct LIST_WALK_PATH;

constexpr UINT kInterSheetListCount = 10;
constexpr UINT kInsertEditAreaBytes = 540;   // kept with each list; it has no registry or file form
// The default name of list n is the resource string of this id + n ("Insert List n").
constexpr UINT kIdsListNameBase = 28586;

#pragma pack(push, 1)
// The last settings of the tab-text dialog ("TabTextDtlDlgLastSetting").
struct TAB_TEXT_SETTING {           // 72 bytes
    SHORT TabTextOrient;            // 0
    SHORT TabTextAlign;             // 2
    WCHAR TabTextFontName[32];      // 4
    SHORT TabTextFontStyle;         // 68
    SHORT TabTextFontSize;          // 70
};

// One named insert list, with its own blocks.
struct INTERSHEET_LIST {                    // 56 bytes
    WCHAR Name[17];                         // 0   at most 16 characters
    SHORT PageListNum;                      // 34  entries in use; read as stored, see LoadInterSheetList
    INTERSHEET_ENTRY* lpEntries;            // 36  kInterSheetEntryCapacity entries
    SHORT Mixplex;                          // 40  per-page one- or two-sided
    BYTE  reserved[2];                      // 42
    INDEX_PAPER_SETTINGS* lpIndexPaper;     // 44
    TAB_TEXT_SETTING* lpTabTextSetting;     // 48
    BYTE* lpEditArea;                       // 52  kInsertEditAreaBytes
};

// The group object that the settings store holds: the ten lists, list n at element n - 1.
struct INTERSHEET_GROUP {                   // 4 bytes
    INTERSHEET_LIST* lpLists;
};
#pragma pack(pop)
static_assert(sizeof(TAB_TEXT_SETTING) == 72);
static_assert(offsetof(TAB_TEXT_SETTING, TabTextFontName) == 4);
static_assert(offsetof(TAB_TEXT_SETTING, TabTextFontStyle) == 68);
static_assert(offsetof(TAB_TEXT_SETTING, TabTextFontSize) == 70);
static_assert(sizeof(INTERSHEET_LIST) == 56);

// Item ids of the group's schema rows that code names.
constexpr WORD kInterSheetItemSection   = 37;   // the group object
constexpr WORD kInterSheetItemList      = 38;   // one list record
constexpr WORD kInterSheetItemName      = 39;
constexpr WORD kInterSheetItemCount     = 40;
constexpr WORD kInterSheetItemMixplex   = 41;
constexpr WORD kInterSheetItemEntry     = 42;
constexpr WORD kInterSheetItemTabText   = 57;
constexpr WORD kInterSheetItemIndexPaper = 63;

// A group object with ten zeroed lists and all their blocks; null when the group is disabled or memory runs
// short (what was allocated is freed again).
INTERSHEET_GROUP* NewInterSheetList();
// The ten zeroed lists with their blocks, or null (nothing left allocated).
INTERSHEET_LIST* NewInterSheetLists();
// Frees the group object in *cell with every list and block, and clears the cell; null is ignored.
void FreeInterSheetList(INTERSHEET_GROUP** cell);

// Copies every list of source into target, keeping the target's own blocks. 0 for a null object, else 1
// (also while the group is disabled).
BOOL CopyInterSheetLists(INTERSHEET_GROUP* target, const INTERSHEET_GROUP* source);

// Reads the lists from the printer's per-user key (a stored entry count beyond kInterSheetEntryCapacity is
// taken as the capacity), writes them, or writes the defaults of a fresh object. 1, also while the group is
// disabled; 0 for a null object, schema or printer name.
BOOL LoadInterSheetList(INTERSHEET_GROUP* group, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL SaveInterSheetList(INTERSHEET_GROUP* group, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL WriteDefaultInterSheetLists(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);

// Names every list "Insert List n" (resource strings 28587..28596) and gives its count, mixplex word and index
// paper their option defaults; entries stay zero. 0 for a null object.
BOOL SetDefaultInterSheetLists(INTERSHEET_GROUP* group);

// Where the item lies for the list keyIndex - 1 and entry valueIndex: address, byte size and type code. 0,
// with the outputs untouched, for an unknown item, a list outside 1..10, an entry outside the block or a
// null argument.
BOOL GetInterSheetFieldInfo(WORD wItem, WORD keyIndex, WORD valueIndex, void** address, DWORD* size,
                            DWORD* type, INTERSHEET_GROUP* group);
