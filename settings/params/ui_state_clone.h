#pragma once
// ui_state_clone.h - copies of a whole sheet working state, which the settings library keeps per entry and
// sub-dialogs edit before their changes are taken over.

struct UI_STATE;

// A new state with its own main block, data block and settings store, copied from the source and re-pointed
// at its own areas; it shares the source's run-time tables and packed defaults. Null when any allocation
// fails (nothing is left allocated).
UI_STATE* CloneUiState(const UI_STATE* pSource);
// Frees a clone's store, data block and main block and clears the cell; a null cell or clone is ignored.
void FreeUiStateClone(UI_STATE** ppClone);
// Copies the source's values and named lists into a target of the same layout; the target keeps its own
// data block, store, run-time tables and packed defaults and is re-pointed at its own areas. Nothing is copied for a null state or blocks of
// different sizes.
void CopyUiState(UI_STATE* pTarget, const UI_STATE* pSource);
