#pragma once
// string_table.h - the texts of the resource library by string id, kept in several tables by the area of
// the driver that shows them; the directory merges them into one sorted table.

#include "host/resource_data.h"
#include <cstddef>

struct StringTablePart {
    const host::StringResource* rows;
    std::size_t count;
};

// Each table file defines one of these.
extern const StringTablePart kGeneralStrings;
extern const StringTablePart kLabelStrings;
extern const StringTablePart kOptionStrings;
extern const StringTablePart kPaperStrings;
extern const StringTablePart kListStrings;
