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

TEST_F(Spins, AScrollBarTellsTheDragAndKeysButMovesOnlyWhenItsOwnerSetsIt)
{
    SpinLog log;
    log.Install();
    // The owner follows the drag's end, as programs do, but not the keys.
    std::vector<int> trackSeen;
    Rec().react[WM_HSCROLL] = [&](HWND, WPARAM wParam, LPARAM lParam) {
        const HWND bar = reinterpret_cast<HWND>(lParam);
        Rec().log.push_back("WM_HSCROLL " + std::to_string(LOWORD(wParam)) + " " +
                            std::to_string(static_cast<short>(HIWORD(wParam))) + " " +
                            std::to_string(GetDlgCtrlID(bar)));
        if (GetDlgCtrlID(bar) != kIdScroll)
            return TRUE;
        if (LOWORD(wParam) == SB_THUMBTRACK) {
            SCROLLINFO info = {sizeof info, SIF_TRACKPOS | SIF_POS, 0, 0, 0, 0, 0};
            GetScrollInfo(bar, SB_CTL, &info);
            trackSeen.push_back(info.nTrackPos * 100 + info.nPos);
        }
        if (LOWORD(wParam) == SB_THUMBPOSITION)
            SetScrollPos(bar, SB_CTL, static_cast<short>(HIWORD(wParam)), TRUE);
        return TRUE;
    };
    LRESULT position = -1;
    Rec().react[CommandKey(IDCANCEL, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        position = GetScrollPos(GetDlgItem(dialog, kIdScroll), SB_CTL);
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    };
    RunSpin(1, 9, 1, "  scroll 1804 3\n  key 1804 right\n  key 1804 up\n  key 1804 end\n", [](HWND dialog) {
        const SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 10, 4, 1, 0};
        SetScrollInfo(GetDlgItem(dialog, kIdScroll), SB_CTL, &info, TRUE);
    });
    const std::string bar = std::to_string(kIdScroll);
    EXPECT_EQ(Told(), (std::vector<std::string>{
                          "WM_HSCROLL 5 2 " + bar, "WM_HSCROLL 5 3 " + bar, "WM_HSCROLL 4 3 " + bar,
                          "WM_HSCROLL 8 0 " + bar, "WM_HSCROLL 1 0 " + bar, "WM_HSCROLL 8 0 " + bar,
                          "WM_HSCROLL 7 0 " + bar, "WM_HSCROLL 8 0 " + bar}))
        << "setting the bar tells nothing; up is no key of a horizontal bar";
    EXPECT_EQ(trackSeen, (std::vector<int>{201, 301})) << "the thumb is tracked while the position stays";
    EXPECT_EQ(position, 3) << "only the drag's end was followed by the owner";
}

class ScrollBars : public DialogTest {};

TEST_F(ScrollBars, ThePositionStaysWithinTheRangeThePageLeaves)
{
    const HWND owner = CreateWindowExW(0, u"#32770", u"owner", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                                       nullptr, nullptr);
    const HWND bar = CreateWindowExW(0, u"ScrollBar", u"", WS_CHILD | SBS_VERT, 0, 0, 10, 100, owner, nullptr,
                                     nullptr, nullptr);
    ASSERT_NE(bar, nullptr);
    struct Case {
        HWND window;
        int which;
        int minimum, maximum;
        UINT page;
        int asked;
        UINT pageKept;
        int position;
    };
    const Case cases[] = {
        {bar, SB_CTL, 0, 10, 4, 20, 4, 7},      // the page's last line is the range's
        {bar, SB_CTL, 0, 10, 0, 20, 0, 10},
        {bar, SB_CTL, 0, 10, 50, 5, 11, 0},     // a page larger than the range is the range
        {bar, SB_CTL, -5, 5, 1, -9, 1, -5},
        {bar, SB_CTL, 5, 2, 0, 3, 0, 5},        // a maximum below the minimum is the minimum
        {owner, SB_VERT, 0, 100, 10, 95, 10, 91},
        {owner, SB_HORZ, 0, 3, 0, 2, 0, 2},
    };
    for (const Case& c : cases) {
        const SCROLLINFO set = {sizeof set, SIF_ALL, c.minimum, c.maximum, c.page, c.asked, 0};
        EXPECT_EQ(SetScrollInfo(c.window, c.which, &set, FALSE), c.position) << c.which << " " << c.asked;
        SCROLLINFO got = {sizeof got, SIF_ALL, 0, 0, 0, 0, 0};
        ASSERT_TRUE(GetScrollInfo(c.window, c.which, &got));
        EXPECT_EQ(got.nPage, c.pageKept);
        EXPECT_EQ(got.nPos, c.position);
        EXPECT_EQ(got.nTrackPos, c.position) << "no drag: the thumb is where the position is";
    }
    // The owner's two bars are its own; the control's are the control's.
    EXPECT_EQ(GetScrollPos(owner, SB_HORZ), 2);
    EXPECT_EQ(GetScrollPos(owner, SB_VERT), 91);

    // SetScrollPos answers the old position; a new range answers the old one only when it moved it.
    SetScrollRange(bar, SB_CTL, 0, 100, FALSE);
    EXPECT_EQ(SetScrollPos(bar, SB_CTL, 60, FALSE), 5);
    EXPECT_EQ(SendMessageW(bar, SBM_SETRANGE, 0, 80), 0);
    EXPECT_EQ(SendMessageW(bar, SBM_SETRANGE, 0, 40), 60);
    int low = -1, high = -1;
    EXPECT_TRUE(GetScrollRange(bar, SB_CTL, &low, &high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 40);

    // A record of an unknown size sets and gets nothing; a bar that is none fails.
    const SCROLLINFO wrong = {sizeof wrong + 4, SIF_POS, 0, 0, 0, 1, 0};
    EXPECT_EQ(SetScrollInfo(bar, SB_CTL, &wrong, FALSE), 40);
    SCROLLINFO unread = {3, SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, &unread));
    EXPECT_EQ(GetScrollPos(owner, 7), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));

    DestroyWindow(owner);
    SetLastError(0);
    EXPECT_EQ(GetScrollPos(owner, SB_VERT), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_FALSE(SetScrollRange(bar, SB_CTL, 0, 1, FALSE)) << "the control went with its owner";
}
