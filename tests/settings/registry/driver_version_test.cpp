// driver_version_test.cpp - the driver version that wrote a printer's per-user settings.
#include "settings/registry/driver_version.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_tree.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr const WCHAR* kPrinter = u"QN-804C";

class DriverVersion : public WorldTest {
protected:
    void TearDown() override
    {
        host::ClearFaults();
        WorldTest::TearDown();
    }

    static std::u16string PrinterPath(const WCHAR* subKey1 = nullptr, const WCHAR* subKey2 = nullptr)
    {
        WCHAR path[kRegPathChars];
        EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, kPrinter, subKey1, subKey2));
        return path;
    }

    static void StoreValue(const std::u16string& path, DWORD type, const void* data, DWORD cb)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        if (data != nullptr)
            RegSetValueExW(key, u"DriverVersion", 0, type, static_cast<const BYTE*>(data), cb);
        RegCloseKey(key);
    }

    static void StoreVersion(DWORD version) { StoreValue(PrinterPath(), REG_DWORD, &version, sizeof version); }

    static DWORD StoredVersion()
    {
        HKEY key = nullptr;
        DWORD version = 0;
        DWORD cb = sizeof version;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, PrinterPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return 0;
        RegQueryValueExW(key, u"DriverVersion", nullptr, nullptr, reinterpret_cast<BYTE*>(&version), &cb);
        RegCloseKey(key);
        return version;
    }

    // A private part whose public copy names the printer and the version, with a form overlay and a
    // watermark chosen.
    static std::unique_ptr<PRIVATE_DEVMODE> MakePrivate(const WCHAR* printer, WORD version, BYTE watermarkIndex)
    {
        auto pdm = std::make_unique<PRIVATE_DEVMODE>();
        std::memset(pdm.get(), 0, sizeof(PRIVATE_DEVMODE));
        DEVMODEW publicPart = {};
        std::memcpy(publicPart.dmDeviceName, printer, std::char_traits<char16_t>::length(printer) * sizeof(WCHAR));
        publicPart.dmDriverVersion = version;
        std::memcpy(&pdm->dmPublicCopy, &publicPart, sizeof publicPart);
        pdm->lpOverlay = 3;
        pdm->bOverlayIndex = 2;
        pdm->WatermarkIndex = watermarkIndex;
        return pdm;
    }
};

} // namespace

TEST_F(DriverVersion, StatusOfTheStoredVersion)
{
    EXPECT_EQ(ReadDriverVersionStatus(kPrinter, 0x8402), DriverVersionStatus::Unreadable);   // no key
    StoreValue(PrinterPath(), REG_DWORD, nullptr, 0);
    EXPECT_EQ(ReadDriverVersionStatus(kPrinter, 0x8402), DriverVersionStatus::Unreadable);   // no value
    StoreValue(PrinterPath(), REG_SZ, u"8402", 10);
    EXPECT_EQ(ReadDriverVersionStatus(kPrinter, 0x8402), DriverVersionStatus::Unreadable);   // not a number

    StoreVersion(0x0402);
    EXPECT_EQ(ReadDriverVersionStatus(kPrinter, 0x8402), DriverVersionStatus::Compatible);   // low 14 bits agree
    StoreVersion(0x8403);
    EXPECT_EQ(ReadDriverVersionStatus(kPrinter, 0x8402), DriverVersionStatus::Changed);
    EXPECT_EQ(ReadDriverVersionStatus(u"", 0x8402), DriverVersionStatus::Unreadable);
}

TEST_F(DriverVersion, FirstCheckRecordsTheVersionSeedsTheListsAndClearsTheOverlay)
{
    auto pdm = MakePrivate(kPrinter, 0x8402, 5);
    CheckDriverVersion(pdm.get());

    EXPECT_EQ(StoredVersion(), 0x8402u);
    const std::string tree = host::RegistryDump(HKEY_CURRENT_USER, PrinterPath());
    for (const char* seeded : {"InterSheet\\InterSheetList10]", "Form\\Overlay File]", "WaterMark\\WMarkListData15]",
                               "\"FontSubTblNum\" = REG_DWORD: 0x00000020"})
        EXPECT_NE(tree.find(seeded), std::string::npos) << seeded << " is not stored";
    EXPECT_EQ(+pdm->lpOverlay, 1);
    EXPECT_EQ(+pdm->bOverlayIndex, 0);
    EXPECT_EQ(+pdm->WatermarkIndex, 0);
}

