// form_check.cpp - the document events' handler that checks a job's form overlay before it starts.
#include "ui/docevent/form_check.h"
#include "win/winddiui.h"

INT DocEventFormCheck(HANDLE /*hPrinter*/, HDC /*hdc*/, INT /*iEsc*/, ULONG /*cbIn*/, PVOID /*pvIn*/,
                      ULONG /*cbOut*/, PVOID /*pvOut*/)
{
    // TODO: the check of the form-overlay file against the job's printer language at STARTDOC (which may cancel
    // the job through CancelJobOutput) comes with the form-overlay files; until then a job prints its form overlay
    // unchecked.
    return DOCUMENTEVENT_SUCCESS;
}
