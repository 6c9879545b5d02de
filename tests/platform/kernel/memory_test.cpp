// memory_test.cpp - the global heap: handles, lock counts, reallocation, failures and injected faults.
#include "host/faults.h"
#include "host/inspect.h"
#include "support/world_fixture.h"
#include "win/windows.h"

#include <cstring>
#include <string>

using GlobalMemory = WorldTest;

namespace {

HGLOBAL AllocFilled(UINT flags, SIZE_T size, const char* text)
{
    HGLOBAL h = GlobalAlloc(flags, size);
    std::memcpy(GlobalLock(h), text, std::strlen(text) + 1);
    GlobalUnlock(h);
    return h;
}

} // namespace

TEST_F(GlobalMemory, MoveableHandlesAreNotAddressesAndFindTheirBlockBack)
{
    const unsigned live = host::LiveGlobalBlocks();
    HGLOBAL h = GlobalAlloc(GHND, 16);
    ASSERT_NE(h, nullptr);
    auto* p = static_cast<BYTE*>(GlobalLock(h));
    ASSERT_NE(p, nullptr);
    EXPECT_NE(static_cast<void*>(p), h);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(p[i], 0) << "GHND zero-fills, byte " << i;
    EXPECT_EQ(GlobalHandle(p), h);
    EXPECT_EQ(GlobalSize(h), 16u);
    EXPECT_EQ(host::LiveGlobalBlocks(), live + 1);

    HGLOBAL fixed = GlobalAlloc(GPTR, 8);
    EXPECT_EQ(GlobalLock(fixed), fixed) << "a fixed block's handle is its address";
    EXPECT_EQ(GlobalHandle(fixed), fixed);

    GlobalUnlock(h);
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(GlobalFree(fixed), nullptr);
    EXPECT_EQ(host::LiveGlobalBlocks(), live);
}

TEST_F(GlobalMemory, UnlockTellsWhetherTheBlockIsStillLocked)
{
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    GlobalLock(h);
    GlobalLock(h);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 2u);

    EXPECT_TRUE(GlobalUnlock(h)) << "still locked once";
    SetLastError(ERROR_INVALID_DATA);
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(NO_ERROR)) << "now unlocked: FALSE, but no error";
    EXPECT_FALSE(GlobalUnlock(h));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_LOCKED));
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);

    HGLOBAL fixed = GlobalAlloc(GMEM_FIXED, 4);
    GlobalLock(fixed);
    EXPECT_TRUE(GlobalUnlock(fixed)) << "a fixed block has no lock count: unlocking it succeeds";
    EXPECT_EQ(GlobalFlags(fixed) & GMEM_LOCKCOUNT, 0u);
    GlobalFree(fixed);
    GlobalFree(h);
}

