// pjl_option_table_test.cpp - which option rows a print job and a fax transmission run.
#include "pdl/vxcmn/vqpdlnt/pjl_option_table.h"

#include <gtest/gtest.h>

#include <vector>

static std::vector<std::size_t> ActiveRows(DWORD phase)
{
    std::vector<std::size_t> rows;
    for (std::size_t index = 0; index <= CountPjlOptionRows() + 1; ++index)
        if (IsPjlOptionRowActive(index, phase))
            rows.push_back(index);
    return rows;
}

TEST(PjlOptionTable, AFaxTransmissionRunsTheFirstTenRowsOnly)
{
    EXPECT_EQ(CountPjlOptionRows(), 44u);
    EXPECT_EQ(ActiveRows(kPjlPhaseFax), (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(PjlOptionTable, APrintJobSkipsTheRowsOfOtherModels)
{
    std::vector<std::size_t> expected;
    for (std::size_t row = 0; row <= 38; ++row)
        if (row != 10 && row != 18 && row != 35 && row != 36 && row != 37)
            expected.push_back(row);
    EXPECT_EQ(ActiveRows(kPjlPhasePrint), expected);
    EXPECT_EQ(GetPjlOptionRow(44), nullptr);
}
