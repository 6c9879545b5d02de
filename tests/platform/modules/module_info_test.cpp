// module_info_test.cpp - GetProcAddress, GetModuleHandleW and GetModuleFileNameW.
#include "platform/modules/test_module_fixture.h"

#include <vector>

using ModuleInfo = TestModuleTest;

TEST_F(ModuleInfo, GetProcAddressFindsTheModulesOwnExportsOnly)
{
    const HMODULE hModule = LoadLibraryW(m_path.c_str());
    ASSERT_NE(hModule, nullptr);
    const auto add = reinterpret_cast<TestModuleAddFn>(
        reinterpret_cast<void*>(GetProcAddress(hModule, TEST_MODULE_FUNCTION_SYMBOL)));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add(2, 3), 5);

    struct Case { HMODULE hModule; LPCSTR name; DWORD error; };
    const Case cases[] = {
        {hModule,                          "NoSuchFunction",         ERROR_PROC_NOT_FOUND},
        {hModule,                          "GetModuleFileNameW",     ERROR_PROC_NOT_FOUND},   // imported, not its own
        {hModule,                          "malloc",                 ERROR_PROC_NOT_FOUND},
        {hModule,                          reinterpret_cast<LPCSTR>(1), ERROR_PROC_NOT_FOUND}, // by ordinal
        {hModule,                          nullptr,                  ERROR_PROC_NOT_FOUND},
        {nullptr,                          TEST_MODULE_FUNCTION_SYMBOL, ERROR_PROC_NOT_FOUND}, // the program
        {reinterpret_cast<HMODULE>(0x1234), TEST_MODULE_FUNCTION_SYMBOL, ERROR_MOD_NOT_FOUND},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(c.hModule, c.name), nullptr);
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_TRUE(FreeLibrary(hModule));
    EXPECT_EQ(GetProcAddress(hModule, TEST_MODULE_FUNCTION_SYMBOL), nullptr) << "freed";
}

TEST_F(ModuleInfo, SystemModulesExportThePlatformsCalls)
{
    void* const getLastError = dlsym(RTLD_DEFAULT, "GetLastError");
    ASSERT_NE(getLastError, nullptr);
    for (const WCHAR* name : {u"WINSPOOL.DRV", u"SHFOLDER.DLL", u"KERNEL32.DLL", u"user32", u"GDI32.DLL",
                              u"hhctrl.ocx"}) {
        SCOPED_TRACE(host::ToUtf8(name));
        const HMODULE hModule = LoadLibraryW(name);
        ASSERT_NE(hModule, nullptr) << GetLastError();
        EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(hModule, "GetLastError")), getLastError);
        SetLastError(0);
        EXPECT_EQ(GetProcAddress(hModule, "malloc"), nullptr) << "the C library's, not the platform's";
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
        EXPECT_TRUE(FreeLibrary(hModule));
    }
}

TEST_F(ModuleInfo, GetModuleHandleWMatchesLoadedNamesWithoutTakingAReference)
{
    const HMODULE hModule = LoadLibraryW(m_path.c_str());
    ASSERT_NE(hModule, nullptr);
    struct Case { const WCHAR* name; bool found; };
    const Case cases[] = {
        {u"TESTMOD.DLL",                                                   true },
        {u"testmod",                                                       true },   // ".DLL" implied
        {u"TestMod.Dll",                                                   true },
        {u"c:\\windows\\system32\\SPOOL\\drivers\\W32X86\\3\\testmod.dll", true },
        {u"TESTMOD.",                                                      false},   // a name without extension
        {u"C:\\TEMP\\TESTMOD.DLL",                                         false},   // another file
        {u"OTHER.DLL",                                                     false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(host::ToUtf8(c.name));
        SetLastError(0);
        EXPECT_EQ(GetModuleHandleW(c.name), c.found ? hModule : nullptr);
        if (!c.found) {
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
        }
    }

    const HMODULE program = GetModuleHandleW(nullptr);
    EXPECT_NE(program, nullptr);
    EXPECT_NE(program, hModule);
    EXPECT_EQ(GetModuleHandleW(u"app.exe"), program) << "the program, by its file name";

    EXPECT_TRUE(FreeLibrary(hModule));
    EXPECT_EQ(m_record->detachCalls, 1) << "GetModuleHandleW took no reference";
    EXPECT_EQ(GetModuleHandleW(u"TESTMOD.DLL"), nullptr);
}

TEST_F(ModuleInfo, GetModuleFileNameWCutsToTheBufferAndTerminates)
{
    const HMODULE hModule = LoadLibraryW(m_path.c_str());
    ASSERT_NE(hModule, nullptr);
    host::SetProcessFileName(u"C:\\Program Files\\Office\\EXCEL.EXE");
    const std::u16string program = u"C:\\Program Files\\Office\\EXCEL.EXE";

    struct Case { HMODULE hModule; std::u16string path; DWORD nSize; };
    const Case cases[] = {
        {hModule, m_path,  static_cast<DWORD>(m_path.size() + 1)},
        {hModule, m_path,  static_cast<DWORD>(m_path.size())},
        {hModule, m_path,  1},
        {hModule, m_path,  0},
        {nullptr, program, MAX_PATH},
        {nullptr, program, static_cast<DWORD>(program.size())},
        {nullptr, program, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases) << ", nSize " << c.nSize);
        std::vector<WCHAR> buffer(MAX_PATH + 1, u'#');   // what lies past nSize must stay untouched
        SetLastError(0);
        const DWORD result = GetModuleFileNameW(c.hModule, buffer.data(), c.nSize);
        const bool fits = c.path.size() < c.nSize;
        if (fits) {
            EXPECT_EQ(result, c.path.size());
            EXPECT_EQ(std::u16string(buffer.data()), c.path);
        } else {
            EXPECT_EQ(result, c.nSize);
            EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
            if (c.nSize > 0) {
                EXPECT_EQ(std::u16string(buffer.data()), c.path.substr(0, c.nSize - 1));
            }
        }
        EXPECT_EQ(buffer[c.nSize], u'#');
    }
    EXPECT_TRUE(FreeLibrary(hModule));

    SetLastError(0);
    WCHAR buffer[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(hModule, buffer, MAX_PATH), 0u) << "freed";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
}
