// directory.cpp - the resource directory of the stand-in resource library Q73MZRT3.
#include "res/string_table.h"
#include "host/resource_data.h"

#include <algorithm>
#include <vector>

// Every table of texts; a new table file adds its part here.
static const StringTablePart* const kStringParts[] = {
    &kGeneralStrings,
    &kPaperStrings,
};

extern "C" __attribute__((visibility("default"))) const host::ResourceDirectory* HostResourceDirectory(void)
{
    static const std::vector<host::StringResource> strings = [] {
        std::vector<host::StringResource> all;
        for (const StringTablePart* part : kStringParts)
            all.insert(all.end(), part->rows, part->rows + part->count);
        std::stable_sort(all.begin(), all.end(),
                         [](const host::StringResource& a, const host::StringResource& b) { return a.id < b.id; });
        return all;
    }();
    static const host::ResourceDirectory directory = {
        strings.data(), static_cast<UINT>(strings.size()),
        nullptr, 0,
        nullptr, 0,
        nullptr, 0,
    };
    return &directory;
}
