// feature_table.cpp - the switchable feature groups and the maps from list groups and settings functions.
// In this build only the fax group is off: the fax cover sheet list and the fax settings are never loaded,
// stored or shown.
#include "settings/paper/feature_table.h"
#include "settings/store/list_groups.h"

#include <iterator>

namespace {

constexpr WORD Id(SwitchableFeature feature)
{
    return static_cast<WORD>(feature);
}

struct FEATURE_MAP_ROW {
    WORD wFrom;            // list-group or function id; 0 ends the map
    WORD wFeature;         // SwitchableFeature
};

} // namespace

constexpr FEATURE_RECORD kSwitchableFeatureRecords[] = {
    { Id(SwitchableFeature::GeneralParameters), {}, 1, { 1, 1, 1, 1, 1, 1 } },
    { Id(SwitchableFeature::InsertSheets),      {}, 1, { 1, 1, 0, 1, 1, 1 } },
    { Id(SwitchableFeature::FormOverlays),      {}, 1, { 1, 1, 1, 1, 1, 1 } },
    { Id(SwitchableFeature::Watermarks),        {}, 1, { 1, 1, 1, 1, 1, 1 } },
    { Id(SwitchableFeature::FontSubstitution),  {}, 1, { 1, 1, 1, 1, 1, 1 } },
    { Id(SwitchableFeature::Fax),               {}, 0, { 0, 0, 1, 1, 1, 1 } },
    { Id(SwitchableFeature::UserDefinedPapers), {}, 1, { 1, 1, 1, 1, 1, 1 } },
    { 0,                                        {}, 0, { 0, 0, 0, 0, 0, 0 } },   // terminator
};
static_assert(kSwitchableFeatureRecords[std::size(kSwitchableFeatureRecords) - 1].wFeature == 0,
              "terminator must be last");

// Named-list group -> feature.
constexpr FEATURE_MAP_ROW kListGroupFeatures[] = {
    { kInterSheetListGroup, Id(SwitchableFeature::InsertSheets) },        // InterSheet
    { kFormListGroup,       Id(SwitchableFeature::FormOverlays) },        // Form
    { kWatermarkListGroup,  Id(SwitchableFeature::Watermarks) },          // WaterMark
    { kFontSubListGroup,    Id(SwitchableFeature::FontSubstitution) },    // FontSubTbl
    { kFaxCoverListGroup,   Id(SwitchableFeature::Fax) },                 // Fax Cover Sheet
    { kUDPaperListGroup,    Id(SwitchableFeature::UserDefinedPapers) },   // UDPaper
    { 0,                    0 },                                      // terminator
};
static_assert(kListGroupFeatures[std::size(kListGroupFeatures) - 1].wFrom == 0, "terminator must be last");

// Saved-settings function -> feature: 1 general parameters, 2 insert sheets, 3 form overlays, 4 watermarks,
// 5 font substitution, 6 fax, 7 fax cover sheet, 8 user-defined papers.
constexpr FEATURE_MAP_ROW kFunctionFeatures[] = {
    { 1, Id(SwitchableFeature::GeneralParameters) },
    { 2, Id(SwitchableFeature::InsertSheets) },
    { 3, Id(SwitchableFeature::FormOverlays) },
    { 4, Id(SwitchableFeature::Watermarks) },
    { 5, Id(SwitchableFeature::FontSubstitution) },
    { 6, Id(SwitchableFeature::Fax) },
    { 7, Id(SwitchableFeature::Fax) },
    { 8, Id(SwitchableFeature::UserDefinedPapers) },
    { 0, 0 },                                             // terminator
};
static_assert(kFunctionFeatures[std::size(kFunctionFeatures) - 1].wFrom == 0, "terminator must be last");

const FEATURE_RECORD* FindFeatureRecord(SwitchableFeature feature)
{
    for (const FEATURE_RECORD* row = kSwitchableFeatureRecords; row->wFeature != 0; ++row)
        if (row->wFeature == Id(feature))
            return row;
    return nullptr;
}

// The tests' overrides of the enabled words, by feature id; constant-initialised, so no constructor runs.
struct FEATURE_OVERRIDE {
    bool overridden;
    LONG lEnabled;
};
static FEATURE_OVERRIDE s_featureOverrides[std::size(kSwitchableFeatureRecords)] = {};

void OverrideFeatureForTest(SwitchableFeature feature, LONG enabled)
{
    const WORD id = Id(feature);
    if (id < std::size(s_featureOverrides))
        s_featureOverrides[id] = {true, enabled};
}

void ClearFeatureOverrides()
{
    for (FEATURE_OVERRIDE& entry : s_featureOverrides)
        entry = {};
}

LONG IsFeatureEnabled(SwitchableFeature feature)
{
    const FEATURE_RECORD* row = FindFeatureRecord(feature);
    if (row == nullptr)
        return 0;
    const WORD id = Id(feature);
    if (id < std::size(s_featureOverrides) && s_featureOverrides[id].overridden)
        return s_featureOverrides[id].lEnabled;
    return row->lEnabled;
}

LONG IsFeatureIdEnabled(SwitchableFeature feature)
{
    return IsFeatureEnabled(feature);
}

static LONG IsMappedFeatureEnabled(const FEATURE_MAP_ROW* pMap, WORD wFrom)
{
    for (const FEATURE_MAP_ROW* row = pMap; row->wFrom != 0; ++row)
        if (row->wFrom == wFrom)
            return IsFeatureEnabled(static_cast<SwitchableFeature>(row->wFeature));
    return 0;
}

LONG IsListGroupEnabled(WORD wListGroup)
{
    return IsMappedFeatureEnabled(kListGroupFeatures, wListGroup);
}

LONG IsFunctionEnabled(WORD wFunction)
{
    return IsMappedFeatureEnabled(kFunctionFeatures, wFunction);
}
