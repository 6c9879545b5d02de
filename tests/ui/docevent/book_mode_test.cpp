// book_mode_test.cpp - the graphics mode and printer language of a spreadsheet's job, kept per user and printer
// from its STARTDOC and put back into the devmode of each reset of its device context.
#include "docevent_fixture.h"
#include "host/world.h"
#include "settings/registry/registry_paths.h"

#include <optional>

namespace {

constexpr const WCHAR* kExcel = u"C:\\Program Files\\Office\\EXCEL.EXE";

class BookMode : public DocumentEventTest {
protected:
    static std::u16string KeyPath()
    {
        WCHAR path[kRegPathChars] = {};
        BuildPrinterRegPath(path, kRegPathChars, kPrinterName, u"BookMode", nullptr);
        return path;
    }

    static void Store(const WCHAR* valueName, DWORD type, const void* data, DWORD cb)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, valueName, 0, type, static_cast<const BYTE*>(data), cb);
        RegCloseKey(key);
    }

    static void StoreDword(const WCHAR* valueName, DWORD value)
    {
        Store(valueName, REG_DWORD, &value, sizeof value);
    }

    // The stored DWORD; nothing when the key or the value is missing.
    static std::optional<DWORD> Stored(const WCHAR* valueName)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return std::nullopt;
        DWORD value = 0;
        DWORD cb = sizeof value;
        const LONG status = RegQueryValueExW(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &cb);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS)
            return std::nullopt;
        return value;
    }

    // The printer's default devmode, the driver's own.
    DRIVER_DEVMODE OwnDevmode()
    {
        DRIVER_DEVMODE dm = {};
        EXPECT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName),
                                      reinterpret_cast<PDEVMODEW>(&dm), nullptr, DM_OUT_BUFFER),
                  1L) << "IDOK";
        return dm;
    }

    INT ResetDcPre(HANDLE hPrinter, void* pdm, ULONG cbIn = sizeof(PDEVMODEW))
    {
        PDEVMODEW given = static_cast<PDEVMODEW>(pdm);
        return DrvDocumentEvent(hPrinter, nullptr, DOCUMENTEVENT_RESETDCPRE, cbIn, &given, 0, nullptr);
    }
};

