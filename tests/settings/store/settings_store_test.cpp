// settings_store_test.cpp - the settings store: defaults in the registry, save and load, copies, clean-up.
#include "settings/store/settings_store.h"
#include "settings/paper/feature_table.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/store/list_schema.h"
#include "settings/strings/text_copy.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "support/printer_fixture.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::u16string PrinterKeyPath(const WCHAR* sub1 = nullptr, const WCHAR* sub2 = nullptr)
{
    WCHAR path[kRegPathChars];
    EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, u"QN-804C", sub1, sub2));
    return path;
}

std::string ReadGolden(const char* name)
{
    const std::filesystem::path file = std::filesystem::path(QN_TEST_SOURCE_DIR) / "settings" / "store" / name;
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

template <std::size_t N>
std::u16string Text(const WCHAR (&field)[N])
{
    WCHAR copy[N + 1] = {};
    std::memcpy(copy, field, sizeof field);
    return copy;
}

// Contents in every group that differ from the defaults.
void FillStore(SETTINGS_STORE& store)
{
    INTERSHEET_LIST& list = store.lpInterSheet->lpLists[2];
    CopyText(&list.Name, u"Chapters");
    list.PageListNum = 2;
    list.Mixplex = -1;
    for (int i = 0; i < 2; ++i) {
        INTERSHEET_ENTRY entry = {};
        CopyText(&entry.Page, i == 0 ? u"1,3-5" : u"9");
        CopyText(&entry.TabText, u"第一章");
        CopyText(&entry.TabTextFontName, u"Arial");
        entry.Type = 3;
        entry.Tray = -2;
        entry.Stat = 4;
        entry.TabIndexAutoNo = 0x80000001u;
        entry.TabTextFontSize = static_cast<SHORT>(10 + i);
        std::memcpy(list.lpEntries + i, &entry, sizeof entry);
    }
    const INDEX_PAPER_SETTINGS indexPaper = {1033, 5, 10, 11, 12, -3};
    std::memcpy(list.lpIndexPaper, &indexPaper, sizeof indexPaper);
    TAB_TEXT_SETTING tabText = {2, 3, {}, 4, 24};
    CopyText(&tabText.TabTextFontName, u"Times New Roman");
    std::memcpy(list.lpTabTextSetting, &tabText, sizeof tabText);
    CopyText(&store.lpInterSheet->lpLists[9].Name, u"Last");

    FORM_LIST& forms = *store.lpForm;
    CopyText(&forms.CreateFileName, u"C:\\forms\\new.zfo");
    CopyText(&forms.PrintFileName, u"C:\\forms\\letterhead.zfo");
    forms.FormListNum = 2;
    CopyText(&forms.lpOverlayFiles[0], u"C:\\forms\\letterhead.zfo");
    CopyText(&forms.lpOverlayFiles[1], u"C:\\forms\\invoice.zfo");
    CopyText(&forms.lpBoxes[0].Message, u"Use %s?");
    CopyText(&forms.lpBoxes[1].Caption, u"Create");
    CopyText(&forms.lpBoxes[2].Message, u"Print with %s?");
    forms.lpBoxes[2].Style = 0x31;

    WATERMARK_LIST& marks = *store.lpWatermark;
    marks.WMarkListNum = 2;
    WATERMARK_ENTRY mark = {};
    CopyText(&mark.Text, u"SECRET");
    CopyText(&mark.Face, u"Arial");
    mark.Style = 2;
    mark.Size = 120;
    mark.Angle = -450;
    mark.Colour = 3;
    mark.Density = 200;
    mark.CenterX = -100;
    mark.CenterY = 250;
    std::memcpy(marks.lpEntries + 1, &mark, sizeof mark);

    FONT_SUB_LIST& fonts = *store.lpFontSub;
    fonts.FontSubTblNum = 2;
    fonts.Index = 1;
    CopyText(&fonts.lpPairs[0].TTFaceName, u"Arial");
    CopyText(&fonts.lpPairs[0].DevFaceName, u"Helvetica");
    CopyText(&fonts.lpPairs[1].TTFaceName, u"ＭＳ 明朝");
    CopyText(&fonts.lpPairs[1].DevFaceName, u"HG明朝L");
}

class SettingsStore : public PrinterWorldTest {
protected:
    void SetUp() override
    {
        PrinterWorldTest::SetUp();
        ASSERT_TRUE(LoadListSchemas(&m_schemas));
    }
    void TearDown() override
    {
        host::ClearFaults();
        ClearFeatureOverrides();
        FreeListSchemas(&m_schemas);
        PrinterWorldTest::TearDown();
    }

    LIST_SCHEMA_SET m_schemas = {};
};

} // namespace

