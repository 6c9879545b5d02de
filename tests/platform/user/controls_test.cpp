// controls_test.cpp - edits, combo boxes and list boxes: which notifications they send and when, the edit's
// limit, nesting of notifications, and a click that first moves the focus.
#include "platform/user/dialog_fixture.h"

using namespace dialog_test;

class Controls : public DialogTest {
protected:
    // Runs the controls dialog; body acts inside WM_INITDIALOG after the log is cleared and places the focus
    // itself (none unless it does), then the script runs.
    void RunControls(const std::function<void(HWND)>& body, const std::string& steps = "  click 2\n")
    {
        Rec().react[WM_INITDIALOG] = [body](HWND dialog, WPARAM, LPARAM) {
            Rec().log.clear();
            body(dialog);
            return FALSE;
        };
        host::SetUserScript("dialog 170\n" + steps);
        Run(kControlsDialog);
        const auto failures = host::UserScriptFailures();
        EXPECT_TRUE(failures.empty()) << failures.front();
    }

    static std::string Command(int id, int code) { return CommandName(MAKELONG(id, code)); }
};

TEST_F(Controls, SettingStateByMessageSendsOnlyWhatWindowsSends)
{
    std::vector<std::string> during;
    LRESULT outOfRange = 0;
    LRESULT afterClear = 0;
    RunControls([&](HWND dialog) {
        SetDlgItemTextW(dialog, kIdEdit, u"single");
        during = Rec().log;   // before the call returned
        SetDlgItemTextW(dialog, kIdMultiline, u"multi\r\nline");
        SendDlgItemMessageW(dialog, kIdCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"A4"));
        SendDlgItemMessageW(dialog, kIdCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"Letter"));
        SendDlgItemMessageW(dialog, kIdCombo, CB_SETCURSEL, 1, 0);
        SendDlgItemMessageW(dialog, kIdList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"one"));
        SendDlgItemMessageW(dialog, kIdList, LB_SETCURSEL, 0, 0);
        outOfRange = SendDlgItemMessageW(dialog, kIdCombo, CB_SETCURSEL, 2, 0);
        afterClear = SendDlgItemMessageW(dialog, kIdCombo, CB_GETCURSEL, 0, 0);
    });
    const std::vector<std::string> edit = {Command(kIdEdit, EN_UPDATE), Command(kIdEdit, EN_CHANGE)};
    EXPECT_EQ(during, edit) << "EN_UPDATE and EN_CHANGE come before SetDlgItemTextW returns";
    EXPECT_EQ(std::vector<std::string>(Rec().log.begin(), Rec().log.begin() + 2), edit)
        << "nothing from the multi-line edit, the combo box or the list box";
    EXPECT_EQ(Rec().log[2], Command(IDCANCEL, BN_CLICKED));
    EXPECT_EQ(outOfRange, CB_ERR);
    EXPECT_EQ(afterClear, CB_ERR) << "out of range clears the selection";
}

