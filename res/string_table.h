#pragma once
// string_table.h - the texts of the resource library by string id, kept in several tables by the area of
// the driver that shows them, and its dialog templates; the directory merges each kind into one table.

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
extern const StringTablePart kMessageStrings;
extern const StringTablePart kNoticeStrings;

// The dialog templates, kept in parts like the texts.
struct DialogTablePart {
    const host::DialogResource* rows;
    std::size_t count;
};

extern const DialogTablePart kPageDialogs;
