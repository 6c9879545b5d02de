// font_substitution_list.cpp - the job's font-substitution list.
#include "ui/core/font_substitution_list.h"

DWORD LoadFontSubstitutionList(DRIVER_DEVMODE* /*pdm*/)
{
    // TODO: the list comes from the settings store's "FontSubTbl" table, with the sheet working state. Until
    // then no job has a list, and the graphics module prints every TrueType face as it is.
    return 0;
}
