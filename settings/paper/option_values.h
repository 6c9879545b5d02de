#pragma once
// option_values.h - whether a value is one the option tables accept for a feature: one of its options, or
// inside its range. Merging and validating a devmode test every value they take through these.

#include "settings/strings/res_library.h"

// How many low bits of an option value take part in a comparison (and are written when it is found).
enum class OptionValueWidth {
    Bits32,
    Bits16,
    Bits8,
};

// Looks value up among the feature's option values, in option order, comparing the width's low bits. When
// found, writes the option's value (the width's bytes) to pOut, which may lie at any address, and returns its
// option index; else returns -1 and leaves pOut alone. pScratch holds cSlots 32-bit slots for the option
// list: a feature with more options than that, or no cell, finds nothing.
LONG FindOptionValue(const RES_MODULE_CELL* pCell, DWORD* pScratch, DWORD cSlots, WORD wFeature, DWORD value,
                     void* pOut, OptionValueWidth width);

// TRUE, copying value to *pOut, when the feature's minimum <= value <= its maximum; else FALSE, *pOut untouched.
BOOL AcceptFeatureRange(const RES_MODULE_CELL* pCell, WORD wFeature, LONG value, LONG* pOut);

// The value when it lies within the feature's minimum and maximum, else the feature's default.
LONG ClampFeatureValue(const RES_MODULE_CELL* pCell, WORD wFeature, LONG value);

// The index of the paper among the options of feature 0 (the document's paper), 0 when it is not one.
WORD GetPaperOptionIndex(const RES_MODULE_CELL* pCell, SHORT paperId);

// The largest option value of a feature; 0 when it has none or without a library.
DWORD GetLargestOptionValue(const RES_MODULE_CELL* pCell, WORD wFeature);
