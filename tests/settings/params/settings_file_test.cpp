// settings_file_test.cpp - saved-settings files: what is written, what reads back, and what a damaged or
// hostile file does to a state.
#include "settings/params/settings_file.h"

#include "host/inspect.h"
#include "host/world.h"
#include "settings/paper/feature_query.h"
#include "settings/paper/feature_table.h"
#include "settings/params/default_face.h"
#include "settings/params/settings_file_image.h"
#include "settings/params/settings_item.h"
#include "settings/params/ui_state_pack.h"
#include "settings/params/ui_state_store.h"
#include "settings/store/settings_store.h"
#include "ui_state_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const WCHAR* kFile = u"C:\\settings\\saved.zsf";

std::string Bytes(const void* p, std::size_t cb)
{
    return std::string(static_cast<const char*>(p), cb);
}

std::string ReadHostFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteHostFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// The bytes of every walked item of a state, by key row, section number and key index.
struct ItemBytes {
    WORD keyRow;
    std::string bytes;
    bool operator==(const ItemBytes&) const = default;
};

std::vector<ItemBytes> WalkedItems(UI_STATE* pState)
{
    std::vector<ItemBytes> items;
    for (WORD i = 0; i < pState->wKeyCount; ++i) {
        const SETTINGS_KEY_ROW key = pState->pKeyRows[i].key;
        if (key.szKey[0] == u'\0' || IsFunctionEnabled(key.wFunction) == 0)
            continue;
        SETTINGS_ITEM_FIELD field = {};
        if (!GetSettingsItemField(pState, i, 1, key.wFirst, &field) || field.wType == 64)
            continue;
        items.push_back({ i, std::string(reinterpret_cast<char*>(field.pAddress), field.cbField) });
    }
    return items;
}

}  // namespace

class SettingsFileTest : public UiStateTest {
protected:
    void SetUp() override
    {
        UiStateTest::SetUp();
        if (HasFatalFailure())
            return;
        PrepareDefaults(m_state);
        std::filesystem::create_directories(host::MapWindowsPath(u"C:\\settings"));
    }

    void PrepareDefaults(UI_STATE* pState)
    {
        FillTestDefaults(pState, m_cell);
        BYTE* pPacked = PackUiState(pState);
        pState->pPackedUiDefaults = pPacked;
        ASSERT_NE(pPacked, nullptr);
        BYTE* pPackedLists = PackSettingsStore(pState->pStore, &pState->schemas);
        pState->pPackedListDefaults = pPackedLists;
        ASSERT_NE(pPackedLists, nullptr);
    }

    // Gives every parameter a value other than its default that the check after a read keeps.
    void SetNonDefaultValues(UI_STATE* pState)
    {
        for (WORD i = 0; i < pState->wParamCount; ++i) {
            const UIPARAM_RUN_ROW row = pState->pParamRows[i];
            if (row.pfnBind == nullptr)
                continue;
            void* pField = nullptr;
            DWORD cbField = 0, cbBuffer = 0;
            WORD wType = 0;
            if (GetParamValue(row.wParamId, nullptr, &cbBuffer, 0, &pField, &cbField, &wType, pState, 1) != 0)
                continue;
            if (row.wFeature != kNoFeature && IsFeatureBackedKind(row.dwKind)) {
                const WORD value = OtherOption(row);
                SetParamValue(row.wParamId, &value, sizeof value, 2, pState, 1);
            } else if (wType == 128) {
                const std::u16string text = u"T" + std::u16string(1, static_cast<char16_t>(u'a' + row.wParamId % 26));
                std::memset(pField, 0, cbField);
                std::memcpy(pField, text.data(), std::min<std::size_t>(text.size(), cbField / 2 - 1) * 2);
            } else if (wType != 64) {
                const PARAM_DEFAULT_ROW* defaults = FindParamDefault(row.wParamId);
                const BYTE value = defaults != nullptr && HasParamRange(*defaults) ? static_cast<BYTE>(defaults->lMaximum)
                                                                                   : static_cast<BYTE>(0x61);
                std::memset(pField, 0, cbField);
                std::memcpy(pField, &value, 1);
            }
        }
    }

