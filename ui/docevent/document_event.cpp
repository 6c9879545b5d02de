// document_event.cpp - the document-event dispatcher: the handlers run in a fixed order for every event, and
// the first that does not answer DOCUMENTEVENT_SUCCESS ends the event with its answer.
#include "ui/docevent/document_event.h"
#include "settings/base/global_memory.h"
#include "settings/registry/driver_version.h"
#include "settings/devmode/job_settings_record.h"
#include "settings/base/private_escape_codes.h"
#include "settings/strings/res_strings.h"
#include "ui/docevent/book_mode.h"
#include "ui/docevent/fax_job.h"
#include "ui/docevent/form_check.h"
#include "ui/docevent/insert_sheets.h"
#include "ui/docevent/job_info.h"
#include "ui/docevent/job_temp_file.h"
#include "ui/docevent/output_confirm.h"
#include "ui/docevent/page_overlays.h"
#include "ui/docevent/private_escape.h"

#include <iterator>

namespace {

typedef INT (*DOCEVENT_HANDLER)(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut,
                                PVOID pvOut);

// The order is binding: the job is named and uncancelled before anything else reaches the graphics module,
// and the form check sees the output method already confirmed.
constexpr DOCEVENT_HANDLER kHandlers[] = {
    DocEventJobInfo,
    DocEventBookMode,
    DocEventFaxJob,
    DocEventJobTempFile,
    DocEventInsertSheets,
    DocEventOutputConfirm,
    DocEventFormCheck,
    nullptr,   // terminator
};
static_assert(kHandlers[std::size(kHandlers) - 1] == nullptr, "terminator must be last");

// The user's stored settings of the printer are reset when another driver version wrote them, judged by the
// settings the job prints with. The record is a copy: nothing of it goes back. FALSE when the graphics module
// does not hand those out (a device context of another driver) or memory is short.
BOOL CheckJobSettingsVersion(HDC hdc)
{
    LockedBlock record(kJobSettingsRecordSize);
    if (!record || !SendPrivateEscape(hdc, ESC_GET_JOB_SETTINGS, 0, nullptr, kEscJobSettingsOut, record.get()))
        return FALSE;
    CheckDriverVersion(GetJobDevmodePrivate(record.as<BYTE>()));
    return TRUE;
}

} // namespace

INT DrvDocumentEventImpl(HANDLE hPrinter, HDC hdc, INT iEsc, ULONG cbIn, PVOID pvIn, ULONG cbOut, PVOID pvOut)
{
    for (const DOCEVENT_HANDLER* handler = kHandlers; *handler != nullptr; ++handler) {
        const INT result = (*handler)(hPrinter, hdc, iEsc, cbIn, pvIn, cbOut, pvOut);
        if (result != DOCUMENTEVENT_SUCCESS)
            return result;
    }
    const bool startDoc = DocumentEventCode(iEsc) == DOCUMENTEVENT_STARTDOC;
    // The resource strings stay loaded for the rest of the chain at the job's start.
    if (startDoc) {
        InitResStrings();
        if (!CheckJobSettingsVersion(hdc)) {
            TermResStrings();
            return DOCUMENTEVENT_FAILURE;
        }
    }
    const INT result = DocEventPageOverlays(hPrinter, hdc, iEsc, cbIn, pvIn, cbOut, pvOut);
    if (startDoc)
        TermResStrings();
    return result;
}
