// vxcmnnt.cpp - the writer's context, its sizes and its text conversions.
#include "pdl/vxcmn/vxcmnnt.h"
#include "win/ntddk.h"

#include <cstring>
#include <string>

JOB_EXTRA_RECORD* PdlGetContext(PDEV* pdev)
{
    const DWORD offset = static_cast<DWORD>(pdev->wEnvOffset) + kEnvExtraSize;
    auto* pContext = reinterpret_cast<JOB_EXTRA_RECORD*>(reinterpret_cast<BYTE*>(pdev) + offset);
    pContext->dwContextOffset = offset;
    return pContext;
}

DWORD PdlGetContextSize()
{
    return kVqpdlContextSize;
}

DWORD PdlGetEnvExtraSize()
{
    return kEnvExtraSize;
}

const char* GetDriverVersionString()
{
    return "04.02";
}

void PdlSetDrawKind(PDEV* pdev, BYTE bKind)
{
    PdlGetContext(pdev)->bDrawKind = bKind;
}

BYTE PdlGetDrawKind(PDEV* pdev)
{
    return PdlGetContext(pdev)->bDrawKind;
}

DWORD UnicodeToAnsi(char* pOut, LPCWSTR pText, DWORD cbOut)
{
    const size_t cchText = pText != nullptr ? std::char_traits<WCHAR>::length(pText) : 0;
    if (cbOut == 0)
        cbOut = static_cast<DWORD>(cchText + 1);
    ULONG cbWritten = 0;
    RtlUnicodeToMultiByteN(pOut, cbOut - 1, &cbWritten, pText != nullptr ? pText : u"",
                           static_cast<ULONG>(cchText * sizeof(WCHAR)));
    pOut[cbWritten] = '\0';
    return cbWritten;
}

DWORD AnsiToUnicode(LPWSTR pOut, const char* pText, DWORD cchOut)
{
    if (cchOut == 0)
        return 0;
    ULONG cbWritten = 0;
    RtlMultiByteToUnicodeN(pOut, (cchOut - 1) * sizeof(WCHAR), &cbWritten, pText != nullptr ? pText : "",
                           pText != nullptr ? static_cast<ULONG>(std::strlen(pText)) : 0);
    const DWORD cch = cbWritten / sizeof(WCHAR);
    pOut[cch] = u'\0';
    return cch;
}

LPCWSTR FileNameFromPath(LPCWSTR pPath)
{
    if (pPath == nullptr)
        return nullptr;
    LPCWSTR pName = pPath;
    for (LPCWSTR p = pPath; *p != u'\0'; ++p)
        if (*p == u'\\')
            pName = p + 1;
    return pName;
}
