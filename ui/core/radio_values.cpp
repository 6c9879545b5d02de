// radio_values.cpp - the radio value table. The transparency-interleaving radios 2021 and 2022 store 0 and 1,
// the only values their list offers: any other value would be written back into the devmode out of range.
#include "ui/core/radio_values.h"

#include "settings/paper/table_rows.h"

#include <iterator>

static constexpr RADIO_VALUE_ENTRY kRadioValues[] = {
//   control value
    {  106,    1 },   // portrait
    {  107,    2 },   // landscape
    {  202,    2 },
    {  203,    3 },
    {  206,    2 },
    {  207,    3 },
    {  603,    0 },   // dither pattern
    {  604,    1 },
    { 2831,    1 },
    {  845,    3 },
    {  605,    2 },
    {  606,    3 },
    {  607,    4 },
    {  611,    2 },
    {  612,    1 },
    {  401,    1 },
    {  402,    2 },
    {  403,    3 },
    { 2832,    2 },
    {  504,    1 },
    {  505,    2 },
    {  638,    1 },
    {  639,    2 },
    {  324,    1 },
    {  325,    2 },
    {  340,    1 },
    {  341,    2 },
    {  163,    1 },
    { 2301,    1 },
    { 2302,    2 },
    { 2021,    0 },   // lpOhpIntlvType offers 0 and 1 only
    { 2022,    1 },
    { 2792,    2 },
    { 2793,    3 },
    { 2794,    4 },
    {  844,    1 },
    {  164,    2 },
    {    0,    0 },   // terminator
};
static_assert(std::size(kRadioValues) == 38 && kRadioValues[std::size(kRadioValues) - 1].wControl == 0);

const RADIO_VALUE_ENTRY* GetRadioValueRows()
{
    return kRadioValues;
}

WORD CountRadioValueRows()
{
    return static_cast<WORD>(CountTableRows(kRadioValues, [](const RADIO_VALUE_ENTRY& row) { return row.wControl == 0; }));
}