    // An option of the parameter's feature other than its default (a range's other end).
    WORD OtherOption(const UIPARAM_RUN_ROW& row)
    {
        const LONG fallback = GetFeatureDefault(m_cell, row.wFeature);
        if (row.dwKind == PK_RANGE) {
            const LONG maximum = QueryFeature(m_cell, row.wFeature, FeatureQuery::Maximum, nullptr, 0, 0);
            const LONG minimum = QueryFeature(m_cell, row.wFeature, FeatureQuery::Minimum, nullptr, 0, 0);
            return static_cast<WORD>(maximum != fallback ? maximum : minimum);
        }
        const LONG count = QueryFeature(m_cell, row.wFeature, FeatureQuery::OptionCount, nullptr, 0, 0);
        for (LONG i = count - 1; i >= 0; --i) {
            const LONG value = QueryFeature(m_cell, row.wFeature, FeatureQuery::OptionValue, nullptr, static_cast<WORD>(i), 0);
            if (value != fallback)
                return static_cast<WORD>(value);
        }
        return static_cast<WORD>(fallback);
    }

    std::string FileBytes() { return ReadHostFile(host::MapWindowsPath(kFile)); }
    void PutFile(const std::string& bytes) { WriteHostFile(host::MapWindowsPath(kFile), bytes); }
};

TEST_F(SettingsFileTest, WritesAndReadsBackEveryWalkedParameter)
{
    SetNonDefaultValues(m_state);
    const std::vector<ItemBytes> written = WalkedItems(m_state);
    ASSERT_GT(written.size(), 150u);
    ASSERT_TRUE(WriteSettingsFile(m_state, kFile, 0));

    UI_STATE* pRead = BuildTestUiState(m_cell);
    ASSERT_NE(pRead, nullptr);
    PrepareDefaults(pRead);
    const std::vector<ItemBytes> defaults = WalkedItems(pRead);
    EXPECT_TRUE(ReadSettingsFile(pRead, kFile, 0));
    const std::vector<ItemBytes> read = WalkedItems(pRead);
    ASSERT_EQ(read.size(), written.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < read.size(); ++i) {
        const SETTINGS_KEY_ROW key = m_state->pKeyRows[read[i].keyRow].key;
        EXPECT_EQ(read[i], written[i]) << "key " << std::string(key.szKey, key.szKey + 20).c_str();
        changed += written[i] != defaults[i];
    }
    EXPECT_GT(changed, 140u) << "the values written are not the defaults";
    FreeTestUiState(pRead);
}

TEST_F(SettingsFileTest, DefaultFileIsTheReviewedGolden)
{
    // The printer's lists as a first sheet finds them: seeded with their defaults, then loaded.
    ASSERT_TRUE(WriteDefaultSettingsStore(&m_state->schemas, u"QN-804C", nullptr));
    m_state->hPrinter = m_hPrinter;
    ASSERT_TRUE(LoadUiStateStore(m_state));
    ASSERT_TRUE(SaveLibrarySettings(m_state, kFile));
    const std::filesystem::path golden = std::filesystem::path(QN_TESTS_SOURCE_DIR) / "settings/params/default_settings.zsf";
    const std::string bytes = FileBytes();
    EXPECT_EQ(bytes, ReadHostFile(golden)) << "written:\n" << bytes;
}

namespace {

constexpr WORD kCopies = 1;
constexpr WORD kTabTextFontName = 138;
constexpr WORD kInsertCurrentList = 207;
constexpr WORD kInsertEntryCount = 208;
constexpr WORD kOverlayIndex = 212;
constexpr WORD kWatermarkRecallGroup = 4;
constexpr WORD kFaxCoverRecallGroup = 6;

const std::string kUiSection = "[QN_SETTING LIBRARY UIPARAM]\r\n";

SHORT WorkingWord(UI_STATE* pState, WORD wParamId)
{
    SHORT value = 0;
    DWORD cb = sizeof value;
    EXPECT_EQ(GetParamValue(wParamId, &value, &cb, 4, nullptr, nullptr, nullptr, pState, 1), 0) << wParamId;
    return value;
}

void SetWorkingWord(UI_STATE* pState, WORD wParamId, SHORT value)
{
    if (wParamId == kOverlayIndex) {
        const BYTE byte = static_cast<BYTE>(value);
        ASSERT_EQ(SetParamValue(wParamId, &byte, 1, 1, pState, 1), 0);
        return;
    }
    ASSERT_EQ(SetParamValue(wParamId, &value, sizeof value, 4, pState, 1), 0) << wParamId;
}

}  // namespace

