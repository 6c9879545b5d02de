#pragma once
// custom_size_units.h - a user-defined paper size's dimensions in its display unit. Sizes are always held in
// thousandths of an inch; the unit (1 millimetres, 2 inches) only decides how they are shown.

#include "win/windows.h"

constexpr WORD kCustomSizeUnitMm   = 1;
constexpr WORD kCustomSizeUnitInch = 2;

// Unit 1: thousandths of an inch to whole millimetres, rounded up ((v x 1000 / 3937 + 9) / 10, so 8267
// gives 210); any other unit: the value unchanged.
DWORD ConvertThousandthInchToMm(WORD unit, DWORD value);

// Kind 1: thousandths of an inch to 1/100 mm (v x 254 / 100); any other kind: whole millimetres to
// 1/100 mm (v x 100). Results beyond 32 bits stay at 0xFFFFFFFF.
DWORD ConvertToHundredthMm(WORD kind, DWORD value);

// Characters of a paper size text, with its NUL.
constexpr UINT kSizeTextChars = 33;

// The size text of a user-defined size (width and length in thousandths of an inch): unit 1
// "(%ldx%ldmm)" in whole millimetres rounded up; any other unit "%ld.%02ldx%ld.%02ldinch", each dimension
// in inches rounded to hundredths (8996 thousandths read "9.00"). Cut to cchOut - 1 characters.
void FormatCustomSizeText(DWORD width, DWORD length, WORD unit, LPWSTR out, UINT cchOut);
