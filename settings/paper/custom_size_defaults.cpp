// custom_size_defaults.cpp - the default user-defined sizes and their lookup.
#include "settings/paper/custom_size_defaults.h"
#include "settings/paper/custom_size_entry.h"

#include <iterator>

// 8267 thousandths of an inch is 210 mm, shown in millimetres.
constexpr DEFAULT_CUSTOM_SIZE kDefaultCustomSizes[] = {
    {8267, 8267, 1, 0, 21550},
    {8267, 8267, 1, 0, 21551},
    {8267, 8267, 1, 0, 21552},
    {8267, 8267, 1, 0, 21553},
    {8267, 8267, 1, 0, 21554},
    {8267, 8267, 1, 0, 21555},
    {8267, 8267, 1, 0, 21556},
    {8267, 8267, 1, 0, 21557},
    {8267, 8267, 1, 0, 21558},
    {8267, 8267, 1, 0, 21559},
    {   0,    0, 0, 0,     0},   // terminator
};
static_assert(std::size(kDefaultCustomSizes) == kCustomSizeCount + 1, "one row per size and the terminator");
static_assert(kDefaultCustomSizes[kCustomSizeCount].nameStringId == 0, "terminator must be last");

const DEFAULT_CUSTOM_SIZE* GetDefaultCustomSizeTable()
{
    return kDefaultCustomSizes;
}

const DEFAULT_CUSTOM_SIZE* FindDefaultCustomSize(UINT number)
{
    if (number < 1 || number > kCustomSizeCount)
        return nullptr;
    return &kDefaultCustomSizes[number - 1];
}
