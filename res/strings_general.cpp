// strings_general.cpp - texts that name the product.
#include "res/string_table.h"

#include <iterator>

static const host::StringResource kRows[] = {
    {20000, u"QN-804C"},
};

const StringTablePart kGeneralStrings = {kRows, std::size(kRows)};
