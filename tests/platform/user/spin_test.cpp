// spin_test.cpp - up-down controls with their buddy edits, and trackbars: what a user's click or drag tells the
// parent, in order, what the parent may refuse, and what setting them by message leaves unsaid.
#include "platform/user/dialog_fixture.h"
#include "win/commctrl.h"

using namespace dialog_test;

namespace {

// Writes down the up-down's UDN_DELTAPOS (answering refuse, with delta changed to newDelta when it is not 0) and
// every scroll message the dialog is sent.
struct SpinLog {
    bool refuse = false;
    int newDelta = 0;

    void Install()
    {
        Rec().react[WM_NOTIFY] = [this](HWND dialog, WPARAM, LPARAM lParam) {
            auto* nm = reinterpret_cast<NMUPDOWN*>(lParam);
            if (nm->hdr.code != UDN_DELTAPOS)
                return FALSE;
            Rec().log.push_back("UDN_DELTAPOS " + std::to_string(nm->iPos) + " " + std::to_string(nm->iDelta));
            if (newDelta != 0)
                nm->iDelta = newDelta;
            SetWindowLongW(dialog, DWL_MSGRESULT, refuse ? TRUE : FALSE);
            return TRUE;
        };
        for (const UINT msg : {WM_VSCROLL, WM_HSCROLL})
            Rec().react[msg] = [msg](HWND, WPARAM wParam, LPARAM lParam) {
                Rec().log.push_back(std::string(msg == WM_VSCROLL ? "WM_VSCROLL " : "WM_HSCROLL ") +
                                    std::to_string(LOWORD(wParam)) + " " +
                                    std::to_string(static_cast<short>(HIWORD(wParam))) + " " +
                                    std::to_string(GetDlgCtrlID(reinterpret_cast<HWND>(lParam))));
                return TRUE;
            };
    }
};

std::string Command(int id, int code)
{
    return CommandName(MAKELONG(id, code));
}

} // namespace

class Spins : public DialogTest {
protected:
    // Runs the spin dialog: the up-down's buddy is the edit, with the range given and the position set; body
    // runs after that inside WM_INITDIALOG with the log cleared; then the script's steps.
    void RunSpin(int low, int high, int position, const std::string& steps,
                 const std::function<void(HWND)>& body = {})
    {
        Rec().react[WM_INITDIALOG] = [=](HWND dialog, WPARAM, LPARAM) {
            const HWND spin = GetDlgItem(dialog, kIdSpin);
            SendMessageW(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, kIdSpinEdit)), 0);
            SendMessageW(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
            SendMessageW(spin, UDM_SETPOS32, 0, position);
            Rec().log.clear();
            if (body)
                body(dialog);
            return FALSE;
        };
        host::SetUserScript("dialog 180\n" + steps + "  click 2\n");
        Run(kSpinDialog);
        const auto failures = host::UserScriptFailures();
        EXPECT_TRUE(failures.empty()) << failures.front();
    }

    // The log up to the Cancel button's click, without the focus notifications.
    static std::vector<std::string> Told()
    {
        std::vector<std::string> told;
        for (const std::string& line : Rec().log) {
            if (line == Command(IDCANCEL, BN_CLICKED))
                break;
            if (line != Command(kIdSpinEdit, EN_SETFOCUS) && line != Command(kIdSpinEdit, EN_KILLFOCUS))
                told.push_back(line);
        }
        return told;
    }

    static std::u16string BuddyText()
    {
        return s_buddyText;
    }

    static inline std::u16string s_buddyText;
};

TEST_F(Spins, AClickAsksThenMovesTheBuddysTextThenTellsTheParent)
{
    SpinLog log;
    log.Install();
    RunSpin(1, 9999, 5, "  spin 1802 1\n  spin 1802 -1\n");
    const std::string spin = std::to_string(kIdSpin);
    EXPECT_EQ(Told(), (std::vector<std::string>{
                          "UDN_DELTAPOS 5 1", Command(kIdSpinEdit, EN_UPDATE), Command(kIdSpinEdit, EN_CHANGE),
                          "WM_VSCROLL 4 6 " + spin, "WM_VSCROLL 8 6 " + spin,
                          "UDN_DELTAPOS 6 -1", Command(kIdSpinEdit, EN_UPDATE), Command(kIdSpinEdit, EN_CHANGE),
                          "WM_VSCROLL 4 5 " + spin, "WM_VSCROLL 8 5 " + spin}));
}

