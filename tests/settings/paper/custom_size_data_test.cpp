// custom_size_data_test.cpp - the block of the ten user-defined sizes and its fields.
#include "settings/paper/custom_size_data.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>

using CustomSizeData = WorldTest;

TEST_F(CustomSizeData, FieldsOfEachSizeLieAtTheirOffsets)
{
    CUSTOM_SIZE_ENTRY* block = NewCustomSizeData();
    ASSERT_NE(block, nullptr);
    BYTE* base = reinterpret_cast<BYTE*>(block);

    struct Case {
        WORD fieldCode;
        UINT index;
        DWORD offset;
        DWORD size;
        DWORD type;
    };
    const Case cases[] = {
        {93, 7, 0,           440, 64 },   // the whole block, whatever the index
        {94, 0, 0,           4,   8  },
        {95, 0, 4,           4,   8  },
        {96, 9, 9 * 44 + 8,  2,   4  },
        {97, 9, 9 * 44 + 10, 34,  128},   // the last name ends at the block's last byte
        {94, 3, 3 * 44,      4,   8  },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "field " << c.fieldCode << " index " << c.index);
        void* address = nullptr;
        DWORD size = 0;
        DWORD type = 0;
        ASSERT_TRUE(AccessCustomSizeField(c.fieldCode, c.index, &address, &size, &type, block));
        EXPECT_EQ(static_cast<BYTE*>(address) - base, static_cast<std::ptrdiff_t>(c.offset));
        EXPECT_EQ(size, c.size);
        EXPECT_EQ(type, c.type);
        EXPECT_LE(c.offset + size, kCustomSizeBlockBytes);
    }
    FreeCustomSizeData(&block);
    EXPECT_EQ(block, nullptr);
}

TEST_F(CustomSizeData, UnknownFieldsIndicesAndBlocksAreRefused)
{
    CUSTOM_SIZE_ENTRY* block = NewCustomSizeData();
    ASSERT_NE(block, nullptr);
    struct Case {
        WORD fieldCode;
        UINT index;
        CUSTOM_SIZE_ENTRY* block;
    };
    const Case cases[] = {{92, 0, block}, {98, 0, block}, {94, 10, block}, {97, 0xFFFFFFFF, block}, {94, 0, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "field " << c.fieldCode << " index " << c.index);
        void* address = &address;
        DWORD size = 0xABAB;
        DWORD type = 0xABAB;
        EXPECT_FALSE(AccessCustomSizeField(c.fieldCode, c.index, &address, &size, &type, c.block));
        EXPECT_EQ(address, &address);
        EXPECT_EQ(size, 0xABABu);
    }
    FreeCustomSizeData(&block);
}

TEST_F(CustomSizeData, NewBlocksAreZeroedCopiedWholeAndFreed)
{
    const unsigned liveBefore = host::LiveGlobalBlocks();
    CUSTOM_SIZE_ENTRY* source = NewCustomSizeData();
    CUSTOM_SIZE_ENTRY* target = NewCustomSizeData();
    ASSERT_NE(source, nullptr);
    ASSERT_NE(target, nullptr);
    const BYTE zeros[kCustomSizeBlockBytes] = {};
    EXPECT_EQ(std::memcmp(source, zeros, kCustomSizeBlockBytes), 0);

    std::memset(source, 0x5A, kCustomSizeBlockBytes);
    EXPECT_TRUE(CopyCustomSizeData(target, source));
    EXPECT_EQ(std::memcmp(target, source, kCustomSizeBlockBytes), 0);
    EXPECT_FALSE(CopyCustomSizeData(target, nullptr));
    EXPECT_FALSE(CopyCustomSizeData(nullptr, source));

    FreeCustomSizeData(&source);
    FreeCustomSizeData(&target);
    EXPECT_TRUE(FreeCustomSizeData(&target)) << "a cleared cell frees nothing";
    EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore);
}
