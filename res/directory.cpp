// directory.cpp - the resource directory of the stand-in resource library Q73MZRT3.
// The string tables are kept in parts; merged, an id may stand for one text only. When two parts define
// one id, the directory is refused, and the platform then refuses to load the library.
#include "res/string_table.h"
#include "host/resource_data.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

// Every table of texts; a new table file adds its part here.
static const StringTablePart* const kStringParts[] = {
    &kGeneralStrings,
    &kLabelStrings,
    &kOptionStrings,
    &kPaperStrings,
    &kListStrings,
    &kMessageStrings,
    &kNoticeStrings,
};

// Every table of dialog templates.
static const DialogTablePart* const kDialogParts[] = {
    &kPageDialogs,
};

// The icons the driver shows: the sheet's icon.
static const host::IconResource kIcons[] = {
    {64062, 32, 32},
};

// Every part's rows in one table sorted by id; false (naming the id) when an id is defined twice.
static bool MergeStringParts(std::vector<host::StringResource>& all)
{
    for (const StringTablePart* part : kStringParts)
        all.insert(all.end(), part->rows, part->rows + part->count);
    std::stable_sort(all.begin(), all.end(),
                     [](const host::StringResource& a, const host::StringResource& b) { return a.id < b.id; });
    const auto twice = std::adjacent_find(all.begin(), all.end(), [](const host::StringResource& a,
                                                                     const host::StringResource& b) {
        return a.id == b.id;
    });
    if (twice == all.end())
        return true;
    std::fprintf(stderr, "Q73MZRT3: string id %u is defined twice\n", twice->id);
    return false;
}

static std::vector<host::DialogResource> MergeDialogParts()
{
    std::vector<host::DialogResource> all;
    for (const DialogTablePart* part : kDialogParts)
        all.insert(all.end(), part->rows, part->rows + part->count);
    return all;
}

extern "C" __attribute__((visibility("default"))) const host::ResourceDirectory* HostResourceDirectory(void)
{
    static std::vector<host::StringResource> strings;
    static const bool merged = MergeStringParts(strings);
    static const std::vector<host::DialogResource> dialogs = MergeDialogParts();
    static const host::ResourceDirectory directory = {
        strings.data(), static_cast<UINT>(strings.size()),
        nullptr, 0,
        kIcons, static_cast<UINT>(std::size(kIcons)),
        nullptr, 0,
        dialogs.data(), static_cast<UINT>(dialogs.size()),
    };
    return merged ? &directory : nullptr;
}
