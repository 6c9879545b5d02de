// codepage.cpp - code page 932 tables, built once from the host's iconv converter.
#include "common/codepage.h"

#include <iconv.h>
#include <mutex>
#include <vector>

namespace platform {
namespace {

struct Tables {
    std::vector<char16_t> single;    // 256 entries: the character of a single byte, 0 when none
    std::vector<char16_t> dbcs;      // 65536 entries by lead << 8 | trail: the character, 0 when none
    std::vector<uint16_t> encode;    // 65536 entries by character: bytes (lead << 8 | trail, or the byte), 0 none
};

char16_t ConvertBytes(iconv_t cd, const char* bytes, size_t count)
{
    char in[2] = {bytes[0], count > 1 ? bytes[1] : '\0'};
    char out[8];
    char* ip = in;
    char* op = out;
    size_t il = count;
    size_t ol = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &ip, &il, &op, &ol) == static_cast<size_t>(-1) || il != 0 || sizeof out - ol != 2)
        return 0;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) | (static_cast<unsigned char>(out[1]) << 8));
}

const Tables& TheTables()
{
    static Tables* tables = [] {
        auto* t = new Tables();
        t->single.assign(256, 0);
        t->dbcs.assign(65536, 0);
        t->encode.assign(65536, 0);
        iconv_t cd = iconv_open("UTF-16LE", "CP932");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return t;
        for (int b = 0; b < 256; ++b) {
            if (IsLeadByte932(static_cast<unsigned char>(b)))
                continue;
            const char byte = static_cast<char>(b);
            char16_t c = b < 0x80 ? static_cast<char16_t>(b) : ConvertBytes(cd, &byte, 1);
            t->single[b] = c;
            if ((c != 0 || b == 0) && t->encode[c] == 0)
                t->encode[c] = static_cast<uint16_t>(b);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!IsLeadByte932(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F)
                    continue;
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                const char16_t c = ConvertBytes(cd, bytes, 2);
                if (c == 0)
                    continue;
                t->dbcs[(lead << 8) | trail] = c;
                // Several codes may give one character: the first wins, except that the extension kanji and
                // numerals under lead bytes 0xED and 0xEE yield to their duplicates under 0xFA-0xFC, the codes
                // Windows writes for those characters.
                const uint16_t first = t->encode[c];
                if (first == 0 || (first >> 8) == 0xED || (first >> 8) == 0xEE)
                    t->encode[c] = static_cast<uint16_t>((lead << 8) | trail);
            }
        }
        iconv_close(cd);
        return t;
    }();
    return *tables;
}

} // namespace

bool IsLeadByte932(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

char16_t DecodeChar932(std::string_view text, size_t& pos, bool& valid)
{
    const Tables& t = TheTables();
    const auto b = static_cast<unsigned char>(text[pos]);
    valid = true;
    if (!IsLeadByte932(b)) {
        ++pos;
        if (t.single[b] == 0 && b != 0) {
            valid = false;
            return kDefaultUnicodeChar;
        }
        return t.single[b];
    }
    if (pos + 1 >= text.size()) {
        ++pos;
        valid = false;
        return kDefaultUnicodeChar;
    }
    const auto trail = static_cast<unsigned char>(text[pos + 1]);
    if (trail < 0x40) {   // not a trail byte at all: it starts the next character
        ++pos;
        valid = false;
        return kDefaultUnicodeChar;
    }
    pos += 2;
    const char16_t c = t.dbcs[(b << 8) | trail];
    if (c == 0) {
        valid = false;
        return kDefaultUnicodeChar;
    }
    return c;
}

std::string EncodeChar932(char16_t c)
{
    if (c == 0)
        return std::string(1, '\0');
    const uint16_t code = TheTables().encode[c];
    if (code == 0)
        return std::string();
    if (code < 0x100)
        return std::string(1, static_cast<char>(code));
    return std::string{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

} // namespace platform
