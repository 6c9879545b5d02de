// option_values.cpp - option and range tests over the feature query.
#include "settings/paper/option_values.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/feature_query.h"

#include <cstring>

// The document's paper sizes, in 1/100 mm.
// The paper feature has 73 options; validation keeps room for more in its scratch list.
static constexpr DWORD kPaperScratchSlots = 256;

static DWORD LowBits(DWORD value, OptionValueWidth width)
{
    switch (width) {
    case OptionValueWidth::Bits32:
        return value;
    case OptionValueWidth::Bits16:
        return value & 0xFFFF;
    case OptionValueWidth::Bits8:
        return value & 0xFF;
    }
    return value;
}

static std::size_t WidthBytes(OptionValueWidth width)
{
    switch (width) {
    case OptionValueWidth::Bits32:
        return sizeof(DWORD);
    case OptionValueWidth::Bits16:
        return sizeof(WORD);
    case OptionValueWidth::Bits8:
        return sizeof(BYTE);
    }
    return sizeof(DWORD);
}

LONG FindOptionValue(const RES_MODULE_CELL* pCell, DWORD* pScratch, DWORD cSlots, WORD wFeature, DWORD value,
                     void* pOut, OptionValueWidth width)
{
    if (pScratch == nullptr || pOut == nullptr)
        return -1;
    const LONG count = QueryFeature(pCell, wFeature, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (count <= 0 || static_cast<DWORD>(count) > cSlots)
        return -1;
    QueryFeature(pCell, wFeature, FeatureQuery::AllValues, pScratch, 0, 0);
    const DWORD wanted = LowBits(value, width);
    for (LONG i = 0; i < count; ++i) {
        if (LowBits(pScratch[i], width) == wanted) {
            const DWORD found = pScratch[i];   // little-endian: its low bytes are the width's bytes
            std::memcpy(pOut, &found, WidthBytes(width));
            return i;
        }
    }
    return -1;
}

BOOL AcceptFeatureRange(const RES_MODULE_CELL* pCell, WORD wFeature, LONG value, LONG* pOut)
{
    const LONG minimum = QueryFeature(pCell, wFeature, FeatureQuery::Minimum, nullptr, 0, 0);
    const LONG maximum = QueryFeature(pCell, wFeature, FeatureQuery::Maximum, nullptr, 0, 0);
    if (value < minimum || value > maximum)
        return FALSE;
    if (pOut != nullptr)
        *pOut = value;
    return TRUE;
}

LONG ClampFeatureValue(const RES_MODULE_CELL* pCell, WORD wFeature, LONG value)
{
    if (AcceptFeatureRange(pCell, wFeature, value, nullptr))
        return value;
    return GetFeatureDefault(pCell, wFeature);
}

WORD GetPaperOptionIndex(const RES_MODULE_CELL* pCell, SHORT paperId)
{
    DWORD scratch[kPaperScratchSlots];
    WORD found = 0;
    const LONG index = FindOptionValue(pCell, scratch, kPaperScratchSlots, kFeaturePaperSize,
                                       static_cast<WORD>(paperId), &found, OptionValueWidth::Bits16);
    return index < 0 ? 0 : static_cast<WORD>(index);
}

DWORD GetLargestOptionValue(const RES_MODULE_CELL* pCell, WORD wFeature)
{
    DWORD largest = 0;
    const LONG count = QueryFeature(pCell, wFeature, FeatureQuery::OptionCount, nullptr, 0, 0);
    for (LONG i = 0; i < count; ++i) {
        const LONG value = QueryFeature(pCell, wFeature, FeatureQuery::OptionValue, nullptr, static_cast<WORD>(i), 0);
        if (value > 0 && static_cast<DWORD>(value) > largest)
            largest = static_cast<DWORD>(value);
    }
    return largest;
}
