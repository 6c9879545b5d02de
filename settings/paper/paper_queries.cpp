// paper_queries.cpp - sizes, names and twins of the papers in the paper table.
#include "settings/paper/paper_queries.h"
#include "settings/paper/custom_size_entry.h"
#include "settings/paper/custom_size_units.h"
#include "settings/paper/paper_rotation_table.h"
#include "settings/paper/paper_table.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/text_copy.h"

static_assert(sizeof(PAPER_SIZE_ENTRY::sizeText) / sizeof(WCHAR) == kSizeTextChars);

void GetMaxPaperSize(DWORD* width, DWORD* length)
{
    if (width == nullptr || length == nullptr)
        return;
    DWORD maxWidth = 0;
    DWORD maxLength = 0;
    for (const PAPER_SIZE_ENTRY* row = GetPaperRows(); row->paperId != 0; ++row) {
        if (row->width > maxWidth)
            maxWidth = row->width;
        if (row->length > maxLength)
            maxLength = row->length;
    }
    *width = maxWidth;
    *length = maxLength;
}

namespace {

enum class CustomConversion {
    RoundedToMm,   // whole millimetres rounded up, as the user sees them, in 1/100 mm
    Exact,         // 1/100 mm without rounding
    Stored,        // thousandths of an inch as stored
};

} // namespace

static DWORD ConvertCustomDimension(DWORD thousandths, CustomConversion conversion)
{
    switch (conversion) {
    case CustomConversion::RoundedToMm: {
        const ULONGLONG hundredths = static_cast<ULONGLONG>(ConvertThousandthInchToMm(kCustomSizeUnitMm, thousandths))
                                     * 100;
        return hundredths > 0xFFFFFFFFull ? 0xFFFFFFFFul : static_cast<DWORD>(hundredths);
    }
    case CustomConversion::Exact:
        return ConvertToHundredthMm(1, thousandths);
    case CustomConversion::Stored:
        return thousandths;
    }
    return thousandths;
}

// One size query: custom rows converted as asked, standard rows divided by standardDivisor, and zero
// replaced by zeroReplacement.
static void QueryPaperSize(SHORT paperId, DWORD* width, DWORD* length, CustomConversion conversion,
                           DWORD standardDivisor, DWORD zeroReplacement)
{
    if (width == nullptr || length == nullptr)
        return;
    const PAPER_SIZE_ENTRY* row = FindPaperById(paperId);
    if (row == nullptr)
        return;
    DWORD w = row->width / standardDivisor;
    DWORD l = row->length / standardDivisor;
    if (IsCustomPaperId(paperId)) {
        w = ConvertCustomDimension(row->width, conversion);
        l = ConvertCustomDimension(row->length, conversion);
    }
    *width = w != 0 ? w : zeroReplacement;
    *length = l != 0 ? l : zeroReplacement;
}

void GetPaperSize(SHORT paperId, DWORD* width, DWORD* length)
{
    QueryPaperSize(paperId, width, length, CustomConversion::RoundedToMm, 1, 10000);
}

void GetExactPaperSize(SHORT paperId, DWORD* width, DWORD* length)
{
    QueryPaperSize(paperId, width, length, CustomConversion::Exact, 1, 10000);
}

void GetPaperSizeInch(SHORT paperId, DWORD* width, DWORD* length)
{
    QueryPaperSize(paperId, width, length, CustomConversion::Stored, 100, 100);
}

LPCWSTR GetPaperName(SHORT paperId)
{
    const PAPER_SIZE_ENTRY* row = FindPaperById(paperId);
    return row != nullptr ? row->displayName : nullptr;
}

LPCWSTR GetPaperSizeText(SHORT paperId)
{
    const PAPER_SIZE_ENTRY* row = FindPaperById(paperId);
    return row != nullptr ? row->sizeText : nullptr;
}

void LoadPaperNames()
{
    for (PAPER_SIZE_ENTRY* row = GetPaperRows(); row->paperId != 0; ++row)
        CopyText(&row->displayName, GetResString(row->nameStringId));
}

BOOL IsRotatedPaper(SHORT paperId)
{
    return FindRotationPair(paperId, RotationColumn::Rotated) != nullptr ? TRUE : FALSE;
}

BOOL HasRotatedPaper(SHORT paperId)
{
    return FindRotationPair(paperId, RotationColumn::Plain) != nullptr ? TRUE : FALSE;
}

SHORT GetPlainPaperId(SHORT rotatedId)
{
    const PAPER_ROTATION_PAIR* pair = FindRotationPair(rotatedId, RotationColumn::Rotated);
    return pair != nullptr ? pair->plainId : SHORT(-1);
}

SHORT GetRotatedPaperId(SHORT plainId)
{
    const PAPER_ROTATION_PAIR* pair = FindRotationPair(plainId, RotationColumn::Plain);
    return pair != nullptr ? pair->rotatedId : SHORT(-1);
}

static PAPER_SIZE_ENTRY* FindCustomPaperRow(SHORT paperId)
{
    return IsCustomPaperId(paperId) ? FindPaperById(paperId) : nullptr;
}

BOOL SetCustomPaperRow(SHORT paperId, DWORD width, DWORD length, LPCWSTR name)
{
    PAPER_SIZE_ENTRY* row = FindCustomPaperRow(paperId);
    if (row == nullptr)
        return FALSE;
    row->width = width;
    row->length = length;
    CopyText(&row->displayName, name);
    return TRUE;
}

BOOL FormatCustomPaperRowText(SHORT paperId, WORD unit)
{
    PAPER_SIZE_ENTRY* row = FindCustomPaperRow(paperId);
    if (row == nullptr)
        return FALSE;
    WCHAR text[kSizeTextChars];
    FormatCustomSizeText(row->width, row->length, unit, text, kSizeTextChars);
    CopyText(&row->sizeText, text);
    return TRUE;
}
