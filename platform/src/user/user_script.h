#pragma once
// user_script.h - the user's script as the modal loops follow it: a frame per window shown, the step that
// runs, the record of what was shown and the failures.

#include <functional>
#include <string>
#include <vector>
#include "win/windef.h"

namespace platform {

struct ScriptNode {
    int line = 0;
    std::string verb;                 // a window ("dialog", "box", "menu", "open", "save", "sheet") or a step
    std::vector<std::u16string> args; // texts unquoted; numbers as written
    std::vector<ScriptNode> children;

    bool IsWindow() const;
};

enum class ShownKind { Dialog, Box, Menu, OpenFile, SaveFile, Sheet };

struct ScriptFrame;

// A window the user sees: it takes the script's next expected window when that is this one (kind and key);
// otherwise the failure is reported and the caller cancels the window. The frame is closed by the caller
// when the window goes, which reports steps left. A null window is fine for menus and file dialogs.
ScriptFrame* OpenScriptFrame(ShownKind kind, const std::u16string& key, HWND window, bool& expected);
void CloseScriptFrame(ScriptFrame* frame);
// Attaches the window once it exists (a dialog's frame opens before WM_INITDIALOG).
void SetScriptFrameWindow(ScriptFrame* frame, HWND window);

// Runs the frame's next step with the runner (which answers false with a reason when the step cannot be
// done); false when the frame has no step left.
using StepRunner = std::function<bool(const ScriptNode& step, std::string& reason)>;
bool RunNextScriptStep(ScriptFrame* frame, const StepRunner& runner);

// The standard runner for a window with controls (dialogs, boxes, sheets): clicks, typing, picks, keys.
bool RunControlStep(HWND window, const ScriptNode& step, std::string& reason);
// The sheet's own step ("page ID"), set by the property sheet.
using PageSelector = bool (*)(HWND sheet, UINT templateId);
void SetPageSelector(PageSelector selector);

void RecordShown(const std::string& line);
void ReportScriptFailure(const std::string& message);
void NotifyWindowShown(HWND window, const std::string& name);
void NotifyWindowLeft(HWND window, const std::string& name);

// How a window is named in the record and in failures: "dialog 150", "sheet", "control 1003 in dialog 150".
std::string DescribeWindow(HWND hwnd);
std::string QuoteText(std::u16string_view text);
std::string Hex(unsigned long value, int digits);

} // namespace platform
