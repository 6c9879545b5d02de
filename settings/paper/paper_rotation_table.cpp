// paper_rotation_table.cpp - the pairs of a rotated paper id and its plain twin, and their lookup.
#include "settings/paper/paper_rotation_table.h"

#include <iterator>

constexpr PAPER_ROTATION_PAIR kRotationPairs[] = {
//    rotated  plain
    { 2057,     9},
    { 2061,    13},
    { 2049,     1},
    { 6153,  4105},
    { 6157,  4109},
    { 6145,  4097},
    {10249,  8201},
    {10253,  8205},
    {10241,  8193},
    {14345, 12297},
    {14349, 12301},
    {14337, 12289},
    { 2059,    11},
    { 2054,     6},
    { 6155,  4107},
    { 6150,  4102},
    {10251,  8203},
    {10246,  8198},
    {14347, 12299},
    {14342, 12294},
    { 2310,   262},
    { 6406,  4358},
    {10502,  8454},
    {14598, 12550},
    {    0,     0},   // terminator
};
static_assert(std::size(kRotationPairs) == 25, "24 pairs and the terminator");
static_assert(kRotationPairs[std::size(kRotationPairs) - 1].rotatedId == 0, "terminator must be last");

const PAPER_ROTATION_PAIR* FindRotationPair(SHORT paperId, RotationColumn column)
{
    if (paperId == 0)
        return nullptr;
    for (const PAPER_ROTATION_PAIR* pair = kRotationPairs; pair->rotatedId != 0; ++pair) {
        const SHORT id = column == RotationColumn::Rotated ? pair->rotatedId : pair->plainId;
        if (id == paperId)
            return pair;
    }
    return nullptr;
}
