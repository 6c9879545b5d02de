// document_properties_test.cpp - the document devmode through DrvDocumentProperties,
// DrvAdvancedDocumentProperties and the devmode query of DrvDocumentPropertySheets.
#include "host/faults.h"
#include "host/printers.h"
#include "host/world.h"
#include "settings/devmode/devmode_identity.h"
#include "ui/core/interface_module_fixture.h"

#include <cstring>
#include <span>
#include <vector>

namespace {

class DocumentProperties : public InterfaceModuleTest {
protected:
    static PDEVMODEW Dm(std::vector<BYTE>& bytes) { return reinterpret_cast<PDEVMODEW>(bytes.data()); }

    // The driver's own devmode for a document, with one setting changed.
    std::vector<BYTE> OwnDevmode(SHORT copies)
    {
        std::vector<BYTE> dm(2615);
        EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, Dm(dm), nullptr, DM_COPY), 1);
        Dm(dm)->dmCopies = copies;
        return dm;
    }

    // Another driver's devmode: the public part with a private part of its own size.
    static std::vector<BYTE> ForeignDevmode(SHORT copies, WORD extra = 40)
    {
        std::vector<BYTE> dm(220 + extra, 0x3C);
        DEVMODEW pub = {};
        pub.dmSpecVersion = 0x0401;
        pub.dmSize = 220;
        pub.dmDriverVersion = 0x0600;
        pub.dmDriverExtra = extra;
        pub.dmFields = DM_COPIES | DM_ORIENTATION;
        pub.dmCopies = copies;
        pub.dmOrientation = 2;
        std::memcpy(dm.data(), &pub, sizeof pub);
        return dm;
    }

    DOCUMENTPROPERTYHEADER Header(PDEVMODEW pdmIn, PDEVMODEW pdmOut, DWORD fMode)
    {
        DOCUMENTPROPERTYHEADER header = {};
        header.cbSize = sizeof header;
        header.hPrinter = m_hPrinter;
        header.pdmIn = pdmIn;
        header.pdmOut = pdmOut;
        header.fMode = fMode;
        return header;
    }
};

TEST_F(DocumentProperties, AnswersTheDevmodeSizeForModeZero)
{
    std::vector<BYTE> foreign = ForeignDevmode(2);
    EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, nullptr, nullptr, 0), 2615);
    EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, nullptr, Dm(foreign), 0), 2615);
    EXPECT_EQ(VQ_GetEnvExtraSize(), 1199u);
}

TEST_F(DocumentProperties, BuildsTheMergedDevmodeWithoutShowingAnything)
{
    std::vector<BYTE> in = ForeignDevmode(3);
    std::vector<BYTE> out(2615, 0);
    EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, Dm(out), Dm(in), DM_COPY | DM_PROMPT | DM_MODIFY),
              1);
    EXPECT_TRUE(IsOwnDevmode(Dm(out)));
    EXPECT_EQ(Dm(out)->dmCopies, 3);
    EXPECT_EQ(Dm(out)->dmOrientation, 2);
    EXPECT_EQ(TraceCount(u"DrvDocumentProperties"), 1);
    // The printer-wide devmode was created on the way.
    EXPECT_EQ(PrinterData(u"ZTORQ NT").size(), 2615u);
}

TEST_F(DocumentProperties, FailsACopyWithoutAnOutput)
{
    SetLastError(0);
    EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, nullptr, nullptr, DM_COPY), -1);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, nullptr, nullptr, DM_UPDATE), 1)
        << "an update alone needs no output";
    EXPECT_EQ(DrvAdvancedDocumentProperties(nullptr, m_hPrinter, nullptr, nullptr, nullptr), -1);
}

TEST_F(DocumentProperties, AdvancedPropertiesWriteTheMergedDevmode)
{
    std::vector<BYTE> in = OwnDevmode(8);
    std::vector<BYTE> out(2615, 0);
    EXPECT_EQ(DrvAdvancedDocumentProperties(nullptr, m_hPrinter, nullptr, Dm(out), Dm(in)), 1);
    EXPECT_EQ(Dm(out)->dmCopies, 8);
    EXPECT_EQ(TraceCount(u"DrvAdvancedDocumentProperties"), 1);
}

