// menus_test.cpp - popup menus, the common file dialogs and help as the user's script answers them: the
// command posted after the menu closes, grey items, a dialog's answer within the caller's buffer, and the
// record of everything shown.
#include "platform/user/dialog_fixture.h"
#include "win/commdlg.h"
#include "win/htmlhelp.h"

using namespace dialog_test;

class Menus : public DialogTest {
protected:
    // Shows a popup menu from the nested dialog's button, with the flags given; the script's steps for the menu
    // go below "menu 160". Answers TrackPopupMenu's result.
    BOOL ShowMenu(const std::string& menuSteps, UINT flags = 0)
    {
        BOOL result = -1;
        Rec().react[CommandKey(kIdOpenNested, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
            const HMENU menu = CreatePopupMenu();
            AppendMenuW(menu, MF_STRING, 1001, u"&Save");
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuW(menu, MF_STRING | MF_GRAYED, 1002, u"Open");
            AppendMenuW(menu, MF_OWNERDRAW, 1003, reinterpret_cast<LPCWSTR>(0x55));
            CheckMenuItem(menu, 1001, MF_CHECKED);
            result = TrackPopupMenu(menu, flags, 10, 10, 0, dialog, nullptr);
            Rec().log.push_back("returned");
            DestroyMenu(menu);
            return TRUE;
        };
        for (const UINT msg : {WM_MEASUREITEM, WM_DRAWITEM, WM_INITMENUPOPUP})
            Rec().react[msg] = [msg](HWND, WPARAM, LPARAM lParam) {
                if (msg == WM_INITMENUPOPUP) {
                    Rec().log.push_back("WM_INITMENUPOPUP");
                } else {
                    const auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                    Rec().log.push_back(std::string(msg == WM_DRAWITEM ? "WM_DRAWITEM " : "WM_MEASUREITEM ") +
                                        std::to_string(msg == WM_DRAWITEM ? dis->itemData
                                                                          : reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->itemData));
                }
                return TRUE;
            };
        host::SetUserScript("dialog 160\n  click 1601\n" + menuSteps + "  click 2\n");
        Run(kNestedDialog);
        return result;
    }
};

TEST_F(Menus, TheChosenCommandIsPostedAfterTheMenuClosesAndTheMenuIsRecorded)
{
    EXPECT_TRUE(ShowMenu("    menu 160\n      command 1001\n"));
    EXPECT_TRUE(host::UserScriptFailures().empty());
    const auto& log = Rec().log;
    const auto at = [&](const std::string& line) { return std::find(log.begin(), log.end(), line) - log.begin(); };
    EXPECT_LT(at("WM_INITMENUPOPUP"), at("WM_MEASUREITEM 85"));
    EXPECT_LT(at("WM_MEASUREITEM 85"), at("WM_DRAWITEM 85"));
    EXPECT_LT(at("returned"), at(CommandName(MAKEWPARAM(1001, 0)))) << "posted, so after TrackPopupMenu returns";
    EXPECT_LT(at(CommandName(MAKEWPARAM(1001, 0))), static_cast<std::ptrdiff_t>(log.size()));
    EXPECT_EQ(host::ShownRecord()[1], "menu 160: 1001 \"&Save\" checked - 1002 \"Open\" grey 1003 \"\"");
}

TEST_F(Menus, AGreyCommandCannotBeChosenAndDismissingReturnsNoCommand)
{
    EXPECT_EQ(ShowMenu("    menu 160\n      dismiss\n", TPM_RETURNCMD), 0);
    EXPECT_TRUE(host::UserScriptFailures().empty());
    EXPECT_EQ(ShowMenu("    menu 160\n      command 1002\n", TPM_RETURNCMD), 0);
    const auto failures = host::UserScriptFailures();
    ASSERT_FALSE(failures.empty());
    EXPECT_NE(failures.front().find("command 1002 is grey"), std::string::npos) << failures.front();
    EXPECT_EQ(ShowMenu("    menu 160\n      command 1001\n", TPM_RETURNCMD), 1001);
}

TEST_F(Menus, AnUnexpectedMenuFailsByNameAndChoosesNothing)
{
    EXPECT_EQ(ShowMenu("", TPM_RETURNCMD), 0);
    const auto failures = host::UserScriptFailures();
    ASSERT_FALSE(failures.empty());
    EXPECT_EQ(failures.front().rfind("unexpected menu 160", 0), 0u) << failures.front();
}

TEST_F(Menus, FileDialogsAnswerWithinTheCallersBuffer)
{
    CreateDirectoryW(u"C:\\data", nullptr);
    const HANDLE file = CreateFileW(u"C:\\data\\kept.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    struct Case {
        const char* name;
        bool save;
        DWORD flags;
        const char16_t* defExt;
        DWORD size;
        std::string script;
        BOOL result;
        const char16_t* path;
        WORD offset;
        WORD extension;
        DWORD error;
        bool failed;
    };
    const Case cases[] = {
        {"an open file", false, OFN_FILEMUSTEXIST, nullptr, 64, "open\n  file \"C:\\\\data\\\\kept.txt\"\n", TRUE,
         u"C:\\data\\kept.txt", 8, 13, 0, false},
        {"a save with the default extension", true, 0, u"ini", 64, "save\n  file \"C:\\\\out\\\\report\"\n", TRUE,
         u"C:\\out\\report.ini", 7, 14, 0, false},
        {"a buffer too small", false, 0, nullptr, 8, "open\n  file \"C:\\\\data\\\\kept.txt\"\n", FALSE, nullptr, 0, 0,
         FNERR_BUFFERTOOSMALL, false},
        {"cancelled", false, 0, nullptr, 64, "open\n  cancel\n", FALSE, nullptr, 0, 0, 0, false},
        {"a file that must exist", false, OFN_FILEMUSTEXIST, nullptr, 64, "open\n  file \"C:\\\\data\\\\gone.txt\"\n",
         FALSE, nullptr, 0, 0, 0, true},
        {"nobody expected it", true, 0, nullptr, 64, "", FALSE, nullptr, 0, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host::SetUserScript(c.script);
        WCHAR buffer[64] = {u'x', u'y'};
        OPENFILENAMEW ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = c.size;
        ofn.Flags = c.flags;
        ofn.lpstrDefExt = c.defExt;
        const BOOL result = c.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(CommDlgExtendedError(), c.error);
        EXPECT_EQ(!host::UserScriptFailures().empty(), c.failed);
        if (c.path != nullptr) {
            EXPECT_EQ(std::u16string(buffer), c.path);
            EXPECT_EQ(ofn.nFileOffset, c.offset);
            EXPECT_EQ(ofn.nFileExtension, c.extension);
        }
        if (c.error == FNERR_BUFFERTOOSMALL) {
            EXPECT_EQ(buffer[0], 17) << "the size the path needs";
        }
    }
    OPENFILENAMEW bad = {};
    bad.lStructSize = 40;
    EXPECT_FALSE(GetOpenFileNameW(&bad));
    EXPECT_EQ(CommDlgExtendedError(), static_cast<DWORD>(CDERR_STRUCTSIZE));
}

TEST_F(Menus, HelpCallsAreRecordedWithTheirTopics)
{
    host::ClearShownRecord();
    const DWORD pairs[] = {101, 5001, 102, 5002, 0, 0};
    EXPECT_TRUE(WinHelpW(nullptr, u"driver.hlp", HELP_CONTEXT, 42));
    EXPECT_TRUE(WinHelpW(nullptr, u"driver.hlp", HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(pairs)));
    EXPECT_NE(HtmlHelpW(nullptr, u"driver.chm", HH_HELP_CONTEXT, 7), nullptr);
    EXPECT_EQ(HtmlHelpW(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
    EXPECT_FALSE(WinHelpW(reinterpret_cast<HWND>(0x12345), u"driver.hlp", HELP_CONTEXT, 1));
    EXPECT_EQ(host::ShownRecord(), (std::vector<std::string>{"help WinHelpW \"driver.hlp\" 0x0001 42",
                                                             "help WinHelpW \"driver.hlp\" 0x000C 101:5001 102:5002",
                                                             "help HtmlHelpW \"driver.chm\" 0x000F 7",
                                                             "help HtmlHelpW \"\" 0x0012 0"}));
}
