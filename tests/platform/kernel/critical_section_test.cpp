// critical_section_test.cpp - recursive critical sections that exclude other threads.
#include "win/windows.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(CriticalSection, ExcludesOtherThreadsAndNests)
{
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    constexpr int kThreads = 4;
    constexpr int kRounds = 20000;
    int counter = 0;   // plain int: only the section keeps the increments from being lost
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                EnterCriticalSection(&section);
                EnterCriticalSection(&section);   // the owner may enter again without blocking itself
                const int seen = counter;
                if (i % 64 == 0)
                    std::this_thread::yield();   // invite another thread into the gap, should the lock leak
                counter = seen + 1;
                LeaveCriticalSection(&section);
                LeaveCriticalSection(&section);
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(counter, kThreads * kRounds);
    DeleteCriticalSection(&section);
}

TEST(CriticalSection, StaysHeldUntilEveryEnterIsLeftAndIgnoresLeavesByOthers)
{
    CRITICAL_SECTION section;
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    EnterCriticalSection(&section);

    std::atomic<bool> entered = false;
    std::thread other([&] {
        LeaveCriticalSection(&section);   // not the owner: must not release the main thread's hold
        EnterCriticalSection(&section);
        entered = true;
        LeaveCriticalSection(&section);
    });
    LeaveCriticalSection(&section);
    std::this_thread::sleep_for(50ms);
    EXPECT_FALSE(entered) << "entered while the owner still held the section once";

    LeaveCriticalSection(&section);
    other.join();
    EXPECT_TRUE(entered);
    DeleteCriticalSection(&section);
}

TEST(CriticalSection, ARecordNeverInitialisedOrAlreadyDeletedNeitherBlocksNorCrashes)
{
    CRITICAL_SECTION section = {};
    EnterCriticalSection(&section);
    LeaveCriticalSection(&section);

    InitializeCriticalSection(&section);
    DeleteCriticalSection(&section);
    EnterCriticalSection(&section);
    LeaveCriticalSection(&section);
    DeleteCriticalSection(&section);
    EnterCriticalSection(nullptr);
    SUCCEED();
}
