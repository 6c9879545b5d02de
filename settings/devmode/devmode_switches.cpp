// devmode_switches.cpp - the finishing switches both modules read from the devmode.
#include "settings/devmode/devmode_switches.h"

bool IsDuplexOn(const DEVMODE_ENV_EXTRA& env)
{
    return (env.Layout_Check2 == 1 && env.Duplex_Check == 1) || (env.POD_Check == 1 && env.POD_Duplex_Check == 1);
}
