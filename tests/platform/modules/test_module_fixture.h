#pragma once
// test_module_fixture.h - a fresh world with the test module TESTMOD.DLL linked into its driver folder, and
// the helpers that place built modules in the world.

#include "platform/modules/test_module.h"
#include "host/text.h"
#include "host/world.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <dlfcn.h>
#include <filesystem>
#include <string>

inline constexpr std::u16string_view kTestSystemDir = u"C:\\WINDOWS\\system32";
inline constexpr std::u16string_view kTestDriverDir = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3";

// The folder the modules are built into: the platform library's own folder.
inline std::filesystem::path BuiltModuleFolder()
{
    Dl_info info = {};
    void* symbol = dlsym(RTLD_DEFAULT, "LoadLibraryW");
    if (symbol == nullptr || dladdr(symbol, &info) == 0 || info.dli_fname == nullptr)
        return {};
    return std::filesystem::path(info.dli_fname).parent_path();
}

// Links the built module builtName into a folder of the world as linkName; answers the link's Windows path.
inline std::u16string LinkBuiltModule(std::u16string_view windowsFolder, const char* builtName,
                                      std::u16string_view linkName)
{
    const std::u16string windowsPath = std::u16string(windowsFolder) + u"\\" + std::u16string(linkName);
    std::filesystem::create_symlink(BuiltModuleFolder() / builtName, host::MapWindowsPath(windowsPath));
    return windowsPath;
}

class TestModuleTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        // A handle of the test's own keeps the module mapped, so its record outlives FreeLibrary.
        m_library = dlopen((BuiltModuleFolder() / "TESTMOD.DLL").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_library, nullptr) << dlerror();
        m_record = static_cast<TestModuleRecord*>(dlsym(m_library, TEST_MODULE_RECORD_SYMBOL));
        ASSERT_NE(m_record, nullptr);
        *m_record = {};
        m_path = LinkBuiltModule(kTestDriverDir, "TESTMOD.DLL", u"TESTMOD.DLL");
    }

    void TearDown() override
    {
        if (m_library != nullptr)
            dlclose(m_library);
        WorldTest::TearDown();
    }

    void* m_library = nullptr;
    TestModuleRecord* m_record = nullptr;
    std::u16string m_path;   // where TESTMOD.DLL lies in the world's driver folder
};
