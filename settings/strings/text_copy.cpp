// text_copy.cpp - bounded copies of wide text.
#include "settings/strings/text_copy.h"

std::size_t CopyTextCut(WCHAR* out, std::size_t cchOut, const WCHAR* text)
{
    if (out == nullptr || cchOut == 0)
        return 0;
    const std::size_t length = BoundedTextLength(text, cchOut - 1);
    if (length != 0)
        std::memcpy(out, text, length * sizeof(WCHAR));
    out[length] = u'\0';
    return length;
}

BOOL AppendText(WCHAR* out, std::size_t cchOut, const WCHAR* text)
{
    if (out == nullptr || cchOut == 0)
        return FALSE;
    const std::size_t used = BoundedTextLength(out, cchOut);
    if (used == cchOut)
        return FALSE;   // out itself is not terminated within its size
    const std::size_t length = BoundedTextLength(text, cchOut - used);
    if (used + length + 1 > cchOut)
        return FALSE;
    if (length != 0)
        std::memcpy(out + used, text, length * sizeof(WCHAR));
    out[used + length] = u'\0';
    return TRUE;
}
