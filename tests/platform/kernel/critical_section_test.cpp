// critical_section_test.cpp - recursive critical sections that exclude other threads.
#include "win/windows.h"

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
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
    // Run on a thread of its own, so that a call that blocks fails the test instead of hanging it; the record
    // is shared with that thread, so that it outlives a thread that never comes back.
    auto shared = std::make_shared<CRITICAL_SECTION>();
    CRITICAL_SECTION& section = *shared;
    std::promise<void> done;
    auto misuse = done.get_future();
    std::thread([shared, done = std::move(done)]() mutable {
        CRITICAL_SECTION* record = shared.get();
        EnterCriticalSection(record);
        LeaveCriticalSection(record);

        InitializeCriticalSection(record);
        DeleteCriticalSection(record);
        EnterCriticalSection(record);
        LeaveCriticalSection(record);
        DeleteCriticalSection(record);
        EnterCriticalSection(nullptr);
        done.set_value();
    }).detach();
    ASSERT_EQ(misuse.wait_for(5s), std::future_status::ready) << "a misused section blocked its caller";

    // The record is still good for a proper life afterwards: it excludes another thread again.
    InitializeCriticalSection(&section);
    EnterCriticalSection(&section);
    auto other = std::async(std::launch::async, [&] {
        EnterCriticalSection(&section);
        LeaveCriticalSection(&section);
    });
    EXPECT_EQ(other.wait_for(50ms), std::future_status::timeout) << "entered while the section was held";
    LeaveCriticalSection(&section);
    EXPECT_EQ(other.wait_for(5s), std::future_status::ready);
    DeleteCriticalSection(&section);
}
