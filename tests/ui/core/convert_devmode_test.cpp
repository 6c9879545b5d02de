// convert_devmode_test.cpp - DrvConvertDevMode through the loaded module: every mode with its sizes and
// last errors.
#include "settings/devmode/devmode_identity.h"
#include "ui/core/interface_module_fixture.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

class ConvertDevMode : public InterfaceModuleTest {
protected:
    // The driver's default devmode, as CDM_DRIVER_DEFAULT answers it.
    std::vector<BYTE> DriverDefault()
    {
        std::vector<BYTE> dm(2615);
        LONG cb = 2615;
        EXPECT_TRUE(DrvConvertDevMode(const_cast<LPWSTR>(kPrinterName), nullptr,
                                      reinterpret_cast<PDEVMODEW>(dm.data()), &cb, CDM_DRIVER_DEFAULT));
        return dm;
    }

    static PDEVMODEW Dm(std::vector<BYTE>& bytes) { return reinterpret_cast<PDEVMODEW>(bytes.data()); }
};

TEST_F(ConvertDevMode, WritesTheDriverDefaultForTheNamedPrinter)
{
    std::vector<BYTE> out(2615, 0xCC);
    LONG cb = 2615;
    SetLastError(0);
    ASSERT_TRUE(DrvConvertDevMode(const_cast<LPWSTR>(kPrinterName), nullptr, Dm(out), &cb, CDM_DRIVER_DEFAULT));
    EXPECT_EQ(cb, 2615);
    EXPECT_TRUE(IsOwnDevmode(Dm(out)));
    EXPECT_EQ(std::u16string(Dm(out)->dmDeviceName), kPrinterName);
    EXPECT_EQ(TraceCount(u"DrvConvertDevMode"), 1);
    // The companion library's value is put in place on the way.
    const std::vector<BYTE> companion = PrinterData(u"SPLUserModePrinterDriver");
    EXPECT_EQ(std::u16string(reinterpret_cast<const WCHAR*>(companion.data())), u"Q73MZRF1.DLL");
}

TEST_F(ConvertDevMode, AnswersTheSizeNeededWhenTheBufferIsShort)
{
    struct Case {
        DWORD mode;
        LONG given;
        bool withOutput;
        LONG needed;
    };
    const Case cases[] = {
        {CDM_DRIVER_DEFAULT, 2614, true, 2615},
        {CDM_DRIVER_DEFAULT, 5000, false, 2615},
        {CDM_CONVERT351, 100, true, 188},
        {CDM_CONVERT351, 188, false, 188},
    };
    std::vector<BYTE> in = DriverDefault();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << ", " << c.given << " bytes");
        std::vector<BYTE> out(5000, 0xCC);
        LONG cb = c.given;
        SetLastError(0);
        EXPECT_FALSE(DrvConvertDevMode(const_cast<LPWSTR>(kPrinterName), Dm(in), c.withOutput ? Dm(out) : nullptr,
                                       &cb, c.mode));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
        EXPECT_EQ(cb, c.needed);
        EXPECT_EQ(out[0], 0xCC) << "nothing written";
    }
}

TEST_F(ConvertDevMode, AConversionIntoAnOutputTooSmallForItsHeaderReadsNothingOfIt)
{
    std::vector<BYTE> in = DriverDefault();
    for (LONG given : {0L, 1L, 75L}) {   // the header that names the output's layout ends at 76
        SCOPED_TRACE(testing::Message() << given << " bytes");
        std::vector<BYTE> out(std::max<size_t>(static_cast<size_t>(given), 1), 0xCC);   // exactly that size
        LONG cb = given;
        SetLastError(0);
        EXPECT_FALSE(DrvConvertDevMode(const_cast<LPWSTR>(kPrinterName), Dm(in), Dm(out), &cb, CDM_CONVERT));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(out[0], 0xCC) << "nothing written";
    }
}

TEST_F(ConvertDevMode, ConvertsToTheLayoutOfVersion351)
{
    std::vector<BYTE> in = DriverDefault();
    Dm(in)->dmCopies = 3;
    std::vector<BYTE> out(188 + 16, 0xCC);
    LONG cb = 188;
    ASSERT_TRUE(DrvConvertDevMode(nullptr, Dm(in), Dm(out), &cb, CDM_CONVERT351));
    EXPECT_EQ(cb, 188);
    const DEVMODEW* pdm = Dm(out);
    EXPECT_EQ(pdm->dmSpecVersion, 0x0320);
    EXPECT_EQ(pdm->dmSize, 188);
    EXPECT_EQ(pdm->dmDriverVersion, 0x0351);
    EXPECT_EQ(pdm->dmDriverExtra, 0);
    EXPECT_EQ(pdm->dmCopies, 3);
    EXPECT_EQ(std::u16string(pdm->dmDeviceName), kPrinterName);
    EXPECT_EQ(out[188], 0xCC) << "nothing past the 188 bytes";
}

