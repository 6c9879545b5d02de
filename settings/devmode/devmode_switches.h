#pragma once
// devmode_switches.h - the finishing switches both modules read from the devmode. A finishing choice is on
// through one of two paths: the layout path (Layout_Check2) or the print-on-demand path (POD_Check), each with
// a check of its own. A check is on when it holds 1: a foreign devmode's other values switch nothing on.

#include "settings/devmode/driver_devmode.h"

// Two-sided printing is on: Layout_Check2 and Duplex_Check, or POD_Check and POD_Duplex_Check, are 1.
bool IsDuplexOn(const DEVMODE_ENV_EXTRA& env);
