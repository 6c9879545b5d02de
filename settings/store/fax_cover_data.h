#pragma once
// fax_cover_data.h - the Fax Cover Sheet list group: one FAX_COVER_RECORD per user and printer. The group
// hangs on the fax feature; while it is off every operation does nothing and reports as below.

#include "settings/store/list_group_records.h"

struct LIST_SCHEMA_SET;

// Field codes of the group accessor: 70 the whole record, 71..92 its fields; 90 (the comment's key) is no
// field.
constexpr WORD kFaxCoverFieldRecord = 70;
constexpr WORD kFaxCoverFieldLast = 92;
// The resource string of the fixed form's default text.
constexpr UINT kIdsFixedForm = 20703;

// A zeroed record; null when the group is disabled or memory runs short.
FAX_COVER_RECORD* NewFaxCoverData();
// Frees the record in *cell and clears the cell; null is ignored.
void FreeFaxCoverData(FAX_COVER_RECORD** cell);
// Copies the whole record. 1, also while the group is disabled; 0 for a null record.
BOOL CopyFaxCoverData(FAX_COVER_RECORD* target, const FAX_COVER_RECORD* source);

// Where field fieldCode lies in the record: address, byte size and type code. 1; 0, outputs untouched, for a
// null argument, a code outside 70..92 or 90, and while the group is disabled.
BOOL AccessFaxCoverField(WORD fieldCode, void** address, DWORD* size, DWORD* type, FAX_COVER_RECORD* record);

// The defaults: empty texts, the fixed form's text from the resource library, page number 1, style 1, paper 5,
// zoom 100, positions 0. 1, also while the group is disabled; 0 for a null record.
BOOL SetFaxCoverDefaults(FAX_COVER_RECORD* record);

// Reads the record from the printer's per-user key, writes it, or writes the defaults of a fresh record. 1,
// also while the group is disabled (nothing is read or written); 0 for a null record, schema or printer name.
BOOL LoadFaxCoverData(FAX_COVER_RECORD* record, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL SaveFaxCoverData(FAX_COVER_RECORD* record, const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
BOOL WriteDefaultFaxCoverData(const LIST_SCHEMA_SET* schemas, LPCWSTR printerName);
