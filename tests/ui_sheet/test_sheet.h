#pragma once
// test_sheet.h - TESTSHT.DLL, the interface module of the headless user interface's tests: dialog templates
// using every control, a small property sheet of two pages installed as a printer's driver, and a log of what
// its dialog procedures were sent, which the tests read.

#include <functional>
#include <string>
#include <vector>
#include "win/windows.h"

// Template ids.
constexpr UINT kSimpleDialog = 150;    // buttons, check boxes, radio buttons, a static
constexpr UINT kNestedDialog = 160;    // one button that opens kSimpleDialog
constexpr UINT kControlsDialog = 170;  // edits, a combo box, a list box, a push button

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

struct TestSheetRecord {
    std::vector<std::string> log;   // what the module's dialog procedures were sent, by name
    // What a test does inside a message to one of the module's dialogs, by control id and notification (or
    // message); empty: nothing.
    std::function<void(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)> react;
};

#define TEST_SHEET_RECORD_SYMBOL "g_testSheetRecord"
