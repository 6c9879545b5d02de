// fax_cover_data_test.cpp - the fax cover sheet group: off in this build, and what it does when switched on.
#include "settings/store/fax_cover_data.h"
#include "settings/paper/feature_table.h"
#include "settings/registry/registry_paths.h"
#include "settings/store/list_schema.h"
#include "settings/strings/text_copy.h"
#include "host/inspect.h"
#include "support/printer_fixture.h"

#include <cstring>
#include <string>

namespace {

constexpr const WCHAR* kPrinter = u"QN-804C";

class FaxCoverData : public PrinterWorldTest {
protected:
    void TearDown() override
    {
        ClearFeatureOverrides();
        PrinterWorldTest::TearDown();
    }

    static std::string Tree()
    {
        WCHAR path[kRegPathChars];
        EXPECT_TRUE(BuildPrinterRegPath(path, kRegPathChars, kPrinter, u"Fax Cover Sheet", nullptr));
        return host::RegistryDump(HKEY_CURRENT_USER, path);
    }
};

} // namespace

TEST_F(FaxCoverData, OffInThisBuildEveryOperationReturnsAtOnce)
{
    EXPECT_EQ(NewFaxCoverData(), nullptr);
    LIST_SCHEMA_SET schemas = {};
    ASSERT_TRUE(LoadListSchemas(&schemas));
    FAX_COVER_RECORD record = {};
    EXPECT_TRUE(LoadFaxCoverData(&record, &schemas, kPrinter));
    EXPECT_TRUE(WriteDefaultFaxCoverData(&schemas, kPrinter));
    EXPECT_TRUE(SetFaxCoverDefaults(&record));
    EXPECT_EQ(record.Zoom, 0u) << "nothing set";
    EXPECT_EQ(Tree(), "");

    // The accessor refuses and leaves its outputs alone: there is no record of this group to point into.
    void* address = &record;
    DWORD size = 11;
    DWORD type = 12;
    EXPECT_FALSE(AccessFaxCoverField(71, &address, &size, &type, &record));
    EXPECT_EQ(address, &record);
    EXPECT_EQ(size, 11u);
    EXPECT_EQ(type, 12u);
    FreeListSchemas(&schemas);
}

TEST_F(FaxCoverData, SwitchedOnItsFieldsAreWhereTheRecordSays)
{
    OverrideFeatureForTest(SwitchableFeature::Fax, 1);
    FAX_COVER_RECORD* record = NewFaxCoverData();
    ASSERT_NE(record, nullptr);
    struct Case {
        WORD code;
        BOOL known;
        DWORD offset, size, type;
    };
    const Case cases[] = {
        {70, TRUE, 0, 2868, 64},     {71, TRUE, 0, 130, 128},       {80, TRUE, 868, 82, 128},
        {81, TRUE, 786, 82, 128},    {85, TRUE, 1040, 4, 16},       {86, TRUE, 1044, 522, 128},
        {87, TRUE, 1568, 4, 16},     {91, TRUE, 1580, 4, 16},       {92, TRUE, 1584, 1282, 128},
        {69, FALSE, 0, 0, 0},        {90, FALSE, 0, 0, 0},          {93, FALSE, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "field " << c.code);
        void* address = nullptr;
        DWORD size = 0;
        DWORD type = 0;
        ASSERT_EQ(AccessFaxCoverField(c.code, &address, &size, &type, record), c.known);
        if (!c.known)
            continue;
        EXPECT_EQ(static_cast<BYTE*>(address) - reinterpret_cast<BYTE*>(record), static_cast<long>(c.offset));
        EXPECT_EQ(size, c.size);
        EXPECT_EQ(type, c.type);
    }
    void* address = nullptr;
    DWORD size = 0;
    DWORD type = 0;
    EXPECT_FALSE(AccessFaxCoverField(71, &address, &size, &type, nullptr));
    FreeFaxCoverData(&record);
    EXPECT_EQ(record, nullptr);
}

TEST_F(FaxCoverData, SwitchedOnItsDefaultsAreWrittenAndReadBack)
{
    OverrideFeatureForTest(SwitchableFeature::Fax, 1);
    LIST_SCHEMA_SET schemas = {};
    ASSERT_TRUE(LoadListSchemas(&schemas));
    const unsigned before = host::LiveGlobalBlocks();
    ASSERT_TRUE(WriteDefaultFaxCoverData(&schemas, kPrinter));
    EXPECT_EQ(host::LiveGlobalBlocks(), before);
    const std::string tree = Tree();
    EXPECT_NE(tree.find("\"Zoom\" = REG_DWORD: 0x00000064"), std::string::npos) << tree;
    EXPECT_NE(tree.find("\"FCSPaper\" = REG_DWORD: 0x00000005"), std::string::npos);
    EXPECT_NE(tree.find("Fax Cover Sheet\\Comment]"), std::string::npos);

    FAX_COVER_RECORD* record = NewFaxCoverData();
    FAX_COVER_RECORD* copy = NewFaxCoverData();
    ASSERT_NE(record, nullptr);
    ASSERT_TRUE(LoadFaxCoverData(record, &schemas, kPrinter));
    EXPECT_EQ(record->Pagenum, 1u);
    EXPECT_EQ(record->Style, 1u);
    EXPECT_EQ(record->Zoom, 100u);
    WCHAR fixedForm[42] = {};
    std::memcpy(fixedForm, record->Fixedform, sizeof record->Fixedform);
    EXPECT_NE(fixedForm[0], u'\0') << "the fixed form's text comes from the resource library";

    CopyText(&record->Comment, u"Three pages follow.");
    ASSERT_TRUE(SaveFaxCoverData(record, &schemas, kPrinter));
    ASSERT_TRUE(LoadFaxCoverData(copy, &schemas, kPrinter));
    EXPECT_EQ(std::memcmp(copy, record, sizeof *record), 0);
    ASSERT_TRUE(CopyFaxCoverData(copy, record));
    EXPECT_FALSE(LoadFaxCoverData(nullptr, &schemas, kPrinter));
    EXPECT_FALSE(SaveFaxCoverData(record, nullptr, kPrinter));
    FreeFaxCoverData(&record);
    FreeFaxCoverData(&copy);
    FreeListSchemas(&schemas);
}
