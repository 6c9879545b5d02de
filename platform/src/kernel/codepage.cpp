// codepage.cpp - MultiByteToWideChar, WideCharToMultiByte and the run-time library's conversions, for
// the ANSI code page 932 and UTF-8.
#include "common/codepage.h"
#include "common/text_util.h"
#include "host/text.h"
#include "win/ntddk.h"
#include "win/winnls.h"

#include <string>
#include <vector>

namespace {

bool IsAnsiCodePage(UINT codePage)
{
    return codePage == CP_ACP || codePage == CP_OEMCP || codePage == 932;
}

// Well-formed UTF-8: every sequence complete, in its shortest form, no surrogate and nothing beyond U+10FFFF.
bool IsWellFormedUtf8(std::string_view bytes)
{
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t extra = 0;
        uint32_t c = lead;
        uint32_t shortest = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            c = lead & 0x1F;
            shortest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            c = lead & 0x0F;
            shortest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            c = lead & 0x07;
            shortest = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i <= extra)
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < shortest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

// Decodes bytes of a code page; false when the code page is unknown or (strict) a sequence is invalid.
bool Decode(UINT codePage, std::string_view bytes, bool strict, std::u16string& out)
{
    if (codePage == CP_UTF8) {
        // A U+FFFD in the result does not tell an invalid sequence from a well-formed U+FFFD, so check the bytes.
        if (strict && !IsWellFormedUtf8(bytes))
            return false;
        out = platform::Utf8ToUtf16(bytes);
        return true;
    }
    if (!IsAnsiCodePage(codePage))
        return false;
    out.clear();
    for (size_t pos = 0; pos < bytes.size();) {
        bool valid = true;
        out += platform::DecodeChar932(bytes, pos, valid);
        if (strict && !valid)
            return false;
    }
    return true;
}

// Encodes text in a code page; each character's bytes are kept together, so a cut never splits one.
bool Encode(UINT codePage, std::u16string_view text, std::string_view defaultChar, bool& usedDefault,
            std::vector<std::string>& out)
{
    usedDefault = false;
    out.clear();
    if (codePage == CP_UTF8) {
        for (size_t i = 0; i < text.size(); ++i) {
            size_t n = 1;
            if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size())
                n = 2;
            out.push_back(platform::Utf16ToUtf8(text.substr(i, n)));
            i += n - 1;
        }
        return true;
    }
    if (!IsAnsiCodePage(codePage))
        return false;
    for (char16_t c : text) {
        std::string bytes = platform::EncodeChar932(c);
        if (bytes.empty()) {
            bytes = std::string(defaultChar);
            usedDefault = true;
        }
        out.push_back(std::move(bytes));
    }
    return true;
}

} // namespace

UINT WINAPI GetACP(void)
{
    return 932;
}

