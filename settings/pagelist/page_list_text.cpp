// page_list_text.cpp - page numbers to text and back, and the keyed text form of the page lists.
#include "settings/pagelist/page_list_text.h"
#include "settings/pagelist/page_list_keys.h"
#include "settings/strings/text_copy.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

namespace {

constexpr std::size_t kDigitsPerNumber = 4;    // ParsePageNumbers: a fifth character starts the next number
constexpr std::size_t kTokenKept = 8;          // ReadPageToken keeps this much of a token for its value
constexpr std::size_t kMaxTokenLength = 0x7FFE;  // a token's consumed count must fit a SHORT with its separator

// A bounded wide text being written: every Put fails once the room (terminator included) is used up.
struct TextOut {
    WCHAR* text;
    std::size_t cch;
    std::size_t length;
    bool fits;

    void Put(WCHAR c)
    {
        if (!fits || length + 1 >= cch) {
            fits = false;
            return;
        }
        text[length++] = c;
        text[length] = u'\0';
    }
    void PutNumber(unsigned value)
    {
        char digits[12];
        const auto result = std::to_chars(digits, std::end(digits), value);
        for (const char* p = digits; p != result.ptr; ++p)
            Put(static_cast<WCHAR>(*p));
    }
};

} // namespace

static bool IsDigit(WCHAR c)
{
    return c >= u'0' && c <= u'9';
}

static std::size_t TextLength(const WCHAR* text)
{
    std::size_t length = 0;
    while (text[length] != u'\0')
        ++length;
    return length;
}

SHORT PageNumbersToText(const WORD* pPages, SHORT count, WCHAR* pText, std::size_t cchText)
{
    if (pPages == nullptr || pText == nullptr || count <= 0)
        return 0;
    if (cchText == 0)
        return 0;

    TextOut out{pText, cchText, 0, true};
    pText[0] = u'\0';
    for (SHORT i = 0; i < count;) {
        SHORT last = i;
        while (last + 1 < count && pPages[last + 1] == pPages[last] + 1)
            ++last;
        if (i != 0)
            out.Put(u',');
        out.PutNumber(pPages[i]);
        if (last != i) {
            out.Put(u'-');
            out.PutNumber(pPages[last]);
        }
        i = static_cast<SHORT>(last + 1);
    }
    if (!out.fits) {
        pText[0] = u'\0';
        return 0;
    }
    return static_cast<SHORT>(out.length + 1);
}

SHORT ParsePageNumbers(const WCHAR* pText, WORD* pPages, SHORT max)
{
    if (pText == nullptr || pPages == nullptr || max <= 0)
        return 0;

    SHORT count = 0;
    const WCHAR* p = pText;
    while (*p != u'\0' && count < max) {
        const WCHAR* number = p;
        std::size_t length = 0;
        while (length < kDigitsPerNumber && p[length] != u'\0' && p[length] != u',')
            ++length;
        p += length;
        if (*p == u',')
            ++p;

        bool digitsOnly = length != 0;
        unsigned value = 0;
        for (std::size_t i = 0; i < length; ++i) {
            digitsOnly = digitsOnly && IsDigit(number[i]);
            value = value * 10 + static_cast<unsigned>(number[i] - u'0');
        }
        // An empty number and one with anything but digits in it are skipped alike: the text may come from a
        // saved-settings file that nobody checked.
        if (digitsOnly)
            pPages[count++] = static_cast<WORD>(value);
    }
    return count;
}

SHORT ReadPageToken(const WCHAR* pText, SHORT position, WORD* pValue, WORD* pKind)
{
    if (pText == nullptr || pValue == nullptr || pKind == nullptr || position < 0)
        return 0;

    const WCHAR* token = pText + position;
    WCHAR kept[kTokenKept + 1] = {};
    std::size_t length = 0;
    bool digitsOnly = true;
    while (length < kMaxTokenLength && token[length] != u'\0' && token[length] != u'-' && token[length] != u',') {
        digitsOnly = digitsOnly && IsDigit(token[length]);
        if (length < kTokenKept)
            kept[length] = token[length];
        ++length;
    }

    WORD kind = kPageTokenEnd;
    std::size_t consumed = length;
    if (token[length] == u'-' || token[length] == u',') {
        kind = token[length] == u'-' ? kPageTokenRange : kPageTokenComma;
        ++consumed;
    }

    WORD value = 0;
    if (length == 0 || !digitsOnly || ParsePageNumbers(kept, &value, 1) != 1)
        value = 0;
    *pValue = value;
    *pKind = kind;
    return static_cast<SHORT>(consumed);
}

