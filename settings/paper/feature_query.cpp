// feature_query.cpp - the query over the option, paper option and range tables.
// The out buffers belong to callers inside the driver, who size them from the option count; entries are
// written with memcpy so that a caller may pass any address, a packed field's included.
#include "settings/paper/feature_query.h"

#include <cstring>
#include <iterator>

OptionTable FindFeatureOptions(WORD wFeature, FEATURE_ROWS* pRows)
{
    *pRows = FEATURE_ROWS{};
    if ((pRows->pOption = FindOptionRows(wFeature)) != nullptr)
        return OptionTable::Option;
    if ((pRows->pPaper = FindPaperOptionRows(wFeature)) != nullptr)
        return OptionTable::Paper;
    if ((pRows->pRange = FindRangeOptionRow(wFeature)) != nullptr)
        return OptionTable::Range;
    return OptionTable::None;
}

WORD CountFeatureOptions(const FEATURE_ROWS& rows, WORD* pDefaultIndex)
{
    WORD count = 0;
    WORD defaultIndex = 0;
    if (rows.pOption != nullptr) {
        for (const OPTION_ROW* row = rows.pOption; row->wFeature == rows.pOption->wFeature; ++row, ++count)
            if (row->dwDefault != 0)
                defaultIndex = count;
    } else if (rows.pPaper != nullptr) {
        for (const PAPER_OPTION_ROW* row = rows.pPaper; row->wFeature == rows.pPaper->wFeature; ++row, ++count)
            if (row->dwDefault != 0)
                defaultIndex = count;
    } else if (rows.pRange != nullptr) {
        count = 1;
    }
    if (pDefaultIndex != nullptr)
        *pDefaultIndex = defaultIndex;
    return count;
}

// Option-table values are signed, paper ids unsigned; both widen to the query's 32-bit answer accordingly.
static LONG OptionValueAt(const FEATURE_ROWS& rows, WORD index)
{
    if (rows.pOption != nullptr)
        return rows.pOption[index].sValue;
    return rows.pPaper[index].wPaperId;
}

static WORD OptionNameAt(const FEATURE_ROWS& rows, WORD index)
{
    return rows.pOption != nullptr ? rows.pOption[index].idsName : rows.pPaper[index].idsName;
}

static void PutDword(void* pOut, std::size_t slot, DWORD value)
{
    std::memcpy(static_cast<BYTE*>(pOut) + slot * sizeof(DWORD), &value, sizeof value);
}

static void PutWord(void* pOut, std::size_t slot, WORD value)
{
    std::memcpy(static_cast<BYTE*>(pOut) + slot * sizeof(WORD), &value, sizeof value);
}

// Loads a name into a slot of cchSlot characters: cleared first, so a missing name leaves it empty. A slot
// of no characters gets nothing: LoadStringW would take a zero size as a request for a pointer.
static int LoadOptionName(HMODULE hModule, WORD idsName, void* pSlot, WORD cchSlot)
{
    if (cchSlot == 0)
        return 0;
    std::memset(pSlot, 0, cchSlot * sizeof(WCHAR));
    if (idsName == 0)
        return 0;
    WCHAR name[1000];   // loaded here first: the slot may lie at any address of a caller's record
    const int cchLimit = cchSlot < std::size(name) ? cchSlot : static_cast<int>(std::size(name));
    const int cch = LoadStringW(hModule, idsName, name, cchLimit);
    if (cch <= 0)
        return 0;
    std::memcpy(pSlot, name, static_cast<std::size_t>(cch) * sizeof(WCHAR));
    return cch;
}

static void PutSize(void* pOut, std::size_t slot, const PAPER_OPTION_ROW& row)
{
    PutDword(pOut, 2 * slot, row.dwWidth);
    PutDword(pOut, 2 * slot + 1, row.dwLength);
}

static void PutPrintableArea(void* pOut, std::size_t slot, const PAPER_OPTION_ROW& row)
{
    PutDword(pOut, 4 * slot, row.dwLeft);
    PutDword(pOut, 4 * slot + 1, row.dwTop);
    PutDword(pOut, 4 * slot + 2, row.dwRight);
    PutDword(pOut, 4 * slot + 3, row.dwBottom);
}

// Queries that answer without writing (the count), or write only when out is given (one value, the default,
// a range's bounds and step); every other query exists to fill out.
static bool OutIsOptional(FeatureQuery query)
{
    const int code = static_cast<int>(query);
    return code == 1 || (code >= 6 && code <= 10);
}

static bool IsQueryCode(FeatureQuery query)
{
    const int code = static_cast<int>(query);
    return code >= 1 && code <= 19 && (code < 11 || code > 13);
}

