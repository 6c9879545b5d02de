// custom_paper_ids.cpp - the paper ids of the ten user-defined sizes.
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/paper_ids.h"

BOOL IsCustomPaperId(SHORT paperId)
{
    return CustomPaperIdToIndex(paperId) != 0 ? TRUE : FALSE;
}

UINT CustomPaperIdToIndex(SHORT paperId)
{
    if (paperId >= kFirstCustomPaperId && paperId <= kLastNumberedCustomPaperId)
        return static_cast<UINT>(paperId - kFirstCustomPaperId) + 1;
    return paperId == kTenthCustomPaperId ? kCustomSizeCount : 0;
}

SHORT CustomPaperIndexToId(UINT number)
{
    if (number == kCustomSizeCount)
        return kTenthCustomPaperId;
    if (number >= 1 && number < kCustomSizeCount)
        return static_cast<SHORT>(kFirstCustomPaperId + static_cast<SHORT>(number - 1));
    return kFirstCustomPaperId;
}
