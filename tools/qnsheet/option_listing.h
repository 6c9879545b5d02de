#pragma once
// option_listing.h - the options each list setting of the document sheet offers for a devmode, worked out as the
// sheet works them out when it is built: options that the other settings forbid are marked.

#include "win/windows.h"

#include <string>
#include <utility>
#include <vector>

// One line per list setting: "ID label: option, option (prohibited), [current option], ...". The settings of
// `changes` (control id, value) are made first, as a user would on the pages. Empty when the state cannot be
// built from the devmode.
std::vector<std::string> ListSettingOptions(HANDLE printer, const DEVMODEW* devmode, DWORD cbDevmode,
                                            const std::vector<std::pair<WORD, WORD>>& changes);
