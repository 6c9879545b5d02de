// property_sheets_test.cpp - the document and device sheets through the module's sheet functions, as the
// common property-sheet UI calls them, and as an application and the spooler show them.
#include "ui/core/property_sheets.h"

#include "host/faults.h"
#include "host/inspect.h"
#include "host/ui.h"
#include "host/world.h"
#include "settings/devmode/devmode_identity.h"
#include "settings/strings/text_copy.h"
#include "ui/core/interface_module_fixture.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using CONSTRAINT_INDEX_PTR = CONSTRAINT_INDEX*;

// A common UI that takes the pages it is given, refusing the one a test names, and hands them back.
struct FakeCommonUi {
    std::vector<HPROPSHEETPAGE> pages;
    int refuse = 0;   // 1-based: the nth page added is refused
};
FakeCommonUi* g_ui = nullptr;

LONG_PTR CALLBACK FakeComPropSheet(HANDLE, UINT function, LPARAM lParam1, LPARAM)
{
    if (function != CPSFUNC_ADD_HPROPSHEETPAGE || g_ui == nullptr)
        return 0;
    if (static_cast<int>(g_ui->pages.size()) + 1 == g_ui->refuse)
        return 0;
    g_ui->pages.push_back(reinterpret_cast<HPROPSHEETPAGE>(lParam1));
    return lParam1;
}

class PropertySheets : public InterfaceModuleTest {
protected:
    void SetUp() override
    {
        InterfaceModuleTest::SetUp();
        g_ui = &m_ui;
        m_docHeader.cbSize = sizeof m_docHeader;
        m_docHeader.hPrinter = m_hPrinter;
        m_docHeader.pszPrinterName = const_cast<LPWSTR>(kPrinterName);
        m_devHeader.cbSize = sizeof m_devHeader;
        m_devHeader.hPrinter = m_hPrinter;
        m_devHeader.pszPrinterName = const_cast<LPWSTR>(kPrinterName);
    }

    void TearDown() override
    {
        host::ClearFaults();
        Destroy();
        g_ui = nullptr;
        InterfaceModuleTest::TearDown();
    }

    PROPSHEETUI_INFO Info(WORD reason, LPARAM lParamInit)
    {
        PROPSHEETUI_INFO info = {};
        info.cbSize = sizeof info;
        info.Version = 0x0100;
        info.Flags = PSUIINFO_UNICODE;
        info.Reason = reason;
        info.hComPropSheet = reinterpret_cast<HANDLE>(0x5EE7);
        info.pfnComPropSheet = FakeComPropSheet;
        info.lParamInit = lParamInit;
        return info;
    }

    LONG Call(PROPSHEETUI_INFO& info, LPARAM lParam)
    {
        return m_device ? DrvDevicePropertySheets(&info, lParam) : DrvDocumentPropertySheets(&info, lParam);
    }

    LONG Init(bool device)
    {
        m_device = device;
        m_info = Info(PROPSHEETUI_REASON_INIT, device ? reinterpret_cast<LPARAM>(&m_devHeader)
                                                      : reinterpret_cast<LPARAM>(&m_docHeader));
        return Call(m_info, m_info.lParamInit);
    }

    LONG SetResult(LONG result)
    {
        SETRESULT_INFO info = {sizeof info, 0, nullptr, result};
        m_info.Reason = PROPSHEETUI_REASON_SET_RESULT;
        return Call(m_info, reinterpret_cast<LPARAM>(&info));
    }

    void Destroy()
    {
        if (m_info.cbSize != 0) {
            m_info.Reason = PROPSHEETUI_REASON_DESTROY;
            EXPECT_EQ(Call(m_info, 0), 1);
            m_info = {};
        }
        for (HPROPSHEETPAGE page : m_ui.pages)
            DestroyPropertySheetPage(page);
        m_ui.pages.clear();
    }

    UI_CONTEXT* Context() const { return reinterpret_cast<UI_CONTEXT*>(m_info.UserData); }

