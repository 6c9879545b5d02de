// value_types.cpp - the table of value type names.
#include "registry/value_types.h"

#include <iterator>

namespace platform::registry {

constexpr VALUE_TYPE_ROW kValueTypes[] = {
    { REG_NONE,             "REG_NONE"             },
    { REG_SZ,               "REG_SZ"               },
    { REG_EXPAND_SZ,        "REG_EXPAND_SZ"        },
    { REG_BINARY,           "REG_BINARY"           },
    { REG_DWORD,            "REG_DWORD"            },
    { REG_DWORD_BIG_ENDIAN, "REG_DWORD_BIG_ENDIAN" },
    { REG_LINK,             "REG_LINK"             },
    { REG_MULTI_SZ,         "REG_MULTI_SZ"         },
    { 0,                    nullptr                },   // terminator
};
static_assert(kValueTypes[std::size(kValueTypes) - 1].pszName == nullptr, "terminator must be last");

const VALUE_TYPE_ROW* FindValueType(DWORD dwType)
{
    for (const VALUE_TYPE_ROW* row = kValueTypes; row->pszName != nullptr; ++row)
        if (row->dwType == dwType)
            return row;
    return nullptr;
}

const VALUE_TYPE_ROW* FindValueTypeByName(std::string_view name)
{
    for (const VALUE_TYPE_ROW* row = kValueTypes; row->pszName != nullptr; ++row)
        if (name == row->pszName)
            return row;
    return nullptr;
}

} // namespace platform::registry
