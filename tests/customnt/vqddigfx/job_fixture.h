#pragma once
// job_fixture.h - a fresh world with "QN-804C" installed, and the helpers the graphics module's whole-module
// tests share: a printer device context, a document of empty pages, and the job file's bytes.

#include "host/gdi.h"
#include "host/inspect.h"
#include "host/printers.h"
#include "support/printer_fixture.h"
#include "win/windows.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

constexpr int ESC_END_OF_JOB_CODE = 0x6FFFFE15;

// The sheets a job ejects: its "prn" commands.
inline int CountSheets(const std::string& job)
{
    int sheets = 0;
    for (size_t at = job.find("prn;\n"); at != std::string::npos; at = job.find("prn;\n", at + 1))
        ++sheets;
    return sheets;
}

class GraphicsJobTest : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        if (m_hdc != nullptr)
            DeleteDC(m_hdc);
        PrinterWorldTest::TearDown();
    }

    // A printer device context on "QN-804C" with the caller's devmode (none: the printer's own).
    HDC OpenDc(const DEVMODEW* pdm = nullptr)
    {
        m_hdc = CreateDCW(nullptr, kPrinterName, nullptr, pdm);
        return m_hdc;
    }

    // A document of that many empty pages; with endOfJob the document events' end-of-job escape is sent
    // before EndDoc, as the interface module sends it. The job id, or 0 at the first call that failed.
    static int PrintEmptyPages(HDC hdc, int pages, bool endOfJob, const WCHAR* pszName = u"Report")
    {
        DOCINFOW di = {sizeof di, pszName, nullptr, nullptr, 0};
        const int job = StartDocW(hdc, &di);
        if (job <= 0)
            return 0;
        for (int page = 0; page < pages; ++page)
            if (StartPage(hdc) <= 0 || EndPage(hdc) <= 0)
                return 0;
        if (endOfJob && ExtEscape(hdc, ESC_END_OF_JOB_CODE, 0, nullptr, 0, nullptr) != 1)
            return 0;
        return EndDoc(hdc) > 0 ? job : 0;
    }

    // The bytes of the printer's only job file.
    static std::string JobBytes()
    {
        const auto files = host::JobFiles(u"QN-804C");
        if (files.size() != 1)
            return "<" + std::to_string(files.size()) + " job files>";
        std::ifstream in(files.front(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    HDC m_hdc = nullptr;
};
