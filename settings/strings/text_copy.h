#pragma once
// text_copy.h - bounded copies of wide text into fixed fields and buffers.

#include "win/windef.h"
#include <cstddef>
#include <cstring>

// Length of a wide text in characters, reading at most limit characters (limit when no NUL comes first).
inline std::size_t BoundedTextLength(const WCHAR* text, std::size_t limit)
{
    std::size_t length = 0;
    while (text != nullptr && length < limit && text[length] != u'\0')
        ++length;
    return length;
}

// Copies text into a fixed field, cut to the field and always terminated, leaving no stale bytes behind.
// Bytes only, so the field may sit at any offset of a packed record: CopyText(&entry.szName, pszName).
template <std::size_t N>
void CopyText(WCHAR (*field)[N], const WCHAR* text)
{
    WCHAR bounded[N] = {};
    for (std::size_t i = 0; text != nullptr && i + 1 < N && text[i] != u'\0'; ++i)
        bounded[i] = text[i];
    std::memcpy(field, bounded, sizeof bounded);
}

// Copies text into out (cchOut characters), cut and always terminated; returns the characters copied.
std::size_t CopyTextCut(WCHAR* out, std::size_t cchOut, const WCHAR* text);

// Appends text to the terminated text in out (cchOut characters). FALSE, with out unchanged, when the
// whole text does not fit.
BOOL AppendText(WCHAR* out, std::size_t cchOut, const WCHAR* text);
