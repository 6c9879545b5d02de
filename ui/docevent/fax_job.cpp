// fax_job.cpp - the fax job path of the document events, and the end of every job.
#include "ui/docevent/fax_job.h"
#include "settings/base/private_escape_codes.h"
#include "ui/docevent/document_event.h"
#include "ui/docevent/private_escape.h"
#include "win/winddiui.h"

INT DocEventFaxJob(HANDLE /*hPrinter*/, HDC hdc, INT iEsc, ULONG /*cbIn*/, PVOID /*pvIn*/, ULONG /*cbOut*/,
                   PVOID /*pvOut*/)
{
    // TODO: the fax job path (names at STARTDOC, the phone book and transmissions before the first page, the
    // temporary files at ENDDOCPOST and ABORTDOC) comes with the fax job events; until then no job is sent
    // as a fax.
    if (DocumentEventCode(iEsc) == DOCUMENTEVENT_ENDDOC &&
        !SendPrivateEscape(hdc, ESC_END_OF_JOB, 0, nullptr, 0, nullptr))
        return kDocEventRefused;
    return DOCUMENTEVENT_SUCCESS;
}
