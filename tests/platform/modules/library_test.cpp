// library_test.cpp - LoadLibraryW and FreeLibrary: finding modules in the world, counting references,
// calling the entry point, and refusing what cannot be loaded.
#include "platform/modules/test_module_fixture.h"

#include <fstream>

using Library = TestModuleTest;

static std::u16string FileNameOf(HMODULE hModule)
{
    WCHAR name[MAX_PATH] = {};
    GetModuleFileNameW(hModule, name, MAX_PATH);
    return name;
}

TEST_F(Library, AttachesAtTheFirstLoadAndDetachesAtTheLastFree)
{
    const HMODULE first = LoadLibraryW(m_path.c_str());
    ASSERT_NE(first, nullptr) << GetLastError();
    EXPECT_EQ(m_record->attachCalls, 1);
    EXPECT_EQ(m_record->attachInstance, first);
    // The entry point may use its handle at once.
    EXPECT_EQ(std::u16string(m_record->attachFileName), m_path);

    EXPECT_EQ(LoadLibraryW(m_path.c_str()), first);
    EXPECT_EQ(m_record->attachCalls, 1);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(m_record->detachCalls, 0) << "one reference is left";
    EXPECT_EQ(GetModuleHandleW(m_path.c_str()), first);

    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_EQ(m_record->detachCalls, 1);
    EXPECT_EQ(m_record->detachReserved, nullptr) << "FreeLibrary, not the end of the process";
    EXPECT_EQ(GetModuleHandleW(m_path.c_str()), nullptr);

    SetLastError(0);
    EXPECT_FALSE(FreeLibrary(first));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(m_record->detachCalls, 1);
}

TEST_F(Library, TwoPathsToOneFileAreOneModuleKnownByItsFirstPath)
{
    const std::u16string other = LinkBuiltModule(kTestSystemDir, "TESTMOD.DLL", u"OTHER.DLL");
    const HMODULE byDriverPath = LoadLibraryW(m_path.c_str());
    ASSERT_NE(byDriverPath, nullptr);
    EXPECT_EQ(LoadLibraryW(u"c:\\windows\\SYSTEM32\\other.dll"), byDriverPath);
    EXPECT_EQ(m_record->attachCalls, 1);
    EXPECT_EQ(FileNameOf(byDriverPath), m_path);

    EXPECT_TRUE(FreeLibrary(byDriverPath));
    EXPECT_TRUE(FreeLibrary(byDriverPath));
    EXPECT_EQ(m_record->detachCalls, 1);
}

TEST_F(Library, BareNamesAreSearchedInTheSystemFolderThenTheWindowsFolder)
{
    LinkBuiltModule(kTestSystemDir, "TESTMOD.DLL", u"SysMod.dll");
    LinkBuiltModule(u"C:\\WINDOWS", "TESTMOD.DLL", u"WINMOD.DLL");
    LinkBuiltModule(u"C:\\WINDOWS", "TESTMOD.DLL", u"NOEXT");
    struct Case { std::u16string name; std::u16string loadedAs; };
    const Case cases[] = {
        {u"sysmod.dll",  u"C:\\WINDOWS\\system32\\SysMod.dll"},   // the name the file has
        {u"SYSMOD",      u"C:\\WINDOWS\\system32\\SysMod.dll"},   // ".DLL" is implied
        {u"winmod",      u"C:\\WINDOWS\\WINMOD.DLL"},
        {u"NOEXT.",      u"C:\\WINDOWS\\NOEXT"},                  // a trailing dot: no extension
        {u"NOEXT",       u""},                                     // would be NOEXT.DLL
        {u"TESTMOD.DLL", u""},                                     // the driver folder is not searched
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.name));
        SetLastError(0);
        const HMODULE hModule = LoadLibraryW(c.name.c_str());
        if (c.loadedAs.empty()) {
            EXPECT_EQ(hModule, nullptr);
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
            continue;
        }
        ASSERT_NE(hModule, nullptr) << GetLastError();
        EXPECT_EQ(FileNameOf(hModule), c.loadedAs);
        EXPECT_TRUE(FreeLibrary(hModule));
    }
    EXPECT_EQ(m_record->attachCalls, 4);
    EXPECT_EQ(m_record->detachCalls, 4);
}

TEST_F(Library, ABareNameFindsAModuleAlreadyLoadedFromAnyFolder)
{
    const HMODULE byPath = LoadLibraryW(m_path.c_str());
    ASSERT_NE(byPath, nullptr);
    EXPECT_EQ(LoadLibraryW(u"testmod"), byPath);
    EXPECT_TRUE(FreeLibrary(byPath));
    EXPECT_TRUE(FreeLibrary(byPath));
    EXPECT_EQ(m_record->detachCalls, 1);
}

