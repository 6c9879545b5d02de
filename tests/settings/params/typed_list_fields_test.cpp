// typed_list_fields_test.cpp - named-list fields read into typed buffers, as the pages read them.
#include "settings/params/typed_list_fields.h"

#include "settings/paper/feature_table.h"
#include "settings/store/fax_cover_data.h"
#include "settings/store/list_group_records.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class TypedListFields : public testing::Test {
protected:
    void TearDown() override { ClearFeatureOverrides(); }
};

}  // namespace

TEST_F(TypedListFields, FaxCoverFieldsConvertIntoTheCallersBuffer)
{
    OverrideFeatureForTest(SwitchableFeature::Fax, 1);
    FAX_COVER_RECORD record = {};
    std::memcpy(record.Subject, u"Quarterly figures", sizeof u"Quarterly figures");
    record.Zoom = 0xFFFFFF85;   // -123 as a signed word
    record.Style = 3;

    struct Case {
        const char* what;
        WORD code;
        DWORD cbBuffer;
        WORD bufferType;
        LONG result;
        DWORD cbCopied;
        std::string expected;   // the buffer's first cbCopied bytes
    };
    const std::string subject(reinterpret_cast<const char*>(record.Subject), sizeof record.Subject);
    const Case cases[] = {
        { "a text into a buffer of its size", 71, 130, 128, 0, 130, subject },
        { "a text into a smaller buffer", 71, 8, 128, ERROR_MORE_DATA, 8, subject.substr(0, 8) },
        // A buffer narrower than its field gets the value converted, and is told the field is wider.
        { "a number as a signed word", 87, 2, 4, ERROR_MORE_DATA, 2, std::string("\x85\xFF", 2) },
        { "a number as a byte", 84, 1, 1, ERROR_MORE_DATA, 1, std::string("\x03", 1) },
        { "a number into the field's own width", 84, 4, 0, 0, 4, std::string("\x03\0\0\0", 4) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        char buffer[200];
        std::memset(buffer, 0x5A, sizeof buffer);
        DWORD cb = c.cbBuffer;
        EXPECT_EQ(AccessFaxCoverFieldTyped(c.code, buffer, &cb, c.bufferType, &record), c.result);
        EXPECT_EQ(cb, c.cbCopied);
        EXPECT_EQ(std::string(buffer, c.cbCopied), c.expected);
        EXPECT_EQ(buffer[c.cbCopied], 0x5A) << "nothing past what was copied";
    }
}

TEST_F(TypedListFields, ARefusedFaxCoverFieldLeavesTheBufferAlone)
{
    FAX_COVER_RECORD record = {};
    record.Style = 3;
    struct Case { const char* what; bool groupOn; WORD code; FAX_COVER_RECORD* pRecord; };
    const Case cases[] = {
        { "the group off, as in this build", false, 84, &record },
        { "the comment's key, which is no field", true, 90, &record },
        { "a code past the record's", true, 93, &record },
        { "no record", true, 84, nullptr },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OverrideFeatureForTest(SwitchableFeature::Fax, c.groupOn ? 1 : 0);
        DWORD value = 0xABABABAB;
        DWORD cb = sizeof value;
        EXPECT_EQ(AccessFaxCoverFieldTyped(c.code, &value, &cb, 16, c.pRecord), -1);
        EXPECT_EQ(value, 0xABABABABu);
        EXPECT_EQ(cb, sizeof value);
    }
}
