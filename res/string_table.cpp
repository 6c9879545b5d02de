// string_table.cpp - the texts of the resource library by string id, ascending.
#include "res/string_table.h"

#include <iterator>

const host::StringResource kStringTable[] = {
    {20000, u"QN-804C"},
};

const std::size_t kStringTableCount = std::size(kStringTable);
