// commit_settings_test.cpp - applying a page: working values become applied ones, the output paper's rule,
// the manual-feed paper type, and the fax notices.
#include "ui/core/commit_settings.h"

#include "host/faults.h"
#include "host/text.h"
#include "host/ui.h"
#include "settings/strings/string_ids.h"
#include "ui/core/built_sheet_fixture.h"
#include "ui/core/item_state_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

class CommitSettingsTest : public ItemStateTest {
protected:
    static ITEM_LIST Head(const ITEM_LIST* list)
    {
        ITEM_LIST head;
        std::memcpy(&head, list, sizeof head);
        return head;
    }

    static void SetHead(ITEM_LIST* list, WORD current, WORD committed)
    {
        ITEM_LIST head = Head(list);
        head.wCurrent = current;
        head.wCommitted = committed;
        std::memcpy(list, &head, sizeof head);
    }

    static VALUE_RECORD Record(const VALUE_RECORD* record)
    {
        VALUE_RECORD copy;
        std::memcpy(&copy, record, sizeof copy);
        return copy;
    }

    static void SetRecord(VALUE_RECORD* record, WORD current)
    {
        VALUE_RECORD copy = Record(record);
        copy.wCurrent = current;
        std::memcpy(record, &copy, sizeof copy);
    }

    // The fax path with destinations, so that it stays a fax.
    void Fax(WORD destinations)
    {
        SetHead(m_state->lpOutput, 1, 1);
        m_state->PhoneBookCount = destinations;
    }

    int BoxesShown()
    {
        int boxes = 0;
        for (const std::string& line : host::ShownRecord())
            boxes += line.rfind("box ", 0) == 0;
        return boxes;
    }
};

TEST_F(CommitSettingsTest, TheOutputPaperFollowsTheOriginalWithoutAutomaticZoom)
{
    struct Case { WORD zoomCheck, output, original; WORD committed; };
    const Case cases[] = {
        {0, 9,   8,      8},        // no automatic zoom: the original, whatever the list holds
        {1, 257, 8,      8},        // "same as the original"
        {1, 9,   8,      9},
        {1, 9,   0x1001, 0x1009},   // a user-defined original marks the output paper too
        {0, 9,   0x1001, 0x1001},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        SetRecord(&m_state->ZoomCheck, c.zoomCheck);
        SetHead(m_state->lpOutputPaper, c.output, 0);
        SetHead(m_state->lpMediaSize, c.original, 0);
        CommitSettings(m_state);
        EXPECT_EQ(Head(m_state->lpOutputPaper).wCommitted, c.committed);
        EXPECT_EQ(Head(m_state->lpMediaSize).wCommitted, c.original);
        const SHORT built = m_state->VQOutputPaperSize;
        const BYTE fit = m_state->zoomFitFlag;
        EXPECT_EQ(built, static_cast<SHORT>(c.output));
        EXPECT_EQ(fit, c.zoomCheck);
    }
}

TEST_F(CommitSettingsTest, WorkingValuesBecomeAppliedExceptTheDeviceOptionsAndInsertDialogs)
{
    Set({ {103, 5}, {120, 2}, {142, 1}, {323, 1}, {804, 4}, {2405, 3}, {2434, 1} });
    SetItemCommittedValue(804, 2);
    SetItemCommittedValue(2405, 1);
    SetHead(m_state->lpOutputMethod, 2, 1);     // a parameter without a control
    SetRecord(&m_state->Intensity, 7);
    m_state->bWatermarkCurrent = 3;
    CommitSettings(m_state);
    for (WORD control : { 103, 120, 142, 323 })
        EXPECT_EQ(GetItemCommittedValue(control), GetItemValue(control)) << control;
    EXPECT_EQ(GetItemCommittedValue(804), 2) << "the device page applies its options itself";
    EXPECT_EQ(GetItemCommittedValue(2405), 1) << "the insert-sheet dialog applies its fields itself";
    EXPECT_EQ(Head(m_state->lpOutputMethod).wCommitted, 2);
    EXPECT_EQ(Record(&m_state->Intensity).wCommitted, 7);
    const BYTE fixed = m_state->bWatermarkFixed;
    EXPECT_EQ(fixed, 3);
}

