// custom_size_store_test.cpp - the ten user-defined sizes in the printer's data.
#include "settings/paper/custom_size_store.h"
#include "settings/paper/custom_size_data.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "support/printer_fixture.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char16_t* kDriverDataPath =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\QN-804C\\PrinterDriverData";

CUSTOM_SIZE_ENTRY MakeSize(DWORD width, DWORD length, WORD unit, const std::u16string& name)
{
    CUSTOM_SIZE_ENTRY size = {};
    size.width = width;
    size.length = length;
    size.unit = unit;
    std::memcpy(&size.name, name.data(), std::min(name.size(), std::size_t(17)) * sizeof(WCHAR));
    return size;
}

// The fields of a packed entry, by value (a reference to a packed field is not allowed).
struct Size {
    DWORD width;
    DWORD length;
    WORD unit;
    std::u16string name;
};

Size Read(const CUSTOM_SIZE_ENTRY& entry)
{
    WCHAR name[18] = {};
    std::memcpy(name, &entry.name, sizeof entry.name);
    return {entry.width, entry.length, entry.unit, name};
}

class CustomSizeStore : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        host::ClearFaults();
        FreeCustomSizeData(&m_block);
        PrinterWorldTest::TearDown();
    }

    void StoreValue(const WCHAR* name, const void* bytes, DWORD cb)
    {
        ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(name), REG_BINARY,
                                  static_cast<LPBYTE>(const_cast<void*>(bytes)), cb),
                  DWORD(ERROR_SUCCESS));
    }

    std::vector<BYTE> StoredValue(const WCHAR* name)
    {
        std::vector<BYTE> bytes(256);
        DWORD cbNeeded = 0;
        if (GetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(name), nullptr, bytes.data(),
                            static_cast<DWORD>(bytes.size()), &cbNeeded) != ERROR_SUCCESS)
            return {};
        bytes.resize(cbNeeded);
        return bytes;
    }

    CUSTOM_SIZE_ENTRY* Block()
    {
        if (m_block == nullptr)
            m_block = NewCustomSizeData();
        return m_block;
    }

    CUSTOM_SIZE_ENTRY* m_block = nullptr;
};

} // namespace

TEST_F(CustomSizeStore, MissingSizesLoadTheirDefaults)
{
    ASSERT_TRUE(LoadCustomSizes(Block(), nullptr, m_hPrinter));
    for (UINT n = 1; n <= kCustomSizeCount; ++n) {
        SCOPED_TRACE(testing::Message() << "size " << n);
        const Size size = Read(Block()[n - 1]);
        EXPECT_EQ(size.width, 8267u);
        EXPECT_EQ(size.length, 8267u);
        EXPECT_EQ(size.unit, 1);
        EXPECT_EQ(size.name, u"Custom Size " + std::u16string(n == 10 ? u"10" : std::u16string(1, u'0' + n)));
    }
}

TEST_F(CustomSizeStore, OnlyValuesOfExactlyOneEntryAreTaken)
{
    const CUSTOM_SIZE_ENTRY good = MakeSize(10000, 12000, 2, u"Envelope");
    StoreValue(u"UDPaper3", &good, sizeof good);
    StoreValue(u"UDPaper4", &good, sizeof good - 4);   // short: counts as missing
    BYTE longer[48] = {};
    std::memcpy(longer, &good, sizeof good);
    StoreValue(u"UDPaper5", longer, sizeof longer);       // long: does not fit, counts as missing
    CUSTOM_SIZE_ENTRY unterminated = MakeSize(5000, 6000, 1, std::u16string(17, u'x'));
    StoreValue(u"UDPaper6", &unterminated, sizeof unterminated);

    ASSERT_TRUE(LoadCustomSizes(Block(), nullptr, m_hPrinter));

    const Size third = Read(Block()[2]);
    EXPECT_EQ(third.width, 10000u);
    EXPECT_EQ(third.length, 12000u);
    EXPECT_EQ(third.unit, 2);
    EXPECT_EQ(third.name, u"Envelope");
    EXPECT_EQ(Read(Block()[3]).width, 8267u);
    EXPECT_EQ(Read(Block()[3]).name, u"Custom Size 4");
    EXPECT_EQ(Read(Block()[4]).width, 8267u);
    EXPECT_EQ(Read(Block()[5]).width, 5000u);
    EXPECT_EQ(Read(Block()[5]).name, std::u16string(16, u'x')) << "a name without its NUL is cut at its field";
}

