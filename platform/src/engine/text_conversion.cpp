// text_conversion.cpp - EngUnicodeToMultiByteN and EngMultiByteToUnicodeN: the run-time library's code page
// 932 conversions under the engine's names.
#include "win/ntddk.h"
#include "win/winddi.h"

VOID APIENTRY EngUnicodeToMultiByteN(LPSTR MultiByteString, ULONG MaxBytesInMultiByteString,
                                     PULONG BytesInMultiByteString, PWSTR UnicodeString, ULONG BytesInUnicodeString)
{
    if (UnicodeString == nullptr || (MultiByteString == nullptr && MaxBytesInMultiByteString != 0)) {
        if (BytesInMultiByteString != nullptr)
            *BytesInMultiByteString = 0;
        return;
    }
    RtlUnicodeToMultiByteN(MultiByteString, MaxBytesInMultiByteString, BytesInMultiByteString, UnicodeString,
                           BytesInUnicodeString);
}

VOID APIENTRY EngMultiByteToUnicodeN(LPWSTR UnicodeString, ULONG MaxBytesInUnicodeString,
                                     PULONG BytesInUnicodeString, PCHAR MultiByteString, ULONG BytesInMultiByteString)
{
    if (MultiByteString == nullptr || (UnicodeString == nullptr && MaxBytesInUnicodeString != 0)) {
        if (BytesInUnicodeString != nullptr)
            *BytesInUnicodeString = 0;
        return;
    }
    RtlMultiByteToUnicodeN(UnicodeString, MaxBytesInUnicodeString, BytesInUnicodeString, MultiByteString,
                           BytesInMultiByteString);
}
