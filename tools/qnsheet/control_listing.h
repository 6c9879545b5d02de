#pragma once
// control_listing.h - what a user sees of a page's controls: each control with its id, its class, whether it is
// enabled, and its value (the check of a check box or radio, the text of an edit, the chosen item of a list).

#include "win/windows.h"

#include <string>
#include <vector>

// One line per control of the sheet's current page, in the page's child order, e.g.
// `301 Button enabled checked` or `318 ComboBox disabled "Half Fold"`. Controls without an id are left out.
std::vector<std::string> ListPageControls(HWND sheet);
