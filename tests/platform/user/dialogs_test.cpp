// dialogs_test.cpp - dialogs from templates as a user drives them through the script: the modal loop, the
// dialog procedure's result rules, focus, the dialog keyboard, radio groups and the script's failures.
#include "platform/user/dialog_fixture.h"

#include <stdexcept>

using namespace dialog_test;

class Dialogs : public DialogTest {};

static HWND MakeOwner()
{
    const HWND owner = CreateWindowExW(0, u"#32770", u"Owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    CreateWindowExW(0, u"Button", u"x", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 20, 20, owner,
                    reinterpret_cast<HMENU>(77), nullptr, nullptr);
    return owner;
}

TEST_F(Dialogs, AModalDialogRunsItsScriptBetweenItsOwnerBeingDisabledAndEnabledAgain)
{
    const HWND owner = MakeOwner();
    const HWND ownerButton = GetDlgItem(owner, 77);
    SetFocus(ownerButton);
    Rec().react[WM_INITDIALOG] = [&](HWND, WPARAM, LPARAM lParam) {
        EXPECT_EQ(lParam, 1234);
        Rec().log.push_back(IsWindowEnabled(owner) ? "owner enabled" : "owner disabled");
        return TRUE;
    };
    Rec().react[CommandKey(IDOK, BN_CLICKED)] = [](HWND dialog, WPARAM, LPARAM) {
        EndDialog(dialog, 42);
        Rec().log.push_back("EndDialog returned");
        return TRUE;
    };
    Rec().react[WM_DESTROY] = [&](HWND dialog, WPARAM, LPARAM) {
        Rec().log.push_back(IsWindowEnabled(owner) ? "owner enabled" : "owner disabled");
        EXPECT_FALSE(IsWindowVisible(dialog)) << "an ended dialog is out of sight";
        return FALSE;
    };
    host::SetUserScript("dialog 150\n  click 1\n");
    EXPECT_EQ(Run(kSimpleDialog, owner, 1234), 42);
    EXPECT_EQ(Rec().log, (std::vector<std::string>{"WM_INITDIALOG 1234", "owner disabled", "WM_COMMAND 1 0",
                                                   "EndDialog returned",
                                                   "WM_DESTROY", "owner disabled"}));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(GetFocus(), ownerButton) << "the focus comes back";
    EXPECT_TRUE(host::UserScriptFailures().empty());
    EXPECT_EQ(host::ShownRecord(), (std::vector<std::string>{"dialog 150 \"Simple\""}));
}

TEST_F(Dialogs, InitDialogHasTheParameterAndItsAnswerPlacesTheFocus)
{
    int focusAtStart = 0;
    Rec().react[CommandKey(IDCANCEL, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        focusAtStart = GetDlgCtrlID(GetFocus());
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    };
    host::SetUserScript("dialog 150\n  key escape\n");
    EXPECT_EQ(Run(kSimpleDialog, nullptr, 99), IDCANCEL);
    EXPECT_EQ(Rec().log.front(), "WM_INITDIALOG 99");
    EXPECT_EQ(focusAtStart, kIdCheck) << "TRUE: the first tab stop";

    // FALSE, with the focus set by the procedure: it stays where the procedure put it.
    Rec().react[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) {
        SetFocus(GetDlgItem(dialog, IDCANCEL));
        return FALSE;
    };
    host::SetUserScript("dialog 150\n  key escape\n");
    Run(kSimpleDialog);
    EXPECT_EQ(focusAtStart, IDCANCEL);
    EXPECT_TRUE(host::UserScriptFailures().empty());
}

TEST_F(Dialogs, MsgResultIsResetBeforeEachMessageAndAnsweredWhenTheProcedureSaysTrue)
{
    std::vector<LRESULT> answers;
    Rec().react[WM_USER + 5] = [](HWND dialog, WPARAM wParam, LPARAM) {
        if (wParam != 0)
            SetWindowLongW(dialog, DWL_MSGRESULT, 55);
        return TRUE;
    };
    Rec().react[WM_USER + 6] = [](HWND dialog, WPARAM, LPARAM) {
        SetWindowLongW(dialog, DWL_MSGRESULT, 66);
        return FALSE;   // not handled: DefDlgProc's own answer
    };
    Rec().react[WM_INITDIALOG] = [&](HWND dialog, WPARAM, LPARAM) {
        answers.push_back(SendMessageW(dialog, WM_USER + 5, 1, 0));
        answers.push_back(SendMessageW(dialog, WM_USER + 5, 0, 0));
        answers.push_back(SendMessageW(dialog, WM_USER + 6, 0, 0));
        SetWindowLongW(dialog, DWL_USER, 0x77);
        answers.push_back(GetWindowLongW(dialog, DWL_USER));
        return TRUE;
    };
    host::SetUserScript("dialog 150\n  click 2\n");
    Run(kSimpleDialog);
    EXPECT_EQ(answers, (std::vector<LRESULT>{55, 0, 0, 0x77}));
}

TEST_F(Dialogs, AMissingTemplateAnswersMinusOneAndShowsNothing)
{
    EXPECT_EQ(Run(999), -1);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(kSimpleDialog), nullptr, RecordingDlgProc, 0), -1);
    EXPECT_TRUE(Rec().log.empty());
    EXPECT_TRUE(host::ShownRecord().empty());
}