TEST_F(CustomSizeStore, SavedSizeIsItsFortyFourBytes)
{
    ASSERT_TRUE(LoadCustomSizes(Block(), nullptr, m_hPrinter));
    Block()[1] = MakeSize(8267, 11693, 2, u"Label");
    ASSERT_TRUE(SaveCustomSizes(Block(), nullptr, m_hPrinter));

    const std::vector<BYTE> expected = {
        0x4B, 0x20, 0x00, 0x00,                                       // width 8267
        0xAD, 0x2D, 0x00, 0x00,                                       // length 11693
        0x02, 0x00,                                                   // inches
        'L', 0, 'a', 0, 'b', 0, 'e', 0, 'l', 0,                       // name "Label"
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                           // its NUL and 11 more units
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                           // of the 17
    };
    ASSERT_EQ(expected.size(), 44u);
    EXPECT_EQ(StoredValue(u"UDPaper2"), expected);
}

TEST_F(CustomSizeStore, MissingValuesAreWrittenAndUnchangedOnesAreNot)
{
    ASSERT_TRUE(LoadCustomSizes(Block(), nullptr, m_hPrinter));
    ASSERT_TRUE(SaveCustomSizes(Block(), nullptr, m_hPrinter));   // nothing stored yet: all ten are written
    for (const WCHAR* name : {u"UDPaper1", u"UDPaper10"})
        EXPECT_EQ(StoredValue(name).size(), 44u);
    const std::string saved = host::RegistryDump(HKEY_LOCAL_MACHINE, kDriverDataPath);

    // Any write from here on fails, so a save that writes nothing is the only one that succeeds.
    host::InjectFault(host::Fault::RegistryWrite, 1, 100);
    EXPECT_TRUE(SaveCustomSizes(Block(), nullptr, m_hPrinter));
    host::ClearFaults();
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, kDriverDataPath), saved);

    // One changed size is the one write; stale bytes after a name's NUL are no change.
    Block()[6] = MakeSize(9000, 9000, 1, u"Changed");
    std::memset(reinterpret_cast<BYTE*>(&Block()[7]) + offsetof(CUSTOM_SIZE_ENTRY, name) + 30, 0x41, 4);
    host::InjectFault(host::Fault::RegistryWrite, 2, 100);
    EXPECT_TRUE(SaveCustomSizes(Block(), nullptr, m_hPrinter));
    host::ClearFaults();
    EXPECT_EQ(StoredValue(u"UDPaper7").size(), 44u);
    EXPECT_EQ(StoredValue(u"UDPaper7")[0], 0x28);   // 9000 = 0x2328
}

TEST_F(CustomSizeStore, AFailedWriteIsReportedAndTheOthersAreStillWritten)
{
    ASSERT_TRUE(LoadCustomSizes(Block(), nullptr, m_hPrinter));
    host::InjectFault(host::Fault::RegistryWrite, 1, 1);
    EXPECT_FALSE(SaveCustomSizes(Block(), nullptr, m_hPrinter));
    host::ClearFaults();
    EXPECT_TRUE(StoredValue(u"UDPaper1").empty());
    EXPECT_EQ(StoredValue(u"UDPaper2").size(), 44u);
    EXPECT_EQ(StoredValue(u"UDPaper10").size(), 44u);
}

TEST_F(CustomSizeStore, GetCustomSizeGivesTheStoredOrTheDefaultSize)
{
    const CUSTOM_SIZE_ENTRY stored = MakeSize(4000, 6000, 2, u"Card");
    StoreValue(u"UDPaper10", &stored, sizeof stored);

    DWORD width = 0;
    DWORD length = 0;
    WCHAR name[17] = {};
    ASSERT_TRUE(GetCustomSize(m_hPrinter, nullptr, 10, &width, &length, name, sizeof name));
    EXPECT_EQ(width, 4000u);
    EXPECT_EQ(length, 6000u);
    EXPECT_EQ(std::u16string(name), u"Card");

    WCHAR shortName[5] = {};
    ASSERT_TRUE(GetCustomSize(m_hPrinter, nullptr, 1, &width, &length, shortName, sizeof shortName));
    EXPECT_EQ(width, 8267u);
    EXPECT_EQ(std::u16string(shortName), u"Cust");

    width = 7;
    EXPECT_FALSE(GetCustomSize(m_hPrinter, nullptr, 0, &width, &length, name, sizeof name));
    EXPECT_FALSE(GetCustomSize(m_hPrinter, nullptr, 11, &width, &length, name, sizeof name));
    EXPECT_EQ(width, 7u);
}

TEST_F(CustomSizeStore, WithoutAPrinterTheSizesAreTheDefaults)
{
    ASSERT_TRUE(LoadCustomSizes(Block(), nullptr, nullptr));
    EXPECT_EQ(Read(Block()[0]).width, 8267u);
    EXPECT_FALSE(SaveCustomSizes(Block(), nullptr, nullptr));
    EXPECT_FALSE(LoadCustomSizes(nullptr, nullptr, m_hPrinter));
}
