#pragma once
// commit_settings.h - applying a page: every working value becomes the applied value that the devmode
// write-back reads, and the few values the write-back needs besides are derived.

#include "settings/params/ui_state.h"

// Applies all working values. A fax transmission without destinations becomes print, with a notice; a fax
// cover sheet whose image file is gone loses its image, with a notice when the cover-sheet group is there. The
// commit never stops half way: a notice that cannot be had is only not shown.
void CommitSettings(UI_STATE* pState);
