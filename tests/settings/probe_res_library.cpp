// probe_res_library.cpp - the probe resource library QNRESPRB.DLL: texts at the limits of the string cache.
#include "settings/probe_res_library.h"
#include "host/resource_data.h"

#include <vector>

extern "C" __attribute__((visibility("default"))) const host::ResourceDirectory* HostResourceDirectory(void)
{
    // Ids in ascending order, as a resource directory keeps them.
    static const std::vector<UINT> ids = [] {
        std::vector<UINT> all = {kProbeBelowRangeId, kProbeFirstId, kProbeAlwaysEmptyId, kProbeLongestId,
                                 kProbeTooLongId};
        for (UINT i = 0; i < kProbeBulkCount; ++i)
            all.push_back(kProbeBulkFirstId + i);
        all.push_back(kProbeLastId);
        all.push_back(kProbeAboveRangeId);
        return all;
    }();
    static const std::vector<std::u16string> texts = [] {
        std::vector<std::u16string> all;
        for (UINT id : ids)
            all.push_back(ProbeText(id));
        return all;
    }();
    static const std::vector<host::StringResource> rows = [] {
        std::vector<host::StringResource> all;
        for (std::size_t i = 0; i < ids.size(); ++i)
            all.push_back({ids[i], texts[i].c_str()});
        return all;
    }();
    static const DWORD palette[] = {0x000000, 0xFFFFFF};
    static const BYTE bits[] = {0, 1, 0, 0, 1, 0, 0, 0};   // two rows of two 8-bit pixels, padded to 4 bytes
    static const host::BitmapResource bitmaps[] = {{kProbeBitmapId, 2, 2, 8, palette, 2, bits}};
    static const host::IconResource icons[] = {{kProbeIconId, 32, 32}};
    static const host::IconResource cursors[] = {{kProbeCursorId, 32, 32}};
    static const host::ResourceDirectory directory = {
        rows.data(), static_cast<UINT>(rows.size()), bitmaps, 1, icons, 1, cursors, 1, nullptr, 0,
    };
    return &directory;
}
