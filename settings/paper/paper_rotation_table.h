#pragma once
// paper_rotation_table.h - the pairs of a rotated paper id and its plain twin.

#include "win/windows.h"

struct PAPER_ROTATION_PAIR {    // 4 bytes
    SHORT rotatedId;            // 0x00  0 ends the table
    SHORT plainId;              // 0x02
};
static_assert(sizeof(PAPER_ROTATION_PAIR) == 4);
static_assert(offsetof(PAPER_ROTATION_PAIR, plainId) == 2);

enum class RotationColumn {
    Rotated,   // look the id up among the rotated ids
    Plain,     // look the id up among the plain ids
};

// The first pair that holds the id in that column, or null.
const PAPER_ROTATION_PAIR* FindRotationPair(SHORT paperId, RotationColumn column);
