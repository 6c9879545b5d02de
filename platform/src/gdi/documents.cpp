// documents.cpp - StartDocW, StartPage, EndPage, EndDoc and AbortDoc on printer device contexts: the spooler's
// job, the driver's document and page hooks, and the interface module's document events around them. A
// document event that answers DOCUMENTEVENT_FAILURE before a call fails that call; the answers after a call
// (the ...POST events) and to ABORTDOC change nothing.
#include "gdi/printer_dc.h"
#include "win/winspool.h"

namespace platform {
namespace {

// No page has more bands than this; a driver that never ends its page fails it.
constexpr unsigned kMaxBands = 1u << 20;

// A band's origin is a point of the page; anything else from a driver fails the page rather than moving the
// drawing out of the range its coordinates are kept in.
bool IsBandOrigin(const POINTL& origin)
{
    return origin.x >= 0 && origin.y >= 0 && origin.x < kDeviceLimit && origin.y < kDeviceLimit;
}

// A banded page ends in bands: the driver answers the first band's origin, GDI draws the page's journal into
// the band, and the driver answers the next band's origin, until it answers (-1, -1). False when the driver
// failed the banding; drawn turns false when a drawing failed in a band.
bool CallBands(PrinterDc& dc, bool& drawn)
{
    SURFOBJ* pso = &dc.surface->so;
    POINTL origin = {0, 0};
    const auto startBanding = Hook<PFN_DrvStartBanding>(dc, INDEX_DrvStartBanding);
    const auto nextBand = Hook<PFN_DrvNextBand>(dc, INDEX_DrvNextBand);
    if (startBanding == nullptr || nextBand == nullptr)
        return false;
    RecordCall(dc, "DrvStartBanding");
    if (!startBanding(pso, &origin))
        return false;
    for (unsigned band = 0; band < kMaxBands; ++band) {
        if (!IsBandOrigin(origin))
            return false;
        drawn = PlayJournal(dc, origin) && drawn;
        RecordCall(dc, "DrvNextBand");
        if (!nextBand(pso, &origin))
            return false;
        if (origin.x == -1)
            return true;
    }
    return false;
}

bool HasSurface(const std::shared_ptr<PrinterDc>& dc)
{
    if (dc != nullptr && dc->surface != nullptr)
        return true;
    SetLastError(dc == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return false;
}

// The device context of a page call, when it is in the state the call needs and the interface module lets
// the call go on (its event does not answer DOCUMENTEVENT_FAILURE); null otherwise, with the last error set.
std::shared_ptr<PrinterDc> PageCallDc(HDC hdc, DocState needed, int event)
{
    const auto dc = FindPrinterDc(hdc);
    if (!HasSurface(dc))
        return nullptr;
    if (dc->state != needed) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (SendDocumentEvent(*dc, hdc, event, 0, nullptr, 0, nullptr) == DOCUMENTEVENT_FAILURE) {
        SetLastError(ERROR_CANCELLED);
        return nullptr;
    }
    return dc;
}

} // namespace

bool FinishPage(PrinterDc& dc)
{
    dc.state = DocState::Document;
    bool drawn = true;
    const bool banded = !dc.surface->banding || CallBands(dc, drawn);
    dc.journal.clear();
    if (!banded)
        return false;
    RecordCall(dc, "DrvSendPage");
    const auto sendPage = Hook<PFN_DrvSendPage>(dc, INDEX_DrvSendPage);
    const bool sent = sendPage == nullptr || sendPage(&dc.surface->so);
    return sent && drawn;
}

void AbortDocument(PrinterDc& dc)
{
    SendDocumentEvent(dc, dc.hdc, DOCUMENTEVENT_ABORTDOC, 0, nullptr, 0, nullptr);
    if (const auto endDoc = Hook<PFN_DrvEndDoc>(dc, INDEX_DrvEndDoc); endDoc != nullptr && dc.surface != nullptr) {
        RecordCall(dc, "DrvEndDoc");
        endDoc(&dc.surface->so, ED_ABORTDOC);
    }
    AbortPrinter(dc.hPrinter);
    dc.state = DocState::None;
    dc.jobId = 0;
    dc.journal.clear();
}

} // namespace platform

using platform::DocState;

int WINAPI StartDocW(HDC hdc, const DOCINFOW* lpdi)
{
    const auto dc = platform::FindPrinterDc(hdc);
    if (!platform::HasSurface(dc))
        return SP_ERROR;
    if (lpdi == nullptr || dc->state != DocState::None) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    const DOCINFOW* docInfo = lpdi;
    if (platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_STARTDOC, sizeof docInfo, &docInfo, 0, nullptr) ==
        DOCUMENTEVENT_FAILURE) {
        SetLastError(ERROR_CANCELLED);
        return SP_ERROR;
    }
    std::u16string name(lpdi->lpszDocName != nullptr ? lpdi->lpszDocName : u"");
    std::u16string output(lpdi->lpszOutput != nullptr ? lpdi->lpszOutput : u"");
    std::u16string datatype(lpdi->lpszDatatype != nullptr ? lpdi->lpszDatatype : u"");
    DOC_INFO_1W job = {name.data(), output.empty() ? nullptr : output.data(),
                       datatype.empty() ? nullptr : datatype.data()};
    const DWORD jobId = StartDocPrinterW(dc->hPrinter, 1, reinterpret_cast<LPBYTE>(&job));
    if (jobId == 0)
        return SP_ERROR;   // the spooler's last error stands
    platform::RecordCall(*dc, "DrvStartDoc");
    const auto startDoc = platform::Hook<PFN_DrvStartDoc>(*dc, INDEX_DrvStartDoc);
    if (startDoc != nullptr && !startDoc(&dc->surface->so, lpdi->lpszDocName != nullptr ? name.data() : nullptr,
                                         jobId)) {
        AbortPrinter(dc->hPrinter);   // the job the driver would not start is not left in the spooler
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    dc->state = DocState::Document;
    dc->jobId = jobId;
    LONG postJobId = static_cast<LONG>(jobId);
    platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_STARTDOCPOST, sizeof postJobId, &postJobId, 0, nullptr);
    return static_cast<int>(jobId);
}