SHORT ParsePageRanges(const WCHAR* pText, WORD* pPages, SHORT max)
{
    if (pText == nullptr || pPages == nullptr)
        return 0;
    if (max < 0)
        max = 0;

    SHORT count = 0;
    bool haveStart = false;
    WORD start = 0;
    const WCHAR* p = pText;
    for (;;) {
        WORD value = 0;
        WORD kind = kPageTokenEnd;
        const SHORT consumed = ReadPageToken(p, 0, &value, &kind);
        if (consumed == 0)
            return count;   // the end: an empty last token stores nothing, and a range start without end is dropped

        if (kind == kPageTokenRange) {
            start = value;
            haveStart = true;
        } else if (haveStart) {
            WORD first = start;
            WORD last = value;
            if (last < first)
                std::swap(first, last);
            if (last - first + 1 > max - count)
                return -1;
            for (unsigned page = first; page <= last; ++page)
                pPages[count++] = static_cast<WORD>(page);
            haveStart = false;
        } else {
            if (count >= max)
                return -1;
            pPages[count++] = value;
        }

        p += consumed;
        if (kind == kPageTokenEnd)
            return count;
    }
}

UINT GetPageListTextSize()
{
    UINT size = 0;
    for (const PAGE_LIST_KEY_ROW* row = GetPageListKeyRows(); row->slot != 0; ++row)
        size += 2u * row->cchText + 16u;
    return size;
}

// Parses one piece of the text form into its slot. A piece with more pages than the slot takes would make a
// negative count: the slot is left empty instead.
static void ReadPageListPiece(PAGE_SLOT_RECORD* pRecord, const PAGE_LIST_KEY_ROW& row, const WCHAR* pPiece)
{
    WORD pages[kPageSlotCapacity] = {};
    const SHORT count = ParsePageRanges(pPiece, pages, row.maxPages);
    if (count < 0 || count > row.maxPages) {
        ClearPageSlot(pRecord, row.slot);
        return;
    }
    SetPageSlot(pRecord, count, row.slot, pages);
}

BOOL ReadPageListsText(PAGE_SLOT_RECORD* pRecord, WCHAR* pText)
{
    if (pRecord == nullptr || pText == nullptr)
        return FALSE;

    bool found[kPageSlotCount + 1] = {};
    for (std::size_t i = TextLength(pText); i-- > 0;) {
        if (pText[i] != u'/')
            continue;
        const PAGE_LIST_KEY_ROW* row = FindPageListKey(pText + i);
        if (row != nullptr) {
            found[row->slot] = true;
            ReadPageListPiece(pRecord, *row, pText + i + 2);
        }
        pText[i] = u'\0';
    }
    if (pText[0] != u'\0') {
        const PAGE_LIST_KEY_ROW* chapters = GetPageListKeyRows();   // a text without a key is the chapter list
        found[chapters->slot] = true;
        ReadPageListPiece(pRecord, *chapters, pText);
    }

    for (const PAGE_LIST_KEY_ROW* row = GetPageListKeyRows(); row->slot != 0; ++row)
        if (!found[row->slot])
            ClearPageSlot(pRecord, row->slot);
    return TRUE;
}

BOOL WritePageListsText(const PAGE_SLOT_RECORD* pRecord, WCHAR* pText, std::size_t cchText)
{
    if (pText == nullptr || cchText == 0)
        return FALSE;
    pText[0] = u'\0';
    if (pRecord == nullptr)
        return FALSE;

    for (const PAGE_LIST_KEY_ROW* row = GetPageListKeyRows(); row->slot != 0; ++row) {
        WORD pages[kPageSlotCapacity] = {};
        BYTE count = 0;
        GetPageSlot(pRecord, row->slot, &count, pages);
        WCHAR pageText[kPageListTextLength] = {};
        const std::size_t cchPageText = std::min<std::size_t>(row->cchText, std::size(pageText));
        if (PageNumbersToText(pages, count, pageText, cchPageText) == 0)
            continue;
        if (!AppendText(pText, cchText, row->key) || !AppendText(pText, cchText, pageText)) {
            pText[0] = u'\0';
            return FALSE;
        }
    }
    return TRUE;
}
