#pragma once
// tangent_table.h - the tangents the printer's baseline angles are read against: a text's direction goes out
// in tenths of a degree, the nearest tenth whose tangent this table holds.

#include "win/windef.h"

constexpr UINT kTangentCount = 900;   // 0.0 to 89.9 degrees

// The index (tenths of a degree, 0 to 899) of the entry nearest the tangent; a tangent beyond the last entry
// gives the last.
UINT NearestTangentIndex(float tangent);