TEST_F(Spins, ThePositionStaysInItsRangeAndStartsFromWhatTheBuddyShows)
{
    struct Case {
        const char* name;
        int low, high, position;
        const char* typed;   // typed into the buddy first, or null
        int steps;
        int newDelta;        // the parent's change of the step, 0: none
        bool refuse;
        const char16_t* buddy;
        int got;
    };
    const Case cases[] = {
        {"up", 1, 9999, 5, nullptr, 3, 0, false, u"8", 8},
        {"stops at the maximum", 1, 3, 2, nullptr, 4, 0, false, u"3", 3},
        {"stops at the minimum", 1, 3, 2, nullptr, -4, 0, false, u"1", 1},
        {"thousands are separated", 0, 20000, 999, nullptr, 2, 0, false, u"1,001", 1001},
        {"from the typed text", 1, 9999, 5, "40", 1, 0, false, u"41", 41},
        {"refused", 1, 9999, 5, nullptr, 2, 0, true, u"5", 5},
        {"the parent's own step", 0, 100, 10, nullptr, 1, 10, false, u"20", 20},
        {"a range that runs down", 100, 0, 50, nullptr, 1, 0, false, u"49", 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rec() = {};
        SpinLog log;
        log.refuse = c.refuse;
        log.newDelta = c.newDelta;
        log.Install();
        LRESULT got = -1;
        Rec().react[CommandKey(IDCANCEL, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
            WCHAR text[32] = {};
            GetDlgItemTextW(dialog, kIdSpinEdit, text, 32);
            s_buddyText = text;
            got = SendDlgItemMessageW(dialog, kIdSpin, UDM_GETPOS32, 0, 0);
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        };
        std::string steps;
        if (c.typed != nullptr)
            steps += std::string("  type 1801 \"") + c.typed + "\"\n";
        steps += "  spin 1802 " + std::to_string(c.steps) + "\n";
        RunSpin(c.low, c.high, c.position, steps);
        EXPECT_EQ(BuddyText(), c.buddy);
        EXPECT_EQ(got, c.got);
    }
}

TEST_F(Spins, SettingThePositionTellsTheParentOnlyThroughTheBuddysText)
{
    SpinLog log;
    log.Install();
    LRESULT old = 0;
    LRESULT clamped = 0;
    LRESULT badText = 0;
    RunSpin(1, 99, 5, "", [&](HWND dialog) {
        old = SendDlgItemMessageW(dialog, kIdSpin, UDM_SETPOS, 0, MAKELONG(7, 0));
        SendDlgItemMessageW(dialog, kIdSpin, UDM_SETPOS32, 0, 500);
        clamped = SendDlgItemMessageW(dialog, kIdSpin, UDM_GETPOS32, 0, 0);
        SetDlgItemTextW(dialog, kIdSpinEdit, u"abc");
        badText = SendDlgItemMessageW(dialog, kIdSpin, UDM_GETPOS, 0, 0);
    });
    EXPECT_EQ(old, 5);
    EXPECT_EQ(clamped, 99);
    EXPECT_NE(HIWORD(badText), 0) << "a buddy text that is no number is an error";
    for (const std::string& line : Told())
        EXPECT_TRUE(line == Command(kIdSpinEdit, EN_UPDATE) || line == Command(kIdSpinEdit, EN_CHANGE)) << line;
}

TEST_F(Spins, ADraggedTrackbarTellsEachMoveThenWhereItWasLetGo)
{
    SpinLog log;
    log.Install();
    LRESULT position = -1;
    Rec().react[CommandKey(IDCANCEL, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        position = SendDlgItemMessageW(dialog, kIdTrack, TBM_GETPOS, 0, 0);
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    };
    RunSpin(1, 9, 1, "  scroll 1803 3\n  key 1803 right\n  key 1803 end\n", [](HWND dialog) {
        SendDlgItemMessageW(dialog, kIdTrack, TBM_SETRANGE, FALSE, MAKELONG(0, 4));
        SendDlgItemMessageW(dialog, kIdTrack, TBM_SETPOS, TRUE, 1);
    });
    const std::string track = std::to_string(kIdTrack);
    EXPECT_EQ(Told(), (std::vector<std::string>{
                          "WM_HSCROLL 5 2 " + track, "WM_HSCROLL 5 3 " + track, "WM_HSCROLL 4 3 " + track,
                          "WM_HSCROLL 8 3 " + track, "WM_HSCROLL 1 4 " + track, "WM_HSCROLL 8 4 " + track,
                          "WM_HSCROLL 7 4 " + track, "WM_HSCROLL 8 4 " + track}))
        << "TBM_SETRANGE and TBM_SETPOS tell nothing; the key past the end stays at the end";
    EXPECT_EQ(position, 4);
}
