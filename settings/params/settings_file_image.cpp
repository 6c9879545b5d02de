// settings_file_image.cpp - reading a saved-settings file from its bytes. The profile API is not used for
// reading: the file may be large and hostile, and one pass over its bytes finds every section once.
#include "settings/params/settings_file_image.h"

#include "settings/base/global_memory.h"
#include "settings/strings/text_copy.h"
#include "win/winnls.h"

#include <charconv>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

constexpr DWORD kMaxSectionIndex = 4096;

bool IsBlank(BYTE c)
{
    return c == ' ' || c == '\t';
}

// One line of the file: [begin, end) without its LF; next is where the following line starts.
struct Line {
    const BYTE* begin;
    const BYTE* end;
    const BYTE* next;
};

Line NextLine(const BYTE* pos, const BYTE* fileEnd)
{
    while (pos < fileEnd && IsBlank(*pos))
        ++pos;
    const BYTE* lf = static_cast<const BYTE*>(std::memchr(pos, '\n', static_cast<std::size_t>(fileEnd - pos)));
    if (lf == nullptr)
        return { pos, fileEnd, fileEnd };
    return { pos, lf, lf + 1 };
}

// Whether the bytes, each widened to one character, equal the text.
bool BytesEqual(const BYTE* begin, const BYTE* end, const WCHAR* text)
{
    for (; begin < end; ++begin, ++text)
        if (*text == u'\0' || static_cast<WCHAR>(*begin) != *text)
            return false;
    return *text == u'\0';
}

}  // namespace

void FormatSettingsPattern(LPCWSTR pszPattern, LONG index, LPWSTR pszOut, UINT cchOut)
{
    if (pszOut == nullptr || cchOut == 0)
        return;
    UINT used = 0;
    for (const WCHAR* p = pszPattern; p != nullptr && *p != u'\0' && used + 1 < cchOut; ++p) {
        if (p[0] == u'%' && p[1] == u'd') {
            char digits[12];
            const auto result = std::to_chars(digits, std::end(digits), index);
            for (const char* d = digits; d < result.ptr && used + 1 < cchOut; ++d)
                pszOut[used++] = static_cast<WCHAR>(*d);
            ++p;
            continue;
        }
        pszOut[used++] = *p;
    }
    pszOut[used] = u'\0';
}

const BYTE* FindIniSection(LPCWSTR pszName, const BYTE* pBytes, DWORD cbBytes)
{
    if (pszName == nullptr || pBytes == nullptr)
        return nullptr;
    WCHAR wanted[72] = u"[";
    if (!AppendText(wanted, std::size(wanted), pszName) || !AppendText(wanted, std::size(wanted), u"]\r"))
        return nullptr;
    const BYTE* fileEnd = pBytes + cbBytes;
    for (const BYTE* pos = pBytes; pos < fileEnd;) {
        const Line line = NextLine(pos, fileEnd);
        // Only a line with its LF is a whole section line; one at the very end has no body.
        if (line.end < fileEnd && BytesEqual(line.begin, line.end, wanted))
            return line.next < fileEnd ? line.next : nullptr;
        pos = line.next;
    }
    return nullptr;
}

