#pragma once
// devmode_feature_fields.h - the devmode fields that a new devmode takes straight from the default of a
// feature of the option tables. Fields whose default needs a rule (the paper and output paper, zoom, paper
// source, covers, resolution, duplex) are not rows here: the builder sets them itself.

#include "win/windef.h"

struct DEVMODE_FEATURE_FIELD {
    WORD wOffset;                  // devmode offset of the field; 0 ends the table
    BYTE cbWidth;                  // 1 or 2: the default is stored in the field's own width
    WORD wFeature;                 // option-table feature that gives the default
};

// The rows, in devmode order, ending with the terminator.
const DEVMODE_FEATURE_FIELD* GetDevmodeFeatureFields();
