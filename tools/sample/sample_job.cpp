// sample_job.cpp - printing the sample document through the platform, as an application does.
#include "tools/sample/sample_job.h"
#include "host/printers.h"
#include "settings/devmode/driver_devmode.h"
#include "settings/devmode/layout_table.h"
#include "settings/pagelist/page_slots.h"
#include "tools/sample/sample_pages.h"

#include <cstring>
#include <iterator>

namespace {

// The layout that puts that many pages on a sheet; null for a count no choice offers.
const LAYOUT_ROW* FindPagesPerSheet(int pages)
{
    return pages > 0 ? FindLayoutChoice(static_cast<DWORD>(pages)) : nullptr;
}

// Closes the printer handle on every way out.
class PrinterGuard {
public:
    explicit PrinterGuard(HANDLE hPrinter) : m_hPrinter(hPrinter) {}
    ~PrinterGuard()
    {
        if (m_hPrinter != nullptr)
            ClosePrinter(m_hPrinter);
    }
    PrinterGuard(const PrinterGuard&) = delete;
    PrinterGuard& operator=(const PrinterGuard&) = delete;

private:
    HANDLE m_hPrinter;
};

void SetPublicFields(DEVMODEW& dm, const SampleJobOptions& options)
{
    if (options.paper != 0) {
        dm.dmPaperSize = options.paper;
        dm.dmFields |= DM_PAPERSIZE;
        dm.dmFields &= ~static_cast<DWORD>(DM_PAPERLENGTH | DM_PAPERWIDTH);   // the paper's own size
    }
    if (options.orientation != 0) {
        dm.dmOrientation = options.orientation;
        dm.dmFields |= DM_ORIENTATION;
    }
    if (options.copies != 0) {
        dm.dmCopies = options.copies;
        dm.dmFields |= DM_COPIES;
    }
    if (options.duplex != 0) {
        dm.dmDuplex = options.duplex;
        dm.dmFields |= DM_DUPLEX;
    }
}

// The finishing of the options in the driver's own part. Chapters and the binding margin belong to a two-sided
// job of the finishing page, covers and inserts to the paper trays for inserts.
void SetFinishing(DRIVER_DEVMODE& dm, const SampleFinishing& finishing)
{
    DEVMODE_ENV_EXTRA& env = dm.dmPrivate.env;
    PAGE_SLOT_RECORD* pSlots = GetPageSlotRecord(&env);
    if (finishing.frontCoverTray != 0) {
        env.FrontCoverSheet_Check = 1;
        env.lpFrontPITray = finishing.frontCoverTray;
    }
    if (finishing.backCoverTray != 0) {
        env.BackCoverSheet_Check = 1;
        env.lpBackPITray = finishing.backCoverTray;
    }
    if (!finishing.coverInserts.empty()) {
        std::vector<WORD> pages = finishing.coverInserts;
        env.InsertCoverSheet_Check = 1;
        env.lpInsertPITray = finishing.insertTray;
        SetPageSlot(pSlots, static_cast<SHORT>(pages.size()), kInsertPageSlot, pages.data());
    }
    if (!finishing.chapters.empty() || finishing.bindingMargin != 0 || finishing.imageShift) {
        env.POD_Check = 1;
        env.POD_Duplex_Check = dm.dmPublic.dmDuplex == DMDUP_VERTICAL || dm.dmPublic.dmDuplex == DMDUP_HORIZONTAL;
    }
    if (!finishing.chapters.empty()) {
        std::vector<WORD> pages = finishing.chapters;
        env.Chapter_Check = 1;
        SetPageSlot(pSlots, static_cast<SHORT>(pages.size()), kChapterPageSlot, pages.data());
    }
    if (finishing.bindingMargin != 0) {
        env.POD_BindMargin_Check = 1;
        env.lpBindMargin = finishing.bindingMargin;
        env.fMargin = finishing.marginFront;
        env.bMargin = finishing.marginBack;
    }
    if (finishing.imageShift)
        env.ImageShift_Check = 1;
}

std::string Failed(const char* call)
{
    return std::string(call) + " failed (error " + std::to_string(GetLastError()) + ")";
}

} // namespace

