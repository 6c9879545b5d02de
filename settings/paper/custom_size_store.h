#pragma once
// custom_size_store.h - the ten user-defined sizes in the printer's data, one value "UDPaper%ld"
// (REG_BINARY, exactly one CUSTOM_SIZE_ENTRY) for n = 1..10. Each operation holds a reference on the
// resource strings while it runs, and does nothing but succeed while the UDPaper group is switched off.

#include "settings/paper/custom_size_entry.h"

struct LIST_SCHEMA_SET;

// Reads the ten sizes into block. A size whose value is missing, unreadable or not exactly 44 bytes long
// gets its default (DEFAULT_CUSTOM_SIZE, named by its resource string); a stored name without a NUL is cut
// to 16 characters. 0 for a null block, else 1.
BOOL LoadCustomSizes(CUSTOM_SIZE_ENTRY* block, PVOID unused, HANDLE printer);

// Writes each of the ten sizes whose stored value is missing or differs from it in width, length, unit or
// name; a size equal to what is stored is not written again. 0 for a null block or printer, or when a write
// failed (the other sizes are still written), else 1.
BOOL SaveCustomSizes(const CUSTOM_SIZE_ENTRY* block, PVOID unused, HANDLE printer);

// LoadCustomSizes / SaveCustomSizes for the settings store, which passes its list schemas along; 0 when the
// block, the schemas or the printer is missing.
BOOL LoadCustomSizeData(CUSTOM_SIZE_ENTRY* block, const LIST_SCHEMA_SET* schemas, HANDLE printer);
BOOL SaveCustomSizeData(const CUSTOM_SIZE_ENTRY* block, const LIST_SCHEMA_SET* schemas, HANDLE printer);

// Size number 1..10 as the printer holds it: the outputs first get the default size (the name cut to
// cbName / 2 - 1 characters and terminated), then the stored one when the sizes can be read. 1, or 0 when
// the number is not 1..10 (outputs untouched) or no block could be allocated (the defaults stay).
BOOL GetCustomSize(HANDLE printer, PVOID unused, UINT number, DWORD* width, DWORD* length, LPWSTR name,
                   UINT cbName);
