#pragma once
// enable_pdev.h - the life of a PDEV: enabling it from the job's devmode, completing, resetting (carrying a
// started job over to a new PDEV) and disabling it.

#include "customnt/vqddigfx/pdev.h"

// DrvEnablePDEV: settles the job's devmode (defaults, the caller's devmode, the printer-wide settings,
// validation), builds the PDEV and answers GDIINFO (at most cjCaps bytes) and DEVINFO (at most cjDevInfo).
// NULL with ERROR_INVALID_PARAMETER for a null devmode, or NULL when memory, the resource library or the
// palette is missing; nothing stays allocated then.
DHPDEV EnablePDEVImpl(DEVMODEW* pdm, LPWSTR pwszLogAddress, ULONG cPat, HSURF* phsurfPatterns, ULONG cjCaps,
                      ULONG* pdevcaps, ULONG cjDevInfo, DEVINFO* pdi, HDEV hdev, LPWSTR pwszDeviceName,
                      HANDLE hPrinter);

// Builds the PDEV from a settled devmode into *ppdev and fills gdiInfo and devInfo (default fonts zeroed).
// FALSE, with nothing left allocated, when memory or the palette is missing.
BOOL EngineEnablePDEV(const DRIVER_DEVMODE* pdm, HANDLE hPrinter, ULONG cPat, HSURF* phsurfPatterns,
                      GDIINFO* pGdiInfo, DEVINFO* pDevInfo, PDEV** ppdev);

// DrvCompletePDEV: keeps GDI's device handle. ERROR_INVALID_PARAMETER for an invalid PDEV.
VOID CompletePDEVImpl(DHPDEV dhpdev, HDEV hdev);

// DrvDisablePDEV: releases the palette, the output stream, the driver-file module and every block of the
// PDEV, the PDEV itself included. An invalid PDEV is left alone.
VOID DisablePDEVImpl(DHPDEV dhpdev);

// DrvResetPDEV: the new PDEV takes over the old one's started job. FALSE with ERROR_INVALID_PARAMETER when
// either PDEV is invalid, FALSE when the document name cannot be copied.
BOOL ResetPDEVImpl(DHPDEV dhpdevOld, DHPDEV dhpdevNew);
