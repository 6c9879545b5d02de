// settings_file.cpp - the saved-settings walk: which items a key stands for, and how each is written, read or
// copied. The writer goes through the profile API as any INI file is written; the reader parses the file's
// bytes itself (settings_file_image.cpp), because a recalled file is untrusted.
#include "settings/params/settings_file.h"

#include "settings/paper/feature_query.h"
#include "settings/paper/feature_table.h"
#include "settings/params/param_defaults.h"
#include "settings/params/settings_file_image.h"
#include "settings/params/settings_item.h"
#include "settings/params/typed_value.h"
#include "settings/params/ui_state.h"
#include "settings/params/ui_state_layout.h"
#include "settings/strings/decimal_text.h"
#include "settings/strings/res_library.h"
#include "settings/strings/res_strings.h"
#include "settings/strings/text_copy.h"

#include <charconv>
#include <cstring>
#include <iterator>
#include <string_view>

namespace {

// What a read returns for a key the file does not hold; a stored "error" counts as absent too.
constexpr WCHAR kAbsent[] = u"error";

struct WalkContext {
    UI_STATE* pState;
    UI_STATE* pSource;
    LPCWSTR pszFile;
    SettingsWalk mode;
    SETTINGS_FILE_IMAGE* pImage;
    DWORD dwFormatted;   // values handed to the writer
};

// A key row's fields, read by value from the packed run-time row.
SETTINGS_KEY_RUN_ROW KeyRowAt(const UI_STATE* pState, WORD wIndex)
{
    SETTINGS_KEY_RUN_ROW row;
    std::memcpy(&row, &pState->pKeyRows[wIndex], sizeof row);
    return row;
}

void SetKeyFlag(UI_STATE* pState, WORD wIndex, std::size_t offset, DWORD value)
{
    std::memcpy(reinterpret_cast<BYTE*>(&pState->pKeyRows[wIndex]) + offset, &value, sizeof value);
}

WORD FindKeyRow(const UI_STATE* pState, WORD wKeyId)
{
    for (WORD i = 0; i < pState->wKeyCount; ++i)
        if (KeyRowAt(pState, i).key.wKeyId == wKeyId)
            return i;
    return kNoLink;
}

// The section row of a key row: the nearest row at or above it with a section pattern.
WORD FindSectionRow(const UI_STATE* pState, WORD wKeyRow)
{
    for (WORD i = wKeyRow + 1; i-- > 0;)
        if (KeyRowAt(pState, i).key.szSection[0] != u'\0')
            return i;
    return kNoLink;
}

}  // namespace

// --- writing ---------------------------------------------------------------------------------------------

// Writes one line of a multi-line value with its quote marks.
static BOOL WriteQuotedLine(LPCWSTR pszSection, LPCWSTR pszKey, std::u16string_view line, WORD wQuoteKind,
                            LPCWSTR pszFile)
{
    WCHAR quoted[kSettingsValueChars + 3] = {};
    std::size_t used = 0;
    if (wQuoteKind == kQuoteLeading || wQuoteKind == kQuoteBoth)
        quoted[used++] = u'*';
    for (WCHAR c : line.substr(0, kSettingsValueChars))
        quoted[used++] = c;
    if (wQuoteKind == kQuoteTrailing || wQuoteKind == kQuoteBoth)
        quoted[used++] = u'*';
    return WritePrivateProfileStringW(pszSection, pszKey, quoted, pszFile);
}

