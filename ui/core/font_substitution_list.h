#pragma once
// font_substitution_list.h - the font-substitution list of a print job, built from the user's stored table.

#include "settings/devmode/driver_devmode.h"

// Builds the list for the devmode's printer as one block of FONT_SUB_NODE records linked in order
// (AllocLockedBlock; the caller frees it with FreeLockedBlock), leaves its address in the devmode's
// fontSubstitutionList (this in-memory copy only; left null when there is no list) and returns the node
// count, at most kMaxFontSubNodes.
DWORD LoadFontSubstitutionList(DRIVER_DEVMODE* pdm);