TEST_F(CommitSettingsTest, TheManualFeedPaperTypeComesFromTheDocumentOrTheCovers)
{
    struct Case { WORD tray, front, frontTray; SHORT expected; };
    const Case cases[] = {
        {4, 0, 1, 21},   // the document is fed by hand: its own paper type
        {1, 1, 4, 31},   // a front cover on the manual tray: the covers' paper type
        {1, 0, 4, 0},
        {1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        Set({ {120, c.tray}, {122, 21}, {231, 31}, {201, c.front}, {212, c.frontTray}, {205, 0}, {215, 0} });
        CommitSettings(m_state);
        const SHORT manualType = m_state->sheetByte2425;
        EXPECT_EQ(manualType, c.expected);
    }
    // The pairs that bind the same devmode bytes carry the stored user, and the built language and disk.
    m_state->LogonUserNameSum = 1234;
    m_state->LogonUserNameLength = 7;
    SetHead(m_state->lpPDLType, 3, 3);
    SetHead(m_state->lpCopierHardDisk, 2, 2);
    CommitSettings(m_state);
    const DWORD sum = m_state->LogonUserNameSumSaved;
    const BYTE length = m_state->LogonUserNameLengthSaved;
    const SHORT pdl = m_state->pdlTypeAsBuilt;
    const SHORT disk = m_state->lpCopierHardDiskCopy;
    EXPECT_EQ(sum, 1234u);
    EXPECT_EQ(length, 7);
    EXPECT_EQ(pdl, 3);
    EXPECT_EQ(disk, 2);
}

TEST_F(CommitSettingsTest, AFaxWithoutDestinationsBecomesPrintWithOneNotice)
{
    for (DWORD hostFlag : { 0u, 1u }) {
        SCOPED_TRACE(testing::Message() << "host flag " << hostFlag);
        m_state->HostFlag = hostFlag;
        Fax(0);
        host::ClearShownRecord();
        host::SetUserScript("box \"" + host::ToUtf8(GetResString(kIdsFaxNoticeCaption)) + "\"\n  answer ok\n");
        CommitSettings(m_state);
        EXPECT_TRUE(host::UserScriptFailures().empty());
        ASSERT_EQ(BoxesShown(), 1);
        const std::string shown = host::ShownRecord().front();
        const UINT ids = hostFlag == 1 ? kIdsFaxBecomesPrintHosted : kIdsFaxBecomesPrint;
        EXPECT_NE(shown.find(host::ToUtf8(GetResString(ids))), std::string::npos) << shown;
        EXPECT_EQ(Head(m_state->lpOutput).wCurrent, 2);
        EXPECT_EQ(Head(m_state->lpOutput).wCommitted, 2);

        // Print now: the next apply says nothing.
        host::ClearShownRecord();
        host::ClearUserScript();
        CommitSettings(m_state);
        EXPECT_EQ(BoxesShown(), 0);
    }
    // With destinations the fax stays a fax.
    Fax(2);
    CommitSettings(m_state);
    EXPECT_EQ(Head(m_state->lpOutput).wCommitted, 1);
}

TEST_F(CommitSettingsTest, WithoutTheNoticesBufferTheFaxStillBecomesPrintAndTheCommitGoesOn)
{
    Fax(0);
    Set({ {120, 4}, {122, 21} });
    host::ClearShownRecord();
    host::ClearUserScript();
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    CommitSettings(m_state);
    host::ClearFaults();
    EXPECT_EQ(BoxesShown(), 0);
    EXPECT_EQ(Head(m_state->lpOutput).wCommitted, 2);
    const SHORT manualType = m_state->sheetByte2425;
    EXPECT_EQ(manualType, 21) << "the steps after the notice ran";
}

TEST_F(CommitSettingsTest, AMissingCoverImageIsDroppedWithoutAGroupToNameIt)
{
    Fax(1);
    SetRecord(&m_state->CoverSheet, 1);
    SetRecord(&m_state->FaxCover_Image, 1);
    host::ClearShownRecord();
    host::ClearUserScript();
    CommitSettings(m_state);
    EXPECT_EQ(BoxesShown(), 0) << "the cover-sheet group is off in this build: nothing names the file";
    EXPECT_EQ(Record(&m_state->FaxCover_Image).wCurrent, 0);
    EXPECT_EQ(Record(&m_state->FaxCover_Image).wCommitted, 0);

    // Print jobs keep the switch.
    SetHead(m_state->lpOutput, 2, 2);
    SetRecord(&m_state->FaxCover_Image, 1);
    CommitSettings(m_state);
    EXPECT_EQ(Record(&m_state->FaxCover_Image).wCommitted, 1);
}

using FaxBecomesPrint = BuiltSheetTest;

TEST_F(FaxBecomesPrint, PrintReselectsWhatItForbidsAndTheNoticeNamesIt)
{
    // A raster job cannot go on A3: once the fax becomes print, the output paper takes its first available
    // option, committed, so that the devmode gets what the notice says.
    ITEM_LIST* output = m_state->lpOutput;
    output->wCurrent = 1;
    output->wCommitted = 1;
    m_state->PhoneBookCount = 0;
    Set({ {612, 1}, {114, 8} });
    host::ClearShownRecord();
    host::SetUserScript("box \"" + host::ToUtf8(GetResString(kIdsFaxNoticeCaption)) + "\"\n  answer ok\n");
    CommitSettings(m_state);
    EXPECT_TRUE(host::UserScriptFailures().empty());
    EXPECT_EQ(GetItemValue(114), 257);
    EXPECT_EQ(GetItemCommittedValue(114), 257);
    int boxes = 0;
    std::string shown;
    for (const std::string& line : host::ShownRecord()) {
        boxes += line.rfind("box ", 0) == 0;
        shown += line;
    }
    EXPECT_EQ(boxes, 1);
    EXPECT_NE(shown.find(host::ToUtf8(GetResString(kIdsFaxSettingsChanged))), std::string::npos) << shown;
    EXPECT_NE(shown.find(host::ToUtf8(GetOptionValueName(114, 257))), std::string::npos) << shown;
}
