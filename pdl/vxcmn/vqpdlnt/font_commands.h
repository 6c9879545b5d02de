#pragma once
// font_commands.h - the VQPDL font commands: the resident font text is written in ("fos" font number, "fop"
// height and width ratio, "for" baseline angle, "fob" and "foi" simulated bold and italic), each written only
// when it changes on the sheet, and the job's font substitution rows ("foc") the printer is told once.

#include "customnt/vqddigfx/pdev.h"
#include "pdl/vxcmn/vqpdlnt/font_choice.h"

// Selects the resident font for a chosen one: among the rows of the chosen face, from its first row, the one
// nearest the TrueType font's weight and slant; what the row lacks of them is simulated. Writes each command
// whose value changed.
void PdlSelectDeviceFont(PDEV* pdev, const DEVICE_FONT_CHOICE& choice);

// Forgets the resident font the printer was told (page start).
void PdlResetFontState(PDEV* pdev);

// The job's substitution rows, one "foc" for each resident font row and each list entry naming its face (a
// vertical row by the face without its "@"): its font and family names, type and encoding for its character
// set, and its font number. Nothing in raster mode or with substitution off; a job without a list gets a
// "rem" line instead.
void PdlOutputFontSubstitution(PDEV* pdev);
