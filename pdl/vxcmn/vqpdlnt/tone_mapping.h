#pragma once
// tone_mapping.h - the gray levels the printer is sent: every colour becomes a gray level, mapped through the
// job's tone table (the Intensity setting) and, for the drawings the pure-black rule covers, made pure black.

#include "customnt/vqddigfx/pdev.h"

// Copies the tone table of the devmode's Intensity into the context (the identity for a value without one).
void PdlLoadToneTable(PDEV* pdev);

// TRUE when the pure-black rule covers the current drawing: PrintCAD_Check is 1 and either lpPrintCADMode is
// 1 and the object kind is page, graphics or text, or lpPrintCADMode is 2 and the kind is page to text (so
// with mode 1 images keep their gray levels).
BOOL PdlPureBlackActive(PDEV* pdev);

// TRUE when levels are mapped for the current drawing: Intensity is not 0 or the pure-black rule applies, and
// no page additions are being drawn.
BOOL PdlToneActive(PDEV* pdev);

// The level the printer is sent for a gray level: under the pure-black rule every level but 255 becomes 0;
// then the context's tone table.
BYTE PdlToneLookup(PDEV* pdev, BYTE level);

// The gray of an RGB colour (red in the low byte), (30 R + 59 G + 11 B) / 100, through PdlToneLookup, in all
// three bytes.
ULONG PdlGrayFromRgb(PDEV* pdev, ULONG rgb);

// The colour every "brc", "bri" and "bru" command carries for an RGB colour: its tone-mapped gray.
ULONG PdlDeviceColor(PDEV* pdev, ULONG rgb);
