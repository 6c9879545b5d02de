// output_confirm.cpp - the document events' handler that confirms the job's output method with the user.
#include "ui/docevent/output_confirm.h"
#include "win/winddiui.h"

INT DocEventOutputConfirm(HANDLE /*hPrinter*/, HDC /*hdc*/, INT /*iEsc*/, ULONG /*cbIn*/, PVOID /*pvIn*/,
                          ULONG /*cbOut*/, PVOID /*pvOut*/)
{
    // TODO: the stored-name comparison at STARTDOC and the confirmation at STARTDOCPOST (which may cancel the job
    // through CancelJobOutput) come with the output-method settings; until then every job prints as set, without
    // asking.
    return DOCUMENTEVENT_SUCCESS;
}
