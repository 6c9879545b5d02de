// list_registry_walk_test.cpp - walking named-list groups through the registry, and what a hostile registry
// under the printer's per-user key can and cannot do to a load.
#include "settings/store/list_registry_walk.h"
#include "settings/registry/registry_paths.h"
#include "settings/registry/registry_services.h"
#include "settings/registry/registry_tree.h"
#include "settings/store/list_groups.h"
#include "settings/store/settings_store.h"
#include "settings/strings/text_copy.h"
#include "host/faults.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const WCHAR* kPrinter = u"QN-804C";

std::u16string KeyPath(const WCHAR* sub1 = nullptr, const WCHAR* sub2 = nullptr)
{
    WCHAR path[kRegPathChars];
    EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, kPrinter, sub1, sub2));
    return path;
}

void StoreValue(const std::u16string& keyPath, const WCHAR* name, DWORD type, const void* data, DWORD cb)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), cb), ERROR_SUCCESS);
    RegCloseKey(key);
}

void StoreDword(const std::u16string& keyPath, const WCHAR* name, DWORD value)
{
    StoreValue(keyPath, name, REG_DWORD, &value, sizeof value);
}

template <std::size_t N>
std::u16string Text(const WCHAR (&field)[N])
{
    WCHAR copy[N + 1] = {};
    std::memcpy(copy, field, sizeof field);
    return copy;
}

class ListRegistryWalk : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        ASSERT_TRUE(LoadListSchemas(&m_schemas));
        m_store = NewSettingsStore();
        ASSERT_NE(m_store, nullptr);
    }
    void TearDown() override
    {
        host::ClearFaults();
        FreeSettingsStore(&m_store);
        FreeListSchemas(&m_schemas);
        WorldTest::TearDown();
    }

    BOOL Load() { return LoadSettingsStore(m_store, &m_schemas, nullptr, kPrinter, nullptr); }

    LIST_SCHEMA_SET m_schemas = {};
    SETTINGS_STORE* m_store = nullptr;
};

} // namespace

TEST_F(ListRegistryWalk, IntegersAreWidenedByTheirTypeAndReadBackIntoTheirOwnBytes)
{
    const std::u16string key = KeyPath(u"Probe");
    StoreDword(key, u"seed", 0);
    struct Case {
        DWORD type;
        DWORD size;
        DWORD field;      // the field's bytes (low bytes of this)
        DWORD stored;     // what is written
    };
    const Case cases[] = {
        {kFieldU8,  1, 0xF0,       0x000000F0},
        {kFieldU16, 2, 0xFFFE,     0x0000FFFE},
        {kFieldI16, 2, 0xFFFE,     0xFFFFFFFE},
        {kFieldI32, 4, 0x80000000, 0x80000000},
        {kFieldU32, 4, 0xFFFFFFFF, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type);
        BYTE field[4] = {};
        std::memcpy(field, &c.field, c.size);
        ASSERT_TRUE(ReadWriteListValue(key.c_str(), u"v", field, c.size, c.type, ListWalkMode::Write));
        DWORD stored = 0;
        ASSERT_TRUE(QueryRegValue(HKEY_CURRENT_USER, key.c_str(), REG_DWORD, u"v", &stored, sizeof stored));
        EXPECT_EQ(stored, c.stored);
        BYTE back[5] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
        ASSERT_TRUE(ReadWriteListValue(key.c_str(), u"v", back, c.size, c.type, ListWalkMode::Read));
        EXPECT_EQ(std::memcmp(back, field, c.size), 0);
        EXPECT_EQ(back[c.size], 0xAA) << "nothing past the field";
    }
    BYTE two[2] = {};
    EXPECT_FALSE(ReadWriteListValue(key.c_str(), u"v", two, 2, kFieldI32, ListWalkMode::Read))
        << "a size that does not suit the type";
    EXPECT_FALSE(ReadWriteListValue(key.c_str(), u"v", two, 2, 3, ListWalkMode::Write)) << "no such type";
}

