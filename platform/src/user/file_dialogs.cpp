// file_dialogs.cpp - the common file dialogs, answered by the user's script ("open" or "save", with
// `file "path"` or `cancel`). The path the user gives is put in the caller's buffer within its size, with the
// offsets of its name and extension; a buffer too small, a file that must exist and does not, and a save over
// an existing file that the user does not confirm are handled as the dialogs do. Every dialog shown is recorded.
#include "user/dialog_manager.h"
#include "common/text_util.h"
#include "win/commdlg.h"

namespace platform {
namespace {

thread_local DWORD t_extendedError = 0;

bool Exists(const std::u16string& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Puts the chosen path in the caller's record; false (with the extended error) when it does not fit.
bool Answer(OPENFILENAMEW& ofn, std::u16string path)
{
    const size_t slash = path.find_last_of(u"\\/:");
    const size_t nameAt = slash == std::u16string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of(u'.');
    const bool hasExtension = dot != std::u16string::npos && dot >= nameAt;
    if (!hasExtension && ofn.lpstrDefExt != nullptr && *ofn.lpstrDefExt != u'\0')
        path += u"." + std::u16string(View(ofn.lpstrDefExt));
    if (ofn.lpstrFile == nullptr || path.size() + 1 > ofn.nMaxFile) {
        // The size the buffer needs, in characters, in its first two bytes (when there are two).
        if (ofn.lpstrFile != nullptr && ofn.nMaxFile >= 1)
            ofn.lpstrFile[0] = static_cast<WCHAR>(std::min<size_t>(path.size() + 1, 0xFFFF));
        t_extendedError = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::copy(path.begin(), path.end(), ofn.lpstrFile);
    ofn.lpstrFile[path.size()] = u'\0';
    const size_t extensionDot = path.find_last_of(u'.');
    ofn.nFileOffset = static_cast<WORD>(nameAt);
    ofn.nFileExtension = extensionDot != std::u16string::npos && extensionDot >= nameAt
                             ? static_cast<WORD>(extensionDot + 1)
                             : 0;
    if (ofn.lpstrFileTitle != nullptr && ofn.nMaxFileTitle > 0) {
        const std::u16string name = path.substr(nameAt);
        const size_t n = std::min<size_t>(name.size(), ofn.nMaxFileTitle - 1);
        std::copy_n(name.data(), n, ofn.lpstrFileTitle);
        ofn.lpstrFileTitle[n] = u'\0';
    }
    return true;
}

BOOL RunFileDialog(LPOPENFILENAMEW ofn, bool save)
{
    t_extendedError = 0;
    if (ofn == nullptr || (ofn->lStructSize != sizeof(OPENFILENAMEW) && ofn->lStructSize != OPENFILENAME_SIZE_VERSION_400W)) {
        t_extendedError = CDERR_STRUCTSIZE;
        return FALSE;
    }
    if (ofn->hwndOwner != nullptr && !IsWindow(ofn->hwndOwner)) {
        t_extendedError = CDERR_INITIALIZATION;
        return FALSE;
    }
    const std::u16string title = ofn->lpstrTitle != nullptr ? std::u16string(View(ofn->lpstrTitle))
                                                            : (save ? u"Save As" : u"Open");
    const char* kind = save ? "save" : "open";
    RecordShown(std::string(kind) + " " + QuoteText(title) + " owner " +
                (ofn->hwndOwner != nullptr ? DescribeWindow(ofn->hwndOwner) : std::string("none")));
    const HWND owner = ofn->hwndOwner != nullptr ? TopLevelOf(ofn->hwndOwner) : nullptr;
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    const HWND focusBefore = GetFocus();
    if (disableOwner)
        EnableWindow(owner, FALSE);
    bool expected = false;
    ScriptFrame* frame = OpenScriptFrame(save ? ShownKind::SaveFile : ShownKind::OpenFile, u"", nullptr, expected);
    bool done = false;
    BOOL result = FALSE;
    RunModalLoop(
        frame, expected, kind, [&] { return done; }, [&] { done = true; },
        [&](const ScriptNode& step, std::string& reason) {
            if (step.verb == "cancel") {
                done = true;
                return true;
            }
            const std::u16string path = step.args[0].substr(1);
            if (path.empty()) {
                reason = "no file name";
                return false;
            }
            if (!save && (ofn->Flags & OFN_FILEMUSTEXIST) != 0 && !Exists(path)) {
                reason = "the file does not exist";
                return false;
            }
            if (save && (ofn->Flags & OFN_OVERWRITEPROMPT) != 0 && Exists(path)) {
                // The dialog asks before it replaces a file; No leaves it open for another name.
                const std::u16string question = path + u" already exists.\nDo you want to replace it?";
                if (MessageBoxW(nullptr, question.c_str(), title.c_str(), MB_YESNO | MB_ICONWARNING) != IDYES)
                    return true;
            }
            result = Answer(*ofn, path) ? TRUE : FALSE;
            done = true;
            return true;
        });
    CloseScriptFrame(frame);
    if (disableOwner)
        EnableWindow(owner, TRUE);
    if (IsWindow(focusBefore))
        SetFocus(focusBefore);
    return result;
}

} // namespace
} // namespace platform

BOOL WINAPI GetOpenFileNameW(LPOPENFILENAMEW lpofn)
{
    return platform::RunFileDialog(lpofn, false);
}

BOOL WINAPI GetSaveFileNameW(LPOPENFILENAMEW lpofn)
{
    return platform::RunFileDialog(lpofn, true);
}

DWORD WINAPI CommDlgExtendedError(void)
{
    return platform::t_extendedError;
}
