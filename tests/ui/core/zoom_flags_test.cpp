// zoom_flags_test.cpp - the layout switches from the N-up, booklet and finishing switches.
#include "ui/core/zoom_flags.h"

#include "ui/core/item_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

using ZoomFlags = ItemStateTest;

TEST_F(ZoomFlags, LayoutFollowsTheSwitchesOfEitherPage)
{
    struct Case { WORD layout2, pod, podNup, nup, booklet; WORD check, select; };
    const Case cases[] = {
        {0, 1, 1, 0, 0, 1, 1},
        {0, 1, 0, 1, 1, 0, 0},   // page 100's switches count only with its layout check
        {0, 0, 1, 0, 0, 0, 0},
        {1, 0, 0, 1, 1, 1, 1},   // N-up before booklet
        {1, 1, 1, 0, 1, 1, 2},
        {1, 1, 1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        m_state->Layout_Check2.wCurrent = c.layout2;
        m_state->POD_Check.wCurrent = c.pod;
        m_state->POD_Nup_Check.wCurrent = c.podNup;
        m_state->Nup_Check.wCurrent = c.nup;
        m_state->Booklet_Check.wCurrent = c.booklet;
        UpdateZoomFlags(m_state);
        const WORD check = m_state->Layout_Check.wCurrent;
        ITEM_LIST select;
        std::memcpy(&select, m_state->lpLayout_Select, sizeof select);
        EXPECT_EQ(check, c.check);
        EXPECT_EQ(select.wCurrent, c.select);
    }
}

TEST_F(ZoomFlags, BorderAndBookletTakeThePagesChoices)
{
    auto setCurrent = [](ITEM_LIST* list, WORD value) {
        ITEM_LIST head;
        std::memcpy(&head, list, sizeof head);
        head.wCurrent = value;
        std::memcpy(list, &head, sizeof head);
    };
    auto current = [](const ITEM_LIST* list) {
        ITEM_LIST head;
        std::memcpy(&head, list, sizeof head);
        return head.wCurrent;
    };
    setCurrent(m_state->lpBorder2, 3);
    setCurrent(m_state->lpBooklet2, 2);
    UpdateZoomFlags(m_state);
    EXPECT_EQ(current(m_state->lpBorder), 3);
    EXPECT_EQ(current(m_state->lpBooklet), 2);
    UpdateZoomFlags(nullptr);
}
