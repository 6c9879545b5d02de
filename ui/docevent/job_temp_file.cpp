// job_temp_file.cpp - the document events' handler of a job's temporary files.
#include "ui/docevent/job_temp_file.h"
#include "win/winddiui.h"

INT DocEventJobTempFile(HANDLE /*hPrinter*/, HDC /*hdc*/, INT /*iEsc*/, ULONG /*cbIn*/, PVOID /*pvIn*/,
                        ULONG /*cbOut*/, PVOID /*pvOut*/)
{
    // TODO: the per-job capture file (created at STARTDOCPOST, deleted at ENDDOCPOST) and the deletion of every
    // recorded temporary file at ABORTDOC come with the temporary-file record; until then a job leaves no file of
    // its own behind, so there is nothing to delete.
    return DOCUMENTEVENT_SUCCESS;
}