int WINAPI MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                               LPWSTR lpWideCharStr, int cchWideChar)
{
    if (lpMultiByteStr == nullptr || cbMultiByte == 0 || cchWideChar < 0 || cbMultiByte < -1
        || (cchWideChar > 0 && lpWideCharStr == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const size_t length = cbMultiByte == -1 ? std::char_traits<char>::length(lpMultiByteStr) + 1
                                            : static_cast<size_t>(cbMultiByte);
    std::u16string text;
    if (!IsAnsiCodePage(CodePage) && CodePage != CP_UTF8) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!Decode(CodePage, std::string_view(lpMultiByteStr, length), (dwFlags & MB_ERR_INVALID_CHARS) != 0, text)) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return 0;
    }
    if (cchWideChar == 0)
        return static_cast<int>(text.size());
    if (text.size() > static_cast<size_t>(cchWideChar)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    text.copy(lpWideCharStr, text.size());
    return static_cast<int>(text.size());
}

int WINAPI WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                               LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                               LPBOOL lpUsedDefaultChar)
{
    (void)dwFlags;
    if (lpWideCharStr == nullptr || cchWideChar == 0 || cbMultiByte < 0 || cchWideChar < -1
        || (cbMultiByte > 0 && lpMultiByteStr == nullptr)
        || (CodePage == CP_UTF8 && (lpDefaultChar != nullptr || lpUsedDefaultChar != nullptr))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const size_t length = cchWideChar == -1 ? std::char_traits<char16_t>::length(lpWideCharStr) + 1
                                            : static_cast<size_t>(cchWideChar);
    std::string defaultChar = "?";
    if (lpDefaultChar != nullptr) {
        defaultChar.assign(lpDefaultChar, 1);
        if (platform::IsLeadByte932(static_cast<unsigned char>(lpDefaultChar[0])) && lpDefaultChar[1] != '\0')
            defaultChar.assign(lpDefaultChar, 2);
    }
    bool usedDefault = false;
    std::vector<std::string> chars;
    if (!Encode(CodePage, std::u16string_view(lpWideCharStr, length), defaultChar, usedDefault, chars)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    size_t total = 0;
    for (const auto& c : chars)
        total += c.size();
    if (cbMultiByte == 0) {
        if (lpUsedDefaultChar != nullptr)
            *lpUsedDefaultChar = usedDefault;
        return static_cast<int>(total);
    }
    if (total > static_cast<size_t>(cbMultiByte)) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    size_t at = 0;
    for (const auto& c : chars) {
        c.copy(lpMultiByteStr + at, c.size());
        at += c.size();
    }
    if (lpUsedDefaultChar != nullptr)
        *lpUsedDefaultChar = usedDefault;
    return static_cast<int>(total);
}

NTSTATUS NTAPI RtlUnicodeToMultiByteN(PCHAR MultiByteString, ULONG MaxBytesInMultiByteString,
                                      PULONG BytesInMultiByteString, PCWSTR UnicodeString,
                                      ULONG BytesInUnicodeString)
{
    bool usedDefault = false;
    std::vector<std::string> chars;
    Encode(CP_ACP, std::u16string_view(UnicodeString, BytesInUnicodeString / 2), "?", usedDefault, chars);
    ULONG written = 0;
    for (const auto& c : chars) {
        if (written + c.size() > MaxBytesInMultiByteString)
            break;   // truncation is silent, and never splits a double-byte character
        c.copy(MultiByteString + written, c.size());
        written += static_cast<ULONG>(c.size());
    }
    if (BytesInMultiByteString != nullptr)
        *BytesInMultiByteString = written;
    return STATUS_SUCCESS;
}

NTSTATUS NTAPI RtlMultiByteToUnicodeN(PWCHAR UnicodeString, ULONG MaxBytesInUnicodeString,
                                      PULONG BytesInUnicodeString, const CHAR* MultiByteString,
                                      ULONG BytesInMultiByteString)
{
    std::u16string text;
    Decode(CP_ACP, std::string_view(MultiByteString, BytesInMultiByteString), false, text);
    const size_t count = text.size() < MaxBytesInUnicodeString / 2 ? text.size() : MaxBytesInUnicodeString / 2;
    text.copy(UnicodeString, count);
    if (BytesInUnicodeString != nullptr)
        *BytesInUnicodeString = static_cast<ULONG>(count * 2);
    return STATUS_SUCCESS;
}

namespace host {

std::string ToUtf8(std::u16string_view text)
{
    return platform::Utf16ToUtf8(text);
}

std::u16string FromUtf8(std::string_view text)
{
    return platform::Utf8ToUtf16(text);
}

std::string ToAnsi(std::u16string_view text)
{
    bool usedDefault = false;
    std::vector<std::string> chars;
    Encode(CP_ACP, text, "?", usedDefault, chars);
    std::string out;
    for (const auto& c : chars)
        out += c;
    return out;
}

std::u16string FromAnsi(std::string_view bytes)
{
    std::u16string out;
    Decode(CP_ACP, bytes, false, out);
    return out;
}

} // namespace host
