#pragma once
// feature_table.h - the seven switchable feature groups: whole areas of the driver (named lists, functions of
// the saved-settings files) that a build can switch off. Their ids 1..7 are a space of their own: they share
// numbers with the option-table features (feature 2 is "insert sheets" here, "copies" there), so they are
// only ever passed as SwitchableFeature.

#include "win/windef.h"

enum class SwitchableFeature : WORD {
    GeneralParameters = 1,
    InsertSheets = 2,        // list group InterSheet
    FormOverlays = 3,        // list group Form
    Watermarks = 4,          // list group WaterMark
    FontSubstitution = 5,    // list group FontSubTbl
    Fax = 6,                 // fax and the list group Fax Cover Sheet
    UserDefinedPapers = 7,   // list group UDPaper
};

#pragma pack(push, 1)
struct FEATURE_RECORD {             // 52 bytes
    WORD  wFeature;                 // 0 ends the table
    WCHAR szName[11];               // empty in every row
    LONG  lEnabled;                 // the only word anyone reads
    LONG  lFlags[6];
};
#pragma pack(pop)
static_assert(sizeof(FEATURE_RECORD) == 52);
static_assert(offsetof(FEATURE_RECORD, szName) == 2);
static_assert(offsetof(FEATURE_RECORD, lEnabled) == 24);
static_assert(offsetof(FEATURE_RECORD, lFlags) == 28);

// The feature's row; null for an id that is not in the table.
const FEATURE_RECORD* FindFeatureRecord(SwitchableFeature feature);

// The feature's enabled word; 0 for an id that is not in the table.
LONG IsFeatureEnabled(SwitchableFeature feature);
LONG IsFeatureIdEnabled(SwitchableFeature feature);

// Test-only: makes the feature's enabled word read as `enabled` until ClearFeatureOverrides, so that tests can
// switch a list group off or on. The modules never call it.
void OverrideFeatureForTest(SwitchableFeature feature, LONG enabled);
void ClearFeatureOverrides();

// The enabled word of the feature a named-list group (4097 InterSheet .. 4101 Fax Cover Sheet, 8198 UDPaper)
// hangs on; 0 for a group id that is not mapped.
LONG IsListGroupEnabled(WORD wListGroup);

// The enabled word of the feature a saved-settings function (1..8) hangs on; 0 for an id that is not mapped.
LONG IsFunctionEnabled(WORD wFunction);
