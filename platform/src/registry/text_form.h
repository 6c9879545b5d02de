#pragma once
// text_form.h - keys and values as lines of text, for the registry dump and the registry file:
//     [HKEY_CURRENT_USER\Software\Example]
//     "Title" = REG_SZ: "text"
//     "Count" = REG_DWORD: 0x0000000a
//     "Blob" = REG_BINARY: 01 02 ff
//     "" = REG_SZ: "the key's default value"
// Names and texts are UTF-8; '%', '"', control characters and surrogates are written as %xxxx, the UTF-16
// unit in four lower-case hex digits (a line feed is %000a), so that every line stays one line and reads
// back to exactly the same name.

#include "registry/store.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform::registry {

enum class DataForm {
    Readable,   // REG_SZ holding one terminated text as that text, REG_DWORD of 4 bytes as a number
    Exact,      // every value as its bytes, so that type and size read back unchanged
};

// path: the root's name, then each key's name down to the key.
std::string FormatKeyLine(const std::vector<std::u16string>& path);
std::string FormatValueLine(const Value& value, DataForm form);

// The reverse of the above for lines written in DataForm::Exact; false for a line that is not one.
bool ParseKeyLine(std::string_view line, std::vector<std::u16string>& path);
bool ParseValueLine(std::string_view line, Value& value);

} // namespace platform::registry
