#pragma once
// rect_compare.h - RECTL compared and printed by gtest's assertions.

#include "win/windef.h"

#include <ostream>

inline bool operator==(const RECTL& a, const RECTL& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& out, const RECTL& r)
{
    return out << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