// Writes a text over several keys or lines: tabs may become spaces; each line (the CR before an LF is
// dropped, no other character) is quoted and goes to key "0", "1", ... or, without splitting, to the key
// itself, so that the last line stays. Stops at the first failed write.
static BOOL WriteMultiLineValue(LPCWSTR pszSection, LPCWSTR pszKey, LPCWSTR pszText, const MULTILINE_KEY_ROW& row,
                                LPCWSTR pszFile)
{
    WCHAR text[kSettingsValueChars] = {};
    CopyTextCut(text, std::size(text), pszText);
    if (row.dwTabsToSpaces != 0)
        for (WCHAR& c : text)
            if (c == u'\t')
                c = u' ';
    std::u16string_view rest(text);
    for (DWORD k = 0;; ++k) {
        const std::size_t lf = rest.find(u'\n');
        std::u16string_view line = rest.substr(0, lf);
        if (lf != std::u16string_view::npos && !line.empty() && line.back() == u'\r')
            line.remove_suffix(1);
        WCHAR keyName[12];
        FormatSettingsPattern(u"%d", static_cast<LONG>(k), keyName, std::size(keyName));
        if (!WriteQuotedLine(pszSection, row.dwSplitLines != 0 ? keyName : pszKey, line, row.wQuoteKind, pszFile))
            return FALSE;
        if (lf == std::u16string_view::npos)
            return TRUE;
        rest.remove_prefix(lf + 1);
    }
}

// The field's integer as the file writes it: codes 1 and 2 zero-extended, 4 sign-extended, the 32-bit codes
// as signed 32 bits.
static LONG ReadFieldInteger(const SETTINGS_ITEM_FIELD& field)
{
    BYTE bytes[4] = {};
    std::memcpy(bytes, field.pAddress, std::min<DWORD>(field.cbField, 4));
    const DWORD raw = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<DWORD>(bytes[3]) << 24);
    switch (field.wType) {
    case kTypeU8:
        return raw & 0xFF;
    case kTypeU16:
        return raw & 0xFFFF;
    case kTypeI16:
        return static_cast<SHORT>(raw & 0xFFFF);
    default:
        return static_cast<LONG>(raw);
    }
}

static bool IsIntegerCode(WORD wType)
{
    return wType == kTypeU8 || wType == kTypeU16 || wType == kTypeI16 || wType == kTypeI32 || wType == kTypeDword ||
           wType == kTypeU32;
}

// Bytes an integer code stores.
static DWORD IntegerCodeWidth(WORD wType)
{
    return wType == kTypeU8 ? 1 : (wType == kTypeU16 || wType == kTypeI16) ? 2 : 4;
}

static bool WriteItem(WalkContext& ctx, WORD wKeyId, const SETTINGS_ITEM_FIELD& field, LPCWSTR pszSection,
                      LPCWSTR pszKey)
{
    WCHAR text[kSettingsValueChars] = {};
    if (IsIntegerCode(field.wType) && field.cbField >= IntegerCodeWidth(field.wType)) {
        char digits[12];
        const auto result = std::to_chars(digits, std::end(digits), ReadFieldInteger(field));
        for (std::size_t i = 0; digits + i < result.ptr; ++i)
            text[i] = static_cast<WCHAR>(digits[i]);
    } else if (field.wType == kTypeText) {
        // The field may lack its terminator and sit at any offset: copy its bytes, then cut.
        const std::size_t cch = std::min<std::size_t>(field.cbField / sizeof(WCHAR), std::size(text) - 1);
        std::memcpy(text, field.pAddress, cch * sizeof(WCHAR));
    } else {
        return false;   // blocks are not written
    }
    ++ctx.dwFormatted;
    const MULTILINE_KEY_ROW* multi = FindMultiLineKey(wKeyId);
    if (multi != nullptr)
        return WriteMultiLineValue(pszSection, pszKey, text, *multi, ctx.pszFile) != FALSE;
    return WritePrivateProfileStringW(pszSection, pszKey, text, ctx.pszFile) != FALSE;
}

// --- reading ---------------------------------------------------------------------------------------------

// Strips the quote marks of one line into out; a line shorter than its marks adds nothing.
static std::u16string_view StripQuotes(std::u16string_view line, WORD wQuoteKind)
{
    const std::size_t front = (wQuoteKind == kQuoteLeading || wQuoteKind == kQuoteBoth) ? 1 : 0;
    const std::size_t back = (wQuoteKind == kQuoteTrailing || wQuoteKind == kQuoteBoth) ? 1 : 0;
    if (line.size() < front + back)
        return {};
    return line.substr(front, line.size() - front - back);
}

