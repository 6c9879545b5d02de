#pragma once
// typed_list_fields.h - a named-list field read into a caller's typed buffer: the group's field accessor
// finds the field, the typed value converter copies it.

#include "settings/paper/custom_size_entry.h"
#include "win/windows.h"

struct FAX_COVER_RECORD;

// AccessCustomSizeField, then the field copied into pBuffer (*pcbBuffer bytes, type code wBufferType) through
// the typed value converter. The converter's result, or -1 when the block, code or index is refused.
LONG AccessCustomSizeFieldTyped(WORD wFieldCode, UINT index, void* pBuffer, DWORD* pcbBuffer, WORD wBufferType,
                                CUSTOM_SIZE_ENTRY* pBlock);

// AccessFaxCoverField, then the field copied as above. -1, with the buffer and its size untouched, when the
// record or the code is refused, and while the fax cover group is off.
LONG AccessFaxCoverFieldTyped(WORD wFieldCode, void* pBuffer, DWORD* pcbBuffer, WORD wBufferType,
                              FAX_COVER_RECORD* pRecord);