TEST_F(DocumentProperties, RefusesAnInputWithoutAHeader)
{
    std::vector<BYTE> in(80, 0);
    Dm(in)->dmSize = 20;
    std::vector<BYTE> out(2615, 0xCC);
    EXPECT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, Dm(out), Dm(in), DM_COPY), -1);
    DOCUMENTPROPERTYHEADER header = Header(Dm(in), Dm(out), DM_COPY);
    SetLastError(0);
    EXPECT_EQ(DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header)), -1);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(out[0], 0xCC);
}

TEST_F(DocumentProperties, TheSheetQueryAnswersTheSizeWhenNothingIsToBeWritten)
{
    std::vector<BYTE> out(2615, 0xCC);
    for (DOCUMENTPROPERTYHEADER header : {Header(nullptr, Dm(out), 0), Header(nullptr, nullptr, DM_COPY)}) {
        EXPECT_EQ(DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header)), 2615);
        EXPECT_EQ(header.cbOut, 2615u);
    }
    EXPECT_EQ(out[0], 0xCC);
    EXPECT_EQ(DrvDocumentPropertySheets(nullptr, 0), -1) << "no request";
}

TEST_F(DocumentProperties, TheSheetQueryHandsOutTheDriversDevmodeAndLeavesTheNameAsItWas)
{
    std::vector<BYTE> in = OwnDevmode(6);
    std::vector<BYTE> out(2615, 0);
    DOCUMENTPROPERTYHEADER header = Header(Dm(in), Dm(out), DM_COPY | DM_MODIFY);
    EXPECT_EQ(DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header)), 1);
    EXPECT_EQ(Dm(out)->dmCopies, 6);
    EXPECT_EQ(std::u16string(Dm(out)->dmDeviceName), kPrinterName);
    EXPECT_EQ(header.pszPrinterName, nullptr) << "the name lent for the call is taken back";
    EXPECT_EQ(header.pdmIn, Dm(in));
    EXPECT_EQ(TraceCount(u"DrvDocumentPropertySheets"), 1);
}

TEST_F(DocumentProperties, TheSheetQueryWritesNothingWithoutUpdateOrCopy)
{
    std::vector<BYTE> out(2615, 0xCC);
    DOCUMENTPROPERTYHEADER header = Header(nullptr, Dm(out), DM_MODIFY);
    EXPECT_EQ(DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header)), 1);
    EXPECT_EQ(out[0], 0xCC);
}

TEST_F(DocumentProperties, HandsAForeignDevmodeBackUnchangedExceptToASpreadsheetProgramOrWhenItDoesNotFit)
{
    constexpr const char16_t* kApp = u"C:\\Program Files\\App\\APP.EXE";
    struct Case {
        const char16_t* process;
        WORD extra;    // the foreign devmode's private bytes
        bool merged;
    };
    const Case cases[] = {
        {kApp, 40, false},
        {kApp, 2615 - 220, false},       // exactly the output's size
        {kApp, 2615 - 220 + 1, true},    // cut, its header would claim more than the output has
        {kApp, 8000, true},
        {u"C:\\Program Files\\Office\\EXCEL.EXE", 40, true},
        {u"C:\\Program Files\\Office\\excel.exe", 40, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.merged ? "merged" : "unchanged") << ", " << c.extra << " extra");
        host::SetProcessFileName(c.process);
        std::vector<BYTE> in = ForeignDevmode(4, c.extra);
        const std::vector<BYTE> callersIn = in;
        std::vector<BYTE> out(2615, 0);
        DOCUMENTPROPERTYHEADER header = Header(Dm(in), Dm(out), DM_COPY | DM_MODIFY);
        EXPECT_EQ(DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header)), 1);
        EXPECT_EQ(header.pdmIn, Dm(in)) << "the caller's pointer is given back";
        EXPECT_EQ(in, callersIn);
        if (c.merged) {
            EXPECT_TRUE(IsOwnDevmode(Dm(out)));
            EXPECT_EQ(Dm(out)->dmCopies, 4);
            EXPECT_EQ(Dm(out)->dmOrientation, 2);
        } else {
            const size_t cb = callersIn.size();
            EXPECT_EQ(std::vector<BYTE>(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(cb)), callersIn);
            if (cb < out.size())
                EXPECT_EQ(out[cb], 0) << "no more than the foreign devmode's own size";
        }
        EXPECT_LE(Dm(out)->dmSize + Dm(out)->dmDriverExtra, out.size()) << "the header claims no more than it got";
    }
}

