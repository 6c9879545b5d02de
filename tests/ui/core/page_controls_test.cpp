// page_controls_test.cpp - the page services on real dialogs: a combo box's pick named back to its option, an
// edit made ready for correction, and a page telling its sheet that something changed.
#include "platform/user/dialog_fixture.h"
#include "ui/core/option_lists.h"
#include "ui/core/sheet_services.h"
#include "win/prsht.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace dialog_test;

struct Option {
    WORD value;
    const char16_t* name;
    WORD state;   // 1 listed, 4 prohibited
};

// An option list as the working state keeps it: the head, then its options.
std::vector<BYTE> MakeList(std::initializer_list<Option> options, WORD current)
{
    std::vector<BYTE> bytes(sizeof(ITEM_LIST) + options.size() * sizeof(ITEM_LIST_ENTRY));
    ITEM_LIST head = {};
    head.wCurrent = current;
    head.wCount = static_cast<WORD>(options.size());
    std::memcpy(bytes.data(), &head, sizeof head);
    std::size_t at = sizeof head;
    for (const Option& o : options) {
        ITEM_LIST_ENTRY entry = {};
        entry.wValue = o.value;
        entry.wState = o.state;
        std::u16string(o.name).copy(entry.szName, std::size(entry.szName));
        std::memcpy(bytes.data() + at, &entry, sizeof entry);
        at += sizeof entry;
    }
    return bytes;
}

class PageControls : public DialogTest {
protected:
    HWND Open(UINT templateId, HWND parent = nullptr)
    {
        const HWND dialog = CreateDialogParamW(m_module, MAKEINTRESOURCEW(templateId), parent, RecordingDlgProc, 0);
        EXPECT_NE(dialog, nullptr) << GetLastError();
        return dialog;
    }
};

TEST_F(PageControls, AComboPickNamesItsOptionWhateverTheProhibitedOnesBeforeIt)
{
    const HWND dialog = Open(kControlsDialog);
    const HWND combo = GetDlgItem(dialog, kIdCombo);
    // The combo lists only the options a user may pick, as the pages fill it.
    std::vector<BYTE> bytes = MakeList({{10, u"A4", 1}, {11, u"A3", 4}, {12, u"Letter", 1}, {13, u"Legal", 1}}, 10);
    ITEM_LIST* list = reinterpret_cast<ITEM_LIST*>(bytes.data());
    for (const char16_t* name : {u"A4", u"Letter", u"Legal"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));

    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(GetComboOptionIndex(combo, list), 2) << "Letter is the third option, the second shown";
    SelectOptionByComboText(dialog, kIdCombo, list, nullptr);
    EXPECT_EQ(list->wCurrent, 12);

    // No selection: no option, and the working value stays.
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(GetComboOptionIndex(combo, list), kNoOption);
    SelectOptionByComboText(dialog, kIdCombo, list, nullptr);
    EXPECT_EQ(list->wCurrent, 12);

    // A text no option has, and one longer than any name can be, name nothing and are read within bounds.
    const std::u16string longText(300, u'x');
    for (const std::u16string& text : {std::u16string(u"B5"), longText}) {
        const LRESULT at = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
        EXPECT_EQ(GetComboOptionIndex(combo, list), kNoOption) << text.size();
    }
    DestroyWindow(dialog);
}

TEST_F(PageControls, AnEditToCorrectGetsTheFocusWithItsTextSelectedAndKeepsThePage)
{
    const HWND dialog = Open(kControlsDialog);
    const HWND edit = GetDlgItem(dialog, kIdEdit);
    SetWindowTextW(edit, u"1-3,x");
    SetFocus(GetDlgItem(dialog, kIdEdit2));
    SetWindowLongW(dialog, DWL_MSGRESULT, 0);

    SelectEditText(dialog, kIdEdit);
    EXPECT_EQ(GetFocus(), edit);
    DWORD start = 9, end = 9;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u) << "the selection ends with the text";
    EXPECT_EQ(GetWindowLongW(dialog, DWL_MSGRESULT), 1) << "a page change or an apply is refused";
    DestroyWindow(dialog);
}

TEST_F(PageControls, APageTellsItsSheetWithItsOwnWindow)
{
    const HWND sheet = Open(kSimpleDialog);
    const HWND page = Open(kControlsPage, sheet);
    ASSERT_EQ(GetParent(page), sheet);
    WPARAM changedPage = 0;
    Rec().react[PSM_CHANGED] = [&](HWND hwnd, WPARAM wParam, LPARAM) -> INT_PTR {
        changedPage = wParam;
        SetWindowLongW(hwnd, DWL_MSGRESULT, 7);
        return TRUE;
    };
    EXPECT_EQ(NotifySheetChanged(page), 7);
    EXPECT_EQ(changedPage, reinterpret_cast<WPARAM>(page));
    DestroyWindow(sheet);
}

} // namespace