TEST_F(SettingsFileTest, AHostileFileGivesDefaultsOrLeavesValuesAsTheyWere)
{
    // Before each read: Copies 5, current list 4, overlay index 9, face "Keep". Defaults: 1, 1, 0 and the
    // default face. Expected after the read, "-" standing for the default face.
    const std::string longLine(20000, 'x');
    const std::string longValue(1100, '7');
    struct Case {
        const char* what;
        std::string bytes;
        BOOL result;
        SHORT copies, list, overlay;
        std::u16string face;
    };
    const Case cases[] = {
        { "binary", std::string("\0\x01\xff[\0\r\n\x80\x81", 10), TRUE, 1, 1, 0, u"-" },
        { "LF only", "[QN_SETTING LIBRARY UIPARAM]\nCopies=3\nbOverlayIndex=4\n", TRUE, 1, 1, 0, u"-" },
        { "no CR at the end", kUiSection + "bOverlayIndex=7\r\nCopies=3", TRUE, 1, 1, 7, u"-" },
        { "section line last", "[QN_SETTING LIBRARY UIPARAM]\r\n", TRUE, 1, 1, 0, u"-" },
        { "overlong lines", longLine + "\r\n" + kUiSection + longLine + "\r\nCopies=" + longValue + "\r\n"
                                + "InterSheetListData_nCurrent=3\r\n", TRUE, 1, 3, 0, u"-" },
        { "letters in numbers", kUiSection + "Copies=12a\r\nbOverlayIndex=-\r\nInterSheetListData_nCurrent=+2\r\n",
          TRUE, 5, 2, 9, u"-" },
        { "absurd numbers", kUiSection + "Copies=99999999999\r\nInterSheetListData_nCurrent=65536\r\n",
          TRUE, 5, 1, 0, u"-" },
        { "text longer than its field", kUiSection + "TabTextFontName=" + std::string(40, 'F') + "\r\n",
          TRUE, 1, 1, 0, std::u16string(31, u'F') },
        { "error and empty values", kUiSection + "Copies=error\r\nbOverlayIndex=\r\nTabTextFontName=\r\n",
          TRUE, 1, 1, 0, u"" },
        { "a later section ends the keys", kUiSection + "[Other]\r\nCopies=3\r\n", TRUE, 1, 1, 0, u"-" },
    };
    const std::u16string defaultFace = kDefaultFaceName;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PutFile(c.bytes);
        SetWorkingWord(m_state, kCopies, 5);
        SetWorkingWord(m_state, kInsertCurrentList, 4);
        SetWorkingWord(m_state, kOverlayIndex, 9);
        std::memset(m_state->TabTextFontName, 0, sizeof m_state->TabTextFontName);
        std::memcpy(m_state->TabTextFontName, u"Keep", 8);
        const unsigned blocksBefore = host::LiveGlobalBlocks();
        EXPECT_EQ(ReadSettingsFile(m_state, kFile, 0), c.result);
        EXPECT_EQ(host::LiveGlobalBlocks(), blocksBefore) << "the file image is freed";
        EXPECT_EQ(WorkingWord(m_state, kCopies), c.copies);
        EXPECT_EQ(WorkingWord(m_state, kInsertCurrentList), c.list);
        EXPECT_EQ(m_state->bOverlayIndex, c.overlay);
        EXPECT_EQ(FieldText(&m_state->TabTextFontName), c.face == u"-" ? defaultFace : c.face);
    }
}

TEST_F(SettingsFileTest, AnEmptyOrMissingFileLeavesTheStateAlone)
{
    SetWorkingWord(m_state, kCopies, 5);
    PutFile("");
    EXPECT_FALSE(ReadSettingsFile(m_state, kFile, 0));
    EXPECT_FALSE(ReadSettingsFile(m_state, u"C:\\settings\\none.zsf", 0));
    EXPECT_EQ(WorkingWord(m_state, kCopies), 5);
    EXPECT_FALSE(ReadSettingsFile(m_state, nullptr, 0));
    EXPECT_FALSE(WriteSettingsFile(nullptr, kFile, 0));
}