    FakeCommonUi m_ui;
    bool m_device = false;
    DOCUMENTPROPERTYHEADER m_docHeader = {};
    DEVICEPROPERTYHEADER m_devHeader = {};
    PROPSHEETUI_INFO m_info = {};
};

TEST_F(PropertySheets, TheHeaderIsAnsweredBeforeInitAndDestroyNeedsNoContext)
{
    for (bool device : {false, true}) {
        SCOPED_TRACE(device ? "device sheet" : "document sheet");
        m_device = device;
        PROPSHEETUI_INFO info = Info(PROPSHEETUI_REASON_GET_INFO_HEADER,
                                     device ? reinterpret_cast<LPARAM>(&m_devHeader)
                                            : reinterpret_cast<LPARAM>(&m_docHeader));
        PROPSHEETUI_INFO_HEADER header = {};
        header.cbSize = sizeof header;
        EXPECT_EQ(Call(info, reinterpret_cast<LPARAM>(&header)), 1);
        EXPECT_EQ(header.Flags, PSUIHDRF_PROPTITLE);
        EXPECT_EQ(std::u16string(header.pTitle), kPrinterName);
        EXPECT_EQ(header.IconID, 64062u);

        // A request without a name gets no title: a name the call looked up would be gone when it returns.
        DOCUMENTPROPERTYHEADER unnamed = m_docHeader;
        unnamed.pszPrinterName = nullptr;
        DEVICEPROPERTYHEADER unnamedDevice = m_devHeader;
        unnamedDevice.pszPrinterName = nullptr;
        info.lParamInit = device ? reinterpret_cast<LPARAM>(&unnamedDevice) : reinterpret_cast<LPARAM>(&unnamed);
        header = {};
        EXPECT_EQ(Call(info, reinterpret_cast<LPARAM>(&header)), 1);
        EXPECT_EQ(header.pTitle, nullptr);

        info.Reason = PROPSHEETUI_REASON_DESTROY;
        EXPECT_EQ(Call(info, 0), 1);
        info.Reason = PROPSHEETUI_REASON_GET_ICON;
        EXPECT_EQ(Call(info, 0), -1) << "a reason above 3";
    }
}

TEST_F(PropertySheets, InitAddsEachSheetsPagesAndKeepsItsContext)
{
    struct Case {
        bool device;
        std::size_t pages;
    };
    for (const Case c : {Case{false, 8}, Case{true, 1}}) {
        SCOPED_TRACE(c.device ? "device sheet" : "document sheet");
        ASSERT_EQ(Init(c.device), 1);
        EXPECT_EQ(m_ui.pages.size(), c.pages);
        EXPECT_EQ(m_info.Result, 1u);
        UI_CONTEXT* context = Context();
        ASSERT_NE(context, nullptr);
        ASSERT_NE(context->pState, nullptr);
        EXPECT_EQ(+context->pState->IsDocumentSheet, c.device ? 0u : 1u);
        EXPECT_EQ(PFNCOMPROPSHEET{context->pState->pfnComPropSheet}, FakeComPropSheet);
        EXPECT_EQ(+context->pState->LastPageResult, reinterpret_cast<LONG_PTR>(m_ui.pages.back()));
        EXPECT_EQ(context->pRequest != nullptr, !c.device);

        // The header now names the sheet's own copy of the printer name, and the resource library.
        PROPSHEETUI_INFO_HEADER header = {};
        m_info.Reason = PROPSHEETUI_REASON_GET_INFO_HEADER;
        EXPECT_EQ(Call(m_info, reinterpret_cast<LPARAM>(&header)), 1);
        EXPECT_EQ(header.pTitle, context->PrinterName);
        EXPECT_EQ(header.hInst, context->pCell->hModule);
        EXPECT_EQ(header.hInst, GetModuleHandleW(u"Q73MZRT3.DLL"));
        Destroy();
        EXPECT_EQ(m_info.UserData, 0u);
    }
}

