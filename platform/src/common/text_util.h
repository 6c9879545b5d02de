#pragma once
// text_util.h - text helpers shared by the services: UTF-8 for host paths, case folding of Windows names.

#include <string>
#include <string_view>
#include "win/windef.h"

namespace platform {

std::string    Utf16ToUtf8(std::u16string_view text);
std::u16string Utf8ToUtf16(std::string_view text);

// Windows compares names (registry keys and values, file names, INI sections and keys) without regard to
// case; this folds ASCII and the Latin-1 and full-width Latin letters the way CharUpperW does.
char16_t       FoldCase(char16_t c);
bool           EqualsNoCase(std::u16string_view a, std::u16string_view b);
int            CompareNoCase(std::u16string_view a, std::u16string_view b);
std::u16string UpperCase(std::u16string_view text);

// A NUL-terminated Windows text as a view; an empty view for null.
std::u16string_view View(const WCHAR* text);

} // namespace platform
