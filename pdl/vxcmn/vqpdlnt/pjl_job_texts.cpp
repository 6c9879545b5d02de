// pjl_job_texts.cpp - bounded, converted and cleaned texts for the PJL lines of the job header.
#include "pdl/vxcmn/vqpdlnt/pjl_job_texts.h"

#include "settings/strings/text_copy.h"
#include "win/ntddk.h"

#include <cstring>

namespace {

constexpr std::size_t kStoredTextUnits = 11;   // the password, user ID and job ID fields of the env part

} // namespace

// Lead bytes of a double-byte character in code page 932.
static bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

void CleanPjlText(char* pText)
{
    if (pText == nullptr)
        return;
    for (unsigned char* p = reinterpret_cast<unsigned char*>(pText); *p != 0; ++p)
        if (*p < 0x20 || *p == 0x7F || *p == '"')
            *p = ' ';
}

void CutAnsiText(char* pOut, std::size_t cbOut, const char* pField, std::size_t cbField, std::size_t cbMax)
{
    if (pOut == nullptr || cbOut == 0)
        return;
    if (cbMax > cbOut - 1)
        cbMax = cbOut - 1;

    std::size_t length = 0;
    while (pField != nullptr && length < cbField && pField[length] != '\0') {
        const bool lead = IsLeadByte(static_cast<unsigned char>(pField[length]));
        const std::size_t width = lead && length + 1 < cbField && pField[length + 1] != '\0' ? 2 : 1;
        if (length + width > cbMax)
            break;
        length += width;
    }
    if (length != 0)
        std::memcpy(pOut, pField, length);
    pOut[length] = '\0';
}

void WideToAnsiText(char* pOut, std::size_t cbOut, const WCHAR* pField, std::size_t cchField)
{
    if (pOut == nullptr || cbOut == 0)
        return;
    std::memset(pOut, 0, cbOut);
    const std::size_t cch = BoundedTextLength(pField, cchField);
    if (cch == 0)
        return;
    ULONG written = 0;
    RtlUnicodeToMultiByteN(pOut, static_cast<ULONG>(cbOut - 1), &written, pField, static_cast<ULONG>(cch * 2));
    pOut[written < cbOut ? written : cbOut - 1] = '\0';
}

void UpperCaseAnsiLetters(char* pText)
{
    if (pText == nullptr)
        return;
    for (unsigned char* p = reinterpret_cast<unsigned char*>(pText); *p != 0; ++p) {
        if (IsLeadByte(*p)) {
            if (p[1] == 0)
                break;
            ++p;   // a trail byte may fall in a-z; it is half of a character, not a letter
            continue;
        }
        if (*p >= 'a' && *p <= 'z')
            *p = static_cast<unsigned char>(*p - 'a' + 'A');
    }
}

void UnscrambleStoredText(WCHAR* pOut, const WCHAR* pScrambled, std::size_t cch)
{
    if (pOut == nullptr)
        return;
    std::size_t i = 0;
    for (; pScrambled != nullptr && i < cch && pScrambled[i] != 0; ++i)
        pOut[i] = static_cast<WCHAR>(pScrambled[i] ^ 0xFFFF);
    pOut[i] = u'\0';
}

// The 11 units of a packed env field, moved out by bytes: the field may sit at an odd address.
static void ReadStoredField(WCHAR (&units)[kStoredTextUnits], const void* pField)
{
    std::memcpy(units, pField, sizeof units);
}

static BOOL StoredTextToAnsi(const WCHAR* pText, std::size_t cch, char* pOut, std::size_t cbOut)
{
    if (pOut == nullptr || cbOut == 0)
        return FALSE;
    WideToAnsiText(pOut, cbOut, pText, cch);
    return pOut[0] != '\0';
}

BOOL GetStoredPassword(const DEVMODE_ENV_EXTRA* pEnv, char* pOut, std::size_t cbOut)
{
    if (pOut != nullptr && cbOut != 0)
        pOut[0] = '\0';
    if (pEnv == nullptr)
        return FALSE;
    WCHAR scrambled[kStoredTextUnits];
    ReadStoredField(scrambled, &pEnv->ScrambledPassword);
    WCHAR password[kStoredTextUnits + 1];
    UnscrambleStoredText(password, scrambled, kStoredTextUnits);
    return StoredTextToAnsi(password, kStoredTextUnits, pOut, cbOut);
}

BOOL GetStoredUserId(const DEVMODE_ENV_EXTRA* pEnv, char* pOut, std::size_t cbOut)
{
    if (pOut != nullptr && cbOut != 0)
        pOut[0] = '\0';
    if (pEnv == nullptr)
        return FALSE;
    WCHAR userId[kStoredTextUnits];
    ReadStoredField(userId, &pEnv->UserId);
    return StoredTextToAnsi(userId, kStoredTextUnits, pOut, cbOut);
}

BOOL GetStoredJobId(const DEVMODE_ENV_EXTRA* pEnv, char* pOut, std::size_t cbOut)
{
    if (pOut != nullptr && cbOut != 0)
        pOut[0] = '\0';
    if (pEnv == nullptr)
        return FALSE;
    WCHAR jobId[kStoredTextUnits];
    ReadStoredField(jobId, &pEnv->JobId);
    return StoredTextToAnsi(jobId, kStoredTextUnits, pOut, cbOut);
}
