// sheet_writeback_test.cpp - the working state's committed settings handed back in the devmode.
#include "ui/core/sheet_writeback.h"
#include "ui/core/sheet_state_fixture.h"

#include "settings/paper/custom_size_entry.h"
#include "settings/store/settings_store.h"

#include <string>
#include <vector>

namespace {

class SheetWriteback : public SheetStateTest {
protected:
    void WriteBack() { ASSERT_TRUE(UiStateToDevmode(m_state, m_dm.get(), m_cell)); }
};

#define DM_AT(field) offsetof(DRIVER_DEVMODE, field), sizeof(static_cast<DRIVER_DEVMODE*>(nullptr)->field)

TEST_F(SheetWriteback, KeepsEveryFieldButThoseItDerives)
{
    // Settings a user could have chosen, so that the bytes compared are not all defaults.
    m_dm->dmPublic.dmCopies = 3;
    m_dm->dmPublic.dmOrientation = DMORIENT_LANDSCAPE;
    m_dm->dmPrivate.env.Collate_Check = 1;
    CopyText(&m_dm->dmPrivate.env.JobId, u"J-7");
    CopyText(&m_dm->dmPrivate.env.sheetText2173, u"seventeen chars!!");
    m_dm->dmPrivate.env.internalBlock2567 = 0x01020304;
    m_dm->dmPrivate.env.tabIndexNumber = 2;
    const DRIVER_DEVMODE before = *m_dm;
    ASSERT_NO_FATAL_FAILURE(Build());
    ASSERT_NO_FATAL_FAILURE(WriteBack());

    // What the write-back works out afresh rather than copies; a built devmode agrees with it except for the
    // graphics code and the layout code, which only the sheet writes, and the last fitted paper.
    struct Derived {
        std::size_t offset;
        std::size_t size;
    };
    const Derived derived[] = {
        {DM_AT(dmPrivate.graphicsCode)},
        {DM_AT(dmPrivate.layoutSelectCode)},
        {DM_AT(dmPrivate.layoutSelectFlag)},
        {DM_AT(dmPrivate.env.lastFitPaperSize)},
    };
    const auto* was = reinterpret_cast<const BYTE*>(&before);
    const auto* now = reinterpret_cast<const BYTE*>(m_dm.get());
    for (std::size_t at = 0; at < sizeof(DRIVER_DEVMODE); ++at) {
        bool isDerived = false;
        for (const Derived& d : derived)
            isDerived = isDerived || (at >= d.offset && at < d.offset + d.size);
        if (!isDerived) {
            EXPECT_EQ(now[at], was[at]) << "devmode byte " << at;
        }
    }
    EXPECT_EQ(+m_dm->dmPrivate.graphicsCode, 2);
    EXPECT_EQ(+m_dm->dmPrivate.layoutSelectCode, 1);
    EXPECT_EQ(+m_dm->dmPrivate.env.lastFitPaperSize, m_dm->dmPublic.dmPaperSize);
}

TEST_F(SheetWriteback, ACustomPaperGivesItsDimensionsAndAStandardOneLeavesThemToItsId)
{
    ASSERT_NO_FATAL_FAILURE(Build());
    Commit(m_state->lpMediaSize, static_cast<WORD>(CustomPaperIndexToId(1)));
    m_state->UDPaperWidth.wCurrent = 1500;
    m_state->UDPaperLength.wCurrent = 2500;
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPublic.dmPaperSize, CustomPaperIndexToId(1));
    EXPECT_EQ(+m_dm->dmPublic.dmPaperWidth, 1500);
    EXPECT_EQ(+m_dm->dmPublic.dmPaperLength, 2500);
    EXPECT_EQ(+m_dm->dmPublic.dmFields & (DM_PAPERWIDTH | DM_PAPERLENGTH), DWORD(DM_PAPERWIDTH | DM_PAPERLENGTH));

    Commit(m_state->lpMediaSize, DMPAPER_A3);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPublic.dmPaperWidth, 2970);
    EXPECT_EQ(+m_dm->dmPublic.dmPaperLength, 4200);
    EXPECT_EQ(+m_dm->dmPublic.dmFields & (DM_PAPERWIDTH | DM_PAPERLENGTH), 0u);
    EXPECT_EQ(+m_dm->dmPrivate.lpOutputPaper, DMPAPER_A3) << "without the zoom the output paper follows the paper";
}

