// list_view_test.cpp - list views in report form: state changes asked and told row by row, the old selection
// first, refusals and nesting; a user's click; sorting, searching and texts within their buffers; and image
// lists keeping their pictures' transparent pixels.
#include "platform/user/dialog_fixture.h"
#include "win/commctrl.h"

using namespace dialog_test;

namespace {

const char* CodeName(UINT code)
{
    switch (code) {
    case LVN_ITEMCHANGING: return "CHANGING";
    case LVN_ITEMCHANGED:  return "CHANGED";
    case LVN_INSERTITEM:   return "INSERT";
    case LVN_DELETEITEM:   return "DELETE";
    case LVN_DELETEALLITEMS: return "DELETEALL";
    case NM_CLICK:         return "NM_CLICK";
    default:               return nullptr;
    }
}

void AddRows(HWND list, std::initializer_list<const char16_t*> texts)
{
    LPARAM param = 10;
    for (const char16_t* text : texts) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = 1000;
        item.pszText = const_cast<LPWSTR>(text);
        item.lParam = param;
        param += 10;
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

BOOL SetState(HWND list, int row, UINT state, UINT mask)
{
    LVITEMW item = {};
    item.state = state;
    item.stateMask = mask;
    return static_cast<BOOL>(SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
}

} // namespace

class ListViews : public DialogTest {
protected:
    // Writes down the list view's notifications "CHANGING row old>new", refusing a change when refuse says so;
    // then runs the dialog with body inside WM_INITDIALOG after three rows are added and the log cleared.
    void RunList(const std::function<void(HWND dialog, HWND list)>& body, const std::string& steps = "")
    {
        Rec().react[WM_NOTIFY] = [this](HWND dialog, WPARAM, LPARAM lParam) {
            const auto* nm = reinterpret_cast<const NMLISTVIEW*>(lParam);
            const char* name = CodeName(nm->hdr.code);
            if (name == nullptr || nm->hdr.idFrom != static_cast<UINT_PTR>(kIdListView))
                return FALSE;
            std::string line = std::string(name) + " " + std::to_string(nm->iItem);
            if (nm->hdr.code == LVN_ITEMCHANGING || nm->hdr.code == LVN_ITEMCHANGED)
                line += " " + std::to_string(nm->uOldState) + ">" + std::to_string(nm->uNewState);
            Rec().log.push_back(line);
            const bool refused = nm->hdr.code == LVN_ITEMCHANGING && refuse && refuse(*nm);
            if (nm->hdr.code == LVN_ITEMCHANGED && changed)
                changed(dialog, *nm);
            SetWindowLongW(dialog, DWL_MSGRESULT, refused ? TRUE : FALSE);
            return TRUE;
        };
        Rec().react[WM_INITDIALOG] = [body](HWND dialog, WPARAM, LPARAM) {
            const HWND list = GetDlgItem(dialog, kIdListView);
            AddRows(list, {u"Alpha", u"Beta", u"Gamma"});
            Rec().log.clear();
            body(dialog, list);
            return FALSE;
        };
        host::SetUserScript("dialog 190\n" + steps + "  click 2\n");
        Run(kListViewDialog);
        const auto failures = host::UserScriptFailures();
        EXPECT_TRUE(failures.empty()) << failures.front();
    }

    // The notifications only.
    static std::vector<std::string> Told()
    {
        std::vector<std::string> told;
        for (const std::string& line : Rec().log)
            if (line.rfind("WM_", 0) != 0)
                told.push_back(line);
        return told;
    }

    std::function<bool(const NMLISTVIEW&)> refuse;
    std::function<void(HWND, const NMLISTVIEW&)> changed;
};

TEST_F(ListViews, SettingAStateAsksAndTellsRowByRowTheOldSelectionFirst)
{
    RunList([](HWND, HWND list) {
        SetState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Rec().log.push_back("--");
        SetState(list, 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        Rec().log.push_back("--");
        SetState(list, 2, LVIS_SELECTED, LVIS_SELECTED);   // no change: nothing told
    });
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGING 0 0>3", "CHANGED 0 0>3", "--", "CHANGING 0 3>0",
                                                "CHANGED 0 3>0", "CHANGING 2 0>3", "CHANGED 2 0>3", "--"}));
}

TEST_F(ListViews, ARefusedChangeStaysUndoneAndAChangeMadeWhileToldNests)
{
    refuse = [](const NMLISTVIEW& nm) { return nm.iItem == 1; };
    changed = [](HWND dialog, const NMLISTVIEW& nm) {
        if (nm.iItem == 2 && (nm.uNewState & LVIS_SELECTED) != 0)
            SetState(GetDlgItem(dialog, kIdListView), 0, LVIS_CUT, LVIS_CUT);
    };
    BOOL refused = TRUE;
    LRESULT state1 = -1;
    LRESULT state0 = -1;
    RunList([&](HWND, HWND list) {
        refused = SetState(list, 1, LVIS_SELECTED, LVIS_SELECTED);
        state1 = SendMessageW(list, LVM_GETITEMSTATE, 1, LVIS_SELECTED);
        Rec().log.push_back("--");
        SetState(list, 2, LVIS_SELECTED, LVIS_SELECTED);
        Rec().log.push_back("returned");
        state0 = SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_CUT);
    });
    EXPECT_FALSE(refused);
    EXPECT_EQ(state1, 0);
    EXPECT_EQ(state0, LVIS_CUT);
    EXPECT_EQ(Told(), (std::vector<std::string>{"CHANGING 1 0>2", "--", "CHANGING 2 0>2", "CHANGED 2 0>2",
                                                "CHANGING 0 0>4", "CHANGED 0 0>4", "returned"}))
        << "the change made inside LVN_ITEMCHANGED is told before the outer call returns";
}

