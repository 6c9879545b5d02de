#pragma once
// pdev_fixture.h - PDEVs of the graphics module enabled directly through its workers on "QN-804C", with a
// surface record for the drawing and page workers and a spooler job their bytes go to.

#include "customnt/vqddigfx/enable_pdev.h"
#include "customnt/vqddigfx/page_dispatch.h"
#include "pdl/vxcmn/vqpdlnt/job_control.h"
#include "customnt/vqddigfx/surfaces.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/devmode_validate.h"
#include "settings/strings/res_library.h"
#include "support/printer_fixture.h"
#include "win/winspool.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// What the default devmode's page begins with: its setup (origin, A4 portrait from tray A, one-sided), the
// halftone, the default colours and the whole page as the clip, at 600 dpi.
constexpr char kDefaultPageSetup[] = "org %4.06 %4.06;\npps A4 P;\nppt A;\nppd N;\nhtn D 33;\nbrc 0 #00;\n"
                                     "brc 1 #FFFFFF;\nbrc 10 #00;\ncpc 0 0 0 4768 6822;\ncps 0;\n";

// A packed field read by value: gtest's assertions take references, which a packed field cannot give.
template <typename T>
constexpr T Copy(T value)
{
    return value;
}

class PdevTest : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        if (m_pdev != nullptr)
            DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        if (m_jobOpen)
            EndDocPrinter(m_hPrinter);
        PrinterWorldTest::TearDown();
    }

    // The driver's default devmode for the printer, validated as DrvEnablePDEV validates it.
    DRIVER_DEVMODE DefaultDevmode()
    {
        DRIVER_DEVMODE dm = {};
        RES_MODULE_CELL* pCell = OpenResModule();
        BuildDefaultDevmodeGfx(pCell, &dm, kPrinterName);
        ValidateDevmode(pCell, &dm, m_hPrinter);
        CloseResModule(pCell);
        return dm;
    }

    // A PDEV from the devmode through DrvEnablePDEV's worker, with GDIINFO and DEVINFO; null when refused.
    PDEV* Enable(const DRIVER_DEVMODE& dm, ULONG cjCaps = sizeof(GDIINFO))
    {
        DRIVER_DEVMODE copy = dm;
        m_gdiInfo = {};
        m_devInfo = {};
        m_pdev = reinterpret_cast<PDEV*>(EnablePDEVImpl(&copy.dmPublic, nullptr, 0, nullptr, cjCaps,
                                                        reinterpret_cast<ULONG*>(&m_gdiInfo), sizeof m_devInfo,
                                                        &m_devInfo, nullptr, const_cast<LPWSTR>(kPrinterName),
                                                        m_hPrinter));
        m_surface = {};
        m_surface.dhpdev = reinterpret_cast<DHPDEV>(m_pdev);
        m_surface.iType = STYPE_DEVICE;
        return m_pdev;
    }

    // A spooler job for the PDEV's bytes, as StartDocW opens one before DrvStartDoc.
    void StartJob()
    {
        DOC_INFO_1W info = {const_cast<LPWSTR>(u"Report"), nullptr, nullptr};
        ASSERT_NE(StartDocPrinterW(m_hPrinter, 1, reinterpret_cast<LPBYTE>(&info)), 0u);
        m_jobOpen = true;
    }

    // Ends the spooler job and answers the job file's bytes.
    std::string FinishJob()
    {
        EndDocPrinter(m_hPrinter);
        m_jobOpen = false;
        const auto files = host::JobFiles(kPrinterName);
        if (files.empty())
            return "<no job file>";
        return host::ReadJobFile(files.back());
    }

    // A document through the page workers, as GDI's calls drive them: the spooler job, DrvStartDoc.
    BOOL BeginDocument(LPWSTR pwszName = const_cast<LPWSTR>(u"Report"))
    {
        StartJob();
        return EngineStartDoc(&m_surface, pwszName, 1);
    }

    // One page; draw runs between DrvStartPage and DrvSendPage. FALSE when a page call failed.
    template <typename Draw>
    BOOL Page(Draw draw)
    {
        if (!EngineStartPage(&m_surface))
            return FALSE;
        draw();
        return EngineSendPage(&m_surface);
    }

    BOOL Page()
    {
        return Page([] {});
    }

    // DrvEndDoc, after the document events' end-of-job escape when endOfJob; the answer of DrvEndDoc.
    BOOL EndDocument(bool endOfJob)
    {
        if (endOfJob)
            PdlMarkJobEnded(m_pdev);
        return EngineEndDoc(&m_surface, 0);
    }

    // Ends the PDEV of one case of a test and removes the job files it left, for the next case.
    void NextCase()
    {
        if (m_pdev != nullptr)
            DisablePDEVImpl(reinterpret_cast<DHPDEV>(m_pdev));
        m_pdev = nullptr;
        for (const auto& file : host::JobFiles(kPrinterName))
            std::filesystem::remove(file);
    }

    PDEV* m_pdev = nullptr;
    SURFOBJ m_surface = {};
    GDIINFO m_gdiInfo = {};
    DEVINFO m_devInfo = {};
    bool m_jobOpen = false;
};
