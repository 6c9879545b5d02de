#pragma once
// winspool.h - the spooler: printers, their drivers, printer data and jobs.

#include "win/winbase.h"
#include "win/wingdi.h"

typedef DWORD ACCESS_MASK;

#define PRINTER_ACCESS_ADMINISTER 0x00000004
#define PRINTER_ACCESS_USE        0x00000008
#define PRINTER_ALL_ACCESS        0x000F000C
#define PRINTER_READ              0x00020008
#define PRINTER_WRITE             0x00020008
#define PRINTER_EXECUTE           0x00020008

typedef struct _PRINTER_DEFAULTSW {
    LPWSTR      pDatatype;
    LPDEVMODEW  pDevMode;
    ACCESS_MASK DesiredAccess;
} PRINTER_DEFAULTSW, *PPRINTER_DEFAULTSW, *LPPRINTER_DEFAULTSW;

typedef struct _PRINTER_INFO_1W {
    DWORD  Flags;
    LPWSTR pDescription;
    LPWSTR pName;
    LPWSTR pComment;
} PRINTER_INFO_1W, *PPRINTER_INFO_1W, *LPPRINTER_INFO_1W;

typedef struct _PRINTER_INFO_2W {
    LPWSTR     pServerName;
    LPWSTR     pPrinterName;
    LPWSTR     pShareName;
    LPWSTR     pPortName;
    LPWSTR     pDriverName;
    LPWSTR     pComment;
    LPWSTR     pLocation;
    LPDEVMODEW pDevMode;
    LPWSTR     pSepFile;
    LPWSTR     pPrintProcessor;
    LPWSTR     pDatatype;
    LPWSTR     pParameters;
    PVOID      pSecurityDescriptor;
    DWORD      Attributes;
    DWORD      Priority;
    DWORD      DefaultPriority;
    DWORD      StartTime;
    DWORD      UntilTime;
    DWORD      Status;
    DWORD      cJobs;
    DWORD      AveragePPM;
} PRINTER_INFO_2W, *PPRINTER_INFO_2W, *LPPRINTER_INFO_2W;
static_assert(sizeof(PRINTER_INFO_2W) == 84);

typedef struct _DRIVER_INFO_2W {
    DWORD  cVersion;
    LPWSTR pName;
    LPWSTR pEnvironment;
    LPWSTR pDriverPath;
    LPWSTR pDataFile;
    LPWSTR pConfigFile;
} DRIVER_INFO_2W, *PDRIVER_INFO_2W, *LPDRIVER_INFO_2W;

typedef struct _DOC_INFO_1W {
    LPWSTR pDocName;
    LPWSTR pOutputFile;
    LPWSTR pDatatype;
} DOC_INFO_1W, *PDOC_INFO_1W, *LPDOC_INFO_1W;

#define PRINTER_ENUM_LOCAL        0x00000002
#define PRINTER_ENUM_ICON8        0x00800000
#define PRINTER_ATTRIBUTE_LOCAL   0x00000040
#define PRINTER_ATTRIBUTE_DEFAULT 0x00000004

PLATFORM_API BOOL  WINAPI OpenPrinterW(LPWSTR pPrinterName, LPHANDLE phPrinter, LPPRINTER_DEFAULTSW pDefault);
PLATFORM_API BOOL  WINAPI ClosePrinter(HANDLE hPrinter);
PLATFORM_API BOOL  WINAPI GetPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pPrinter, DWORD cbBuf, LPDWORD pcbNeeded);
PLATFORM_API BOOL  WINAPI GetPrinterDriverW(HANDLE hPrinter, LPWSTR pEnvironment, DWORD Level, LPBYTE pDriverInfo,
                                            DWORD cbBuf, LPDWORD pcbNeeded);
PLATFORM_API DWORD WINAPI GetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, LPDWORD pType, LPBYTE pData,
                                          DWORD nSize, LPDWORD pcbNeeded);
PLATFORM_API DWORD WINAPI SetPrinterDataW(HANDLE hPrinter, LPWSTR pValueName, DWORD Type, LPBYTE pData,
                                          DWORD cbData);
PLATFORM_API DWORD WINAPI DeletePrinterDataW(HANDLE hPrinter, LPWSTR pValueName);
PLATFORM_API DWORD WINAPI GetPrinterDataExW(HANDLE hPrinter, LPCWSTR pKeyName, LPCWSTR pValueName, LPDWORD pType,
                                            LPBYTE pData, DWORD nSize, LPDWORD pcbNeeded);
PLATFORM_API DWORD WINAPI SetPrinterDataExW(HANDLE hPrinter, LPCWSTR pKeyName, LPCWSTR pValueName, DWORD Type,
                                            LPBYTE pData, DWORD cbData);
PLATFORM_API DWORD WINAPI StartDocPrinterW(HANDLE hPrinter, DWORD Level, LPBYTE pDocInfo);
PLATFORM_API BOOL  WINAPI EndDocPrinter(HANDLE hPrinter);
PLATFORM_API BOOL  WINAPI StartPagePrinter(HANDLE hPrinter);
PLATFORM_API BOOL  WINAPI EndPagePrinter(HANDLE hPrinter);
PLATFORM_API BOOL  WINAPI WritePrinter(HANDLE hPrinter, LPVOID pBuf, DWORD cbBuf, LPDWORD pcWritten);
PLATFORM_API BOOL  WINAPI AbortPrinter(HANDLE hPrinter);
PLATFORM_API BOOL  WINAPI PrinterProperties(HWND hWnd, HANDLE hPrinter);
PLATFORM_API LONG  WINAPI DocumentPropertiesW(HWND hWnd, HANDLE hPrinter, LPWSTR pDeviceName,
                                              PDEVMODEW pDevModeOutput, PDEVMODEW pDevModeInput, DWORD fMode);
