#pragma once
// document_properties.h - DrvDocumentProperties and DrvAdvancedDocumentProperties: the document devmode
// without any dialog, for callers of the older interface.

#include "win/windows.h"

// fMode 0 returns 2,615, the size of the driver's devmode. Otherwise builds the document devmode from
// pdmInput and, when pdmOutput is given, copies it there; returns 1 (IDOK), or -1 when DM_COPY comes
// without pdmOutput, pdmInput is malformed or the build fails. Shows nothing, DM_PROMPT included.
LONG DocumentPropertiesImpl(HWND hWnd, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pdmOutput,
                            PDEVMODEW pdmInput, DWORD fMode);

// DocumentPropertiesImpl with every mode bit set: pdmOutput is required and receives the devmode.
LONG AdvancedDocumentPropertiesImpl(HWND hWnd, HANDLE hPrinter, LPWSTR pDeviceName, PDEVMODEW pdmOutput,
                                    PDEVMODEW pdmInput);