TEST_F(GlobalMemory, ReAllocMovesAnUnlockedMoveableBlockUnderTheSameHandle)
{
    HGLOBAL h = AllocFilled(GMEM_MOVEABLE, 8, "abcdefg");
    void* before = GlobalLock(h);
    GlobalUnlock(h);

    EXPECT_EQ(GlobalReAlloc(h, 64, 0), h);
    auto* after = static_cast<char*>(GlobalLock(h));
    EXPECT_NE(static_cast<void*>(after), before);
    EXPECT_STREQ(after, "abcdefg");
    for (int i = 8; i < 64; ++i)
        EXPECT_EQ(after[i], 0) << "grown bytes are zero, byte " << i;
    EXPECT_EQ(GlobalSize(h), 64u);
    EXPECT_EQ(GlobalHandle(after), h);
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST_F(GlobalMemory, ReAllocThatWouldMoveALockedOrFixedBlockFailsAndLeavesItAlone)
{
    HGLOBAL locked = AllocFilled(GMEM_MOVEABLE, 8, "locked");
    void* lockedData = GlobalLock(locked);
    HGLOBAL fixed = AllocFilled(GMEM_FIXED, 8, "fixed");

    for (HGLOBAL h : {locked, fixed}) {
        SCOPED_TRACE(h == fixed ? "fixed" : "locked");
        SetLastError(0);
        EXPECT_EQ(GlobalReAlloc(h, 4096, 0), nullptr);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
        EXPECT_EQ(GlobalSize(h), 8u);
    }
    EXPECT_EQ(GlobalLock(locked), lockedData);
    EXPECT_STREQ(static_cast<char*>(lockedData), "locked");
    EXPECT_STREQ(static_cast<char*>(fixed), "fixed");

    EXPECT_EQ(GlobalReAlloc(fixed, 4, 0), fixed) << "shrinking needs no move";
    EXPECT_EQ(GlobalSize(fixed), 4u);

    // GMEM_MOVEABLE allows the move: a fixed block gets a new address, a locked one keeps handle and locks.
    HGLOBAL moved = GlobalReAlloc(fixed, 4096, GMEM_MOVEABLE);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(std::memcmp(moved, "fix", 3), 0);
    EXPECT_EQ(GlobalSize(moved), 4096u);
    EXPECT_EQ(GlobalReAlloc(locked, 4096, GMEM_MOVEABLE), locked);
    EXPECT_EQ(GlobalFlags(locked) & GMEM_LOCKCOUNT, 2u);
    EXPECT_STREQ(static_cast<char*>(GlobalLock(locked)), "locked");
    GlobalFree(moved);
    GlobalFree(locked);
}

TEST_F(GlobalMemory, AFailedReAllocLeavesTheOldBlockIntact)
{
    HGLOBAL h = AllocFilled(GMEM_MOVEABLE, 8, "keep");
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    SetLastError(0);
    EXPECT_EQ(GlobalReAlloc(h, 64, 0), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(GlobalSize(h), 8u);
    EXPECT_STREQ(static_cast<char*>(GlobalLock(h)), "keep");
    GlobalUnlock(h);
    EXPECT_EQ(GlobalReAlloc(h, 64, 0), h) << "the fault was for one call only";
    GlobalFree(h);
}

TEST_F(GlobalMemory, InjectedFaultsFailTheNthAllocationsAndLeakNothing)
{
    const unsigned live = host::LiveGlobalBlocks();
    host::InjectFault(host::Fault::GlobalAlloc, 2, 2);
    HGLOBAL results[4];
    DWORD errors[4];
    unsigned countdown[4];
    for (int i = 0; i < 4; ++i) {
        SetLastError(0);
        results[i] = GlobalAlloc(GHND, 32);
        errors[i] = GetLastError();
        countdown[i] = host::FaultCountdown(host::Fault::GlobalAlloc);
    }
    EXPECT_EQ(countdown[0], 1u) << "the failure is the next call's";
    EXPECT_EQ(countdown[1], 0u) << "it came";
    EXPECT_EQ(host::FaultCountdown(host::Fault::WritePrinter), 0u) << "none injected";
    EXPECT_NE(results[0], nullptr);
    EXPECT_EQ(results[1], nullptr);
    EXPECT_EQ(results[2], nullptr);
    EXPECT_NE(results[3], nullptr);
    EXPECT_EQ(errors[1], static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(errors[2], static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    EXPECT_EQ(host::LiveGlobalBlocks(), live + 2);
    for (HGLOBAL h : results)
        GlobalFree(h);
    EXPECT_EQ(host::LiveGlobalBlocks(), live);
}

TEST_F(GlobalMemory, UnknownHandlesAndAddressesAreRefused)
{
    static int onStack = 0;
    auto* bogus = reinterpret_cast<HGLOBAL>(static_cast<uintptr_t>(0x00DEAD04));
    struct Check { const char* call; bool (*refused)(HGLOBAL); };
    const Check checks[] = {
        {"GlobalFree",    [](HGLOBAL h) { return GlobalFree(h) == h; }},
        {"GlobalLock",    [](HGLOBAL h) { return GlobalLock(h) == nullptr; }},
        {"GlobalUnlock",  [](HGLOBAL h) { return !GlobalUnlock(h); }},
        {"GlobalSize",    [](HGLOBAL h) { return GlobalSize(h) == 0; }},
        {"GlobalFlags",   [](HGLOBAL h) { return GlobalFlags(h) == GMEM_INVALID_HANDLE; }},
        {"GlobalReAlloc", [](HGLOBAL h) { return GlobalReAlloc(h, 8, 0) == nullptr; }},
        {"GlobalHandle",  [](HGLOBAL) { return GlobalHandle(&onStack) == nullptr; }},
    };
    for (const Check& check : checks) {
        SetLastError(0);
        EXPECT_TRUE(check.refused(bogus)) << check.call;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE)) << check.call;
    }
    EXPECT_EQ(GlobalFree(nullptr), nullptr);

    HLOCAL h = LocalAlloc(LPTR, 4);
    EXPECT_EQ(LocalFree(h), nullptr);
    SetLastError(0);
    EXPECT_EQ(LocalFree(h), h) << "a second free is refused";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST_F(GlobalMemory, ModifyingAFixedBlockToMoveableGivesItAHandleOfItsOwn)
{
    const unsigned live = host::LiveGlobalBlocks();
    HGLOBAL fixed = AllocFilled(GMEM_FIXED, 8, "data");
    HGLOBAL h = GlobalReAlloc(fixed, 0, GMEM_MODIFY | GMEM_MOVEABLE);
    ASSERT_NE(h, nullptr);
    EXPECT_NE(h, fixed) << "the address must not double as the moveable handle";
    EXPECT_EQ(GlobalLock(h), static_cast<void*>(fixed)) << "the data stays where it was";
    EXPECT_EQ(GlobalHandle(fixed), h);
    GlobalUnlock(h);

    EXPECT_EQ(GlobalReAlloc(h, 4096, 0), h);   // unlocked moveable: it moves
    EXPECT_STREQ(static_cast<char*>(GlobalLock(h)), "data");
    GlobalUnlock(h);
    EXPECT_EQ(GlobalSize(fixed), 0u) << "the old address is no handle any more";
    EXPECT_EQ(GlobalFree(h), nullptr);
    EXPECT_EQ(host::LiveGlobalBlocks(), live);
}

TEST(MemoryMacros, FillTakesTheLengthBeforeTheByteAndEachStaysInItsRange)
{
    char block[8] = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'};
    FillMemory(block + 1, 3, 'x');   // an application's order: where, how many, which byte
    EXPECT_EQ(std::string(block, 8), "axxxefgh");
    ZeroMemory(block + 5, 2);
    EXPECT_EQ(std::string(block, 8), std::string("axxxe\0\0h", 8));
    CopyMemory(block, "12", 2);
    EXPECT_EQ(std::string(block, 8), std::string("12xxe\0\0h", 8));
    MoveMemory(block + 1, block, 4);   // overlapping ranges
    EXPECT_EQ(std::string(block, 8), std::string("112xx\0\0h", 8));
}