static LONG QueryListOptions(HMODULE hModule, const FEATURE_ROWS& rows, FeatureQuery query, void* pOut,
                             WORD wIndex, WORD wSize)
{
    WORD defaultIndex = 0;
    const WORD count = CountFeatureOptions(rows, &defaultIndex);
    switch (query) {
    case FeatureQuery::OptionCount:
        return count;
    case FeatureQuery::AllNames:
        for (WORD i = 0; i < count; ++i)
            LoadOptionName(hModule, OptionNameAt(rows, i), static_cast<BYTE*>(pOut) + i * wSize * sizeof(WCHAR),
                           wSize);
        return static_cast<LONG>(count) * wSize;
    case FeatureQuery::DefaultName:
        wIndex = defaultIndex;
        [[fallthrough]];
    case FeatureQuery::OptionName:
        if (wIndex >= count)
            return 0;
        return LoadOptionName(hModule, OptionNameAt(rows, wIndex), pOut, wSize);
    case FeatureQuery::AllValues:
        for (WORD i = 0; i < count; ++i) {
            if (wSize == sizeof(WORD))
                PutWord(pOut, i, static_cast<WORD>(OptionValueAt(rows, i)));
            else
                PutDword(pOut, i, static_cast<DWORD>(OptionValueAt(rows, i)));
        }
        return 0;
    case FeatureQuery::DefaultValue:
        wIndex = defaultIndex;
        [[fallthrough]];
    case FeatureQuery::OptionValue: {
        if (wIndex >= count)
            return 0;
        const LONG value = OptionValueAt(rows, wIndex);
        if (pOut != nullptr)
            PutDword(pOut, 0, static_cast<DWORD>(value));
        return value;
    }
    case FeatureQuery::Minimum:
    case FeatureQuery::Maximum:
    case FeatureQuery::Step:
        return 0;
    case FeatureQuery::AllSizes:
    case FeatureQuery::AllPrintableAreas:
        if (rows.pPaper == nullptr)
            return 0;
        for (WORD i = 0; i < count; ++i) {
            if (query == FeatureQuery::AllSizes)
                PutSize(pOut, i, rows.pPaper[i]);
            else
                PutPrintableArea(pOut, i, rows.pPaper[i]);
        }
        return count;
    case FeatureQuery::DefaultSize:
    case FeatureQuery::DefaultPrintableArea:
        wIndex = defaultIndex;
        [[fallthrough]];
    case FeatureQuery::OptionSize:
    case FeatureQuery::PrintableArea:
        if (rows.pPaper == nullptr || wIndex >= count)
            return 0;
        if (query == FeatureQuery::OptionSize || query == FeatureQuery::DefaultSize)
            PutSize(pOut, 0, rows.pPaper[wIndex]);
        else
            PutPrintableArea(pOut, 0, rows.pPaper[wIndex]);
        return wIndex;
    }
    return 0;
}

static LONG QueryRange(const RANGE_OPTION_ROW& row, FeatureQuery query, void* pOut)
{
    LONG value = 0;
    switch (query) {
    case FeatureQuery::OptionCount:
        return 1;
    case FeatureQuery::DefaultValue:
        value = row.wDefault;
        break;
    case FeatureQuery::Minimum:
        value = row.sMinimum;
        break;
    case FeatureQuery::Maximum:
        value = row.sMaximum;
        break;
    case FeatureQuery::Step:
        value = row.wStep;
        break;
    case FeatureQuery::AllNames:
    case FeatureQuery::OptionName:
    case FeatureQuery::DefaultName:
    case FeatureQuery::AllValues:
    case FeatureQuery::OptionValue:
    case FeatureQuery::AllSizes:
    case FeatureQuery::OptionSize:
    case FeatureQuery::DefaultSize:
    case FeatureQuery::AllPrintableAreas:
    case FeatureQuery::PrintableArea:
    case FeatureQuery::DefaultPrintableArea:
        return 0;
    }
    if (pOut != nullptr)
        PutDword(pOut, 0, static_cast<DWORD>(value));
    return value;
}

LONG QueryFeatureOptions(const RES_MODULE_CELL* pCell, WORD wFeature, FeatureQuery query, void* pOut,
                         WORD wIndex, WORD wSize)
{
    if (!HasResModule(pCell))
        return 0;
    FEATURE_ROWS rows;
    if (FindFeatureOptions(wFeature, &rows) == OptionTable::None)
        return 0;
    if (!IsQueryCode(query) || (pOut == nullptr && !OutIsOptional(query)))
        return 0;
    if (rows.pRange != nullptr)
        return QueryRange(*rows.pRange, query, pOut);
    return QueryListOptions(pCell->hModule, rows, query, pOut, wIndex, wSize);
}

LONG QueryFeature(const RES_MODULE_CELL* pCell, WORD wFeature, FeatureQuery query, void* pOut, WORD wIndex,
                  WORD wSize)
{
    if (pCell == nullptr)
        return 0;
    return QueryFeatureOptions(pCell, wFeature, query, pOut, wIndex, wSize);
}

LONG GetFeatureDefault(const RES_MODULE_CELL* pCell, WORD wFeature)
{
    return QueryFeature(pCell, wFeature, FeatureQuery::DefaultValue, nullptr, 0, 0);
}
