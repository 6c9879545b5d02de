// world_test.cpp - the world's folders and the mapping of Windows paths into it.
#include "host/world.h"
#include "support/world_fixture.h"

#include <fstream>

using WorldPaths = WorldTest;

TEST_F(WorldPaths, CreatesTheStandardFolders)
{
    EXPECT_TRUE(std::filesystem::is_directory(m_root / "c" / "WINDOWS" / "system32"));
    EXPECT_TRUE(std::filesystem::is_directory(m_root / "c" / "WINDOWS" / "system32" / "spool" / "drivers" / "w32x86" / "3"));
    EXPECT_TRUE(std::filesystem::is_directory(m_root / "c" / "TEMP"));
}

TEST_F(WorldPaths, MapsWindowsPathsCaseInsensitivelyIntoTheRoot)
{
    struct Case { std::u16string windows; std::filesystem::path expected; };
    const Case cases[] = {
        {u"C:\\WINDOWS\\system32", m_root / "c" / "WINDOWS" / "system32"},
        {u"c:\\windows\\SYSTEM32\\", m_root / "c" / "WINDOWS" / "system32"},
        {u"C:/Temp/a.txt", m_root / "c" / "TEMP" / "a.txt"},
        {u"D:\\New\\Folder", m_root / "d" / "New" / "Folder"},
        {u"C:\\TEMP\\..\\TEMP\\.\\x", m_root / "c" / "TEMP" / "x"},
        {u"relative.txt", m_root / "c" / "relative.txt"},
        {u"\\\\server\\share\\f", m_root / "unc" / "server" / "share" / "f"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.windows.begin(), c.windows.end()));
        EXPECT_EQ(host::MapWindowsPath(c.windows), c.expected);
    }
}

TEST_F(WorldPaths, PrefersTheExactNameWhenTwoEntriesDifferOnlyInCase)
{
    std::filesystem::create_directories(m_root / "c" / "TEMP" / "Abc");
    std::filesystem::create_directories(m_root / "c" / "TEMP" / "abc");
    EXPECT_EQ(host::MapWindowsPath(u"C:\\TEMP\\abc"), m_root / "c" / "TEMP" / "abc");
    EXPECT_EQ(host::MapWindowsPath(u"C:\\TEMP\\Abc"), m_root / "c" / "TEMP" / "Abc");
}
