#pragma once
// settings_store.h - the user's six named-list groups in memory, for one printer: the settings store that a
// property sheet's working state owns, with its loads and saves and the reset of the printer's per-user key.

#include "settings/paper/custom_size_entry.h"
#include "settings/store/fax_cover_data.h"
#include "settings/store/font_sub_list.h"
#include "settings/store/form_list.h"
#include "settings/store/intersheet_lists.h"
#include "settings/store/watermark_list.h"

struct LIST_SCHEMA_SET;

#pragma pack(push, 1)
// A slot is null while its group is disabled or when memory for it ran short.
struct SETTINGS_STORE {                     // 24 bytes
    INTERSHEET_GROUP* lpInterSheet;         // 0
    FORM_LIST* lpForm;                      // 4
    WATERMARK_LIST* lpWatermark;            // 8
    FONT_SUB_LIST* lpFontSub;               // 12
    FAX_COVER_RECORD* lpFaxCover;           // 16
    CUSTOM_SIZE_ENTRY* lpCustomSizes;       // 20  the ten user-defined sizes
};
#pragma pack(pop)
static_assert(sizeof(SETTINGS_STORE) == 24);
static_assert(offsetof(SETTINGS_STORE, lpFaxCover) == 16);
static_assert(offsetof(SETTINGS_STORE, lpCustomSizes) == 20);

// A store with a new object for every enabled group (zeroed; a slot stays null when its object cannot be
// made); null only when the store itself cannot be allocated.
SETTINGS_STORE* NewSettingsStore();

// Frees every group object and the store in *cell, and clears the cell; null is ignored.
void FreeSettingsStore(SETTINGS_STORE** cell);

// Copies every group whose slot is set in both stores; each target object keeps its own blocks. 0 for a null
// store, else 1.
BOOL CopySettingsStore(SETTINGS_STORE* target, const SETTINGS_STORE* source);

// Reads the insert lists, forms, watermarks, font pairs and fax cover sheet from the printer's per-user key,
// and the user-defined sizes from the printer's data. Null slots and disabled groups are skipped. 0 for a null
// store, schema or printer name, else 1.
BOOL LoadSettingsStore(SETTINGS_STORE* store, const LIST_SCHEMA_SET* schemas, PVOID unused, LPCWSTR printerName,
                       HANDLE printer);

// Writes the five registry groups in the same order; the user-defined sizes are not written here. 0 for a null
// store, schema or printer name, else 1.
BOOL SaveSettingsStore(SETTINGS_STORE* store, const LIST_SCHEMA_SET* schemas, PVOID unused, LPCWSTR printerName);

// Writes the defaults of the five registry groups, holding a reference on the resource strings meanwhile. 0
// for a null schema or printer name, else 1.
BOOL WriteDefaultSettingsStore(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName, PVOID unused);

// Deletes every sub-key (with its tree) of the printer's per-user key except "QN_UIPROFILE", "BookMode",
// "TempPlistID", "Tempfile Count" and "Tempfile Name", named in any case; values directly under the key stay.
// 0 for a missing or empty printer name or when memory runs short, else 1 (also when the key is missing).
BOOL CleanPrinterUserKeys(PVOID unused1, LPCWSTR printerName, PVOID unused2);
