#pragma once
// codepage.h - the ANSI code page 932 as tables, for every service that converts text.

#include <string>
#include <string_view>

namespace platform {

constexpr char16_t kDefaultUnicodeChar = 0x30FB;   // what an invalid double-byte sequence becomes

// True for a first byte of a double-byte character of code page 932.
bool IsLeadByte932(unsigned char b);

// Decodes one character at text[pos]; pos moves past it. valid is false for an invalid sequence (then the
// result is kDefaultUnicodeChar).
char16_t DecodeChar932(std::string_view text, size_t& pos, bool& valid);

// Encodes one character: the one or two bytes, or an empty string when code page 932 has no such character.
std::string EncodeChar932(char16_t c);

} // namespace platform
