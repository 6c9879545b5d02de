#pragma once
// printer_fixture.h - a fresh world with the printer "QN-804C" installed and opened.

#include "support/world_fixture.h"
#include "win/windows.h"

#include <string>

class PrinterWorldTest : public WorldTest {
protected:
    void SetUp() override;
    void TearDown() override;

    static constexpr const WCHAR* kPrinterName = u"QN-804C";
    HANDLE m_hPrinter = nullptr;   // opened with PRINTER_ALL_ACCESS; closed after the test
};
