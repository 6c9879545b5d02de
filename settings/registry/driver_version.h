#pragma once
// driver_version.h - the driver version that wrote a printer's per-user settings, kept as "DriverVersion"
// (REG_DWORD) under the printer's per-user key. Settings written by another version are reset.

#include "settings/devmode/driver_devmode.h"

enum class DriverVersionStatus : UINT {
    Compatible = 1,   // the stored version agrees with the given one in its low 14 bits
    Changed    = 2,   // another version wrote the settings
    Unreadable = 3,   // no printer key, or no readable "DriverVersion" in it
};

DriverVersionStatus ReadDriverVersionStatus(LPCWSTR printerName, WORD version);

// Creates the printer's per-user key, writes version as "DriverVersion" and writes the default lists of every
// list group. FALSE, writing nothing, when the key cannot be created.
BOOL WriteDriverVersion(LPCWSTR printerName, WORD version);

// Checks the per-user settings of the printer named in the devmode's private copy of the public part against
// the driver version there. Unless they agree, the version is written, the printer's per-user lists are reset
// (after their keys are cleaned out when another version wrote them), and the devmode's form overlay is
// switched off (lpOverlay 1, bOverlayIndex 0) and its watermark cleared. Then a watermark index beyond the
// stored watermark keys becomes 0. A devmode without a printer name is left as it is.
void CheckDriverVersion(PRIVATE_DEVMODE* pdmPrivate);
