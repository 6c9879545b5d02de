#pragma once
// decimal_text.h - decimal numbers read from wide text (settings files, list texts).

#include "win/windows.h"

// Every character of the text taken as a decimal digit (c - '0'), without sign or check: the page texts
// it reads hold digits only. Arithmetic wraps at 32 bits; 0 for null.
DWORD DecimalToInt(LPCWSTR text);

// Reads a signed decimal text into out by value-type code: 1 one byte, 2 or 4 a 16-bit word, 8 or 16 a
// 32-bit word, each negated for a leading "-" and cut to its width (so "-5" stores 0xFB as a byte); 32 a
// 32-bit word that ignores the sign. An empty text reads as 0. Returns 1, or 0 with out untouched when the
// code is another, the text is only a sign, a sign stands anywhere but first, a character is not a digit,
// or the number needs more than 32 bits.
BOOL ParseDecimalValue(void* out, UINT typeCode, LPCWSTR text);
