// tray_name_table.cpp - the tray name table and its lookup.
#include "pdl/vxcmn/vqpdlnt/tray_name_table.h"

#include <iterator>

constexpr TRAY_NAME_ENTRY kTrayNames[] = {
//    id    PJL name    letter  PCL  PCL XL
    {   7, u"AUTO",   u"A",     7,    7 },
    {   1, u"TRAY1",  u"1",   251,  251 },
    {   2, u"TRAY2",  u"2",   252,  252 },
    { 258, u"TRAY3",  u"3",   253,  253 },
    { 259, u"TRAY4",  u"4",   254,  254 },
    { 260, u"TRAY5",  u"5",   255,  255 },
    { 261, u"TRAY6",  u"6",   256,  256 },
    {   4, u"MANUAL", u"M",     2,    2 },
    {   0, u"",       u"",      0,    0 },   // terminator
};
static_assert(kTrayNames[std::size(kTrayNames) - 1].trayId == 0, "terminator must be last");
static_assert(std::size(kTrayNames) == 8 + 1, "eight trays");

const TRAY_NAME_ENTRY* FindTrayName(SHORT trayId)
{
    for (const TRAY_NAME_ENTRY* row = kTrayNames; row->trayId != 0; ++row)
        if (row->trayId == trayId)
            return row;
    return nullptr;
}