TEST_F(ConvertDevMode, CopiesAnOlderDevmodeIntoTheDriversLayout)
{
    // A 212-byte devmode (dmSpecVersion 0x0400) of another driver version with 20 private bytes.
    std::vector<BYTE> in(212 + 20, 0);
    DEVMODEW older = {};
    older.dmSpecVersion = 0x0400;
    older.dmSize = 212;
    older.dmDriverVersion = 0x0100;
    older.dmDriverExtra = 20;
    older.dmCopies = 4;
    std::memcpy(in.data(), &older, 212);
    std::memset(in.data() + 212, 0x77, 20);

    std::vector<BYTE> out = DriverDefault();
    const std::vector<BYTE> before = out;
    LONG cb = 2615;
    ASSERT_TRUE(DrvConvertDevMode(nullptr, Dm(in), Dm(out), &cb, CDM_CONVERT));
    EXPECT_EQ(cb, 2615);
    const DEVMODEW* pdm = Dm(out);
    EXPECT_EQ(pdm->dmSize, 220);
    EXPECT_EQ(pdm->dmDriverExtra, 2395);
    EXPECT_EQ(pdm->dmDriverVersion, 0x8402);
    EXPECT_EQ(pdm->dmSpecVersion, 0x0401);
    EXPECT_EQ(pdm->dmCopies, 4);
    EXPECT_EQ(out[219], before[219]) << "the public bytes beyond the older size stay";
    EXPECT_EQ(out[220], 0x77);
    EXPECT_EQ(out[239], 0x77);
    EXPECT_EQ(out[240], before[240]) << "20 private bytes, no more";
}

TEST_F(ConvertDevMode, NeverCopiesAFontListPointerIntoTheDriversLayout)
{
    std::vector<BYTE> in = DriverDefault();
    std::memset(in.data() + 1412, 0x99, 4);
    std::vector<BYTE> out = DriverDefault();
    LONG cb = 2615;
    ASSERT_TRUE(DrvConvertDevMode(nullptr, Dm(in), Dm(out), &cb, CDM_CONVERT));
    for (int i = 1412; i < 1416; ++i)
        EXPECT_EQ(out[i], 0) << "at " << i;
}

TEST_F(ConvertDevMode, RefusesMissingOrMalformedArgumentsAndWritesNothing)
{
    std::vector<BYTE> good = DriverDefault();
    std::vector<BYTE> tiny(80, 0);
    Dm(tiny)->dmSize = 40;            // not even the header
    std::vector<BYTE> noVersion = good;
    Dm(noVersion)->dmSize = 200;      // a size with no version of its own...
    Dm(noVersion)->dmSpecVersion = 0; // ...and none written in it
    struct Case {
        const char* what;
        DWORD mode;
        PDEVMODEW in;
        bool withOutput;
        LONG given;
        bool countGiven;
    };
    const Case cases[] = {
        {"no size pointer", CDM_CONVERT, Dm(good), true, 2615, false},
        {"no input to convert", CDM_CONVERT, nullptr, true, 2615, true},
        {"no output to convert into", CDM_CONVERT, Dm(good), false, 2615, true},
        {"an output larger than its buffer", CDM_CONVERT, Dm(good), true, 2614, true},
        {"an input without a header", CDM_CONVERT, Dm(tiny), true, 2615, true},
        {"an input without a dmSpecVersion", CDM_CONVERT, Dm(noVersion), true, 2615, true},
        {"no input for 3.51", CDM_CONVERT351, nullptr, true, 188, true},
        {"an input without a dmSpecVersion for 3.51", CDM_CONVERT351, Dm(noVersion), true, 188, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<BYTE> out = DriverDefault();
        const std::vector<BYTE> before = out;
        LONG cb = c.given;
        SetLastError(0);
        EXPECT_FALSE(DrvConvertDevMode(nullptr, c.in, c.withOutput ? Dm(out) : nullptr,
                                       c.countGiven ? &cb : nullptr, c.mode));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
        EXPECT_EQ(cb, c.given);
        EXPECT_EQ(out, before);
    }
}

TEST_F(ConvertDevMode, FailsWithoutAnErrorCodeForAnUnknownModeOrPrinter)
{
    std::vector<BYTE> out(2615, 0);
    LONG cb = 2615;
    SetLastError(0);
    EXPECT_FALSE(DrvConvertDevMode(const_cast<LPWSTR>(kPrinterName), Dm(out), Dm(out), &cb, 8));
    EXPECT_EQ(GetLastError(), 0u);
    EXPECT_FALSE(DrvConvertDevMode(const_cast<LPWSTR>(u"No such printer"), nullptr, Dm(out), &cb,
                                   CDM_DRIVER_DEFAULT));
}

} // namespace
