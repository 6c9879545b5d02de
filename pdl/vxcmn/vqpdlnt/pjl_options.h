#pragma once
// pjl_options.h - the job's finishing and paper-handling settings as "@PJL SET" lines of the job header.

#include "customnt/vqddigfx/pdev.h"

// Writes the option lines of the PDEV's devmode.
void SetOptionPJL(PDEV* pdev);
