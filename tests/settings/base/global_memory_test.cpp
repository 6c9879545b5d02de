// global_memory_test.cpp - locked global blocks as the settings core frees them on its failure paths.
#include "settings/base/global_memory.h"
#include "host/faults.h"
#include "support/world_fixture.h"

using GlobalMemory = WorldTest;

// A block freed while a failure unwinds must not clear the failure's reason: the last unlock of a block sets
// the last error to 0, and the caller would be told nothing.
TEST_F(GlobalMemory, FreeingABlockKeepsTheLastErrorOfTheFailureBeforeIt)
{
    for (const DWORD error : {DWORD{ERROR_NOT_ENOUGH_MEMORY}, DWORD{ERROR_INVALID_PARAMETER}, DWORD{0}}) {
        SCOPED_TRACE(error);
        {
            LockedBlock block(64);
            ASSERT_TRUE(block);
            SetLastError(error);
        }
        EXPECT_EQ(GetLastError(), error);
    }
    // The block that cannot be had is no block, and says why.
    host::InjectFault(host::Fault::GlobalAlloc, 1);
    SetLastError(0);
    LockedBlock none(64);
    host::ClearFaults();
    EXPECT_FALSE(none);
    EXPECT_EQ(GetLastError(), DWORD{ERROR_NOT_ENOUGH_MEMORY});
}
