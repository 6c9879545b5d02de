// directory.cpp - the resource directory of the stand-in resource library Q73MZRT3.
#include "res/string_table.h"
#include "host/resource_data.h"

#include <iterator>

extern "C" __attribute__((visibility("default"))) const host::ResourceDirectory* HostResourceDirectory(void)
{
    static const host::ResourceDirectory directory = {
        kStringTable, static_cast<UINT>(kStringTableCount),
        nullptr, 0,
        nullptr, 0,
        nullptr, 0,
    };
    return &directory;
}
