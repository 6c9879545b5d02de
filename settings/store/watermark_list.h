#pragma once
// watermark_list.h - the WaterMark list group: the user's watermarks, and the one under edit.

#include "win/windows.h"

struct LIST_SCHEMA_SET;

constexpr UINT kWatermarkCapacity = 51;

#pragma pack(push, 1)
struct WATERMARK_ENTRY {            // 160 bytes
    WCHAR Text[33];                 // 0    at most 32 characters
    WCHAR Face[33];                 // 66   TrueType face; the registry carries at most 31 characters
    DWORD Style;                    // 132  1 regular, 2 bold, 3 italic, 4 bold italic
    DWORD Size;                     // 136  points
    LONG  Angle;                    // 140  tenths of a degree
    DWORD Colour;                   // 144  "Watermark SelectColor"
    DWORD Density;                  // 148  "Watermark Color(Thickness)": the grey level
    LONG  CenterX;                  // 152  0.1 mm from the page centre
    LONG  CenterY;                  // 156
};

struct WATERMARK_LIST {             // 12 bytes
    SHORT WMarkListNum;             // 0  watermarks in use; read as stored, see LoadWatermarkList
    BYTE  reserved[2];              // 2
    WATERMARK_ENTRY* lpEntries;     // 4  kWatermarkCapacity entries
    WATERMARK_ENTRY* lpEditEntry;   // 8  the watermark under edit
};

// One row of the default watermarks.
struct WATERMARK_DEFAULT_ROW {
    UINT  idsText;                  // string id of the text
    WCHAR Face[32];
    LONG  Size;
    LONG  Angle;
    LONG  Style;
    LONG  Colour;
    LONG  Density;
    LONG  CenterX;
    LONG  CenterY;
};
#pragma pack(pop)
static_assert(sizeof(WATERMARK_ENTRY) == 160);
static_assert(offsetof(WATERMARK_ENTRY, Text) == 0);
static_assert(offsetof(WATERMARK_ENTRY, Face) == 66);
static_assert(offsetof(WATERMARK_ENTRY, Style) == 132);
static_assert(offsetof(WATERMARK_ENTRY, Size) == 136);
static_assert(offsetof(WATERMARK_ENTRY, Angle) == 140);
static_assert(offsetof(WATERMARK_ENTRY, Colour) == 144);
static_assert(offsetof(WATERMARK_ENTRY, Density) == 148);
static_assert(offsetof(WATERMARK_ENTRY, CenterX) == 152);
static_assert(offsetof(WATERMARK_ENTRY, CenterY) == 156);
static_assert(sizeof(WATERMARK_LIST) == 12);

// The sixteen default watermarks; *count gets their number when count is given.
const WATERMARK_DEFAULT_ROW* GetDefaultWatermarkTable(UINT* count);

// A zeroed list (count 0) with its blocks, the edit entry holding the template watermark; null when the group
// is disabled or memory runs short.
WATERMARK_LIST* NewWatermarkList();
// A new block holding the template watermark: empty text and the numbers of the default rows; null when
// memory runs short. Freed with FreeLockedBlock.
WATERMARK_ENTRY* NewDefaultWatermark();
// Frees the list in *cell with its blocks and clears the cell; null is ignored.
void FreeWatermarkList(WATERMARK_LIST** cell);
// Copies source into target, keeping the target's own blocks. 0 for a null list, else 1.
BOOL CopyWatermarkList(WATERMARK_LIST* target, const WATERMARK_LIST* source);

// Reads (a count beyond kWatermarkCapacity is taken as the capacity), writes, or writes the defaults of a
// fresh list. 1, also while the group is disabled; 0 for a null list, schema or printer name.
BOOL LoadWatermarkList(WATERMARK_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL SaveWatermarkList(WATERMARK_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL WriteDefaultWatermarks(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);

// The sixteen default watermarks (the first without text) and the template as the edit entry. 0 for a null
// list.
BOOL SetDefaultWatermarks(WATERMARK_LIST* list);

// Where the item lies for watermark keyIndex. 0, outputs untouched, for an unknown item, an index outside the
// block or a null argument.
BOOL GetWatermarkFieldInfo(WORD wItem, WORD keyIndex, WORD valueIndex, void** address, DWORD* size,
                           DWORD* type, WATERMARK_LIST* list);
