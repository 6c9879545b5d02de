// item_list.cpp - the items list boxes and combo boxes share.
#include "user/item_list.h"
#include "common/text_util.h"
#include "user/window_table.h"

#include <algorithm>
#include <cstring>

namespace platform {

int ItemList::Add(const WCHAR* text, LPARAM value)
{
    ListItem item;
    if (hasStrings)
        item.text = View(text);
    else
        item.data = static_cast<ULONG_PTR>(value);
    size_t at = items.size();
    if (sorted && hasStrings)
        at = static_cast<size_t>(std::upper_bound(items.begin(), items.end(), item,
                                                  [](const ListItem& a, const ListItem& b) {
                                                      return CompareNoCase(a.text, b.text) < 0;
                                                  }) -
                                 items.begin());
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), item);
    return static_cast<int>(at);
}

int ItemList::Insert(int index, const WCHAR* text, LPARAM value)
{
    if (index < -1 || index > static_cast<int>(items.size()))
        return -1;
    ListItem item;
    if (hasStrings)
        item.text = View(text);
    else
        item.data = static_cast<ULONG_PTR>(value);
    const size_t at = index == -1 ? items.size() : static_cast<size_t>(index);
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), item);
    return static_cast<int>(at);
}

int ItemList::Find(int start, const WCHAR* text, bool exact) const
{
    if (text == nullptr || items.empty())
        return -1;
    const std::u16string_view wanted = View(text);
    const size_t count = items.size();
    const size_t first = start < 0 || static_cast<size_t>(start) >= count ? 0 : static_cast<size_t>(start) + 1;
    for (size_t step = 0; step < count; ++step) {
        const size_t i = (first + step) % count;
        const std::u16string_view itemText = items[i].text;
        const bool match = exact ? EqualsNoCase(itemText, wanted)
                                 : itemText.size() >= wanted.size() &&
                                       EqualsNoCase(itemText.substr(0, wanted.size()), wanted);
        if (match)
            return static_cast<int>(i);
    }
    return -1;
}

int ItemList::FindForUser(const std::u16string& text) const
{
    const int exact = Find(-1, text.c_str(), true);
    return exact >= 0 ? exact : Find(-1, text.c_str(), false);
}

LRESULT ItemList::CopyText(WPARAM index, LPARAM buffer) const
{
    if (!Valid(index) || buffer == 0)
        return -1;
    if (!hasStrings) {
        std::memcpy(reinterpret_cast<void*>(buffer), &items[index].data, sizeof(ULONG_PTR));
        return sizeof(ULONG_PTR);
    }
    const std::u16string& text = items[index].text;
    auto* out = reinterpret_cast<WCHAR*>(buffer);
    std::copy(text.begin(), text.end(), out);
    out[text.size()] = u'\0';
    return static_cast<LRESULT>(text.size());
}

LRESULT ItemList::TextLength(WPARAM index) const
{
    if (!Valid(index))
        return -1;
    return hasStrings ? static_cast<LRESULT>(items[index].text.size()) : static_cast<LRESULT>(sizeof(ULONG_PTR));
}

UINT ItemListControl::Measure(HWND control, UINT itemId, ULONG_PTR data, UINT height) const
{
    const auto window = FindWindowRecord(control);
    if (window == nullptr)
        return height;
    MEASUREITEMSTRUCT mis = {ctlType, static_cast<UINT>(window->id), itemId, 0, height, data};
    SendMessageW(NotifyParent(control), WM_MEASUREITEM, static_cast<WPARAM>(window->id),
                 reinterpret_cast<LPARAM>(&mis));
    return mis.itemHeight;
}

int ItemListControl::AddFromMessage(HWND control, bool add, WPARAM index, LPARAM lParam)
{
    const auto* text = reinterpret_cast<const WCHAR*>(lParam);
    if (list.hasStrings && text == nullptr)
        return -1;
    const int at = add ? list.Add(text, lParam) : list.Insert(static_cast<int>(index), text, lParam);
    if (at < 0)
        return -1;
    if (selection >= at)
        ++selection;
    ListItem& item = list.items[static_cast<size_t>(at)];
    if (variableHeight)
        item.height = Measure(control, static_cast<UINT>(at), item.data, itemHeight);
    if (const auto window = FindWindowRecord(control))
        window->invalid = true;
    return at;
}

bool ItemListControl::Remove(WPARAM index)
{
    if (!list.Valid(index))
        return false;
    list.items.erase(list.items.begin() + static_cast<std::ptrdiff_t>(index));
    if (selection == static_cast<int>(index))
        selection = -1;
    else if (selection > static_cast<int>(index))
        --selection;
    return true;
}

void ItemListControl::FocusChanged(HWND control, bool gained, UINT code)
{
    focused = gained;
    if (const auto window = FindWindowRecord(control))
        window->invalid = true;
    if (code != 0)
        NotifyCommand(control, code);
}

bool ItemListControl::Answer(const Codes& codes, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (msg == codes.getData) {
        result = list.Valid(wParam) ? static_cast<LRESULT>(list.items[wParam].data) : -1;
    } else if (msg == codes.setData) {
        if (list.Valid(wParam))
            list.items[wParam].data = static_cast<ULONG_PTR>(lParam);
        result = list.Valid(wParam) ? TRUE : -1;
    } else if (msg == codes.getText) {
        result = list.CopyText(wParam, lParam);
    } else if (msg == codes.getTextLength) {
        result = list.TextLength(wParam);
    } else if (msg == codes.find || msg == codes.findExact) {
        result = list.Find(static_cast<int>(wParam), reinterpret_cast<const WCHAR*>(lParam), msg == codes.findExact);
    } else if (msg == codes.getCount) {
        result = static_cast<LRESULT>(list.items.size());
    } else {
        return false;
    }
    return true;
}

} // namespace platform
