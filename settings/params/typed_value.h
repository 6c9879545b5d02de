#pragma once
// typed_value.h - copies a value between a typed field and a caller's typed buffer, converting between the
// field-type codes shared by the settings stores.

#include "settings/store/list_groups.h"
#include "win/windows.h"

// The shared field-type codes, as the words the converter and the binders pass them in.
constexpr WORD kTypeU8    = static_cast<WORD>(kFieldU8);
constexpr WORD kTypeU16   = static_cast<WORD>(kFieldU16);
constexpr WORD kTypeI16   = static_cast<WORD>(kFieldI16);
constexpr WORD kTypeI32   = static_cast<WORD>(kFieldI32);
constexpr WORD kTypeDword = static_cast<WORD>(kField32);
constexpr WORD kTypeU32   = static_cast<WORD>(kFieldU32);
constexpr WORD kTypeBlock = static_cast<WORD>(kFieldBlock);
constexpr WORD kTypeText  = static_cast<WORD>(kFieldText);

constexpr LONG kTypedBadArgument = -1;
constexpr LONG kTypedBadCode = -2;

// Field to buffer. A null buffer only reports the field size in *pcbBuffer (0). Blocks and texts (either code
// 64 or 128) copy min(field, buffer) bytes; integers convert by code (destination code 0: the source's own
// width; 32 to 16 is refused), writing no more than the buffer holds. Returns 0, ERROR_MORE_DATA when the
// buffer is smaller than the field (what fits is copied), kTypedBadCode for an unknown code or source code 0,
// kTypedBadArgument for a null size. *pcbBuffer returns the bytes copied.
LONG ConvertTypedValue(const void* pField, DWORD cbField, void* pBuffer, DWORD* pcbBuffer, WORD wFieldType,
                       WORD wBufferType);

// Buffer to field. Blocks and texts copy min(field, buffer) bytes and clear the rest of the field; integers
// convert by code, reading no more than the buffer holds. Returns 0, kTypedBadArgument for a null buffer or
// one larger than the field, kTypedBadCode as above (here the buffer's code is the source).
LONG ConvertTypedValueSet(void* pField, DWORD cbField, const void* pBuffer, DWORD cbBuffer, WORD wBufferType,
                          WORD wFieldType);
