// param_defaults.cpp - the parameter default table.
#include "settings/params/param_defaults.h"

#include "settings/params/default_face.h"

#include <iterator>

namespace {

constexpr LONG kNone = -1;

// The most entries an insert list holds and the highest tab number: a smaller range would drop a full list or
// a tab numbered beyond it whenever a saved-settings file is read back.
constexpr LONG kMaxInsertEntries = 128;
constexpr LONG kMaxTabIndexNumber = 15;

constexpr PARAM_DEFAULT_ROW kParamDefaultRows[] = {
    { 204, 0, u"",                  kNone, kNone,              0 },
    { 186, 0, u"0",                 0,     kMaxTabIndexNumber, 0 },
    { 210, 0, u"",                  kNone, kNone,              0 },
    { 211, 0, u"",                  kNone, kNone,              0 },
    { 212, 0, u"0",                 0,     99,                 0 },
    { 213, 0, u"",                  kNone, kNone,              0 },
    { 214, 0, u"0",                 0,     50,                 0 },
    { 215, 0, u"0",                 0,     50,                 0 },
    { 216, 0, u"0",                 0,     50,                 0 },
    { 217, 0, u"0",                 kNone, kNone,              0 },
    { 218, 0, u"0",                 kNone, kNone,              0 },
    { 219, 0, u"",                  kNone, kNone,              0 },
    { 220, 0, u"",                  kNone, kNone,              0 },
    { 221, 0, u"",                  kNone, kNone,              0 },
    { 222, 0, u"",                  kNone, kNone,              0 },
    { 224, 0, u"",                  kNone, kNone,              0 },
    { 225, 0, u"0",                 kNone, kNone,              0 },
    { 226, 0, u"0",                 kNone, kNone,              0 },
    { 227, 0, u"0",                 kNone, kNone,              0 },
    { 228, 0, u"0",                 kNone, kNone,              0 },
    { 229, 0, u"",                  kNone, kNone,              0 },
    { 230, 0, u"257",               kNone, kNone,              0 },
    { 231, 0, u"0",                 kNone, kNone,              0 },
    { 232, 0, u"0",                 kNone, kNone,              0 },
    { 235, 0, u"0",                 kNone, kNone,              0 },
    { 207, 0, u"1",                 1,     10,                 0 },
    { 208, 0, u"0",                 0,     kMaxInsertEntries,  0 },
    { 209, 0, u"0",                 0,     1,                  0 },
    { 138, 0, kDefaultFaceName,   kNone, kNone,              0 },
    {   0, 0, nullptr,              0,     0,                  0 },   // terminator
};

}  // namespace

static_assert(kParamDefaultRows[std::size(kParamDefaultRows) - 1].wParamId == 0, "terminator must be last");
static_assert(std::size(kParamDefaultRows) == 30);

const PARAM_DEFAULT_ROW* FindParamDefault(WORD wParamId)
{
    for (const PARAM_DEFAULT_ROW* row = kParamDefaultRows; row->wParamId != 0; ++row)
        if (row->wParamId == wParamId)
            return row;
    return nullptr;
}