// Reads a multi-line value: the keys "0", "1", ... until one is absent, joined by CR LF, or the one key;
// quote marks stripped. The default when the first key is absent; never more than cchOut - 1 characters.
static void ReadMultiLineValue(LPCWSTR pszSection, LPCWSTR pszKey, const MULTILINE_KEY_ROW& row, LPWSTR pszOut,
                               DWORD cchOut, const SETTINGS_FILE_IMAGE* pImage)
{
    WCHAR line[kSettingsValueChars];
    std::size_t used = 0;
    pszOut[0] = u'\0';
    for (DWORD k = 0; k < kSettingsValueChars; ++k) {
        WCHAR keyName[12];
        FormatSettingsPattern(u"%d", static_cast<LONG>(k), keyName, std::size(keyName));
        GetIniValueFromImage(pszSection, row.dwSplitLines != 0 ? keyName : pszKey, kAbsent, line, std::size(line),
                             pImage);
        if (std::u16string_view(line) == kAbsent) {
            if (k == 0)
                CopyTextCut(pszOut, cchOut, kAbsent);
            return;
        }
        const std::u16string_view stripped = StripQuotes(line, row.wQuoteKind);
        const std::u16string_view separator = k == 0 ? u"" : u"\r\n";
        if (used + separator.size() + stripped.size() + 1 > cchOut)
            return;
        for (WCHAR c : separator)
            pszOut[used++] = c;
        for (WCHAR c : stripped)
            pszOut[used++] = c;
        pszOut[used] = u'\0';
        if (row.dwSplitLines == 0)
            return;
    }
}

static void GetSettingsValueText(WORD wKeyId, LPCWSTR pszSection, LPCWSTR pszKey, LPWSTR pszOut, DWORD cchOut,
                                 const SETTINGS_FILE_IMAGE* pImage)
{
    const MULTILINE_KEY_ROW* multi = FindMultiLineKey(wKeyId);
    if (multi != nullptr)
        ReadMultiLineValue(pszSection, pszKey, *multi, pszOut, cchOut, pImage);
    else
        GetIniValueFromImage(pszSection, pszKey, kAbsent, pszOut, cchOut, pImage);
}

// Puts the item's default into its field; false when it has none.
static bool ApplyItemDefault(const SETTINGS_ITEM_FIELD& field)
{
    if (field.pszDefaultText != nullptr && field.wType == kTypeText) {
        const std::size_t cch = field.cbField / sizeof(WCHAR);
        WCHAR bounded[kSettingsValueChars] = {};
        CopyTextCut(bounded, std::min<std::size_t>(cch, std::size(bounded)), field.pszDefaultText);
        std::memset(field.pAddress, 0, field.cbField);
        std::memcpy(field.pAddress, bounded, std::min<std::size_t>(cch, std::size(bounded)) * sizeof(WCHAR));
        return true;
    }
    if (field.pDefault != nullptr) {
        std::memcpy(field.pAddress, field.pDefault, field.cbField);
        return true;
    }
    return false;
}

