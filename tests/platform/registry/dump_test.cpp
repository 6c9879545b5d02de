// dump_test.cpp - the registry as text, as tests and host programs read it.
#include "host/inspect.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <string>
#include <vector>

using RegistryDump = WorldTest;

static void SetValue(HKEY root, const WCHAR* path, const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())), ERROR_SUCCESS);
    RegCloseKey(key);
}

static std::vector<BYTE> Utf16Bytes(std::u16string_view text)
{
    std::vector<BYTE> bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<BYTE>(c & 0xFF));
        bytes.push_back(static_cast<BYTE>(c >> 8));
    }
    return bytes;
}

TEST_F(RegistryDump, ShowsTextAndNumbersReadablyAndEverythingElseAsBytes)
{
    const WCHAR* path = u"Software\\Example";
    SetValue(HKEY_CURRENT_USER, path, u"Title", REG_SZ, Utf16Bytes(std::u16string_view(u"Tray 2\0", 7)));
    SetValue(HKEY_CURRENT_USER, path, u"Count", REG_DWORD, {0x0A, 0, 0, 0});
    SetValue(HKEY_CURRENT_USER, path, u"Blob", REG_BINARY, {0x01, 0x02, 0xFF});
    SetValue(HKEY_CURRENT_USER, path, u"Cut", REG_SZ, Utf16Bytes(u"ab"));   // no terminator: shown as bytes
    SetValue(HKEY_CURRENT_USER, path, u"Path", REG_EXPAND_SZ, Utf16Bytes(std::u16string_view(u"%A%\0", 4)));
    SetValue(HKEY_CURRENT_USER, path, u"Odd", 0x00001234, {0x07});
    SetValue(HKEY_CURRENT_USER, path, u"Say \"hi\"\n", REG_SZ,
             Utf16Bytes(std::u16string_view(u"50% \u3042\0", 6)));
    SetValue(HKEY_CURRENT_USER, u"Software\\Example\\Empty", u"", REG_BINARY, {});

    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, u"software\\example"),
              "[HKEY_CURRENT_USER\\Software\\Example]\n"
              "\"Title\" = REG_SZ: \"Tray 2\"\n"
              "\"Count\" = REG_DWORD: 0x0000000a\n"
              "\"Blob\" = REG_BINARY: 01 02 ff\n"
              "\"Cut\" = REG_SZ: 61 00 62 00\n"
              "\"Path\" = REG_EXPAND_SZ: 25 00 41 00 25 00 00 00\n"
              "\"Odd\" = 0x00001234: 07\n"
              "\"Say %0022hi%0022%000a\" = REG_SZ: \"50%0025 \xE3\x81\x82\"\n"
              "[HKEY_CURRENT_USER\\Software\\Example\\Empty]\n"
              "\"\" = REG_BINARY:\n");
}

TEST_F(RegistryDump, IsEmptyForAMissingKeyOrARootThatIsNotKept)
{
    SetValue(HKEY_LOCAL_MACHINE, u"SYSTEM", u"v", REG_DWORD, {1, 0, 0, 0});
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, u"SYSTEM\\Missing"), "");
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, u"\\SYSTEM"), "");
    EXPECT_EQ(host::RegistryDump(HKEY_CLASSES_ROOT), "");
    EXPECT_EQ(host::RegistryDump(HKEY_LOCAL_MACHINE, u"SYSTEM"),
              "[HKEY_LOCAL_MACHINE\\SYSTEM]\n"
              "\"v\" = REG_DWORD: 0x00000001\n");
}