TEST_F(SettingsFileTest, CheckAfterReadPutsValuesBackInBounds)
{
    struct Case { WORD id; SHORT stored; SHORT kept; };
    const SHORT copiesDefault = static_cast<SHORT>(GetFeatureDefault(m_cell, 2));
    const SHORT orientationDefault = static_cast<SHORT>(GetFeatureDefault(m_cell, 3));
    const SHORT copiesMax = static_cast<SHORT>(QueryFeature(m_cell, 2, FeatureQuery::Maximum, nullptr, 0, 0));
    const Case cases[] = {
        { kCopies,              0,            copiesDefault      },   // below the range
        { kCopies,              copiesMax,    copiesMax          },
        { 2,                    99,           orientationDefault },   // not an option of the list
        { 2,                    2,            2                  },
        { kInsertCurrentList,   0,            1                  },
        { kInsertCurrentList,   11,           1                  },
        { kInsertCurrentList,   10,           10                 },
        { kInsertEntryCount,    128,          128                },   // a full list stays full
        { kInsertEntryCount,    129,          0                  },
        { kInsertEntryCount,    -1,           0                  },
        { kOverlayIndex,        200,          0                  },
        { kOverlayIndex,        99,           99                 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "parameter " << c.id << " holding " << c.stored);
        SetWorkingWord(m_state, c.id, c.stored);
        EXPECT_TRUE(ValidateReadSettings(m_state, 0));
        EXPECT_EQ(c.id == kOverlayIndex ? m_state->bOverlayIndex : WorkingWord(m_state, c.id), c.kept);
    }
}

TEST_F(SettingsFileTest, ARecallGroupReadsAndChecksOnlyItsOwnKeys)
{
    PutFile(kUiSection + "Copies=3\r\nbOverlayIndex=4\r\n");
    SetWorkingWord(m_state, kOverlayIndex, 200);   // out of range, but not in the group recalled
    EXPECT_TRUE(ReadSettingsFile(m_state, kFile, 2));
    EXPECT_EQ(WorkingWord(m_state, kCopies), 3);
    EXPECT_EQ(m_state->bOverlayIndex, 200);
}

TEST_F(SettingsFileTest, CopiesOneRecallGroupBetweenStates)
{
    UI_STATE* pSource = BuildTestUiState(m_cell);
    ASSERT_NE(pSource, nullptr);
    PrepareDefaults(pSource);
    SetNonDefaultValues(pSource);
    SetWorkingWord(pSource, kCopies, 7);
    EXPECT_TRUE(ReadSettingsFileGroup(m_state, pSource, 2));
    EXPECT_EQ(WorkingWord(m_state, kCopies), 7);
    EXPECT_EQ(WorkingWord(m_state, 2), WorkingWord(pSource, 2)) << "lpOrientation is in the group";
    EXPECT_EQ(m_state->bOverlayIndex, 0) << "bOverlayIndex is not";
    FreeTestUiState(pSource);
}