TEST_F(ListViews, AUsersClickSelectsTheRowThenSaysSo)
{
    LRESULT selected = -1;
    Rec().react[CommandKey(IDCANCEL, BN_CLICKED)] = [&](HWND dialog, WPARAM, LPARAM) {
        selected = SendDlgItemMessageW(dialog, kIdListView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    };
    RunList([](HWND, HWND list) { SetState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED); },
            "  pick 1901 \"Beta\"\n");
    std::vector<std::string> told = Told();
    told.erase(told.begin(), told.begin() + 2);   // the selection set by message
    EXPECT_EQ(told, (std::vector<std::string>{"CHANGING 0 3>1", "CHANGED 0 3>1", "CHANGING 0 1>0", "CHANGED 0 1>0",
                                              "CHANGING 1 0>3", "CHANGED 1 0>3", "NM_CLICK 1"}));
    EXPECT_EQ(selected, 1);
}

static int CALLBACK Descending(LPARAM a, LPARAM b, LPARAM sort)
{
    Rec().log.push_back("compare " + std::to_string(sort));
    return a > b ? -1 : a < b ? 1 : 0;
}

TEST_F(ListViews, RowsSortByTheCallersFunctionAndAreFoundAndReadWithinTheirBuffers)
{
    RunList([](HWND, HWND list) {
        LVCOLUMNW column = {LVCF_TEXT | LVCF_WIDTH, 0, 80, const_cast<LPWSTR>(u"Name"), 0, 0, 0, 0};
        EXPECT_EQ(SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)), 0);
        LVITEMW sub = {};
        sub.iSubItem = 1;
        sub.pszText = const_cast<LPWSTR>(u"second");
        EXPECT_TRUE(SendMessageW(list, LVM_SETITEMTEXTW, 2, reinterpret_cast<LPARAM>(&sub)));
        EXPECT_TRUE(SendMessageW(list, LVM_SORTITEMS, 7, reinterpret_cast<LPARAM>(Descending)));
        EXPECT_NE(std::find(Rec().log.begin(), Rec().log.end(), "compare 7"), Rec().log.end());
        WCHAR text[4] = {};
        LVITEMW item = {};
        item.pszText = text;
        item.cchTextMax = 4;
        EXPECT_EQ(SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item)), 3) << "cut to the buffer";
        EXPECT_EQ(std::u16string(text), u"Gam");
        item.iSubItem = 1;
        item.cchTextMax = 4;
        SendMessageW(list, LVM_GETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::u16string(text), u"sec") << "the sub-item moved with its row";

        struct Find {
            UINT flags;
            const char16_t* text;
            LPARAM param;
            int start;
            LRESULT found;
        };
        const Find finds[] = {
            {LVFI_PARAM, nullptr, 10, -1, 2},  {LVFI_STRING, u"beta", 0, -1, 1}, {LVFI_STRING, u"Bet", 0, -1, -1},
            {LVFI_PARTIAL, u"Bet", 0, -1, 1},  {LVFI_STRING, u"Gamma", 0, 0, -1},
            {LVFI_STRING | LVFI_WRAP, u"Gamma", 0, 0, 0},
        };
        for (const Find& f : finds) {
            LVFINDINFOW info = {f.flags, f.text, f.param, {0, 0}, 0};
            EXPECT_EQ(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(f.start), reinterpret_cast<LPARAM>(&info)),
                      f.found)
                << f.flags;
        }
        EXPECT_EQ(SendMessageW(list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
    });
}

TEST_F(ListViews, AnImageListKeepsItsPicturesAndTheirTransparentPixels)
{
    // A strip of two 2x2 pictures: the first red with a magenta corner, the second blue.
    const HDC screen = GetDC(nullptr);
    const HBITMAP strip = CreateCompatibleBitmap(screen, 4, 2);
    const HDC dc = CreateCompatibleDC(screen);
    const HGDIOBJ old = SelectObject(dc, strip);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixel(dc, x, y, x < 2 ? RGB(255, 0, 0) : RGB(0, 0, 255));
    SetPixel(dc, 0, 0, RGB(255, 0, 255));
    SelectObject(dc, old);

    const HIMAGELIST list = ImageList_Create(2, 2, ILC_COLOR24 | ILC_MASK, 2, 2);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ImageList_AddMasked(list, strip, RGB(255, 0, 255)), 0);
    EXPECT_EQ(ImageList_GetImageCount(list), 2);
    EXPECT_EQ(ImageList_Add(list, nullptr, nullptr), -1);

    const HBITMAP target = CreateCompatibleBitmap(screen, 4, 2);
    SelectObject(dc, target);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixel(dc, x, y, RGB(0, 255, 0));
    EXPECT_TRUE(ImageList_Draw(list, 0, dc, 0, 0, ILD_TRANSPARENT));
    EXPECT_TRUE(ImageList_Draw(list, 1, dc, 2, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(list, 2, dc, 0, 0, ILD_NORMAL));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 255, 0)) << "the transparent corner shows what was there";
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 1), RGB(0, 0, 255));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DeleteObject(strip);
    DeleteObject(target);
    EXPECT_TRUE(ImageList_Destroy(list));
    EXPECT_FALSE(ImageList_Destroy(list));
    EXPECT_EQ(ImageList_GetImageCount(list), 0);
}