TEST_F(SheetWriteback, TheFormOverlayNamesAFileOfTheUsersList)
{
    ASSERT_NO_FATAL_FAILURE(Build());
    FORM_LIST* forms = m_state->pStore->lpForm;
    ASSERT_NE(forms, nullptr);
    CopyText(&forms->CreateFileName, u"C:\\forms\\new.frm");
    const WCHAR* const files[] = {u"C:\\forms\\a.frm", u"C:\\forms\\b.frm", u"C:\\forms\\c.frm"};
    for (std::size_t i = 0; i < std::size(files); ++i)
        CopyText(&forms->lpOverlayFiles[i], files[i]);
    forms->FormListNum = 3;

    struct Case {
        WORD mode;
        BYTE index;
        std::u16string name;
        BYTE storedIndex;
    };
    const Case cases[] = {
        {1, 2, u"", 0},                          // no overlay: no name, no index
        {2, 1, u"C:\\forms\\new.frm", 1},        // creating a form: the list's own file
        {3, 2, u"C:\\forms\\c.frm", 2},          // printing with one: the third entry
        {3, 3, u"ZT_DEFAULT", 3},                // an index past the list is not followed
        {3, 200, u"ZT_DEFAULT", 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " index " << int(c.index));
        CopyText(&m_dm->dmPrivate.FormOverlayPath, u"stale");
        Commit(m_state->lpOverlay, c.mode);
        m_state->bOverlayIndex = c.index;
        ASSERT_NO_FATAL_FAILURE(WriteBack());
        EXPECT_EQ(FieldTextForTest(&m_dm->dmPrivate.FormOverlayPath), c.name);
        EXPECT_EQ(+m_dm->dmPrivate.bOverlayIndex, c.storedIndex);
        EXPECT_EQ(+m_dm->dmPrivate.lpOverlay, c.mode);
    }

    // Without the user's form list the form is the default one.
    SETTINGS_STORE* store = m_state->pStore;
    FORM_LIST* kept = store->lpForm;
    store->lpForm = nullptr;
    Commit(m_state->lpOverlay, 2);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    store->lpForm = kept;
    EXPECT_EQ(FieldTextForTest(&m_dm->dmPrivate.FormOverlayPath), u"ZT_DEFAULT");
}

TEST_F(SheetWriteback, TheGraphicsCodeFollowsTheHalftoningSettings)
{
    ASSERT_NO_FATAL_FAILURE(Build());
    struct Case {
        WORD ditherType;
        WORD graphicsMode;
        WORD dither;
        BYTE code;
    };
    const Case cases[] = {
        {1, 1, 2, 6},   // the dither type decides first
        {2, 1, 2, 2},   // raster graphics
        {2, 2, 2, 3},
        {2, 2, 4, 4},
        {2, 2, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ditherType << "/" << c.graphicsMode << "/" << c.dither);
        Commit(m_state->lpDitherType, c.ditherType);
        Commit(m_state->lpGraphicsMode, c.graphicsMode);
        Commit(m_state->lpDither, c.dither);
        ASSERT_NO_FATAL_FAILURE(WriteBack());
        EXPECT_EQ(+m_dm->dmPrivate.graphicsCode, c.code);
    }
}

TEST_F(SheetWriteback, ACoverIsOrderedOnlyWhileItsSwitchIsOn)
{
    m_dm->dmPrivate.env.lpFrontCover = 1;   // "no cover", which the list shows as its first option
    m_dm->dmPrivate.env.lpBackCover = 3;
    ASSERT_NO_FATAL_FAILURE(Build());
    EXPECT_EQ(+m_state->Front_Check.wCommitted, 0);
    EXPECT_EQ(+m_state->Back_Check.wCommitted, 1);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPrivate.env.lpFrontCover, 1) << "no front cover stays no front cover";
    EXPECT_EQ(+m_dm->dmPrivate.env.lpBackCover, 3);

    Commit(m_state->Front_Check, 1);
    Commit(m_state->lpFrontCover, 4);
    Commit(m_state->Back_Check, 0);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPrivate.env.lpFrontCover, 4);
    EXPECT_EQ(+m_dm->dmPrivate.env.lpBackCover, 1);
}

TEST_F(SheetWriteback, AFaxWithNumbersIsSentAtTheFaxQuality)
{
    ASSERT_NO_FATAL_FAILURE(Build());
    const WORD resolution = m_state->lpResolution->wCommitted;
    Commit(m_state->lpOutput, 1);
    Commit(m_state->lpQuality, 200);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPublic.dmPrintQuality, static_cast<SHORT>(resolution)) << "no phone-book entry: printed";

    m_state->PhoneBookCount = 1;
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPublic.dmPrintQuality, 200);
    EXPECT_EQ(+m_dm->dmPublic.dmYResolution, 200);
    EXPECT_EQ(+m_dm->dmPrivate.env.lpResolution, 200);
    EXPECT_EQ(+m_dm->dmPrivate.env.phoneBookCount, 1);
    EXPECT_NE(+m_dm->dmPrivate.env.phoneBookFileNumber, 0u);
}

TEST_F(SheetWriteback, DuplexFollowsTheActiveFinishingPath)
{
    ASSERT_NO_FATAL_FAILURE(Build());
    Commit(m_state->Layout_Check2, 1);
    Commit(m_state->Duplex_Check, 1);
    Commit(m_state->lpDuplex, DMDUP_HORIZONTAL);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPublic.dmDuplex, DMDUP_HORIZONTAL);
    Commit(m_state->Duplex_Check, 0);
    ASSERT_NO_FATAL_FAILURE(WriteBack());
    EXPECT_EQ(+m_dm->dmPublic.dmDuplex, DMDUP_SIMPLEX);
}

}  // namespace
