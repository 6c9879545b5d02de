// trace.cpp - the graphics module's debug output: failed steps and a few fixed lines, through DbgPrint.
#include "customnt/vqddigfx/trace.h"
#include "win/ntddk.h"
#include "win/winddi.h"

namespace {

const char* FileName(const char* pszPath)
{
    const char* pszName = pszPath;
    for (const char* p = pszPath; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/')
            pszName = p + 1;
    return pszName;
}

} // namespace

void TraceFailed(const char* pszFile, int line, const char* pszStep)
{
    DbgPrint("%s (%d): %s failed.\n", FileName(pszFile != nullptr ? pszFile : ""), line,
             pszStep != nullptr ? pszStep : "");
}

void TraceAt(const char* pszFile, int line, const char* pszText)
{
    DbgPrint("%s (%d): %s", FileName(pszFile != nullptr ? pszFile : ""), line, pszText != nullptr ? pszText : "");
}

void TraceLine(const char* pszText)
{
    DbgPrint("%s", pszText != nullptr ? pszText : "");
}

void TraceTransformKind(ULONG iKind)
{
    switch (iKind) {
    case GX_OFFSET: TraceLine("  GX_OFFSET\n"); break;
    case GX_SCALE: TraceLine("  GX_SCALE\n"); break;
    case GX_GENERAL: TraceLine("  GX_GENERAL\n"); break;
    default: break;
    }
}

void TraceImageColors(ULONG rgbFore, ULONG rgbBack)
{
    DbgPrint("        FgColor %x BgColor %x\n", static_cast<unsigned>(rgbFore), static_cast<unsigned>(rgbBack));
}
