#pragma once
// rop_writer.h - the raster-operation writers ("rop 2", "rop 3") and what a rop reads.

#include "customnt/vqddigfx/pdev.h"

// "rop 2 #<low byte>;" when the mix differs from the one last written.
void PdlOutputRop2(PDEV* pdev, ULONG mix);

// "rop 3 #<rop>;" when the three-operand rop differs from the one last written.
void PdlOutputRop3(PDEV* pdev, ULONG rop3);

// The low byte of the two-operand rop last written.
BYTE PdlGetRop2(PDEV* pdev);

// FALSE for the two-operand codes whose result does not read the page (1 black, 4 not pen, 13 pen, 16
// white); TRUE for every other code, including codes outside 1-16.
BOOL PdlRopReadsDestination(ULONG rop2);

// FALSE for the sixteen three-operand rops that do not read the page; TRUE for all others.
BOOL PdlRop3ReadsDestination(ULONG rop3);

// FALSE for the sixteen three-operand rops that do not read the source (0x00, 0x05, ... 0xFA, 0xFF); TRUE for
// all others.
BOOL PdlRop3UsesSource(ULONG rop3);

// Forgets the raster operations the printer was told.
void PdlResetRopCache(PDEV* pdev);
