// printer_event_test.cpp - DrvPrinterEvent through the loaded module.
#include "settings/devmode/devmode_identity.h"
#include "ui/core/interface_module_fixture.h"

#include <cstring>
#include <vector>

namespace {

using PrinterEvent = InterfaceModuleTest;

TEST_F(PrinterEvent, InitializingANewPrinterStoresItsDefaultDevmode)
{
    ASSERT_TRUE(PrinterData(u"ZTORQ NT").empty());
    EXPECT_TRUE(DrvPrinterEvent(const_cast<LPWSTR>(kPrinterName), PRINTER_EVENT_INITIALIZE, 0, 0));
    const std::vector<BYTE> stored = PrinterData(u"ZTORQ NT");
    ASSERT_EQ(stored.size(), 2615u);
    const auto* pdm = reinterpret_cast<const DEVMODEW*>(stored.data());
    EXPECT_TRUE(IsOwnDevmode(pdm));
    EXPECT_EQ(std::u16string(pdm->dmDeviceName), kPrinterName);
    EXPECT_EQ(TraceCount(u"DrvPrinterEvent"), 1);
}

TEST_F(PrinterEvent, InitializingAgainReplacesTheStoredDevmode)
{
    std::vector<BYTE> changed(2615, 0);
    ASSERT_TRUE(DrvPrinterEvent(const_cast<LPWSTR>(kPrinterName), PRINTER_EVENT_INITIALIZE, 0, 0));
    changed = PrinterData(u"ZTORQ NT");
    changed[2325] = 3;   // lpOutputUnit
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), REG_BINARY, changed.data(), 2615),
              ERROR_SUCCESS);
    EXPECT_TRUE(DrvPrinterEvent(const_cast<LPWSTR>(kPrinterName), PRINTER_EVENT_INITIALIZE, 0, 0));
    EXPECT_EQ(PrinterData(u"ZTORQ NT")[2325], 1);
}

TEST_F(PrinterEvent, OtherEventsAndUnknownPrintersChangeNothing)
{
    struct Case {
        const WCHAR* printer;
        INT event;
    };
    const Case cases[] = {
        {kPrinterName, PRINTER_EVENT_ADD_CONNECTION},
        {kPrinterName, PRINTER_EVENT_DELETE},
        {kPrinterName, PRINTER_EVENT_CACHE_REFRESH},
        {kPrinterName, 99},
        {u"No such printer", PRINTER_EVENT_INITIALIZE},
        {nullptr, PRINTER_EVENT_INITIALIZE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.event);
        EXPECT_TRUE(DrvPrinterEvent(const_cast<LPWSTR>(c.printer), c.event, PRINTER_EVENT_FLAG_NO_UI, 0));
    }
    EXPECT_TRUE(PrinterData(u"ZTORQ NT").empty());
}

} // namespace
