// exports_test.cpp - the graphics module loaded by name: its entry points' contracts and the hook table GDI
// gets from DrvEnableDriver.
#include "support/printer_fixture.h"
#include "win/winddi.h"

#include <vector>

namespace {

constexpr const WCHAR* kGraphicsModulePath = u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRG3.DLL";

class GraphicsModule : public PrinterWorldTest {
protected:
    void SetUp() override
    {
        PrinterWorldTest::SetUp();
        if (HasFatalFailure())
            return;
        m_module = LoadLibraryW(kGraphicsModulePath);
        ASSERT_NE(m_module, nullptr) << GetLastError();
    }

    void TearDown() override
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
        PrinterWorldTest::TearDown();
    }

    template <typename Fn>
    Fn Export(const char* name)
    {
        return reinterpret_cast<Fn>(GetProcAddress(m_module, name));
    }

    HMODULE m_module = nullptr;
};

TEST_F(GraphicsModule, QueryDriverInfoAnswersUserModeIntoFourBytesOnly)
{
    const auto query = Export<PFN_DrvQueryDriverInfo>("DrvQueryDriverInfo");
    ASSERT_NE(query, nullptr);
    struct Case { DWORD mode; bool withBuffer; DWORD cb; BOOL result; DWORD error; DWORD needed; };
    const Case cases[] = {
        {DRVQUERY_USERMODE, true,  4, TRUE,  0,                         4},
        {DRVQUERY_USERMODE, true,  8, TRUE,  0,                         4},
        {DRVQUERY_USERMODE, true,  3, FALSE, ERROR_INSUFFICIENT_BUFFER, 4},
        {DRVQUERY_USERMODE, false, 4, FALSE, ERROR_INSUFFICIENT_BUFFER, 4},
        {2,                 true,  4, FALSE, ERROR_INVALID_PARAMETER,   0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        DWORD buffer[2] = {0xAAAAAAAA, 0xAAAAAAAA};
        DWORD needed = 0;
        SetLastError(0);
        EXPECT_EQ(query(c.mode, c.withBuffer ? buffer : nullptr, c.cb, &needed), c.result);
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_EQ(needed, c.needed);
        EXPECT_EQ(buffer[0], c.result ? 1u : 0xAAAAAAAAu);
        EXPECT_EQ(buffer[1], 0xAAAAAAAAu) << "nothing past the four bytes";
    }
}

TEST_F(GraphicsModule, EnableDriverRefusesAnOldEngineOrAShortRecord)
{
    const auto enable = Export<PFN_DrvEnableDriver>("DrvEnableDriver");
    ASSERT_NE(enable, nullptr);
    struct Case { ULONG engine; ULONG cj; };
    for (const Case c : {Case{0x1FFFF, sizeof(DRVENABLEDATA)}, Case{DDI_DRIVER_VERSION_NT4, 11}}) {
        DRVENABLEDATA ded = {};
        SetLastError(0);
        EXPECT_FALSE(enable(c.engine, c.cj, &ded));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_DRIVER_LEVEL));
        EXPECT_EQ(ded.pdrvfn, nullptr);
    }
}

TEST_F(GraphicsModule, EnableDriverHandsOutTheTwentySixHooksInTheirSlotOrder)
{
    const auto enable = Export<PFN_DrvEnableDriver>("DrvEnableDriver");
    ASSERT_NE(enable, nullptr);
    DRVENABLEDATA ded = {};
    ASSERT_TRUE(enable(DDI_DRIVER_VERSION_NT5, sizeof ded, &ded));
    EXPECT_EQ(ded.iDriverVersion, 0x20000u);
    ASSERT_EQ(ded.c, 26u);
    // GDI and the spooler take the table as it comes; the slot order is the driver's published one.
    const std::vector<ULONG> expected = {0, 7, 1, 2, 3, 4, 35, 34, 33, 32, 57, 58, 24,
                                         25, 19, 18, 20, 69, 68, 14, 15, 16, 23, 37, 12, 13};
    std::vector<ULONG> indexes;
    for (ULONG i = 0; i < ded.c; ++i) {
        indexes.push_back(ded.pdrvfn[i].iFunc);
        EXPECT_NE(ded.pdrvfn[i].pfn, nullptr) << "slot " << i;
    }
    EXPECT_EQ(indexes, expected);
    const auto disable = Export<PFN_DrvDisableDriver>("DrvDisableDriver");
    ASSERT_NE(disable, nullptr);
    disable();
}

} // namespace
