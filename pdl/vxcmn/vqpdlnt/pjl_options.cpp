// pjl_options.cpp - the PJL option lines of the job header.
#include "pdl/vxcmn/vqpdlnt/pjl_options.h"

void SetOptionPJL(PDEV* /*pdev*/)
{
    // TODO: the 44 option handlers come with the job options; until then the header carries no option
    // line and the printer applies its own defaults.
}
