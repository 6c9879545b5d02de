// values_test.cpp - reading, writing, deleting and enumerating registry values.
#include "host/faults.h"
#include "host/inspect.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

class RegistryValues : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Test", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &m_key, nullptr), ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(m_key);
        WorldTest::TearDown();
    }

    LONG Set(const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes)
    {
        return RegSetValueExW(m_key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    }

    HKEY m_key = nullptr;
};

static std::vector<BYTE> Bytes(std::initializer_list<int> values)
{
    std::vector<BYTE> bytes;
    for (int v : values)
        bytes.push_back(static_cast<BYTE>(v));
    return bytes;
}

TEST_F(RegistryValues, KeepTheirTypeAndBytesExactlyAsWritten)
{
    struct Case { const WCHAR* name; DWORD type; std::vector<BYTE> bytes; };
    const Case cases[] = {
        {u"text",         REG_SZ,       Bytes({'a', 0, 'b', 0, 0, 0})},
        {u"unterminated", REG_SZ,       Bytes({'a', 0, 'b', 0})},   // no terminator is added
        {u"odd",          REG_SZ,       Bytes({'a', 0, 'b'})},
        {u"number",       REG_DWORD,    Bytes({0x78, 0x56, 0x34, 0x12})},
        {u"short dword",  REG_DWORD,    Bytes({1, 2})},
        {u"empty",        REG_BINARY,   Bytes({})},
        {u"multi",        REG_MULTI_SZ, Bytes({'a', 0, 0, 0, 'b', 0, 0, 0, 0, 0})},
        {u"own type",     0x12345678,   Bytes({0xFE, 0xFF})},
    };
    for (const Case& c : cases)
        ASSERT_EQ(Set(c.name, c.type, c.bytes), ERROR_SUCCESS);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DWORD type = 0;
        DWORD cb = 0;
        ASSERT_EQ(RegQueryValueExW(m_key, c.name, nullptr, &type, nullptr, &cb), ERROR_SUCCESS);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(cb, c.bytes.size());
        std::vector<BYTE> data(cb + 4, 0xAB);
        cb = static_cast<DWORD>(data.size());
        ASSERT_EQ(RegQueryValueExW(m_key, c.name, nullptr, nullptr, data.data(), &cb), ERROR_SUCCESS);
        EXPECT_EQ(std::vector<BYTE>(data.begin(), data.begin() + cb), c.bytes);
        EXPECT_TRUE(std::all_of(data.begin() + cb, data.end(), [](BYTE b) { return b == 0xAB; }))
            << "nothing is written past the value's bytes";
    }
}

