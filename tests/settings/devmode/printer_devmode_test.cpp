// printer_devmode_test.cpp - the printer-wide devmode "ZTORQ NT": created when missing or foreign, reused
// when it is the driver's own.
#include "settings/devmode/devmode_identity.h"
#include "settings/devmode/printer_devmode.h"
#include "settings/res_library_fixture.h"

#include <cstring>
#include <vector>

namespace {

// Packed fields may sit at odd addresses: they are compared by value, never bound to a reference.
template <typename T>
T Val(T value)
{
    return value;
}


class PrinterDevmode : public ResModuleTest {
protected:
    std::vector<BYTE> StoredValue()
    {
        DWORD type = 0, cbNeeded = 0;
        GetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), &type, nullptr, 0, &cbNeeded);
        std::vector<BYTE> data(cbNeeded);
        if (cbNeeded != 0)
            GetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), &type, data.data(), cbNeeded, &cbNeeded);
        EXPECT_TRUE(data.empty() || type == REG_BINARY);
        return data;
    }

    void Store(const void* data, DWORD cb)
    {
        ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), REG_BINARY,
                                  static_cast<LPBYTE>(const_cast<void*>(data)), cb),
                  ERROR_SUCCESS);
    }
};

TEST_F(PrinterDevmode, CreatesAndStoresTheDefaultWhenThePrinterHasNone)
{
    ASSERT_TRUE(StoredValue().empty());
    DRIVER_DEVMODE dm;
    ASSERT_TRUE(LoadPrinterDevmode(m_hPrinter, &dm, nullptr, m_cell));
    EXPECT_TRUE(IsOwnDevmode(&dm.dmPublic));
    EXPECT_EQ(std::u16string(dm.dmPublic.dmDeviceName), u"QN-804C");
    const std::vector<BYTE> stored = StoredValue();
    ASSERT_EQ(stored.size(), 2615u);
    EXPECT_EQ(std::memcmp(stored.data(), &dm, stored.size()), 0);
}

TEST_F(PrinterDevmode, ReusesTheDriversOwnValueUnderTheCurrentName)
{
    DRIVER_DEVMODE first;
    ASSERT_TRUE(LoadPrinterDevmode(m_hPrinter, &first, nullptr, m_cell));
    first.dmPrivate.env.lpOutputUnit = 3;   // an administrator installed an output unit
    first.dmPrivate.fontSubstitutionList = reinterpret_cast<FONT_SUB_NODE*>(0x5678);
    Store(&first, sizeof first);

    DRIVER_DEVMODE second;
    ASSERT_TRUE(LoadPrinterDevmode(m_hPrinter, &second, u"Another name", m_cell));
    EXPECT_EQ(Val(second.dmPrivate.env.lpOutputUnit), 3);
    EXPECT_EQ(std::u16string(second.dmPublic.dmDeviceName), u"Another name");
    EXPECT_EQ(Val(second.dmPrivate.fontSubstitutionList), nullptr) << "a stored address means nothing now";
    const std::vector<BYTE> stored = StoredValue();
    ASSERT_EQ(stored.size(), 2615u);
    EXPECT_EQ(stored[2325], 3) << "lpOutputUnit: the stored value is not rewritten";
}

TEST_F(PrinterDevmode, ReplacesAValueThatIsShortOrForeign)
{
    DRIVER_DEVMODE own;
    ASSERT_TRUE(LoadPrinterDevmode(m_hPrinter, &own, nullptr, m_cell));
    own.dmPrivate.env.lpOutputUnit = 3;

    DRIVER_DEVMODE foreign = own;
    std::memcpy(&foreign.dmPrivate.env.modelCode, "99XYZ", 5);
    struct Case {
        const char* what;
        const void* data;
        DWORD cb;
    };
    for (const Case& c : {Case{"a short value", &own, 2000}, Case{"another model's devmode", &foreign, 2615}}) {
        SCOPED_TRACE(c.what);
        Store(c.data, c.cb);
        DRIVER_DEVMODE loaded;
        ASSERT_TRUE(LoadPrinterDevmode(m_hPrinter, &loaded, nullptr, m_cell));
        EXPECT_EQ(Val(loaded.dmPrivate.env.lpOutputUnit), 1) << "a new default";
        const std::vector<BYTE> stored = StoredValue();
        ASSERT_EQ(stored.size(), 2615u);
        EXPECT_TRUE(IsOwnDevmode(reinterpret_cast<const DEVMODEW*>(stored.data())));
    }
}

} // namespace
