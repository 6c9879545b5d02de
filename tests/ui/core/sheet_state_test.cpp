// sheet_state_test.cpp - a sheet's working state built from the devmode, and freed.
#include "ui/core/sheet_state_fixture.h"

#include "host/faults.h"
#include "host/inspect.h"
#include "settings/paper/feature_ids.h"
#include "settings/paper/option_values.h"
#include "settings/strings/res_strings.h"

#include <string>

namespace {

using SheetState = SheetStateTest;

TEST_F(SheetState, TakesEveryKindOfSettingFromTheDevmode)
{
    m_dm->dmPublic.dmOrientation = DMORIENT_LANDSCAPE;
    m_dm->dmPublic.dmCopies = 7;
    m_dm->dmPublic.dmDefaultSource =
        static_cast<SHORT>(QueryFeature(m_cell, kFeatureMediaSource, FeatureQuery::OptionValue, nullptr, 1, 0));
    m_dm->dmPrivate.env.Staple_Check = 1;
    CopyText(&m_dm->dmPrivate.env.JobId, u"J-42");
    ASSERT_NO_FATAL_FAILURE(Build());

    // A named list: every option of the feature with its name, the devmode's value current and committed.
    const ITEM_LIST* source = m_state->lpMediaSource;
    const LONG count = QueryFeature(m_cell, kFeatureMediaSource, FeatureQuery::OptionCount, nullptr, 0, 0);
    ASSERT_GT(count, 2);
    const WORD chosen = static_cast<WORD>(QueryFeature(m_cell, kFeatureMediaSource, FeatureQuery::OptionValue,
                                                       nullptr, 1, 0));
    EXPECT_EQ(+source->wCount, count);
    EXPECT_EQ(+source->wCurrent, chosen);
    EXPECT_EQ(+source->wCommitted, chosen);
    EXPECT_EQ(+source->wDefault, GetFeatureDefault(m_cell, kFeatureMediaSource));
    EXPECT_EQ(+source->wFlag, 1);
    EXPECT_EQ(+source->wPosition, 1);
    for (WORD i = 0; i < count; ++i) {
        const ITEM_LIST_ENTRY entry = Entry(source, i);
        EXPECT_EQ(+entry.wValue, QueryFeature(m_cell, kFeatureMediaSource, FeatureQuery::OptionValue, nullptr, i, 0));
        EXPECT_EQ(EntryName(entry), NameOf(kFeatureMediaSource, FeatureQuery::OptionName, i));
        EXPECT_FALSE(EntryName(entry).empty());
        EXPECT_EQ(+entry.wState, 1);
    }

    // A value list: the values only.
    const ITEM_LIST* orientation = m_state->lpOrientation;
    ASSERT_EQ(+orientation->wCount, QueryFeature(m_cell, kFeatureOrientation, FeatureQuery::OptionCount, nullptr, 0, 0));
    EXPECT_EQ(+orientation->wCurrent, DMORIENT_LANDSCAPE);
    VALUE_LIST_ENTRY value;
    std::memcpy(&value, reinterpret_cast<const BYTE*>(orientation) + sizeof(ITEM_LIST) +
                            orientation->wPosition * sizeof value, sizeof value);
    EXPECT_EQ(value.wValue, DMORIENT_LANDSCAPE);
    EXPECT_EQ(value.wState, 1);

    // A range with its limits, a switch, a typed text.
    EXPECT_EQ(+m_state->Copies.wCurrent, 7);
    EXPECT_EQ(+m_state->Copies.wMinimum, QueryFeature(m_cell, kFeatureCopies, FeatureQuery::Minimum, nullptr, 0, 0));
    EXPECT_EQ(+m_state->Copies.wMaximum, QueryFeature(m_cell, kFeatureCopies, FeatureQuery::Maximum, nullptr, 0, 0));
    EXPECT_EQ(+m_state->Staple_Check.wCommitted, 1);
    EXPECT_EQ(FieldTextForTest(&m_state->JobId), u"J-42");

    // The printer's name, which the user's stored lists are found by.
    EXPECT_EQ(std::u16string(m_state->PrinterNameArea), kPrinterName);
    EXPECT_EQ(std::u16string(m_dm->dmPublic.dmDeviceName), kPrinterName);
    EXPECT_NE(+m_state->pStore, nullptr);
    EXPECT_NE(+m_state->pPackedUiDefaults, nullptr);
}

TEST_F(SheetState, TheTabIndexListNamesEveryTabCount)
{
    m_dm->dmPrivate.env.tabIndexNumber = 4;
    ASSERT_NO_FATAL_FAILURE(Build());
    const DWORD largest = GetLargestOptionValue(m_cell, kFeatureTabIndexNum);
    ASSERT_GT(largest, 1u);
    const ITEM_LIST* list = m_state->lpPrnTabIndexNo;
    ASSERT_EQ(list->wCount, largest + 1);
    EXPECT_EQ(+list->wCurrent, 4);
    EXPECT_EQ(+list->wPosition, 4);
    InitResStrings();
    const std::u16string noTab = GetResString(28531);
    TermResStrings();
    EXPECT_FALSE(noTab.empty());
    EXPECT_EQ(EntryName(Entry(list, 0)), noTab);
    EXPECT_EQ(EntryName(Entry(list, 1)), u"1/" + ToU16(largest));
    EXPECT_EQ(EntryName(Entry(list, static_cast<WORD>(largest))), ToU16(largest) + u"/" + ToU16(largest));
    for (WORD i = 0; i <= largest; ++i)
        EXPECT_EQ(Entry(list, i).wValue, i);
}

TEST_F(SheetState, AShortageOfMemoryFailsTheBuildAndLeavesNothingBehind)
{
    const unsigned before = host::LiveGlobalBlocks();
    unsigned failures = 0;
    unsigned builtInARow = 0;
    for (unsigned nth = 1; nth < 1000 && builtInARow < 40; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        auto dm = std::make_unique<DRIVER_DEVMODE>(*m_dm);
        UI_STATE* state = reinterpret_cast<UI_STATE*>(1);
        host::InjectFault(host::Fault::GlobalAlloc, nth);
        const BOOL built = BuildUiState(m_cell, &state, dm.get(), nullptr, m_hPrinter);
        host::ClearFaults();
        if (built) {
            ASSERT_NE(state, nullptr);
            FreeUiState(&state);
            EXPECT_EQ(state, nullptr);
            EXPECT_EQ(host::LiveGlobalBlocks(), before);
            ++builtInARow;   // an allocation the build can do without, or one past its last
            continue;
        }
        builtInARow = 0;
        ++failures;
        EXPECT_EQ(state, nullptr);
        EXPECT_EQ(host::LiveGlobalBlocks(), before);
    }
    EXPECT_GT(failures, 5u);
    EXPECT_EQ(std::u16string(GetResString(28531)), u"") << "no reference on the resource strings is left";
}

TEST_F(SheetState, PaperSizesComeFromTheOptionTables)
{
    DWORD a4[2] = {};
    GetPaperSizeById(m_cell, DMPAPER_A4, a4);
    EXPECT_EQ(a4[0], 21000u);
    EXPECT_EQ(a4[1], 29700u);
    DWORD first[2] = {};
    QueryFeature(m_cell, kFeaturePaperSize, FeatureQuery::OptionSize, first, 0, 0);
    DWORD unknown[2] = {};
    GetPaperSizeById(m_cell, 9999, unknown);
    EXPECT_EQ(unknown[0], first[0]) << "an id the tables do not hold reads as the first paper";
    EXPECT_EQ(unknown[1], first[1]);
    DWORD none[2] = {1, 1};
    GetPaperSizeById(nullptr, DMPAPER_A4, none);
    EXPECT_EQ(none[0], 0u);
    EXPECT_EQ(none[1], 0u);
}

}  // namespace
