// pdl_format.cpp - the writer's formatter. Numbers go through std::to_chars, never printf: the device reads
// the digits, and the process locale must not change them.
#include "pdl/vxcmn/pdl_format.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

class LineWriter {
public:
    LineWriter(char* pBuffer, DWORD cbBuffer) : m_pBuffer(pBuffer), m_cbLimit(cbBuffer > 0 ? cbBuffer - 1 : 0) {}

    void Put(const char* pText, size_t cb)
    {
        const size_t room = m_cbLimit - m_length;
        const size_t taken = cb < room ? cb : room;
        std::memcpy(m_pBuffer + m_length, pText, taken);
        m_length += taken;
    }

    void Put(char ch) { Put(&ch, 1); }

    template <typename Integer>
    void PutNumber(Integer value, int base = 10)
    {
        char digits[24];
        const auto result = std::to_chars(digits, digits + sizeof digits, value, base);
        Put(digits, static_cast<size_t>(result.ptr - digits));
    }

    int Finish()
    {
        m_pBuffer[m_length] = '\0';
        return static_cast<int>(m_length);
    }

private:
    char* m_pBuffer;
    size_t m_cbLimit;
    size_t m_length = 0;
};

void PutHex(LineWriter& out, uint32_t value)
{
    char digits[9];
    const auto result = std::to_chars(digits, digits + sizeof digits, value, 16);
    size_t length = static_cast<size_t>(result.ptr - digits);
    for (size_t i = 0; i < length; ++i)
        if (digits[i] >= 'a' && digits[i] <= 'f')
            digits[i] = static_cast<char>(digits[i] - 'a' + 'A');
    if (length < 2)
        out.Put('0');
    out.Put(digits, length);
}

// 24.8 fixed point: 0x180 is 1.5, -0x80 is -0.5, 0x100 is 1.
void PutFixed(LineWriter& out, int32_t value)
{
    const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    if (value < 0)
        out.Put('-');
    out.PutNumber(magnitude >> 8);
    const unsigned fraction = static_cast<unsigned>(magnitude & 0xFF);
    if (fraction == 0)
        return;
    unsigned thousandths = (fraction * 1000 + 128) / 256;   // at most 996: never carries into the integer
    char decimals[3] = {static_cast<char>('0' + thousandths / 100), static_cast<char>('0' + thousandths / 10 % 10),
                        static_cast<char>('0' + thousandths % 10)};
    size_t length = 3;
    while (length > 0 && decimals[length - 1] == '0')
        --length;
    if (length == 0)
        return;
    out.Put('.');
    out.Put(decimals, length);
}

} // namespace

int PdlFormat(char* pBuffer, DWORD cbBuffer, const char* pszFormat, va_list args)
{
    if (pBuffer == nullptr || cbBuffer == 0)
        return 0;
    LineWriter out(pBuffer, cbBuffer);
    for (const char* p = pszFormat; p != nullptr && *p != '\0'; ++p) {
        if (*p != '%') {
            out.Put(*p);
            continue;
        }
        ++p;
        switch (*p) {
        case '\0':
            return out.Finish();
        case 'd':
        case 'l':
            out.PutNumber(va_arg(args, int));
            break;
        case 'u':
            out.PutNumber(va_arg(args, unsigned));
            break;
        case 'x':
        case 'X':
            PutHex(out, va_arg(args, unsigned));
            break;
        case 'c':
            out.Put(static_cast<char>(va_arg(args, int)));
            break;
        case 's': {
            const char* pText = va_arg(args, const char*);
            if (pText != nullptr)
                out.Put(pText, std::strlen(pText));
            break;
        }
        case 'b': {
            const bool value = va_arg(args, int) != 0;
            out.Put(value ? "true" : "false", value ? 4 : 5);
            break;
        }
        case 'f':
            PutFixed(out, va_arg(args, int));
            break;
        default:
            out.Put(*p);
            break;
        }
    }
    return out.Finish();
}
