// page_list_entry.cpp - page numbers typed on a page: their grammar, their messages and their duplicates.
#include "ui/core/page_list_entry.h"
#include "settings/pagelist/page_slots.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/string_ids.h"

#include <cwchar>

namespace {

bool IsSeparator(WCHAR c)
{
    return c == u',' || c == u'-';
}

// The code of a character where a number must start: ',' 2, '0' 3, '-' 4; 0 for a digit from 1 to 9.
int StartFault(WCHAR c)
{
    switch (c) {
    case u',': return kPageListBadComma;
    case u'0': return kPageListLeadingZero;
    case u'-': return kPageListBadHyphen;
    default: return kPageListValid;
    }
}

// Global text buffers that free themselves; a failed allocation leaves a null pointer.
class TextBuffer {
public:
    explicit TextBuffer(std::size_t chars)
        : m_chars(chars), m_text(static_cast<WCHAR*>(GlobalAlloc(GPTR, chars * sizeof(WCHAR)))) {}
    ~TextBuffer() { if (m_text != nullptr) GlobalFree(m_text); }
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    WCHAR* get() const { return m_text; }
    int chars() const { return static_cast<int>(m_chars); }

private:
    std::size_t m_chars;
    WCHAR* m_text;
};

constexpr int kMessageChars = 1024;   // wsprintfW writes at most 1024 characters

std::size_t Length(const WCHAR* text)
{
    std::size_t n = 0;
    while (text[n] != u'\0')
        ++n;
    return n;
}

// Appends source to text (room characters, terminator included) as far as it fits.
void Append(WCHAR* text, int room, const WCHAR* source)
{
    std::size_t at = Length(text);
    for (std::size_t i = 0; source[i] != u'\0' && at + 1 < static_cast<std::size_t>(room); ++i)
        text[at++] = source[i];
    text[at] = u'\0';
}

// The message text of a fault into text (kMessageChars).
void FormatFault(WCHAR* text, int code, int kind)
{
    switch (code) {
    case kPageListBadDigits:
        if (kind == 1)
            wsprintfW(text, GetResString(kIdsTooManyDigits), GetResString(kIdsInsertPageNumbers), 4);
        else if (kind == 3 || kind == 5)
            wsprintfW(text, GetResString(kIdsTooManyDigits), GetResString(kIdsPageNumbers), 3);
        else if (kind == 4)
            Append(text, kMessageChars, GetResString(kIdsNoRangesWithPageSides));
        else
            wsprintfW(text, GetResString(kIdsTooManyDigits), u"--", 0);
        return;
    case kPageListBadComma:
    case kPageListLeadingZero:
    case kPageListBadHyphen: {
        static constexpr UINT kFaultIds[] = {kIdsCommaMisplaced, kIdsLeadingZero, kIdsHyphenMisplaced};
        wsprintfW(text, GetResString(kIdsPageListFault), GetResString(kFaultIds[code - kPageListBadComma]));
        Append(text, kMessageChars, GetResString(kIdsPageListExample));
        return;
    }
    case kPageListTooMany: {
        WCHAR limit[64] = {};
        if (kind == 1) {
            wsprintfW(limit, GetResString(kIdsInsertPageLimit), 9999);
            wsprintfW(text, GetResString(kIdsTooManyPages), GetResString(kIdsInsertPageNumbers), limit);
        } else if (kind == 2) {
            wsprintfW(limit, GetResString(kIdsChapterPageLimit), 30);
            wsprintfW(text, GetResString(kIdsTooManyPages), GetResString(kIdsPageNumbers), limit);
        } else if (kind == 3) {
            wsprintfW(limit, GetResString(kIdsCoverPageLimit), 28);
            wsprintfW(text, GetResString(kIdsTooManyPages), GetResString(kIdsPageNumbers), limit);
        } else {
            Append(text, kMessageChars, u"--");
        }
        return;
    }
    default:
        return;
    }
}

} // namespace