int WINAPI StartPage(HDC hdc)
{
    const auto dc = platform::PageCallDc(hdc, DocState::Document, DOCUMENTEVENT_STARTPAGE);
    if (dc == nullptr)
        return SP_ERROR;
    dc->journal.clear();
    platform::RecordCall(*dc, "DrvStartPage");
    const auto startPage = platform::Hook<PFN_DrvStartPage>(*dc, INDEX_DrvStartPage);
    if (startPage != nullptr && !startPage(&dc->surface->so)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    dc->state = DocState::Page;
    return 1;
}

int WINAPI EndPage(HDC hdc)
{
    const auto dc = platform::PageCallDc(hdc, DocState::Page, DOCUMENTEVENT_ENDPAGE);
    if (dc == nullptr)
        return SP_ERROR;
    if (!platform::FinishPage(*dc)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    return 1;
}

int WINAPI EndDoc(HDC hdc)
{
    const auto dc = platform::FindPrinterDc(hdc);
    if (!platform::HasSurface(dc))
        return SP_ERROR;
    if (dc->state == DocState::None) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    // A page left open is ended first, so what was drawn on it is not lost.
    if (dc->state == DocState::Page && EndPage(hdc) == SP_ERROR)
        return SP_ERROR;
    if (platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_ENDDOC, 0, nullptr, 0, nullptr) ==
        DOCUMENTEVENT_FAILURE) {
        SetLastError(ERROR_CANCELLED);
        return SP_ERROR;
    }
    bool ended = true;
    platform::RecordCall(*dc, "DrvEndDoc");
    if (const auto endDoc = platform::Hook<PFN_DrvEndDoc>(*dc, INDEX_DrvEndDoc))
        ended = endDoc(&dc->surface->so, 0) != FALSE;
    DWORD error = ERROR_SUCCESS;
    if (ended) {
        ended = EndDocPrinter(dc->hPrinter) != FALSE;
    } else {
        // A driver that could not end the document has not written all of it: the spooler job is deleted
        // rather than printed cut, and the driver's reason is the caller's.
        error = GetLastError();
        AbortPrinter(dc->hPrinter);
    }
    if (!ended && error == ERROR_SUCCESS)
        error = GetLastError();
    dc->state = DocState::None;
    dc->jobId = 0;
    platform::SendDocumentEvent(*dc, hdc, DOCUMENTEVENT_ENDDOCPOST, 0, nullptr, 0, nullptr);
    if (ended)
        return 1;
    SetLastError(error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT);
    return SP_ERROR;
}

int WINAPI AbortDoc(HDC hdc)
{
    const auto dc = platform::FindPrinterDc(hdc);
    if (!platform::HasSurface(dc))
        return SP_ERROR;
    if (dc->state == DocState::None) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return SP_ERROR;
    }
    platform::AbortDocument(*dc);
    return 1;
}
