// job_settings_record_test.cpp - finding the devmode inside the job settings record of the graphics module.
#include "settings/devmode/job_settings_record.h"

#include <gtest/gtest.h>
#include <cstring>
#include <vector>

namespace {

// A record as the graphics module hands it out: its devmode copy at 6,460, the offset word pointing at the
// copy's DEVMODE_ENV_EXTRA.
std::vector<BYTE> JobRecord(WORD envOffset)
{
    std::vector<BYTE> record(kJobSettingsRecordSize, 0);
    DRIVER_DEVMODE dm = {};
    dm.dmPrivate.lpOverlay = 3;
    std::memcpy(&dm.dmPrivate.env.startMarker, "4321", 4);
    std::memcpy(record.data() + kJobDevmodeOffset, &dm, sizeof dm);
    std::memcpy(record.data() + kJobEnvOffsetWord, &envOffset, sizeof envOffset);
    return record;
}

} // namespace

TEST(JobSettingsRecord, FindsThePrivatePartOfTheDevmodeCopy)
{
    std::vector<BYTE> record = JobRecord(7876);
    PRIVATE_DEVMODE* pPrivate = GetJobDevmodePrivate(record.data());
    ASSERT_EQ(reinterpret_cast<BYTE*>(pPrivate), record.data() + 6680);
    EXPECT_EQ(pPrivate->lpOverlay, 3);
    EXPECT_EQ(GetJobDevmodePrivate(nullptr), nullptr);
}

TEST(JobSettingsRecord, FollowsTheOffsetWordToTheEnvBlockOnlyInsideTheRecord)
{
    struct Case { WORD envOffset; bool found; };
    const Case cases[] = {
        {7876, true},            // where the graphics module puts it
        {9075 - 1199, true},     // the last place the whole block fits
        {9075 - 1198, false},
        {0xFFFF, false},
        {0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset word " << c.envOffset);
        std::vector<BYTE> record = JobRecord(c.envOffset);
        DEVMODE_ENV_EXTRA* pEnv = GetJobSubRecord(record.data());
        if (!c.found) {
            EXPECT_EQ(pEnv, nullptr);
            continue;
        }
        EXPECT_EQ(reinterpret_cast<BYTE*>(pEnv), record.data() + c.envOffset);
    }
    std::vector<BYTE> record = JobRecord(7876);
    EXPECT_EQ(std::memcmp(GetJobSubRecord(record.data())->startMarker, "4321", 4), 0);
    EXPECT_EQ(GetJobSubRecord(nullptr), nullptr);
}