// Reads one value into its field; false when the key is absent (the field then takes its default) or the
// text does not fit the field (the field stays as it was).
static bool ReadItem(WalkContext& ctx, WORD wKeyId, const SETTINGS_ITEM_FIELD& field, LPCWSTR pszSection,
                     LPCWSTR pszKey)
{
    WCHAR text[kSettingsValueChars] = {};
    GetSettingsValueText(wKeyId, pszSection, pszKey, text, std::size(text), ctx.pImage);
    if (std::u16string_view(text) == kAbsent) {
        ApplyItemDefault(field);
        return false;
    }
    if (IsIntegerCode(field.wType)) {
        if (field.cbField < IntegerCodeWidth(field.wType))
            return false;
        // "%d" wrote a 32-bit value with its sign: read it back the same way.
        const UINT parseCode = field.wType == kTypeU32 ? kTypeI32 : field.wType;
        BYTE parsed[4] = {};
        if (!ParseDecimalValue(parsed, parseCode, text))
            return false;
        std::memcpy(field.pAddress, parsed, IntegerCodeWidth(field.wType));
        return true;
    }
    if (field.wType == kTypeText) {
        const std::size_t cch = field.cbField / sizeof(WCHAR);
        if (cch == 0)
            return false;
        const std::size_t length = BoundedTextLength(text, std::size(text));
        std::memset(field.pAddress, 0, field.cbField);
        std::memcpy(field.pAddress, text, std::min(length, cch - 1) * sizeof(WCHAR));
        return length < cch;
    }
    return false;
}

// --- the walk --------------------------------------------------------------------------------------------

static bool TransferItem(WalkContext& ctx, WORD wKeyRow, WORD wSectionNumber, WORD wKeyIndex, LPCWSTR pszSection,
                         LPCWSTR pszKey)
{
    SETTINGS_ITEM_FIELD field = {};
    if (!GetSettingsItemField(ctx.pState, wKeyRow, wSectionNumber, wKeyIndex, &field))
        return false;
    const WORD wKeyId = KeyRowAt(ctx.pState, wKeyRow).key.wKeyId;
    switch (ctx.mode) {
    case SettingsWalk::Write:
        return WriteItem(ctx, wKeyId, field, pszSection, pszKey);
    case SettingsWalk::Read:
        return ReadItem(ctx, wKeyId, field, pszSection, pszKey);
    case SettingsWalk::CopyGroup: {
        SETTINGS_ITEM_FIELD source = {};
        if (!GetSettingsItemField(ctx.pSource, wKeyRow, wSectionNumber, wKeyIndex, &source) ||
            source.cbField != field.cbField || source.wType != field.wType)
            return false;
        std::memmove(field.pAddress, source.pAddress, field.cbField);
        return true;
    }
    }
    return false;
}

// The count a parent key holds for a section number, bounded by the child's static range so that no range
// passes its block; -1 when the parent's field cannot be found.
static LONG ReadParentCount(UI_STATE* pState, WORD wParentRow, WORD wSectionNumber, WORD wChildLast)
{
    SETTINGS_ITEM_FIELD field = {};
    const WORD wFirst = KeyRowAt(pState, wParentRow).key.wFirst;
    if (!GetSettingsItemField(pState, wParentRow, wSectionNumber, wFirst, &field) || !IsIntegerCode(field.wType) ||
        field.cbField < IntegerCodeWidth(field.wType))
        return -1;
    const LONG count = ReadFieldInteger(field);
    if (count < 0)
        return 0;
    return std::min<LONG>(count, wChildLast + 1L);
}

// Stores a number of entries read into the parent's field, in the field's own width.
static void StoreReadCount(UI_STATE* pState, WORD wParentRow, WORD wSectionNumber, DWORD dwCount)
{
    SETTINGS_ITEM_FIELD field = {};
    const WORD wFirst = KeyRowAt(pState, wParentRow).key.wFirst;
    if (!GetSettingsItemField(pState, wParentRow, wSectionNumber, wFirst, &field) || !IsIntegerCode(field.wType) ||
        field.cbField < IntegerCodeWidth(field.wType))
        return;
    const BYTE bytes[4] = { static_cast<BYTE>(dwCount), static_cast<BYTE>(dwCount >> 8),
                            static_cast<BYTE>(dwCount >> 16), static_cast<BYTE>(dwCount >> 24) };
    std::memcpy(field.pAddress, bytes, IntegerCodeWidth(field.wType));
}

