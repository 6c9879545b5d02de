#pragma once
// dialog_fixture.h - a world with TESTSHT.DLL loaded for its dialog templates, a dialog procedure that writes
// down what it is sent and does what the test asks, and the script's failures reported as the test's own.

#include "platform/modules/test_module_fixture.h"
#include "ui_sheet/test_sheet.h"
#include "host/ui.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace dialog_test {

struct Recorder {
    std::vector<std::string> log;
    // Reactions by message (WM_COMMAND by control id and code: MAKELONG(id, code) | 0x80000000).
    std::map<unsigned long, std::function<INT_PTR(HWND, WPARAM, LPARAM)>> react;
};

inline Recorder& Rec()
{
    static Recorder recorder;
    return recorder;
}

inline unsigned long CommandKey(int id, int code)
{
    return 0x80000000ul | static_cast<unsigned long>(MAKELONG(id, code));
}

inline std::string CommandName(WPARAM wParam)
{
    return "WM_COMMAND " + std::to_string(LOWORD(wParam)) + " " + std::to_string(HIWORD(wParam));
}

// Writes down WM_INITDIALOG, WM_COMMAND, WM_DESTROY and the focus messages; answers what the reactions say.
inline INT_PTR CALLBACK RecordingDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Recorder& rec = Rec();
    unsigned long key = msg;
    switch (msg) {
    case WM_INITDIALOG:
        rec.log.push_back("WM_INITDIALOG " + std::to_string(lParam));
        break;
    case WM_COMMAND:
        rec.log.push_back(CommandName(wParam));
        key = CommandKey(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_DESTROY:
        rec.log.push_back("WM_DESTROY");
        break;
    default:
        break;
    }
    const auto it = rec.react.find(key);
    if (it != rec.react.end()) {
        const auto reaction = it->second;
        return reaction(hwnd, wParam, lParam);
    }
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && HIWORD(wParam) == BN_CLICKED) {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return msg == WM_INITDIALOG ? TRUE : FALSE;
}

class DialogTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        Rec() = {};
        host::ClearUserScript();
        host::ClearShownRecord();
        host::OnUserScriptFailure({});
        const std::u16string path = LinkBuiltModule(kTestDriverDir, "TESTSHT.DLL", u"TESTSHT.DLL");
        m_module = LoadLibraryW(path.c_str());
        ASSERT_NE(m_module, nullptr) << GetLastError();
    }

    void TearDown() override
    {
        Rec() = {};
        if (m_module != nullptr)
            FreeLibrary(m_module);
        WorldTest::TearDown();
    }

    // Runs the template as a modal dialog with the recording procedure; answers DialogBoxParamW's result.
    INT_PTR Run(UINT templateId, HWND owner = nullptr, LPARAM param = 0)
    {
        return DialogBoxParamW(m_module, MAKEINTRESOURCEW(templateId), owner, RecordingDlgProc, param);
    }

    HMODULE m_module = nullptr;
};

} // namespace dialog_test