bool IsPagesPerSheetChoice(int pagesPerSheet)
{
    return FindPagesPerSheet(pagesPerSheet) != nullptr;
}

std::vector<BYTE> SampleJobDevmode(const std::u16string& printerName, const SampleJobOptions& options)
{
    const LAYOUT_ROW* layout = FindPagesPerSheet(options.pagesPerSheet);
    if (layout == nullptr)
        return {};
    std::u16string name = printerName;
    HANDLE hPrinter = nullptr;
    if (!OpenPrinterW(name.data(), &hPrinter, nullptr))
        return {};
    PrinterGuard guard(hPrinter);
    const LONG cb = DocumentPropertiesW(nullptr, hPrinter, name.data(), nullptr, nullptr, 0);
    if (cb < static_cast<LONG>(sizeof(DEVMODEW)))
        return {};
    std::vector<BYTE> wanted(static_cast<size_t>(cb));
    auto* pdm = reinterpret_cast<DEVMODEW*>(wanted.data());
    if (DocumentPropertiesW(nullptr, hPrinter, name.data(), pdm, nullptr, DM_OUT_BUFFER) < 0)
        return {};
    SetPublicFields(*pdm, options);
    // The pages per sheet live in the driver's part, which only the driver's own devmode has.
    if (pdm->dmSize == sizeof(DEVMODEW) && pdm->dmDriverExtra == sizeof(PRIVATE_DEVMODE) &&
        wanted.size() >= sizeof(DRIVER_DEVMODE)) {
        auto* pDriver = reinterpret_cast<DRIVER_DEVMODE*>(wanted.data());
        pDriver->dmPrivate.Layout_Check = layout->lpLayout != kLayoutSinglePage ? 1 : 0;
        pDriver->dmPrivate.lpLayout = layout->lpLayout;
        SetFinishing(*pDriver, options.finishing);
    } else if (layout->cPages != 1) {
        return {};
    }
    std::vector<BYTE> settled(wanted.size());
    if (DocumentPropertiesW(nullptr, hPrinter, name.data(), reinterpret_cast<DEVMODEW*>(settled.data()), pdm,
                            DM_IN_BUFFER | DM_OUT_BUFFER) < 0)
        return {};
    return settled;
}

SampleJob PrintSampleDocument(const std::u16string& printerName, const std::vector<BYTE>& devmode, int pageCount,
                              const std::u16string& documentName)
{
    SampleJob job;
    const auto* pdm = devmode.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(devmode.data());
    HDC hdc = CreateDCW(nullptr, printerName.c_str(), nullptr, pdm);
    if (hdc == nullptr) {
        job.failure = Failed("CreateDCW");
        return job;
    }
    DOCINFOW di = {sizeof di, documentName.c_str(), nullptr, nullptr, 0};
    const int jobId = StartDocW(hdc, &di);
    bool printed = jobId > 0;
    bool drawn = true;
    if (!printed)
        job.failure = Failed("StartDocW");
    for (int page = 1; printed && page <= pageCount; ++page) {
        if (StartPage(hdc) <= 0) {
            job.failure = Failed("StartPage");
            printed = false;
            break;
        }
        drawn = DrawSamplePage(hdc, page, pageCount) && drawn;
        if (EndPage(hdc) <= 0) {
            job.failure = Failed("EndPage");
            printed = false;
        }
    }
    // The interface module's document events end the job (its closing UEL) at EndDoc.
    if (printed && EndDoc(hdc) <= 0) {
        job.failure = Failed("EndDoc");
        printed = false;
    } else if (!printed && jobId > 0) {
        AbortDoc(hdc);
    }
    DeleteDC(hdc);
    // The spooler lists a printer's job files oldest first: this job's is the last.
    const auto files = host::JobFiles(printerName);
    if (printed && !files.empty())
        job.jobFile = files.back();
    job.printed = printed;
    job.drawn = printed && drawn;
    if (printed && !drawn)
        job.failure = "a drawing call failed";
    return job;
}
