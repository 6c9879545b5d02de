#pragma once
// commdlg.h - the common file dialogs: the record GetOpenFileNameW and GetSaveFileNameW fill, and the error
// CommDlgExtendedError reports.

#include "win/winuser.h"

typedef UINT_PTR (CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagOFNW {
    DWORD         lStructSize;
    HWND          hwndOwner;
    HINSTANCE     hInstance;
    LPCWSTR       lpstrFilter;
    LPWSTR        lpstrCustomFilter;
    DWORD         nMaxCustFilter;
    DWORD         nFilterIndex;
    LPWSTR        lpstrFile;
    DWORD         nMaxFile;
    LPWSTR        lpstrFileTitle;
    DWORD         nMaxFileTitle;
    LPCWSTR       lpstrInitialDir;
    LPCWSTR       lpstrTitle;
    DWORD         Flags;
    WORD          nFileOffset;
    WORD          nFileExtension;
    LPCWSTR       lpstrDefExt;
    LPARAM        lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCWSTR       lpTemplateName;
    void*         pvReserved;
    DWORD         dwReserved;
    DWORD         FlagsEx;
} OPENFILENAMEW, *LPOPENFILENAMEW;
static_assert(sizeof(OPENFILENAMEW) == 88);
#define OPENFILENAME_SIZE_VERSION_400W 76

#define OFN_READONLY         0x00000001
#define OFN_OVERWRITEPROMPT  0x00000002
#define OFN_HIDEREADONLY     0x00000004
#define OFN_NOCHANGEDIR      0x00000008
#define OFN_SHOWHELP         0x00000010
#define OFN_PATHMUSTEXIST    0x00000800
#define OFN_FILEMUSTEXIST    0x00001000
#define OFN_CREATEPROMPT     0x00002000
#define OFN_EXPLORER         0x00080000
#define OFN_ENABLESIZING     0x00800000

#define CDERR_STRUCTSIZE     0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_INVALIDFILENAME 0x3002
#define FNERR_BUFFERTOOSMALL 0x3003

PLATFORM_API BOOL  WINAPI GetOpenFileNameW(LPOPENFILENAMEW lpofn);
PLATFORM_API BOOL  WINAPI GetSaveFileNameW(LPOPENFILENAMEW lpofn);
PLATFORM_API DWORD WINAPI CommDlgExtendedError(void);
