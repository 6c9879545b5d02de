#pragma once
// tone_tables.h - the tone tables the Intensity setting chooses: each maps a gray level (0 black, 255 white)
// to the level the printer is sent, darker for +1 and +2, lighter for -1 and -2.

#include "win/windows.h"

constexpr UINT kToneLevels = 256;

// The table of that Intensity, or null for a value that has none (then levels pass unchanged).
const BYTE* FindToneTable(SHORT intensity);
