// decimal_text.cpp - decimal numbers read from wide text.
#include "settings/strings/decimal_text.h"

#include <cstring>

DWORD DecimalToInt(LPCWSTR text)
{
    DWORD value = 0;
    for (const WCHAR* next = text; next != nullptr && *next >= u'0' && *next <= u'9'; ++next)
        value = value * 10 + static_cast<DWORD>(*next - u'0');
    return value;
}

BOOL ParseDecimalValue(void* out, UINT typeCode, LPCWSTR text)
{
    if (out == nullptr || text == nullptr)
        return FALSE;
    if (typeCode != 1 && typeCode != 2 && typeCode != 4 && typeCode != 8 && typeCode != 16 && typeCode != 32)
        return FALSE;

    const WCHAR* next = text;
    bool negative = false;
    if (*next == u'+' || *next == u'-') {
        negative = *next == u'-';
        ++next;
        if (*next == u'\0')
            return FALSE;   // a lone sign is not a number
    }
    ULONGLONG magnitude = 0;
    for (; *next != u'\0'; ++next) {
        if (*next < u'0' || *next > u'9')
            return FALSE;
        magnitude = magnitude * 10 + static_cast<ULONGLONG>(*next - u'0');
        if (magnitude > 0xFFFFFFFFull)
            return FALSE;
    }

    DWORD value = static_cast<DWORD>(magnitude);
    if (negative && typeCode != 32)
        value = 0u - value;
    switch (typeCode) {
    case 1: {
        const BYTE narrow = static_cast<BYTE>(value);
        std::memcpy(out, &narrow, sizeof narrow);
        break;
    }
    case 2:
    case 4: {
        const WORD narrow = static_cast<WORD>(value);
        std::memcpy(out, &narrow, sizeof narrow);
        break;
    }
    default:
        std::memcpy(out, &value, sizeof value);
        break;
    }
    return TRUE;
}
