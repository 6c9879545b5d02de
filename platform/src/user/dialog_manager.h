#pragma once
// dialog_manager.h - dialogs made from templates, and the modal loop every modal window of the stand-in runs:
// it delivers posted messages and, when none wait, lets the user's script act.

#include <functional>
#include <string>
#include "host/resource_data.h"
#include "user/controls.h"
#include "user/user_script.h"

namespace platform {

// What the dialog class keeps of a dialog beside its DWL_ longs.
struct DialogState : UserControl {
    UINT templateId = 0;            // 0 for a dialog the stand-in built itself (a message box)
    bool modal = false;
    bool ended = false;
    INT_PTR result = 0;
    HWND savedFocus = nullptr;      // the control that had the focus when the dialog was last left
    int defId = IDOK;
    HFONT ownFont = nullptr;        // made from the template; deleted with the dialog
};

DialogState* DialogStateOf(HWND hwnd);

// The template of that id in the module, or null with the last error of a resource that is not found.
const host::DialogResource* FindDialogTemplate(HINSTANCE instance, LPCWSTR templateName);

// Creates a dialog from a template (hidden unless the template says WS_VISIBLE), with its controls, font and
// WM_INITDIALOG; null when the window or a control cannot be made.
HWND CreateDialogFromTemplate(HINSTANCE instance, const host::DialogResource& dialog, HWND parent, DLGPROC proc,
                              LPARAM param, bool modal);

// Runs the modal loop until ended() holds: posted messages first, then the frame's next step (through the
// runner); a window the script did not expect, or has nothing more for, is cancelled with cancel(), which
// must end the loop. Opening and closing the script's frame is the caller's (see user_script.h).
void RunModalLoop(ScriptFrame* frame, bool expected, const std::string& name, const std::function<bool()>& ended,
                  const std::function<void()>& cancel, const StepRunner& runner);

// Cancels a dialog as its Cancel button would, and ends it with IDCANCEL when its procedure does not.
void CancelDialog(HWND dialog);

// The pseudo key "backtab" (Shift+Tab) the script presses.
constexpr UINT kBackTab = 0x109;

// A dialog's keyboard handling for a key the user presses on a control of it (Tab, Enter, Escape, arrows in
// radio groups); false when the key is the control's own.
bool HandleDialogKey(HWND dialog, HWND control, UINT vk);

// Dialog units to pixels, for the stand-in's dialog font.
RECT DialogUnitsToPixels(SHORT x, SHORT y, SHORT cx, SHORT cy);

} // namespace platform
