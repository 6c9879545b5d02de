// custom_size_state.cpp - user-defined paper sizes in a sheet's working state.
#include "settings/params/custom_size_state.h"

#include "settings/paper/paper_queries.h"
#include "settings/params/ui_state.h"
#include "settings/store/settings_store.h"

#include <cstring>
#include <iterator>
#include <string_view>

namespace {

constexpr WCHAR kWidthKey[] = u"User Defined Width";
constexpr WCHAR kLengthKey[] = u"User Defined Length";

// Size index 0..9 of the state's store; false when there is none.
bool GetStateCustomSize(const UI_STATE* pState, UINT index, CUSTOM_SIZE_ENTRY* pEntry)
{
    if (pState == nullptr || pState->pStore == nullptr || index >= kCustomSizeCount)
        return false;
    const CUSTOM_SIZE_ENTRY* pBlock = pState->pStore->lpCustomSizes;
    if (pBlock == nullptr)
        return false;
    std::memcpy(pEntry, &pBlock[index], sizeof *pEntry);
    return true;
}

}  // namespace

BOOL IsLocalPrinterSettings(const UI_STATE* pState)
{
    if (pState == nullptr || pState->PrinterNameArea == nullptr)
        return TRUE;
    WCHAR name[kPrinterNameChars] = {};
    std::memcpy(name, pState->PrinterNameArea, sizeof name);
    const bool remote = name[0] == u'\\' && name[1] == u'\\';
    return !(remote && pState->HostFlag != 0);
}

LONG GetCustomSizeValue(const UI_STATE* pState, UINT index, LPCWSTR pszKey, PVOID)
{
    CUSTOM_SIZE_ENTRY entry;
    if (pszKey == nullptr || !GetStateCustomSize(pState, index, &entry))
        return 0;
    const std::u16string_view key(pszKey);
    if (key == kWidthKey)
        return static_cast<LONG>(entry.width);
    if (key == kLengthKey)
        return static_cast<LONG>(entry.length);
    return 0;
}

DWORD GetCustomSizeName(const UI_STATE* pState, UINT index, LPWSTR pszOut)
{
    CUSTOM_SIZE_ENTRY entry;
    if (pszOut == nullptr || !GetStateCustomSize(pState, index, &entry))
        return 0;
    WCHAR name[std::size(entry.name)];
    std::memcpy(name, entry.name, sizeof name);
    name[std::size(name) - 1] = u'\0';   // a stored name may lack its terminator
    const std::size_t length = std::u16string_view(name).size();
    std::memcpy(pszOut, name, (length + 1) * sizeof(WCHAR));
    return static_cast<DWORD>(length + 1);
}

WORD GetCustomSizeUnit(const UI_STATE* pState, UINT index)
{
    CUSTOM_SIZE_ENTRY entry;
    if (!GetStateCustomSize(pState, index, &entry))
        return 0;
    return entry.unit;
}

void LoadCustomPaperSizes(const UI_STATE* pState)
{
    for (UINT n = 1; n <= kCustomSizeCount; ++n) {
        WCHAR name[std::size(CUSTOM_SIZE_ENTRY{}.name)] = {};
        GetCustomSizeName(pState, n - 1, name);
        SetCustomPaperRow(CustomPaperIndexToId(n), static_cast<DWORD>(GetCustomSizeValue(pState, n - 1, kWidthKey, nullptr)),
                          static_cast<DWORD>(GetCustomSizeValue(pState, n - 1, kLengthKey, nullptr)), name);
    }
}

void FormatCustomPaperSizeTexts(const UI_STATE* pState)
{
    for (UINT n = 1; n <= kCustomSizeCount; ++n)
        FormatCustomPaperRowText(CustomPaperIndexToId(n), GetCustomSizeUnit(pState, n - 1));
}
