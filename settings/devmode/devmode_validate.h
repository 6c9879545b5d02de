#pragma once
// devmode_validate.h - makes a devmode consistent with the option tables and computes what follows from its
// settings: the paper and output-paper geometry, the zoom, and the bytes derived from other fields.

#include "settings/devmode/driver_devmode.h"
#include "settings/strings/res_library.h"

// Forces the header, then brings every setting the validation owns into line (output mode and resolution,
// duplex, paper and output-paper geometry, zoom, the private copy of the public part, derived bytes, form
// overlay, paper source). The printer handle is asked for the stored user-defined paper sizes. TRUE; FALSE
// after forcing the header when the cell holds no resource library.
BOOL ValidateDevmode(const RES_MODULE_CELL* pCell, DRIVER_DEVMODE* pdm, HANDLE hPrinter);

// The zoom, in percent, that fits the first rectangle into the second: 100 when the first has no width or
// height, else the smaller of the two ratios (integer division).
LONG ComputeFitZoom(RECTL paper, RECTL output);

// The zoom that fits the paper's printable area onto the output paper's once the binding margin is taken off
// the output paper's side that binds; 100 when the paper's printable area is empty.
LONG ComputeMarginFitZoom(const DRIVER_DEVMODE* pdm);
