// alloc_list_test.cpp - the PDEV's allocation list: blocks come zero-filled, go one by one or all at once,
// and can move to another list; nothing leaks.
#include "customnt/vqddigfx/alloc_list.h"
#include "host/inspect.h"
#include "support/world_fixture.h"

#include <cstring>

namespace {

using AllocList = WorldTest;

TEST_F(AllocList, BlocksAreFreedOneByOneOrAllAtOnce)
{
    const unsigned liveBefore = host::LiveGlobalBlocks();
    ALLOC_LIST* pList = AllocListCreate();
    ASSERT_NE(pList, nullptr);
    auto* a = static_cast<BYTE*>(AllocListAlloc(pList, 16));
    auto* b = static_cast<BYTE*>(AllocListAlloc(pList, 0));
    auto* c = static_cast<BYTE*>(AllocListAlloc(pList, 3000));
    ASSERT_TRUE(a != nullptr && b != nullptr && c != nullptr);
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(c[i], 0) << "zero-filled";
    std::memset(a, 0xEE, 16);
    int local = 0;
    AllocListFree(pList, &local);      // not the list's: nothing changes
    AllocListFree(pList, nullptr);
    AllocListFree(pList, b);           // from the middle
    AllocListFree(pList, b);           // already gone: nothing changes
    EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore + 3);
    AllocListFreeAll(pList);
    EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore);
    EXPECT_EQ(AllocListAlloc(nullptr, 4), nullptr);
    AllocListFreeAll(nullptr);
}

TEST_F(AllocList, ABlockMovesToAnotherListAndIsFreedWithIt)
{
    const unsigned liveBefore = host::LiveGlobalBlocks();
    ALLOC_LIST* pOld = AllocListCreate();
    ALLOC_LIST* pNew = AllocListCreate();
    void* kept = AllocListAlloc(pOld, 8);
    void* moved = AllocListAlloc(pOld, 8);
    EXPECT_EQ(AllocListMove(pOld, pNew, moved), moved);
    EXPECT_EQ(AllocListMove(pOld, pNew, moved), nullptr) << "no longer the old list's";
    EXPECT_EQ(AllocListMove(pNew, nullptr, moved), nullptr);
    AllocListFreeAll(pOld);
    std::memset(moved, 0x5A, 8);   // still alive: the sanitizer would report a freed block
    EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore + 2);
    AllocListFreeAll(pNew);
    EXPECT_EQ(host::LiveGlobalBlocks(), liveBefore);
    (void)kept;
}

} // namespace