TEST_F(Controls, TheLimitCutsTypingAndPastingButNotSetText)
{
    std::u16string typed;
    std::u16string pasted;
    std::u16string set;
    Rec().react[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) {
        SendDlgItemMessageW(dialog, kIdEdit, EM_LIMITTEXT, 4, 0);
        SendDlgItemMessageW(dialog, kIdEdit2, EM_LIMITTEXT, 4, 0);
        return TRUE;
    };
    Rec().react[CommandKey(IDOK, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        WCHAR text[16];
        GetDlgItemTextW(dialog, kIdEdit, text, 16);
        typed = text;
        GetDlgItemTextW(dialog, kIdEdit2, text, 16);
        pasted = text;
        SetDlgItemTextW(dialog, kIdEdit2, u"longer than four");
        GetDlgItemTextW(dialog, kIdEdit2, text, 16);
        set = text;
        EndDialog(dialog, IDOK);
        return TRUE;
    };
    host::SetUserScript("dialog 170\n  type 1701 \"abcdef\"\n  paste 1706 \"123456\"\n  click 1\n");
    Run(kControlsDialog);
    EXPECT_EQ(typed, u"abcd");
    EXPECT_EQ(pasted, u"1234");
    EXPECT_EQ(set, u"longer than fou") << "WM_SETTEXT is not limited (the buffer of 16 is)";
    const auto maxText = std::count(Rec().log.begin(), Rec().log.end(), CommandName(MAKELONG(kIdEdit, EN_MAXTEXT)));
    EXPECT_EQ(maxText, 2) << "one for each character typed past the limit";
}

TEST_F(Controls, AChangeHandlerGetsTheChangeItCausesInsideItsCallAndPostedMessagesAfter)
{
    Rec().react[CommandKey(kIdEdit, EN_CHANGE)] = [](HWND dialog, WPARAM, LPARAM) {
        Rec().log.push_back("handler begins");
        PostMessageW(dialog, WM_APP, 0, 0);
        SetDlgItemTextW(dialog, kIdEdit2, u"copy");
        Rec().log.push_back("handler ends");
        return TRUE;
    };
    Rec().react[WM_APP] = [](HWND, WPARAM, LPARAM) {
        Rec().log.push_back("posted");
        return TRUE;
    };
    RunControls([](HWND dialog) { SetDlgItemTextW(dialog, kIdEdit, u"x"); });
    EXPECT_EQ(std::vector<std::string>(Rec().log.begin(), Rec().log.begin() + 7),
              (std::vector<std::string>{Command(kIdEdit, EN_UPDATE), Command(kIdEdit, EN_CHANGE), "handler begins",
                                        Command(kIdEdit2, EN_UPDATE), Command(kIdEdit2, EN_CHANGE), "handler ends",
                                        "posted"}));
}

TEST_F(Controls, AClickFirstMovesTheFocusAndAKillFocusHandlerCanSwallowIt)
{
    RunControls([](HWND dialog) { SetFocus(GetDlgItem(dialog, kIdEdit)); }, "  click 1705\n  click 2\n");
    EXPECT_EQ(std::vector<std::string>(Rec().log.begin(), Rec().log.begin() + 3),
              (std::vector<std::string>{Command(kIdEdit, EN_SETFOCUS), Command(kIdEdit, EN_KILLFOCUS),
                                        Command(kIdPush, BN_CLICKED)}));

    // The edit refuses to let go: it takes the focus back, and the button's click never comes.
    Rec() = {};
    Rec().react[CommandKey(kIdEdit, EN_KILLFOCUS)] = [](HWND dialog, WPARAM, LPARAM) {
        SetFocus(GetDlgItem(dialog, kIdEdit));
        return TRUE;
    };
    RunControls([](HWND dialog) { SetFocus(GetDlgItem(dialog, kIdEdit)); }, "  click 1705\n  key escape\n");
    EXPECT_EQ(std::count(Rec().log.begin(), Rec().log.end(), Command(kIdPush, BN_CLICKED)), 0);
}

TEST_F(Controls, AUsersPickFromAComboBoxSendsItsNotificationsInOrder)
{
    LRESULT selection = -2;
    Rec().react[CommandKey(IDOK, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        selection = SendDlgItemMessageW(dialog, kIdCombo, CB_GETCURSEL, 0, 0);
        EndDialog(dialog, IDOK);
        return TRUE;
    };
    RunControls(
        [](HWND dialog) {
            for (const WCHAR* paper : {u"A4", u"A3", u"Letter"})
                SendDlgItemMessageW(dialog, kIdCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(paper));
            SetFocus(GetDlgItem(dialog, IDOK));
        },
        "  pick 1703 \"Letter\"\n  click 1\n");
    EXPECT_EQ(std::vector<std::string>(Rec().log.begin(), Rec().log.begin() + 5),
              (std::vector<std::string>{Command(kIdCombo, CBN_SETFOCUS), Command(kIdCombo, CBN_DROPDOWN),
                                        Command(kIdCombo, CBN_SELCHANGE), Command(kIdCombo, CBN_SELENDOK),
                                        Command(kIdCombo, CBN_CLOSEUP)}));
    EXPECT_EQ(selection, 2);
}

TEST_F(Controls, AListBoxTellsOfAUsersChoiceOnlyWhenItChangesTheSelection)
{
    RunControls(
        [](HWND dialog) {
            for (const WCHAR* item : {u"one", u"two"})
                SendDlgItemMessageW(dialog, kIdList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessageW(dialog, kIdList, LB_SETCURSEL, 0, 0);
        },
        "  pick 1704 \"one\"\n  pick 1704 #1\n  click 2\n");
    EXPECT_EQ(std::count(Rec().log.begin(), Rec().log.end(), Command(kIdList, LBN_SELCHANGE)), 1);
}

static WNDPROC g_editProc = nullptr;
static std::u16string g_seen;
static LRESULT CALLBACK DigitsOnly(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR) {
        g_seen.push_back(static_cast<WCHAR>(wParam));
        if (wParam < u'0' || wParam > u'9')
            return 0;
    }
    return CallWindowProcW(g_editProc, hwnd, msg, wParam, lParam);
}

TEST_F(Controls, TypingGoesThroughTheEditsCurrentProcedure)
{
    g_seen.clear();
    std::u16string text;
    Rec().react[CommandKey(IDOK, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        WCHAR buffer[16];
        GetDlgItemTextW(dialog, kIdEdit, buffer, 16);
        text = buffer;
        EndDialog(dialog, IDOK);
        return TRUE;
    };
    RunControls(
        [](HWND dialog) {
            g_editProc = reinterpret_cast<WNDPROC>(
                SetWindowLongW(GetDlgItem(dialog, kIdEdit), GWL_WNDPROC, reinterpret_cast<LONG>(DigitsOnly)));
        },
        "  type 1701 \"1a2\"\n  click 1\n");
    EXPECT_EQ(g_seen, u"1a2");
    EXPECT_EQ(text, u"12");
}

TEST_F(Controls, ComboAndListBoxesKeepTheirItemsAlike)
{
    // The same questions to both, by their own codes.
    struct Kind {
        int id;
        UINT add, insert, remove, setSel, getSel, getText, find, findExact, getCount, setData, getData;
    };
    const Kind kinds[] = {
        {kIdCombo, CB_ADDSTRING, CB_INSERTSTRING, CB_DELETESTRING, CB_SETCURSEL, CB_GETCURSEL, CB_GETLBTEXT,
         CB_FINDSTRING, CB_FINDSTRINGEXACT, CB_GETCOUNT, CB_SETITEMDATA, CB_GETITEMDATA},
        {kIdList, LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_SETCURSEL, LB_GETCURSEL, LB_GETTEXT,
         LB_FINDSTRING, LB_FINDSTRINGEXACT, LB_GETCOUNT, LB_SETITEMDATA, LB_GETITEMDATA},
    };
    for (const Kind& k : kinds) {
        SCOPED_TRACE(k.id);
        RunControls([&](HWND dialog) {
            const auto send = [&](UINT msg, WPARAM wParam, const void* lParam) {
                return SendDlgItemMessageW(dialog, k.id, msg, wParam, reinterpret_cast<LPARAM>(lParam));
            };
            for (const WCHAR* text : {u"Letter", u"A4", u"Legal"})
                send(k.add, 0, text);
            EXPECT_EQ(send(k.insert, 1, u"A3"), 1);
            EXPECT_EQ(send(k.insert, 9, u"B5"), -1) << "past the end";
            EXPECT_EQ(send(k.add, 0, nullptr), -1) << "a list of strings takes no null text";
            EXPECT_EQ(send(k.getCount, 0, nullptr), 4);
            EXPECT_EQ(send(k.setData, 2, reinterpret_cast<const void*>(0x1234)), TRUE);
            EXPECT_EQ(send(k.getData, 2, nullptr), 0x1234);
            EXPECT_EQ(send(k.getData, 4, nullptr), -1);
            // Searches begin after the start and wrap round; without regard to case; exact or by the beginning.
            EXPECT_EQ(send(k.find, static_cast<WPARAM>(-1), u"le"), 0);
            EXPECT_EQ(send(k.find, 0, u"le"), 3);
            EXPECT_EQ(send(k.find, 3, u"le"), 0);
            EXPECT_EQ(send(k.findExact, static_cast<WPARAM>(-1), u"a4"), 2);
            EXPECT_EQ(send(k.findExact, static_cast<WPARAM>(-1), u"A"), -1);
            // The selection stays on its item when another goes, and goes with its own.
            send(k.setSel, 2, nullptr);
            EXPECT_EQ(send(k.remove, 0, nullptr), 3);
            EXPECT_EQ(send(k.getSel, 0, nullptr), 1);
            WCHAR text[8] = {u'x'};
            EXPECT_EQ(send(k.getText, 1, text), 2);
            EXPECT_EQ(std::u16string(text), u"A4");
            EXPECT_EQ(send(k.getText, 3, text), -1);
            EXPECT_EQ(send(k.remove, 1, nullptr), 2);
            EXPECT_EQ(send(k.getSel, 0, nullptr), -1);
            EXPECT_EQ(send(k.remove, 5, nullptr), -1);
        });
    }
}
