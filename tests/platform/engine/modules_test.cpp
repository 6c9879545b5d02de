// modules_test.cpp - EngLoadModule and EngFreeModule over files of the world.
#include "support/world_fixture.h"
#include "win/winddi.h"

#include <fstream>

using EngineModules = WorldTest;

TEST_F(EngineModules, LoadsAnExistingFileAndRefusesAMissingOne)
{
    {
        std::ofstream file(m_root / "c" / "TEMP" / "data.bin", std::ios::binary);
        file << "module bytes";
    }
    WCHAR path[] = u"C:\\temp\\DATA.BIN";
    HANDLE module = EngLoadModule(path);
    ASSERT_NE(module, nullptr);
    EngFreeModule(module);
    EngFreeModule(module);   // a second free is ignored

    WCHAR missing[] = u"C:\\TEMP\\none.bin";
    EXPECT_EQ(EngLoadModule(missing), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    WCHAR folder[] = u"C:\\TEMP";
    EXPECT_EQ(EngLoadModule(folder), nullptr);
    EXPECT_EQ(EngLoadModule(nullptr), nullptr);
}