TEST_F(DocumentProperties, TheSheetsCannotOpenWithoutACommonUiToAddTheirPages)
{
    DOCUMENTPROPERTYHEADER header = Header(nullptr, nullptr, DM_PROMPT);
    PROPSHEETUI_INFO info = {};   // no pfnComPropSheet
    info.cbSize = sizeof info;
    info.lParamInit = reinterpret_cast<LPARAM>(&header);
    info.Reason = PROPSHEETUI_REASON_INIT;
    EXPECT_EQ(DrvDocumentPropertySheets(&info, 0), -1);
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    EXPECT_EQ(DrvDocumentPropertySheets(&info, 0), 1);

    DEVICEPROPERTYHEADER device = {sizeof device, 0, m_hPrinter, const_cast<LPWSTR>(kPrinterName)};
    info.lParamInit = reinterpret_cast<LPARAM>(&device);
    info.Reason = PROPSHEETUI_REASON_INIT;
    EXPECT_EQ(DrvDevicePropertySheets(&info, 0), -1);
    info.Reason = PROPSHEETUI_REASON_DESTROY;
    EXPECT_EQ(DrvDevicePropertySheets(&info, 0), 1);
    EXPECT_EQ(TraceCount(u"DrvDevicePropertySheets"), 2);
}

TEST_F(DocumentProperties, AllowsEveryJobAndShowsNoPrinterProperties)
{
    DEVQUERYPRINT_INFO query = {sizeof query, 1, m_hPrinter, nullptr, nullptr, 0, 0};
    EXPECT_TRUE(DevQueryPrintEx(&query));
    EXPECT_EQ(query.cchNeeded, 0u);
    EXPECT_TRUE(PrinterProperties(nullptr, m_hPrinter));
    EXPECT_EQ(DrvDocumentEvent(m_hPrinter, nullptr, DOCUMENTEVENT_STARTDOC, 0, nullptr, 0, nullptr),
              DOCUMENTEVENT_SUCCESS);
}

} // namespace

namespace {

// Every allocation the build makes may fail: the call then fails whole, writes nothing and leaks nothing.
TEST_F(DocumentProperties, AFailedAllocationFailsTheCallWithoutLeaks)
{
    std::vector<BYTE> reference(2615);
    ASSERT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, Dm(reference), nullptr, DM_COPY), 1);
    const unsigned liveBefore = host::LiveGlobalBlocks();
    int failures = 0;
    for (unsigned nth = 1; nth <= 12; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        std::vector<BYTE> out(2615, 0xCC);
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        const LONG result = DrvDocumentProperties(nullptr, m_hPrinter, nullptr, Dm(out), nullptr, DM_COPY);
        host::ClearFaults();
        if (result == -1) {
            ++failures;
            EXPECT_EQ(out[0], 0xCC);
        } else {
            EXPECT_EQ(result, 1);
        }
        EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore);
    }
    EXPECT_GT(failures, 0);
}

} // namespace

namespace {

TEST_F(DocumentProperties, PutsTheCompanionLibraryValueRightBeforeAnswering)
{
    std::u16string wrong = u"OTHER.DLL";
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"SPLUserModePrinterDriver"), REG_SZ,
                              reinterpret_cast<LPBYTE>(wrong.data()), DWORD((wrong.size() + 1) * sizeof(WCHAR))),
              ERROR_SUCCESS);
    DOCUMENTPROPERTYHEADER header = Header(nullptr, nullptr, 0);
    EXPECT_EQ(DrvDocumentPropertySheets(nullptr, reinterpret_cast<LPARAM>(&header)), 2615);
    const std::vector<BYTE> value = PrinterData(u"SPLUserModePrinterDriver");
    ASSERT_EQ(value.size(), sizeof(u"Q73MZRF1.DLL"));
    EXPECT_EQ(std::u16string(reinterpret_cast<const WCHAR*>(value.data())), u"Q73MZRF1.DLL");
}

} // namespace
