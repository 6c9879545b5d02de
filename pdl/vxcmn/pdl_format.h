#pragma once
// pdl_format.h - the writer's own formatter: the same bytes under every locale, and only the conversions the
// command texts use.

#include "win/windef.h"
#include <cstdarg>

// Formats into cbBuffer bytes, always terminated; a line that does not fit is cut. Conversions, without
// flags, width or precision: %d and %l signed decimal, %u unsigned decimal, %x and %X upper-case
// hexadecimal of at least two digits, %c one character, %s an ANSI string (null writes nothing), %b "true" or
// "false", %f a signed 24.8 fixed-point value (the integer part, then, when the fraction is not 0, a point and
// up to three decimals rounded to thousandths, trailing zeros dropped). A percent sign before any other
// character writes that character ("%%" gives "%"). Returns the length written, without the terminator.
int PdlFormat(char* pBuffer, DWORD cbBuffer, const char* pszFormat, va_list args);
