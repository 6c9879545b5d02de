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

// Control ids of kSimpleDialog.
constexpr int kIdCheck = 1502;
constexpr int kIdRadio1 = 1503;
constexpr int kIdRadio2 = 1504;
constexpr int kIdLabel = 1505;
constexpr int kIdOpenNested = 1601;

struct TestSheetRecord {
    std::vector<std::string> log;   // what the module's dialog procedures were sent, by name
    // What a test does inside a message to one of the module's dialogs, by control id and notification (or
    // message); empty: nothing.
    std::function<void(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)> react;
};

#define TEST_SHEET_RECORD_SYMBOL "g_testSheetRecord"
