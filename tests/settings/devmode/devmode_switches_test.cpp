// devmode_switches_test.cpp - when the devmode's finishing switches count as on.
#include "settings/devmode/devmode_switches.h"

#include <gtest/gtest.h>

namespace {

struct DuplexCase {
    BYTE layoutPath;   // Layout_Check2
    BYTE duplex;       // Duplex_Check
    BYTE podPath;      // POD_Check
    BYTE podDuplex;    // POD_Duplex_Check
    bool on;
};

TEST(DevmodeSwitches, DuplexIsOnOnlyThroughAPathWhoseSwitchAndCheckAreBothOne)
{
    const DuplexCase cases[] = {
        {0, 0, 0, 0, false},
        {1, 1, 0, 0, true},    // the layout path
        {0, 0, 1, 1, true},    // the print-on-demand path
        {1, 0, 0, 1, false},   // switch and check of different paths
        {0, 1, 1, 0, false},
        {1, 0, 1, 1, true},
        // A byte of a foreign devmode that is neither 0 nor 1 switches nothing on.
        {1, 2, 0, 0, false},
        {2, 1, 0, 0, false},
        {0, 0, 1, 0xFF, false},
        {0, 0, 0xFF, 1, false},
    };
    for (const DuplexCase& c : cases) {
        DEVMODE_ENV_EXTRA env = {};
        env.Layout_Check2 = c.layoutPath;
        env.Duplex_Check = c.duplex;
        env.POD_Check = c.podPath;
        env.POD_Duplex_Check = c.podDuplex;
        EXPECT_EQ(IsDuplexOn(env), c.on) << int(c.layoutPath) << " " << int(c.duplex) << " " << int(c.podPath)
                                         << " " << int(c.podDuplex);
    }
}

} // namespace
