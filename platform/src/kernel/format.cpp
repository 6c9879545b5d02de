// format.cpp - wsprintfW and wvsprintfW: the Windows subset of printf for WCHAR text.
// A conversion is %[-][#][0][width][.precision][h|l]type with the types c C s S d i u x X; any other
// character after % stands for itself (%% gives %). There is no floating point. The output holds at most
// 1,024 characters and the terminator after them (a buffer of 1,025): whatever would follow is dropped.
#include "host/text.h"
#include "kernel/ansi_text.h"
#include "win/winuser.h"

#include <charconv>
#include <cstdarg>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr int kMaxOutput = 1024;   // characters the caller's buffer receives, the terminator not counted

// The caller's buffer, filled up to kMaxOutput characters; the terminator goes after them.
class Output {
public:
    explicit Output(LPWSTR buffer) : m_buffer(buffer) {}

    void Put(char16_t c)
    {
        if (m_length < kMaxOutput)
            m_buffer[m_length++] = c;
    }
    void Put(std::u16string_view text)
    {
        for (char16_t c : text)
            Put(c);
    }
    void Repeat(char16_t c, int count)
    {
        for (int i = 0; i < count; ++i)
            Put(c);
    }
    bool Full() const { return m_length >= kMaxOutput; }

    // Terminates the text; the number of characters before the terminator.
    int Finish()
    {
        m_buffer[m_length] = u'\0';
        return m_length;
    }

private:
    LPWSTR m_buffer;
    int m_length = 0;
};

enum class ArgSize { Default, Short, Long };   // no prefix, 'h', 'l'

struct Conversion {
    bool leftAlign = false;    // '-'
    bool hexPrefix = false;    // '#'
    bool zeroPad = false;      // '0'
    int width = 0;
    int precision = -1;        // -1 when the format gives none
    ArgSize size = ArgSize::Default;
};

// Reads decimal digits, saturating: a width or precision beyond the output cap cannot change the output.
int ReadNumber(LPCWSTR& fmt)
{
    int value = 0;
    for (; *fmt >= u'0' && *fmt <= u'9'; ++fmt) {
        value = value * 10 + (*fmt - u'0');
        if (value > kMaxOutput)
            value = kMaxOutput;
    }
    return value;
}

// Reads what stands between % and the type character.
Conversion ReadConversion(LPCWSTR& fmt)
{
    Conversion conv;
    for (;; ++fmt) {
        if (*fmt == u'-')
            conv.leftAlign = true;
        else if (*fmt == u'#')
            conv.hexPrefix = true;
        else if (*fmt == u'0')
            conv.zeroPad = true;
        else
            break;
    }
    conv.width = ReadNumber(fmt);
    if (*fmt == u'.') {
        ++fmt;
        conv.precision = ReadNumber(fmt);
    }
    if (*fmt == u'l') {
        conv.size = ArgSize::Long;
        ++fmt;
    } else if (*fmt == u'h') {
        conv.size = ArgSize::Short;
        ++fmt;
    }
    return conv;
}

// A text or character in its field. Zeros pad only on the left; '-' pads with blanks on the right.
void PutText(Output& out, const Conversion& conv, std::u16string_view text)
{
    const int fill = conv.width - static_cast<int>(text.size());
    if (!conv.leftAlign)
        out.Repeat(conv.zeroPad ? u'0' : u' ', fill);
    out.Put(text);
    if (conv.leftAlign)
        out.Repeat(u' ', fill);
}

// A number in its field: sign or hex prefix, then zeros up to the precision (at least one digit), then the
// digits. With '0' the zeros also fill the width, after the sign, so "-0042" keeps its value; with '-' the
// fill is blanks on the right, never zeros that would change the number.
void PutNumber(Output& out, const Conversion& conv, uint32_t magnitude, bool negative, int base, bool upper)
{
    char digits[12];
    const auto end = std::to_chars(digits, std::end(digits), magnitude, base).ptr;
    const int count = static_cast<int>(end - digits);
    std::u16string_view prefix;
    if (negative)
        prefix = u"-";
    else if (base == 16 && conv.hexPrefix)
        prefix = upper ? u"0X" : u"0x";
    const int minDigits = conv.precision > 0 ? conv.precision : 1;
    int zeros = minDigits > count ? minDigits - count : 0;
    const int fill = conv.width - (static_cast<int>(prefix.size()) + zeros + count);
    if (!conv.leftAlign && !conv.zeroPad)
        out.Repeat(u' ', fill);
    out.Put(prefix);
    if (!conv.leftAlign && conv.zeroPad && fill > 0)
        zeros += fill;
    out.Repeat(u'0', zeros);
    for (const char* d = digits; d != end; ++d)
        out.Put(static_cast<char16_t>(upper && *d >= 'a' ? *d - 'a' + 'A' : *d));
    if (conv.leftAlign)
        out.Repeat(u' ', fill);
}