TEST_F(ListRegistryWalk, AWrittenTextStopsAtItsFieldEvenWithoutANul)
{
    const std::u16string key = KeyPath(u"Probe");
    StoreDword(key, u"seed", 0);
    WCHAR field[4] = {u'a', u'b', u'c', u'd'};   // no NUL
    ASSERT_TRUE(ReadWriteListValue(key.c_str(), u"t", field, sizeof field, kFieldText, ListWalkMode::Write));
    EXPECT_NE(host::RegistryDump(HKEY_CURRENT_USER, key).find("\"t\" = REG_SZ: \"abcd\"\n"), std::string::npos);
    WCHAR back[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_FALSE(ReadWriteListValue(key.c_str(), u"t", back, sizeof back, kFieldText, ListWalkMode::Read))
        << "five units do not fit a field of four";
    EXPECT_EQ(back[0], u'x');
}

TEST_F(ListRegistryWalk, ValuesAreWrittenOnlyIntoKeysTheWalkCreated)
{
    ASSERT_TRUE(SetDefaultWatermarks(m_store->lpWatermark));
    SETTINGS_STORE only = {};
    only.lpWatermark = m_store->lpWatermark;
    const LIST_SCHEMA_GROUP* group = FindListSchemaGroup(&m_schemas, kWatermarkListGroup);
    // Skipping the section row: no key to write into, so nothing is written at all.
    ASSERT_TRUE(WalkListRegistry(&only, group->lpRows + 1, static_cast<WORD>(group->wCount - 1),
                                 kWatermarkListGroup, kPrinter, ListWalkMode::Write));
    EXPECT_EQ(host::RegistryDump(HKEY_CURRENT_USER, KeyPath()), "");
    EXPECT_FALSE(WalkListRegistry(&only, group->lpRows, group->wCount, 0, kPrinter, static_cast<ListWalkMode>(4)));
    EXPECT_FALSE(WalkListRegistry(nullptr, group->lpRows, group->wCount, 0, kPrinter, ListWalkMode::Read));
    EXPECT_FALSE(WalkListRegistry(&only, nullptr, 0, 0, kPrinter, ListWalkMode::Read));
}

TEST_F(ListRegistryWalk, AFailedWriteDoesNotStopTheWalk)
{
    // The third registry write (the section's "WMarkListNum") fails; every watermark key is still written.
    host::InjectFault(host::Fault::RegistryWrite, 2, 1);
    ASSERT_TRUE(WriteDefaultWatermarks(&m_schemas, kPrinter));
    host::ClearFaults();
    const std::string tree = host::RegistryDump(HKEY_CURRENT_USER, KeyPath(u"WaterMark"));
    EXPECT_EQ(tree.find("WMarkListNum"), std::string::npos) << tree;
    EXPECT_NE(tree.find("WMarkListData15]"), std::string::npos);
    EXPECT_NE(tree.find("\"Watermark Center(Y)\""), std::string::npos);
}

TEST_F(ListRegistryWalk, AMissingOrZeroCountReadsNoEntries)
{
    StoreValue(KeyPath(u"WaterMark", u"WMarkListData0"), u"Watermark String", REG_SZ, u"orphan", 14);
    ASSERT_TRUE(Load());
    EXPECT_EQ(m_store->lpWatermark->WMarkListNum, 0);
    EXPECT_EQ(Text(m_store->lpWatermark->lpEntries[0].Text), u"");
    StoreDword(KeyPath(u"WaterMark"), u"WMarkListNum", 0);
    ASSERT_TRUE(Load());
    EXPECT_EQ(Text(m_store->lpWatermark->lpEntries[0].Text), u"");
}

// Each case stores the defaults, damages one thing under the printer's key, and loads the whole store into a
// fresh one: a refused value leaves its field zero.
TEST_F(ListRegistryWalk, AHostileRegistryCannotTakeALoadPastItsFields)
{
    const std::u16string list1 = KeyPath(u"InterSheet", u"InterSheetList1");
    const std::u16string marks = KeyPath(u"WaterMark");
    const std::u16string mark0 = KeyPath(u"WaterMark", u"WMarkListData0");
    const std::u16string fonts = KeyPath(u"FontSubTbl");
    const std::u16string overlays = KeyPath(u"Form", u"Overlay File");
    const std::u16string confirm = KeyPath(u"Form", u"Overlays");
    const std::vector<WCHAR> longText(300, u'W');
    const std::vector<BYTE> bytes(600, 0x5A);
    const WCHAR exact32[32] = {u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F',
                               u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F',
                               u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F', u'F'};
    struct Case {
        const char* what;
        std::function<void()> damage;
        std::function<void(const SETTINGS_STORE&)> check;
    };
    const Case cases[] = {
        {"an entry count stored as text", [&] { StoreValue(list1, u"ISPageListNum", REG_SZ, u"9", 4); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpInterSheet->lpLists[0].PageListNum, 0); }},
        {"an entry count above the block",
         [&] {
             StoreDword(list1, u"ISPageListNum", 2130);
             StoreValue(list1, u"ISPageListData127", REG_BINARY, bytes.data(), sizeof(INTERSHEET_ENTRY));
             StoreValue(list1, u"ISPageListData128", REG_BINARY, bytes.data(), sizeof(INTERSHEET_ENTRY));
         },
         [](const SETTINGS_STORE& s) {
             const INTERSHEET_LIST& list = s.lpInterSheet->lpLists[0];
             EXPECT_EQ(list.PageListNum, 128);
             EXPECT_EQ(reinterpret_cast<const BYTE*>(list.lpEntries + 127)[0], 0x5A) << "the last entry is read";
         }},
        {"a negative entry count", [&] { StoreDword(list1, u"ISPageListNum", 0xFFFFFFFB); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpInterSheet->lpLists[0].PageListNum, -5); }},
        {"an entry one byte short",
         [&] {
             StoreDword(list1, u"ISPageListNum", 1);
             StoreValue(list1, u"ISPageListData0", REG_BINARY, bytes.data(), sizeof(INTERSHEET_ENTRY) - 1);
         },
         [](const SETTINGS_STORE& s) {
             EXPECT_EQ(reinterpret_cast<const BYTE*>(s.lpInterSheet->lpLists[0].lpEntries)[0], 0);
         }},
        {"an entry one byte long",
         [&] {
             StoreDword(list1, u"ISPageListNum", 1);
             StoreValue(list1, u"ISPageListData0", REG_BINARY, bytes.data(), sizeof(INTERSHEET_ENTRY) + 1);
         },
         [](const SETTINGS_STORE& s) {
             EXPECT_EQ(reinterpret_cast<const BYTE*>(s.lpInterSheet->lpLists[0].lpEntries)[0], 0);
         }},
        {"index paper stored as a number", [&] { StoreDword(list1, u"TabSettingData", 7); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpInterSheet->lpLists[0].lpIndexPaper->TabPaperSize, 0); }},
        {"a list name longer than its field",
         [&] { StoreValue(list1, u"InterSheetListName", REG_SZ, longText.data(), 40 * sizeof(WCHAR)); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(Text(s.lpInterSheet->lpLists[0].Name), u""); }},
        {"a list name stored as bytes",
         [&] { StoreValue(list1, u"InterSheetListName", REG_BINARY, u"Bin", 8); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(Text(s.lpInterSheet->lpLists[0].Name), u""); }},
        {"a watermark count far above the block", [&] { StoreDword(marks, u"WMarkListNum", 0x7FFF); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpWatermark->WMarkListNum, 51); }},
        {"a watermark count whose low word is negative", [&] { StoreDword(marks, u"WMarkListNum", 0x0001FFFF); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpWatermark->WMarkListNum, -1); }},
        {"a watermark face longer than the registry carries",
         [&] { StoreValue(mark0, u"Watermark Font", REG_SZ, longText.data(), 33 * sizeof(WCHAR)); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(Text(s.lpWatermark->lpEntries[0].Face), u""); }},
        {"a watermark size as a short value",
         [&] { StoreValue(mark0, u"Watermark Size", REG_DWORD, bytes.data(), 2); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpWatermark->lpEntries[0].Size, 0u); }},
        {"a watermark size as a long binary",
         [&] { StoreValue(mark0, u"Watermark Size", REG_BINARY, bytes.data(), 8); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpWatermark->lpEntries[0].Size, 0u); }},
        {"a font count above the block", [&] { StoreDword(fonts, u"FontSubTblNum", 600); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpFontSub->FontSubTblNum, 500); }},
        {"a face filling its field without a NUL",
         [&] { StoreValue(KeyPath(u"FontSubTbl", u"TTFont List"), u"TTFaceName0", REG_SZ, exact32, 64); },
         [](const SETTINGS_STORE& s) {
             EXPECT_EQ(Text(s.lpFontSub->lpPairs[0].TTFaceName), std::u16string(31, u'F'));
         }},
        {"an overlay count above the block", [&] { StoreDword(overlays, u"FormListNum", 1000); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpForm->FormListNum, 100); }},
        {"a confirmation style stored as text", [&] { StoreValue(confirm, u"Style2", REG_SZ, u"4", 4); },
         [](const SETTINGS_STORE& s) { EXPECT_EQ(s.lpForm->lpBoxes[1].Style, 0u); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteRegTree(HKEY_CURRENT_USER, KeyPath().c_str());
        ASSERT_TRUE(WriteDefaultSettingsStore(&m_schemas, kPrinter, nullptr));
        c.damage();
        FreeSettingsStore(&m_store);
        m_store = NewSettingsStore();
        ASSERT_NE(m_store, nullptr);
        ASSERT_TRUE(Load());
        c.check(*m_store);
    }
}
