#pragma once
// winbase.h - kernel services: memory, last error, debug output, system information, files, temporary
// files, private-profile files, modules and synchronisation.

#include "win/windef.h"
#include "win/winerror.h"

#include <cstring>

#define PLATFORM_API extern "C" __attribute__((visibility("default")))

// ---- memory ----------------------------------------------------------------------------------------
#define GMEM_FIXED          0x0000
#define GMEM_MOVEABLE       0x0002
#define GMEM_NOCOMPACT      0x0010
#define GMEM_NODISCARD      0x0020
#define GMEM_ZEROINIT       0x0040
#define GMEM_MODIFY         0x0080
#define GMEM_DISCARDABLE    0x0100
#define GMEM_SHARE          0x2000
#define GMEM_DDESHARE       0x2000
#define GMEM_INVALID_HANDLE 0x8000
#define GHND                (GMEM_MOVEABLE | GMEM_ZEROINIT)
#define GPTR                (GMEM_FIXED | GMEM_ZEROINIT)
#define GMEM_LOCKCOUNT      0x00FF

#define LMEM_FIXED          0x0000
#define LMEM_MOVEABLE       0x0002
#define LMEM_ZEROINIT       0x0040
#define LHND                (LMEM_MOVEABLE | LMEM_ZEROINIT)
#define LPTR                (LMEM_FIXED | LMEM_ZEROINIT)

PLATFORM_API HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
PLATFORM_API HGLOBAL WINAPI GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags);
PLATFORM_API LPVOID  WINAPI GlobalLock(HGLOBAL hMem);
PLATFORM_API BOOL    WINAPI GlobalUnlock(HGLOBAL hMem);
PLATFORM_API HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);
PLATFORM_API HGLOBAL WINAPI GlobalHandle(LPCVOID pMem);
PLATFORM_API SIZE_T  WINAPI GlobalSize(HGLOBAL hMem);
PLATFORM_API UINT    WINAPI GlobalFlags(HGLOBAL hMem);
PLATFORM_API HLOCAL  WINAPI LocalAlloc(UINT uFlags, SIZE_T uBytes);
PLATFORM_API HLOCAL  WINAPI LocalFree(HLOCAL hMem);

// Plain memory: FillMemory takes the length before the byte, unlike memset.
#define MoveMemory(Destination, Source, Length) std::memmove((Destination), (Source), (Length))
#define CopyMemory(Destination, Source, Length) std::memcpy((Destination), (Source), (Length))
#define FillMemory(Destination, Length, Fill)   std::memset((Destination), (Fill), (Length))
#define ZeroMemory(Destination, Length)         std::memset((Destination), 0, (Length))

// ---- errors and debug output -------------------------------------------------------------------------
PLATFORM_API DWORD WINAPI GetLastError(void);
PLATFORM_API void  WINAPI SetLastError(DWORD dwErrCode);
PLATFORM_API void  WINAPI OutputDebugStringW(LPCWSTR lpOutputString);
PLATFORM_API void  WINAPI OutputDebugStringA(LPCSTR lpOutputString);

// ---- system information -------------------------------------------------------------------------------
typedef struct _OSVERSIONINFOW {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    WCHAR szCSDVersion[128];
} OSVERSIONINFOW, *POSVERSIONINFOW, *LPOSVERSIONINFOW;
static_assert(sizeof(OSVERSIONINFOW) == 276);

#define VER_PLATFORM_WIN32s        0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT      2

PLATFORM_API DWORD WINAPI GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
PLATFORM_API UINT  WINAPI GetSystemDirectoryW(LPWSTR lpBuffer, UINT uSize);
PLATFORM_API UINT  WINAPI GetWindowsDirectoryW(LPWSTR lpBuffer, UINT uSize);
PLATFORM_API DWORD WINAPI GetTempPathW(DWORD nBufferLength, LPWSTR lpBuffer);
PLATFORM_API UINT  WINAPI GetTempFileNameW(LPCWSTR lpPathName, LPCWSTR lpPrefixString, UINT uUnique,
                                           LPWSTR lpTempFileName);