namespace {

template <std::size_t N>
void PutText(WCHAR (*field)[N], const std::u16string& text)
{
    WCHAR bounded[N] = {};
    std::memcpy(bounded, text.data(), std::min(text.size(), N - 1) * sizeof(WCHAR));
    std::memcpy(field, bounded, sizeof bounded);
}

std::u16string Digit(int n)
{
    return std::u16string(1, static_cast<char16_t>(u'0' + n % 10));
}

// Fills the named lists with contents no default has, each field of an entry with a value of its own so
// that two keys read into each other's fields would show: insert lists with n entries in list n, three
// watermarks, two overlay paths and ten user-defined sizes.
void FillLists(SETTINGS_STORE* pStore)
{
    INTERSHEET_LIST* pLists = pStore->lpInterSheet->lpLists;
    for (WORD n = 1; n <= 10; ++n) {
        INTERSHEET_LIST& list = pLists[n - 1];
        PutText(&list.Name, u" List " + Digit(n) + u" ");
        list.PageListNum = static_cast<SHORT>(n);
        list.Mixplex = 1;
        for (WORD k = 0; k < n; ++k) {
            INTERSHEET_ENTRY& entry = list.lpEntries[k];
            PutText(&entry.Page, u"1," + Digit(k + 2));
            entry.Type = 11;
            entry.Tray = static_cast<SHORT>(12 + k);
            entry.Stat = 13;
            entry.Binding = 14;
            entry.PrnTabIndex = 15;
            PutText(&entry.TabText, u"Tab" + Digit(k));
            entry.PrnTabIndexNo = 16;
            entry.TabIndexAutoNo = 0xFFFFFFFF;
            entry.TabTextOrient = 17;
            entry.TabTextAlign = 18;
            PutText(&entry.TabTextFontName, u"Entry face");
            entry.TabTextFontStyle = 19;
            entry.TabTextFontSize = static_cast<SHORT>(20 + n);
        }
        INDEX_PAPER_SETTINGS& paper = *list.lpIndexPaper;
        paper.TabPaperSize = static_cast<WORD>(1000 + n);
        paper.TabIndexNum = static_cast<BYTE>(n);
        paper.TabTopMargin = static_cast<BYTE>(30 + n);
        paper.TabBottomMargin = static_cast<BYTE>(40 + n);
        paper.TabIndexSpace = static_cast<BYTE>(50 + n);
        paper.TabTextPosition = static_cast<SHORT>(-n);
        TAB_TEXT_SETTING& last = *list.lpTabTextSetting;
        last.TabTextOrient = 61;
        last.TabTextAlign = 62;
        PutText(&last.TabTextFontName, u"Face");
        last.TabTextFontStyle = 63;
        last.TabTextFontSize = static_cast<SHORT>(64 + n);
    }
    pStore->lpWatermark->WMarkListNum = 3;
    for (WORD i = 0; i < 3; ++i) {
        WATERMARK_ENTRY& mark = pStore->lpWatermark->lpEntries[i];
        PutText(&mark.Text, u"Mark" + Digit(i));
        PutText(&mark.Face, u"Font" + Digit(i));
        mark.Style = 2 + i;
        mark.Size = 30 + i;
        mark.Angle = -45;
        mark.Colour = 0x00FF0000u + i;
        mark.Density = 100 + i;
        mark.CenterX = -10 - i;
        mark.CenterY = 20 + i;
    }
    pStore->lpForm->FormListNum = 2;
    PutText(&pStore->lpForm->lpOverlayFiles[0], u"C:\\forms\\a.zfo");
    PutText(&pStore->lpForm->lpOverlayFiles[1], u"C:\\forms\\b.zfo");
    PutText(&pStore->lpForm->CreateFileName, u"C:\\forms\\new.zfo");
    PutText(&pStore->lpForm->PrintFileName, u"C:\\forms\\letterhead.zfo");
    for (UINT i = 0; i < kCustomSizeCount; ++i) {
        pStore->lpCustomSizes[i].width = 5000 + i;
        pStore->lpCustomSizes[i].length = 7000 + i;
        pStore->lpCustomSizes[i].unit = 2;
        PutText(&pStore->lpCustomSizes[i].name, u"Size " + std::u16string(1, char16_t(u'A' + i)));
    }
}

// The bytes of what the lists hold and the file carries (the per-list edit areas have no file form).
std::string ListBytes(const SETTINGS_STORE* pStore)
{
    std::string bytes;
    const INTERSHEET_LIST* pLists = pStore->lpInterSheet->lpLists;
    for (WORD n = 0; n < 10; ++n) {
        const INTERSHEET_LIST& list = pLists[n];
        bytes += Bytes(&list.Name, sizeof list.Name);
        const SHORT count = list.PageListNum, mixplex = list.Mixplex;
        bytes += Bytes(&count, 2) + Bytes(&mixplex, 2);
        bytes += Bytes(list.lpEntries, kInterSheetEntryCapacity * sizeof(INTERSHEET_ENTRY));
        bytes += Bytes(list.lpIndexPaper, sizeof(INDEX_PAPER_SETTINGS));
        bytes += Bytes(list.lpTabTextSetting, sizeof(TAB_TEXT_SETTING));
    }
    const SHORT marks = pStore->lpWatermark->WMarkListNum;
    bytes += Bytes(&marks, 2) + Bytes(pStore->lpWatermark->lpEntries, 3 * sizeof(WATERMARK_ENTRY));
    const SHORT forms = pStore->lpForm->FormListNum;
    bytes += Bytes(&forms, 2) + Bytes(pStore->lpForm->lpOverlayFiles, 2 * sizeof(*pStore->lpForm->lpOverlayFiles));
    bytes += Bytes(pStore->lpForm, 2 * kFormPathChars * sizeof(WCHAR));
    bytes += Bytes(pStore->lpCustomSizes, kCustomSizeBlockBytes);
    return bytes;
}

}  // namespace

