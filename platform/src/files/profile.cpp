// profile.cpp - private-profile (INI) files: GetPrivateProfileStringW, GetPrivateProfileIntW and
// WritePrivateProfileStringW.
// The files are ANSI text (code page 932) of "[section]" and "key=value" lines, each ended by CR LF. A write
// rewrites only the lines it changes: every other line goes back byte for byte, so text the code page
// cannot round-trip is never damaged by a change elsewhere in the file. Section and key names are matched
// without regard to case or the blanks around them, and written without those blanks; a key already in the
// file keeps its spelling there, whatever the caller's. A value is written as given, blanks and all.
#include "common/text_util.h"
#include "common/world_state.h"
#include "files/file_table.h"
#include "host/text.h"
#include "win/winbase.h"

#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

using platform::FilesMutex;

namespace {

enum class LineKind { Other, Section, Key };

struct ProfileLine {
    std::string bytes;       // as in the file, without its line end
    LineKind kind = LineKind::Other;
    std::u16string name;     // a section's or key's name, without the blanks around it
    std::u16string value;    // a key's value, likewise
};

using ProfileLines = std::vector<ProfileLine>;

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

std::u16string_view TrimEnd(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string_view Trim(std::u16string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    return TrimEnd(text);
}

// A value in quotes, single or double, is read without them.
std::u16string_view Unquote(std::u16string_view value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

ProfileLine ParseLine(std::string bytes)
{
    ProfileLine line;
    const std::u16string text = host::FromAnsi(bytes);
    const std::u16string_view trimmed = Trim(text);
    line.bytes = std::move(bytes);
    if (!trimmed.empty() && trimmed.front() == u'[') {
        const size_t close = trimmed.find(u']');
        line.kind = LineKind::Section;
        line.name = Trim(trimmed.substr(1, close == std::u16string_view::npos ? close : close - 1));
        return line;
    }
    const size_t equals = trimmed.find(u'=');
    if (trimmed.empty() || trimmed.front() == u';' || equals == std::u16string_view::npos || equals == 0)
        return line;   // a comment, a blank line or text that names no key
    line.kind = LineKind::Key;
    line.name = Trim(trimmed.substr(0, equals));
    line.value = Trim(trimmed.substr(equals + 1));
    return line;
}

// Where a profile named by the caller lies: a bare file name in the Windows folder, no name at all meaning
// WIN.INI there. False, with the last error set, for a name no file can have.
bool ResolveProfileName(LPCWSTR lpFileName, std::filesystem::path& host)
{
    const std::u16string_view name = lpFileName == nullptr ? u"win.ini" : std::u16string_view(lpFileName);
    if (name.find_first_of(u"\\/:") != std::u16string_view::npos)
        return platform::ResolveFileName(lpFileName, host);
    const std::u16string inWindows = std::u16string(platform::kWindowsDir) + u"\\" + std::u16string(name);
    return platform::ResolveFileName(inWindows.c_str(), host);
}

// Reads the profile's lines; false when there is no such file.
bool LoadProfile(const std::filesystem::path& host, ProfileLines& lines)
{
    lines.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(host, ec))
        return false;
    std::ifstream in(host, std::ios::binary);
    if (!in)
        return false;
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (size_t start = 0; start < content.size();) {
        size_t end = content.find('\n', start);
        const size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos)
            end = content.size();
        if (end > start && content[end - 1] == '\r')
            --end;
        lines.push_back(ParseLine(content.substr(start, end - start)));
        start = next;
    }
    return true;
}

// Writes every line with CR LF after it. False, with the last error set, when the file cannot be written.
bool SaveProfile(const std::filesystem::path& host, const ProfileLines& lines)
{
    std::string content;
    for (const ProfileLine& line : lines) {
        content += line.bytes;
        content += "\r\n";
    }
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    if (out)
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.close();
    if (!out) {
        std::error_code ec;
        const bool folderExists = std::filesystem::is_directory(host.parent_path(), ec);
        SetLastError(folderExists ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
        return false;
    }
    return true;
}

// The index of the section's header (the first, when a name appears twice), or lines.size().
size_t FindSection(const ProfileLines& lines, std::u16string_view section)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].kind == LineKind::Section && platform::EqualsNoCase(lines[i].name, section))
            return i;
    return lines.size();
}

