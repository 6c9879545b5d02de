// printer_data_test.cpp - printer data values, the printer's name and its driver directory.
#include "settings/printer_data.h"
#include "settings/global_block.h"
#include "host/printers.h"
#include "support/printer_fixture.h"

#include <string>

using PrinterDataServices = PrinterWorldTest;

TEST_F(PrinterDataServices, ValuesRoundTripWithTheirSize)
{
    const BYTE bytes[5] = {1, 2, 3, 4, 5};
    ASSERT_TRUE(SetPrinterDataValue(m_hPrinter, nullptr, u"Probe", bytes, sizeof bytes, REG_BINARY));

    BYTE read[8] = {};
    DWORD cbNeeded = 0;
    EXPECT_EQ(GetPrinterDataValue(m_hPrinter, nullptr, u"Probe", read, sizeof read, &cbNeeded), 0u);
    EXPECT_EQ(cbNeeded, 5u);
    EXPECT_EQ(read[4], 5);

    EXPECT_EQ(GetPrinterDataValue(m_hPrinter, nullptr, u"Probe", read, 4, &cbNeeded), DWORD(ERROR_MORE_DATA));
    EXPECT_EQ(cbNeeded, 5u);
    EXPECT_NE(GetPrinterDataValue(m_hPrinter, nullptr, u"Missing", read, sizeof read, &cbNeeded), 0u);
}

TEST_F(PrinterDataServices, MissingArgumentsFailWithoutAskingTheSpooler)
{
    BYTE data[4] = {};
    DWORD cbNeeded = 0xFFFF;
    EXPECT_EQ(GetPrinterDataValue(nullptr, nullptr, u"Probe", data, 4, &cbNeeded), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetPrinterDataValue(m_hPrinter, nullptr, nullptr, data, 4, &cbNeeded), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetPrinterDataValue(m_hPrinter, nullptr, u"Probe", nullptr, 4, &cbNeeded),
              DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(GetPrinterDataValue(m_hPrinter, nullptr, u"Probe", data, 0, &cbNeeded), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(cbNeeded, 0xFFFFu);

    EXPECT_FALSE(SetPrinterDataValue(m_hPrinter, nullptr, nullptr, data, 4, REG_BINARY));
    EXPECT_FALSE(SetPrinterDataValue(m_hPrinter, nullptr, u"Probe", nullptr, 4, REG_BINARY));
    EXPECT_FALSE(SetPrinterDataValue(m_hPrinter, nullptr, u"Probe", data, 0, REG_BINARY));
    EXPECT_NE(GetPrinterDataValue(m_hPrinter, nullptr, u"Probe", data, 4, &cbNeeded), 0u) << "a refused write stored";
}

TEST_F(PrinterDataServices, PrinterNameIsCutToTheBuffer)
{
    WCHAR name[32];
    ASSERT_TRUE(GetPrinterName(m_hPrinter, name, 32));
    EXPECT_EQ(std::u16string(name), kPrinterName);

    WCHAR shortName[4];
    ASSERT_TRUE(GetPrinterName(m_hPrinter, shortName, 4));
    EXPECT_EQ(std::u16string(shortName), u"QN-");

    WCHAR untouched[4] = u"abc";
    EXPECT_FALSE(GetPrinterName(nullptr, untouched, 4));
    EXPECT_FALSE(GetPrinterName(m_hPrinter, untouched, 0));
    EXPECT_EQ(std::u16string(untouched), u"abc");
}

TEST_F(PrinterDataServices, DriverDirectoryIsTheFolderOfTheDataFile)
{
    LPWSTR folder = GetDriverDirectory(m_hPrinter);
    ASSERT_NE(folder, nullptr);
    const std::u16string text(folder);
    FreeGlobalBlock(folder);
    EXPECT_EQ(text, u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\");

    EXPECT_EQ(GetDriverDirectory(nullptr), nullptr);
}
