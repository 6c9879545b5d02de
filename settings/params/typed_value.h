#pragma once
// typed_value.h - copies a value between a typed field and a caller's typed buffer, converting between the
// value type codes shared by the settings stores: 1 unsigned 8-bit, 2 unsigned 16-bit, 4 signed 16-bit,
// 8 signed 32-bit, 16 32-bit, 32 unsigned 32-bit, 64 a block of bytes, 128 a wide text of the given bytes.

#include "win/windows.h"

constexpr WORD kTypeU8    = 1;
constexpr WORD kTypeU16   = 2;
constexpr WORD kTypeI16   = 4;
constexpr WORD kTypeI32   = 8;
constexpr WORD kTypeDword = 16;
constexpr WORD kTypeU32   = 32;
constexpr WORD kTypeBlock = 64;
constexpr WORD kTypeText  = 128;

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