// A count taken from a file or another state is cut to the block its entries fill (one past the last static
// index of the rows it bounds), so that whatever later walks the list stays inside it. A count below 1 stays
// as read: it bounds no entry.
static void CapReadCount(UI_STATE* pState, WORD wCountRow, WORD wSectionNumber)
{
    const WORD wKeyId = KeyRowAt(pState, wCountRow).key.wKeyId;
    LONG capacity = -1;
    for (WORD i = 0; i < pState->wKeyCount && capacity < 0; ++i) {
        const SETTINGS_KEY_ROW child = KeyRowAt(pState, i).key;
        if (child.wParentKeyId == wKeyId)
            capacity = child.wLast + 1L;
    }
    SETTINGS_ITEM_FIELD field = {};
    const WORD wFirst = KeyRowAt(pState, wCountRow).key.wFirst;
    if (capacity < 0 || !GetSettingsItemField(pState, wCountRow, wSectionNumber, wFirst, &field) ||
        !IsIntegerCode(field.wType) || field.cbField < IntegerCodeWidth(field.wType) ||
        ReadFieldInteger(field) <= capacity)
        return;
    StoreReadCount(pState, wCountRow, wSectionNumber, static_cast<DWORD>(capacity));
}

static bool IsRowWalked(const SETTINGS_KEY_ROW& key, WORD wRecallGroup)
{
    if (wRecallGroup != 0 && key.wRecallGroup != wRecallGroup)
        return false;
    return key.szKey[0] != u'\0' && IsFunctionEnabled(key.wFunction) != 0;
}

static void WalkKeyRow(WalkContext& ctx, WORD wRow, WORD wSectionRow)
{
    UI_STATE* pState = ctx.pState;
    const SETTINGS_KEY_RUN_ROW row = KeyRowAt(pState, wRow);
    const SETTINGS_KEY_ROW section = KeyRowAt(pState, wSectionRow).key;
    const WORD wParentRow = row.key.wParentKeyId != 0 ? FindKeyRow(pState, row.key.wParentKeyId) : kNoLink;
    const bool counted = wParentRow != kNoLink && (ctx.mode == SettingsWalk::Write || row.dwCountKnown != 0);
    const bool stopAtFailure = !counted && (row.dwParent != 0 || wParentRow != kNoLink);

    bool lastSucceeded = false;
    DWORD dwLastTransfers = 0;
    for (DWORD number = section.wFirst; number <= section.wLast; ++number) {
        WCHAR sectionName[64];
        FormatSettingsPattern(section.szSection, static_cast<LONG>(number), sectionName, std::size(sectionName));
        LONG first = row.key.wFirst;
        LONG last = row.key.wLast;
        if (counted) {
            const LONG count = ReadParentCount(pState, wParentRow, static_cast<WORD>(number), row.key.wLast);
            if (count >= 0) {
                first = 0;
                last = count - 1;
            }
        }
        DWORD dwTransfers = 0;
        lastSucceeded = false;
        for (LONG index = first; index <= last; ++index) {
            WCHAR keyName[64];
            FormatSettingsPattern(row.key.szKey, index, keyName, std::size(keyName));
            lastSucceeded = TransferItem(ctx, wRow, static_cast<WORD>(number), static_cast<WORD>(index), sectionName,
                                         keyName);
            if (lastSucceeded)
                ++dwTransfers;
            else if (stopAtFailure)
                break;
        }
        dwLastTransfers = dwTransfers;
        if (ctx.mode != SettingsWalk::Write && row.dwParent != 0 && lastSucceeded)
            CapReadCount(pState, wRow, static_cast<WORD>(number));
    }
    if (ctx.mode == SettingsWalk::Write)
        return;
    if (row.dwParent != 0) {
        // A count read from the last section bounds every row that names it as parent.
        SetKeyFlag(pState, wRow, offsetof(SETTINGS_KEY_RUN_ROW, dwCountRead), lastSucceeded ? 1 : 0);
        if (lastSucceeded)
            for (WORD i = 0; i < pState->wKeyCount; ++i)
                if (KeyRowAt(pState, i).key.wParentKeyId == row.key.wKeyId)
                    SetKeyFlag(pState, i, offsetof(SETTINGS_KEY_RUN_ROW, dwCountKnown), 1);
    } else if (wParentRow != kNoLink && KeyRowAt(pState, wParentRow).dwCountRead == 0 && dwLastTransfers != 0) {
        StoreReadCount(pState, wParentRow, section.wLast, dwLastTransfers);
    }
}

