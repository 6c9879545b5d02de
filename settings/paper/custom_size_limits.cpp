// custom_size_limits.cpp - the user-defined size range per paper source, and its lookup.
#include "settings/paper/custom_size_limits.h"

#include <cstring>
#include <iterator>

constexpr CUSTOM_SIZE_LIMITS kCustomSizeLimits[] = {
//   source sub  name   width     length    printable  margins
    {  7,   0, 21530, 100, 314, 148, 459, 299, 458, 0, 0, 0, 0},
    {  1,   0, 21531, 210, 314, 140, 459, 299, 458, 0, 0, 0, 0},
    {  2,   0, 21532, 210, 314, 140, 459, 299, 458, 0, 0, 0, 0},
    {258,   0, 21533, 210, 314, 140, 459, 299, 458, 0, 0, 0, 0},
    {259,   0, 21534, 210, 314, 140, 459, 299, 458, 0, 0, 0, 0},
    {260,   2, 21546, 257, 314, 182, 223, 299, 458, 0, 0, 0, 0},
    {260,   3, 21547, 210, 314, 195, 459, 299, 458, 0, 0, 0, 0},
    {  4,   0, 21537, 100, 314, 148, 459, 299, 458, 0, 0, 0, 0},
    {  0,   0,     0,   0,   0,   0,   0,   0,   0, 0, 0, 0, 0},   // terminator
};
static_assert(std::size(kCustomSizeLimits) == 9, "eight rows and the terminator");
static_assert(kCustomSizeLimits[std::size(kCustomSizeLimits) - 1].sourceId == 0, "terminator must be last");

const CUSTOM_SIZE_LIMITS* FindCustomSizeLimits(SHORT sourceId, SHORT subId)
{
    for (const CUSTOM_SIZE_LIMITS* row = kCustomSizeLimits; row->sourceId != 0; ++row) {
        if (row->sourceId == sourceId && (row->subId == 0 || row->subId == subId))
            return row;
    }
    return &kCustomSizeLimits[0];
}

void GetCustomSizeLimits(CUSTOM_SIZE_LIMITS* out, SHORT sourceId, SHORT subId)
{
    if (out != nullptr)
        *out = *FindCustomSizeLimits(sourceId, subId);
}

void GetCustomSizeLimitExtra(LONG (*out)[4], SHORT sourceId, SHORT subId)
{
    if (out == nullptr)
        return;
    const CUSTOM_SIZE_LIMITS* row = FindCustomSizeLimits(sourceId, subId);
    const LONG margins[4] = {row->marginLeft, row->marginTop, row->marginRight, row->marginBottom};
    std::memcpy(out, margins, sizeof margins);
}
