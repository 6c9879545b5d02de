// product_names.cpp - the product's fixed names.
#include "settings/strings/product_names.h"
#include "settings/strings/text_copy.h"

LPCWSTR GetPdlName()
{
    return u"VQPDL2 V";
}

LPCWSTR GetModelName()
{
    return u"ORVANE TESSALY QN-804C";
}

namespace {

struct COMPANION_FILE_ROW {
    UINT    code;          // 0 ends the table
    LPCWSTR name;
    BOOL    alwaysCopy;    // the name never follows a folder the caller already holds
};

} // namespace

constexpr COMPANION_FILE_ROW kCompanionFiles[] = {
    {5, u"Q73MZRF1.DLL", FALSE},
    {6, u"Q73MZRF1.DLL", TRUE },
    {7, u"",             FALSE},
    {8, u"",             FALSE},
    {9, u"Q73MZRHZ.hlp", FALSE},
    {0, nullptr,         FALSE},   // terminator
};
static_assert(kCompanionFiles[sizeof kCompanionFiles / sizeof kCompanionFiles[0] - 1].code == 0,
              "terminator must be last");

BOOL GetCompanionFileName(LPWSTR out, UINT cchOut, UINT code, BOOL copy)
{
    if (out == nullptr || cchOut == 0)
        return FALSE;
    const COMPANION_FILE_ROW* row = kCompanionFiles;
    while (row->code != 0 && row->code != code)
        ++row;
    if (row->code == 0)
        return FALSE;
    if (copy || row->alwaysCopy) {
        if (BoundedTextLength(row->name, cchOut) >= cchOut)
            return FALSE;
        CopyTextCut(out, cchOut, row->name);
        return TRUE;
    }
    return AppendText(out, cchOut, row->name);
}
