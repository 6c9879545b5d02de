// install_test.cpp - installing printers: the driver's files, the printer's key, its stored devmode.
#include "host/inspect.h"
#include "host/printers.h"
#include "host/text.h"
#include "host/world.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <stdexcept>

using PrinterInstall = WorldTest;

TEST_F(PrinterInstall, LinksTheBuiltModulesIntoTheDriverDirectory)
{
    host::InstallPrinter();
    const std::filesystem::path modules = host::BuiltModuleDirectory();
    ASSERT_TRUE(std::filesystem::exists(modules / "Q73MZRG3.DLL")) << modules;
    for (const char* name : {"Q73MZRG3.DLL", "Q73MZRU3.DLL", "Q73MZRT3.DLL"}) {
        SCOPED_TRACE(name);
        const std::filesystem::path placed =
            host::MapWindowsPath(u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\" + host::FromUtf8(name));
        ASSERT_TRUE(std::filesystem::is_symlink(placed));
        EXPECT_TRUE(std::filesystem::equivalent(placed, modules / name));
    }
}

TEST_F(PrinterInstall, MakesThePrinterKeyAndKeepsItsDataWhenInstalledAgain)
{
    host::InstallPrinter();
    HANDLE hPrinter = nullptr;
    ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(u"QN-804C"), &hPrinter, nullptr));
    DWORD one = 1;
    ASSERT_EQ(SetPrinterDataW(hPrinter, const_cast<LPWSTR>(u"Kept"), REG_DWORD, reinterpret_cast<BYTE*>(&one), 4),
              DWORD{ERROR_SUCCESS});
    ClosePrinter(hPrinter);

    host::PrinterSetup setup;
    setup.portName = u"LPT1:";
    host::InstallPrinter(setup);
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers"),
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers]\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C]\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C\\PrinterDriverData]\n"
              "\"Kept\" = REG_DWORD: 0x00000001\n");
}

TEST_F(PrinterInstall, StoresTheDefaultDevmodeAsBinaryUnderThePrinterKey)
{
    host::InstallPrinter();
    const unsigned char bytes[] = {1, 2, 3};
    host::SetPrinterDevmode(u"qn-804c", bytes);
    const WCHAR* printerKey = u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C";
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, printerKey),
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C]\n"
              "\"Default DevMode\" = REG_BINARY: 01 02 03\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C\\PrinterDriverData]\n");
    host::SetPrinterDevmode(u"QN-804C", {});
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, printerKey).find("Default DevMode"), std::string::npos);
}

TEST_F(PrinterInstall, RefusesWhatWindowsWouldRefuseAndModulesThatAreMissing)
{
    for (const char16_t* name : {u"", u"a,b", u"a\\b"}) {
        host::PrinterSetup setup;
        setup.name = name;
        EXPECT_THROW(host::InstallPrinter(setup), std::invalid_argument);
    }
    host::PrinterSetup setup;
    setup.moduleDir = m_root / "no-modules-here";
    EXPECT_THROW(host::InstallPrinter(setup), std::runtime_error);
    HANDLE hPrinter = nullptr;
    EXPECT_FALSE(OpenPrinterW(const_cast<LPWSTR>(u"QN-804C"), &hPrinter, nullptr)) << "nothing was installed";
    EXPECT_THROW(host::SetPrinterDevmode(u"QN-804C", {}), std::invalid_argument);
}
