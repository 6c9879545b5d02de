#pragma once
// settings_file.h - saved-settings files: every parameter and named-list item of a UI_STATE written to and read
// from an INI file under the keys of the settings-key table, and one recall group copied between two states.

#include "win/windows.h"

struct UI_STATE;

// How WalkSettingsFile transfers each item.
enum class SettingsWalk : WORD {
    Read = 1,        // file to state
    Write = 2,       // state to file
    CopyGroup = 3,   // source state to state
};

// Writes every walked item of the state into the file (recall group 0: all).
BOOL SaveLibrarySettings(UI_STATE* pState, LPCWSTR pszFile);
// Reads the items of a recall group (0: all) from the file, then checks what was read. 0, with the state
// untouched, when the file cannot be read.
BOOL ReadSettingsFile(UI_STATE* pState, LPCWSTR pszFile, WORD wRecallGroup);
// Writes the items of a recall group; 1 when at least one value was written.
BOOL WriteSettingsFile(UI_STATE* pState, LPCWSTR pszFile, WORD wRecallGroup);
// Copies the items of a recall group from a state of the same layout, then checks them.
BOOL ReadSettingsFileGroup(UI_STATE* pState, UI_STATE* pSource, WORD wRecallGroup);

// The walk behind the calls above. 0 for a null state, a null file (read and write), a null source (copy) or
// a state without key rows; a read also when the file cannot be loaded; a write when nothing was formatted.
BOOL WalkSettingsFile(UI_STATE* pState, LPCWSTR pszFile, UI_STATE* pSource, WORD wRecallGroup, SettingsWalk mode);

// Puts every parameter of the group that a file or a copy may have set out of bounds back in bounds: a plain
// field outside its default row's range takes its default text, a feature-backed value its feature does not
// offer takes the feature's default. Returns 1, or 0 for a null state.
BOOL ValidateReadSettings(UI_STATE* pState, WORD wRecallGroup);