// The whole tree a fresh user gets; the golden was read line by line against the schema tables.
TEST_F(SettingsStore, WritesTheDefaultTreeOfEveryRegistryGroup)
{
    const unsigned before = host::LiveGlobalBlocks();
    ASSERT_TRUE(WriteDefaultSettingsStore(&m_schemas, kPrinterName, nullptr));
    EXPECT_EQ(host::LiveGlobalBlocks(), before);
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, PrinterKeyPath()), ReadGolden("default_store.golden"));
}

TEST_F(SettingsStore, SavedContentsOfEveryGroupLoadBackAsTheyWere)
{
    SETTINGS_STORE* saved = NewSettingsStore();
    ASSERT_NE(saved, nullptr);
    FillStore(*saved);
    ASSERT_TRUE(SaveSettingsStore(saved, &m_schemas, nullptr, kPrinterName));

    SETTINGS_STORE* loaded = NewSettingsStore();
    ASSERT_NE(loaded, nullptr);
    ASSERT_TRUE(LoadSettingsStore(loaded, &m_schemas, nullptr, kPrinterName, m_hPrinter));

    for (UINT n = 0; n < kInterSheetListCount; ++n) {
        SCOPED_TRACE(testing::Message() << "insert list " << n + 1);
        const INTERSHEET_LIST& a = saved->lpInterSheet->lpLists[n];
        const INTERSHEET_LIST& b = loaded->lpInterSheet->lpLists[n];
        EXPECT_EQ(Text(b.Name), Text(a.Name));
        EXPECT_EQ(b.PageListNum, a.PageListNum);
        EXPECT_EQ(b.Mixplex, a.Mixplex);
        EXPECT_EQ(std::memcmp(b.lpEntries, a.lpEntries, sizeof(INTERSHEET_ENTRY) * kInterSheetEntryCapacity), 0);
        EXPECT_EQ(std::memcmp(b.lpIndexPaper, a.lpIndexPaper, sizeof(INDEX_PAPER_SETTINGS)), 0);
        EXPECT_EQ(std::memcmp(b.lpTabTextSetting, a.lpTabTextSetting, sizeof(TAB_TEXT_SETTING)), 0);
    }
    EXPECT_EQ(Text(loaded->lpForm->CreateFileName), u"C:\\forms\\new.zfo");
    EXPECT_EQ(Text(loaded->lpForm->PrintFileName), u"C:\\forms\\letterhead.zfo");
    EXPECT_EQ(loaded->lpForm->FormListNum, 2);
    EXPECT_EQ(std::memcmp(loaded->lpForm->lpOverlayFiles, saved->lpForm->lpOverlayFiles, 2 * 520), 0);
    EXPECT_EQ(std::memcmp(loaded->lpForm->lpBoxes, saved->lpForm->lpBoxes, 3 * sizeof(FORM_CONFIRM_BOX)), 0);
    EXPECT_EQ(loaded->lpWatermark->WMarkListNum, 2);
    EXPECT_EQ(std::memcmp(loaded->lpWatermark->lpEntries, saved->lpWatermark->lpEntries,
                          2 * sizeof(WATERMARK_ENTRY)),
              0);
    EXPECT_EQ(loaded->lpFontSub->FontSubTblNum, 2);
    EXPECT_EQ(loaded->lpFontSub->Index, 1);
    EXPECT_EQ(std::memcmp(loaded->lpFontSub->lpPairs, saved->lpFontSub->lpPairs, 2 * sizeof(FONT_SUB_PAIR)), 0);
    EXPECT_EQ(loaded->lpFaxCover, nullptr) << "the fax cover sheet is off in this build";

    FreeSettingsStore(&saved);
    FreeSettingsStore(&loaded);
    EXPECT_EQ(saved, nullptr);
}