TEST_F(Dialogs, TabVisitsTheEnabledTabStopsAndEnterAndEscapeAreOkAndCancel)
{
    std::vector<int> visited;
    Rec().react[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) {
        CheckRadioButton(dialog, kIdRadio1, kIdRadio2, kIdRadio2);   // the group's tab stop is its checked one
        EnableWindow(GetDlgItem(dialog, IDCANCEL), FALSE);
        return TRUE;
    };
    Rec().react[WM_APP] = [&](HWND, WPARAM, LPARAM) {
        for (int i = 0; i < 4; ++i) {
            visited.push_back(GetDlgCtrlID(GetFocus()));
            host::PressKey(GetFocus(), VK_TAB);
        }
        return TRUE;
    };
    Rec().react[CommandKey(IDOK, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        if (visited.empty()) {
            SendMessageW(dialog, WM_APP, 0, 0);
            return TRUE;
        }
        EndDialog(dialog, IDOK);
        return TRUE;
    };
    host::SetUserScript("dialog 150\n  key enter\n  key 1502 enter\n");
    EXPECT_EQ(Run(kSimpleDialog), IDOK);
    EXPECT_EQ(visited, (std::vector<int>{kIdCheck, kIdRadio2, IDOK, kIdCheck}));
    EXPECT_TRUE(host::UserScriptFailures().empty()) << host::UserScriptFailures().front();
}

TEST_F(Dialogs, AnAutomaticRadioGroupKeepsOneCheckAndOnlyTheUsersClickNotifies)
{
    Rec().react[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) {
        CheckRadioButton(dialog, kIdRadio1, kIdRadio2, kIdRadio1);
        CheckDlgButton(dialog, kIdCheck, BST_CHECKED);
        return TRUE;
    };
    UINT radio1 = 9;
    UINT radio2 = 9;
    UINT check = 9;
    Rec().react[CommandKey(IDOK, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        radio1 = IsDlgButtonChecked(dialog, kIdRadio1);
        radio2 = IsDlgButtonChecked(dialog, kIdRadio2);
        check = IsDlgButtonChecked(dialog, kIdCheck);
        EndDialog(dialog, IDOK);
        return TRUE;
    };
    host::SetUserScript("dialog 150\n  click 1504\n  uncheck 1502\n  click 1\n");
    Run(kSimpleDialog);
    EXPECT_EQ(radio1, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(radio2, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(check, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Rec().log, (std::vector<std::string>{"WM_INITDIALOG 0", "WM_COMMAND 1504 0", "WM_COMMAND 1502 0",
                                                   "WM_COMMAND 1 0", "WM_DESTROY"}))
        << "CheckRadioButton and BM_SETCHECK send nothing";
}

TEST_F(Dialogs, NestedStepsExpectTheDialogAStepOpens)
{
    Rec().react[CommandKey(kIdOpenNested, BN_CLICKED)] = [this](HWND dialog, WPARAM, LPARAM) {
        Rec().log.push_back("nested " + std::to_string(DialogBoxParamW(m_module, MAKEINTRESOURCEW(kSimpleDialog),
                                                                       dialog, RecordingDlgProc, 7)));
        return TRUE;
    };
    host::SetUserScript("dialog 160\n"
                        "  click 1601\n"
                        "    dialog 150\n"
                        "      check 1502\n"
                        "      click 1\n"
                        "  click 2\n");
    EXPECT_EQ(Run(kNestedDialog), IDCANCEL);
    EXPECT_TRUE(host::UserScriptFailures().empty()) << host::UserScriptFailures().front();
    EXPECT_EQ(host::ShownRecord(), (std::vector<std::string>{"dialog 160 \"Nested\"", "dialog 150 \"Simple\""}));
    EXPECT_NE(std::find(Rec().log.begin(), Rec().log.end(), "nested 1"), Rec().log.end());
}

TEST_F(Dialogs, WhatTheScriptDoesNotExpectFailsByNameAndIsCancelled)
{
    struct Case {
        const char* script;
        const char* failure;
    };
    const Case cases[] = {
        {"", "unexpected dialog 150"},
        {"dialog 160\n  click 2\n", "unexpected dialog 150 (line 1 expects dialog 160)"},
        {"dialog 150\n  check 1502\n", "dialog 150 still open after its steps"},
        {"dialog 150\n  click 2\n  click 1\n", "dialog 150 closed with its steps from line 3 left"},
        {"dialog 150\n  click 1601\n  click 2\n", "line 2: click 1601 in dialog 150: no control 1601"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        host::SetUserScript(c.script);
        EXPECT_EQ(Run(kSimpleDialog), IDCANCEL);
        const auto failures = host::UserScriptFailures();
        ASSERT_FALSE(failures.empty());
        EXPECT_EQ(failures.front(), c.failure);
        host::ClearUserScript();
        host::SetUserScript("");
    }
}

TEST_F(Dialogs, ABadScriptLineIsRefusedWithItsNumberBeforeAnythingRuns)
{
    host::SetUserScript("dialog 150\n  click 1\n");
    const char* bad[] = {
        "dialog 150\n  click\n",
        "dialog 150\n  frobnicate 3\n",
        "click 1\n",
        "dialog 150\n  type 1501 unquoted\n",
        "dialog 150\n  click 1\n    click 2\n",
        "box \"A\"\n  command 4\n",
        "dialog 150\n  pick 1 \"open\n",
    };
    const int lines[] = {2, 2, 1, 2, 3, 2, 2};
    for (size_t i = 0; i < std::size(bad); ++i) {
        SCOPED_TRACE(bad[i]);
        try {
            host::SetUserScript(bad[i]);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, 7), "line " + std::to_string(lines[i]) + ":") << e.what();
        }
    }
    // The script set before is still the one that runs.
    EXPECT_EQ(Run(kSimpleDialog), IDOK);
    EXPECT_TRUE(host::UserScriptFailures().empty());
}