BOOL WalkSettingsFile(UI_STATE* pState, LPCWSTR pszFile, UI_STATE* pSource, WORD wRecallGroup, SettingsWalk mode)
{
    if (pState == nullptr || pState->pKeyRows == nullptr || pState->wKeyCount == 0)
        return FALSE;
    if (mode == SettingsWalk::CopyGroup ? pSource == nullptr || pSource->pKeyRows == nullptr : pszFile == nullptr)
        return FALSE;

    for (WORD i = 0; i < pState->wKeyCount; ++i) {
        SetKeyFlag(pState, i, offsetof(SETTINGS_KEY_RUN_ROW, dwCountRead), 0);
        SetKeyFlag(pState, i, offsetof(SETTINGS_KEY_RUN_ROW, dwCountKnown), 0);
    }
    WalkContext ctx = { pState, pSource, pszFile, mode, nullptr, 0 };
    if (mode == SettingsWalk::Read) {
        ctx.pImage = LoadSettingsFileImage(pszFile, pState->pKeyRows, pState->wKeyCount);
        if (ctx.pImage == nullptr)
            return FALSE;
    }

    InitResStrings();   // some defaults are resource texts
    const int passes = mode == SettingsWalk::Write ? 1 : 2;
    for (int pass = 1; pass <= passes; ++pass) {
        for (WORD i = 0; i < pState->wKeyCount; ++i) {
            const SETTINGS_KEY_RUN_ROW row = KeyRowAt(pState, i);
            if (!IsRowWalked(row.key, wRecallGroup))
                continue;
            if (passes == 2 && (row.dwParent != 0) != (pass == 1))
                continue;
            const WORD wSectionRow = FindSectionRow(pState, i);
            if (wSectionRow != kNoLink)
                WalkKeyRow(ctx, i, wSectionRow);
        }
    }
    TermResStrings();

    FreeSettingsFileImage(ctx.pImage);
    if (mode == SettingsWalk::Write)
        return ctx.dwFormatted != 0;
    return TRUE;
}

// --- the check after a read ------------------------------------------------------------------------------

static void CheckPlainField(UI_STATE* pState, WORD wParamId)
{
    const PARAM_DEFAULT_ROW* defaults = FindParamDefault(wParamId);
    if (defaults == nullptr || !HasParamRange(*defaults))
        return;
    void* pAddress = nullptr;
    DWORD cbField = 0;
    WORD wType = 0;
    DWORD cbBuffer = 0;
    if (GetParamValue(wParamId, nullptr, &cbBuffer, 0, &pAddress, &cbField, &wType, pState, kParamCurrent) != 0 ||
        !IsIntegerCode(wType) || cbField < IntegerCodeWidth(wType))
        return;
    const SETTINGS_ITEM_FIELD field = { static_cast<BYTE*>(pAddress), cbField, wType, nullptr, nullptr };
    const LONG value = ReadFieldInteger(field);
    const bool isUnsigned = wType == kTypeU8 || wType == kTypeU16 || wType == kTypeDword;
    const bool inRange = isUnsigned ? static_cast<DWORD>(value) >= static_cast<DWORD>(defaults->lMinimum) &&
                                          static_cast<DWORD>(value) <= static_cast<DWORD>(defaults->lMaximum)
                                    : value >= defaults->lMinimum && value <= defaults->lMaximum;
    if (inRange)
        return;
    BYTE parsed[4] = {};
    if (ParseDecimalValue(parsed, wType == kTypeU32 ? kTypeI32 : wType, defaults->pszDefault))
        std::memcpy(pAddress, parsed, IntegerCodeWidth(wType));
}

