#pragma once
// commit_settings.h - applying a page: every working value becomes the applied value that the devmode
// write-back reads, and the few values the write-back needs besides are derived.

#include "settings/params/ui_state.h"

// Applies all working values; a fax transmission without destinations becomes print.
void CommitSettings(UI_STATE* pState);
