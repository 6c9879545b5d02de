// document_devmode_test.cpp - the order in which a document's devmode is put together: defaults, the
// printer's devmode, the caller's, the printer-wide installed options, validation.
#include "host/printers.h"
#include "settings/devmode/devmode_defaults.h"
#include "settings/devmode/document_devmode.h"
#include "settings/devmode/printer_devmode.h"
#include "settings/res_library_fixture.h"

#include <cstring>
#include <span>

namespace {

// Packed fields may sit at odd addresses: they are compared by value, never bound to a reference.
template <typename T>
T Val(T value)
{
    return value;
}


class DocumentDevmode : public ResModuleTest {
protected:
    DRIVER_DEVMODE Default()
    {
        DRIVER_DEVMODE dm;
        BuildDefaultDevmode(m_cell, &dm, nullptr, m_hPrinter);
        return dm;
    }

    void SetSpoolerDevmode(const DRIVER_DEVMODE& dm)
    {
        host::SetPrinterDevmode(kPrinterName, std::span(reinterpret_cast<const unsigned char*>(&dm), sizeof dm));
    }

    DRIVER_DEVMODE Build(const DEVMODEW* pdmIn)
    {
        DRIVER_DEVMODE dm;
        std::memset(&dm, 0, sizeof dm);
        EXPECT_TRUE(BuildDocumentDevmode(m_cell, m_hPrinter, nullptr, pdmIn, &dm));
        return dm;
    }
};

TEST_F(DocumentDevmode, TakesTheCallersSettingsOverThePrintersOwn)
{
    DRIVER_DEVMODE spooler = Default();
    spooler.dmPublic.dmFields |= DM_COPIES;
    spooler.dmPublic.dmCopies = 5;
    spooler.dmPrivate.env.Staple_Check = 1;
    SetSpoolerDevmode(spooler);

    EXPECT_EQ(Val(Build(nullptr).dmPublic.dmCopies), 5);
    EXPECT_EQ(Val(Build(nullptr).dmPrivate.env.Staple_Check), 1);

    DRIVER_DEVMODE caller = Default();
    caller.dmPublic.dmCopies = 7;
    const DRIVER_DEVMODE built = Build(&caller.dmPublic);
    EXPECT_EQ(Val(built.dmPublic.dmCopies), 7);
    EXPECT_EQ(Val(built.dmPrivate.env.Staple_Check), 0) << "the caller's whole private part";
}

TEST_F(DocumentDevmode, KeepsThePrintersInstalledOptionsWhateverTheCallerSays)
{
    DRIVER_DEVMODE printerWide;
    ASSERT_TRUE(LoadPrinterDevmode(m_hPrinter, &printerWide, nullptr, m_cell));
    printerWide.dmPrivate.env.lpOutputUnit = 3;
    printerWide.dmPrivate.lpPDLType = 2;
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), REG_BINARY,
                              reinterpret_cast<LPBYTE>(&printerWide), sizeof printerWide),
              ERROR_SUCCESS);

    DRIVER_DEVMODE caller = Default();
    caller.dmPrivate.env.lpOutputUnit = 5;
    const DRIVER_DEVMODE built = Build(&caller.dmPublic);
    EXPECT_EQ(Val(built.dmPrivate.env.lpOutputUnit), 3);
    EXPECT_EQ(Val(built.dmPrivate.lpPDLType), 2);
}

TEST_F(DocumentDevmode, ValidatesTheResult)
{
    DRIVER_DEVMODE caller = Default();
    caller.dmPrivate.Zoom = 5;
    caller.dmPrivate.ZoomCheck = 1;
    const DRIVER_DEVMODE built = Build(&caller.dmPublic);
    EXPECT_EQ(Val(built.dmPrivate.Zoom), 100);
    EXPECT_EQ(std::memcmp(&built.dmPrivate.dmPublicCopy, &built.dmPublic, sizeof built.dmPublic), 0);
}

TEST_F(DocumentDevmode, IgnoresASpoolerDevmodeThatClaimsMoreThanItHolds)
{
    DRIVER_DEVMODE spooler = Default();
    spooler.dmPublic.dmCopies = 5;
    spooler.dmPublic.dmDriverExtra = 60000;   // far beyond what is stored
    SetSpoolerDevmode(spooler);
    EXPECT_EQ(Val(Build(nullptr).dmPublic.dmCopies), 1);
}

TEST_F(DocumentDevmode, FailsWithoutTheResourceLibraryAndLeavesTheOutputAlone)
{
    DRIVER_DEVMODE out;
    std::memset(&out, 0x5A, sizeof out);
    RES_MODULE_CELL empty = {nullptr};
    EXPECT_FALSE(BuildDocumentDevmode(&empty, m_hPrinter, nullptr, nullptr, &out));
    EXPECT_EQ(reinterpret_cast<const BYTE*>(&out)[100], 0x5A);
}

} // namespace