static void CheckFeatureValue(UI_STATE* pState, const UIPARAM_RUN_ROW& row, const RES_MODULE_CELL* pCell)
{
    WORD wCurrent = 0;
    DWORD cb = sizeof wCurrent;
    if (GetParamValue(row.wParamId, &wCurrent, &cb, kTypeU16, nullptr, nullptr, nullptr, pState, kParamCurrent) != 0)
        return;
    const LONG options = QueryFeature(pCell, row.wFeature, FeatureQuery::OptionCount, nullptr, 0, 0);
    if (options <= 0)
        return;
    bool valid = false;
    if (row.dwKind == PK_RANGE) {
        const LONG minimum = QueryFeature(pCell, row.wFeature, FeatureQuery::Minimum, nullptr, 0, 0);
        const LONG maximum = QueryFeature(pCell, row.wFeature, FeatureQuery::Maximum, nullptr, 0, 0);
        valid = static_cast<SHORT>(wCurrent) >= minimum && static_cast<SHORT>(wCurrent) <= maximum;
    } else {
        for (LONG i = 0; i < options && !valid; ++i)
            valid = QueryFeature(pCell, row.wFeature, FeatureQuery::OptionValue, nullptr, static_cast<WORD>(i), 0) ==
                    static_cast<LONG>(wCurrent);
    }
    if (valid)
        return;
    const WORD wDefault = static_cast<WORD>(QueryFeature(pCell, row.wFeature, FeatureQuery::DefaultValue, nullptr, 0, 0));
    SetParamValue(row.wParamId, &wDefault, sizeof wDefault, kTypeU16, pState, kParamCurrent);
}

BOOL ValidateReadSettings(UI_STATE* pState, WORD wRecallGroup)
{
    if (pState == nullptr)
        return FALSE;
    if (pState->pKeyRows == nullptr || pState->pParamRows == nullptr)
        return TRUE;
    RES_MODULE_CELL* pCell = OpenResModule();
    for (WORD i = 0; i < pState->wKeyCount; ++i) {
        const SETTINGS_KEY_RUN_ROW key = KeyRowAt(pState, i);
        if ((wRecallGroup != 0 && key.key.wRecallGroup != wRecallGroup) || key.wParamRow >= pState->wParamCount)
            continue;
        UIPARAM_RUN_ROW row;
        std::memcpy(&row, &pState->pParamRows[key.wParamRow], sizeof row);
        if (row.pfnBind == nullptr)
            continue;
        if (row.wFeature == kNoFeature)
            CheckPlainField(pState, row.wParamId);
        else if (IsFeatureBackedKind(row.dwKind))
            CheckFeatureValue(pState, row, pCell);
    }
    CloseResModule(pCell);
    return TRUE;
}

// --- the library's calls ---------------------------------------------------------------------------------

BOOL SaveLibrarySettings(UI_STATE* pState, LPCWSTR pszFile)
{
    return WriteSettingsFile(pState, pszFile, 0);
}

BOOL ReadSettingsFile(UI_STATE* pState, LPCWSTR pszFile, WORD wRecallGroup)
{
    const BOOL read = WalkSettingsFile(pState, pszFile, nullptr, wRecallGroup, SettingsWalk::Read);
    ValidateReadSettings(pState, wRecallGroup);
    return read;
}

BOOL WriteSettingsFile(UI_STATE* pState, LPCWSTR pszFile, WORD wRecallGroup)
{
    return WalkSettingsFile(pState, pszFile, nullptr, wRecallGroup, SettingsWalk::Write);
}

BOOL ReadSettingsFileGroup(UI_STATE* pState, UI_STATE* pSource, WORD wRecallGroup)
{
    const BOOL copied = WalkSettingsFile(pState, nullptr, pSource, wRecallGroup, SettingsWalk::CopyGroup);
    ValidateReadSettings(pState, wRecallGroup);
    return copied;
}