// The index just past the section whose header is at header: the next header, or the end of the file.
size_t SectionEnd(const ProfileLines& lines, size_t header)
{
    size_t end = header + 1;
    while (end < lines.size() && lines[end].kind != LineKind::Section)
        ++end;
    return end;
}

// The index of the key's line within the section, or end when the section has no such key.
size_t FindKey(const ProfileLines& lines, size_t header, size_t end, std::u16string_view key)
{
    for (size_t i = header + 1; i < end; ++i)
        if (lines[i].kind == LineKind::Key && platform::EqualsNoCase(lines[i].name, key))
            return i;
    return end;
}

// One string into the caller's buffer; a string too long is cut and still ends with a NUL.
DWORD CopyString(std::u16string_view text, LPWSTR buffer, DWORD nSize)
{
    if (text.size() < nSize) {
        text.copy(buffer, text.size());
        buffer[text.size()] = u'\0';
        return static_cast<DWORD>(text.size());
    }
    text.copy(buffer, nSize - 1);
    buffer[nSize - 1] = u'\0';
    SetLastError(ERROR_MORE_DATA);
    return nSize - 1;
}

// Names into the caller's buffer, each ended by a NUL and the list by one more. A list too long is cut
// inside its last name that fits partly, and still ends with two NULs.
DWORD CopyList(const std::vector<std::u16string>& names, LPWSTR buffer, DWORD nSize)
{
    std::u16string list;
    for (const auto& name : names) {
        list += name;
        list += u'\0';
    }
    if (list.size() < nSize) {
        list.copy(buffer, list.size());
        buffer[list.size()] = u'\0';
        if (list.empty() && nSize >= 2)
            buffer[1] = u'\0';
        return static_cast<DWORD>(list.size());
    }
    if (nSize < 2) {
        buffer[0] = u'\0';
        SetLastError(ERROR_MORE_DATA);
        return 0;
    }
    list.copy(buffer, nSize - 2);
    buffer[nSize - 2] = u'\0';
    buffer[nSize - 1] = u'\0';
    SetLastError(ERROR_MORE_DATA);
    return nSize - 2;
}

// The value of section/key as a caller reads it: without blanks around it or quotes. False when the file,
// the section or the key is missing; fileFound tells the first from the others.
bool ReadValue(LPCWSTR lpFileName, std::u16string_view section, std::u16string_view key, std::u16string& value,
               bool& fileFound)
{
    std::filesystem::path host;
    ProfileLines lines;
    fileFound = ResolveProfileName(lpFileName, host) && LoadProfile(host, lines);
    const size_t header = FindSection(lines, Trim(section));
    if (header == lines.size())
        return false;
    const size_t end = SectionEnd(lines, header);
    const size_t at = FindKey(lines, header, end, Trim(key));
    if (at == end)
        return false;
    value = Unquote(lines[at].value);
    return true;
}

} // namespace