// Keys that another driver version stored are removed before the defaults are written, except the ones that
// outlive a version; keys found beside an unreadable version are left and written over.
TEST_F(DriverVersion, ListsOfAnotherVersionAreCleanedThenSeededAnUnreadableVersionIsOnlySeeded)
{
    struct Case {
        const char* what;
        bool storeVersion;
        bool staleKeyRemains;
    };
    const Case cases[] = {{"another version", true, false}, {"no version", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteRegTree(HKEY_CURRENT_USER, PrinterPath().c_str());
        if (c.storeVersion)
            StoreVersion(0x8403);
        StoreValue(PrinterPath(u"WaterMark", u"WMarkListData40"), REG_DWORD, nullptr, 0);
        StoreValue(PrinterPath(u"BookMode"), REG_DWORD, nullptr, 0);

        auto pdm = MakePrivate(kPrinter, 0x8402, 0);
        CheckDriverVersion(pdm.get());
        EXPECT_EQ(StoredVersion(), 0x8402u);
        EXPECT_EQ(+pdm->lpOverlay, 1);
        const std::string tree = host::RegistryDump(HKEY_CURRENT_USER, PrinterPath());
        EXPECT_EQ(tree.find("WMarkListData40]") != std::string::npos, c.staleKeyRemains);
        EXPECT_NE(tree.find("QN-804C\\BookMode]"), std::string::npos) << "kept across versions";
        EXPECT_NE(tree.find("\"WMarkListNum\" = REG_DWORD: 0x00000010"), std::string::npos) << "the defaults";
    }
}

TEST_F(DriverVersion, AnAgreeingVersionKeepsTheDevmodeButClampsTheWatermark)
{
    StoreVersion(0x0402);
    for (const WCHAR* name : {u"WMarkListData0", u"WMarkListData1", u"WMarkListData3"})   // 2 is missing
        StoreValue(PrinterPath(u"WaterMark", name), REG_DWORD, nullptr, 0);
    const std::string before = host::RegistryDump(HKEY_CURRENT_USER);

    struct Case {
        BYTE index;
        BYTE expected;
    };
    const Case cases[] = {{0, 0}, {1, 1}, {2, 0}, {3, 0}};   // counting stops at the first missing key
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "watermark " << int(c.index));
        auto pdm = MakePrivate(kPrinter, 0x8402, c.index);
        CheckDriverVersion(pdm.get());
        EXPECT_EQ(+pdm->WatermarkIndex, +c.expected);
        EXPECT_EQ(+pdm->lpOverlay, 3);
        EXPECT_EQ(+pdm->bOverlayIndex, 2);
    }
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), before);
}

TEST_F(DriverVersion, ADevmodeWithoutAPrinterNameIsLeftAlone)
{
    auto pdm = MakePrivate(u"", 0x8402, 4);
    CheckDriverVersion(pdm.get());
    CheckDriverVersion(nullptr);
    EXPECT_EQ(+pdm->lpOverlay, 3);
    EXPECT_EQ(+pdm->WatermarkIndex, 4);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, u"Software"), "");
}

TEST_F(DriverVersion, NoVersionIsWrittenWhenTheKeyCannotBeCreated)
{
    host::InjectFault(host::Fault::RegistryWrite, 1, 100);
    EXPECT_FALSE(WriteDriverVersion(kPrinter, 0x8402));
    host::ClearFaults();
    EXPECT_EQ(ReadDriverVersionStatus(kPrinter, 0x8402), DriverVersionStatus::Unreadable);
    EXPECT_TRUE(WriteDriverVersion(kPrinter, 0x8402));
    EXPECT_EQ(StoredVersion(), 0x8402u);
}
