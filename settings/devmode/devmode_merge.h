#pragma once
// devmode_merge.h - folding another devmode into the driver's own: the public fields that the option tables
// accept, the private part of a compatible devmode, and the printer-wide installed-options fields.

#include "settings/devmode/driver_devmode.h"
#include "settings/strings/res_library.h"

// The smallest dmSize a devmode may have to be read at all: everything up to and including dmFields, which
// say what the rest holds and where the private part starts.
constexpr WORD kMinDevmodeHeaderSize = offsetof(DEVMODEW, dmFields) + sizeof(DWORD);

// Copies the printer-wide fields (the installed options at 2324-2340, lpCoverSheetTray, the printer-wide
// text at 2341-2372 and lpPDLType) from pSource to pTarget. FALSE, copying nothing, when either is null.
BOOL CopyPrinterWideFields(const DRIVER_DEVMODE* pSource, DRIVER_DEVMODE* pTarget);

// Takes the public fields that pSource marks in dmFields and that the options accept: paper size and
// dimensions, print quality, orientation, copies, duplex and default source. Values the options refuse are
// dropped and the target keeps its own; the target's dmFields stays as it is. Only fields inside the
// source's dmSize are read; a source shorter than kMinDevmodeHeaderSize, or no cell, leaves the target alone.
void MergePublicDevmodeFields(const RES_MODULE_CELL* pCell, const DEVMODEW* pSource, DRIVER_DEVMODE* pTarget);

// MergePublicDevmodeFields, then the source's private part over the target's. For a source that
// IsCompatibleDevmodePair accepts against the target. The font-substitution list pointer never comes in from
// outside: it is cleared. FALSE, changing nothing, for a null argument.
BOOL MergeDevmode(const RES_MODULE_CELL* pCell, const DEVMODEW* pSource, DRIVER_DEVMODE* pTarget);

// MergeDevmode when IsCompatibleDevmodePair(pSource, pTarget), else MergePublicDevmodeFields: how every entry
// point takes in a devmode it was handed.
void MergeIncomingDevmode(const RES_MODULE_CELL* pCell, const DEVMODEW* pSource, DRIVER_DEVMODE* pTarget);