DWORD WINAPI GetPrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpDefault,
                                      LPWSTR lpReturnedString, DWORD nSize, LPCWSTR lpFileName)
{
    std::lock_guard lock(FilesMutex());
    if (nSize == 0)
        return 0;   // not even the NUL fits
    if (lpReturnedString == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (lpAppName != nullptr && lpKeyName != nullptr) {
        std::u16string value;
        bool fileFound = false;
        const bool found = ReadValue(lpFileName, lpAppName, lpKeyName, value, fileFound);
        if (!fileFound)
            SetLastError(ERROR_FILE_NOT_FOUND);
        // A default's trailing blanks are dropped, as a value's are.
        return CopyString(found ? std::u16string_view(value) : TrimEnd(platform::View(lpDefault)),
                          lpReturnedString, nSize);
    }

    std::filesystem::path host;
    ProfileLines lines;
    if (!ResolveProfileName(lpFileName, host) || !LoadProfile(host, lines))
        SetLastError(ERROR_FILE_NOT_FOUND);
    std::vector<std::u16string> names;
    if (lpAppName == nullptr) {
        for (const ProfileLine& line : lines)
            if (line.kind == LineKind::Section)
                names.push_back(line.name);
    } else if (const size_t header = FindSection(lines, Trim(lpAppName)); header != lines.size()) {
        const size_t end = SectionEnd(lines, header);
        for (size_t i = header + 1; i < end; ++i)
            if (lines[i].kind == LineKind::Key)
                names.push_back(lines[i].name);
    }
    return CopyList(names, lpReturnedString, nSize);
}

UINT WINAPI GetPrivateProfileIntW(LPCWSTR lpAppName, LPCWSTR lpKeyName, INT nDefault, LPCWSTR lpFileName)
{
    std::lock_guard lock(FilesMutex());
    std::u16string value;
    bool fileFound = false;
    if (lpAppName == nullptr || lpKeyName == nullptr || !ReadValue(lpFileName, lpAppName, lpKeyName, value, fileFound)
        || value.empty())
        return static_cast<UINT>(nDefault);
    // An optional sign, then decimal digits or "0x" and hexadecimal ones; reading stops at the first other
    // character ("102abc" is 102, "abc" is 0). Too many digits wrap around, as the system's reading does.
    size_t at = 0;
    const bool negative = value[at] == u'-';
    if (value[at] == u'-' || value[at] == u'+')
        ++at;
    UINT base = 10;
    if (at + 1 < value.size() && value[at] == u'0' && (value[at + 1] == u'x' || value[at + 1] == u'X')) {
        base = 16;
        at += 2;
    }
    UINT number = 0;
    for (; at < value.size(); ++at) {
        const char16_t c = platform::FoldCase(value[at]);
        UINT digit = base;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit >= base)
            break;
        number = number * base + digit;
    }
    return negative ? 0U - number : number;
}

BOOL WINAPI WritePrivateProfileStringW(LPCWSTR lpAppName, LPCWSTR lpKeyName, LPCWSTR lpString, LPCWSTR lpFileName)
{
    std::lock_guard lock(FilesMutex());
    if (lpAppName == nullptr) {
        // All three null asks to flush the cache; every write here has already reached the file.
        if (lpKeyName == nullptr && lpString == nullptr)
            return TRUE;
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::filesystem::path host;
    if (!ResolveProfileName(lpFileName, host))
        return FALSE;
    ProfileLines lines;
    const bool exists = LoadProfile(host, lines);
    platform::HostEntry entry;
    if (exists && platform::QueryHostEntry(host, entry) && platform::IsReadOnly(host, entry)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }

    const std::u16string_view section = Trim(lpAppName);
    const size_t header = FindSection(lines, section);
    const size_t end = header == lines.size() ? header : SectionEnd(lines, header);
    if (lpKeyName == nullptr || lpString == nullptr) {
        // Deleting what is not there changes nothing, and makes no file.
        if (header == lines.size())
            return TRUE;
        if (lpKeyName == nullptr) {
            lines.erase(lines.begin() + header, lines.begin() + end);
        } else {
            const size_t at = FindKey(lines, header, end, Trim(lpKeyName));
            if (at == end)
                return TRUE;
            lines.erase(lines.begin() + at);
        }
        return SaveProfile(host, lines) ? TRUE : FALSE;
    }

    const std::u16string_view key = Trim(lpKeyName);
    const size_t at = header == lines.size() ? end : FindKey(lines, header, end, key);
    // A key already there keeps the spelling it has in the file; only its value changes.
    const std::u16string keyName(at != end ? std::u16string_view(lines[at].name) : key);
    ProfileLine keyLine = ParseLine(host::ToAnsi(keyName + u"=" + lpString));
    if (header == lines.size()) {
        lines.push_back(ParseLine(host::ToAnsi(u"[" + std::u16string(section) + u"]")));
        lines.push_back(std::move(keyLine));
    } else if (at != end) {
        lines[at] = std::move(keyLine);
    } else {
        // A new key follows the section's last line that is not blank, so blank lines keep separating it
        // from the next section.
        size_t after = end;
        while (after > header + 1 && Trim(host::FromAnsi(lines[after - 1].bytes)).empty())
            --after;
        lines.insert(lines.begin() + after, std::move(keyLine));
    }
    return SaveProfile(host, lines) ? TRUE : FALSE;
}
