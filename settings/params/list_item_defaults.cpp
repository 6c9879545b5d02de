// list_item_defaults.cpp - the default of each named-list field that a saved-settings file or a packed copy
// of the store can hold, as text.
#include "settings/params/list_item_defaults.h"

#include "settings/params/default_face.h"

#include <iterator>

namespace {

constexpr LIST_ITEM_DEFAULT_ROW kListItemDefaultRows[] = {
    {  39, 0, u"",           0 },
    {  40, 0, u"0",          0 },
    {  41, 0, u"0",          0 },
    {  43, 0, u"",           0 },
    {  44, 0, u"4096",       0 },
    {  45, 0, u"6",          0 },
    {  46, 0, u"1",          0 },
    {  47, 0, u"1",          0 },
    {  48, 0, u"0",          0 },
    {  49, 0, u"",           0 },
    {  50, 0, u"0",          0 },
    {  51, 0, u"1",          0 },
    {  52, 0, u"2",          0 },
    {  53, 0, u"2",          0 },
    {  54, 0, kDefaultFaceName,  0 },
    {  55, 0, u"1",          0 },
    {  56, 0, u"12",         0 },
    {  58, 0, u"2",          0 },
    {  59, 0, u"2",          0 },
    {  60, 0, kDefaultFaceName,  0 },
    {  61, 0, u"1",          0 },
    {  62, 0, u"12",         0 },
    {  64, 0, u"1033",       0 },
    {  65, 0, u"5",          0 },
    {  66, 0, u"34",         0 },
    {  67, 0, u"34",         0 },
    {  68, 0, u"10",         0 },
    {  69, 0, u"0",          0 },
    {   3, 0, u"",           0 },
    {   4, 0, u"",           0 },
    {   5, 0, u"",           0 },
    {   6, 0, u"",           0 },
    {   7, 0, u"4132",       0 },
    {   9, 0, u"0",          0 },
    {  10, 0, u"",           0 },
    {  12, 0, u"1",          0 },
    {  15, 0, u"",           0 },
    {  17, 0, kDefaultFaceName,  0 },
    {  19, 0, u"1",          0 },
    {  21, 0, u"72",         0 },
    {  23, 0, u"0",          0 },
    {  99, 0, u"0",          0 },
    {  25, 0, u"126",        0 },
    {  27, 0, u"0",          0 },
    {  29, 0, u"0",          0 },
    {  31, 0, u"0",          0 },
    {  32, 0, u"0",          0 },
    {  34, 0, u"",           0 },
    {  36, 0, u"",           0 },
    {  71, 0, u"",           0 },
    {  72, 0, u"",           0 },
    {  73, 0, u"",           0 },
    {  74, 0, u"",           0 },
    {  75, 0, u"",           0 },
    {  76, 0, u"",           0 },
    {  77, 0, u"",           0 },
    {  78, 0, u"",           0 },
    {  79, 0, u"",           0 },
    {  81, 0, u"",           0 },
    {  80, 0, u"",           0 },
    {  82, 0, u"",           0 },
    {  83, 0, u"1",          0 },
    {  84, 0, u"1",          0 },
    {  85, 0, u"5",          0 },
    {  86, 0, u"",           0 },
    {  87, 0, u"100",        0 },
    {  88, 0, u"0",          0 },
    {  89, 0, u"0",          0 },
    {  90, 0, u"",           0 },
    {  91, 0, u"0",          0 },
    {  92, 0, u"",           0 },
    {  94, 0, u"8267",       0 },
    {  95, 0, u"8267",       0 },
    {  96, 0, u"1",          0 },
    {  97, 0, u"",           0 },
    {   0, 0, nullptr,        0 },   // terminator
};

}  // namespace

static_assert(kListItemDefaultRows[std::size(kListItemDefaultRows) - 1].wItemId == 0, "terminator must be last");
static_assert(std::size(kListItemDefaultRows) == 76);

const LIST_ITEM_DEFAULT_ROW* FindListItemDefault(WORD wItemId)
{
    for (const LIST_ITEM_DEFAULT_ROW* row = kListItemDefaultRows; row->wItemId != 0; ++row)
        if (row->wItemId == wItemId)
            return row;
    return nullptr;
}
