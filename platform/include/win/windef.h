#pragma once
// windef.h - the basic Windows types, 32-bit x86 model: pointers, handles, LONG and DWORD are 4 bytes.

#include <cstddef>
#include <cstdint>

static_assert(sizeof(void*) == 4, "the driver is a 32-bit module: build every target with -m32");
static_assert(sizeof(long) == 4, "LONG and DWORD must be 4 bytes");
static_assert(sizeof(char16_t) == 2, "WCHAR is UTF-16");

// The stand-in uses the platform's one calling convention throughout; the names stay for the reader.
#define WINAPI
#define APIENTRY
#define CALLBACK
#define STDAPI
#define NTAPI

#define CONST const
#define VOID void
#define FAR
#define NEAR
#define IN
#define OUT
#define OPTIONAL

typedef int                BOOL;
typedef unsigned char      BYTE;
typedef unsigned char      UCHAR;
typedef unsigned short     WORD;
typedef unsigned short     USHORT;
typedef short              SHORT;
typedef unsigned long      DWORD;
typedef unsigned long      ULONG;
typedef long               LONG;
typedef int                INT;
typedef unsigned int       UINT;
typedef char               CHAR;
typedef char16_t           WCHAR;
typedef float              FLOAT;
typedef int64_t            LONGLONG;
typedef uint64_t           ULONGLONG;
typedef int32_t            INT_PTR;
typedef uint32_t           UINT_PTR;
typedef int32_t            LONG_PTR;
typedef uint32_t           ULONG_PTR;
typedef ULONG_PTR          DWORD_PTR;
typedef ULONG_PTR          SIZE_T;
typedef LONG_PTR           SSIZE_T;
typedef LONG               HRESULT;
typedef LONG               NTSTATUS;
typedef DWORD              LCID;
typedef WORD               ATOM;
typedef DWORD              COLORREF;
typedef UINT_PTR           WPARAM;
typedef LONG_PTR           LPARAM;
typedef LONG_PTR           LRESULT;

typedef BOOL*              PBOOL;
typedef BOOL*              LPBOOL;
typedef BYTE*              PBYTE;
typedef BYTE*              LPBYTE;
typedef WORD*              PWORD;
typedef WORD*              LPWORD;
typedef SHORT*             PSHORT;
typedef DWORD*             PDWORD;
typedef DWORD*             LPDWORD;
typedef ULONG*             PULONG;
typedef LONG*              PLONG;
typedef LONG*              LPLONG;
typedef INT*               PINT;
typedef INT*               LPINT;
typedef UINT*              PUINT;
typedef void*              PVOID;
typedef void*              LPVOID;
typedef const void*        LPCVOID;
typedef CHAR*              PCHAR;
typedef CHAR*              PSTR;
typedef CHAR*              LPSTR;
typedef const CHAR*        PCSTR;
typedef const CHAR*        LPCSTR;
typedef WCHAR*             PWCHAR;
typedef WCHAR*             PWSTR;
typedef WCHAR*             LPWSTR;
typedef const WCHAR*       PCWSTR;
typedef const WCHAR*       LPCWSTR;
typedef SIZE_T*            PSIZE_T;
typedef DWORD_PTR*         PDWORD_PTR;
typedef ULONG_PTR*         PULONG_PTR;
typedef COLORREF*          LPCOLORREF;

#ifndef TRUE
#define TRUE  1
#define FALSE 0
#endif
#ifndef NULL
#define NULL nullptr
#endif
#define MAX_PATH 260

typedef void* HANDLE;
typedef HANDLE* PHANDLE;
typedef HANDLE* LPHANDLE;

#define DECLARE_HANDLE(name) struct name##__ { int unused; }; typedef struct name##__* name
DECLARE_HANDLE(HINSTANCE);
DECLARE_HANDLE(HKEY);
DECLARE_HANDLE(HWND);
DECLARE_HANDLE(HDC);
DECLARE_HANDLE(HBITMAP);
DECLARE_HANDLE(HBRUSH);
DECLARE_HANDLE(HPEN);
DECLARE_HANDLE(HFONT);
DECLARE_HANDLE(HPALETTE);
DECLARE_HANDLE(HRGN);
DECLARE_HANDLE(HICON);
DECLARE_HANDLE(HMENU);
DECLARE_HANDLE(HRSRC);
DECLARE_HANDLE(HMETAFILE);
DECLARE_HANDLE(HENHMETAFILE);
DECLARE_HANDLE(HIMAGELIST);
DECLARE_HANDLE(HPROPSHEETPAGE);
typedef HINSTANCE HMODULE;
typedef HICON     HCURSOR;
typedef HANDLE    HGLOBAL;
typedef HANDLE    HLOCAL;
typedef HANDLE    HGDIOBJ;
typedef HKEY*     PHKEY;

#define MAKEWORD(a, b)   ((WORD)(((BYTE)((DWORD_PTR)(a) & 0xff)) | ((WORD)((BYTE)((DWORD_PTR)(b) & 0xff))) << 8))
#define MAKELONG(a, b)   ((LONG)(((WORD)((DWORD_PTR)(a) & 0xffff)) | ((DWORD)((WORD)((DWORD_PTR)(b) & 0xffff))) << 16))
#define LOWORD(l)        ((WORD)((DWORD_PTR)(l) & 0xffff))
#define HIWORD(l)        ((WORD)((DWORD_PTR)(l) >> 16))
#define LOBYTE(w)        ((BYTE)((DWORD_PTR)(w) & 0xff))
#define HIBYTE(w)        ((BYTE)((DWORD_PTR)(w) >> 8))
#define RGB(r, g, b)     ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb)   (LOBYTE(rgb))
#define GetGValue(rgb)   (LOBYTE(((WORD)(rgb)) >> 8))
#define GetBValue(rgb)   (LOBYTE((rgb) >> 16))

#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r)   ((((ULONG_PTR)(r)) >> 16) == 0)

typedef struct tagPOINT { LONG x; LONG y; } POINT, *PPOINT, *LPPOINT;
typedef struct tagSIZE { LONG cx; LONG cy; } SIZE, *PSIZE, *LPSIZE, SIZEL, *PSIZEL;
typedef struct tagRECT { LONG left; LONG top; LONG right; LONG bottom; } RECT, *PRECT, *LPRECT;
typedef const RECT* LPCRECT;
typedef struct _POINTL { LONG x; LONG y; } POINTL, *PPOINTL;
typedef struct _RECTL { LONG left; LONG top; LONG right; LONG bottom; } RECTL, *PRECTL, *LPRECTL;
typedef struct tagPOINTS { SHORT x; SHORT y; } POINTS, *PPOINTS;

typedef struct _FILETIME { DWORD dwLowDateTime; DWORD dwHighDateTime; } FILETIME, *PFILETIME, *LPFILETIME;
typedef struct _SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
} SYSTEMTIME, *PSYSTEMTIME, *LPSYSTEMTIME;

typedef union _LARGE_INTEGER {
    struct { DWORD LowPart; LONG HighPart; } u;
    LONGLONG QuadPart;
} LARGE_INTEGER, *PLARGE_INTEGER;

static_assert(sizeof(RECT) == 16 && sizeof(POINT) == 8 && sizeof(SYSTEMTIME) == 16 && sizeof(FILETIME) == 8);
