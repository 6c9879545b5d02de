// registry_services_test.cpp - whole-value reads and writes by key path.
#include "settings/registry/registry_services.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const WCHAR* kPath = u"Software\\Test";

class RegistryServices : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override
    {
        RegCloseKey(m_key);
        WorldTest::TearDown();
    }

    void Store(const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes)
    {
        ASSERT_EQ(RegSetValueExW(m_key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

    HKEY m_key = nullptr;
};

std::vector<BYTE> TextBytes(const std::u16string& text)
{
    std::vector<BYTE> bytes(text.size() * sizeof(WCHAR));
    std::memcpy(bytes.data(), text.data(), bytes.size());
    return bytes;
}

} // namespace

TEST_F(RegistryServices, ReadsAFixedSizeValueOnlyWhenTypeAndSizeMatch)
{
    Store(u"Dword", REG_DWORD, {1, 2, 3, 4});
    Store(u"Short", REG_DWORD, {1, 2});
    Store(u"Block", REG_BINARY, {9, 8, 7, 6, 5, 4});

    struct Case {
        const WCHAR* name;
        DWORD type;
        DWORD cbData;
        BOOL expected;
    };
    const Case cases[] = {
        {u"Dword",   REG_DWORD,  4, TRUE },
        {u"Dword",   REG_BINARY, 4, FALSE},   // another type
        {u"Short",   REG_DWORD,  4, FALSE},   // two bytes must not pass for a whole DWORD
        {u"Block",   REG_BINARY, 4, FALSE},   // longer than the field
        {u"Block",   REG_BINARY, 8, FALSE},   // shorter than the field
        {u"Block",   REG_BINARY, 6, TRUE },
        {u"Missing", REG_DWORD,  4, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        BYTE field[8];
        std::memset(field, 0xAB, sizeof field);
        EXPECT_EQ(QueryRegValue(HKEY_CURRENT_USER, kPath, c.type, c.name, field, c.cbData), c.expected);
        if (!c.expected) {
            EXPECT_EQ(field[0], 0xAB) << "a failed read changed the field";
        }
    }
    DWORD value = 0;
    ASSERT_TRUE(QueryRegValue(HKEY_CURRENT_USER, kPath, REG_DWORD, u"Dword", &value, sizeof value));
    EXPECT_EQ(value, 0x04030201u);
}

TEST_F(RegistryServices, ReadsTextCutAndTerminatedAtTheField)
{
    Store(u"Short", REG_SZ, TextBytes(std::u16string(u"abc", 4)));
    Store(u"Unterminated", REG_SZ, TextBytes(u"abcdef"));
    Store(u"Long", REG_SZ, TextBytes(std::u16string(u"abcdefghij", 11)));

    WCHAR field[6];
    std::memset(field, 0xAB, sizeof field);
    ASSERT_TRUE(QueryRegValue(HKEY_CURRENT_USER, kPath, REG_SZ, u"Short", field, sizeof field));
    EXPECT_EQ(std::u16string(field), u"abc");
    EXPECT_EQ(field[5], u'\0') << "stale bytes after the text";

    ASSERT_TRUE(QueryRegValue(HKEY_CURRENT_USER, kPath, REG_SZ, u"Unterminated", field, sizeof field));
    EXPECT_EQ(std::u16string(field), u"abcde");

    EXPECT_FALSE(QueryRegValue(HKEY_CURRENT_USER, kPath, REG_SZ, u"Long", field, sizeof field));
}

TEST_F(RegistryServices, SetWritesIntoAnExistingKeyOnly)
{
    const DWORD version = 0x8402;
    EXPECT_TRUE(SetRegValue(HKEY_CURRENT_USER, kPath, REG_DWORD, u"DriverVersion", &version, sizeof version));
    DWORD read = 0;
    EXPECT_TRUE(QueryRegValue(HKEY_CURRENT_USER, kPath, REG_DWORD, u"DriverVersion", &read, sizeof read));
    EXPECT_EQ(read, version);

    const std::string before = host::RegistryDump(HKEY_CURRENT_USER);
    EXPECT_FALSE(SetRegValue(HKEY_CURRENT_USER, u"Software\\Test\\Missing", REG_DWORD, u"DriverVersion", &version,
                             sizeof version));
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER), before);
}
