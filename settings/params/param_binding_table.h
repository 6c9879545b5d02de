#pragma once
// param_binding_table.h - the binding table: for each bound parameter, the devmode field that holds its
// current value and the UI_STATE field, option list or data area that shows it.

#include "win/windows.h"

// How a binder reads the current value besides a plain read of its devmode field.
enum class BindRule : BYTE {
    Plain,
    LayoutRewrite,     // lpLayout: a retired byte value 1 or 2 is first rewritten to 8 in the devmode
    CoverRewrite,      // lpFrontCover, lpBackCover: a byte value 1 (no cover) is first rewritten to 2
    CoverCheck,        // Front_Check, Back_Check: 1 when the cover byte is not 1, else 0
    FeatureDefault,    // the index-tab settings: the feature's default option; the devmode is not read
    NoCurrent,         // lists kept in the data block report no current value
};

// Where a parameter's UI_STATE pointer points after a fix-up.
enum class UiArea : BYTE {
    None,              // the UI_STATE field itself holds the value
    MainBlock,         // an option list behind the fixed part
    DataBlock,         // an area of the separate data block
};

struct PARAM_BINDING_ROW {
    WORD     wParamId;         // 0 ends the table
    WORD     wDevmodeOffset;   // byte offset in DRIVER_DEVMODE; 0 (with size 0) when the devmode has none
    WORD     wDevmodeSize;     // feature-backed kinds: 1 or 2, the width read; field kinds: the field's size
    WORD     wDevmodeType;     // field kinds: value type code of the devmode field
    BindRule rule;
    DWORD    dwUiOffset;       // the UI_STATE field; for lists and data areas the pointer to the area
    UiArea   area;
    WORD     wUiSize;          // field kinds: the UI_STATE field's size and type code; 0 when none is given
    WORD     wUiType;
};

constexpr WORD kBoundParamCount = 243;

// The row of bound parameter 1..243; null for any other id.
const PARAM_BINDING_ROW* FindParamBinding(WORD wParamId);