TEST_F(SettingsFileTest, WritesAndReadsBackEveryNamedList)
{
    FillLists(m_state->pStore);
    ASSERT_TRUE(SaveLibrarySettings(m_state, kFile));
    const std::string file = FileBytes();
    EXPECT_NE(file.find("[ISListName]\r\nName1=* List 1 *\r\n"), std::string::npos) << "names keep their blanks";
    EXPECT_NE(file.find("TabIndexAutoNo0=-1\r\n"), std::string::npos);

    UI_STATE* pRead = BuildTestUiState(m_cell);
    ASSERT_NE(pRead, nullptr);
    PrepareDefaults(pRead);
    EXPECT_TRUE(LoadLibrarySettings(pRead, kFile));
    EXPECT_EQ(ListBytes(pRead->pStore), ListBytes(m_state->pStore));
    FreeTestUiState(pRead);
}

TEST_F(SettingsFileTest, ListCountsBoundTheEntriesOnlyWhenTheLastListHasOne)
{
    // With the count of list 10 present every list takes its own count; list 2, without one, reads nothing.
    PutFile("[ISListData 1]\r\nISListNum=1\r\nPage0=1\r\nPage1=2\r\n"
            "[ISListData 2]\r\nPage0=3\r\n"
            "[ISListData 10]\r\nISListNum=2\r\nPage0=4\r\nPage1=5\r\nPage2=6\r\n");
    ASSERT_TRUE(ReadSettingsFile(m_state, kFile, 0));
    INTERSHEET_LIST* pLists = m_state->pStore->lpInterSheet->lpLists;
    EXPECT_EQ(pLists[0].PageListNum, 1);
    EXPECT_EQ(FieldText(&pLists[0].lpEntries[0].Page), u"1");
    EXPECT_EQ(FieldText(&pLists[0].lpEntries[1].Page), u"") << "beyond its count";
    EXPECT_EQ(pLists[1].PageListNum, 0);
    EXPECT_EQ(FieldText(&pLists[1].lpEntries[0].Page), u"");
    EXPECT_EQ(pLists[9].PageListNum, 2);
    EXPECT_EQ(FieldText(&pLists[9].lpEntries[2].Page), u"");

    // Without it every list reads up to its first missing page, and only list 10 learns how many it read.
    UI_STATE* pRead = BuildTestUiState(m_cell);
    ASSERT_NE(pRead, nullptr);
    PrepareDefaults(pRead);
    PutFile("[ISListData 1]\r\nISListNum=1\r\nPage0=1\r\nPage1=2\r\n"
            "[ISListData 2]\r\nPage0=3\r\nPage2=9\r\n"
            "[ISListData 10]\r\nPage0=4\r\nPage1=5\r\nPage2=6\r\n");
    ASSERT_TRUE(ReadSettingsFile(pRead, kFile, 0));
    pLists = pRead->pStore->lpInterSheet->lpLists;
    EXPECT_EQ(FieldText(&pLists[0].lpEntries[1].Page), u"2");
    EXPECT_EQ(FieldText(&pLists[1].lpEntries[0].Page), u"3");
    EXPECT_EQ(FieldText(&pLists[1].lpEntries[2].Page), u"") << "after the first missing page";
    EXPECT_EQ(pLists[9].PageListNum, 3);
    FreeTestUiState(pRead);
}

TEST_F(SettingsFileTest, AbsurdCountsStayInsideTheirBlocks)
{
    PutFile("[ISListData 9]\r\nISListNum=129\r\n[ISListData 10]\r\nISListNum=30000\r\n"
            "[Watermark]\r\nWMarkListNum=9999\r\n[Overlay File]\r\nFormListNum=-5\r\n");
    EXPECT_TRUE(ReadSettingsFile(m_state, kFile, 0));   // the sanitizer catches any entry past a block
    // What is kept is what the blocks hold, so that whatever walks the lists later stays inside them too.
    const SETTINGS_STORE* pStore = m_state->pStore;
    EXPECT_EQ(pStore->lpInterSheet->lpLists[8].PageListNum, 128);
    EXPECT_EQ(pStore->lpInterSheet->lpLists[9].PageListNum, 128);
    EXPECT_EQ(pStore->lpWatermark->WMarkListNum, 51);
    EXPECT_EQ(pStore->lpForm->FormListNum, -5) << "a count below 1 bounds no entry and stays as read";
    ASSERT_TRUE(WriteSettingsFile(m_state, kFile, kWatermarkRecallGroup));
    const std::string file = FileBytes();
    EXPECT_NE(file.find("WMarkListNum=51\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n50="), std::string::npos);
    EXPECT_EQ(file.find("\r\n51="), std::string::npos);
}

