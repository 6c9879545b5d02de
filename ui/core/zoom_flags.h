#pragma once
// zoom_flags.h - the layout switches the job header reads, derived from the N-up, booklet and finishing
// switches the pages show.

#include "settings/params/ui_state.h"

// Sets Layout_Check and the current value of lpLayout_Select: without the layout check box (123), both 1 when
// the finishing page's N-up is on (301 and 302), else 0; with it, 1 and 1 for N-up (124), 1 and 2 for a
// booklet, else 0 and 0. lpBorder and lpBooklet then take the current values of lpBorder2 and lpBooklet2.
void UpdateZoomFlags(UI_STATE* pState);
