// escape_table.cpp - matching a private escape against the rows of its handler.
#include "customnt/vqddigfx/escape_table.h"

namespace {

bool MatchesRow(const PRIVATE_ESCAPE_ROW& row, ULONG cjIn, PVOID pvIn, ULONG cjOut, PVOID pvOut)
{
    const ULONG cjInMax = row.cjInMax > row.cjIn ? row.cjInMax : row.cjIn;
    return cjIn >= row.cjIn && cjIn <= cjInMax && cjOut == row.cjOut && (pvIn != nullptr) == (cjInMax != 0) &&
           (pvOut != nullptr) == (row.cjOut != 0);
}

} // namespace

ULONG RunPrivateEscape(const PRIVATE_ESCAPE_ROW* pRows, PDEV* pdev, ULONG iEsc, ULONG cjIn, PVOID pvIn,
                       ULONG cjOut, PVOID pvOut)
{
    const PRIVATE_ESCAPE_ROW* row = pRows;
    while (row->iEsc != 0 && row->iEsc != iEsc)
        ++row;
    if (row->iEsc == 0 || !MatchesRow(*row, cjIn, pvIn, cjOut, pvOut))
        return kEscNotMine;
    if (!bValidatePDEV(pdev)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return row->pfnRun(ESCAPE_CALL{pdev, iEsc, static_cast<const BYTE*>(pvIn), static_cast<BYTE*>(pvOut), cjIn});
}
