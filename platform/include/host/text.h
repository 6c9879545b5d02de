#pragma once
// text.h - conversions between the host's UTF-8 and Windows text, for host programs and tests.

#include <string>
#include <string_view>

namespace host {

std::string    ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// Code page 932 bytes of a Windows text and back, as the platform converts them.
std::string    ToAnsi(std::u16string_view text);
std::u16string FromAnsi(std::string_view bytes);

} // namespace host
