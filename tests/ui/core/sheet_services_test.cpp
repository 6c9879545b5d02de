// sheet_services_test.cpp - a typed character replacing an edit control's selection, checked against the text
// and the room before anything is written; option positions as a combo box shows them.
#include "ui/core/option_lists.h"
#include "ui/core/sheet_services.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct InsertCase {
    const char16_t* text;
    int room;
    WORD start;
    WORD end;
    int length;                // 0: refused, nothing written
    const char16_t* result;
};

TEST(InsertCharAtSelection, ReplacesTheSelectionOnlyWhenTheResultFits)
{
    const InsertCase cases[] = {
        {u"abcd", 10, 1, 3, 3, u"aXd"},
        {u"abcd", 10, 0, 0, 5, u"Xabcd"},
        {u"abcd", 10, 4, 4, 5, u"abcdX"},
        {u"abcd", 10, 0, 4, 1, u"X"},
        {u"", 2, 0, 0, 1, u"X"},
        {u"abcd", 6, 4, 4, 5, u"abcdX"},    // five characters and the zero after them fill the room
        {u"abcd", 5, 4, 4, 0, u""},         // no room for the zero after the fifth
        {u"abcd", 10, 3, 1, 0, u""},        // a reversed selection
        {u"abcd", 10, 2, 5, 0, u""},        // a selection past the text
        {u"abcd", 0, 0, 0, 0, u""},
    };
    for (const InsertCase& c : cases) {
        std::vector<WCHAR> out(16, u'\0');
        const int length = InsertCharAtSelection(c.text, out.data(), c.room, MAKELONG(c.start, c.end), u'X');
        EXPECT_EQ(length, c.length) << c.start << ".." << c.end << " in room " << c.room;
        EXPECT_EQ(std::u16string(out.data()), c.result);
    }
    WCHAR out[4] = {};
    EXPECT_EQ(InsertCharAtSelection(nullptr, out, 4, 0, u'X'), 0);
    EXPECT_EQ(InsertCharAtSelection(u"a", nullptr, 4, 0, u'X'), 0);
}

// An option list as the working state keeps it: the head, then its options.
class OptionList {
public:
    OptionList(std::initializer_list<std::pair<WORD, WORD>> valueAndState)
        : m_bytes(sizeof(ITEM_LIST) + valueAndState.size() * sizeof(ITEM_LIST_ENTRY))
    {
        ITEM_LIST head = {};
        head.wCount = static_cast<WORD>(valueAndState.size());
        std::memcpy(m_bytes.data(), &head, sizeof head);
        std::size_t at = sizeof head;
        for (const auto& [value, state] : valueAndState) {
            ITEM_LIST_ENTRY option = {};
            option.wValue = value;
            option.wState = state;
            std::memcpy(m_bytes.data() + at, &option, sizeof option);
            at += sizeof option;
        }
    }
    const ITEM_LIST* get() const { return reinterpret_cast<const ITEM_LIST*>(m_bytes.data()); }

private:
    std::vector<BYTE> m_bytes;
};

TEST(OptionPositions, ProhibitedOptionsHaveNoComboPositionButKeepTheirIndex)
{
    const OptionList list{{1, 1}, {2, 4}, {3, 1}, {3, 1}, {4, 4}};
    struct Case {
        WORD value;
        int visible;
        int index;
    };
    for (const Case c : {Case{1, 0, 0}, Case{2, -1, 1}, Case{3, 1, 2}, Case{4, -1, 4}, Case{9, -1, -1}}) {
        EXPECT_EQ(GetVisibleOptionIndex(list.get(), c.value), c.visible) << c.value;
        EXPECT_EQ(GetOptionIndex(list.get(), c.value), c.index) << c.value;
    }
    EXPECT_EQ(GetVisibleOptionIndex(nullptr, 1), -1);
    EXPECT_EQ(GetOptionIndex(nullptr, 1), -1);
}

} // namespace
