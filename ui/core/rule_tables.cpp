// rule_tables.cpp - the control-rule, option-rule and third rule tables. Row order is binding: a target's
// continuation rows follow it, the rows of several-row targets combine in table order, and the first row of a
// control is the one its queries answer from.
#include "ui/core/rule_tables.h"

#include "settings/paper/table_rows.h"
#include "ui/core/rule_callbacks.h"

#include <array>

constexpr auto kControlRules = std::to_array<CONTROL_RULE>({
//   target page source value mode kind      callback              level  active state
    // page 100: setup
    {  122,  100,  120,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  121,  100,  120,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    { 2024,  100,  122, 127, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  124,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  130,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  132,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  136,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  155,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  126,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  128,  100,  123,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  125,  100,  124,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  127,  100,  124,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  129,  100,  124,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  131,  100,  130,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  133,  100,  132,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  137,  100,  136,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  156,  100,  155,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  143,  100,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  139,  100,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  138,  100,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  141,  100,  139,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  100,  139,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  100,  139,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  140,  100,  139,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  100,  139,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  100,  139,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  145,  100,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 1 },
    // page 200: covers and inserts
    {  202,  200,  201,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  203,  200,  201,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  211,  200,  201,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  212,  200,  201,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  206,  200,  205,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  207,  200,  205,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  213,  200,  205,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  214,  200,  205,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  246,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  247,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  248,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  249,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  250,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  251,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  252,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  253,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  254,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  255,  200,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    { 2434, 2430,    0,   0, 0, kRuleCallback, InsertListButtonRule,  1, 0, 0, 0 },
    {  232,  200,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  233,  200,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  235,  200,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  240,  200,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  234,  200,  233,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  236,  200,  235,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  241,  200,  240,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    { 2802, 2800,  240,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  228,  200,    0,   0, 0, kRuleCallback, CoversUseManualTray,   0, 0, 0, 0 },
    {  229,  200,    0,   0, 0, kRuleCallback, CoversUseManualTray,   0, 0, 0, 0 },
    {  230,  200,    0,   0, 0, kRuleCallback, CoversUseManualTray,   0, 0, 0, 0 },
    {  231,  200,    0,   0, 0, kRuleCallback, CoversUseManualTray,   0, 0, 0, 0 },
    // page 300: finishing
    {  333,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  335,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  336,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  302,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  305,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  307,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  308,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  342,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  310,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  312,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  317,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  319,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  321,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  323,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  326,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  328,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  329,  300,  301,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  331,  300,  323,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  303,  300,  302,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  304,  300,  302,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  306,  300,  302,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  309,  300,  308,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  343,  300,  342,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  311,  300,  310,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  313,  300,  312,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  314,  300,  310,   1, 2, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  314,  300,  312,   1, 2, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  316,  300,  314,   1, 1, kRuleOr,     nullptr,               3, 0, 0, 0 },
    {  315,  300,  314,   1, 1, kRuleOr,     nullptr,               3, 0, 0, 0 },
    {  391,  300,  314,   1, 1, kRuleOr,     nullptr,               3, 0, 0, 0 },
    {  318,  300,  317,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  320,  300,  319,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  322,  300,  321,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  330,  300,  329,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  324,  300,  323,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  325,  300,  323,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  346,  300,  323,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  327,  300,  326,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  340,  300,  326,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  341,  300,  326,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  348,  300,  326,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    {  349,  300,  326,   1, 1, kRuleOr,     nullptr,               2, 0, 0, 0 },
    // page 400: form overlay
    {  401,  400,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  403,  400,    0,   0, 0, kRuleOr,     nullptr,               0, 0, 0, 0 },
    {  402,  400,    0,   0, 0, kRuleCallback, FormCreationRule,      0, 0, 1, 0 },
    {  412,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  412,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  410,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  410,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  409,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  409,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  417,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  417,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  411,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  411,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  406,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  406,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  407,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  407,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  407,  400,  402,   2, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  407,  400,  403,   3, 2, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  404,  400,  403,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  405,  400,  403,   3, 2, kRuleAnd,    nullptr,               1, 0, 0, 0 },
    {  405,  400,  611,   2, 2, kRuleAnd,    nullptr,               1, 0, 0, 0 },
    // page 500: watermark
    {  502,  500,  501,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  503,  500,  501,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  504,  500,  501,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  505,  500,  501,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  506,  500,  501,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  509,  500,  501,   1, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    // page 600: image; these controls count as active whatever their state
    {  604,  600,  611,   2, 1, kRuleOr,     nullptr,               1, 0, 1, 0 },
    {  620,  600,    0,   0, 0, kRuleCallback, DitherPatternRule,     1, 0, 1, 0 },
    {  605,  600,    0,   0, 0, kRuleCallback, DitherPatternRule,     1, 0, 1, 0 },
    {  606,  600,    0,   0, 0, kRuleCallback, DitherPatternRule,     1, 0, 1, 0 },
    {  607,  600,    0,   0, 0, kRuleCallback, DitherPatternRule,     1, 0, 1, 0 },
    {  638,  600,  637,   1, 1, kRuleOr,     nullptr,               1, 0, 1, 0 },
    {  639,  600,  637,   1, 1, kRuleOr,     nullptr,               1, 0, 1, 0 },
    // page 800: device options
    {  823,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  824,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  827,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  828,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  825,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  826,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  829,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  830,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  831,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {  832,  800,  804,   2, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   3, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    {    0,  800,  804,   4, 1, kRuleOr,     nullptr,               1, 0, 0, 0 },
    { kRuleTableEnd, 0, 0, 0, 0, 0, nullptr, 0, 0, 0, 0 },   // terminator
});
static_assert(kControlRules.size() == 158 && kControlRules.back().wTarget == kRuleTableEnd);

// The fold rows are five alternatives, three of them chains of two conditions.
constexpr auto kOptionRules = std::to_array<OPTION_RULE>({
//  feature - flag - unit value chain - result
    {  317, 0, 1, 0, 804, 2, 1, 0, 0 },
    {    0, 0, 1, 0, 830, 3, 2, 0, 0 },
    {    0, 0, 1, 0, 804, 3, 1, 0, 0 },
    {    0, 0, 1, 0, 830, 3, 2, 0, 0 },
    {    0, 0, 1, 0, 804, 4, 0, 0, 0 },
    {    0, 0, 1, 0, 804, 2, 1, 0, 0 },
    {    0, 0, 1, 0, 832, 2, 2, 0, 0 },
    {    0, 0, 1, 0, 804, 3, 1, 0, 0 },
    {    0, 0, 1, 0, 832, 2, 2, 0, 0 },
    {  318, 0, 1, 0, 804, 2, 1, 0, 0 },
    {    0, 0, 1, 0, 830, 3, 2, 0, 0 },
    {    0, 0, 1, 0, 804, 3, 1, 0, 0 },
    {    0, 0, 1, 0, 830, 3, 2, 0, 0 },
    {    0, 0, 1, 0, 804, 4, 0, 0, 0 },
    {    0, 0, 1, 0, 804, 2, 1, 0, 0 },
    {    0, 0, 1, 0, 832, 2, 2, 0, 0 },
    {    0, 0, 1, 0, 804, 3, 1, 0, 0 },
    {    0, 0, 1, 0, 832, 2, 2, 0, 0 },
    {  130, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    {  131, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    {  319, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    {  320, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    {  136, 0, 0, 0, 828, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 830, 3, 0, 0, 0 },
    {  137, 0, 0, 0, 828, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 830, 3, 0, 0, 0 },
    {  321, 0, 0, 0, 828, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 830, 3, 0, 0, 0 },
    {  322, 0, 0, 0, 828, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 830, 3, 0, 0, 0 },
    {  232, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  233, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  234, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  235, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  236, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  240, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  241, 0, 0, 0, 824, 2, 0, 0, 0 },
    { 2802, 0, 0, 0, 824, 2, 0, 0, 0 },
    {  143, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 5, 0, 0, 0 },
    {  139, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    {  138, 0, 0, 0, 804, 2, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 3, 0, 0, 0 },
    {    0, 0, 0, 0, 804, 4, 0, 0, 0 },
    { kRuleTableEnd, 0, 0, 0, 0, 0, 0, 0, 0 },   // terminator
});
static_assert(kOptionRules.size() == 57 && kOptionRules.back().wFeature == kRuleTableEnd);

// No rows in this build; it is evaluated all the same.
constexpr auto kThirdRules = std::to_array<THIRD_RULE>({
    { kRuleTableEnd, 0, 0, 0, 0 },   // terminator
});

constinit static std::array<CONTROL_RULE, kControlRules.size()> g_controlRules = kControlRules;
constinit static std::array<OPTION_RULE, kOptionRules.size()> g_optionRules = kOptionRules;
constinit static std::array<THIRD_RULE, kThirdRules.size()> g_thirdRules = kThirdRules;

CONTROL_RULE* GetControlRuleRows()
{
    return g_controlRules.data();
}

OPTION_RULE* GetOptionRuleRows()
{
    return g_optionRules.data();
}

THIRD_RULE* GetThirdRuleRows()
{
    return g_thirdRules.data();
}

WORD CountControlRuleRows()
{
    return static_cast<WORD>(
        CountTableRows(g_controlRules.data(), [](const CONTROL_RULE& row) { return row.wTarget == kRuleTableEnd; }));
}

WORD CountOptionRuleRows()
{
    return static_cast<WORD>(
        CountTableRows(g_optionRules.data(), [](const OPTION_RULE& row) { return row.wFeature == kRuleTableEnd; }));
}

WORD CountThirdRuleRows()
{
    return static_cast<WORD>(
        CountTableRows(g_thirdRules.data(), [](const THIRD_RULE& row) { return row.wControl == kRuleTableEnd; }));
}