TEST_F(Library, AnEntryPointAnsweringFalseFailsTheLoad)
{
    m_record->failAttach = TRUE;
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(m_path.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_DLL_INIT_FAILED));
    EXPECT_EQ(m_record->attachCalls, 1);
    EXPECT_EQ(m_record->detachCalls, 1) << "a failed attach is followed by detach";
    EXPECT_EQ(GetModuleHandleW(u"TESTMOD.DLL"), nullptr);

    m_record->failAttach = FALSE;
    const HMODULE hModule = LoadLibraryW(m_path.c_str());
    ASSERT_NE(hModule, nullptr);
    EXPECT_EQ(m_record->attachCalls, 2);
    EXPECT_TRUE(FreeLibrary(hModule));
}

TEST_F(Library, RefusesMissingModulesAndFilesThatAreNoLibrary)
{
    std::ofstream(host::MapWindowsPath(u"C:\\TEMP\\TEXT.DLL")) << "not a library";
    struct Case { const WCHAR* name; DWORD error; };
    const Case cases[] = {
        {u"C:\\TEMP\\MISSING.DLL",                          ERROR_MOD_NOT_FOUND},
        {u"MISSING.DLL",                                     ERROR_MOD_NOT_FOUND},
        {u"C:\\NOFOLDER\\TESTMOD.DLL",                      ERROR_MOD_NOT_FOUND},
        {u"C:\\WINDOWS\\system32\\spool",                   ERROR_MOD_NOT_FOUND},   // a folder
        {u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\WINSPOOL.DRV", ERROR_MOD_NOT_FOUND},
        {u"C:\\TEMP\\TEXT.DLL",                             ERROR_BAD_EXE_FORMAT},
        {nullptr,                                            ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name != nullptr ? host::ToUtf8(c.name) : "null");
        SetLastError(0);
        EXPECT_EQ(LoadLibraryW(c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
}

TEST_F(Library, RefusesALibraryThatRefusesItsResourceDirectory)
{
    m_record->refuseResources = TRUE;
    SetLastError(0);
    EXPECT_EQ(LoadLibraryW(m_path.c_str()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
    EXPECT_EQ(m_record->attachCalls, 0);
    EXPECT_EQ(GetModuleHandleW(u"TESTMOD.DLL"), nullptr);
}

TEST_F(Library, SystemModulesLoadByNameOrSystemPathWithoutAFile)
{
    const HMODULE byName = LoadLibraryW(u"WINSPOOL.DRV");
    ASSERT_NE(byName, nullptr) << GetLastError();
    EXPECT_EQ(LoadLibraryW(u"C:\\WINDOWS\\system32\\winspool.drv"), byName);
    EXPECT_EQ(FileNameOf(byName), u"C:\\WINDOWS\\system32\\WINSPOOL.DRV");
    const HMODULE folder = LoadLibraryW(u"shfolder");
    ASSERT_NE(folder, nullptr);
    EXPECT_NE(folder, byName);

    EXPECT_TRUE(FreeLibrary(byName));
    EXPECT_TRUE(FreeLibrary(byName));
    EXPECT_EQ(GetModuleHandleW(u"WINSPOOL.DRV"), nullptr);
    EXPECT_TRUE(FreeLibrary(folder));
}

TEST_F(Library, ANewWorldEndsTheModulesOfTheOldOne)
{
    const HMODULE hModule = LoadLibraryW(m_path.c_str());
    ASSERT_NE(hModule, nullptr);
    host::CreateWorld(m_root);
    EXPECT_EQ(m_record->detachCalls, 1);
    EXPECT_NE(m_record->detachReserved, nullptr) << "the process ends, FreeLibrary was not called";
    EXPECT_EQ(GetModuleHandleW(u"TESTMOD.DLL"), nullptr);
    EXPECT_FALSE(FreeLibrary(hModule));
}

// Without a handle of the test's own, the library is really unmapped once its last reference goes.
using LibraryMapping = WorldTest;

TEST_F(LibraryMapping, FreeingTheLastReferenceUnmapsTheLibrary)
{
    const std::u16string path = LinkBuiltModule(kTestDriverDir, "TESTMOD.DLL", u"TESTMOD.DLL");
    const std::string hostFile = (BuiltModuleFolder() / "TESTMOD.DLL").string();
    const HMODULE hModule = LoadLibraryW(path.c_str());
    ASSERT_NE(hModule, nullptr);
    void* mapped = dlopen(hostFile.c_str(), RTLD_NOW | RTLD_NOLOAD);
    ASSERT_NE(mapped, nullptr);
    dlclose(mapped);

    EXPECT_TRUE(FreeLibrary(hModule));
    mapped = dlopen(hostFile.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(mapped, nullptr);
    if (mapped != nullptr)
        dlclose(mapped);
}
