// registry_paths.cpp - the per-user registry key paths of the driver and of one printer.
#include "settings/registry/registry_paths.h"
#include "settings/strings/product_names.h"
#include "settings/strings/text_copy.h"

#include <cstring>

// A fitted name fits a 32-byte ANSI field: 31 bytes and the NUL.
constexpr int kFittedAnsiBytes = 31;
// Code page 932 whatever the machine's ANSI code page, so that a printer's key path is the same everywhere.
constexpr UINT kFittingCodePage = 932;

UINT FitAnsiString(LPCWSTR name, LPWSTR out, UINT cchOut)
{
    if (out == nullptr || cchOut == 0)
        return 0;
    out[0] = u'\0';
    if (name == nullptr)
        return 0;

    // Character by character, so that a double-byte character that would cross the limit is left out whole.
    char ansi[kFittedAnsiBytes] = {};
    int cbAnsi = 0;
    for (const WCHAR* next = name; *next != u'\0'; ++next) {
        char bytes[2];
        const int cb = WideCharToMultiByte(kFittingCodePage, 0, next, 1, bytes, sizeof bytes, nullptr, nullptr);
        if (cb <= 0 || cbAnsi + cb > kFittedAnsiBytes)
            break;
        std::memcpy(ansi + cbAnsi, bytes, static_cast<std::size_t>(cb));
        cbAnsi += cb;
    }
    if (cbAnsi == 0)
        return 0;

    WCHAR wide[kFittedAnsiBytes + 1] = {};
    int cch = MultiByteToWideChar(kFittingCodePage, 0, ansi, cbAnsi, wide, kFittedAnsiBytes);
    if (cch <= 0)
        return 0;
    if (cch > static_cast<int>(kFittedNameChars) - 1)
        cch = kFittedNameChars - 1;
    wide[cch] = u'\0';
    return static_cast<UINT>(CopyTextCut(out, cchOut, wide) * sizeof(WCHAR));
}

BOOL BuildDriverRegPath(LPWSTR out, UINT cchOut)
{
    if (out == nullptr || cchOut == 0)
        return FALSE;
    out[0] = u'\0';
    const bool fits = AppendText(out, cchOut, u"Software\\ORVANE TESSALY\\")
                      && AppendText(out, cchOut, GetPdlName()) && AppendText(out, cchOut, u"\\")
                      && AppendText(out, cchOut, GetModelName()) && AppendText(out, cchOut, u"J\\");
    if (!fits) {
        out[0] = u'\0';
        return FALSE;
    }
    return TRUE;
}

BOOL BuildPrinterRegPath(LPWSTR out, UINT cchOut, LPCWSTR printerName, LPCWSTR subKey1, LPCWSTR subKey2)
{
    if (out == nullptr || cchOut == 0)
        return FALSE;
    out[0] = u'\0';
    WCHAR fitted[kFittedNameChars];
    FitAnsiString(printerName, fitted, kFittedNameChars);
    const WCHAR* name = fitted;
    if (name[0] == u'\\' && name[1] == u'\\')
        name += 2;
    if (name[0] == u'\0')
        return FALSE;

    bool fits = BuildDriverRegPath(out, cchOut) && AppendText(out, cchOut, name);
    if (fits && subKey1 != nullptr)
        fits = AppendText(out, cchOut, u"\\") && AppendText(out, cchOut, subKey1);
    if (fits && subKey2 != nullptr)
        fits = AppendText(out, cchOut, u"\\") && AppendText(out, cchOut, subKey2);
    if (!fits) {
        out[0] = u'\0';
        return FALSE;
    }
    return TRUE;
}
