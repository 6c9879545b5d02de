// option_lists.cpp - option lists shown in combo boxes.
#include "ui/core/option_lists.h"

#include <cstring>
#include <iterator>

namespace {

bool NameEquals(const ITEM_LIST_ENTRY& option, const WCHAR* text)
{
    // The lists are packed: a name may sit at an odd address, so it is read whole into an aligned copy.
    WCHAR name[std::size(ITEM_LIST_ENTRY{}.szName)];
    std::memcpy(name, option.szName, sizeof name);
    for (std::size_t i = 0; i < std::size(name); ++i) {
        if (name[i] != text[i])
            return false;
        if (text[i] == u'\0')
            return true;
    }
    return text[std::size(name)] == u'\0';   // a name of all 64 characters has no terminator
}

} // namespace

WORD GetComboOptionIndex(HWND hCombo, const ITEM_LIST* pList)
{
    if (pList == nullptr)
        return kNoOption;
    const LRESULT selected = SendMessageW(hCombo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR)
        return kNoOption;
    const LRESULT length = SendMessageW(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    // A text longer than any option's name names none of them.
    constexpr LRESULT kLongest = std::size(ITEM_LIST_ENTRY{}.szName);
    if (length == CB_ERR || length > kLongest)
        return kNoOption;
    WCHAR text[kLongest + 1] = {};
    if (SendMessageW(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text)) == CB_ERR)
        return kNoOption;
    const ITEM_LIST_ENTRY* options = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i)
        if (NameEquals(options[i], text))
            return i;
    return kNoOption;
}

void SelectOptionByComboText(HWND hDlg, int controlId, ITEM_LIST* pList, UI_STATE* /*pState*/)
{
    const WORD index = GetComboOptionIndex(GetDlgItem(hDlg, controlId), pList);
    if (index != kNoOption)
        pList->wCurrent = NamedEntries(pList)[index].wValue;
}

int GetVisibleOptionIndex(const ITEM_LIST* pList, WORD value)
{
    if (pList == nullptr)
        return -1;
    const ITEM_LIST_ENTRY* options = NamedEntries(pList);
    int position = 0;
    for (WORD i = 0; i < pList->wCount; ++i) {
        if (options[i].wState != kOptionAvailable)
            continue;
        if (options[i].wValue == value)
            return position;
        ++position;
    }
    return -1;
}

int GetOptionIndex(const ITEM_LIST* pList, WORD value)
{
    if (pList == nullptr)
        return -1;
    const ITEM_LIST_ENTRY* options = NamedEntries(pList);
    for (WORD i = 0; i < pList->wCount; ++i)
        if (options[i].wValue == value)
            return i;
    return -1;
}