SETTINGS_FILE_IMAGE* LoadSettingsFileImage(LPCWSTR pszPath, const SETTINGS_KEY_RUN_ROW* pKeyRows, WORD wKeyCount)
{
    if (pszPath == nullptr || pKeyRows == nullptr)
        return nullptr;
    HANDLE hFile = CreateFileW(pszPath, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE)
        return nullptr;
    const DWORD cbFile = GetFileSize(hFile, nullptr);
    if (cbFile == 0 || cbFile == INVALID_FILE_SIZE || cbFile > kMaxSettingsFileBytes) {
        CloseHandle(hFile);
        return nullptr;
    }
    LockedBlock image(sizeof(SETTINGS_FILE_IMAGE));
    LockedBlock bytes(cbFile);
    DWORD cbRead = 0;
    const BOOL read = image && bytes && ReadFile(hFile, bytes.get(), cbFile, &cbRead, nullptr);
    CloseHandle(hFile);
    if (!read || cbRead != cbFile)
        return nullptr;

    // One index entry per section row and number of its range.
    DWORD dwSections = 0;
    for (WORD i = 0; i < wKeyCount; ++i)
        if (pKeyRows[i].key.szSection[0] != u'\0' && pKeyRows[i].key.wLast >= pKeyRows[i].key.wFirst)
            dwSections += pKeyRows[i].key.wLast - pKeyRows[i].key.wFirst + 1U;
    if (dwSections > kMaxSectionIndex)
        return nullptr;
    LockedBlock sections(dwSections * sizeof(SETTINGS_SECTION_ENTRY) + sizeof(SETTINGS_SECTION_ENTRY));
    if (!sections)
        return nullptr;
    auto* pEntries = sections.as<SETTINGS_SECTION_ENTRY>();
    DWORD n = 0;
    for (WORD i = 0; i < wKeyCount; ++i) {
        const SETTINGS_KEY_ROW& row = pKeyRows[i].key;
        if (row.szSection[0] == u'\0')
            continue;
        for (DWORD number = row.wFirst; number <= row.wLast; ++number, ++n) {
            SETTINGS_SECTION_ENTRY entry = {};
            FormatSettingsPattern(row.szSection, static_cast<LONG>(number), entry.szName, std::size(entry.szName));
            entry.pBody = FindIniSection(entry.szName, bytes.as<BYTE>(), cbFile);
            entry.wSectionRow = i;
            entry.wSectionNumber = static_cast<WORD>(number);
            std::memcpy(&pEntries[n], &entry, sizeof entry);
        }
    }

    auto* pImage = image.as<SETTINGS_FILE_IMAGE>();
    CopyTextCut(pImage->szPath, std::size(pImage->szPath), pszPath);
    pImage->pBytes = static_cast<BYTE*>(bytes.release());
    pImage->cbBytes = cbFile;
    pImage->dwSectionCount = n;
    pImage->pSections = static_cast<SETTINGS_SECTION_ENTRY*>(sections.release());
    return static_cast<SETTINGS_FILE_IMAGE*>(image.release());
}

void FreeSettingsFileImage(SETTINGS_FILE_IMAGE* pImage)
{
    if (pImage == nullptr)
        return;
    FreeLockedBlock(pImage->pBytes);
    FreeLockedBlock(pImage->pSections);
    FreeLockedBlock(pImage);
}

// The indexed body of a section name; null when absent.
static const BYTE* FindIndexedSection(const SETTINGS_FILE_IMAGE* pImage, LPCWSTR pszSection)
{
    for (DWORD i = 0; i < pImage->dwSectionCount; ++i) {
        SETTINGS_SECTION_ENTRY entry;
        std::memcpy(&entry, &pImage->pSections[i], sizeof entry);
        if (std::u16string_view(entry.szName) == std::u16string_view(pszSection))
            return entry.pBody;
    }
    return nullptr;
}

DWORD GetIniValueFromImage(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszDefault, LPWSTR pszOut, DWORD cchOut,
                           const SETTINGS_FILE_IMAGE* pImage)
{
    if (pszOut == nullptr || cchOut == 0)
        return 0;
    const BYTE* pos = (pImage != nullptr && pszSection != nullptr && pszKey != nullptr)
                          ? FindIndexedSection(pImage, pszSection) : nullptr;
    const BYTE* fileEnd = pos != nullptr ? pImage->pBytes + pImage->cbBytes : nullptr;
    while (pos != nullptr && pos < fileEnd) {
        const Line line = NextLine(pos, fileEnd);
        pos = line.next;
        if (line.begin < line.end && *line.begin == '[')
            break;
        const BYTE* cr = static_cast<const BYTE*>(std::memchr(line.begin, '\r', static_cast<std::size_t>(line.end - line.begin)));
        const BYTE* keyEnd = line.begin;
        while (keyEnd < line.end && *keyEnd != '=' && *keyEnd != '\r')
            ++keyEnd;
        if (keyEnd == line.end || *keyEnd != '=' || !BytesEqual(line.begin, keyEnd, pszKey))
            continue;
        if (cr == nullptr)
            break;   // a value must end in CR
        const DWORD cbValue = static_cast<DWORD>(cr - (keyEnd + 1));
        if (cbValue > cchOut - 1)
            break;   // longer than the buffer: absent
        const int cch = cbValue == 0 ? 0
                                     : MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<LPCSTR>(keyEnd + 1),
                                                           static_cast<int>(cbValue), pszOut, static_cast<int>(cchOut - 1));
        if (cbValue != 0 && cch <= 0)
            break;
        pszOut[cch] = u'\0';
        return static_cast<DWORD>(cch);
    }
    return static_cast<DWORD>(CopyTextCut(pszOut, cchOut, pszDefault));
}
