// message_box_test.cpp - MessageBoxW as the user answers it: the script's answer, the record of the box, the
// focus it takes and gives back, and a box nobody expected.
#include "platform/user/dialog_fixture.h"

using namespace dialog_test;

class MessageBoxes : public DialogTest {};

TEST_F(MessageBoxes, TheScriptAnswersTheBoxAndEveryBoxIsRecorded)
{
    int answer = 0;
    Rec().react[WM_INITDIALOG] = [&](HWND dialog, WPARAM, LPARAM) {
        answer = MessageBoxW(dialog, u"Save the changes?", u"Question", MB_YESNO | MB_ICONQUESTION);
        return TRUE;
    };
    host::SetUserScript("dialog 150\n  box \"Question\"\n    answer no\n  click 2\n");
    Run(kSimpleDialog);
    const auto failures = host::UserScriptFailures();
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(host::ShownRecord(),
              (std::vector<std::string>{"box \"Question\" \"Save the changes?\" 0x00000024 owner dialog 150",
                                        "dialog 150 \"Simple\""}));
}

TEST_F(MessageBoxes, ABoxTakesTheFocusWhileShownAndGivesItBack)
{
    static HWND box = nullptr;
    static HWND focusParentInBox = nullptr;
    box = focusParentInBox = nullptr;
    HWND focusAfter = nullptr;
    HWND check = nullptr;
    Rec().react[CommandKey(kIdOpenNested, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        check = GetFocus();
        MessageBoxW(dialog, u"Done.", u"Note", MB_OK);
        focusAfter = GetFocus();
        return TRUE;
    };
    host::OnWindowShown([](HWND window, const std::string& name) {
        if (name == "box \"Note\"") {
            box = window;
            focusParentInBox = GetParent(GetFocus());
        }
    });
    host::SetUserScript("dialog 160\n  click 1601\n    box \"Note\"\n      answer ok\n  click 2\n");
    Run(kNestedDialog);
    host::OnWindowShown({});
    EXPECT_TRUE(host::UserScriptFailures().empty());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(focusParentInBox, box) << "the box's own button has the focus";
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(focusAfter, check);
}

TEST_F(MessageBoxes, AKillFocusHandlerThatShowsABoxSwallowsTheClick)
{
    Rec().react[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) {
        SetFocus(GetDlgItem(dialog, kIdEdit));
        return FALSE;
    };
    // Once: the edit loses the focus again when the dialog closes, as it does on Windows.
    bool shown = false;
    Rec().react[CommandKey(kIdEdit, EN_KILLFOCUS)] = [&shown](HWND dialog, WPARAM, LPARAM) {
        if (shown)
            return TRUE;
        shown = true;
        MessageBoxW(dialog, u"Enter a number.", u"Check", MB_OK | MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(dialog, kIdEdit));
        return TRUE;
    };
    host::SetUserScript("dialog 170\n  click 1705\n    box \"Check\"\n      answer ok\n  key escape\n");
    Run(kControlsDialog);
    const auto failures = host::UserScriptFailures();
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(std::count(Rec().log.begin(), Rec().log.end(), CommandName(MAKELONG(kIdPush, BN_CLICKED))), 0);
}

TEST_F(MessageBoxes, ABoxNobodyExpectedFailsByNameAndIsAnsweredAsCancelled)
{
    struct Case {
        UINT type;
        int answer;
    };
    const Case cases[] = {{MB_OK, IDOK}, {MB_YESNO, IDNO}, {MB_OKCANCEL, IDCANCEL}, {MB_ABORTRETRYIGNORE, IDIGNORE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        host::SetUserScript("");
        EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Surprise", c.type), c.answer);
        const auto failures = host::UserScriptFailures();
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures.front(), "unexpected box \"Surprise\"");
    }
    EXPECT_EQ(MessageBoxW(nullptr, u"Text", u"Bad", 0x0F), 0) << "no such type of box";
}
