// item_list.cpp - the items list boxes and combo boxes share.
#include "user/item_list.h"
#include "common/text_util.h"

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

} // namespace platform