PLATFORM_API BOOL  WINAPI GetUserNameW(LPWSTR lpBuffer, LPDWORD pcbBuffer);
PLATFORM_API void  WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime);
PLATFORM_API void  WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime);
PLATFORM_API DWORD WINAPI GetTickCount(void);
// A counter of the host's monotonic clock at a frequency fixed for the process's life; FALSE with ERROR_NOACCESS
// for a null pointer.
PLATFORM_API BOOL  WINAPI QueryPerformanceCounter(LARGE_INTEGER* lpPerformanceCount);
PLATFORM_API BOOL  WINAPI QueryPerformanceFrequency(LARGE_INTEGER* lpFrequency);
PLATFORM_API BOOL  WINAPI GetVersionExW(LPOSVERSIONINFOW lpVersionInformation);
PLATFORM_API int   WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);

// ---- synchronisation ------------------------------------------------------------------------------------
typedef struct _RTL_CRITICAL_SECTION {
    PVOID     DebugInfo;
    LONG      LockCount;
    LONG      RecursionCount;
    HANDLE    OwningThread;
    HANDLE    LockSemaphore;
    ULONG_PTR SpinCount;
} CRITICAL_SECTION, *PCRITICAL_SECTION, *LPCRITICAL_SECTION;
static_assert(sizeof(CRITICAL_SECTION) == 24);

PLATFORM_API void WINAPI InitializeCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
PLATFORM_API void WINAPI DeleteCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
PLATFORM_API void WINAPI EnterCriticalSection(LPCRITICAL_SECTION lpCriticalSection);
PLATFORM_API void WINAPI LeaveCriticalSection(LPCRITICAL_SECTION lpCriticalSection);

// ---- files ----------------------------------------------------------------------------------------------
#define INVALID_HANDLE_VALUE     ((HANDLE)(LONG_PTR)-1)
#define INVALID_FILE_SIZE        ((DWORD)0xFFFFFFFF)
#define INVALID_SET_FILE_POINTER ((DWORD)-1)
#define INVALID_FILE_ATTRIBUTES  ((DWORD)-1)

#define GENERIC_READ    0x80000000L
#define GENERIC_WRITE   0x40000000L
#define GENERIC_EXECUTE 0x20000000L
#define GENERIC_ALL     0x10000000L

#define FILE_SHARE_READ   0x00000001
#define FILE_SHARE_WRITE  0x00000002
#define FILE_SHARE_DELETE 0x00000004

#define CREATE_NEW        1
#define CREATE_ALWAYS     2
#define OPEN_EXISTING     3
#define OPEN_ALWAYS       4
#define TRUNCATE_EXISTING 5

#define FILE_ATTRIBUTE_READONLY  0x00000001
#define FILE_ATTRIBUTE_HIDDEN    0x00000002
#define FILE_ATTRIBUTE_SYSTEM    0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE   0x00000020
#define FILE_ATTRIBUTE_NORMAL    0x00000080
#define FILE_ATTRIBUTE_TEMPORARY 0x00000100
#define FILE_FLAG_DELETE_ON_CLOSE 0x04000000
#define FILE_FLAG_SEQUENTIAL_SCAN 0x08000000
#define FILE_FLAG_RANDOM_ACCESS   0x10000000

#define FILE_BEGIN   0
#define FILE_CURRENT 1
#define FILE_END     2

typedef struct _SECURITY_ATTRIBUTES {
    DWORD  nLength;
    LPVOID lpSecurityDescriptor;
    BOOL   bInheritHandle;
} SECURITY_ATTRIBUTES, *PSECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

typedef struct _WIN32_FIND_DATAW {
    DWORD    dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD    nFileSizeHigh;
    DWORD    nFileSizeLow;
    DWORD    dwReserved0;
    DWORD    dwReserved1;
    WCHAR    cFileName[MAX_PATH];
    WCHAR    cAlternateFileName[14];
} WIN32_FIND_DATAW, *PWIN32_FIND_DATAW, *LPWIN32_FIND_DATAW;
static_assert(sizeof(WIN32_FIND_DATAW) == 592);

PLATFORM_API HANDLE WINAPI CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                                       LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                                       DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
PLATFORM_API BOOL  WINAPI ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead,
                                   LPDWORD lpNumberOfBytesRead, LPOVERLAPPED lpOverlapped);
PLATFORM_API BOOL  WINAPI WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite,
                                    LPDWORD lpNumberOfBytesWritten, LPOVERLAPPED lpOverlapped);
