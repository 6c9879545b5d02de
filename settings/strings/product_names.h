#pragma once
// product_names.h - the product's fixed names: the page description language, the model, the companion
// files in the driver directory.

#include "win/windows.h"

// "VQPDL2 V": a level of the per-user registry path, and a message-box caption.
LPCWSTR GetPdlName();
// "ORVANE TESSALY QN-804C": a level of the per-user registry path, and a message-box caption.
LPCWSTR GetModelName();

// Companion files by code: 5 and 6 the user-mode companion library "Q73MZRF1.DLL", 7 and 8 none (the
// empty text), 9 the help file "Q73MZRHZ.hlp". With copy set, or for code 6, the name replaces the text in out;
// otherwise it is appended to it. FALSE, with out unchanged, for another code or when the result would not
// fit in cchOut characters.
BOOL GetCompanionFileName(LPWSTR out, UINT cchOut, UINT code, BOOL copy);
