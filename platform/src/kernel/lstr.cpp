// lstr.cpp - the lstr* family: lengths, copies and the comparisons that sort text for people.
// Copies with a null string fail with NULL, as Windows' own guarded copies do, instead of faulting.
#include "common/text_util.h"
#include "win/winbase.h"

#include <string>
#include <string_view>

namespace {

enum class CaseRule { Sensitive, Insensitive };

// Word sort keeps "coop" and "co-op" together: hyphens and apostrophes only decide between texts that are
// otherwise equal.
bool IsWordSortIgnorable(char16_t c)
{
    return c == u'-' || c == u'\'';
}

// The primary order of word sort: symbols and punctuation, then digits, then letters (every character beyond
// ASCII counts as a letter: kana, kanji and accented letters), each group in the order of its folded value.
int PrimaryGroup(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return 1;
    if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c >= 0x80)
        return 2;
    return 0;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// The text without its hyphens and apostrophes: what levels one and two of word sort look at.
std::u16string Letters(std::u16string_view text)
{
    std::u16string letters;
    for (char16_t c : text)
        if (!IsWordSortIgnorable(c))
            letters += c;
    return letters;
}

// Level one: the letters themselves, case folded.
int ComparePrimary(std::u16string_view a, std::u16string_view b)
{
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const char16_t x = platform::FoldCase(a[i]);
        const char16_t y = platform::FoldCase(b[i]);
        if (PrimaryGroup(x) != PrimaryGroup(y))
            return PrimaryGroup(x) < PrimaryGroup(y) ? -1 : 1;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return Sign(static_cast<int>(a.size()) - static_cast<int>(b.size()));
}

// Level two, for letters equal at level one (so of one length, differing only in case): at the first
// difference, lower case comes first.
int CompareCase(std::u16string_view a, std::u16string_view b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return platform::FoldCase(a[i]) != a[i] ? -1 : 1;
    }
    return 0;
}

// Level three: the hyphens and apostrophes. Fewer come first; then their code order decides.
int CompareIgnorables(std::u16string_view a, std::u16string_view b, CaseRule rule)
{
    size_t countA = 0;
    size_t countB = 0;
    for (char16_t c : a)
        countA += IsWordSortIgnorable(c);
    for (char16_t c : b)
        countB += IsWordSortIgnorable(c);
    if (countA != countB)
        return countA < countB ? -1 : 1;
    return rule == CaseRule::Insensitive ? Sign(platform::CompareNoCase(a, b)) : Sign(a.compare(b));
}

// A null string sorts before every string, the empty one included; two nulls are equal.
int CompareWords(LPCWSTR lpString1, LPCWSTR lpString2, CaseRule rule)
{
    if (lpString1 == nullptr || lpString2 == nullptr)
        return (lpString2 == nullptr) - (lpString1 == nullptr);
    const std::u16string_view a(lpString1);
    const std::u16string_view b(lpString2);
    const std::u16string lettersA = Letters(a);
    const std::u16string lettersB = Letters(b);
    if (const int primary = ComparePrimary(lettersA, lettersB); primary != 0)
        return primary;
    if (rule == CaseRule::Sensitive) {
        if (const int byCase = CompareCase(lettersA, lettersB); byCase != 0)
            return byCase;
    }
    return CompareIgnorables(a, b, rule);
}

} // namespace

int WINAPI lstrlenW(LPCWSTR lpString)
{
    return lpString == nullptr ? 0 : static_cast<int>(std::u16string_view(lpString).size());
}

int WINAPI lstrlenA(LPCSTR lpString)
{
    return lpString == nullptr ? 0 : static_cast<int>(std::string_view(lpString).size());
}

LPWSTR WINAPI lstrcpyW(LPWSTR lpString1, LPCWSTR lpString2)
{
    if (lpString1 == nullptr || lpString2 == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const std::u16string_view source(lpString2);
    source.copy(lpString1, source.size());
    lpString1[source.size()] = u'\0';
    return lpString1;
}

LPWSTR WINAPI lstrcpynW(LPWSTR lpString1, LPCWSTR lpString2, int iMaxLength)
{
    if (lpString1 == nullptr || lpString2 == nullptr || iMaxLength < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (iMaxLength == 0)
        return lpString1;   // no room even for the terminator: nothing is written
    int at = 0;
    for (; at < iMaxLength - 1 && lpString2[at] != u'\0'; ++at)
        lpString1[at] = lpString2[at];
    lpString1[at] = u'\0';
    return lpString1;
}

LPWSTR WINAPI lstrcatW(LPWSTR lpString1, LPCWSTR lpString2)
{
    if (lpString1 == nullptr || lpString2 == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    lstrcpyW(lpString1 + lstrlenW(lpString1), lpString2);
    return lpString1;
}

int WINAPI lstrcmpW(LPCWSTR lpString1, LPCWSTR lpString2)
{
    return CompareWords(lpString1, lpString2, CaseRule::Sensitive);
}

int WINAPI lstrcmpiW(LPCWSTR lpString1, LPCWSTR lpString2)
{
    return CompareWords(lpString1, lpString2, CaseRule::Insensitive);
}
