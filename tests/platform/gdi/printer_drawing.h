#pragma once
// printer_drawing.h - a printer DC on the test driver opened in a page, and the driver's report of what it was
// asked to draw: its calls and arguments, and the page's pixels.

#include "dc_fixture.h"

#include <string>
#include <vector>

class PrinterDrawing : public PrinterDcTest {
protected:
    // A DC on the test driver with these options, in a started page, the trace cleared.
    HDC OpenPage(const TestDriverOptions& options)
    {
        SetDriver(options);
        HDC hdc = CreateDCW(nullptr, kPrinter, nullptr, nullptr);
        EXPECT_NE(hdc, nullptr);
        DOCINFOW di = {sizeof di, u"Drawing", nullptr, nullptr, 0};
        EXPECT_GT(StartDocW(hdc, &di), 0);
        EXPECT_GT(StartPage(hdc), 0);
        host::ClearDebugTrace();
        host::ClearDeviceContextCalls(hdc);
        return hdc;
    }

    void ClosePage(HDC hdc)
    {
        EndDoc(hdc);
        DeleteDC(hdc);
    }

    static TestDriverOptions Options(FLONG hooks, FLONG caps)
    {
        TestDriverOptions options;
        options.hooks = hooks;
        options.graphicsCaps = caps;
        return options;
    }

    // The driver's lines since the last clear that start with prefix (without "TESTDRV ").
    static std::vector<std::string> DriverLines(const std::string& prefix = "Drv")
    {
        std::vector<std::string> lines;
        for (const std::string& line : ModuleLines())
            if (line.rfind("TESTDRV " + prefix, 0) == 0)
                lines.push_back(line.substr(8));
        return lines;
    }

    // The page the driver reported ("rows" lines), one string per row.
    static std::vector<std::string> ReportedPage()
    {
        std::vector<std::string> page(kPageHeight);
        for (const std::string& line : DriverLines("rows ")) {
            const size_t space = line.find(' ', 5);
            page.at(std::stoul(line.substr(5, space - 5))) = line.substr(space + 1);
        }
        return page;
    }
};
