#pragma once
// decimal_text.h - decimal numbers read from wide text (settings files, list texts).

#include "win/windows.h"

// The leading decimal digits of the text as one unsigned number, without sign; reading stops at the first
// character that is not a digit, so a page text "2,4" reads as 2. Arithmetic wraps at 32 bits; 0 for null or
// for a text that does not start with a digit.
DWORD DecimalToInt(LPCWSTR text);

// Reads a signed decimal text into out by value-type code: 1 one byte, 2 or 4 a 16-bit word, 8 or 16 a
// 32-bit word, each negated for a leading "-" and cut to its width (so "-5" stores 0xFB as a byte); 32 a
// 32-bit word that ignores the sign. An empty text reads as 0. Returns 1, or 0 with out untouched when the
// code is another, the text is only a sign, a sign stands anywhere but first, a character is not a digit,
// or the number needs more than 32 bits.
BOOL ParseDecimalValue(void* out, UINT typeCode, LPCWSTR text);
