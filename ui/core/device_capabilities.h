#pragma once
// device_capabilities.h - DrvDeviceCapabilities: what the printer can do, as GDI and applications ask it.

#include "win/windows.h"

// The worker of DrvDeviceCapabilities. Answers that depend on settings are taken from the printer-wide
// devmode with pDevMode merged in. Lists (papers, bins, names, resolutions, N-up) answer their count and
// fill pOutput when it is given; the caller sizes pOutput from a first call without it. GDI_ERROR (-1) for
// an unknown capability, a malformed pDevMode (ERROR_INVALID_PARAMETER) or when memory is short.
DWORD DeviceCapabilitiesImpl(HANDLE hPrinter, LPWSTR pDeviceName, WORD iDevCap, PVOID pOutput,
                             PDEVMODEW pDevMode);
