// typed_value.cpp - the typed value converter.
#include "settings/params/typed_value.h"

#include <algorithm>
#include <cstring>

// Width in bytes of an integer code; 0 for the byte codes 64 and 128 and for anything unknown.
static DWORD IntegerWidth(WORD wCode)
{
    switch (wCode) {
    case kTypeU8:
        return 1;
    case kTypeU16:
    case kTypeI16:
        return 2;
    case kTypeI32:
    case kTypeDword:
    case kTypeU32:
        return 4;
    default:
        return 0;
    }
}

static bool IsByteCode(WORD wCode)
{
    return wCode == kTypeBlock || wCode == kTypeText;
}

static bool IsKnownCode(WORD wCode)
{
    return IntegerWidth(wCode) != 0 || IsByteCode(wCode);
}

// The source as 32 bits: code 4 sign-extended, the others zero-extended. At most cbSource bytes are read.
static DWORD ReadInteger(const void* pSource, DWORD cbSource, WORD wCode)
{
    BYTE bytes[4] = {};
    std::memcpy(bytes, pSource, std::min<DWORD>(IntegerWidth(wCode), cbSource));
    DWORD value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<DWORD>(bytes[3]) << 24);
    if (wCode == kTypeI16)
        value = static_cast<DWORD>(static_cast<LONG>(static_cast<SHORT>(value & 0xFFFF)));
    return value;
}

// Converts an integer of code wSource into the bytes of code wTarget (0: the source's own width) in out;
// returns the width, or 0 when the pair is refused.
static DWORD ConvertInteger(DWORD value, WORD wSource, WORD wTarget, BYTE (&out)[4])
{
    if (wSource == kTypeU32 && wTarget == kTypeDword)
        return 0;
    const DWORD cbTarget = IntegerWidth(wTarget == 0 ? wSource : wTarget);
    for (DWORD i = 0; i < 4; ++i)
        out[i] = static_cast<BYTE>(value >> (8 * i));
    return cbTarget;
}

LONG ConvertTypedValue(const void* pField, DWORD cbField, void* pBuffer, DWORD* pcbBuffer, WORD wFieldType,
                       WORD wBufferType)
{
    if (pcbBuffer == nullptr)
        return kTypedBadArgument;
    if (pBuffer == nullptr) {
        *pcbBuffer = cbField;
        return 0;
    }
    if (!IsKnownCode(wFieldType) || (wBufferType != 0 && !IsKnownCode(wBufferType)))
        return kTypedBadCode;
    if (pField == nullptr)
        return kTypedBadArgument;

    const DWORD cbBuffer = *pcbBuffer;
    DWORD cbCopied = 0;
    if (IsByteCode(wFieldType) || IsByteCode(wBufferType)) {
        cbCopied = std::min(cbField, cbBuffer);
        std::memcpy(pBuffer, pField, cbCopied);
    } else {
        BYTE bytes[4];
        const DWORD cbTarget = ConvertInteger(ReadInteger(pField, cbField, wFieldType), wFieldType, wBufferType,
                                              bytes);
        if (cbTarget == 0)
            return kTypedBadCode;
        cbCopied = std::min(cbTarget, cbBuffer);
        std::memcpy(pBuffer, bytes, cbCopied);
    }
    *pcbBuffer = cbCopied;
    return cbBuffer >= cbField ? 0 : static_cast<LONG>(ERROR_MORE_DATA);
}

LONG ConvertTypedValueSet(void* pField, DWORD cbField, const void* pBuffer, DWORD cbBuffer, WORD wBufferType,
                          WORD wFieldType)
{
    if (pBuffer == nullptr || pField == nullptr || cbBuffer > cbField)
        return kTypedBadArgument;
    if (!IsKnownCode(wBufferType) || (wFieldType != 0 && !IsKnownCode(wFieldType)))
        return kTypedBadCode;

    if (IsByteCode(wFieldType) || IsByteCode(wBufferType)) {
        std::memcpy(pField, pBuffer, cbBuffer);
        std::memset(static_cast<BYTE*>(pField) + cbBuffer, 0, cbField - cbBuffer);
        return 0;
    }
    BYTE bytes[4];
    const DWORD cbTarget = ConvertInteger(ReadInteger(pBuffer, cbBuffer, wBufferType), wBufferType, wFieldType,
                                          bytes);
    if (cbTarget == 0)
        return kTypedBadCode;
    std::memcpy(pField, bytes, std::min(cbTarget, cbField));
    return 0;
}