TEST_F(RegistryValues, QueryAnswersTheSizeFirstAndLeavesAShortBufferAlone)
{
    ASSERT_EQ(Set(u"Six", REG_BINARY, Bytes({1, 2, 3, 4, 5, 6})), ERROR_SUCCESS);
    struct Case { bool withBuffer; DWORD cbIn; LONG result; DWORD cbOut; };
    const Case cases[] = {
        {false,  0, ERROR_SUCCESS,   6},   // a null lpData asks the size
        {false, 99, ERROR_SUCCESS,   6},
        {true,   0, ERROR_MORE_DATA, 6},
        {true,   5, ERROR_MORE_DATA, 6},
        {true,   6, ERROR_SUCCESS,   6},
        {true,  16, ERROR_SUCCESS,   6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        std::vector<BYTE> buffer(16, 0xAB);
        DWORD cb = c.cbIn;
        DWORD type = 0;
        EXPECT_EQ(RegQueryValueExW(m_key, u"six", nullptr, &type, c.withBuffer ? buffer.data() : nullptr, &cb),
                  c.result);
        EXPECT_EQ(cb, c.cbOut);
        EXPECT_EQ(type, DWORD{REG_BINARY}) << "the type is answered with the size";
        const bool copied = c.withBuffer && c.result == ERROR_SUCCESS;
        EXPECT_EQ(buffer[0], copied ? 1 : 0xAB);
        EXPECT_EQ(buffer[6], 0xAB);
    }

    DWORD cb = 6;
    BYTE data[6];
    DWORD reserved = 0;
    EXPECT_EQ(RegQueryValueExW(m_key, u"Six", nullptr, nullptr, data, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(m_key, u"Six", &reserved, nullptr, data, &cb), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegQueryValueExW(m_key, u"Seven", nullptr, nullptr, data, &cb), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegQueryValueExW(m_key, u"Six", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS)
        << "asking whether a value exists";
}

TEST_F(RegistryValues, ANullOrEmptyNameIsTheDefaultValue)
{
    ASSERT_EQ(Set(nullptr, REG_SZ, Bytes({'x', 0, 0, 0})), ERROR_SUCCESS);
    DWORD cb = 0;
    EXPECT_EQ(RegQueryValueExW(m_key, u"", nullptr, nullptr, nullptr, &cb), ERROR_SUCCESS);
    EXPECT_EQ(cb, 4u);
    ASSERT_EQ(Set(u"", REG_SZ, Bytes({'y', 0, 0, 0})), ERROR_SUCCESS);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, u"Software\\Test"),
              "[HKEY_CURRENT_USER\\Software\\Test]\n"
              "\"\" = REG_SZ: \"y\"\n");
    EXPECT_EQ(RegDeleteValueW(m_key, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(m_key, nullptr, nullptr, nullptr, nullptr, &cb), ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryValues, RewritingAValueKeepsItsNameAndPlaceButTakesTheNewTypeAndSize)
{
    ASSERT_EQ(Set(u"Alpha", REG_SZ, Bytes({'a', 0, 0, 0})), ERROR_SUCCESS);
    ASSERT_EQ(Set(u"Beta", REG_DWORD, Bytes({1, 0, 0, 0})), ERROR_SUCCESS);
    ASSERT_EQ(Set(u"ALPHA", REG_BINARY, Bytes({9})), ERROR_SUCCESS);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, u"Software\\Test"),
              "[HKEY_CURRENT_USER\\Software\\Test]\n"
              "\"Alpha\" = REG_BINARY: 09\n"
              "\"Beta\" = REG_DWORD: 0x00000001\n");
}

TEST_F(RegistryValues, NullDataIsRefusedUnlessItsSizeIsZero)
{
    EXPECT_EQ(RegSetValueExW(m_key, u"v", 0, REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExW(m_key, u"v", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, u"Software\\Test"),
              "[HKEY_CURRENT_USER\\Software\\Test]\n"
              "\"v\" = REG_BINARY:\n");
}

TEST_F(RegistryValues, DeletingAValueIsSeenByTheNextEnumeration)
{
    for (const WCHAR* name : {u"one", u"two", u"three"})
        ASSERT_EQ(Set(name, REG_DWORD, Bytes({1, 0, 0, 0})), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(m_key, u"TWO"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(m_key, u"two"), ERROR_FILE_NOT_FOUND);

    std::u16string names;
    LONG result = ERROR_SUCCESS;
    for (DWORD index = 0; result == ERROR_SUCCESS; ++index) {
        WCHAR name[16];
        DWORD cch = 16;
        result = RegEnumValueW(m_key, index, name, &cch, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS)
            names += std::u16string(name, cch) + u";";
    }
    EXPECT_EQ(result, ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(names, u"one;three;");
}

TEST_F(RegistryValues, EnumValueChecksBothBuffersBeforeCopyingEither)
{
    ASSERT_EQ(Set(u"Name", REG_BINARY, Bytes({1, 2, 3})), ERROR_SUCCESS);
    struct Case { DWORD cchIn; DWORD cbIn; LONG result; DWORD cchOut; DWORD cbOut; };
    const Case cases[] = {
        {5, 3, ERROR_SUCCESS,   4, 3},
        {4, 3, ERROR_MORE_DATA, 5, 3},   // the name needs room for its terminator
        {5, 2, ERROR_MORE_DATA, 5, 3},
        {1, 0, ERROR_MORE_DATA, 5, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        WCHAR name[8];
        std::fill(std::begin(name), std::end(name), u'#');
        BYTE data[8];
        std::fill(std::begin(data), std::end(data), BYTE{0xAB});
        DWORD cch = c.cchIn;
        DWORD cb = c.cbIn;
        DWORD type = 0;
        EXPECT_EQ(RegEnumValueW(m_key, 0, name, &cch, nullptr, &type, data, &cb), c.result);
        EXPECT_EQ(cch, c.cchOut);
        EXPECT_EQ(cb, c.cbOut);
        EXPECT_EQ(type, DWORD{REG_BINARY});
        if (c.result == ERROR_SUCCESS) {
            EXPECT_EQ(std::u16string(name), u"Name");
            EXPECT_EQ(data[2], 3);
        } else {
            EXPECT_EQ(name[0], u'#');
            EXPECT_EQ(data[0], 0xAB);
        }
    }
    WCHAR name[8];
    DWORD cch = 8;
    EXPECT_EQ(RegEnumValueW(m_key, 1, name, &cch, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumValueW(m_key, 0, nullptr, &cch, nullptr, nullptr, nullptr, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryValues, AnInjectedWriteFaultRefusesEachWriteAndChangesNothing)
{
    HKEY leaf = nullptr;
    ASSERT_EQ(RegCreateKeyExW(m_key, u"Leaf", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &leaf, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(leaf);
    ASSERT_EQ(Set(u"Keep", REG_DWORD, Bytes({1, 0, 0, 0})), ERROR_SUCCESS);
    const std::string before = host::RegistryDump(HKEY_CURRENT_USER);

    struct Case { const char* what; std::function<LONG()> write; };
    const Case cases[] = {
        {"new value",      [&] { return Set(u"New", REG_DWORD, Bytes({2, 0, 0, 0})); }},
        {"existing value", [&] { return Set(u"Keep", REG_DWORD, Bytes({2, 0, 0, 0})); }},
        {"delete value",   [&] { return RegDeleteValueW(m_key, u"Keep"); }},
        {"delete key",     [&] { return RegDeleteKeyW(m_key, u"Leaf"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host::InjectFault(host::Fault::RegistryWrite, 1);
        EXPECT_EQ(c.write(), ERROR_ACCESS_DENIED);
        EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), before);
        host::ClearFaults();
    }

    host::InjectFault(host::Fault::RegistryWrite, 2);   // the second write from now fails, the others pass
    EXPECT_EQ(Set(u"First", REG_DWORD, Bytes({1, 0, 0, 0})), ERROR_SUCCESS);
    EXPECT_EQ(Set(u"Second", REG_DWORD, Bytes({1, 0, 0, 0})), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Set(u"Third", REG_DWORD, Bytes({1, 0, 0, 0})), ERROR_SUCCESS);
}