TEST_F(PropertySheets, ThePageTableNamesTheTemplatesInTabOrder)
{
    RES_MODULE_CELL cell = {reinterpret_cast<HMODULE>(0x1000)};
    UI_CONTEXT context = {};
    context.pCell = &cell;
    PROPSHEETPAGEW pages[kDocumentPageCount] = {};
    const WORD expected[] = {100, 200, 300, 400, 500, 600, 700, 1000};
    ASSERT_EQ(BuildPageTable(&context, nullptr, SheetKind::Document, pages), kDocumentPageCount);
    for (UINT i = 0; i < kDocumentPageCount; ++i) {
        SCOPED_TRACE(testing::Message() << "page " << i);
        EXPECT_EQ(pages[i].dwSize, 48u);
        EXPECT_EQ(pages[i].dwFlags, DWORD(PSP_HASHELP));
        EXPECT_EQ(pages[i].hInstance, cell.hModule);
        EXPECT_EQ(pages[i].pszTemplate, MAKEINTRESOURCEW(expected[i]));
        EXPECT_NE(pages[i].pfnDlgProc, nullptr);
        EXPECT_EQ(pages[i].lParam, reinterpret_cast<LPARAM>(&context.pState));
        EXPECT_EQ(pages[i].pszTitle, nullptr);
    }
    ASSERT_EQ(BuildPageTable(&context, nullptr, SheetKind::Device, pages), kDevicePageCount);
    EXPECT_EQ(pages[0].pszTemplate, MAKEINTRESOURCEW(800));
}

TEST_F(PropertySheets, ARefusedPageFailsInitAndLeavesNothingBehind)
{
    const unsigned before = host::LiveGlobalBlocks();
    for (int refuse : {1, 4, 8}) {
        SCOPED_TRACE(testing::Message() << "page " << refuse << " refused");
        m_ui.refuse = refuse;
        EXPECT_EQ(Init(false), -1);
        EXPECT_EQ(m_info.UserData, 0u);
        EXPECT_EQ(m_info.Result, 0u);
        EXPECT_EQ(m_ui.pages.size(), static_cast<std::size_t>(refuse - 1)) << "the rest are not added";
        m_info = {};
        Destroy();
        EXPECT_EQ(host::LiveGlobalBlocks(), before);
        EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr) << "no reference on the resource library is left";
    }
}

TEST_F(PropertySheets, WithoutTheResourceLibraryNeitherSheetOpens)
{
    const unsigned before = host::LiveGlobalBlocks();
    std::filesystem::remove(host::MapWindowsPath(u"C:\\WINDOWS\\system32\\spool\\drivers\\w32x86\\3\\Q73MZRT3.DLL"));
    for (bool device : {false, true}) {
        SCOPED_TRACE(device ? "device sheet" : "document sheet");
        EXPECT_EQ(Init(device), -1);
        EXPECT_EQ(m_info.UserData, 0u);
        EXPECT_TRUE(m_ui.pages.empty());
        m_info = {};
        EXPECT_EQ(host::LiveGlobalBlocks(), before);
    }
}

TEST_F(PropertySheets, AShortageOfMemoryFailsInitWholeOrNotAtAll)
{
    const unsigned before = host::LiveGlobalBlocks();
    unsigned failures = 0;
    unsigned initialisedInARow = 0;
    for (unsigned nth = 1; nth < 1000 && initialisedInARow < 40; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        const bool device = nth % 2 == 0;
        host::InjectFault(host::Fault::GlobalAlloc, nth / 2 + 1);
        const LONG result = Init(device);
        host::ClearFaults();
        if (result == 1) {
            ++initialisedInARow;
            Destroy();
        } else {
            initialisedInARow = 0;
            ++failures;
            EXPECT_EQ(result, -1);
            EXPECT_EQ(m_info.UserData, 0u);
            m_info = {};
            Destroy();
        }
        EXPECT_EQ(host::LiveGlobalBlocks(), before);
        EXPECT_EQ(GetModuleHandleW(u"Q73MZRT3.DLL"), nullptr);
    }
    EXPECT_GT(failures, 10u);
}