TEST_F(SettingsStore, AShorterListSavedOverALongerKeepsTheOldKeysButReadsOnlyItsCount)
{
    SETTINGS_STORE* store = NewSettingsStore();
    ASSERT_NE(store, nullptr);
    WATERMARK_LIST& marks = *store->lpWatermark;
    for (int i = 0; i < 5; ++i)
        CopyText(&marks.lpEntries[i].Text, std::u16string(1, static_cast<char16_t>(u'A' + i)).c_str());
    marks.WMarkListNum = 5;
    ASSERT_TRUE(SaveWatermarkList(&marks, &m_schemas, kPrinterName));
    marks.WMarkListNum = 3;
    CopyText(&marks.lpEntries[0].Text, u"new");
    ASSERT_TRUE(SaveWatermarkList(&marks, &m_schemas, kPrinterName));

    const std::string tree = host::RegistryDump(HKEY_CURRENT_USER, PrinterKeyPath(u"WaterMark"));
    EXPECT_NE(tree.find("WMarkListData4]"), std::string::npos) << "the earlier key stays";
    EXPECT_NE(tree.find("\"WMarkListNum\" = REG_DWORD: 0x00000003"), std::string::npos);

    SETTINGS_STORE* loaded = NewSettingsStore();
    ASSERT_TRUE(LoadWatermarkList(loaded->lpWatermark, &m_schemas, kPrinterName));
    EXPECT_EQ(loaded->lpWatermark->WMarkListNum, 3);
    EXPECT_EQ(Text(loaded->lpWatermark->lpEntries[0].Text), u"new");
    EXPECT_EQ(Text(loaded->lpWatermark->lpEntries[2].Text), u"C");
    EXPECT_EQ(Text(loaded->lpWatermark->lpEntries[3].Text), u"") << "beyond the count nothing is read";
    FreeSettingsStore(&store);
    FreeSettingsStore(&loaded);
}

TEST_F(SettingsStore, ACopyHasEqualBytesInTheTargetsOwnBlocks)
{
    SETTINGS_STORE* source = NewSettingsStore();
    SETTINGS_STORE* target = NewSettingsStore();
    ASSERT_NE(source, nullptr);
    ASSERT_NE(target, nullptr);
    FillStore(*source);
    SETTINGS_STORE targetSlots;
    std::memcpy(&targetSlots, target, sizeof targetSlots);
    INTERSHEET_LIST targetLists[kInterSheetListCount];
    std::memcpy(targetLists, target->lpInterSheet->lpLists, sizeof targetLists);
    FORM_LIST targetForms;
    std::memcpy(&targetForms, target->lpForm, sizeof targetForms);

    ASSERT_TRUE(CopySettingsStore(target, source));
    EXPECT_EQ(std::memcmp(target, &targetSlots, sizeof targetSlots), 0) << "the target keeps its group objects";
    for (UINT n = 0; n < kInterSheetListCount; ++n) {
        const INTERSHEET_LIST& copied = target->lpInterSheet->lpLists[n];
        EXPECT_EQ(copied.lpEntries, targetLists[n].lpEntries);
        EXPECT_EQ(copied.lpIndexPaper, targetLists[n].lpIndexPaper);
        EXPECT_EQ(copied.lpTabTextSetting, targetLists[n].lpTabTextSetting);
        EXPECT_EQ(copied.lpEditArea, targetLists[n].lpEditArea);
    }
    EXPECT_EQ(target->lpForm->lpOverlayFiles, targetForms.lpOverlayFiles);
    EXPECT_EQ(target->lpForm->lpBoxes, targetForms.lpBoxes);

    // The source goes; the copy is still whole (the sanitizer would see a block shared with it).
    SETTINGS_STORE* expected = NewSettingsStore();
    FillStore(*expected);
    FreeSettingsStore(&source);
    const INTERSHEET_LIST& list = target->lpInterSheet->lpLists[2];
    EXPECT_EQ(Text(list.Name), u"Chapters");
    EXPECT_EQ(list.PageListNum, 2);
    EXPECT_EQ(std::memcmp(list.lpEntries, expected->lpInterSheet->lpLists[2].lpEntries, 2 * sizeof(INTERSHEET_ENTRY)),
              0);
    EXPECT_EQ(Text(target->lpForm->lpOverlayFiles[1]), u"C:\\forms\\invoice.zfo");
    EXPECT_EQ(Text(target->lpWatermark->lpEntries[1].Text), u"SECRET");
    EXPECT_EQ(Text(target->lpFontSub->lpPairs[1].DevFaceName), u"HG明朝L");
    FreeSettingsStore(&expected);
    FreeSettingsStore(&target);
    EXPECT_FALSE(CopySettingsStore(nullptr, target));
}

