#pragma once
// ansi_text.h - ANSI (code page 932) text cut at a byte limit, shared by the kernel's formatting calls.

#include <cstddef>
#include <string_view>

namespace platform {

// The length of text without a double-byte character whose second byte the cut left out: text that was cut
// at a byte limit then ends on a whole character.
size_t WholeAnsiLength(std::string_view text);

} // namespace platform