TEST_F(PropertySheets, OkWritesTheCallersDevmodeOnlyWhenAskedTo)
{
    struct Case {
        DWORD fMode;
        LONG result;
        bool written;
    };
    const Case cases[] = {
        {DM_PROMPT | DM_COPY, CPSUI_OK, true},
        {DM_PROMPT | DM_UPDATE, CPSUI_OK, true},
        {DM_PROMPT | DM_MODIFY, CPSUI_OK, false},
        {DM_PROMPT | DM_COPY, CPSUI_CANCEL, false},
        {DM_PROMPT | DM_UPDATE, CPSUI_CANCEL, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "fMode " << c.fMode << " result " << c.result);
        std::vector<BYTE> out(2615, 0xCC);
        m_docHeader.pdmOut = reinterpret_cast<PDEVMODEW>(out.data());
        m_docHeader.fMode = c.fMode;
        ASSERT_EQ(Init(false), 1);
        EXPECT_EQ(SetResult(c.result), 1);
        EXPECT_EQ(m_info.Result, static_cast<ULONG_PTR>(c.result));
        EXPECT_EQ(IsOwnDevmode(reinterpret_cast<PDEVMODEW>(out.data())), c.written);
        if (!c.written) {
            EXPECT_EQ(out, std::vector<BYTE>(2615, 0xCC));
        }
        Destroy();
    }

    // Asked to copy, with nowhere to copy to.
    m_docHeader.pdmOut = nullptr;
    m_docHeader.fMode = DM_PROMPT | DM_COPY;
    ASSERT_EQ(Init(false), 1);
    EXPECT_EQ(SetResult(CPSUI_OK), 1);
    EXPECT_EQ(m_info.Result, static_cast<ULONG_PTR>(CPSUI_OK));
}

TEST_F(PropertySheets, TheDeviceSheetStoresThePrinterWideDevmodeOnOk)
{
    ASSERT_EQ(Init(true), 1);
    std::vector<BYTE> stored = PrinterData(u"ZTORQ NT");
    ASSERT_EQ(stored.size(), 2615u);
    // Something else changes the stored value while the sheet is open; Cancel leaves it, OK replaces it.
    std::vector<BYTE> changed = stored;
    reinterpret_cast<PDEVMODEW>(changed.data())->dmCopies = 9;
    ASSERT_EQ(SetPrinterDataW(m_hPrinter, const_cast<LPWSTR>(u"ZTORQ NT"), REG_BINARY, changed.data(), 2615),
              DWORD(ERROR_SUCCESS));
    EXPECT_EQ(SetResult(CPSUI_CANCEL), 1);
    EXPECT_EQ(PrinterData(u"ZTORQ NT"), changed);
    EXPECT_EQ(SetResult(CPSUI_OK), 1);
    const std::vector<BYTE> written = PrinterData(u"ZTORQ NT");
    ASSERT_EQ(written.size(), 2615u);
    EXPECT_TRUE(IsOwnDevmode(reinterpret_cast<const DEVMODEW*>(written.data())));
    EXPECT_EQ(reinterpret_cast<const DEVMODEW*>(written.data())->dmCopies,
              reinterpret_cast<const DEVMODEW*>(stored.data())->dmCopies) << "the sheet's settings, not the other";
    EXPECT_EQ(m_info.Result, static_cast<ULONG_PTR>(CPSUI_OK));
}

TEST_F(PropertySheets, PermissionAndTheHostFlagFollowTheRequest)
{
    struct Case {
        bool device;
        DWORD flags;    // fMode, or the device header's flags
        DWORD mayEdit;
        DWORD hostFlag;
    };
    const Case cases[] = {
        {false, DM_PROMPT | DM_COPY, 1, 1},                                     // an application's sheet
        {false, DM_USER_DEFAULT | DM_MODIFY | DM_PROMPT | DM_COPY, 1, 0},       // printing preferences
        {false, DM_PROMPT | DM_COPY | DM_NOPERMISSION, 0, 1},
        {true, 0, 1, 1},
        {true, DPS_NOPERMISSION, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.device ? "device " : "document ") << c.flags);
        m_docHeader.fMode = c.flags;
        m_devHeader.Flags = static_cast<WORD>(c.flags);
        ASSERT_EQ(Init(c.device), 1);
        EXPECT_EQ(Context()->MayEdit, c.mayEdit);
        EXPECT_EQ(+Context()->pState->MayEdit, c.mayEdit);
        EXPECT_EQ(+Context()->pState->HostFlag, c.hostFlag);
        Destroy();
    }
}

