// file_services_test.cpp - the profile and file wrappers that add something to their call.
#include "settings/registry/file_services.h"
#include "support/world_fixture.h"

using FileServices = WorldTest;

TEST_F(FileServices, FilePresentWhenItOpensOrAnotherHolderBlocksIt)
{
    const WCHAR* path = u"C:\\TEMP\\present.zsf";
    EXPECT_FALSE(IsFilePresent(nullptr, path));

    HANDLE writer = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(IsFilePresent(nullptr, path)) << "held without sharing: a sharing violation still means present";
    CloseHandle(writer);

    EXPECT_TRUE(IsFilePresent(nullptr, path));
    HANDLE again = OpenFileHandle(nullptr, path, GENERIC_READ, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(again, INVALID_HANDLE_VALUE) << "the presence test left the file open";
    EXPECT_TRUE(CloseFileHandle(nullptr, again));

    EXPECT_FALSE(IsFilePresent(nullptr, u"C:\\TEMP\\missing\\file.zsf"));
}

TEST_F(FileServices, ProfileIntegersAreCutToSixteenBits)
{
    const WCHAR* file = u"C:\\TEMP\\settings.zsf";
    ASSERT_TRUE(WriteProfileString(nullptr, u"QN_SETTING LIBRARY STANDARD", u"commentX", u"70000", file));
    EXPECT_EQ(ReadProfileInt(nullptr, u"QN_SETTING LIBRARY STANDARD", u"commentX", 0, file), 70000 & 0xFFFF);
    EXPECT_EQ(ReadProfileInt(nullptr, u"QN_SETTING LIBRARY STANDARD", u"missing", 7, file), 7);
}
