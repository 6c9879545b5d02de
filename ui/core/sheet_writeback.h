#pragma once
// sheet_writeback.h - what OK on a property sheet hands back: the working state's committed settings written
// into the sheet's devmode.

#include "settings/devmode/driver_devmode.h"
#include "settings/params/ui_state.h"
#include "settings/strings/res_library.h"

// Writes every bound setting's committed value (a range's and a typed field's value as kept) into its devmode
// field, then the values derived from them: the output and last-fitted paper, the paper's dimensions (custom
// or from the paper table, with DM_PAPERWIDTH and DM_PAPERLENGTH set only for a custom paper), the media
// source, the layout code, the graphics code, the form overlay's file name, the watermark index, the phone
// book (saved to its file), the duplex and the resolution. The devmode is not validated here. Returns 1;
// 0 for a null state or devmode.
BOOL UiStateToDevmode(UI_STATE* pState, DRIVER_DEVMODE* pdm, const RES_MODULE_CELL* pCell);
