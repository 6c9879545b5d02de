#pragma once
// ui.h - the user in front of the stand-in's windows: a script of what the user does in each window shown,
// the record of everything shown, the user's actions on a window, and windows' pictures.
//
// A script is text, one step a line, nested by indentation. A line naming a window ("dialog 150",
// "box "Caption"", "menu 100", "open", "save", "sheet") expects that window to be shown next; the lines
// indented below it are what the user does in it. A window shown while a step runs (a click that opens a
// dialog, say) is expected by a window line indented below that step. Steps:
//   click ID | check ID | uncheck ID          a click on the control (check/uncheck: only when it is not so)
//   type ID "text"                            clicks into the edit, selects everything and types the text
//   paste ID "text"                           clicks into the edit and pastes the text where the selection is
//   key ID NAME | key NAME                    presses a key (tab, backtab, enter, escape, up, down, left, right,
//                                             pageup, pagedown, home, end, delete, space, f1) on the control or
//                                             the one with the focus
//   pick ID "text" | pick ID #N               chooses an item (combo box, list box, list view row, tab) by its
//                                             text or its index
//   scroll ID N                               moves a trackbar's or scroll bar's thumb to N
//   spin ID N                                 clicks an up-down's arrow N times (negative: the down arrow)
//   page ID                                   (sheet) shows the page of that template id, as a click on its tab
//   answer NAME                               (box) clicks ok, cancel, yes, no, abort, retry, ignore, ...
//   command ID | dismiss                      (menu) chooses the item with that command id, or none
//   file "path" | cancel                      (open, save) answers the file dialog with a path, or cancels it
// Numbers are decimal or 0x hexadecimal; a line starting with '#' is a comment. A window no line expects, a window still open
// when its steps are done, steps left when a window closes and a step that cannot be done are failures: each
// is reported, and the window is cancelled.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include "win/windef.h"

namespace host {

// Sets the script (replacing any earlier one, and forgetting the failures so far) after checking every line;
// throws std::invalid_argument naming the first bad line ("line 3: ...") and keeps no part of it.
void SetUserScript(std::string_view script);
// No script (and no failures so far): every modal window shown is unexpected.
void ClearUserScript();

// The failures so far, in order, then the windows the script still expects at its top level.
std::vector<std::string> UserScriptFailures();
// Called at once with each failure as it happens (a test reports it as its own); empty: none.
void OnUserScriptFailure(std::function<void(const std::string&)> report);

// Everything shown since the record was cleared, one line each, e.g. `dialog 150 "Title"`,
// `box "Caption" "Text" 0x00000030 owner dialog 150`, `beep 0x00000030`, `menu 100: 1001 "Save" ...`,
// `help WinHelpW "file.hlp" 0x0001 42`.
std::vector<std::string> ShownRecord();
void ClearShownRecord();

// The user's actions on a window, as the script does them; false when the window is not there, not visible,
// disabled, or not a control that can do it.
bool ClickWindow(HWND control);
bool TypeText(HWND edit, std::u16string_view text);
bool PasteText(HWND edit, std::u16string_view text);
bool PressKey(HWND control, UINT vk);
bool PickItem(HWND control, int index);
bool ScrollTo(HWND control, int position);

// A top-level window's picture, drawn as it looks now (the window need not be visible).
struct Picture {
    long width = 0;
    long height = 0;
    std::vector<unsigned char> rgb;   // R, G, B per pixel, rows top-down
};
Picture WindowPicture(HWND window);
// Saves the picture of a window as a PNG file; false when the window is not there or the file cannot be written.
bool SaveWindowPicture(HWND window, const std::filesystem::path& file);

// What the common property-sheet UI puts after the title the sheet function gives (" Properties" unless set).
void SetSheetCaptionSuffix(std::u16string_view suffix);

// A hook that sees every top-level window as it is shown by a modal loop, before the script acts in it (a host
// program saves its picture there).
void OnWindowShown(std::function<void(HWND window, const std::string& name)> shown);
// A hook that sees the same windows as the user leaves them, as the user made them: a dialog as it closes
// (before it goes), a sheet's page ("page ID", the sheet's window) as another is shown or the sheet closes.
void OnWindowLeft(std::function<void(HWND window, const std::string& name)> left);

} // namespace host