// A WCHAR string argument up to the precision; the precision also bounds what is read, so a field without
// a terminator is not overrun.
std::u16string_view WideText(LPCWSTR text, int precision)
{
    if (text == nullptr)
        text = u"(null)";
    size_t length = 0;
    while ((precision < 0 || length < static_cast<size_t>(precision)) && text[length] != u'\0')
        ++length;
    return std::u16string_view(text, length);
}

// An ANSI string argument. Its precision counts bytes, for the same reason, and a double-byte character the
// precision would split is left out whole.
std::u16string AnsiText(LPCSTR text, int precision)
{
    if (text == nullptr)
        return std::u16string(WideText(nullptr, precision));
    size_t length = 0;
    while ((precision < 0 || length < static_cast<size_t>(precision)) && text[length] != '\0')
        ++length;
    const std::string_view bytes(text, length);
    return host::FromAnsi(bytes.substr(0, platform::WholeAnsiLength(bytes)));
}

// Formats one argument of the given type; a type that means nothing stands for itself and takes no argument.
void PutArgument(Output& out, const Conversion& conv, char16_t type, va_list* args)
{
    switch (type) {
    case u'c':
    case u'C': {
        // %c is a WCHAR and %C a CHAR; 'h' always means CHAR and 'l' always WCHAR.
        const bool wide = conv.size == ArgSize::Long || (conv.size == ArgSize::Default && type == u'c');
        const int value = va_arg(*args, int);
        const std::u16string text = wide ? std::u16string(1, static_cast<char16_t>(value))
                                         : host::FromAnsi(std::string(1, static_cast<char>(value)));
        // A zero character is skipped: written, it would end the text before the length returned.
        if (text[0] != u'\0')
            PutText(out, conv, text);
        return;
    }
    case u's':
    case u'S': {
        const bool wide = conv.size == ArgSize::Long || (conv.size == ArgSize::Default && type == u's');
        if (wide)
            PutText(out, conv, WideText(va_arg(*args, LPCWSTR), conv.precision));
        else
            PutText(out, conv, AnsiText(va_arg(*args, LPCSTR), conv.precision));
        return;
    }
    case u'd':
    case u'i': {
        int32_t value = conv.size == ArgSize::Long ? va_arg(*args, long) : va_arg(*args, int);
        if (conv.size == ArgSize::Short)
            value = static_cast<int16_t>(value);
        const uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
        PutNumber(out, conv, magnitude, value < 0, 10, false);
        return;
    }
    case u'u':
    case u'x':
    case u'X': {
        uint32_t value = conv.size == ArgSize::Long ? va_arg(*args, unsigned long) : va_arg(*args, unsigned);
        if (conv.size == ArgSize::Short)
            value = static_cast<uint16_t>(value);
        PutNumber(out, conv, value, false, type == u'u' ? 10 : 16, type == u'X');
        return;
    }
    default:
        out.Put(type);
        return;
    }
}

} // namespace

int WINAPI wvsprintfW(LPWSTR lpOut, LPCWSTR lpFmt, va_list arglist)
{
    if (lpOut == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    Output out(lpOut);
    if (lpFmt == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return out.Finish();
    }
    va_list args;
    va_copy(args, arglist);   // read through a pointer, so every helper advances the same list
    for (LPCWSTR fmt = lpFmt; *fmt != u'\0' && !out.Full();) {
        if (*fmt != u'%') {
            out.Put(*fmt++);
            continue;
        }
        ++fmt;
        const Conversion conv = ReadConversion(fmt);
        const char16_t type = *fmt;
        if (type == u'\0')
            break;   // a conversion cut off by the end of the format prints nothing
        ++fmt;
        PutArgument(out, conv, type, &args);
    }
    va_end(args);
    return out.Finish();
}

int wsprintfW(LPWSTR lpOut, LPCWSTR lpFmt, ...)
{
    va_list args;
    va_start(args, lpFmt);
    const int written = wvsprintfW(lpOut, lpFmt, args);
    va_end(args);
    return written;
}
