// custom_paper_geometry.cpp - user-defined paper sizes and their margins for the devmode validation.
#include "settings/paper/custom_paper_geometry.h"
#include "settings/paper/custom_size_store.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/custom_size_limits.h"

static LONG ThousandthInchToTenthMm(DWORD value)
{
    return static_cast<LONG>((static_cast<ULONGLONG>(value) * 254 + 500) / 1000);
}

void GetCustomSizeTenthsMm(SHORT paperId, LONG* pWidth, LONG* pLength, HANDLE hPrinter)
{
    const UINT number = CustomPaperIdToIndex(paperId);
    if (number == 0 || pWidth == nullptr || pLength == nullptr)
        return;
    // The default of that size first; the stored size replaces it when the printer data can be read.
    DWORD width = 0;
    DWORD length = 0;
    WCHAR name[sizeof(CUSTOM_SIZE_ENTRY::name) / sizeof(WCHAR)] = {};
    GetCustomSize(hPrinter, nullptr, number, &width, &length, name, sizeof name);
    *pWidth = ThousandthInchToTenthMm(width);
    *pLength = ThousandthInchToTenthMm(length);
}

void ComputeCenteringMargins(WORD wTray, WORD wSourceUnit, LONG width, LONG length, LONG* pLeft, LONG* pTop,
                             LONG* pRight, LONG* pBottom)
{
    const CUSTOM_SIZE_LIMITS* pLimits =
        FindCustomSizeLimits(static_cast<SHORT>(wTray), static_cast<SHORT>(wSourceUnit));
    const LONG maxWidth = pLimits->maxWidth * 100;
    const LONG maxLength = pLimits->maxLength * 100;
    LONG left = 0, top = 0, right = 0, bottom = 0;
    if (width > maxWidth) {
        const LONG excess = width - maxWidth;
        left = (excess + 1) / 2;
        right = excess - left;
    }
    if (length > maxLength) {
        const LONG excess = length - maxLength;
        top = (excess + 1) / 2;
        bottom = excess - top;
    }
    *pLeft = left > pLimits->marginLeft ? left : pLimits->marginLeft;
    *pTop = top > pLimits->marginTop ? top : pLimits->marginTop;
    *pRight = right > pLimits->marginRight ? right : pLimits->marginRight;
    *pBottom = bottom > pLimits->marginBottom ? bottom : pLimits->marginBottom;
}