int ParsePageList(const WCHAR* text, int length, int maxDigits)
{
    if (text == nullptr || length < 1)
        return kPageListValid;
    for (int i = 0; i < length; ++i)
        if (!(text[i] >= u'0' && text[i] <= u'9') && !IsSeparator(text[i]))
            return kPageListBadDigits;
    if (const int fault = StartFault(text[0]); fault != kPageListValid)
        return fault;
    for (int i = 0; i + 1 < length; ++i)
        if (IsSeparator(text[i]))
            if (const int fault = StartFault(text[i + 1]); fault != kPageListValid)
                return fault;
    int digits = 0;
    for (int i = 0; i < length; ++i) {
        digits = IsSeparator(text[i]) ? 0 : digits + 1;
        if (digits > maxDigits)
            return kPageListBadDigits;
    }
    bool inRange = false;
    for (int i = 0; i < length; ++i) {
        if (text[i] == u',') {
            inRange = false;
        } else if (text[i] == u'-') {
            if (inRange)
                return kPageListBadHyphen;
            inRange = true;
        }
    }
    return kPageListValid;
}

int ShowPageListError(HWND hwnd, UINT captionId, int code, int kind)
{
    TextBuffer text(kMessageChars);
    if (text.get() == nullptr)
        return 0;
    FormatFault(text.get(), code, kind);
    MessageBoxW(hwnd, text.get(), GetResString(captionId), MB_ICONEXCLAMATION);
    return 1;
}

int CollectDuplicateValues(const WORD* values, int count, WORD* out, int max)
{
    if (values == nullptr || out == nullptr)
        return 0;
    int found = 0;
    for (int i = 0; i < count && found < max; ++i) {
        bool seenBefore = false;
        for (int j = 0; j < i && !seenBefore; ++j)
            seenBefore = values[j] == values[i];
        if (seenBefore)
            continue;
        bool repeated = false;
        for (int j = i + 1; j < count && !repeated; ++j)
            repeated = values[j] == values[i];
        if (repeated)
            out[found++] = values[i];
    }
    return found;
}

int FormatPageList(const WORD* values, int count, WCHAR* out, int room)
{
    if (values == nullptr || out == nullptr || room < 1)
        return 0;
    const bool cut = count >= 6;
    const int shown = cut ? 5 : count;
    std::size_t length = Length(out);
    for (int i = 0; i < shown; ++i) {
        WCHAR piece[16] = {};
        if (cut)
            wsprintfW(piece, u"%d,", values[i]);
        else
            wsprintfW(piece, i == 0 ? u"%d" : u",%d", values[i]);
        const std::size_t pieceLength = Length(piece);
        if (length + pieceLength >= static_cast<std::size_t>(room))
            return 1;
        Append(out, room, piece);
        length += pieceLength;
    }
    if (cut) {
        const WCHAR* more = GetResString(kIdsMorePagesFollow);
        if (length + Length(more) < static_cast<std::size_t>(room))
            Append(out, room, more);
    }
    return 1;
}

int CheckPageListInput(HWND hwnd, UINT captionId, WORD* duplicates, int count)
{
    constexpr int kListChars = 1212 / sizeof(WCHAR);
    constexpr int kWorkChars = 1024 / sizeof(WCHAR);
    TextBuffer list(kListChars);
    TextBuffer work(kWorkChars);
    if (list.get() == nullptr || work.get() == nullptr)
        return 0;
    SortPageNumbers(duplicates, static_cast<SHORT>(count));
    FormatPageList(duplicates, count, list.get(), kListChars);
    Append(work.get(), kWorkChars, GetResString(kIdsDuplicatePages));
    Append(work.get(), kWorkChars, GetResString(kIdsDuplicatePagesList));
    TextBuffer text(Length(work.get()) + Length(list.get()) + 1);
    if (text.get() == nullptr)
        return 0;
    Append(text.get(), text.chars(), work.get());
    Append(text.get(), text.chars(), list.get());
    MessageBoxW(hwnd, text.get(), GetResString(captionId), MB_ICONEXCLAMATION);
    return 1;
}
