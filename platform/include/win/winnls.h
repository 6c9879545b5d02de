#pragma once
// winnls.h - code-page conversion. The ANSI code page of this system is 932.

#include "win/winbase.h"

#define CP_ACP   0
#define CP_OEMCP 1
#define CP_UTF8  65001

#define MB_PRECOMPOSED       0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400
#define WC_COMPOSITECHECK    0x00000200

PLATFORM_API UINT WINAPI GetACP(void);
PLATFORM_API int  WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                                             LPWSTR lpWideCharStr, int cchWideChar);
PLATFORM_API int  WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                                             LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                                             LPBOOL lpUsedDefaultChar);
