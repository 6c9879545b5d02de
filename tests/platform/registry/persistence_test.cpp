// persistence_test.cpp - keeping the registry in registry.txt under the world root between runs.
#include "host/faults.h"
#include "host/inspect.h"
#include "host/world.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

class RegistryFile : public WorldTest {
protected:
    // Both trees as text: what a later run must find again.
    static std::string WholeRegistry()
    {
        return host::RegistryDump(HKEY_CURRENT_USER) + host::RegistryDump(HKEY_LOCAL_MACHINE);
    }

    std::string FileText() const
    {
        std::ifstream in(m_root / "registry.txt", std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    // A new run on the same world root: the registry starts empty and is loaded from the file.
    void Restart()
    {
        host::CreateWorld(m_root);
        ASSERT_EQ(WholeRegistry(), "[HKEY_CURRENT_USER]\n[HKEY_LOCAL_MACHINE]\n");
        host::KeepRegistryInFile(true);
    }
};

static LONG SetValue(HKEY root, const WCHAR* path, const WCHAR* name, DWORD type, const std::vector<BYTE>& bytes)
{
    HKEY key = nullptr;
    LONG result = RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS)
        return result;
    result = RegSetValueExW(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    return result;
}

TEST_F(RegistryFile, ANewRunFindsEveryKeyAndValueWithItsExactTypeAndBytes)
{
    host::KeepRegistryInFile(true);
    const WCHAR* path = u"Software\\\u30D7\u30EA\u30F3\u30BF";   // a Japanese key name
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, path, u"Text", REG_SZ, {'a', 0, 0, 0}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, path, u"Odd", REG_SZ, {'a', 0, 'b'}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, path, u"Number", REG_DWORD, {4, 3, 2, 1}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, path, u"None", REG_BINARY, {}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, path, u"", 0xFFFFFFFF, {0, 0xFF}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, path, u"q\"%\\\n[x]", REG_BINARY, {'\n', '"'}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_LOCAL_MACHINE, u"SYSTEM\\Empty Key]", nullptr, REG_NONE, {}), ERROR_SUCCESS);
    HKEY bare = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, u"SYSTEM\\Bare", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &bare,
                              nullptr), ERROR_SUCCESS);
    RegCloseKey(bare);
    const std::string before = WholeRegistry();

    Restart();
    EXPECT_EQ(WholeRegistry(), before);
    BYTE odd[4] = {};
    DWORD cb = sizeof odd;
    DWORD type = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ, &key), ERROR_SUCCESS);
    ASSERT_EQ(RegQueryValueExW(key, u"ODD", nullptr, &type, odd, &cb), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD{REG_SZ});
    EXPECT_EQ(cb, 3u);
    EXPECT_EQ(odd[2], 'b');
    RegCloseKey(key);
}

TEST_F(RegistryFile, HoldsEachChangeAsItHappensAndNoWriteThatFailed)
{
    host::KeepRegistryInFile(true);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, u"Software\\App", u"A", REG_DWORD, {1, 0, 0, 0}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, u"Software\\App", u"B", REG_DWORD, {2, 0, 0, 0}), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, u"Software\\Gone", u"C", REG_DWORD, {3, 0, 0, 0}), ERROR_SUCCESS);
    HKEY app = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\App", 0, KEY_ALL_ACCESS, &app), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValueW(app, u"A"), ERROR_SUCCESS);
    RegCloseKey(app);
    EXPECT_EQ(RegDeleteKeyW(HKEY_CURRENT_USER, u"Software\\Gone"), ERROR_SUCCESS);
    host::InjectFault(host::Fault::RegistryWrite, 1);
    EXPECT_EQ(SetValue(HKEY_CURRENT_USER, u"Software\\App", u"Failed", REG_DWORD, {4, 0, 0, 0}),
              ERROR_ACCESS_DENIED);
    const std::string before = WholeRegistry();

    Restart();
    EXPECT_EQ(WholeRegistry(), before);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, u"Software"),
              "[HKEY_CURRENT_USER\\Software]\n"
              "[HKEY_CURRENT_USER\\Software\\App]\n"
              "\"B\" = REG_DWORD: 0x00000002\n");
}

TEST_F(RegistryFile, IsWrittenOnlyWhileKept)
{
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, u"Software", u"Before", REG_DWORD, {1, 0, 0, 0}), ERROR_SUCCESS);
    EXPECT_FALSE(std::filesystem::exists(m_root / "registry.txt")) << "tests keep the registry in memory";

    host::KeepRegistryInFile(true);
    EXPECT_NE(FileText().find("\"Before\""), std::string::npos) << "switching on writes what is there already";
    host::KeepRegistryInFile(false);
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, u"Software", u"Off", REG_DWORD, {1, 0, 0, 0}), ERROR_SUCCESS);
    EXPECT_EQ(FileText().find("\"Off\""), std::string::npos);

    host::KeepRegistryInFile(true);
    host::CreateWorld(m_root);   // a new world keeps its registry in memory until told otherwise
    ASSERT_EQ(SetValue(HKEY_CURRENT_USER, u"Software", u"NewWorld", REG_DWORD, {1, 0, 0, 0}), ERROR_SUCCESS);
    EXPECT_EQ(FileText().find("\"NewWorld\""), std::string::npos);
    EXPECT_NE(FileText().find("\"Off\""), std::string::npos);
}

TEST_F(RegistryFile, LoadsTheLinesThatReadBackAndPassesOverTheRest)
{
    {
        std::ofstream out(m_root / "registry.txt", std::ios::binary);
        out << "[HKEY_CURRENT_USER\\Software\\Good]\r\n"
               "\"Kept\" = REG_DWORD: 05 00 00 00\r\n"
               "\"Bad hex\" = REG_BINARY: 0g\n"
               "\"Bad escape%00\" = REG_BINARY: 01\n"
               "garbage\n"
               "[HKEY_CLASSES_ROOT\\Elsewhere]\n"
               "\"Orphan\" = REG_BINARY: 01\n"
               "[HKEY_LOCAL_MACHINE\\A\\\\B]\n"
               "\"Also orphan\" = REG_BINARY: 01\n"
               "[HKEY_LOCAL_MACHINE\\SYSTEM]\n"
               "\"Typed\" = 0x00000010: 0a\n";
    }
    host::KeepRegistryInFile(true);
    EXPECT_EQ(WholeRegistry(),
              "[HKEY_CURRENT_USER]\n"
              "[HKEY_CURRENT_USER\\Software]\n"
              "[HKEY_CURRENT_USER\\Software\\Good]\n"
              "\"Kept\" = REG_DWORD: 0x00000005\n"
              "[HKEY_LOCAL_MACHINE]\n"
              "[HKEY_LOCAL_MACHINE\\SYSTEM]\n"
              "\"Typed\" = 0x00000010: 0a\n");
}
