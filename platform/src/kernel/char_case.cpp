// char_case.cpp - CharUpperW and CharLowerW: ASCII, Latin-1 and full-width Latin letters, the same letters the
// platform folds when it compares names, so that a name upper-cased here still compares equal there.
#include "common/text_util.h"
#include "win/winuser.h"

namespace {

// The inverse of platform::FoldCase.
char16_t LowerChar(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)   // Latin-1 capitals; 0xD7 is the multiplication sign
        return static_cast<char16_t>(c + 0x20);
    if (c >= 0xFF21 && c <= 0xFF3A)            // full-width A-Z
        return static_cast<char16_t>(c + 0x20);
    return c;
}

// Both calls take either a string, converted in place, or a single character passed in the pointer itself:
// a value whose high word is zero can never be the address of a string (the lowest 64 KB of a process are
// never mapped), so its low word is the character and the converted character comes back the same way.
LPWSTR ConvertCase(LPWSTR lpsz, char16_t (*convert)(char16_t))
{
    const auto value = reinterpret_cast<ULONG_PTR>(lpsz);
    if (HIWORD(value) == 0)
        return reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(convert(static_cast<char16_t>(LOWORD(value)))));
    for (WCHAR* c = lpsz; *c != u'\0'; ++c)
        *c = convert(*c);
    return lpsz;
}

} // namespace

LPWSTR WINAPI CharUpperW(LPWSTR lpsz)
{
    return ConvertCase(lpsz, platform::FoldCase);
}

LPWSTR WINAPI CharLowerW(LPWSTR lpsz)
{
    return ConvertCase(lpsz, LowerChar);
}
