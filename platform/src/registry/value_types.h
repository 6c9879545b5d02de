#pragma once
// value_types.h - the names of the registry's value types, as the dump and the registry file write them.

#include "win/winreg.h"

#include <string_view>

namespace platform::registry {

struct VALUE_TYPE_ROW {
    DWORD       dwType;
    const char* pszName;   // nullptr ends the table
};

// The row of a type, or nullptr for a type without a name (such values are written by number).
const VALUE_TYPE_ROW* FindValueType(DWORD dwType);
// The row whose name is name, or nullptr.
const VALUE_TYPE_ROW* FindValueTypeByName(std::string_view name);

} // namespace platform::registry
