// typed_list_fields.cpp - named-list fields copied into typed buffers.
#include "settings/params/typed_list_fields.h"

#include "settings/paper/custom_size_data.h"
#include "settings/params/typed_value.h"
#include "settings/store/fax_cover_data.h"

LONG AccessCustomSizeFieldTyped(WORD wFieldCode, UINT index, void* pBuffer, DWORD* pcbBuffer, WORD wBufferType,
                                CUSTOM_SIZE_ENTRY* pBlock)
{
    void* pField = nullptr;
    DWORD cbField = 0;
    DWORD dwType = 0;
    if (!AccessCustomSizeField(wFieldCode, index, &pField, &cbField, &dwType, pBlock))
        return kTypedBadArgument;
    return ConvertTypedValue(pField, cbField, pBuffer, pcbBuffer, static_cast<WORD>(dwType), wBufferType);
}

LONG AccessFaxCoverFieldTyped(WORD wFieldCode, void* pBuffer, DWORD* pcbBuffer, WORD wBufferType,
                              FAX_COVER_RECORD* pRecord)
{
    void* pField = nullptr;
    DWORD cbField = 0;
    DWORD dwType = 0;
    if (!AccessFaxCoverField(wFieldCode, &pField, &cbField, &dwType, pRecord))
        return kTypedBadArgument;
    return ConvertTypedValue(pField, cbField, pBuffer, pcbBuffer, static_cast<WORD>(dwType), wBufferType);
}
