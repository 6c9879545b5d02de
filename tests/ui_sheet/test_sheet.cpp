// test_sheet.cpp - TESTSHT.DLL: the resource directory with the tests' dialog templates.
#include "ui_sheet/test_sheet.h"
#include "host/resource_data.h"

#include <iterator>

#define TEST_SHEET_EXPORT extern "C" __attribute__((visibility("default")))

TEST_SHEET_EXPORT TestSheetRecord g_testSheetRecord;

namespace {

constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

constexpr host::DialogControl kSimpleControls[] = {
    {kIdCheck,  u"Button", BS_AUTOCHECKBOX | WS_TABSTOP | WS_VISIBLE,               u"&Check",  8, 8, 80, 10, 0},
    {kIdRadio1, u"Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, u"One",     8, 22, 60, 10, 0},
    {kIdRadio2, u"Button", BS_AUTORADIOBUTTON | WS_VISIBLE,                         u"Two",     8, 34, 60, 10, 0},
    {kIdLabel,  u"Static", SS_LEFT | WS_GROUP | WS_VISIBLE,                         u"A label", 8, 48, 80, 8, 0},
    {IDOK,      u"Button", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,   u"OK",      40, 64, 50, 14, 0},
    {IDCANCEL,  u"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                 u"Cancel",  96, 64, 50, 14, 0},
};

constexpr host::DialogControl kNestedControls[] = {
    {kIdOpenNested, u"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, u"More...", 8, 8, 60, 14, 0},
    {IDCANCEL,      u"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, u"Close",   8, 28, 60, 14, 0},
};

constexpr host::DialogControl kControlsControls[] = {
    {kIdEdit,      u"Edit",     ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE,                u"",      8, 8, 80, 12, 0},
    {kIdMultiline, u"Edit",     ES_MULTILINE | ES_WANTRETURN | WS_BORDER | WS_TABSTOP | WS_VISIBLE, u"",      8, 24, 80, 30, 0},
    {kIdCombo,     u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,            u"",      96, 8, 80, 60, 0},
    {kIdList,      u"ListBox",  LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE,      u"",      96, 24, 80, 40, 0},
    {kIdEdit2,     u"Edit",     ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE,                u"",      8, 58, 80, 12, 0},
    {kIdPush,      u"Button",   BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                             u"Push",  96, 68, 50, 14, 0},
    {IDOK,         u"Button",   BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP | WS_VISIBLE,               u"OK",    40, 88, 50, 14, 0},
    {IDCANCEL,     u"Button",   BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE,                             u"Cancel", 96, 88, 50, 14, 0},
};

constexpr host::DialogResource kDialogs[] = {
    {kSimpleDialog, u"Simple", kDialogStyle, 160, 84, kSimpleControls,
     static_cast<UINT>(std::size(kSimpleControls)), nullptr, 0},
    {kNestedDialog, u"Nested", kDialogStyle, 80, 50, kNestedControls,
     static_cast<UINT>(std::size(kNestedControls)), nullptr, 0},
    {kControlsDialog, u"Controls", kDialogStyle, 184, 108, kControlsControls,
     static_cast<UINT>(std::size(kControlsControls)), nullptr, 0},
};

} // namespace

TEST_SHEET_EXPORT const host::ResourceDirectory* HostResourceDirectory(void)
{
    static const host::ResourceDirectory directory = {
        nullptr, 0, nullptr, 0, nullptr, 0, nullptr, 0, kDialogs, static_cast<UINT>(std::size(kDialogs)),
    };
    return &directory;
}