// A key the file lacks gives its item the list's default, or the resource text that names a list or a size;
// a key the file holds is read.
TEST_F(SettingsFileTest, AbsentListKeysTakeTheirDefaults)
{
    SETTINGS_STORE* pStore = m_state->pStore;
    for (WATERMARK_ENTRY* pEntry : { &pStore->lpWatermark->lpEntries[0], &pStore->lpWatermark->lpEntries[1] }) {
        pEntry->Size = 10;
        PutText(&pEntry->Face, u"Old");
    }
    PutText(&pStore->lpInterSheet->lpLists[2].Name, u"Old");
    PutText(&pStore->lpCustomSizes[0].name, u"Old");
    pStore->lpCustomSizes[0].width = 1;
    PutFile("[Watermark]\r\nWMarkListNum=2\r\n[Watermark String]\r\n0=Mine\r\n1=Yours\r\n"
            "[Watermark Size]\r\n0=40\r\n[User Defined Width]\r\n2=9000\r\n");
    ASSERT_TRUE(ReadSettingsFile(m_state, kFile, 0));

    const WATERMARK_ENTRY* pMarks = pStore->lpWatermark->lpEntries;
    EXPECT_EQ(FieldText(&pMarks[1].Text), u"Yours");
    EXPECT_EQ(pMarks[0].Size, 40u);
    EXPECT_EQ(pMarks[1].Size, 72u);
    EXPECT_EQ(FieldText(&pMarks[1].Face), std::u16string(kDefaultFaceName));
    EXPECT_EQ(FieldText(&pStore->lpInterSheet->lpLists[2].Name), u"Insert List 3");
    EXPECT_EQ(FieldText(&pStore->lpCustomSizes[0].name), u"Custom Size 1");
    EXPECT_EQ(pStore->lpCustomSizes[0].width, 8267u);
    EXPECT_EQ(pStore->lpCustomSizes[1].width, 9000u);
}

// The fax cover group is off in this build; switched on, its comment is kept one line per key, each behind a
// "*" so that leading blanks survive, and read back joined by CR LF.
TEST_F(SettingsFileTest, AFaxCommentIsKeptLineByLine)
{
    struct FeatureGuard {
        ~FeatureGuard() { ClearFeatureOverrides(); }
    } guard;
    OverrideFeatureForTest(SwitchableFeature::Fax, 1);
    UI_STATE* pWritten = BuildTestUiState(m_cell);
    ASSERT_NE(pWritten, nullptr);
    PrepareDefaults(pWritten);
    FAX_COVER_RECORD* pFax = pWritten->pStore->lpFaxCover;
    ASSERT_NE(pFax, nullptr);
    PutText(&pFax->Comment, u"Dear\tall,\r\n  figures attached\nthanks");
    pFax->CommentNumber = 3;
    PutText(&pFax->Subject, u"Figures");
    EXPECT_TRUE(WriteSettingsFile(pWritten, kFile, kFaxCoverRecallGroup));
    const std::string file = FileBytes();
    EXPECT_NE(file.find("[Faxcoversheet Comment]\r\n999=3\r\n0=*Dear all,\r\n1=*  figures attached\r\n2=*thanks\r\n"),
              std::string::npos)
        << file;

    UI_STATE* pRead = BuildTestUiState(m_cell);
    ASSERT_NE(pRead, nullptr);
    PrepareDefaults(pRead);
    EXPECT_TRUE(ReadSettingsFile(pRead, kFile, kFaxCoverRecallGroup));
    const FAX_COVER_RECORD* pBack = pRead->pStore->lpFaxCover;
    ASSERT_NE(pBack, nullptr);
    EXPECT_EQ(FieldText(&pBack->Comment), u"Dear all,\r\n  figures attached\r\nthanks");
    EXPECT_EQ(pBack->CommentNumber, 3u);
    EXPECT_EQ(FieldText(&pBack->Subject), u"Figures");
    FreeTestUiState(pRead);
    FreeTestUiState(pWritten);
}
