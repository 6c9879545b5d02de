#pragma once
// form_list.h - the Form list group: the form-overlay files the user knows, the file names of the last form
// created and printed with, and the three confirmation boxes shown around form jobs.

#include "win/windows.h"

struct LIST_SCHEMA_SET;

constexpr UINT kFormOverlayCapacity = 100;
constexpr UINT kFormBoxCount = 3;
constexpr UINT kFormPathChars = 260;

#pragma pack(push, 1)
// A confirmation box: the message may hold one "%s" for the form file's name.
struct FORM_CONFIRM_BOX {               // 1116 bytes
    WCHAR Caption[278];                 // 0
    WCHAR Message[278];                 // 556
    DWORD Style;                        // 1112  MessageBoxW style
};

struct FORM_LIST {                          // 1576 bytes
    WCHAR CreateFileName[kFormPathChars];   // 0
    WCHAR PrintFileName[kFormPathChars];    // 520
    SHORT FormListNum;                      // 1040  overlays in use; read as stored, see LoadFormList
    BYTE  reserved1[2];                     // 1042
    WCHAR (*lpOverlayFiles)[kFormPathChars];// 1044  kFormOverlayCapacity paths
    FORM_CONFIRM_BOX* lpBoxes;              // 1048  kFormBoxCount boxes
    BYTE  reserved2[524];                   // 1052  unused; keeps the record at its size
};
#pragma pack(pop)
static_assert(sizeof(FORM_CONFIRM_BOX) == 1116);
static_assert(offsetof(FORM_CONFIRM_BOX, Message) == 556);
static_assert(offsetof(FORM_CONFIRM_BOX, Style) == 1112);
static_assert(sizeof(FORM_LIST) == 1576);
static_assert(offsetof(FORM_LIST, PrintFileName) == 520);
static_assert(offsetof(FORM_LIST, FormListNum) == 1040);
static_assert(offsetof(FORM_LIST, lpOverlayFiles) == 1044);
static_assert(offsetof(FORM_LIST, lpBoxes) == 1048);

// A zeroed list with its blocks; null when the group is disabled or memory runs short.
FORM_LIST* NewFormList();
// Frees the list in *cell with its blocks and clears the cell; null is ignored.
void FreeFormList(FORM_LIST** cell);
// Copies source into target, keeping the target's own blocks. 0 for a null list, else 1.
BOOL CopyFormList(FORM_LIST* target, const FORM_LIST* source);

// Reads (an overlay count beyond kFormOverlayCapacity is taken as the capacity), writes, or writes the
// defaults of a fresh list. 1, also while the group is disabled; 0 for a null list, schema or printer name.
BOOL LoadFormList(FORM_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL SaveFormList(FORM_LIST* list, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL WriteDefaultForms(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);

// No overlays, empty names, and the three boxes' texts (resource strings) with the style
// MB_YESNO | MB_ICONQUESTION | MB_SYSTEMMODAL. 0 for a null list.
BOOL SetDefaultForms(FORM_LIST* list);

// Where the item lies for overlay path valueIndex or confirmation box valueIndex - 1. 0, outputs untouched, for
// an unknown item, an index outside its block or a null argument.
BOOL GetFormFieldInfo(WORD wItem, WORD keyIndex, WORD valueIndex, void** address, DWORD* size, DWORD* type,
                      FORM_LIST* list);
