#pragma once
// halftone_tables.h - the threshold matrices of the driver's own ordered halftoning: clustered dots of 8 x 8
// and 16 x 16 pixels, anchored to the page.

#include "win/windef.h"

// The n x n thresholds (n = 8 or 16), row by row, top first: a pixel whose ink is at least its threshold is
// printed. Null for any other n.
const BYTE* FindThresholdMatrix(UINT n);