TEST_F(SettingsStore, CleaningKeepsExactlyTheFiveKeysThatOutliveTheLists)
{
    const DWORD version = 0x8402;
    for (const WCHAR* name : {u"QN_UIPROFILE", u"bookmode", u"TempPlistID", u"Tempfile Count", u"Tempfile Name",
                              u"WaterMark", u"FontSubTbl", u"BookMode2", u"Tempfile"}) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, PrinterKeyPath(name, u"child").c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    ASSERT_TRUE(SetRegValue(HKEY_CURRENT_USER, PrinterKeyPath().c_str(), REG_DWORD, u"DriverVersion", &version,
                            sizeof version));

    ASSERT_TRUE(CleanPrinterUserKeys(nullptr, kPrinterName, nullptr));
    std::string keys;
    HKEY printerKey = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, PrinterKeyPath().c_str(), 0, KEY_READ, &printerKey), ERROR_SUCCESS);
    WCHAR name[260];
    for (DWORD i = 0;; ++i) {
        DWORD cch = 260;
        if (RegEnumKeyExW(printerKey, i, name, &cch, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        for (const WCHAR* c = name; *c != 0; ++c)
            keys += static_cast<char>(*c);
        keys += ";";
    }
    RegCloseKey(printerKey);
    EXPECT_EQ(keys, "QN_UIPROFILE;bookmode;TempPlistID;Tempfile Count;Tempfile Name;");
    EXPECT_NE(host::RegistryDump(HKEY_CURRENT_USER, PrinterKeyPath()).find("\"DriverVersion\""), std::string::npos);

    EXPECT_FALSE(CleanPrinterUserKeys(nullptr, u"", nullptr));
    EXPECT_FALSE(CleanPrinterUserKeys(nullptr, nullptr, nullptr));
    EXPECT_TRUE(CleanPrinterUserKeys(nullptr, u"Never Stored", nullptr));
}

TEST_F(SettingsStore, WithTheInsertListsOffTheOtherGroupsStillWork)
{
    OverrideFeatureForTest(SwitchableFeature::InsertSheets, 0);
    LIST_SCHEMA_SET schemas = {};
    ASSERT_TRUE(LoadListSchemas(&schemas));
    SETTINGS_STORE* store = NewSettingsStore();
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->lpInterSheet, nullptr);
    ASSERT_NE(store->lpWatermark, nullptr);

    EXPECT_TRUE(WriteDefaultSettingsStore(&schemas, kPrinterName, nullptr));
    const std::string tree = host::RegistryDump(HKEY_CURRENT_USER, PrinterKeyPath());
    EXPECT_EQ(tree.find("InterSheet"), std::string::npos);
    EXPECT_NE(tree.find("WMarkListData15]"), std::string::npos);

    EXPECT_TRUE(LoadSettingsStore(store, &schemas, nullptr, kPrinterName, m_hPrinter));
    EXPECT_EQ(store->lpWatermark->WMarkListNum, 16);
    EXPECT_TRUE(SaveSettingsStore(store, &schemas, nullptr, kPrinterName));
    EXPECT_TRUE(LoadInterSheetList(nullptr, &schemas, kPrinterName)) << "a disabled group loads as done";
    FreeSettingsStore(&store);
    FreeListSchemas(&schemas);
}

TEST_F(SettingsStore, ANewWatermarkListIsEmptyUntilLoadedAndItsDefaultsStartWithoutText)
{
    WATERMARK_LIST* list = NewWatermarkList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->WMarkListNum, 0);
    EXPECT_EQ(Text(list->lpEditEntry->Face), u"ＭＳ Ｐゴシック");
    EXPECT_EQ(list->lpEditEntry->Density, 126u);
    ASSERT_TRUE(SetDefaultWatermarks(list));
    EXPECT_EQ(list->WMarkListNum, 16);
    EXPECT_EQ(Text(list->lpEntries[0].Text), u"");
    EXPECT_NE(Text(list->lpEntries[1].Text), u"");
    EXPECT_EQ(Text(list->lpEntries[16].Text), u"") << "beyond the defaults the block stays zero";
    FreeWatermarkList(&list);
    EXPECT_EQ(list, nullptr);
}

TEST_F(SettingsStore, ShortMemoryLeavesASlotEmptyAndLeaksNothing)
{
    const unsigned before = host::LiveGlobalBlocks();
    for (unsigned nth = 1; nth <= 60; ++nth) {
        SCOPED_TRACE(testing::Message() << "allocation " << nth << " fails");
        host::InjectFault(host::Fault::GlobalAlloc, nth, 1);
        SETTINGS_STORE* store = NewSettingsStore();
        host::ClearFaults();
        if (nth == 1) {
            EXPECT_EQ(store, nullptr);
        }
        FreeSettingsStore(&store);
        EXPECT_EQ(host::LiveGlobalBlocks(), before);
    }
}
