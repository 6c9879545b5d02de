// printer_data_test.cpp - the printer's data values.
#include "settings/registry/printer_data.h"
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
