#pragma once
// res_strings.h - the process-wide cache of the resource library's texts, by string id (20000..64000).
// Every thread of the process shares it; its calls may come from any of them.

#include "win/windows.h"

// Adds a reference on the resource library and its string cache, loading both on first use. Returns the
// library's module handle, null when the library is missing (the reference is taken all the same).
HMODULE InitResStrings();

// Drops a reference; the last one frees the library and every cached text. An unmatched call does nothing.
void TermResStrings();

// The text of a string id, never null: an empty text for an id outside 20000..64000, for id 21200, when no
// reference is held or the library is missing, when the text is missing or longer than 999 characters, or
// when memory is short. The text stays where it is until the last reference is dropped, so callers may hold
// several at once; they copy it when they keep it longer.
LPCWSTR GetResString(UINT id);

// The length in characters of a string id's text, read afresh from the library (not cached); 0 outside
// 20000..64000, without a loaded library, or when the text is missing.
int GetResStringLength(UINT id);