TEST_F(BookMode, AResetGetsTheStoredValuesThatTheDevmodeByteAllows)
{
    struct Case {
        const char* what;
        std::optional<DWORD> gfx, pdl;   // stored; nothing: no value
        BYTE expectedGfx, expectedPdl;   // the devmode's bytes after the reset, from 1 and 0
    };
    const Case cases[] = {
        {"both stored",                2,   3,   2, 3},
        {"nothing kept",               0,   0,   1, 0},
        {"graphics mode only",         2,   0,   2, 0},
        {"a language beyond PCLXL",    2,   4,   2, 0},
        {"a mode beyond a byte",       258, 1,   1, 1},
        {"no values",                  {},  {},  1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RegDeleteKeyW(HKEY_CURRENT_USER, KeyPath().c_str());
        if (c.gfx)
            StoreDword(u"bGFXMode", *c.gfx);
        if (c.pdl)
            StoreDword(u"bPDLType", *c.pdl);
        DRIVER_DEVMODE dm = OwnDevmode();
        dm.dmPrivate.lpGraphicsMode = 1;
        dm.dmPrivate.lpPDLType = 0;
        DRIVER_DEVMODE expected = dm;
        expected.dmPrivate.lpGraphicsMode = c.expectedGfx;
        expected.dmPrivate.lpPDLType = c.expectedPdl;
        EXPECT_EQ(ResetDcPre(m_hPrinter, &dm), DOCUMENTEVENT_SUCCESS);
        EXPECT_EQ(std::memcmp(&dm, &expected, sizeof dm), 0) << "only the two bytes change";
    }
}

TEST_F(BookMode, AReadThatCreatesTheKeyStoresNothingKept)
{
    DRIVER_DEVMODE dm = OwnDevmode();
    const DRIVER_DEVMODE before = dm;
    EXPECT_EQ(Stored(u"bGFXMode"), std::nullopt);
    EXPECT_EQ(ResetDcPre(m_hPrinter, &dm), DOCUMENTEVENT_SUCCESS);
    EXPECT_EQ(std::memcmp(&dm, &before, sizeof dm), 0);
    EXPECT_EQ(Stored(u"bGFXMode"), 0u) << "the fresh key gets the value asked for";
    EXPECT_EQ(Stored(u"bPDLType"), std::nullopt) << "the second read finds the key and no value";
}

TEST_F(BookMode, StoredValuesOfAnotherTypeOrSizeAreNothingKept)
{
    const WCHAR text[] = u"2";
    const WORD word = 2;
    Store(u"bGFXMode", REG_SZ, text, sizeof text);
    Store(u"bPDLType", REG_BINARY, &word, sizeof word);
    DRIVER_DEVMODE dm = OwnDevmode();
    const DRIVER_DEVMODE before = dm;
    EXPECT_EQ(ResetDcPre(m_hPrinter, &dm), DOCUMENTEVENT_SUCCESS);
    EXPECT_EQ(std::memcmp(&dm, &before, sizeof dm), 0);
}

TEST_F(BookMode, OnlyTheDriversOwnDevmodeBehindAFourByteInputIsTouched)
{
    StoreDword(u"bGFXMode", 2);
    StoreDword(u"bPDLType", 1);
    DRIVER_DEVMODE foreign = OwnDevmode();
    foreign.dmPublic.dmDriverExtra = 100;           // another driver's private part
    const DRIVER_DEVMODE foreignBefore = foreign;
    EXPECT_EQ(ResetDcPre(m_hPrinter, &foreign), DOCUMENTEVENT_SUCCESS);
    EXPECT_EQ(std::memcmp(&foreign, &foreignBefore, sizeof foreign), 0);

    DRIVER_DEVMODE own = OwnDevmode();
    own.dmPrivate.lpGraphicsMode = 1;
    const DRIVER_DEVMODE ownBefore = own;
    for (ULONG cbIn : {0u, 2u, 8u}) {
        SCOPED_TRACE(testing::Message() << cbIn << " bytes in");
        EXPECT_EQ(ResetDcPre(m_hPrinter, &own, cbIn), DOCUMENTEVENT_SUCCESS);
        EXPECT_EQ(std::memcmp(&own, &ownBefore, sizeof own), 0);
    }
    EXPECT_EQ(ResetDcPre(m_hPrinter, nullptr), DOCUMENTEVENT_SUCCESS);
    EXPECT_EQ(DrvDocumentEvent(m_hPrinter, nullptr, DOCUMENTEVENT_RESETDCPRE, sizeof(PDEVMODEW), nullptr, 0,
                               nullptr),
              DOCUMENTEVENT_SUCCESS);
    EXPECT_EQ(ResetDcPre(nullptr, &own), DOCUMENTEVENT_SUCCESS) << "no printer: nothing to read";
    EXPECT_EQ(std::memcmp(&own, &ownBefore, sizeof own), 0);
    EXPECT_EQ(ResetDcPre(reinterpret_cast<HANDLE>(0x4321), &own), DOCUMENTEVENT_FAILURE)
        << "a printer without a name";
}

TEST_F(BookMode, TheSpreadsheetsJobIsStoredAndEveryOtherStartOrEndResetsIt)
{
    ASSERT_NE(OpenOwnDc(), nullptr) << GetLastError();
    const DRIVER_DEVMODE job = JobDevmode(m_hdc);
    struct Step { const char* what; const WCHAR* program; INT event; DWORD gfx, pdl; };
    const Step steps[] = {
        {"spreadsheet's start", kExcel,                      DOCUMENTEVENT_STARTDOC,   job.dmPrivate.lpGraphicsMode,
         job.dmPrivate.lpPDLType},
        {"its end",             kExcel,                      DOCUMENTEVENT_ENDDOCPOST, 0, 0},
        {"spreadsheet again",   u"D:\\OFFICE\\excel.exe",    DOCUMENTEVENT_STARTDOC,   job.dmPrivate.lpGraphicsMode,
         job.dmPrivate.lpPDLType},
        {"its abort",           kExcel,                      DOCUMENTEVENT_ABORTDOC,   0, 0},
        {"spreadsheet again",   kExcel,                      DOCUMENTEVENT_STARTDOC,   job.dmPrivate.lpGraphicsMode,
         job.dmPrivate.lpPDLType},
        {"another program",     u"C:\\Apps\\NOTEXCEL.EXE",   DOCUMENTEVENT_STARTDOC,   0, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        host::SetProcessFileName(s.program);
        StoreDword(u"bGFXMode", 77);
        EXPECT_EQ(DrvDocumentEvent(m_hPrinter, m_hdc, s.event, 0, nullptr, 0, nullptr), DOCUMENTEVENT_SUCCESS);
        EXPECT_EQ(Stored(u"bGFXMode"), s.gfx);
        EXPECT_EQ(Stored(u"bPDLType"), s.pdl);
    }
    EXPECT_NE(job.dmPrivate.lpGraphicsMode, 0) << "a stored 0 would prove nothing";
}

TEST_F(BookMode, TheSpreadsheetsGraphicsModeSurvivesTheResetOfItsDeviceContext)
{
    host::SetProcessFileName(kExcel);
    DRIVER_DEVMODE dm = OwnDevmode();
    dm.dmPrivate.lpGraphicsMode = 2;
    ASSERT_NE(OpenOwnDc(&dm.dmPublic), nullptr) << GetLastError();
    ASSERT_EQ(JobDevmode(m_hdc).dmPrivate.lpGraphicsMode, 2);
    DOCINFOW di = {sizeof di, u"Workbook", nullptr, nullptr, 0};
    ASSERT_GT(StartDocW(m_hdc, &di), 0);
    ASSERT_GT(StartPage(m_hdc), 0);
    ASSERT_GT(EndPage(m_hdc), 0);

    // The next sheet's reset passes the workbook's devmode, which knows nothing of the job's choice.
    DRIVER_DEVMODE next = dm;
    next.dmPrivate.lpGraphicsMode = 1;
    ASSERT_NE(ResetDCW(m_hdc, &next.dmPublic), nullptr) << GetLastError();
    EXPECT_EQ(JobDevmode(m_hdc).dmPrivate.lpGraphicsMode, 2);
    EXPECT_EQ(next.dmPrivate.lpGraphicsMode, 1) << "the application's own devmode is left alone";
    ASSERT_GT(StartPage(m_hdc), 0);
    ASSERT_GT(EndPage(m_hdc), 0);
    ASSERT_GT(EndDoc(m_hdc), 0);
    EXPECT_EQ(Stored(u"bGFXMode"), 0u) << "the job's end leaves nothing kept";

    // After the job a reset takes the devmode as given.
    ASSERT_NE(ResetDCW(m_hdc, &next.dmPublic), nullptr) << GetLastError();
    EXPECT_EQ(JobDevmode(m_hdc).dmPrivate.lpGraphicsMode, 1);
}

} // namespace
