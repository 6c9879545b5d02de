#pragma once
// test_sheet.h - TESTSHT.DLL, the interface module of the headless user interface's tests: dialog templates
// using every control, a small property sheet of two pages installed as a printer's driver, and a log of what
// its sheet function and pages were sent, which the tests read.

#include <functional>
#include <map>
#include <string>
#include <vector>
#include "win/windows.h"

// Template ids.
constexpr UINT kControlsPage = 100;    // the sheet's first page: an edit, a combo box, a check box, a list box
constexpr UINT kLayoutPage = 200;      // the second: radio buttons in a group box, an up-down, a trackbar,
                                       // a scroll bar and a list view
constexpr UINT kSimpleDialog = 150;    // buttons, check boxes, radio buttons, a static
constexpr UINT kNestedDialog = 160;    // one button that opens kSimpleDialog
constexpr UINT kControlsDialog = 170;  // edits, a combo box, a list box, a push button
constexpr UINT kSpinDialog = 180;      // an edit with its up-down, a trackbar, a scroll bar
constexpr UINT kListViewDialog = 190;  // a report list view

// Control ids of kSimpleDialog.
constexpr int kIdCheck = 1502;
constexpr int kIdRadio1 = 1503;
constexpr int kIdRadio2 = 1504;
constexpr int kIdLabel = 1505;
constexpr int kIdOpenNested = 1601;

// Control ids of kControlsDialog.
constexpr int kIdEdit = 1701;
constexpr int kIdMultiline = 1702;
constexpr int kIdCombo = 1703;
constexpr int kIdList = 1704;
constexpr int kIdPush = 1705;
constexpr int kIdEdit2 = 1706;

// Control ids of kSpinDialog.
constexpr int kIdSpinEdit = 1801;
constexpr int kIdSpin = 1802;
constexpr int kIdTrack = 1803;
constexpr int kIdScroll = 1804;

// Control ids of kListViewDialog.
constexpr int kIdListView = 1901;

// Control ids of the pages.
constexpr int kIdCopies = 101;
constexpr int kIdPaper = 102;
constexpr int kIdCollate = 103;
constexpr int kIdPages = 104;
constexpr int kIdPortrait = 201;
constexpr int kIdLandscape = 202;
constexpr int kIdSpacing = 203;
constexpr int kIdSpacingSpin = 204;
constexpr int kIdDarkness = 205;
constexpr int kIdOffset = 206;
constexpr int kIdTrays = 207;

struct TestSheetRecord {
    std::vector<std::string> log;            // what the sheet function and the pages were sent, by name
    std::map<std::string, long> answers;     // a page's answer to a notification, by its log line
    bool refuseInit = false;                 // the sheet function refuses PROPSHEETUI_REASON_INIT
    int headerFlags = -1;                    // the header's Flags it sets (-1: PSUIHDRF_PROPTITLE added)
    // What a test does inside any message to a page.
    std::function<void(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)> react;
};

#define TEST_SHEET_RECORD_SYMBOL "g_testSheetRecord"