PLATFORM_API DWORD WINAPI SetFilePointer(HANDLE hFile, LONG lDistanceToMove, PLONG lpDistanceToMoveHigh,
                                         DWORD dwMoveMethod);
PLATFORM_API BOOL  WINAPI SetEndOfFile(HANDLE hFile);
PLATFORM_API BOOL  WINAPI FlushFileBuffers(HANDLE hFile);
PLATFORM_API DWORD WINAPI GetFileSize(HANDLE hFile, LPDWORD lpFileSizeHigh);
PLATFORM_API BOOL  WINAPI CloseHandle(HANDLE hObject);
PLATFORM_API BOOL  WINAPI DeleteFileW(LPCWSTR lpFileName);
PLATFORM_API BOOL  WINAPI CopyFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName, BOOL bFailIfExists);
PLATFORM_API BOOL  WINAPI MoveFileW(LPCWSTR lpExistingFileName, LPCWSTR lpNewFileName);
PLATFORM_API DWORD WINAPI GetFileAttributesW(LPCWSTR lpFileName);
PLATFORM_API BOOL  WINAPI SetFileAttributesW(LPCWSTR lpFileName, DWORD dwFileAttributes);
PLATFORM_API BOOL  WINAPI GetFileTime(HANDLE hFile, LPFILETIME lpCreationTime, LPFILETIME lpLastAccessTime,
                                      LPFILETIME lpLastWriteTime);
PLATFORM_API BOOL  WINAPI FileTimeToLocalFileTime(const FILETIME* lpFileTime, LPFILETIME lpLocalFileTime);
PLATFORM_API BOOL  WINAPI FileTimeToSystemTime(const FILETIME* lpFileTime, LPSYSTEMTIME lpSystemTime);
PLATFORM_API BOOL  WINAPI SystemTimeToFileTime(const SYSTEMTIME* lpSystemTime, LPFILETIME lpFileTime);
PLATFORM_API HANDLE WINAPI FindFirstFileW(LPCWSTR lpFileName, LPWIN32_FIND_DATAW lpFindFileData);
PLATFORM_API BOOL  WINAPI FindNextFileW(HANDLE hFindFile, LPWIN32_FIND_DATAW lpFindFileData);
PLATFORM_API BOOL  WINAPI FindClose(HANDLE hFindFile);
PLATFORM_API BOOL  WINAPI CreateDirectoryW(LPCWSTR lpPathName, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
PLATFORM_API BOOL  WINAPI RemoveDirectoryW(LPCWSTR lpPathName);

// ---- private-profile (INI) files ------------------------------------------------------------------------
PLATFORM_API DWORD WINAPI GetPrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpDefault,
                                                   LPWSTR lpReturnedString, DWORD nSize, LPCWSTR lpFileName);
PLATFORM_API UINT  WINAPI GetPrivateProfileIntW(LPCWSTR lpAppName, LPCWSTR lpKeyName, INT nDefault,
                                                LPCWSTR lpFileName);
PLATFORM_API BOOL  WINAPI WritePrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpString,
                                                     LPCWSTR lpFileName);

// ---- text -----------------------------------------------------------------------------------------------
PLATFORM_API int    WINAPI lstrlenW(LPCWSTR lpString);
PLATFORM_API LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2);
PLATFORM_API LPWSTR WINAPI lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength);
PLATFORM_API LPWSTR WINAPI lstrcatW(LPWSTR lpString1, LPCWSTR lpString2);
PLATFORM_API int    WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2);
PLATFORM_API int    WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2);
PLATFORM_API int    WINAPI lstrlenA(LPCSTR lpString);

// ---- modules --------------------------------------------------------------------------------------------
// void(void) is the one function type g++ lets a caller cast to its real type without a warning.
typedef void (WINAPI* FARPROC)(void);

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1
#define DLL_THREAD_ATTACH  2
#define DLL_THREAD_DETACH  3

PLATFORM_API HMODULE WINAPI LoadLibraryW(LPCWSTR lpLibFileName);
PLATFORM_API BOOL    WINAPI FreeLibrary(HMODULE hLibModule);
PLATFORM_API FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName);
PLATFORM_API HMODULE WINAPI GetModuleHandleW(LPCWSTR lpModuleName);
