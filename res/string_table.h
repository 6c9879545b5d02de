#pragma once
// string_table.h - the texts of the resource library by string id.

#include "host/resource_data.h"
#include <cstddef>

extern const host::StringResource kStringTable[];
extern const std::size_t kStringTableCount;
