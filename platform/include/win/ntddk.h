#pragma once
// ntddk.h - the kernel-runtime calls a user-mode printer driver may use: debug print and the code-page
// conversions of the run-time library.

#include "win/winbase.h"

PLATFORM_API ULONG    DbgPrint(PCSTR Format, ...) __attribute__((format(printf, 1, 2)));
PLATFORM_API NTSTATUS NTAPI RtlUnicodeToMultiByteN(PCHAR MultiByteString, ULONG MaxBytesInMultiByteString,
                                                   PULONG BytesInMultiByteString, PCWSTR UnicodeString,
                                                   ULONG BytesInUnicodeString);
PLATFORM_API NTSTATUS NTAPI RtlMultiByteToUnicodeN(PWCHAR UnicodeString, ULONG MaxBytesInUnicodeString,
                                                   PULONG BytesInUnicodeString, const CHAR* MultiByteString,
                                                   ULONG BytesInMultiByteString);
