// text_form.cpp - writes keys and values as lines of text and reads them back.
#include "registry/text_form.h"
#include "common/text_util.h"
#include "registry/value_types.h"

#include <charconv>

namespace platform::registry {

static bool NeedsEscape(char16_t c)
{
    return c < 0x20 || c == 0x7F || c == u'%' || c == u'"' || (c >= 0xD800 && c <= 0xDFFF);
}

static void AppendHex(std::string& out, unsigned value, int digits)
{
    char buffer[8];
    const auto result = std::to_chars(buffer, std::end(buffer), value, 16);
    out.append(static_cast<size_t>(digits - (result.ptr - buffer)), '0');
    out.append(buffer, result.ptr);
}

static std::string Escape(std::u16string_view text)
{
    std::string out;
    size_t plain = 0;   // start of the run of characters taken as they are
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !NeedsEscape(text[i]))
            continue;
        out += Utf16ToUtf8(text.substr(plain, i - plain));
        if (i < text.size()) {
            out += '%';
            AppendHex(out, text[i], 4);
        }
        plain = i + 1;
    }
    return out;
}

static bool ParseHexDigits(std::string_view digits, unsigned& value)
{
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return !digits.empty() && result.ec == std::errc() && result.ptr == digits.data() + digits.size();
}

static bool Unescape(std::string_view text, std::u16string& out)
{
    out.clear();
    size_t plain = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '%')
            continue;
        out += Utf8ToUtf16(text.substr(plain, i - plain));
        if (i == text.size())
            break;
        unsigned unit = 0;
        if (i + 5 > text.size() || !ParseHexDigits(text.substr(i + 1, 4), unit))
            return false;
        out += static_cast<char16_t>(unit);
        i += 4;
        plain = i + 1;
    }
    return true;
}

// The text of a REG_SZ holding exactly one terminated text, or false when its bytes are anything else
// (odd size, no terminator, text after it): those are shown as bytes so that a wrong size is seen.
static bool SingleText(const std::vector<BYTE>& data, std::u16string& text)
{
    if (data.size() < 2 || data.size() % 2 != 0)
        return false;
    text.clear();
    for (size_t i = 0; i + 2 < data.size(); i += 2) {
        const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        if (unit == u'\0')
            return false;
        text += unit;
    }
    return data[data.size() - 2] == 0 && data[data.size() - 1] == 0;
}

static std::string DataText(const Value& value, DataForm form)
{
    std::string out;
    std::u16string text;
    if (form == DataForm::Readable && value.type == REG_SZ && SingleText(value.data, text))
        return '"' + Escape(text) + '"';
    if (form == DataForm::Readable && value.type == REG_DWORD && value.data.size() == 4) {
        const unsigned number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16)
                                | (static_cast<unsigned>(value.data[3]) << 24);
        out = "0x";
        AppendHex(out, number, 8);
        return out;
    }
    for (BYTE b : value.data) {
        if (!out.empty())
            out += ' ';
        AppendHex(out, b, 2);
    }
    return out;
}

std::string FormatKeyLine(const std::vector<std::u16string>& path)
{
    std::string line = "[";
    for (size_t i = 0; i < path.size(); ++i) {
        if (i > 0)
            line += '\\';
        line += Escape(path[i]);
    }
    return line + ']';
}

std::string FormatValueLine(const Value& value, DataForm form)
{
    std::string line = '"' + Escape(value.name) + "\" = ";
    if (const VALUE_TYPE_ROW* row = FindValueType(value.type)) {
        line += row->pszName;
    } else {
        line += "0x";
        AppendHex(line, value.type, 8);
    }
    line += ':';
    const std::string data = DataText(value, form);
    if (!data.empty())
        line += ' ' + data;
    return line;
}

bool ParseKeyLine(std::string_view line, std::vector<std::u16string>& path)
{
    if (line.size() < 2 || line.front() != '[' || line.back() != ']')
        return false;
    std::string_view rest = line.substr(1, line.size() - 2);
    path.clear();
    while (true) {
        const size_t end = rest.find('\\');
        std::u16string name;
        if (!Unescape(rest.substr(0, end), name) || name.empty())
            return false;
        path.push_back(std::move(name));
        if (end == std::string_view::npos)
            return true;
        rest.remove_prefix(end + 1);
    }
}

bool ParseValueLine(std::string_view line, Value& value)
{
    if (line.empty() || line.front() != '"')
        return false;
    const size_t nameEnd = line.find('"', 1);
    constexpr std::string_view kEquals = " = ";
    if (nameEnd == std::string_view::npos || line.substr(nameEnd + 1, kEquals.size()) != kEquals)
        return false;
    if (!Unescape(line.substr(1, nameEnd - 1), value.name))
        return false;

    std::string_view rest = line.substr(nameEnd + 1 + kEquals.size());
    const size_t colon = rest.find(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string_view typeText = rest.substr(0, colon);
    if (const VALUE_TYPE_ROW* row = FindValueTypeByName(typeText)) {
        value.type = row->dwType;
    } else {
        unsigned type = 0;
        if (typeText.substr(0, 2) != "0x" || !ParseHexDigits(typeText.substr(2), type))
            return false;
        value.type = type;
    }

    rest.remove_prefix(colon + 1);
    value.data.clear();
    while (!rest.empty()) {
        unsigned byte = 0;
        if (rest.size() < 3 || rest[0] != ' ' || !ParseHexDigits(rest.substr(1, 2), byte))
            return false;
        value.data.push_back(static_cast<BYTE>(byte));
        rest.remove_prefix(3);
    }
    return true;
}

} // namespace platform::registry