TEST_F(PropertySheets, ASheetOpenedByAnotherUserDropsTheFormerUsersSettings)
{
    std::vector<BYTE> in(2615, 0);
    auto* dm = reinterpret_cast<DRIVER_DEVMODE*>(in.data());
    ASSERT_EQ(DrvDocumentProperties(nullptr, m_hPrinter, nullptr, &dm->dmPublic, nullptr, DM_COPY), 1);
    CopyText(&dm->dmPrivate.env.LogonUserName, u"somebody else");
    dm->dmPrivate.env.LogonUserNameLength = 13;
    CopyText(&dm->dmPrivate.env.UserId, u"U-1");
    m_docHeader.pdmIn = &dm->dmPublic;
    m_docHeader.fMode = DM_PROMPT | DM_COPY | DM_MODIFY;
    ASSERT_EQ(Init(false), 1);
    const UI_STATE* state = Context()->pState;
    EXPECT_EQ(+state->UserTestResult, 5u) << "another user";
    WCHAR userId[12] = {};
    std::memcpy(userId, &state->UserId, sizeof state->UserId);
    EXPECT_EQ(std::u16string(userId), u"") << "the former user's ID is not handed on";
    EXPECT_NE(CONSTRAINT_INDEX_PTR{state->pConstraintIndex}, nullptr) << "the prohibition tables are indexed";
    Destroy();   // while the request's devmode is still there
}

// An application and the spooler, through the common property-sheet UI, with the user's answer scripted.
TEST_F(PropertySheets, AnApplicationGetsTheUsersAnswer)
{
    const LONG size = DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName), nullptr, nullptr, 0);
    ASSERT_EQ(size, 2615);
    struct Case {
        const char* script;
        LONG answer;
    };
    for (const Case c : {Case{"sheet\n  page 300\n  click 1\n", IDOK}, Case{"sheet\n  page 200\n  click 2\n", IDCANCEL}}) {
        SCOPED_TRACE(c.script);
        host::SetUserScript(c.script);
        host::ClearShownRecord();
        std::vector<BYTE> out(2615, 0xCC);
        EXPECT_EQ(DocumentPropertiesW(nullptr, m_hPrinter, const_cast<LPWSTR>(kPrinterName),
                                      reinterpret_cast<PDEVMODEW>(out.data()), nullptr, DM_IN_PROMPT | DM_OUT_BUFFER),
                  c.answer);
        for (const std::string& failure : host::UserScriptFailures())
            ADD_FAILURE() << failure;
        EXPECT_EQ(IsOwnDevmode(reinterpret_cast<PDEVMODEW>(out.data())), c.answer == IDOK);
        const std::vector<std::string> shown = host::ShownRecord();
        ASSERT_GE(shown.size(), 2u);
        EXPECT_EQ(shown[0], "sheet \"QN-804C Properties\"");
        EXPECT_EQ(shown[1], "page 100");
    }

    // The spooler's printer properties: the device sheet through the common UI. (The test program links the
    // module's own PrinterProperties export, which hides the spooler's, so the sheet is shown as it shows it.)
    host::SetUserScript("sheet\n  click 1\n");
    DEVICEPROPERTYHEADER header = m_devHeader;
    DWORD result = 0;
    EXPECT_EQ(CommonPropertySheetUIW(nullptr, DrvDevicePropertySheets, reinterpret_cast<LPARAM>(&header), &result),
              CPSUI_OK);
    for (const std::string& failure : host::UserScriptFailures())
        ADD_FAILURE() << failure;
    EXPECT_EQ(PrinterData(u"ZTORQ NT").size(), 2615u);
    host::ClearUserScript();
}

}  // namespace
